#include "sampling/wayland_screen.h"

#include "wlr-screencopy-unstable-v1-client-protocol.h"
#include "xdg-output-unstable-v1-client-protocol.h"

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <functional>

#include <fcntl.h>
#include <poll.h>
#include <sys/mman.h>
#include <unistd.h>

namespace pigmentrix {

namespace {

using Clock = std::chrono::steady_clock;

struct Output {
    wl_output *output = nullptr;
    zxdg_output_v1 *xdg = nullptr;
    QString name;
    QPoint position;
    QSize logicalSize;
    QSize mode;
    int32_t transform = WL_OUTPUT_TRANSFORM_NORMAL;
    int32_t scale = 1;
};

void OutputGeometry(void *data, wl_output *, int32_t x, int32_t y, int32_t, int32_t, int32_t, const char *,
                    const char *, int32_t transform)
{
    auto *output = static_cast<Output *>(data);
    output->position = QPoint(x, y);
    output->transform = transform;
}

void OutputMode(void *data, wl_output *, uint32_t flags, int32_t width, int32_t height, int32_t)
{
    if (flags & WL_OUTPUT_MODE_CURRENT)
        static_cast<Output *>(data)->mode = QSize(width, height);
}

void OutputDone(void *, wl_output *)
{
}

void OutputScale(void *data, wl_output *, int32_t factor)
{
    static_cast<Output *>(data)->scale = factor;
}

void OutputName(void *data, wl_output *, const char *name)
{
    auto *output = static_cast<Output *>(data);
    if (output->name.isEmpty())
        output->name = QString::fromUtf8(name);
}

void OutputDescription(void *, wl_output *, const char *)
{
}

const wl_output_listener OutputListener = {OutputGeometry, OutputMode, OutputDone,
                                           OutputScale,    OutputName, OutputDescription};

void XdgPosition(void *data, zxdg_output_v1 *, int32_t x, int32_t y)
{
    static_cast<Output *>(data)->position = QPoint(x, y);
}

void XdgSize(void *data, zxdg_output_v1 *, int32_t width, int32_t height)
{
    static_cast<Output *>(data)->logicalSize = QSize(width, height);
}

void XdgDone(void *, zxdg_output_v1 *)
{
}

void XdgName(void *data, zxdg_output_v1 *, const char *name)
{
    static_cast<Output *>(data)->name = QString::fromUtf8(name);
}

void XdgDescription(void *, zxdg_output_v1 *, const char *)
{
}

const zxdg_output_v1_listener XdgOutputListener = {XdgPosition, XdgSize, XdgDone, XdgName, XdgDescription};

// One screencopy frame: what the compositor offers, then whether the copy
// came.
struct Frame {
    bool offered = false;
    bool offersDone = false;
    bool ready = false;
    bool failed = false;
    uint32_t format = 0;
    QSize size;
    uint32_t stride = 0;
    bool yInverted = false;
};

void FrameBuffer(void *data, zwlr_screencopy_frame_v1 *, uint32_t format, uint32_t width, uint32_t height,
                 uint32_t stride)
{
    auto *frame = static_cast<Frame *>(data);
    frame->offered = true;
    frame->format = format;
    frame->size = QSize(static_cast<int>(width), static_cast<int>(height));
    frame->stride = stride;
}

void FrameFlags(void *data, zwlr_screencopy_frame_v1 *, uint32_t flags)
{
    static_cast<Frame *>(data)->yInverted = flags & ZWLR_SCREENCOPY_FRAME_V1_FLAGS_Y_INVERT;
}

void FrameReady(void *data, zwlr_screencopy_frame_v1 *, uint32_t, uint32_t, uint32_t)
{
    static_cast<Frame *>(data)->ready = true;
}

void FrameFailed(void *data, zwlr_screencopy_frame_v1 *)
{
    static_cast<Frame *>(data)->failed = true;
}

void FrameDamage(void *, zwlr_screencopy_frame_v1 *, uint32_t, uint32_t, uint32_t, uint32_t)
{
}

void FrameDmabuf(void *, zwlr_screencopy_frame_v1 *, uint32_t, uint32_t, uint32_t)
{
}

void FrameBufferDone(void *data, zwlr_screencopy_frame_v1 *)
{
    static_cast<Frame *>(data)->offersDone = true;
}

const zwlr_screencopy_frame_v1_listener FrameListener = {FrameBuffer, FrameFlags,  FrameReady,     FrameFailed,
                                                         FrameDamage, FrameDmabuf, FrameBufferDone};

// The shared-memory formats whose bytes Qt reads as they are.
std::optional<QImage::Format> ImageFormat(uint32_t format)
{
    switch (format) {
    case WL_SHM_FORMAT_XRGB8888:
    case WL_SHM_FORMAT_ARGB8888: return QImage::Format_RGB32;
    case WL_SHM_FORMAT_XBGR8888:
    case WL_SHM_FORMAT_ABGR8888: return QImage::Format_RGBX8888;
    default: return std::nullopt;
    }
}

// A file in memory shared with the compositor, mapped while it lives.
class SharedMemory {
public:
    explicit SharedMemory(std::size_t size)
        : size(size)
    {
        fd = memfd_create("pigmentrix-screencopy", MFD_CLOEXEC);
        if (fd < 0 || ftruncate(fd, static_cast<off_t>(size)) != 0)
            return;
        void *mapped = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
        if (mapped != MAP_FAILED)
            data = static_cast<uchar *>(mapped);
    }
    ~SharedMemory()
    {
        if (data)
            munmap(data, size);
        if (fd >= 0)
            close(fd);
    }
    SharedMemory(const SharedMemory &) = delete;
    SharedMemory &operator=(const SharedMemory &) = delete;

    std::size_t size;
    int fd = -1;
    uchar *data = nullptr;
};

} // namespace

struct WaylandScreen::Connection {
    ~Connection()
    {
        for (Output &output : outputList) {
            if (output.xdg)
                zxdg_output_v1_destroy(output.xdg);
            if (output.output)
                wl_output_destroy(output.output);
        }
        if (screencopy)
            zwlr_screencopy_manager_v1_destroy(screencopy);
        if (xdgManager)
            zxdg_output_manager_v1_destroy(xdgManager);
        if (shm)
            wl_shm_destroy(shm);
        if (registry)
            wl_registry_destroy(registry);
        if (display)
            wl_display_disconnect(display);
    }

    // Reads and dispatches the compositor's events until `done` holds;
    // false at the deadline or when the connection breaks.
    bool dispatchUntil(const std::function<bool()> &done, Clock::time_point deadline)
    {
        while (!done()) {
            while (wl_display_prepare_read(display) != 0) {
                if (wl_display_dispatch_pending(display) < 0)
                    return false;
                if (done())
                    return true;
            }
            if (wl_display_flush(display) < 0 && errno != EAGAIN) {
                wl_display_cancel_read(display);
                return false;
            }
            const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
            pollfd readable{wl_display_get_fd(display), POLLIN, 0};
            const int ready = left > 0 ? poll(&readable, 1, static_cast<int>(left)) : 0;
            if (ready <= 0) {
                wl_display_cancel_read(display);
                if (ready < 0 && errno == EINTR)
                    continue;
                return false;
            }
            if (wl_display_read_events(display) < 0 || wl_display_dispatch_pending(display) < 0)
                return false;
        }
        return true;
    }

    bool roundtrip(Clock::time_point deadline)
    {
        bool synced = false;
        static const wl_callback_listener Synced = {
            [](void *data, wl_callback *, uint32_t) { *static_cast<bool *>(data) = true; }};
        wl_callback *callback = wl_display_sync(display);
        wl_callback_add_listener(callback, &Synced, &synced);
        const bool answered = dispatchUntil([&] { return synced; }, deadline);
        // Once destroyed, a late answer goes nowhere.
        wl_callback_destroy(callback);
        return answered;
    }

    std::optional<QImage> captureOutput(const Output &output, Clock::time_point deadline)
    {
        Frame frame;
        zwlr_screencopy_frame_v1 *copy = zwlr_screencopy_manager_v1_capture_output(screencopy, 0, output.output);
        zwlr_screencopy_frame_v1_add_listener(copy, &FrameListener, &frame);
        std::optional<QImage> picture = copyFrame(copy, frame, deadline);
        zwlr_screencopy_frame_v1_destroy(copy);
        return picture;
    }

    std::optional<QImage> copyFrame(zwlr_screencopy_frame_v1 *copy, Frame &frame, Clock::time_point deadline)
    {
        // From version 3 on, the compositor lists its buffer kinds first.
        const bool listsOffers = screencopyVersion >= 3;
        if (!dispatchUntil([&] { return frame.failed || (frame.offered && (!listsOffers || frame.offersDone)); },
                           deadline)
            || frame.failed)
            return std::nullopt;
        const std::optional<QImage::Format> format = ImageFormat(frame.format);
        if (!format || frame.size.isEmpty() || frame.stride < static_cast<uint32_t>(frame.size.width()) * 4)
            return std::nullopt;
        SharedMemory memory(std::size_t{frame.stride} * static_cast<std::size_t>(frame.size.height()));
        if (!memory.data)
            return std::nullopt;
        wl_shm_pool *pool = wl_shm_create_pool(shm, memory.fd, static_cast<int32_t>(memory.size));
        wl_buffer *buffer = wl_shm_pool_create_buffer(pool, 0, frame.size.width(), frame.size.height(),
                                                      static_cast<int32_t>(frame.stride), frame.format);
        zwlr_screencopy_frame_v1_copy(copy, buffer);
        const bool copied = dispatchUntil([&] { return frame.ready || frame.failed; }, deadline) && frame.ready;
        std::optional<QImage> picture;
        if (copied) {
            const QImage shared(memory.data, frame.size.width(), frame.size.height(),
                                static_cast<qsizetype>(frame.stride), *format);
            QImage own = shared.convertToFormat(QImage::Format_ARGB32);
            picture = frame.yInverted ? own.mirrored(false, true) : own;
        }
        wl_buffer_destroy(buffer);
        wl_shm_pool_destroy(pool);
        return picture;
    }

    static void globalAdded(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version)
    {
        auto *connection = static_cast<Connection *>(data);
        const auto bind = [&](const wl_interface *kind, uint32_t newest) {
            return wl_registry_bind(registry, name, kind, std::min(version, newest));
        };
        if (std::strcmp(interface, wl_output_interface.name) == 0) {
            if (connection->outputsListed)
                return;
            connection->outputList.push_back({});
            connection->outputList.back().output = static_cast<wl_output *>(bind(&wl_output_interface, 4));
        } else if (std::strcmp(interface, wl_shm_interface.name) == 0) {
            connection->shm = static_cast<wl_shm *>(bind(&wl_shm_interface, 1));
        } else if (std::strcmp(interface, zxdg_output_manager_v1_interface.name) == 0) {
            connection->xdgManager = static_cast<zxdg_output_manager_v1 *>(bind(&zxdg_output_manager_v1_interface, 3));
        } else if (std::strcmp(interface, zwlr_screencopy_manager_v1_interface.name) == 0) {
            connection->screencopyVersion = std::min(version, 3u);
            connection->screencopy =
                static_cast<zwlr_screencopy_manager_v1 *>(bind(&zwlr_screencopy_manager_v1_interface, 3));
        }
    }

    static void globalRemoved(void *, wl_registry *, uint32_t) { }

    wl_display *display = nullptr;
    wl_registry *registry = nullptr;
    wl_shm *shm = nullptr;
    zxdg_output_manager_v1 *xdgManager = nullptr;
    zwlr_screencopy_manager_v1 *screencopy = nullptr;
    uint32_t screencopyVersion = 0;
    // Outputs that appear after the first answer wait for the next grab:
    // the listeners hold the addresses of these.
    bool outputsListed = false;
    std::vector<Output> outputList;
    std::vector<OutputLayout> layouts;
};

WaylandScreen::WaylandScreen(std::unique_ptr<Connection> connection)
    : connection(std::move(connection))
{
}

WaylandScreen::~WaylandScreen() = default;

std::unique_ptr<WaylandScreen> WaylandScreen::connect(std::chrono::milliseconds timeout)
{
    const Clock::time_point deadline = Clock::now() + timeout;
    auto connection = std::make_unique<Connection>();
    connection->display = wl_display_connect(nullptr);
    if (!connection->display)
        return nullptr;
    connection->registry = wl_display_get_registry(connection->display);
    static const wl_registry_listener Registry = {Connection::globalAdded, Connection::globalRemoved};
    wl_registry_add_listener(connection->registry, &Registry, connection.get());
    if (!connection->roundtrip(deadline))
        return nullptr;
    connection->outputsListed = true;
    for (Output &output : connection->outputList) {
        wl_output_add_listener(output.output, &OutputListener, &output);
        if (connection->xdgManager) {
            output.xdg = zxdg_output_manager_v1_get_xdg_output(connection->xdgManager, output.output);
            zxdg_output_v1_add_listener(output.xdg, &XdgOutputListener, &output);
        }
    }
    if (!connection->roundtrip(deadline) || connection->outputList.empty())
        return nullptr;
    for (const Output &output : connection->outputList) {
        const bool turned = output.transform % 2 == 1; // 90 and 270, plain or flipped
        const QSize pixels = turned ? output.mode.transposed() : output.mode;
        const QSize logical = output.logicalSize.isEmpty() ? pixels / std::max(1, output.scale) : output.logicalSize;
        connection->layouts.push_back({output.name, QRect(output.position, logical), pixels});
    }
    return std::unique_ptr<WaylandScreen>(new WaylandScreen(std::move(connection)));
}

const std::vector<OutputLayout> &WaylandScreen::outputs() const
{
    return connection->layouts;
}

bool WaylandScreen::offersPictures() const
{
    return connection->screencopy && connection->shm;
}

std::optional<std::vector<OutputPicture>> WaylandScreen::capture(std::chrono::milliseconds timeout)
{
    if (!offersPictures())
        return std::nullopt;
    const Clock::time_point deadline = Clock::now() + timeout;
    std::vector<OutputPicture> pictures;
    for (std::size_t i = 0; i < connection->outputList.size(); ++i) {
        const Output &output = connection->outputList[i];
        // A turned monitor's frame comes in its own orientation, which this
        // reader does not turn back: the portal's picture serves instead.
        if (output.transform != WL_OUTPUT_TRANSFORM_NORMAL)
            return std::nullopt;
        std::optional<QImage> picture = connection->captureOutput(output, deadline);
        if (!picture || picture->size() != connection->layouts[i].pixels)
            return std::nullopt;
        pictures.push_back({connection->layouts[i], std::move(*picture), true});
    }
    return pictures;
}

} // namespace pigmentrix
