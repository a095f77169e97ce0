#pragma once

#include "model/pixel_rect.h"
#include "storage/settings_store.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace pigmentrix {

struct ScreenPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ScreenPoint &, const ScreenPoint &) = default;
};

// A rectangle on the desktop, in screen pixels.
using ScreenRect = PixelRect;

// Where the window was when it closed. Only the position of normal is used
// on restoring; the window keeps its own size.
struct WindowPosition {
    int flags = 0;
    int pixelsPerInch = 96;
    ScreenPoint minimizedPosition{-1, -1};
    ScreenPoint maximizedPosition{-1, -1};
    ScreenRect normal;
};

// The position values as found in the store.
struct StoredWindowPosition {
    std::optional<int> flags;
    std::optional<int> pixelsPerInch;
    std::optional<std::string> minMaxPos;
    std::optional<std::string> normPos;
};

struct PlacementDecision {
    bool restored = false; // false: the window is centred
    int flags = 0;
    ScreenPoint minimizedPosition;
    ScreenPoint maximizedPosition;
    ScreenRect normal;
    friend bool operator==(const PlacementDecision &, const PlacementDecision &) = default;
};

// "%d,%d,%d,%d", and its four numbers back (a piece that does not read is
// nullopt).
std::string FormatPositionNumbers(int a, int b, int c, int d);
std::array<std::optional<int>, 4> ParsePositionNumbers(std::string_view text);

// "FormVersion" is written as 0; a stored value below 0 means the position
// and the stored properties are not to be restored.
void WriteFormVersion(SettingsStore &store);
bool MayRestoreStoredSettings(const SettingsStore &store);

// "Flags", "PixelsPerInch", "MinMaxPos", "NormPos".
void WriteWindowPosition(SettingsStore &store, const WindowPosition &position);
StoredWindowPosition ReadWindowPosition(const SettingsStore &store);

// The stored position is restored when "MinMaxPos" or "NormPos" is present,
// the pixels per inch have not changed, and the window's rectangle at the
// stored place (present size) is not empty and has its top-left and
// bottom-right pixels on some screen. Otherwise the window is centred on the
// first screen (the primary one), or stays where it is when there is none.
PlacementDecision DecideWindowPlacement(const StoredWindowPosition &stored, int presentPixelsPerInch,
                                        const ScreenRect &presentWindow, std::span<const ScreenRect> screens);

} // namespace pigmentrix
