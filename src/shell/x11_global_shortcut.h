#pragma once

#include "shell/global_shortcut.h"
#include "shell/shortcut_keys.h"

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <optional>

struct xcb_connection_t;

namespace pigmentrix {

// A key combination grabbed on the root window of the X display, in every
// variant of the lock keys (Caps Lock, Num Lock), so that it works whatever
// program has the focus.
class X11GlobalShortcut final : public GlobalShortcut, public QAbstractNativeEventFilter {
    Q_OBJECT

public:
    X11GlobalShortcut(xcb_connection_t *connection, QObject *parent = nullptr);
    ~X11GlobalShortcut() override;

    bool available() const override { return true; }
    void bind(const QKeySequence &keys) override;
    bool nativeEventFilter(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    struct Grab {
        std::uint8_t keycode = 0;
        std::uint16_t modifiers = 0;
    };
    // false when another program holds one of the variants (none is kept).
    bool grab(const Grab &keys);
    void ungrab(const Grab &keys);

    xcb_connection_t *connection;
    std::uint32_t root = 0;
    std::optional<Grab> held;
    // The lock keys' modifier bits: Caps Lock's and Num Lock's.
    std::uint16_t locks = 0;
};

} // namespace pigmentrix
