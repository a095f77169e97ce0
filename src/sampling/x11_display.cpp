#include "sampling/x11_display.h"

#include <xcb/xcb.h>

namespace pigmentrix {

bool CanOpenX11Display(const std::string &display)
{
    xcb_connection_t *connection = xcb_connect(display.empty() ? nullptr : display.c_str(), nullptr);
    const bool opened = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return opened;
}

} // namespace pigmentrix
