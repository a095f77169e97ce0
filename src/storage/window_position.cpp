#include "storage/window_position.h"

#include "model/integer_text.h"

namespace pigmentrix {
namespace {

bool OnSomeScreen(ScreenPoint point, std::span<const ScreenRect> screens)
{
    for (const ScreenRect &screen : screens) {
        if (screen.contains(point.x, point.y))
            return true;
    }
    return false;
}

ScreenRect CentredOn(const ScreenRect &screen, const ScreenRect &window)
{
    const int left = screen.left + (screen.width() - window.width()) / 2;
    const int top = screen.top + (screen.height() - window.height()) / 2;
    return {left, top, left + window.width(), top + window.height()};
}

} // namespace

std::string FormatPositionNumbers(int a, int b, int c, int d)
{
    return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "," + std::to_string(d);
}

std::array<std::optional<int>, 4> ParsePositionNumbers(std::string_view text)
{
    std::array<std::optional<int>, 4> numbers;
    for (std::optional<int> &number : numbers) {
        const std::size_t comma = text.find(',');
        number = TryStrToInt(text.substr(0, comma));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
    }
    return numbers;
}

void WriteFormVersion(SettingsStore &store)
{
    store.WriteInteger("FormVersion", 0);
}

bool MayRestoreStoredSettings(const SettingsStore &store)
{
    return store.ReadInteger("FormVersion", 0) >= 0;
}

void WriteWindowPosition(SettingsStore &store, const WindowPosition &position)
{
    store.WriteInteger("Flags", position.flags);
    store.WriteInteger("PixelsPerInch", position.pixelsPerInch);
    store.WriteString("MinMaxPos", FormatPositionNumbers(position.minimizedPosition.x, position.minimizedPosition.y,
                                                         position.maximizedPosition.x, position.maximizedPosition.y));
    store.WriteString("NormPos", FormatPositionNumbers(position.normal.left, position.normal.top, position.normal.right,
                                                       position.normal.bottom));
}

StoredWindowPosition ReadWindowPosition(const SettingsStore &store)
{
    return {store.TryReadInteger("Flags"), store.TryReadInteger("PixelsPerInch"), store.ReadText("MinMaxPos"),
            store.ReadText("NormPos")};
}

PlacementDecision DecideWindowPlacement(const StoredWindowPosition &stored, int presentPixelsPerInch,
                                        const ScreenRect &presentWindow, std::span<const ScreenRect> screens)
{
    ScreenRect normal = presentWindow;
    if (stored.normPos) {
        const auto numbers = ParsePositionNumbers(*stored.normPos);
        normal.left = numbers[0].value_or(presentWindow.left);
        normal.top = numbers[1].value_or(presentWindow.top);
        normal.right = normal.left + presentWindow.width();
        normal.bottom = normal.top + presentWindow.height();
    }
    const bool samePixelsPerInch = stored.pixelsPerInch.value_or(presentPixelsPerInch) == presentPixelsPerInch;
    const bool onScreen = normal.right > normal.left && OnSomeScreen({normal.left, normal.top}, screens)
                          && OnSomeScreen({normal.right - 1, normal.bottom - 1}, screens);
    if ((stored.minMaxPos || stored.normPos) && samePixelsPerInch && onScreen) {
        const auto minMax = ParsePositionNumbers(stored.minMaxPos.value_or(""));
        return {true,
                stored.flags.value_or(0),
                {minMax[0].value_or(0), minMax[1].value_or(0)},
                {minMax[2].value_or(0), minMax[3].value_or(0)},
                normal};
    }
    PlacementDecision centred;
    centred.normal = screens.empty() ? presentWindow : CentredOn(screens.front(), presentWindow);
    return centred;
}

} // namespace pigmentrix
