// The composition root: the areas are created in the window's reading order,
// the main menu is assembled from their items, and their requests are wired
// to the pipeline and to each other.
#include "picker/color_pick_window.h"

#include "displays/color_frame_area.h"
#include "displays/hsv_picture_area.h"
#include "displays/named_color_area.h"
#include "picker/app_version.h"
#include "picker/channel_editors.h"
#include "picker/channel_rules.h"
#include "picker/color_code_box.h"
#include "picker/color_pipeline.h"
#include "picker/history_actions.h"
#include "picker/palette_area.h"
#include "picker/window_settings.h"
#include "sampling/grab_controller.h"
#include "sampling/grab_sessions.h"
#include "shell/pick_shortcut.h"
#include "shell/window_shell.h"
#include "storage/picker_settings.h"
#include "storage/settings_store.h"
#include "ui/accessibility.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/focus_mark.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"
#include "ui/reading_order.h"
#include "ui/window_geometry.h"
#include "update/update_commands.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QMenu>
#include <QWheelEvent>

namespace pigmentrix {
namespace {

constexpr QRgb WindowBackground = qRgb(0x67, 0x67, 0x67);

} // namespace

TfrmColorPick::TfrmColorPick(const PickerSettings &settings, PickerDialogs &dialogs, QWidget *parent)
    : TfrmColorPick(nullptr, settings, dialogs, parent)
{
}

TfrmColorPick::TfrmColorPick(SettingsStore &store, PickerDialogs &dialogs, QWidget *parent)
    : TfrmColorPick(&store, ReadPickerSettings(store), dialogs, parent)
{
}

TfrmColorPick::TfrmColorPick(SettingsStore *store, const PickerSettings &stored, PickerDialogs &dialogs,
                             QWidget *parent)
    // A fixed size: a title, the system menu and the close box, no minimise
    // or maximise box. (Customising the hints would forbid hiding the title
    // bar.)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , dialogs(dialogs)
    , guard(std::make_unique<ErrorGuard>([this](const QString &message) { this->dialogs.showError(this, message); },
                                         [this] {
                                             if (settings)
                                                 settings->changed();
                                         }))
    , programVersion(QString::fromStdString(GetAppVersion()))
{
    setObjectName(QStringLiteral("frmColorPick"));
    setFixedSize(design::ClientSize());
    FillBackground(this, QColor(WindowBackground));
    // The window is a fixed, compact design at a 12-pixel text height: its
    // own face where it is installed, else the desktop's. (Listing faces
    // would not do: the font matcher stands in a wide face for the first.)
    // The installed families are asked, not the font matcher, whose alias
    // rules take a millisecond of the start to run.
    QFont windowFont = font();
    if (QFontDatabase::families().contains(QStringLiteral("Segoe UI"), Qt::CaseInsensitive))
        windowFont.setFamily(QStringLiteral("Segoe UI"));
    windowFont.setPixelSize(12);
    setFont(windowFont);

    InstallAccessibleMenus();
    settings = new WindowSettings(this, store, dialogs, *guard);
    createAreas();
    // Tab runs panel by panel in reading order; the ring shows where it is.
    ChainInReadingOrder(this);
    new FocusMark(this);
    buildMainMenu();
    wireAreas();
    wirePicks();
    settings->watch({*pipeline, *editors, *codes, *frame, *picture, *namedColors, *palette, *grab, *shell, *updates,
                     *pickShortcut});
    qApp->installEventFilter(this);
    FormCreate(stored);
    settings->takeFirstValues();
}

TfrmColorPick::~TfrmColorPick()
{
    settings->saveClosing(false, false);
    // The controls go while the areas and the guard they report to still
    // exist: a control that goes can still move the focus and run a handler.
    const QList<QWidget *> controls = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    qDeleteAll(controls);
}

void TfrmColorPick::createAreas()
{
    frame = new ColorFrameArea(this, settings->store(), dialogs, *guard);
    pipeline = new ColorPipeline(this);
    editors = new ChannelEditors(this, *pipeline, *guard);
    history = new HistoryActions(this, *pipeline, dialogs, *guard);
    codes = new ColorCodeBox(this, *pipeline, dialogs, *guard);
    picture = new HsvPictureArea(
        this,
        [this] {
            return HsvPosition{editors->hueSlider(), editors->saturationSlider(), editors->valueSlider()};
        },
        *guard);
    grab = new GrabController(this, dialogs, *guard, CreateGrabSessions());
    shell = new WindowShell(this, *guard);
    namedColors = new NamedColorArea(
        this, [this] { return editors->rgbSliders(); }, [this] { return editors->rgbBoxes(); },
        [this] { return history->undoButtonWidth(); }, *guard);
    palette = new PaletteArea(
        this, *pipeline, *codes, [this] { return namedColors->namedColorEntries(); }, dialogs, *guard);
    updates = new UpdateCommands(this, programVersion, dialogs, *guard);
    pickShortcut = new PickShortcut(this, settings->store(), *guard);
}

void TfrmColorPick::buildMainMenu()
{
    pupMain = new QMenu(this);
    pupMain->setObjectName(QStringLiteral("pupMain"));
    shell->setMainMenu(pupMain);
    shell->addWindowModeItems(pupMain);
    editors->addMenuItems(pupMain);
    AddSeparator(pupMain, QStringLiteral("N4"));
    grab->addZoomMenu(pupMain);
    codes->addNotationMenu(pupMain);
    codes->addCaseItem(pupMain);
    grab->addAveragingMenu(pupMain);
    frame->addTextDisplayMenu(pupMain);
    grab->addAutoCopyItem(pupMain);
    grab->addFreezeItem(pupMain);
    grab->addScreenColorsMenu(pupMain);
    pickShortcut->addMenuItem(pupMain);
    picture->addMenu(pupMain);
    AddSeparator(pupMain, QStringLiteral("N3"));
    history->addMenuItems(pupMain);
    AddSeparator(pupMain, QStringLiteral("N11"));
    namedColors->addMenu(pupMain);
    AddSeparator(pupMain, QStringLiteral("N7"));
    shell->addTrayItems(pupMain);
    updates->addMenuItems(pupMain);
    AddSeparator(pupMain, QStringLiteral("N6"));
    shell->addExitItem(pupMain);

    // The main menu's shortcuts work anywhere in the window.
    const auto addShortcuts = [this](auto &&self, QMenu *menu) -> void {
        for (QAction *action : menu->actions()) {
            if (action->menu())
                self(self, action->menu());
            else if (!action->shortcut().isEmpty())
                addAction(action);
        }
    };
    addShortcuts(addShortcuts, pupMain);
}

void TfrmColorPick::wireAreas()
{
    const ErrorGuard &g = *guard;
    g.connect(pipeline, &ColorPipeline::frameChanged, this,
              [this](const FrameColor &shown) { frame->UpdatePanel(shown.color, shown.alpha, shown.alphaMode); });
    // The editors first: the picture is built for the hue and value their
    // sliders then hold.
    g.connect(pipeline, &ColorPipeline::valuesShown, this, [this](const ShownColor &shown) {
        editors->showValues(shown);
        namedColors->updateNamedColorSelection(shown.color);
        picture->valuesShown(editors->hueSlider(), editors->valueSlider());
        codes->showCode(shown.color);
    });

    g.connect(history, &HistoryActions::textColorInverted, this, [this] { frame->invertTextColor(); });
    g.connect(codes, &ColorCodeBox::notationChanged, this, [this] { palette->rebuildPaletteHints(); });
    g.connect(frame, &ColorFrameArea::useTextChanged, this,
              [this](bool useText) { palette->setTextColorItemEnabled(useText); });
    g.connect(palette, &PaletteArea::textColorChosen, this, [this](TColor color) { frame->setTextColor(color); });
    g.connect(frame, &ColorFrameArea::colorSwapped, this, [this](TColor color) { pipeline->changeColor(color); });

    g.connect(picture, &HsvPictureArea::pickStarted, this, [this] { pipeline->startChange(picture); });
    g.connect(picture, &HsvPictureArea::picked, this,
              [this](const PicturePick &pick) { pipeline->pickFromPicture(pick, picture); });
    g.connect(picture, &HsvPictureArea::pickFinished, this, [this] { pipeline->finishChange(picture); });
    g.connect(namedColors, &NamedColorArea::colorChosen, this, [this](TColor color) { pipeline->changeColor(color); });

    g.connect(grab, &GrabController::grabStarted, this, [this] {
        pipeline->startChange(grab);
        pipeline->holdChanges();
        palette->setHintsShown(false);
    });
    g.connect(grab, &GrabController::colorGrabbed, this, [this](TColor color) { pipeline->takeColor(color, grab); });
    g.connect(grab, &GrabController::grabEnded, this, [this] {
        pipeline->enablechanges();
        palette->setHintsShown(true);
    });
    g.connect(grab, &GrabController::grabCancelled, this, [this] { pipeline->cancelChange(grab); });
    g.connect(grab, &GrabController::copyRequested, this, [this] { codes->copyCode(); });
    g.connect(grab, &GrabController::magnifierPickStarted, this, [this] { pipeline->startChange(grab); });
    g.connect(grab, &GrabController::magnifierPicked, this,
              [this](TColor color) { pipeline->pickFromMagnifier(color, grab); });
    g.connect(grab, &GrabController::magnifierPickFinished, this, [this] { pipeline->finishChange(grab); });

    g.connect(shell, &WindowShell::layoutApplied, this, [this](const LayoutGeometry &geometry, int nudge) {
        editors->applyLayout(geometry, nudge);
        history->applyLayout(geometry);
        grab->applyLayout(ToQRect(geometry.magnifier), ToQRect(geometry.magnifierArea), geometry.detailsVisible);
        palette->setVisible(geometry.paletteVisible);
        picture->applyLayout(ToQRect(geometry.circle), geometry.circleVisible,
                             QSize(geometry.wheelWidth, geometry.wheelHeight));
        // The panels moved: Tab follows them.
        ChainInReadingOrder(this);
    });
    g.connect(shell, &WindowShell::layoutChosen, this, [this] { editors->layoutChosen(); });
    g.connect(shell, &WindowShell::closeAccepted, this, [this] { FormClose(); });
}

void TfrmColorPick::FormCreate(const PickerSettings &stored)
{
    setWindowTitle(QStringLiteral("Pigmentrix ") + programVersion);
    codes->setUpperCase(stored.upperCase);
    editors->setAlphaMode(stored.alphaMode);
    picture->setDisplayMode(stored.displayMode);
    updates->setCheckOnStartup(stored.checkNewVersion);
    shell->applyStoredLayout(stored.layout, stored.showTitle);
    palette->showPaletteName(QString::fromStdString(stored.paletteName));
    settings->readCustomFormats();
    shell->setTrayActive(true);
}

TColor TfrmColorPick::currentColor() const
{
    return pipeline->color();
}

void TfrmColorPick::setPortableEdition(bool portable)
{
    updates->setPortableEdition(portable);
}

void TfrmColorPick::runWithoutTray()
{
    shell->setTrayActive(false);
    shell->setAllowCloseOption();
}

void TfrmColorPick::setAllowCloseOption()
{
    shell->setAllowCloseOption();
}

void TfrmColorPick::setVisible(bool visible)
{
    // The stored settings come back just before the first showing, and
    // before the window exists on the screen: a position given then is the
    // frame's, as it was stored, under any window manager.
    if (visible && !shownOnce && !settings->restored())
        settings->restore();
    QWidget::setVisible(visible);
}

void TfrmColorPick::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous()) {
        settings->centreIfAsked();
        FormShow();
    }
}

void TfrmColorPick::FormShow()
{
    shell->windowShown();
    // Rebuilds the named-colour list for the stored tick and order.
    namedColors->rebuildForShow();
    {
        const auto held = pipeline->disablechanges();
        pipeline->updatevalues(ChangeSource::Refresh);
    }
    grab->applyGrabOptions();
    if (!paramcolor.isEmpty())
        applyColorParameter();

    frame->syncTextItems();
    palette->rebuildPaletteHints();
    pipeline->redrawFrame();
    // Once a run: a window shown again (from the notification area, or
    // after a change of its frame) asks nothing more.
    if (!shownOnce && updates->checkOnStartup())
        updates->checkAfterStart();

    if (!shownOnce) {
        shownOnce = true;
        codes->focusCopyButton();
        // Once the window is on screen: damaged lines, a read-only file,
        // custom formats left out.
        const std::string notice = settings->startNotice();
        if (!notice.empty()) {
            QMetaObject::invokeMethod(
                this, [this, notice] { dialogs.showMessage(this, QString::fromStdString(notice)); },
                Qt::QueuedConnection);
            // Said once.
            settings->noticeTold();
        }
    }
}

void TfrmColorPick::FormClose()
{
    if (settings->closingSaved())
        return;
    settings->saveClosing(true, true);
    emit closing();
}

// Nobody is there to answer a message, and the session will not wait: what
// can be written is, failures go to the log, and every event loop ends at
// once, a message box's too.
void TfrmColorPick::endSession()
{
    if (!settings->closingSaved()) {
        settings->saveClosing(true, false);
        emit closing();
    }
    shell->setTrayActive(false);
    QCoreApplication::exit(0);
}

void TfrmColorPick::saveSettingsNow()
{
    settings->saveNow();
}

void TfrmColorPick::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    if (shownOnce)
        settings->windowMoved();
}

void TfrmColorPick::applyColorParameter()
{
    const std::optional<TColor> color = ParseColorParameter(paramcolor.toStdString());
    if (!color) {
        dialogs.showMessage(this, QStringLiteral("Incorrect Color Parameter Format"));
        return;
    }
    pipeline->applyColor(*color);
}

void TfrmColorPick::comeForward()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TfrmColorPick::closeEvent(QCloseEvent *event)
{
    shell->closeEvent(event);
}

void TfrmColorPick::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    // The window's own font and palette arrive before the areas exist.
    if (shell)
        shell->changeEvent(event);
}

void TfrmColorPick::mousePressEvent(QMouseEvent *event)
{
    if (!shell->mousePressEvent(event))
        QWidget::mousePressEvent(event);
}

void TfrmColorPick::mouseMoveEvent(QMouseEvent *event)
{
    if (!shell->mouseMoveEvent(event))
        QWidget::mouseMoveEvent(event);
}

void TfrmColorPick::mouseReleaseEvent(QMouseEvent *event)
{
    if (!shell->mouseReleaseEvent(event))
        QWidget::mouseReleaseEvent(event);
}

void TfrmColorPick::contextMenuEvent(QContextMenuEvent *event)
{
    pupMain->popup(event->globalPos());
}

bool TfrmColorPick::isMenuShortcut(const QKeyEvent &key) const
{
    const QKeySequence pressed(key.keyCombination());
    const QList<QAction *> keyed = actions();
    return std::any_of(keyed.begin(), keyed.end(),
                       [&](const QAction *action) { return action->isEnabled() && action->shortcut() == pressed; });
}

bool TfrmColorPick::eventFilter(QObject *watched, QEvent *event)
{
    // The wheel steps whatever control lies under the pointer, focused or not.
    if (event->type() == QEvent::Wheel) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && (widget == this || isAncestorOf(widget))) {
            FormMouseWheel(widget, static_cast<QWheelEvent *>(event)->angleDelta().y());
            return true;
        }
    }
    // The Menu key opens the focused control's menu, as a right click on it
    // does; so does Shift+F10 on a control with a menu of its own (elsewhere
    // it keeps its place in the main menu, "Zoom x 10").
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        auto *widget = qobject_cast<QWidget *>(watched);
        const auto *key = static_cast<QKeyEvent *>(event);
        if (widget && (widget == this || isAncestorOf(widget)) && widget->hasFocus() && IsContextMenuKey(*key)
            && (key->key() == Qt::Key_Menu || HasOwnMenu(widget))) {
            if (event->type() == QEvent::ShortcutOverride)
                event->accept();
            else
                OpenContextMenuByKey(widget);
            return true;
        }
    }
    // The window's menu keys win over an edit box's own (Ctrl+Z undoes the
    // colour, not the typing).
    if (event->type() == QEvent::ShortcutOverride) {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && isAncestorOf(widget) && isMenuShortcut(*static_cast<QKeyEvent *>(event)))
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void TfrmColorPick::FormMouseWheel(QWidget *target, int delta)
{
    const bool up = delta > 0;
    if (!namedColors->stepByWheel(target, up) && !editors->stepByWheel(target, up))
        codes->stepByWheel(target, up);
}

} // namespace pigmentrix
