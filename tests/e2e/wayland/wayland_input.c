// Drives a wlroots compositor's seat like a user: a virtual pointer moves
// over the output layout and clicks, a virtual keyboard presses keys.
// Usage: wayland_input --layout WIDTHxHEIGHT [STEP...] [-]
// With "-" last, further steps come from standard input, one line at a time,
// each answered with "ok" once the compositor has them: one pointer for the
// whole run, as a user's (a new one would lose the program's pointer focus).
//   move X Y         pointer to layout point (X, Y), fractions allowed
//   click BUTTON     left, right or middle: press and release
//   press BUTTON / release BUTTON
//   key NAME         escape, return, left, right, up, down, shift+NAME
//   sleep MS
#define _GNU_SOURCE
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

static struct wl_seat *seat;
// The output layout's size in logical pixels: absolute positions are
// fractions of it.
static unsigned width;
static unsigned height;
static struct zwlr_virtual_pointer_manager_v1 *pointer_manager;
static struct zwp_virtual_keyboard_manager_v1 *keyboard_manager;

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
    (void)version;
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
    } keys[] = {{"escape", KEY_ESC}, {"return", KEY_ENTER}, {"left", KEY_LEFT},
                {"right", KEY_RIGHT}, {"up", KEY_UP},        {"down", KEY_DOWN}};
    for (size_t i = 0; i < sizeof keys / sizeof keys[0]; ++i)
        if (strcmp(name, keys[i].name) == 0)
            return keys[i].code;
    return -1;
}

// The keyboard needs a keymap before its first key: the default US one.
static int send_keymap(struct zwp_virtual_keyboard_v1 *keyboard)
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

static int run_steps(struct wl_display *display, struct zwlr_virtual_pointer_v1 *pointer,
                     struct zwp_virtual_keyboard_v1 *keyboard, int argc, char **argv)
{
    for (int i = 0; i < argc; ++i) {
        const char *step = argv[i];
        const char *first = i + 1 < argc ? argv[i + 1] : "";
        if (strcmp(step, "move") == 0 && i + 2 < argc) {
            double x = atof(argv[i + 1]);
            double y = atof(argv[i + 2]);
            zwlr_virtual_pointer_v1_motion_absolute(pointer, now_ms(), (uint32_t)(x * SUBPIXELS + 0.5),
                                                    (uint32_t)(y * SUBPIXELS + 0.5), width * SUBPIXELS,
                                                    height * SUBPIXELS);
            zwlr_virtual_pointer_v1_frame(pointer);
            i += 2;
        } else if ((strcmp(step, "click") == 0 || strcmp(step, "press") == 0 || strcmp(step, "release") == 0) &&
                   button_code(first) >= 0) {
            int code = button_code(first);
            if (strcmp(step, "release") != 0) {
                zwlr_virtual_pointer_v1_button(pointer, now_ms(), (uint32_t)code, WL_POINTER_BUTTON_STATE_PRESSED);
                zwlr_virtual_pointer_v1_frame(pointer);
            }
            if (strcmp(step, "press") != 0) {
                wl_display_roundtrip(display);
                zwlr_virtual_pointer_v1_button(pointer, now_ms(), (uint32_t)code, WL_POINTER_BUTTON_STATE_RELEASED);
                zwlr_virtual_pointer_v1_frame(pointer);
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
            if (shift) {
                zwp_virtual_keyboard_v1_key(keyboard, now_ms(), KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_PRESSED);
                zwp_virtual_keyboard_v1_modifiers(keyboard, 1, 0, 0, 0);
            }
            zwp_virtual_keyboard_v1_key(keyboard, now_ms(), (uint32_t)code, WL_KEYBOARD_KEY_STATE_PRESSED);
            wl_display_roundtrip(display);
            zwp_virtual_keyboard_v1_key(keyboard, now_ms(), (uint32_t)code, WL_KEYBOARD_KEY_STATE_RELEASED);
            if (shift) {
                zwp_virtual_keyboard_v1_key(keyboard, now_ms(), KEY_LEFTSHIFT, WL_KEYBOARD_KEY_STATE_RELEASED);
                zwp_virtual_keyboard_v1_modifiers(keyboard, 0, 0, 0, 0);
            }
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

int main(int argc, char **argv)
{
    if (argc < 3 || strcmp(argv[1], "--layout") != 0 || sscanf(argv[2], "%ux%u", &width, &height) != 2) {
        fprintf(stderr, "usage: wayland_input --layout WIDTHxHEIGHT STEP...\n");
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
    if (!seat || !pointer_manager || !keyboard_manager) {
        fprintf(stderr, "wayland_input: the compositor offers no virtual pointer or keyboard\n");
        return 1;
    }
    struct zwlr_virtual_pointer_v1 *pointer = zwlr_virtual_pointer_manager_v1_create_virtual_pointer(pointer_manager, seat);
    struct zwp_virtual_keyboard_v1 *keyboard = zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(keyboard_manager, seat);
    if (send_keymap(keyboard) != 0) {
        fprintf(stderr, "wayland_input: no keymap\n");
        return 1;
    }
    wl_display_roundtrip(display);

    if (run_steps(display, pointer, keyboard, argc - 3, argv + 3) != 0)
        return 2;
    if (argc > 3 && strcmp(argv[argc - 1], "-") == 0) {
        char line[256];
        while (fgets(line, sizeof line, stdin)) {
            char *words[32];
            int count = 0;
            for (char *word = strtok(line, " \t\n"); word && count < 32; word = strtok(NULL, " \t\n"))
                words[count++] = word;
            if (run_steps(display, pointer, keyboard, count, words) != 0)
                return 2;
            printf("ok\n");
            fflush(stdout);
        }
    }
    zwlr_virtual_pointer_v1_destroy(pointer);
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    wl_display_disconnect(display);
    return 0;
}
