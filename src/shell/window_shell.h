#pragma once

#include "shell/autostart.h"
#include "shell/window_layout.h"
#include "storage/property_bindings.h"

#include <QElapsedTimer>
#include <QObject>
#include <QPoint>

#include <memory>
#include <vector>

class QAction;
class QCloseEvent;
class QEvent;
class QMenu;
class QMouseEvent;
class QSystemTrayIcon;
class QToolButton;
class QWidget;

namespace pigmentrix {

class ErrorGuard;

// The window as a desktop citizen: layouts, title bar, always on top, moving
// by the body, the notification-area icon, closing and autostart.
class WindowShell : public QObject {
    Q_OBJECT

public:
    WindowShell(QWidget *window, const ErrorGuard &guard);
    ~WindowShell() override;

    // The main menu the options button and the tray icon open.
    void setMainMenu(QMenu *menu);
    // "Always on Top", "Show/Hide Title Bar" and "Change Layout".
    void addWindowModeItems(QMenu *menu);
    // "Stay in System Tray" and "Run on Startup".
    void addTrayItems(QMenu *menu);
    void addExitItem(QMenu *menu);
    std::vector<PropertyBinding> storedProperties();

    // The stored layout and title bar, while the window is created.
    void applyStoredLayout(Layout layout, bool showTitle);
    Layout layout() const { return oLayout; }
    bool titleShown() const { return showtitle; }
    // Closing ends the program instead of hiding it.
    bool allowClose() const { return AllowClose; }
    // "/allowclose" or "/notray": closing ends the program for the whole run.
    void setAllowCloseOption();
    // Whether a hidden window can be brought back from the notification area.
    bool trayUsable() const;
    void setTrayActive(bool active);
    // When the window is shown: the tray tick and "Always on Top" take effect.
    void windowShown();

    void ChangeLayout(Layout mLayout);

    // The window's own events, handed on by it.
    void closeEvent(QCloseEvent *event);
    void changeEvent(QEvent *event);
    bool mousePressEvent(QMouseEvent *event);
    bool mouseMoveEvent(QMouseEvent *event);
    bool mouseReleaseEvent(QMouseEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

signals:
    // The layout moved and resized the panels; nudge moves the labelled rows.
    void layoutApplied(const LayoutGeometry &geometry, int nudge);
    // A layout was chosen from the menu: the colour becomes opaque.
    void layoutChosen();
    // An accepted close, before the program quits.
    void closeAccepted();

private:
    void Small1Click(Layout layout);
    void HideTitlebar();
    void ShowTitlebar();
    void ShowHideTitlebar1Click();
    void SetStayOnTop(bool OnTop);
    void AlwaysonTop1Click();
    void btnOptionsClick();
    void btnCloseClick();
    void Exit1Click();
    void StayinSystemTray1Click();
    void RunonStartup1Click();
    void JvTrayIcon1Click();
    void HideApplication();
    void ShowApplication();

    void buildBottomButtons();
    void recordLayout();
    void applyWindowSize();
    void setWindowFlagInPlace(Qt::WindowType flag, bool on);

    QWidget *window;
    const ErrorGuard &guard;
    AutostartEntry autostart{XdgConfigHome()};
    bool AllowClose = false;
    bool allowCloseOption = false;
    bool showtitle = true;
    bool captionShown = true;
    Layout oLayout = Layout::Large;
    LayoutGeometry layoutGeometry;
    LayoutRecord layoutRecord;
    LayoutState layoutState;
    QMenu *pupMain = nullptr;
    // A press on the body that may become a move.
    Qt::MouseButton dragButton = Qt::NoButton;
    QPoint dragStart;
    QPoint dragOrigin;

    QWidget *pnlButtonsBottom = nullptr;
    QToolButton *btnOptions2 = nullptr;
    QToolButton *btnClose = nullptr;
    QAction *AlwaysonTop1 = nullptr;
    QAction *ShowHideTitlebar1 = nullptr;
    QAction *Small1 = nullptr;
    QAction *Medium1 = nullptr;
    QAction *Large1 = nullptr;
    QAction *StayinSystemTray1 = nullptr;
    QAction *RunonStartup1 = nullptr;
    QAction *Exit1 = nullptr;
    // The notification-area icon; none with "/notray".
    QSystemTrayIcon *JvTrayIcon1 = nullptr;
    // The clicks of a double click on the icon count as one.
    QElapsedTimer lastTrayClick;
};

} // namespace pigmentrix
