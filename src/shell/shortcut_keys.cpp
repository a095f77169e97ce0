#include "shell/shortcut_keys.h"

#include <xkbcommon/xkbcommon.h>

#include <array>
#include <utility>

namespace pigmentrix {
namespace {

constexpr std::uint16_t ShiftMask = 1 << 0;
constexpr std::uint16_t ControlMask = 1 << 2;
constexpr std::uint16_t Mod1Mask = 1 << 3;
constexpr std::uint16_t Mod4Mask = 1 << 6;

// Keys whose Qt code is not their X symbol.
constexpr std::array<std::pair<int, std::uint32_t>, 24> NamedKeys{{
    {Qt::Key_Escape, XKB_KEY_Escape},       {Qt::Key_Tab, XKB_KEY_Tab},
    {Qt::Key_Backspace, XKB_KEY_BackSpace}, {Qt::Key_Return, XKB_KEY_Return},
    {Qt::Key_Enter, XKB_KEY_KP_Enter},      {Qt::Key_Insert, XKB_KEY_Insert},
    {Qt::Key_Delete, XKB_KEY_Delete},       {Qt::Key_Pause, XKB_KEY_Pause},
    {Qt::Key_Print, XKB_KEY_Print},         {Qt::Key_SysReq, XKB_KEY_Sys_Req},
    {Qt::Key_Home, XKB_KEY_Home},           {Qt::Key_End, XKB_KEY_End},
    {Qt::Key_Left, XKB_KEY_Left},           {Qt::Key_Up, XKB_KEY_Up},
    {Qt::Key_Right, XKB_KEY_Right},         {Qt::Key_Down, XKB_KEY_Down},
    {Qt::Key_PageUp, XKB_KEY_Prior},        {Qt::Key_PageDown, XKB_KEY_Next},
    {Qt::Key_Menu, XKB_KEY_Menu},           {Qt::Key_ScrollLock, XKB_KEY_Scroll_Lock},
    {Qt::Key_Space, XKB_KEY_space},         {Qt::Key_Clear, XKB_KEY_Clear},
    {Qt::Key_Help, XKB_KEY_Help},           {Qt::Key_Cancel, XKB_KEY_Cancel},
}};

std::optional<std::uint32_t> KeySymbol(Qt::Key key)
{
    for (const auto &[qtKey, symbol] : NamedKeys) {
        if (qtKey == key)
            return symbol;
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F35)
        return XKB_KEY_F1 + static_cast<std::uint32_t>(key - Qt::Key_F1);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return XKB_KEY_a + static_cast<std::uint32_t>(key - Qt::Key_A);
    // The other printable keys of Latin-1 have the same code in both.
    if (key > Qt::Key_Space && key <= 0xff)
        return static_cast<std::uint32_t>(key);
    return std::nullopt;
}

} // namespace

std::optional<X11KeyCombination> ToX11KeyCombination(QKeyCombination keys)
{
    const std::optional<std::uint32_t> symbol = KeySymbol(keys.key());
    if (!symbol)
        return std::nullopt;
    const Qt::KeyboardModifiers held = keys.keyboardModifiers();
    std::uint16_t modifiers = 0;
    if (held.testFlag(Qt::ShiftModifier))
        modifiers |= ShiftMask;
    if (held.testFlag(Qt::ControlModifier))
        modifiers |= ControlMask;
    if (held.testFlag(Qt::AltModifier))
        modifiers |= Mod1Mask;
    if (held.testFlag(Qt::MetaModifier))
        modifiers |= Mod4Mask;
    return X11KeyCombination{*symbol, modifiers};
}

QString ToPortalTrigger(QKeyCombination keys)
{
    const std::optional<X11KeyCombination> x11 = ToX11KeyCombination(keys);
    if (!x11)
        return QString();
    char name[64];
    if (xkb_keysym_get_name(x11->keysym, name, sizeof name) <= 0)
        return QString();
    QString trigger;
    const Qt::KeyboardModifiers held = keys.keyboardModifiers();
    if (held.testFlag(Qt::ControlModifier))
        trigger += QStringLiteral("CTRL+");
    if (held.testFlag(Qt::AltModifier))
        trigger += QStringLiteral("ALT+");
    if (held.testFlag(Qt::ShiftModifier))
        trigger += QStringLiteral("SHIFT+");
    if (held.testFlag(Qt::MetaModifier))
        trigger += QStringLiteral("LOGO+");
    return trigger + QString::fromLatin1(name);
}

} // namespace pigmentrix
