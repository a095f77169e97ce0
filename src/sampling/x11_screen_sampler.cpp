#include "sampling/x11_screen_sampler.h"

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>

namespace pigmentrix {
namespace {

template <typename Reply>
using ReplyPtr = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPtr<Reply> Owned(Reply *reply)
{
    return ReplyPtr<Reply>(reply, &std::free);
}

xcb_screen_t *ScreenNumber(const xcb_setup_t *setup, int number)
{
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup); it.rem > 0; xcb_screen_next(&it)) {
        if (number-- == 0)
            return it.data;
    }
    return nullptr;
}

const xcb_visualtype_t *RootVisual(const xcb_screen_t *screen)
{
    for (xcb_depth_iterator_t depth = xcb_screen_allowed_depths_iterator(screen); depth.rem > 0;
         xcb_depth_next(&depth)) {
        if (depth.data->depth != screen->root_depth)
            continue;
        for (xcb_visualtype_iterator_t visual = xcb_depth_visuals_iterator(depth.data); visual.rem > 0;
             xcb_visualtype_next(&visual)) {
            if (visual.data->visual_id == screen->root_visual)
                return visual.data;
        }
    }
    return nullptr;
}

std::optional<ZPixmapLayout> RootLayout(const xcb_setup_t *setup, const xcb_screen_t *screen)
{
    const xcb_visualtype_t *visual = RootVisual(screen);
    if (!visual || (visual->_class != XCB_VISUAL_CLASS_TRUE_COLOR && visual->_class != XCB_VISUAL_CLASS_DIRECT_COLOR))
        return std::nullopt;
    const xcb_format_t *formats = xcb_setup_pixmap_formats(setup);
    for (int i = 0; i < xcb_setup_pixmap_formats_length(setup); ++i) {
        if (formats[i].depth != screen->root_depth)
            continue;
        ZPixmapLayout layout;
        layout.bitsPerPixel = formats[i].bits_per_pixel;
        layout.scanlinePad = formats[i].scanline_pad;
        layout.lsbFirst = setup->image_byte_order == XCB_IMAGE_ORDER_LSB_FIRST;
        layout.redMask = visual->red_mask;
        layout.greenMask = visual->green_mask;
        layout.blueMask = visual->blue_mask;
        return layout;
    }
    return std::nullopt;
}

// A Wayland compositor's X server shows only its X clients on the root
// window; reading it would give wrong colours for everything else.
bool IsWaylandXServer(xcb_connection_t *connection)
{
    static constexpr char Name[] = "XWAYLAND";
    const auto reply =
        Owned(xcb_query_extension_reply(connection, xcb_query_extension(connection, sizeof Name - 1, Name), nullptr));
    return reply && reply->present;
}

} // namespace

std::unique_ptr<X11ScreenSampler> X11ScreenSampler::open()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    const auto refuse = [connection] {
        xcb_disconnect(connection);
        return nullptr;
    };
    if (xcb_connection_has_error(connection))
        return refuse();
    const xcb_setup_t *setup = xcb_get_setup(connection);
    const xcb_screen_t *own = ScreenNumber(setup, screenNumber);
    if (!own || IsWaylandXServer(connection))
        return refuse();
    // Every screen whose pixels can be read; the program's own first.
    std::vector<Screen> screens;
    std::size_t first = 0;
    for (xcb_screen_iterator_t it = xcb_setup_roots_iterator(setup); it.rem > 0; xcb_screen_next(&it)) {
        if (const std::optional<ZPixmapLayout> layout = RootLayout(setup, it.data)) {
            if (it.data == own)
                first = screens.size();
            screens.push_back({it.data->root, *layout, {}});
        }
    }
    if (screens.empty() || screens[first].root != own->root)
        return refuse();
    std::unique_ptr<X11ScreenSampler> sampler(new X11ScreenSampler(connection, std::move(screens), first));
    if (!sampler->readDesktopSize())
        return nullptr;
    return sampler;
}

X11ScreenSampler::X11ScreenSampler(xcb_connection_t *connection, std::vector<Screen> screens, std::size_t first)
    : connection(connection)
    , screens(std::move(screens))
    , active(first)
{
}

X11ScreenSampler::~X11ScreenSampler()
{
    xcb_disconnect(connection);
}

bool X11ScreenSampler::readDesktopSize()
{
    Screen &screen = screens[active];
    const auto geometry = Owned(xcb_get_geometry_reply(connection, xcb_get_geometry(connection, screen.root), nullptr));
    if (!geometry)
        return false;
    screen.desktop = QRect(0, 0, geometry->width, geometry->height);
    return true;
}

std::optional<QPoint> X11ScreenSampler::pointerPosition()
{
    // The screen it was on last first: it is the one nearly always.
    for (std::size_t tried = 0; tried < screens.size(); ++tried) {
        const std::size_t index = (active + tried) % screens.size();
        const auto pointer =
            Owned(xcb_query_pointer_reply(connection, xcb_query_pointer(connection, screens[index].root), nullptr));
        if (!pointer)
            return std::nullopt;
        // Relative to another screen's root the position means nothing.
        if (!pointer->same_screen)
            continue;
        if (index != active) {
            active = index;
            if (!readDesktopSize())
                return std::nullopt;
        }
        return QPoint(pointer->root_x, pointer->root_y);
    }
    return std::nullopt;
}

std::optional<TColor> X11ScreenSampler::pixel(QPoint at)
{
    const std::optional<QImage> one = copyArea(QRect(at, QSize(1, 1)));
    if (!one || qAlpha(one->pixel(0, 0)) == 0)
        return std::nullopt;
    const QRgb p = one->pixel(0, 0);
    return ComposeColor(qRed(p), qGreen(p), qBlue(p));
}

std::optional<QImage> X11ScreenSampler::readRoot(const QRect &area)
{
    xcb_generic_error_t *error = nullptr;
    const auto reply = Owned(xcb_get_image_reply(
        connection,
        xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, screens[active].root, static_cast<std::int16_t>(area.x()),
                      static_cast<std::int16_t>(area.y()), static_cast<std::uint16_t>(area.width()),
                      static_cast<std::uint16_t>(area.height()), ~0u),
        &error));
    std::free(error);
    if (!reply)
        return std::nullopt;
    return DecodeZPixmap(xcb_get_image_data(reply.get()),
                         static_cast<std::size_t>(xcb_get_image_data_length(reply.get())), area.width(), area.height(),
                         screens[active].layout);
}

std::optional<QImage> X11ScreenSampler::copyArea(const QRect &area)
{
    if (area.isEmpty() || xcb_connection_has_error(connection))
        return std::nullopt;
    // The server refuses a read that reaches past the root window, so only
    // the part on the desktop is read; the rest stays transparent.
    QImage image(area.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    // Past the known size the desktop may have grown since it was measured.
    if (!screens[active].desktop.contains(area) && !readDesktopSize())
        return std::nullopt;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QRect onDesktop = area.intersected(screens[active].desktop);
        if (onDesktop.isEmpty())
            return image;
        if (const std::optional<QImage> read = readRoot(onDesktop)) {
            const QPoint at = onDesktop.topLeft() - area.topLeft();
            for (int y = 0; y < read->height(); ++y)
                std::memcpy(image.scanLine(at.y() + y) + at.x() * 4, read->constScanLine(y),
                            static_cast<std::size_t>(read->width()) * 4);
            return image;
        }
        // The desktop may have been resized since it was measured.
        if (!readDesktopSize())
            return std::nullopt;
    }
    return std::nullopt;
}

std::optional<QImage> X11ScreenSampler::captureDesktop()
{
    if (!readDesktopSize())
        return std::nullopt;
    return copyArea(screens[active].desktop);
}

bool X11ScreenSampler::movePointer(QPoint to)
{
    const xcb_void_cookie_t warp =
        xcb_warp_pointer_checked(connection, XCB_NONE, screens[active].root, 0, 0, 0, 0,
                                 static_cast<std::int16_t>(to.x()), static_cast<std::int16_t>(to.y()));
    xcb_generic_error_t *error = xcb_request_check(connection, warp);
    std::free(error);
    return error == nullptr;
}

} // namespace pigmentrix
