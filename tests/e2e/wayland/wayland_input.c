// Drives a Wayland compositor's seat like a user: the pointer moves over
// the outputs and clicks, keys are pressed. On wlroots compositors through
// a virtual pointer and keyboard, on KWin through its fake input (which
// rounds positions to whole logical pixels).
// Usage: wayland_input --output NAME:X,Y,W,H:SCALE [--output ...] [STEP...] [-]
// Each output: its name, its logical place in the layout and its scale.
// With "-" last, further steps come from standard input, one line at a time,
// each answered with "ok" once the compositor has them: one pointer for the
// whole run, as a user's (a new one would lose the program's pointer focus).
//   move OUTPUT X Y  pointer to logical point (X, Y) of that output, fractions allowed
//   click BUTTON     left, right or middle: press and release
//   press BUTTON / release BUTTON
//   key NAME         escape, return, left, right, up, down, f9, shift+NAME
//   sleep MS
#define _GNU_SOURCE
#include "fake-input-client-protocol.h"
#include "virtual-keyboard-unstable-v1-client-protocol.h"
#include "wlr-virtual-pointer-unstable-v1-client-protocol.h"

#include <linux/input-event-codes.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>
#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

// Positions are sent on a grid finer than a pixel, so a fraction of a
// logical pixel reaches the program.
#define SUBPIXELS 4
#define MAX_OUTPUTS 8

struct output {
    char name[64];
    int x, y, width, height;
};

static struct output outputs[MAX_OUTPUTS];
static int output_count;
// The layout's bounding box in logical pixels: absolute positions of the
// virtual pointer are fractions of it.
static int layout_left, layout_top, layout_right, layout_bottom;

static struct wl_seat *seat;
static struct zwlr_virtual_pointer_manager_v1 *pointer_manager;
static struct zwp_virtual_keyboard_manager_v1 *keyboard_manager;
static struct org_kde_kwin_fake_input *fake_input;

static struct zwlr_virtual_pointer_v1 *pointer;
static struct zwp_virtual_keyboard_v1 *keyboard;

static void global_added(void *data, struct wl_registry *registry, uint32_t name, const char *interface,
                         uint32_t version)
{
    (void)data;
    if (strcmp(interface, wl_seat_interface.name) == 0)
        seat = wl_registry_bind(registry, name, &wl_seat_interface, 1);
    else if (strcmp(interface, zwlr_virtual_pointer_manager_v1_interface.name) == 0)
        pointer_manager = wl_registry_bind(registry, name, &zwlr_virtual_pointer_manager_v1_interface, 1);
    else if (strcmp(interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        keyboard_manager = wl_registry_bind(registry, name, &zwp_virtual_keyboard_manager_v1_interface, 1);
    else if (strcmp(interface, org_kde_kwin_fake_input_interface.name) == 0 && version >= 4)
        fake_input = wl_registry_bind(registry, name, &org_kde_kwin_fake_input_interface, 4);
}

static void global_removed(void *data, struct wl_registry *registry, uint32_t name)
{
    (void)data;
    (void)registry;
    (void)name;
}

static const struct wl_registry_listener registry_listener = {global_added, global_removed};

static uint32_t now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return (uint32_t)(ts.tv_sec * 1000 + ts.tv_nsec / 1000000);
}

static int button_code(const char *name)
{
    if (strcmp(name, "left") == 0)
        return BTN_LEFT;
    if (strcmp(name, "right") == 0)
        return BTN_RIGHT;
    if (strcmp(name, "middle") == 0)
        return BTN_MIDDLE;
    return -1;
}

static int key_code(const char *name)
{
    static const struct {
        const char *name;
        int code;
    } keys[] = {{"escape", KEY_ESC}, {"return", KEY_ENTER}, {"left", KEY_LEFT}, {"right", KEY_RIGHT},
                {"up", KEY_UP},      {"down", KEY_DOWN},    {"f9", KEY_F9}};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i)
        if (strcmp(name, keys[i].name) == 0)
            return keys[i].code;
    return -1;
}

static const struct output *find_output(const char *name)
{
    for (int i = 0; i < output_count; ++i)
        if (strcmp(outputs[i].name, name) == 0)
            return &outputs[i];
    return NULL;
}

// The keyboard needs a keymap before its first key: the default US one.
static int send_keymap(void)
{
    struct xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    struct xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    struct xkb_keymap *keymap = context ? xkb_keymap_new_from_names(context, &names, 0) : NULL;
    char *text = keymap ? xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1) : NULL;
    if (!text)
        return -1;
    size_t size = strlen(text) + 1;
    int fd = memfd_create("keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != (ssize_t)size)
        return -1;
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, (uint32_t)size);
    close(fd);
    free(text);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    return 0;
}

static void move_to(double x, double y)
{
    if (fake_input) {
        org_kde_kwin_fake_input_pointer_motion_absolute(fake_input, wl_fixed_from_double(x), wl_fixed_from_double(y));
        return;
    }
    zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)((x - layout_left) * SUBPIXELS + 0.5),
                                            (uint32_t)((y - layout_top) * SUBPIXELS + 0.5),
                                            (uint32_t)(layout_right - layout_left) * SUBPIXELS,
                                            (uint32_t)(layout_bottom - layout_top) * SUBPIXELS);
    zwlr_virtual_pointer_v1_frame(pointer);
    // A mouse also moves by steps, which XWayland follows with a pointer of
    // its own: without them it puts the next click where that pointer was.
    // Up and down, which keeps the pointer on the window it is on.
    for (int step = -1; step <= 1; step += 2) {
        zwlr_virtual_pointer_v1_motion(pointer, now_ms(), 0, wl_fixed_from_int(step));
        zwlr_virtual_pointer_v1_frame(pointer);
    }
}

static void set_button(int code, int pressed)
{
    if (fake_input) {
        org_kde_kwin_fake_input_button(fake_input, (uint32_t)code,
                                       pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
        return;
    }
    zwlr_virtual_pointer_v1_button(pointer, now_ms(), (uint32_t)code,
                                   pressed ? WL_POINTER_BUTTON_STATE_PRESSED : WL_POINTER_BUTTON_STATE_RELEASED);
    zwlr_virtual_pointer_v1_frame(pointer);
}

static void set_key(int code, int pressed, int shift_held)
{
    if (fake_input) {
        org_kde_kwin_fake_input_keyboard_key(fake_input, (uint32_t)code,
                                             pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
        return;
    }
    zwp_virtual_keyboard_v1_key(keyboard, now_ms(), (uint32_t)code,
                                pressed ? WL_KEYBOARD_KEY_STATE_PRESSED : WL_KEYBOARD_KEY_STATE_RELEASED);
    if (code == KEY_LEFTSHIFT)
        zwp_virtual_keyboard_v1_modifiers(keyboard, shift_held ? 1 : 0, 0, 0, 0);
}

static int run_steps(struct wl_display *display, int argc, char **argv)
{
    for (int i = 0; i < argc; ++i) {
        const char *step = argv[i];
        const char *first = i + 1 < argc ? argv[i + 1] : "";
        if (strcmp(step, "move") == 0 && i + 3 < argc) {
            const struct output *output = find_output(argv[i + 1]);
            if (!output) {
                fprintf(stderr, "wayland_input: no output %s\n", argv[i + 1]);
                return -1;
            }
            move_to(output->x + atof(argv[i + 2]), output->y + atof(argv[i + 3]));
            i += 3;
        } else if ((strcmp(step, "click") == 0 || strcmp(step, "press") == 0 || strcmp(step, "release") == 0)
                   && button_code(first) >= 0) {
            int code = button_code(first);
            if (strcmp(step, "release") != 0)
                set_button(code, 1);
            if (strcmp(step, "press") != 0) {
                // As long as a hand holds a button: XWayland reports a
                // button let go at once at a wrong place.
                wl_display_roundtrip(display);
                usleep(50000);
                set_button(code, 0);
            }
            ++i;
        } else if (strcmp(step, "key") == 0 && i + 1 < argc) {
            const char *name = first;
            int shift = strncmp(name, "shift+", 6) == 0;
            int code = key_code(shift ? name + 6 : name);
            if (code < 0) {
                fprintf(stderr, "wayland_input: unknown key %s\n", name);
                return -1;
            }
            if (shift)
                set_key(KEY_LEFTSHIFT, 1, 1);
            set_key(code, 1, shift);
            wl_display_roundtrip(display);
            set_key(code, 0, shift);
            if (shift)
                set_key(KEY_LEFTSHIFT, 0, 0);
            ++i;
        } else if (strcmp(step, "sleep") == 0 && i + 1 < argc) {
            usleep((useconds_t)atoi(first) * 1000);
            ++i;
        } else if (strcmp(step, "-") == 0 && i + 1 == argc) {
            break;
        } else {
            fprintf(stderr, "wayland_input: cannot do step %s\n", step);
            return -1;
        }
        wl_display_roundtrip(display);
    }
    return 0;
}

static int read_outputs(int *argc, char ***argv)
{
    while (*argc >= 2 && strcmp((*argv)[0], "--output") == 0) {
        struct output *output = &outputs[output_count];
        double scale;
        if (output_count == MAX_OUTPUTS
            || sscanf((*argv)[1], "%63[^:]:%d,%d,%d,%d:%lf", output->name, &output->x, &output->y, &output->width,
                      &output->height, &scale)
                   != 6)
            return -1;
        if (output_count == 0 || output->x < layout_left)
            layout_left = output->x;
        if (output_count == 0 || output->y < layout_top)
            layout_top = output->y;
        if (output_count == 0 || output->x + output->width > layout_right)
            layout_right = output->x + output->width;
        if (output_count == 0 || output->y + output->height > layout_bottom)
            layout_bottom = output->y + output->height;
        ++output_count;
        *argc -= 2;
        *argv += 2;
    }
    return output_count > 0 ? 0 : -1;
}

int main(int argc, char **argv)
{
    --argc;
    ++argv;
    if (read_outputs(&argc, &argv) != 0) {
        fprintf(stderr, "usage: wayland_input --output NAME:X,Y,W,H:SCALE [--output ...] STEP...\n");
        return 2;
    }
    struct wl_display *display = wl_display_connect(NULL);
    if (!display) {
        fprintf(stderr, "wayland_input: no Wayland display\n");
        return 1;
    }
    struct wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &registry_listener, NULL);
    wl_display_roundtrip(display);
    if (fake_input) {
        org_kde_kwin_fake_input_authenticate(fake_input, "wayland_input", "end-to-end tests");
    } else if (seat && pointer_manager && keyboard_manager) {
        pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointer_manager, seat);
        keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboard_manager, seat);
        if (send_keymap() != 0) {
            fprintf(stderr, "wayland_input: no keymap\n");
            return 1;
        }
    } else {
        fprintf(stderr, "wayland_input: the compositor offers no virtual pointer, keyboard or fake input\n");
        return 1;
    }
    wl_display_roundtrip(display);

    if (run_steps(display, argc, argv) != 0)
        return 2;
    if (argc > 0 && strcmp(argv[argc - 1], "-") == 0) {
        char line[256];
        while (fgets(line, sizeof line, stdin)) {
            char *words[32];
            int count = 0;
            for (char *word = strtok(line, " \t\n"); word && count < 32; word = strtok(NULL, " \t\n"))
                words[count++] = word;
            if (run_steps(display, count, words) != 0)
                return 2;
            printf("ok\n");
            fflush(stdout);
        }
    }
    if (pointer)
        zwlr_virtual_pointer_v1_destroy(pointer);
    if (keyboard)
        zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
