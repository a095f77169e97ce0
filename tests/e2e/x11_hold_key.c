/* Holds a key combination on the root window of the X display, as another
 * program's global shortcut would, until it is ended.
 * Usage: x11_hold_key KEYCODE MODIFIERS  (prints "held" once it holds it) */
#include <xcb/xcb.h>

#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: x11_hold_key KEYCODE MODIFIERS\n");
        return 2;
    }
    xcb_connection_t *connection = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(connection)) {
        fprintf(stderr, "x11_hold_key: no X display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_keycode_t keycode = (xcb_keycode_t)atoi(argv[1]);
    const uint16_t modifiers = (uint16_t)atoi(argv[2]);
    xcb_generic_error_t *error = xcb_request_check(
        connection, xcb_grab_key_checked(connection, 1, root, modifiers, keycode, XCB_GRAB_MODE_ASYNC,
                                         XCB_GRAB_MODE_ASYNC));
    if (error) {
        fprintf(stderr, "x11_hold_key: the combination is held already\n");
        return 1;
    }
    printf("held\n");
    fflush(stdout);
    xcb_generic_event_t *event;
    while ((event = xcb_wait_for_event(connection)))
        free(event);
    return 0;
}
