// Undo and redo of the current colour, and the quick actions Invert, Random
// and Dialog.
#include "picker/history_actions.h"

#include "model/conversions.h"
#include "picker/color_pipeline.h"
#include "shell/window_layout.h"
#include "ui/accessibility.h"
#include "ui/artwork.h"
#include "ui/control_factory.h"
#include "ui/error_guard.h"
#include "ui/menu_items.h"
#include "ui/picker_dialogs.h"
#include "ui/window_geometry.h"

#include <QAction>
#include <QGuiApplication>
#include <QIcon>
#include <QPushButton>
#include <QToolButton>

#include <chrono>

namespace pigmentrix {

HistoryActions::HistoryActions(QWidget *window, ColorPipeline &pipeline, PickerDialogs &dialogs,
                               const ErrorGuard &guard)
    : QObject(window)
    , window(window)
    , pipeline(pipeline)
    , dialogs(dialogs)
    , random(static_cast<std::mt19937::result_type>(std::chrono::steady_clock::now().time_since_epoch().count()))
    , guard(guard)
{
    setObjectName(QStringLiteral("historyActions"));
    pnlButtons = MakePanel(window, "pnlButtons", ToQRect(design::ButtonsPanel));
    btnInvert = MakeButton(pnlButtons, "btnInvert", QStringLiteral("Invert"), QStringLiteral("Invert Color"),
                           QRect(4, 4, 57, 23));
    btnRandom = MakeButton(pnlButtons, "btnRandom", QStringLiteral("Random"), QStringLiteral("Pick Random Color"),
                           QRect(4, 29, 57, 23));
    btnDialog = MakeButton(pnlButtons, "btnDialog", QStringLiteral("Dialog"), QStringLiteral("Show Color Dialog"),
                           QRect(4, 54, 57, 23));

    const auto makeHistoryButton = [this](const char *name, const char *icon, const QString &hint, int left) {
        auto *button = new QToolButton(pnlButtons);
        button->setObjectName(QString::fromLatin1(name));
        button->setIcon(ArtworkIcon(QString::fromLatin1(icon)));
        button->setToolTip(hint);
        button->setAutoRaise(true);
        button->setGeometry(left, 79, 27, 23);
        button->setEnabled(false);
        return button;
    };
    btnUndo = makeHistoryButton("btnUndo", "undo", QStringLiteral("Undo Color Change"), 4);
    btnRedo = makeHistoryButton("btnRedo", "redo", QStringLiteral("Redo Color Change"), 34);
    NameControl(btnUndo, QStringLiteral("Undo"));
    NameControl(btnRedo, QStringLiteral("Redo"));

    guard.connect(btnInvert, &QAbstractButton::clicked, this, [this] { btnInvertClick(); });
    guard.connect(btnRandom, &QAbstractButton::clicked, this, [this] { btnRandomClick(); });
    guard.connect(btnDialog, &QAbstractButton::clicked, this, [this] { btnDialogClick(); });
    guard.connect(btnUndo, &QAbstractButton::clicked, this, [this] { UndoColorChange1Click(); });
    guard.connect(btnRedo, &QAbstractButton::clicked, this, [this] { RedoColorchange1Click(); });
    guard.connect(&pipeline, &ColorPipeline::historyChanged, this, [this] { updateHistoryButtons(); });
}

void HistoryActions::addMenuItems(QMenu *menu)
{
    UndoColorChange1 = AddItem(menu, QStringLiteral("UndoColorChange1"), QStringLiteral("Undo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::Key_Z));
    guard.connect(UndoColorChange1, &QAction::triggered, this, [this] { UndoColorChange1Click(); });
    RedoColorchange1 = AddItem(menu, QStringLiteral("RedoColorchange1"), QStringLiteral("Redo Color Change"),
                               QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_Z));
    guard.connect(RedoColorchange1, &QAction::triggered, this, [this] { RedoColorchange1Click(); });
}

void HistoryActions::applyLayout(const LayoutGeometry &geometry)
{
    pnlButtons->setGeometry(ToQRect(geometry.buttons));
    pnlButtons->setVisible(geometry.buttonsVisible);
}

int HistoryActions::undoButtonWidth() const
{
    return btnUndo->width();
}

const ColorHistory &HistoryActions::history() const
{
    return pipeline.history();
}

void HistoryActions::updateHistoryButtons()
{
    btnUndo->setEnabled(history().canUndo());
    btnRedo->setEnabled(history().canRedo());
}

void HistoryActions::UndoColorChange1Click()
{
    pipeline.undo();
}

void HistoryActions::RedoColorchange1Click()
{
    pipeline.redo();
}

void HistoryActions::btnInvertClick()
{
    if (QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier))
        emit textColorInverted();
    pipeline.changeColor(InverseColor(pipeline.color()));
}

void HistoryActions::btnRandomClick()
{
    std::uniform_int_distribution<int> channel(0, 254);
    const int red = channel(random);
    const int green = channel(random);
    const int blue = channel(random);
    pipeline.changeColor(ComposeColor(red, green, blue));
}

void HistoryActions::btnDialogClick()
{
    const std::optional<TColor> chosen = dialogs.chooseColor(window, pipeline.color());
    if (chosen)
        pipeline.changeColor(*chosen);
}

} // namespace pigmentrix
