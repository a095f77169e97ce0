"""Walks the picker's accessibility tree as a screen reader sees it (AT-SPI)
and drives the window by keys: names, roles and values of every control,
the main menu and the frame's menu in the tree, Tab in reading order, a
slider and a palette slot by keys, and the controls' places on the screen.
Usage: accessibility_walk.py WINDOW_ID SCALE"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

window = sys.argv[1]
scale = float(sys.argv[2])
failures = 0
passes = 0


def check(what, ok, detail=""):
    global failures, passes
    if ok:
        passes += 1
        print("ok: " + what)
    else:
        failures += 1
        print("FAILED: " + what + (": " + str(detail) if detail else ""))


def eventually(probe, seconds=30):
    """The probe's first true answer within the time, else None. The time is
    generous: under load the bus and the program answer slowly."""
    end = time.time() + seconds
    while True:
        try:
            answer = probe()
        except GLib.Error:
            answer = None
        if answer or time.time() > end:
            return answer
        time.sleep(0.2)


def application():
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_name() == "Pigmentrix":
            return app
    return None


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def descendants(node):
    """Every object under node; the items of a drop-down list are its own."""
    for child in children(node):
        yield child
        if node.get_role() != Atspi.Role.COMBO_BOX:
            yield from descendants(child)


def states(node):
    return node.get_state_set()


def value_of(node):
    interfaces = node.get_interfaces()
    if "Value" in interfaces:
        return str(int(node.get_current_value()))
    if "Text" in interfaces:
        return node.get_text(0, -1)
    return None


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


app = eventually(application, 60)
check("the picker is on the accessibility bus", app is not None)
if app is None:
    sys.exit(1)
frame_window = eventually(lambda: next((c for c in children(app) if c.get_name().startswith("Pigmentrix ")), None))
check("its window is in the tree", frame_window is not None)
if frame_window is None:
    sys.exit(1)


expected_names = ["Red", "Green", "Blue", "Alpha", "Hue", "Saturation", "Value", "Red slider", "Green slider",
                  "Blue slider", "Alpha slider", "Hue slider", "Saturation slider", "Value slider", "Undo", "Redo",
                  "Grab", "Options", "Close", "Load Palette", "Save Palette", "Color code", "Notation", "Zoom",
                  "Named color", "HSV picture", "Color frame"] + ["Palette slot %d" % k for k in range(1, 17)]
# First as a screen reader's cache holds the tree, then, for everything
# after, every answer fresh from the program.
cached = {n.get_name() for n in descendants(frame_window)}
check("a screen reader's cache has every control by name", not set(expected_names) - cached,
      sorted(set(expected_names) - cached))
app.set_cache_mask(Atspi.Cache.NONE)
app.clear_cache()


def named(name):
    """The control of that name (a label may carry the same words)."""
    return next((n for n in descendants(frame_window)
                 if n.get_name() == name and states(n).contains(Atspi.StateType.FOCUSABLE)), None)


def focused():
    for node in descendants(frame_window):
        if states(node).contains(Atspi.StateType.FOCUSED):
            return node
    return None


def focused_name():
    node = focused()
    return node.get_name() if node else None


# --- every control a screen reader reaches says what it is ---
controls = [n for n in descendants(frame_window)
            if states(n).contains(Atspi.StateType.FOCUSABLE) and states(n).contains(Atspi.StateType.SHOWING)
            and n.get_role() != Atspi.Role.LIST]
check("focusable controls are found", len(controls) >= 30, len(controls))
for node in controls:
    name, role, value = node.get_name(), node.get_role(), value_of(node)
    what = "%s (%s)" % (name or "?", node.get_role_name())
    check(what + " has a role", role not in (Atspi.Role.FILLER, Atspi.Role.PANEL, Atspi.Role.UNKNOWN,
                                            Atspi.Role.INVALID))
    check(what + " has a name", bool(name))
    check(what + " is not named by its value", value is None or name != value, value)
    if role == Atspi.Role.SLIDER:
        check(what + " has a value and range", "Value" in node.get_interfaces() and node.get_minimum_value() == 0
              and node.get_maximum_value() in (255, 360))
    if role in (Atspi.Role.TEXT, Atspi.Role.ENTRY):
        check(what + " holds its text", "Text" in node.get_interfaces())

found = {n.get_name() for n in descendants(frame_window)}
check("every control is there by name", not set(expected_names) - found, sorted(set(expected_names) - found))
frame = named("Color frame")
check("the colour frame tells its colour and contrast",
      frame is not None and frame.get_description().startswith("Color #") and "contrast" in frame.get_description(),
      frame.get_description() if frame else None)

# --- Tab, panel by panel in reading order ---
subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True)
subprocess.run(["xdotool", "mousemove", "--window", window, str(int(20 * scale)), str(int(20 * scale)), "click", "1"],
               check=True)
check("a click puts the focus on the colour frame", eventually(lambda: focused_name() == "Color frame"))
order = ["Color frame", "Red", "Green", "Blue", "Alpha", "Red slider", "Green slider", "Blue slider", "Alpha slider",
         "Invert", "Random", "Dialog", "HSV picture", "Notation", "Color code", "Copy", "Set", "Hue", "Saturation",
         "Value", "Hue slider", "Saturation slider", "Value slider", "Grab", "Zoom", "Load Palette", "Save Palette",
         "Palette slot 1", "Named color", "Options", "Close", "Color frame"]
visited = ["Color frame"]
for wanted in order[1:]:
    before = visited[-1]
    key("Tab")
    visited.append(eventually(lambda: focused_name() != before and focused_name()) or before)
check("Tab runs from the first control to the last in reading order", visited == order, visited)

# --- a slider by keys ---
slider = named("Red slider")
red = named("Red")
slider.grab_focus()
check("a slider takes the focus", eventually(lambda: focused_name() == "Red slider"))
start = int(slider.get_current_value())
for keys, wanted in (("Up", start + 1), ("Prior", min(start + 17, 255)), ("Home", 0), ("End", 255),
                     ("Down", 254)):
    key(keys)
    check("%s moves the slider to %d" % (keys, wanted),
          eventually(lambda: int(slider.get_current_value()) == wanted and red.get_text(0, -1) == str(wanted)),
          (slider.get_current_value(), red.get_text(0, -1)))

# --- a palette slot by keys ---
named("Palette slot 1").grab_focus()
check("a palette slot takes the focus", eventually(lambda: focused_name() == "Palette slot 1"))
key("Right")
check("Right moves to the next slot", eventually(lambda: focused_name() == "Palette slot 2"))
key("Return")
check("Enter makes the slot's colour current", eventually(lambda: frame.get_description().startswith("Color #006262")),
      frame.get_description())


# --- menus in the tree ---
def open_menu_with(item):
    for node in children(app):
        if node.get_role() in (Atspi.Role.POPUP_MENU, Atspi.Role.MENU):
            if any(c.get_name() == item for c in children(node)):
                return node
    return None


frame.grab_focus()
check("the tree's focus request puts the focus on the frame", eventually(lambda: focused_name() == "Color frame"))
key("Menu")
check("the Menu key opens the frame's menu, found in the tree",
      eventually(lambda: open_menu_with("Set Text Color to White")))
key("Escape")
check("Escape closes it", eventually(lambda: open_menu_with("Set Text Color to White") is None))
named("Options").grab_focus()
check("and on the options button", eventually(lambda: focused_name() == "Options"))
key("Return")
main_menu = eventually(lambda: open_menu_with("Always on Top"))
check("Return on the options button opens the main menu, found in the tree", main_menu)


def shown_windows():
    """The screen places of the program's windows on the screen, as the X
    server has them."""
    found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(app.get_process_id()), ""],
                           capture_output=True, text=True).stdout.split()
    places = []
    for shown in found:
        geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", shown], capture_output=True,
                                  text=True).stdout
        place = dict(line.split("=", 1) for line in geometry.split())
        if place:
            places.append(tuple(int(place[k]) for k in ("X", "Y", "WIDTH", "HEIGHT")))
    return places


if main_menu:
    menu_place = main_menu.get_extents(Atspi.CoordType.SCREEN)
    told_menu = (menu_place.x, menu_place.y, menu_place.width, menu_place.height)
    check("the open menu's place is its window's on the screen", told_menu in shown_windows(),
          "%s not among %s" % (told_menu, shown_windows()))
key("Escape")
check("Escape closes the main menu", eventually(lambda: open_menu_with("Always on Top") is None))

# --- places on the screen ---
geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], check=True, capture_output=True,
                          text=True).stdout
place = dict(line.split("=", 1) for line in geometry.split())
shown = frame.get_extents(Atspi.CoordType.SCREEN)
# The frame lies at (3, 3) in the window, 96 by 106, at the screen's scale.
wanted = (int(place["X"]) + round(3 * scale), int(place["Y"]) + round(3 * scale), round(96 * scale),
          round(106 * scale))
told = (shown.x, shown.y, shown.width, shown.height)
print("screen place of the colour frame: told %s, on the screen %s" % (told, wanted))
check("the frame's place on the screen is told in screen pixels", told == wanted, told)
inside = frame.get_extents(Atspi.CoordType.WINDOW)
check("and in the window, counted from its corner", (inside.x, inside.y) == (round(3 * scale), round(3 * scale)),
      (inside.x, inside.y))
size = frame.get_size()
check("its size is the screen's too", (size.x, size.y) == wanted[2:], (size.x, size.y))
found = frame_window.get_accessible_at_point(wanted[0] + wanted[2] - 1, wanted[1] + wanted[3] - 1,
                                                   Atspi.CoordType.SCREEN)
check("the screen pixel at the frame's far corner is the frame's", found is not None and found.get_name() == "Color frame",
      found.get_name() if found else None)
code = named("Color code")
code_place = code.get_extents(Atspi.CoordType.SCREEN)
# With no notation chosen the box is empty: a code typed in has characters.
code.set_text_contents("#123456")
check("a code typed in through the tree shows in the box", eventually(lambda: code.get_character_count() == 7))
first = code.get_character_extents(0, Atspi.CoordType.SCREEN)
check("the code's first character lies in the code box, in screen pixels",
      code_place.x <= first.x and first.x + first.width <= code_place.x + code_place.width
      and code_place.y <= first.y and first.y + first.height <= code_place.y + code_place.height
      and first.height > 8 * scale,
      ((first.x, first.y, first.width, first.height), (code_place.x, code_place.y, code_place.width,
                                                       code_place.height)))
beyond = frame_window.get_accessible_at_point(wanted[0] + wanted[2] + 1, wanted[1] + 1, Atspi.CoordType.SCREEN)
check("and the pixel beside it is not", beyond is None or beyond.get_name() != "Color frame")

print("%d passed, %d failed" % (passes, failures))
sys.exit(1 if failures else 0)
