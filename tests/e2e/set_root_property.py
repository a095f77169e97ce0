#!/usr/bin/env python3
"""Sets a property of the X root window to a file's bytes (CARDINAL, 8-bit
items), as a colour daemon publishes a monitor's ICC profile, in pieces of
64 KiB (xprop keeps only 64 bytes); with --delete, removes it.
Usage: set_root_property.py NAME FILE | set_root_property.py --delete NAME"""
import sys

from Xlib import X, Xatom, display

PIECE = 64 * 1024


def main():
    shown = display.Display()
    root = shown.screen().root
    if sys.argv[1] == "--delete":
        root.delete_property(shown.intern_atom(sys.argv[2]))
    else:
        atom = shown.intern_atom(sys.argv[1])
        with open(sys.argv[2], "rb") as source:
            data = source.read()
        root.change_property(atom, Xatom.CARDINAL, 8, data[:PIECE], X.PropModeReplace)
        for start in range(PIECE, len(data), PIECE):
            root.change_property(atom, Xatom.CARDINAL, 8, data[start:start + PIECE], X.PropModeAppend)
    shown.sync()


if __name__ == "__main__":
    main()
