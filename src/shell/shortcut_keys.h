#pragma once

#include <QKeyCombination>
#include <QString>

#include <cstdint>
#include <optional>

namespace pigmentrix {

// A key combination as the X server names it: the key's symbol and the
// modifier bits (Shift, Control, Mod1 for Alt, Mod4 for the logo key).
struct X11KeyCombination {
    std::uint32_t keysym = 0;
    std::uint16_t modifiers = 0;

    bool operator==(const X11KeyCombination &) const = default;
};

// nullopt for a key the X server has no symbol for here (a modifier alone,
// a key Qt knows only by its text).
std::optional<X11KeyCombination> ToX11KeyCombination(QKeyCombination keys);

// The combination in the form the desktop portal's shortcuts take it,
// "CTRL+ALT+p"; empty where it has no such form.
QString ToPortalTrigger(QKeyCombination keys);

} // namespace pigmentrix
