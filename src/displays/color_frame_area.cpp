// The colour frame: drawing the current colour with the display text, and the
// commands for the text, its font and colour.
#include "displays/color_frame_area.h"

#include "displays/color_frame.h"
#include "displays/color_frame_panel.h"
#include "displays/frame_font_settings.h"
#include "model/contrast.h"
#include "model/conversions.h"
#include "storage/settings_store.h"
#include "ui/accessibility.h"
#include "ui/bound_controls.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"
#include "ui/qt_color.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPalette>

namespace pigmentrix {
namespace {

const QString DefaultCaption = QStringLiteral("Pigmentrix");

} // namespace

ColorFrameArea::ColorFrameArea(QWidget *window, const SettingsStore &store, PickerDialogs &dialogs,
                               const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , store(store)
    , dialogs(dialogs)
    , guard(guard)
{
    setObjectName(QStringLiteral("colorFrameArea"));
    pnlColor = new ColorFramePanel(window);
    pnlColor->setObjectName(QStringLiteral("pnlColor"));
    pnlColor->setGeometry(ToQRect(design::ColorFrame));
    // The frame takes the focus so that its menu opens from the keyboard too.
    pnlColor->setFocusPolicy(Qt::StrongFocus);
    SetAccessibleRole(pnlColor, QAccessible::Graphic);
    NameControl(pnlColor, QStringLiteral("Color frame"));
    // Its own menu, for a right click or the menu keys.
    pnlColor->setContextMenuPolicy(Qt::CustomContextMenu);
    pnlColor->setColor(14772545);
    QFont frameFont = window->font();
    frameFont.setPixelSize(13);
    frameFont.setBold(true);
    pnlColor->setTextFont(frameFont);
    pnlColor->setFontColor(ColorToRGB(static_cast<TColor>(0xFF000008))); // window text
    lblContrast = new QLabel(pnlColor);
    lblContrast->setObjectName(QStringLiteral("lblContrast"));
    lblContrast->setAlignment(Qt::AlignCenter);
    QFont contrastFont = window->font();
    contrastFont.setPixelSize(11);
    lblContrast->setFont(contrastFont);
    buildMenu(window);
    guard.connect(pnlColor, &QWidget::customContextMenuRequested, this,
                  [this](const QPoint &at) { pupColorPanel->popup(pnlColor->mapToGlobal(at)); });
    showContrast();
}

void ColorFrameArea::addTextDisplayMenu(QMenu *menu)
{
    QMenu *textDisplay = AddSubmenu(menu, QStringLiteral("extDisplay1"), QStringLiteral("Text Display"));
    UseText = AddCheckItem(textDisplay, QStringLiteral("UseText"), QStringLiteral("Use Text in Color Frame"), true);
    guard.connect(UseText, &QAction::triggered, this, [this] { UseTextClick(UseText); });
    ChangeFont1 = AddItem(textDisplay, QStringLiteral("ChangeFont1"), QStringLiteral("Change Font"));
    guard.connect(ChangeFont1, &QAction::triggered, this, [this] { ChangeFont1Click(); });
}

void ColorFrameArea::buildMenu(QWidget *window)
{
    pupColorPanel = new QMenu(window);
    pupColorPanel->setObjectName(QStringLiteral("pupColorPanel"));
    const auto add = [this](const char *name, const char *caption, void (ColorFrameArea::*handler)()) {
        QAction *item = AddItem(pupColorPanel, QString::fromLatin1(name), QString::fromLatin1(caption));
        guard.connect(item, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
        return item;
    };
    setTextcolortoWhite1 =
        add("setTextcolortoWhite1", "Set Text Color to White", &ColorFrameArea::setTextcolortoWhite1Click);
    setTextcolortoBlack1 =
        add("setTextcolortoBlack1", "Set Text Color to Black", &ColorFrameArea::setTextcolortoBlack1Click);
    setTextColortoContrastColor1 = add("setTextColortoContrastColor1", "Set Text Color to Contrast Color",
                                       &ColorFrameArea::setTextColortoContrastColor1Click);
    setTextcolortotheinverseoftheBGcolor1 =
        add("setTextcolortotheinverseoftheBGcolor1", "Set Text Color to the inverse of the BG Color",
            &ColorFrameArea::setTextcolortotheinverseoftheBGcolor1Click);
    SwapColorandTextColor1 =
        add("SwapColorandTextColor1", "Swap Color and Text Color", &ColorFrameArea::SwapColorandTextColor1Click);
    AddSeparator(pupColorPanel, QStringLiteral("N13"));
    UseTextinColorFrame1 = AddCheckItem(pupColorPanel, QStringLiteral("UseTextinColorFrame1"),
                                        QStringLiteral("Use Text in Color Frame"), true);
    guard.connect(UseTextinColorFrame1, &QAction::triggered, this, [this] { UseTextClick(UseTextinColorFrame1); });
    ChangeFont2 = add("ChangeFont2", "Change Font", &ColorFrameArea::ChangeFont1Click);
    ChangeText1 = add("ChangeText1", "Change Text", &ColorFrameArea::ChangeText1Click);
}

std::vector<PropertyBinding> ColorFrameArea::storedProperties()
{
    const StoredProperty *fontProperty = FindStoredProperty("pnlColor_Font");
    return {
        CheckedRow("UseText_Checked", UseText),
        {"pnlColor_Font",
         [this, fontProperty] {
             // What the font cannot hold (character set, orientation) stays as stored.
             const std::optional<StoredValue> stored = ReadStoredProperty(store, *fontProperty);
             const FontSettings kept = stored ? std::get<FontSettings>(*stored) : DefaultFrameFont();
             return StoredValue(FrameFontSettings(pnlColor->TextFont(), pnlColor->FontColor(), kept));
         },
         [this](const StoredValue &value) {
             const auto &font = std::get<FontSettings>(value);
             pnlColor->setTextFont(FrameFontFrom(font, pnlColor->TextFont()));
             pnlColor->setFontColor(font.color);
         }},
        {"pnlColor_Caption", [this] { return StoredValue(pnlColor->Caption().toStdString()); },
         [this](const StoredValue &value) {
             pnlColor->setCaption(QString::fromStdString(std::get<std::string>(value)));
         }},
    };
}

bool ColorFrameArea::useText() const
{
    return UseText->isChecked();
}

void ColorFrameArea::syncTextItems()
{
    UseTextinColorFrame1->setChecked(UseText->isChecked());
    emit useTextChanged(UseText->isChecked());
}

void ColorFrameArea::UpdatePanel(TColor color, int alpha, bool alphaMode)
{
    pnlColor->setColor(color);
    lastAlpha = alpha;
    lastAlphaMode = alphaMode;
    ColorFrameParams frame;
    frame.size = pnlColor->size();
    frame.color = color;
    frame.alpha = alpha;
    frame.alphaOld = alphaold;
    frame.alphaMode = alphaMode;
    frame.useText = UseText->isChecked();
    frame.caption = pnlColor->Caption();
    frame.font = pnlColor->TextFont();
    frame.textColor = pnlColor->FontColor();
    const ColorFrame drawn = BuildColorFrame(frame);
    pnlColor->setPicture(drawn.image);
    alphaold = drawn.alphaOld;
    showContrast();
}

void ColorFrameArea::redrawFrame()
{
    UpdatePanel(pnlColor->Color(), lastAlpha, lastAlphaMode);
}

namespace {

// The highest WCAG 2 level a ratio reaches, for normal and for large text.
QString LevelText(const ContrastVerdict &verdict)
{
    if (verdict.aaaNormal)
        return QStringLiteral("AAA");
    if (verdict.aaNormal)
        return QStringLiteral("AA, AAA large");
    if (verdict.aaLarge)
        return QStringLiteral("AA large");
    return QStringLiteral("Fail");
}

QString PassText(bool passes)
{
    return passes ? QStringLiteral("pass") : QStringLiteral("fail");
}

// Text in `text` over the colour at its alpha.
QString ContrastLine(const QString &against, TranslucentColor color, TColor text)
{
    const double ratio = TextContrast({text, 255}, color);
    const ContrastVerdict verdict = JudgeContrast(ratio);
    return QStringLiteral("%1: %2 (normal text AA %3, AAA %4; large text AA %5, AAA %6)")
        .arg(against, QString::fromStdString(ContrastRatioText(ratio)), PassText(verdict.aaNormal),
             PassText(verdict.aaaNormal), PassText(verdict.aaLarge), PassText(verdict.aaaLarge));
}

} // namespace

void ColorFrameArea::showContrast()
{
    // The colour is the background of its text, at its alpha: translucent, it
    // is measured laid over white, and the frame says so.
    const TranslucentColor color{ColorToRGB(pnlColor->Color()), lastAlpha};
    const TColor text = ColorToRGB(pnlColor->FontColor());
    const double ratio = TextContrast({text, 255}, color);
    const QString ratioText = QString::fromStdString(ContrastRatioText(ratio));
    const QString oneLine = ratioText + QLatin1Char(' ') + LevelText(JudgeContrast(ratio));
    // The frame is narrow: a verdict that does not fit beside the ratio goes
    // on a line of its own, above the frame's bottom edge as one line sits.
    constexpr int Left = 2;
    constexpr int Width = 92;
    constexpr int Bottom = 104;
    const QFontMetrics metrics(lblContrast->font());
    const bool fits = metrics.horizontalAdvance(oneLine) <= Width;
    QString shown = fits ? oneLine : ratioText + QLatin1Char('\n') + LevelText(JudgeContrast(ratio));
    const QString note = QString::fromStdString(ContrastNote(255, color.alpha));
    if (!note.isEmpty())
        shown += QStringLiteral("\nover white");
    const int height = 18 + metrics.lineSpacing() * static_cast<int>(shown.count(QLatin1Char('\n')));
    lblContrast->setGeometry(Left, Bottom - height, Width, height);
    lblContrast->setText(shown);
    // In the frame's text colour; a palette, not a style sheet, whose engine
    // would be set up at start for this one label.
    QPalette textColor = lblContrast->palette();
    textColor.setColor(QPalette::WindowText, ToQColor(text));
    lblContrast->setPalette(textColor);
    QString tip = QStringLiteral("WCAG 2 contrast of the color\n")
                  + ContrastLine(QStringLiteral("With the text color"), color, text) + QLatin1Char('\n')
                  + ContrastLine(QStringLiteral("With white"), color, clWhite) + QLatin1Char('\n')
                  + ContrastLine(QStringLiteral("With black"), color, clBlack);
    if (!note.isEmpty())
        tip += QLatin1Char('\n') + note;
    lblContrast->setToolTip(tip);
    // What the frame shows, for a screen reader: the colour and the line
    // below it.
    QString told = QStringLiteral("Color ") + QString::fromStdString(ColorToHTML(ColorToRGB(pnlColor->Color())));
    if (lastAlphaMode && lastAlpha < 255)
        told += QStringLiteral(", alpha %1").arg(lastAlpha);
    told += QStringLiteral(", contrast ") + QString(shown).replace(QLatin1Char('\n'), QLatin1Char(' '));
    pnlColor->setAccessibleDescription(told);
}

void ColorFrameArea::SwapColorandTextColor1Click()
{
    const TColor color = ColorToRGB(pnlColor->Color());
    const TColor text = ColorToRGB(pnlColor->FontColor());
    setTextColor(color);
    emit colorSwapped(text);
}

void ColorFrameArea::setTextColor(TColor color)
{
    pnlColor->setFontColor(color);
    redrawFrame();
}

void ColorFrameArea::invertTextColor()
{
    pnlColor->setFontColor(InverseColor(pnlColor->FontColor()));
    showContrast();
}

void ColorFrameArea::setTextcolortoWhite1Click()
{
    setTextColor(clWhite);
}

void ColorFrameArea::setTextcolortoBlack1Click()
{
    setTextColor(clBlack);
}

void ColorFrameArea::setTextColortoContrastColor1Click()
{
    setTextColor(ContrastColor(pnlColor->Color()));
}

void ColorFrameArea::setTextcolortotheinverseoftheBGcolor1Click()
{
    setTextColor(InverseColor(pnlColor->Color()));
}

void ColorFrameArea::UseTextClick(QAction *sender)
{
    // The main menu's item holds the setting; the frame's item mirrors it.
    // A checkable item has already toggled itself when its handler runs.
    const bool shown = sender == UseText ? UseText->isChecked() : !UseText->isChecked();
    UseText->setChecked(shown);
    UseTextinColorFrame1->setChecked(shown);
    emit useTextChanged(shown);
    pnlColor->setCaption(shown ? DefaultCaption : QString());
    redrawFrame();
}

void ColorFrameArea::ChangeText1Click()
{
    pnlColor->setCaption(dialogs.askText(window, QStringLiteral("Pigmentrix"),
                                         QStringLiteral("Please type your display text"), pnlColor->Caption()));
    redrawFrame();
}

void ColorFrameArea::ChangeFont1Click()
{
    QFont font = pnlColor->TextFont();
    if (const std::optional<QFont> chosen = dialogs.chooseFont(window, font))
        pnlColor->setTextFont(*chosen);
    redrawFrame();
}

} // namespace pigmentrix
