// The colour code box: the current colour as a code in the chosen notation,
// copying it, and reading a typed code back.
#include "picker/color_code_box.h"

#include "model/css_color.h"
#include "model/integer_text.h"
#include "picker/color_pipeline.h"
#include "ui/accessibility.h"
#include "ui/bound_controls.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/full_text_popup.h"
#include "ui/group_break_delegate.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"
#include "ui/window_geometry.h"

#include <QAbstractItemView>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace pigmentrix {
namespace {

struct NotationItem {
    const char *name;
    const char *caption;
    QKeyCombination shortcut;
};

// Menu captions differ from the notation list in two places ("CMYK Values",
// "Photoshop Values").
const NotationItem NotationItems[NotationCount] = {
    {"HTMLHex1", "HTML Hex", Qt::CTRL | Qt::Key_H},
    {"DelphiHex1", "Delphi Hex", Qt::CTRL | Qt::Key_D},
    {"VBHex1", "VB Hex", {}},
    {"CHex1", "C++ Hex", {}},
    {"RGBValues1", "RGB Values", Qt::CTRL | Qt::Key_R},
    {"RGBValues2", "RGB %Values", {}},
    {"HSL1", "HSL", {}},
    {"HSVHSB1", "HSV (HSB)", {}},
    {"CMY1", "CMY", {}},
    {"CMYKValues1", "CMYK Values", Qt::CTRL | Qt::Key_K},
    {"PhotoshopValues1", "Photoshop Values", Qt::CTRL | Qt::Key_P},
    {"Powerbuilder1", "Powerbuilder", {}},
    {"AndroidTransparent1", "Android Transparent", {}},
    {"CSSRGBA1", "CSS RGBA", {}},
    {"RGB5651", "RGB565", {}},
    {"CSSColor1", "CSS Color", {}},
    {"CSShsl1", "CSS hsl()", {}},
    {"CSShwb1", "CSS hwb()", {}},
    {"CSSlab1", "CSS lab()", {}},
    {"CSSlch1", "CSS lch()", {}},
    {"CSSoklab1", "CSS oklab()", {}},
    {"CSSoklch1", "CSS oklch()", {}},
};

// The caption of a notation in the list: the CSS functions by their own
// name ("oklch()"), short enough for the closed list to show whole; the menu
// keeps the full names.
QString ListCaption(std::string_view name)
{
    const QString caption = QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    if (caption.startsWith(QLatin1String("CSS ")) && caption.endsWith(QLatin1String("()")))
        return caption.mid(4);
    return caption;
}

} // namespace

ColorCodeBox::ColorCodeBox(QWidget *window, ColorPipeline &pipeline, PickerDialogs &dialogs, const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , pipeline(pipeline)
    , dialogs(dialogs)
    , guard(guard)
{
    setObjectName(QStringLiteral("colorCodeBox"));
    pnlColorCode = MakePanel(window, "pnlColorCode", ToQRect(design::ColorCodePanel));
    cbxDisplay = new QComboBox(pnlColorCode);
    cbxDisplay->setObjectName(QStringLiteral("cbxDisplay"));
    // Named before it has items: a screen reader keeps the name it first hears.
    NameControl(cbxDisplay, QStringLiteral("Notation"));
    cbxDisplay->setGeometry(4, 3, 88, 23);
    for (std::string_view name : NotationNames) {
        cbxDisplay->addItem(ListCaption(name));
        cbxDisplay->setItemData(cbxDisplay->count() - 1, QString::fromUtf8(name.data(), static_cast<int>(name.size())),
                                Qt::ToolTipRole);
    }
    cbxDisplay->setCurrentIndex(-1);
    // The user's formats come after a line.
    cbxDisplay->view()->setItemDelegate(
        new GroupBreakDelegate(cbxDisplay->view()->itemDelegate(), NotationCount, cbxDisplay));
    fitDropDown();

    edtColor = new QLineEdit(pnlColorCode);
    edtColor->setObjectName(QStringLiteral("edtColor"));
    edtColor->setGeometry(4, 29, 88, 23);
    // A code of any length is read (and refused) whole, never cut short.
    edtColor->setMaxLength(std::numeric_limits<int>::max());
    btnCopy = MakeButton(pnlColorCode, "btnCopy", QStringLiteral("Copy"),
                         QStringLiteral("Copy Color String to Clipboard"), QRect(4, 55, 42, 23));
    btnSet = MakeButton(pnlColorCode, "btnSet", QStringLiteral("Set"), QStringLiteral("Set Color to Color String"),
                        QRect(49, 55, 42, 23));
    SetTabChain({cbxDisplay, edtColor, btnCopy, btnSet});
    NameControl(edtColor, QStringLiteral("Color code"));
    edtColor->setAccessibleDescription(
        QStringLiteral("The color as a code in the chosen notation; a code typed here and Enter set the color"));
    new FullTextPopup(edtColor, window, "lblFullColorCode");

    guard.connect(btnCopy, &QAbstractButton::clicked, this, [this] { btnCopyClick(); });
    guard.connect(btnSet, &QAbstractButton::clicked, this, [this] { btnSetClick(); });
    guard.connect(cbxDisplay, &QComboBox::activated, this, [this] { cbxDisplayChange(); });
    guard.connect(edtColor, &QLineEdit::textEdited, this, [this](const QString &text) { keepFirstLine(text); });
    edtColor->installEventFilter(this);
}

// Every notation shows without scrolling, and the drop-down is wider than the
// box so that every name fits whole.
void ColorCodeBox::fitDropDown()
{
    cbxDisplay->setMaxVisibleItems(cbxDisplay->count());
    int widest = 0;
    for (int i = 0; i < cbxDisplay->count(); ++i)
        widest = std::max(widest, cbxDisplay->view()->fontMetrics().horizontalAdvance(cbxDisplay->itemText(i)));
    cbxDisplay->view()->setMinimumWidth(std::max(qRound(cbxDisplay->width() * 1.4), widest + 24));
}

void ColorCodeBox::addNotationMenu(QMenu *menu)
{
    colorDisplay = AddSubmenu(menu, QStringLiteral("Colordisplay1"), QStringLiteral("Color Code Display"));
    for (int notation = 0; notation < NotationCount; ++notation) {
        if (notation == notation::CSSColor)
            AddSeparator(colorDisplay, QStringLiteral("NCssNotations"));
        const NotationItem &item = NotationItems[notation];
        // A row without a key holds the default, Qt::Key_unknown.
        const QKeySequence shortcut =
            item.shortcut.key() != Qt::Key_unknown ? QKeySequence(item.shortcut) : QKeySequence();
        QAction *action =
            AddItem(colorDisplay, QString::fromLatin1(item.name), QString::fromLatin1(item.caption), shortcut);
        action->setData(notation);
        guard.connect(action, &QAction::triggered, this, [this, notation] { HTMLHex1Click(notation); });
        colorDisplayItems[static_cast<std::size_t>(notation)] = action;
    }
    NCustomFormats = AddSeparator(colorDisplay, QStringLiteral("NCustomFormats"));
    CustomFormats1 = AddItem(colorDisplay, QStringLiteral("CustomFormats1"), QStringLiteral("Custom Formats..."));
    guard.connect(CustomFormats1, &QAction::triggered, this, [this] { CustomFormats1Click(); });
    // Where a user looks for it too: the notation list's own menu.
    cbxDisplay->setContextMenuPolicy(Qt::ActionsContextMenu);
    cbxDisplay->addAction(CustomFormats1);
    addCustomItems();
}

void ColorCodeBox::addCaseItem(QMenu *menu)
{
    UpperCaseColorCodes1 = AddCheckItem(menu, QStringLiteral("UpperCaseColorCodes1"),
                                        QStringLiteral("Uppercase Color Codes"), UseUpperCase);
    guard.connect(UpperCaseColorCodes1, &QAction::triggered, this, [this] { UpperCaseColorCodes1Click(); });
}

void ColorCodeBox::setUpperCase(bool upper)
{
    UseUpperCase = upper;
    UpperCaseColorCodes1->setChecked(upper);
}

std::vector<PropertyBinding> ColorCodeBox::storedProperties()
{
    return {ItemIndexRow("cbxDisplay_ItemIndex", cbxDisplay)};
}

bool ColorCodeBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == edtColor && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
            guard.run([this] { btnSetClick(); });
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

// A pasted code with a line break after it keeps its first line only, as a
// one-line box should.
void ColorCodeBox::keepFirstLine(const QString &text)
{
    const qsizetype lineEnd = text.indexOf(QRegularExpression(QStringLiteral("[\\r\\n]")));
    if (lineEnd >= 0)
        edtColor->setText(text.left(lineEnd));
}

QString ColorCodeBox::getcolorstring(TColor mcolor) const
{
    if (const CodeTemplate *custom = chosenTemplate())
        return QString::fromStdString(custom->Render(mcolor, pipeline.alpha(), UseUpperCase));
    return QString::fromStdString(FormatColorCode(mcolor, cbxDisplay->currentIndex(), pipeline.alpha(), UseUpperCase));
}

ParsedColorCode ColorCodeBox::translatecolor(const QString &cColor) const
{
    // A custom format only writes; any CSS colour is read back.
    if (chosenTemplate()) {
        const CssColor css = ReadCssColor(cColor.toStdString());
        return {css.color, css.alpha};
    }
    return ParseColorCode(cColor.toStdString(), cbxDisplay->currentIndex());
}

void ColorCodeBox::showCode(TColor color)
{
    edtColor->setText(getcolorstring(color));
    // The CSS codes are longer than the box is wide: the box shows their
    // beginning, which names the notation, and the pop-up under it and the
    // tip show them whole.
    edtColor->setCursorPosition(0);
    edtColor->setToolTip(edtColor->text());
}

void ColorCodeBox::copyCode()
{
    // Nothing to copy (no notation chosen, or the box emptied) leaves what the
    // clipboard holds.
    if (cbxDisplay->currentIndex() == notation::None || edtColor->text().isEmpty())
        return;
    edtColor->selectAll();
    QGuiApplication::clipboard()->setText(edtColor->selectedText());
}

void ColorCodeBox::focusCopyButton()
{
    btnCopy->setFocus();
}

bool ColorCodeBox::stepByWheel(QWidget *target, bool up)
{
    if (target != edtColor)
        return false;
    StepNumberBox(edtColor, up);
    return true;
}

void ColorCodeBox::btnSetClick()
{
    if (cbxDisplay->currentIndex() == notation::None) {
        dialogs.showMessage(window, QStringLiteral("Choose a notation in the list above the code box first: "
                                                   "the code is read in the notation chosen there."));
        return;
    }
    try {
        const ParsedColorCode parsed = translatecolor(edtColor->text());
        pipeline.changeColor(parsed.color, parsed.alpha);
    } catch (const ConvertError &) {
        dialogs.showMessage(window, QStringLiteral("Unable to convert color values."));
    }
}

void ColorCodeBox::btnCopyClick()
{
    copyCode();
}

void ColorCodeBox::cbxDisplayChange()
{
    showCode(pipeline.color());
    emit notationChanged();
}

void ColorCodeBox::HTMLHex1Click(int notation)
{
    const QSignalBlocker quiet(cbxDisplay);
    cbxDisplay->setCurrentIndex(notation);
    cbxDisplayChange();
}

void ColorCodeBox::UpperCaseColorCodes1Click()
{
    UseUpperCase = UpperCaseColorCodes1->isChecked();
    // Converting a custom code would change the user's own literal text:
    // it is written again, with the case applied to {hex} alone.
    if (chosenTemplate())
        showCode(pipeline.color());
    else
        edtColor->setText(UseUpperCase ? QString::fromStdString(UpperCaseHexDigits(edtColor->text().toStdString()))
                                       : edtColor->text().toLower());
}

} // namespace pigmentrix
