#include "sampling/x11_icc_profiles.h"

#include <QGuiApplication>
#include <QtGui/qguiapplication_platform.h>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace pigmentrix {

namespace {

// Properties are read a piece at a time: a profile may hold megabytes.
constexpr std::uint32_t PieceLongs = 256 * 1024;

} // namespace

std::unique_ptr<X11IccProfiles> X11IccProfiles::open()
{
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t *connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return nullptr;
    const xcb_screen_t *screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return nullptr;
    return std::unique_ptr<X11IccProfiles>(new X11IccProfiles(connection, screen->root));
}

X11IccProfiles::X11IccProfiles(xcb_connection_t *connection, std::uint32_t root)
    : connection(connection)
    , root(root)
{
    // The root's property changes come on Qt's connection; what Qt itself
    // asked of the root stays asked.
    std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    if (xcb_get_window_attributes_reply_t *attributes =
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, root), nullptr)) {
        mask |= attributes->your_event_mask;
        std::free(attributes);
    }
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
    QCoreApplication::instance()->installNativeEventFilter(this);
}

X11IccProfiles::~X11IccProfiles()
{
    if (QCoreApplication *application = QCoreApplication::instance())
        application->removeNativeEventFilter(this);
}

std::uint32_t X11IccProfiles::atomOf(int monitor)
{
    while (atoms.size() <= static_cast<std::size_t>(monitor)) {
        const QByteArray name = atoms.empty() ? QByteArrayLiteral("_ICC_PROFILE")
                                              : QByteArrayLiteral("_ICC_PROFILE_") + QByteArray::number(atoms.size());
        xcb_intern_atom_reply_t *reply = xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.constData()),
            nullptr);
        atoms.push_back(reply ? reply->atom : std::uint32_t{XCB_ATOM_NONE});
        std::free(reply);
    }
    return atoms[static_cast<std::size_t>(monitor)];
}

QByteArray X11IccProfiles::read(int monitor)
{
    const std::uint32_t atom = atomOf(monitor);
    if (atom == XCB_ATOM_NONE)
        return QByteArray();
    QByteArray profile;
    for (std::uint32_t offset = 0;; offset += PieceLongs) {
        xcb_get_property_reply_t *reply = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, root, atom, XCB_GET_PROPERTY_TYPE_ANY, offset, PieceLongs),
            nullptr);
        if (!reply)
            return QByteArray();
        const bool bytes = reply->format == 8 && reply->type != XCB_ATOM_NONE;
        if (bytes) {
            profile.append(static_cast<const char *>(xcb_get_property_value(reply)),
                           xcb_get_property_value_length(reply));
        }
        const bool more = bytes && reply->bytes_after > 0;
        std::free(reply);
        if (!bytes)
            return QByteArray();
        if (!more)
            return profile;
    }
}

bool X11IccProfiles::nativeEventFilter(const QByteArray &eventType, void *message, qintptr *)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto *event = static_cast<const xcb_generic_event_t *>(message);
    if ((event->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto *notify = static_cast<const xcb_property_notify_event_t *>(message);
    if (notify->window == root && std::find(atoms.begin(), atoms.end(), notify->atom) != atoms.end())
        emit changed();
    return false;
}

} // namespace pigmentrix
