#pragma once

#include <QAbstractNativeEventFilter>
#include <QByteArray>
#include <QObject>

#include <cstdint>
#include <memory>
#include <vector>

struct xcb_connection_t;

namespace pigmentrix {

// The ICC profiles the desktop's colour daemon publishes on the X server's
// root window: _ICC_PROFILE for the first monitor, _ICC_PROFILE_1, ... for
// the others in Xinerama order. Read over Qt's own connection, whose events
// tell when one of them is set, changed or removed.
class X11IccProfiles final : public QObject, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    // nullptr where the program does not run on an X server.
    static std::unique_ptr<X11IccProfiles> open();
    ~X11IccProfiles() override;

    // The monitor's profile as published; empty where none is.
    QByteArray read(int monitor);

    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

signals:
    void changed();

private:
    X11IccProfiles(xcb_connection_t *connection, std::uint32_t root);
    std::uint32_t atomOf(int monitor);

    xcb_connection_t *connection;
    std::uint32_t root;
    // The properties' atoms, by monitor, as far as asked for.
    std::vector<std::uint32_t> atoms;
};

} // namespace pigmentrix
