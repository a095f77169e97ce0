#!/usr/bin/env python3
"""Covers one output with a picture whose every device pixel tells where it
is: pixel (x, y) is red (97 x) mod 256, green (89 y) mod 256, blue TAG, so
any two neighbours differ and a blend of them shows. As the desktop's
background (just above it) where the compositor has layer shell, otherwise as a full-screen
window (which lets other windows above it once they are active).

Usage: pattern_window.py OUTPUT_X OUTPUT_Y TAG [--fullscreen]
OUTPUT_X, OUTPUT_Y: a logical point of the output, as the compositor lays
the outputs out. Prints "shown SCALE WIDTH HEIGHT" once the picture is on
the screen, at the output's scale and its logical size.
"""
import sys

import gi

gi.require_version('Gdk', '3.0')
gi.require_version('Gtk', '3.0')
from gi.repository import Gdk, GLib, Gtk  # noqa: E402
import cairo  # noqa: E402


def pattern(width, height, tag):
    surface = cairo.ImageSurface(cairo.FORMAT_RGB24, width, height)
    stride = surface.get_stride()
    reds = bytes((x * 97) & 255 for x in range(width))
    data = bytearray(stride * height)
    row = bytearray(width * 4)
    row[0::4] = bytes([tag]) * width  # memory order blue, green, red, unused
    row[2::4] = reds
    for y in range(height):
        row[1::4] = bytes([(y * 89) & 255]) * width
        data[y * stride:y * stride + width * 4] = row
    surface.get_data()[:] = bytes(data)
    surface.mark_dirty()
    return surface


def main():
    x, y, tag = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3], 0)
    fullscreen = '--fullscreen' in sys.argv[4:]
    display = Gdk.Display.get_default()
    monitor = display.get_monitor_at_point(x, y)
    window = Gtk.Window(title='pattern')
    window.set_decorated(False)
    if not fullscreen:
        gi.require_version('GtkLayerShell', '0.1')
        from gi.repository import GtkLayerShell
        GtkLayerShell.init_for_window(window)
        GtkLayerShell.set_layer(window, GtkLayerShell.Layer.BOTTOM)
        GtkLayerShell.set_monitor(window, monitor)
        GtkLayerShell.set_exclusive_zone(window, -1)
        for edge in (GtkLayerShell.Edge.LEFT, GtkLayerShell.Edge.RIGHT, GtkLayerShell.Edge.TOP,
                     GtkLayerShell.Edge.BOTTOM):
            GtkLayerShell.set_anchor(window, edge, True)
    pictures = {}
    told = []

    def draw(widget, context):
        scale = widget.get_scale_factor()
        width, height = widget.get_allocated_width(), widget.get_allocated_height()
        key = (scale, width, height)
        if key not in pictures:
            pictures[key] = pattern(width * scale, height * scale, tag)
            pictures[key].set_device_scale(scale, scale)
        context.set_source_surface(pictures[key], 0, 0)
        context.get_source().set_filter(cairo.FILTER_NEAREST)
        context.paint()
        if not told:
            told.append(key)
            # Once this frame is on the screen.
            GLib.timeout_add(300, lambda: print('shown', *key, flush=True) or False)
        return True

    area = Gtk.DrawingArea()
    area.connect('draw', draw)
    window.add(area)
    window.connect('destroy', Gtk.main_quit)
    window.show_all()
    if fullscreen:
        monitors = [display.get_monitor(i) for i in range(display.get_n_monitors())]
        window.fullscreen_on_monitor(window.get_screen(), monitors.index(monitor))
    Gtk.main()


if __name__ == '__main__':
    main()
