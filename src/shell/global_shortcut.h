#pragma once

#include <QKeySequence>
#include <QObject>
#include <QString>

#include <memory>

namespace pigmentrix {

// How a request for a key combination of the whole desktop ended.
struct ShortcutBinding {
    enum class Result {
        Bound, // in force (an empty combination: none in force)
        Taken, // another program holds it; the one before stays in force
        Failed, // the desktop refused or did not answer; described in message
    };
    Result result = Result::Bound;
    // The combination as the desktop shows it, where it says (it may have
    // chosen another).
    QString trigger;
    QString message;
};

} // namespace pigmentrix

Q_DECLARE_METATYPE(pigmentrix::ShortcutBinding)

namespace pigmentrix {

// A key combination of the whole desktop whose press starts a pick, in
// whatever way this session offers one.
class GlobalShortcut : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // Whether this session can bind a combination at all; where it cannot,
    // instructions() says how to bind "pigmentrix /pick" in the desktop's
    // own settings.
    virtual bool available() const = 0;
    // Asks for keys (empty: none); bound() follows, at once or later.
    virtual void bind(const QKeySequence &keys) = 0;

signals:
    void bound(const ShortcutBinding &binding);
    void activated();
};

// The session's own: the X server's key grabs on X11, the desktop portal's
// GlobalShortcuts on Wayland where the portal has them, else none.
std::unique_ptr<GlobalShortcut> CreateGlobalShortcut(QObject *parent);

// How to bind "pigmentrix /pick" in this desktop's keyboard settings.
QString DesktopShortcutInstructions();

} // namespace pigmentrix
