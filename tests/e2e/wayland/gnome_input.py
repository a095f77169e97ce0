#!/usr/bin/env python3
"""Drives GNOME Shell's pointer and keyboard like a user, through mutter's
remote desktop interface (GNOME offers programs no virtual pointer).

Usage: gnome_input.py --output NAME:X,Y:SCALE [--output ...] [STEP...] [-]

The steps are wayland_input's: "move OUTPUT X Y" puts the pointer on
logical point (X, Y) of that output (fractions allowed), "click BUTTON",
"press BUTTON", "release BUTTON", "key NAME", "sleep MS". With "-" last,
further steps come from standard input, one line at a time, each answered
with "ok" once mutter has them. One session for the whole run: mutter ends
it with its connection.
"""
import sys
import time

import gi

gi.require_version('Gio', '2.0')
from gi.repository import Gio, GLib  # noqa: E402

BUTTONS = {'left': 272, 'right': 273, 'middle': 274}  # BTN_LEFT ...
KEYSYMS = {'escape': 0xff1b, 'return': 0xff0d, 'left': 0xff51, 'up': 0xff52, 'right': 0xff53,
           'down': 0xff54, 'shift': 0xffe1}

bus = Gio.bus_get_sync(Gio.BusType.SESSION)


def call(name, path, interface, method, arguments=None):
    return bus.call_sync(name, path, interface, method, arguments, None, 0, 10000, None).unpack()


class Session:
    def __init__(self, outputs):
        desk = 'org.gnome.Mutter.RemoteDesktop'
        cast = 'org.gnome.Mutter.ScreenCast'
        self.session = call(desk, '/org/gnome/Mutter/RemoteDesktop', desk, 'CreateSession')[0]
        session_id = call(desk, self.session, 'org.freedesktop.DBus.Properties', 'Get',
                          GLib.Variant('(ss)', (desk + '.Session', 'SessionId')))[0]
        screencast = call(cast, '/org/gnome/Mutter/ScreenCast', cast, 'CreateSession',
                          GLib.Variant('(a{sv})', ({'remote-desktop-session-id': GLib.Variant('s', session_id)},)))[0]
        # Absolute positions are given per monitor, in the monitor's stream:
        # its pixels, which a logical point covers `scale` of.
        self.streams = {}
        for name, scale in outputs.items():
            stream = call(cast, screencast, cast + '.Session', 'RecordMonitor',
                          GLib.Variant('(sa{sv})', (name, {})))[0]
            self.streams[name] = (stream, scale)
        self.call('Start')
        # mutter makes its virtual keyboard at the first key, which it loses.
        self.key('shift', True)
        self.key('shift', False)

    def call(self, method, signature=None, *arguments):
        call('org.gnome.Mutter.RemoteDesktop', self.session, 'org.gnome.Mutter.RemoteDesktop.Session', method,
             GLib.Variant(signature, arguments) if signature else None)

    def move(self, output, x, y):
        stream, scale = self.streams[output]
        self.call('NotifyPointerMotionAbsolute', '(sdd)', stream, x * scale, y * scale)

    def button(self, name, pressed):
        self.call('NotifyPointerButton', '(ib)', BUTTONS[name], pressed)

    def key(self, name, pressed):
        self.call('NotifyKeyboardKeysym', '(ub)', KEYSYMS[name], pressed)


def run(session, words):
    i = 0
    while i < len(words):
        step = words[i]
        if step == 'move' and i + 3 < len(words):
            session.move(words[i + 1], float(words[i + 2]), float(words[i + 3]))
            i += 4
        elif step in ('click', 'press', 'release') and i + 1 < len(words) and words[i + 1] in BUTTONS:
            if step != 'release':
                session.button(words[i + 1], True)
            if step != 'press':
                session.button(words[i + 1], False)
            i += 2
        elif step == 'key' and i + 1 < len(words):
            name = words[i + 1]
            shift = name.startswith('shift+')
            key = name[6:] if shift else name
            if key not in KEYSYMS:
                raise ValueError('unknown key ' + name)
            if shift:
                session.key('shift', True)
            session.key(key, True)
            session.key(key, False)
            if shift:
                session.key('shift', False)
            i += 2
        elif step == 'sleep' and i + 1 < len(words):
            time.sleep(int(words[i + 1]) / 1000)
            i += 2
        elif step == '-' and i + 1 == len(words):
            return
        else:
            raise ValueError('cannot do step ' + step)


def main():
    arguments = sys.argv[1:]
    outputs = {}
    while len(arguments) >= 2 and arguments[0] == '--output':
        name, _origin, scale = arguments[1].split(':')
        outputs[name] = float(scale)
        arguments = arguments[2:]
    if not outputs:
        print(__doc__, file=sys.stderr)
        return 2
    session = Session(outputs)
    run(session, arguments)
    if arguments and arguments[-1] == '-':
        for line in sys.stdin:
            run(session, line.split())
            print('ok', flush=True)
    return 0


if __name__ == '__main__':
    sys.exit(main())
