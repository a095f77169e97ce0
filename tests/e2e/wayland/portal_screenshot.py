#!/usr/bin/env python3
"""Asks the desktop portal for one picture of the desktop, as the picker
does, and moves it to FILE. Exit 1 when the portal refuses or does not
answer within 30 s.

Usage: portal_screenshot.py FILE
"""
import shutil
import sys

import gi

gi.require_version('Gio', '2.0')
from gi.repository import Gio, GLib  # noqa: E402


def main():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    sender = bus.get_unique_name()[1:].replace('.', '_')
    token = 'bench'
    path = f'/org/freedesktop/portal/desktop/request/{sender}/{token}'
    loop = GLib.MainLoop()
    outcome = []

    def answered(_connection, _sender, _path, _interface, _signal, parameters):
        code, results = parameters.unpack()
        if code == 0:
            shutil.move(results['uri'][len('file://'):], sys.argv[1])
        outcome.append(code)
        loop.quit()

    bus.signal_subscribe('org.freedesktop.portal.Desktop', 'org.freedesktop.portal.Request', 'Response', path, None,
                         Gio.DBusSignalFlags.NONE, answered)
    bus.call_sync('org.freedesktop.portal.Desktop', '/org/freedesktop/portal/desktop',
                  'org.freedesktop.portal.Screenshot', 'Screenshot',
                  GLib.Variant('(sa{sv})', ('', {'handle_token': GLib.Variant('s', token),
                                                 'interactive': GLib.Variant('b', False)})),
                  None, Gio.DBusCallFlags.NONE, 30000, None)
    GLib.timeout_add_seconds(30, loop.quit)
    loop.run()
    return 0 if outcome == [0] else 1


if __name__ == '__main__':
    sys.exit(main())
