#include "shell/x11_global_shortcut.h"

#include <QCoreApplication>

#include <xcb/xcb.h>
#include <xkbcommon/xkbcommon.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace pigmentrix {
namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T>
Reply<T> Owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

// The keycodes of the keyboard that give symbol without a modifier level
// beyond Shift.
std::vector<std::uint8_t> KeycodesOf(xcb_connection_t *connection, std::uint32_t symbol)
{
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const int count = setup->max_keycode - setup->min_keycode + 1;
    const auto mapping = Owned(xcb_get_keyboard_mapping_reply(
        connection, xcb_get_keyboard_mapping(connection, setup->min_keycode, static_cast<std::uint8_t>(count)),
        nullptr));
    std::vector<std::uint8_t> keycodes;
    if (!mapping)
        return keycodes;
    const xcb_keysym_t *symbols = xcb_get_keyboard_mapping_keysyms(mapping.get());
    const int perKey = mapping->keysyms_per_keycode;
    for (int key = 0; key < count; ++key) {
        for (int level = 0; level < perKey && level < 2; ++level) {
            if (symbols[key * perKey + level] == symbol) {
                keycodes.push_back(static_cast<std::uint8_t>(setup->min_keycode + key));
                break;
            }
        }
    }
    return keycodes;
}

// The modifier bit Num Lock sets on this keyboard; 0 where it has none.
std::uint16_t NumLockMask(xcb_connection_t *connection)
{
    const std::vector<std::uint8_t> numLock = KeycodesOf(connection, XKB_KEY_Num_Lock);
    if (numLock.empty())
        return 0;
    const auto modifiers =
        Owned(xcb_get_modifier_mapping_reply(connection, xcb_get_modifier_mapping(connection), nullptr));
    if (!modifiers)
        return 0;
    const xcb_keycode_t *keycodes = xcb_get_modifier_mapping_keycodes(modifiers.get());
    const int perModifier = modifiers->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (keycodes[modifier * perModifier + i] == numLock.front())
                return static_cast<std::uint16_t>(1 << modifier);
        }
    }
    return 0;
}

} // namespace

X11GlobalShortcut::X11GlobalShortcut(xcb_connection_t *connection, QObject *parent)
    : GlobalShortcut(parent)
    , connection(connection)
    , root(xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root)
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11GlobalShortcut::~X11GlobalShortcut()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
    if (held)
        ungrab(*held);
}

bool X11GlobalShortcut::grab(const Grab &keys)
{
    // Every subset of the lock bits.
    std::vector<std::uint16_t> variants;
    for (std::uint16_t subset = locks;; subset = static_cast<std::uint16_t>((subset - 1) & locks)) {
        variants.push_back(static_cast<std::uint16_t>(keys.modifiers | subset));
        if (subset == 0)
            break;
    }
    std::vector<xcb_void_cookie_t> cookies;
    for (const std::uint16_t modifiers : variants)
        cookies.push_back(xcb_grab_key_checked(connection, 1, root, modifiers, keys.keycode, XCB_GRAB_MODE_ASYNC,
                                               XCB_GRAB_MODE_ASYNC));
    bool taken = false;
    for (const xcb_void_cookie_t cookie : cookies) {
        // BadAccess: a passive grab of another client.
        if (Owned(xcb_request_check(connection, cookie)))
            taken = true;
    }
    if (taken) {
        // The variants granted before the refusal would keep the keys from
        // their owner in some lock states.
        ungrab(keys);
        return false;
    }
    return true;
}

void X11GlobalShortcut::ungrab(const Grab &keys)
{
    for (std::uint16_t subset = locks;; subset = static_cast<std::uint16_t>((subset - 1) & locks)) {
        xcb_ungrab_key(connection, keys.keycode, root, static_cast<std::uint16_t>(keys.modifiers | subset));
        if (subset == 0)
            break;
    }
    xcb_flush(connection);
}

void X11GlobalShortcut::bind(const QKeySequence &keys)
{
    if (keys.isEmpty()) {
        if (held)
            ungrab(*held);
        held.reset();
        emit bound({ShortcutBinding::Result::Bound, QString(), QString()});
        return;
    }
    const std::optional<X11KeyCombination> combination = ToX11KeyCombination(keys[0]);
    const std::vector<std::uint8_t> keycodes =
        combination ? KeycodesOf(connection, combination->keysym) : std::vector<std::uint8_t>();
    if (keycodes.empty()) {
        emit bound({ShortcutBinding::Result::Failed, QString(),
                    QStringLiteral("This keyboard has no key for %1.").arg(keys.toString(QKeySequence::NativeText))});
        return;
    }
    // The keyboard's map may have changed since the last grab.
    locks = XCB_MOD_MASK_LOCK | NumLockMask(connection);
    const Grab wanted{keycodes.front(), combination->modifiers};
    if (held && held->keycode == wanted.keycode && held->modifiers == wanted.modifiers) {
        emit bound({ShortcutBinding::Result::Bound, keys.toString(QKeySequence::NativeText), QString()});
        return;
    }
    if (!grab(wanted)) {
        emit bound({ShortcutBinding::Result::Taken, QString(), QString()});
        return;
    }
    if (held)
        ungrab(*held);
    held = wanted;
    emit bound({ShortcutBinding::Result::Bound, keys.toString(QKeySequence::NativeText), QString()});
}

bool X11GlobalShortcut::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (!held || eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & ~0x80) != XCB_KEY_PRESS)
        return false;
    const auto *press = reinterpret_cast<const xcb_key_press_event_t *>(event);
    if (press->event != root || press->detail != held->keycode)
        return false;
    if ((press->state & ~locks & 0xff) != held->modifiers)
        return false;
    emit activated();
    return true;
}

} // namespace pigmentrix
