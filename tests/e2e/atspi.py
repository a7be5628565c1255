#!/usr/bin/python3
"""Finds a control of a running program through the accessibility bus (AT-SPI)
by its role and accessible name, and prints where it is on the screen, so a
test clicks the control a teacher would click wherever it is laid out.

  atspi.py find PID ROLE NAME [--tip TEXT] [--in NAME]
      The centre "X Y" of the one shown control of that role (or roles, split
      by "|"; the names the program gives, e.g. "push button", "menu item",
      "tree item") and name. --tip: its tool tip starts with TEXT (two buttons
      may share a caption); --in: it lies within the shown control of that name
      (a menu bar item's menu).
  atspi.py popup PID NAME COMMAND...
      Runs COMMAND (the right click that opens a pop-up menu) and prints the
      centre of the item NAME of the menu that shows. Pop-up menus are no
      window's children, so the menu is known by the event of its showing.

A control not shown within thirty seconds (ATSPI_WAIT; the program may be
busy that long on a loaded machine, starting the web engine) ends it with
status 1 and a message naming the control; so does a name shown twice.
"""
import os
import subprocess
import sys
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

ACCESSIBLE = "org.a11y.atspi.Accessible"
REGISTRY = "org.a11y.atspi.Registry"
ROOT = "/org/a11y/atspi/accessible/root"
SHOWING = 1 << 25  # ATSPI_STATE_SHOWING, in the state set's first word
WAIT = float(os.environ.get("ATSPI_WAIT", "30"))


def fail(message):
    print(f"atspi: {message}", file=sys.stderr)
    sys.exit(1)


def a11y_bus():
    session = Gio.bus_get_sync(Gio.BusType.SESSION)
    address = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                                GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, 5000).unpack()[0]
    return Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION)


def batch(bus, calls):
    """Sends the calls (destination, path, interface, method, arguments) all at
    once and waits for every answer: the program answers a level of the tree in
    one turn of its event loop, however busy it is. A failed call (an object
    gone meanwhile, or no answer within the wait) answers None."""
    answers = [None] * len(calls)
    pending = [len(calls)]

    def done(connection, result, index):
        try:
            answers[index] = connection.call_finish(result).unpack()
        except GLib.Error:
            pass
        pending[0] -= 1

    for index, (destination, path, interface, method, arguments) in enumerate(calls):
        bus.call(destination, path, interface, method, arguments, None, Gio.DBusCallFlags.NONE, int(WAIT * 1000),
                 None, done, index)
    context = GLib.MainContext.default()
    while pending[0]:
        context.iteration(True)
    return answers


def application(bus, pid):
    """The bus name of the program's accessible tree, waiting for it to register."""
    deadline = time.monotonic() + WAIT
    while True:
        apps = batch(bus, [(REGISTRY, ROOT, ACCESSIBLE, "GetChildren", None)])[0]
        names = [name for name, _ in apps[0]] if apps else []
        pids = batch(bus, [("org.freedesktop.DBus", "/org/freedesktop/DBus", "org.freedesktop.DBus",
                            "GetConnectionUnixProcessID", GLib.Variant("(s)", (name,))) for name in names])
        for name, found in zip(names, pids):
            if found and found[0] == pid:
                return name
        if time.monotonic() > deadline:
            fail(f"process {pid} has no accessible tree (is QT_LINUX_ACCESSIBILITY_ALWAYS_ON set?)")
        time.sleep(0.1)


def property_call(app, path, name):
    return (app, path, "org.freedesktop.DBus.Properties", "Get", GLib.Variant("(ss)", (ACCESSIBLE, name)))


def search(bus, app, root, roles, name, within):
    """Paths of the shown objects of one of the roles and that name (below one
    named `within`, if given), level by level through shown objects only."""
    found = []
    level = [(root, within is None)]
    while level:
        calls = []
        for path, _ in level:
            calls += [(app, path, ACCESSIBLE, "GetRoleName", None), (app, path, ACCESSIBLE, "GetState", None),
                      property_call(app, path, "Name"), (app, path, ACCESSIBLE, "GetChildren", None)]
        answers = batch(bus, calls)
        below = []
        for index, (path, inside) in enumerate(level):
            role, state, label, children = answers[4 * index:4 * index + 4]
            if not (role and state and label and children):
                continue
            if path != root and not state[0][0] & SHOWING:
                continue
            if inside and (roles is None or role[0] in roles) and label[0] == name:
                found.append(path)
            inside = inside or label[0] == within
            below += [(child, inside) for owner, child in children[0] if owner == app]
        level = below
    return found


def extents(bus, app, path):
    answer = batch(bus, [(app, path, "org.a11y.atspi.Component", "GetExtents", GLib.Variant("(u)", (0,)))])[0]
    return answer[0] if answer else None


def described(bus, app, paths, tip):
    tips = batch(bus, [property_call(app, path, "Description") for path in paths])
    return [path for path, answer in zip(paths, tips) if answer and answer[0].startswith(tip)]


def centre(box):
    """In the screen's pixels: Qt 6.4 tells places in device-independent ones,
    scaled by the QT_SCALE_FACTOR the program has from the same environment."""
    scale = float(os.environ.get("QT_SCALE_FACTOR", "1"))
    x, y, width, height = box
    return f"{round((x + width / 2) * scale)} {round((y + height / 2) * scale)}"


def find(arguments):
    pid, roles, name = int(arguments[0]), arguments[1], arguments[2]
    options = dict(zip(arguments[3::2], arguments[4::2]))
    bus = a11y_bus()
    app = application(bus, pid)
    what = f"{roles} “{name}”" + (f" (tool tip {options['--tip']}…)" if "--tip" in options else "") + \
        (f" in “{options['--in']}”" if "--in" in options else "")
    deadline = time.monotonic() + WAIT
    while True:
        paths = search(bus, app, ROOT, roles.split("|"), name, options.get("--in"))
        if "--tip" in options:
            paths = described(bus, app, paths, options["--tip"])
        boxes = [box for box in (extents(bus, app, path) for path in paths) if box and box[2] > 0 and box[3] > 0]
        if len(boxes) > 1:
            fail(f"{len(boxes)} shown controls are {what}: which one is meant?")
        if boxes:
            print(centre(boxes[0]))
            return
        if time.monotonic() > deadline:
            others = search(bus, app, ROOT, None, name, None)
            seen = batch(bus, [call for path in others for call in
                               ((app, path, ACCESSIBLE, "GetRoleName", None), property_call(app, path, "Description"))])
            seen = [f"{role[0]} ({tip[0]})" if tip and tip[0] else role[0]
                    for role, tip in zip(seen[::2], seen[1::2]) if role and tip is not None]
            fail(f"no shown {what} in process {pid} after {WAIT:g} s" +
                 (f"; shown by that name: {', '.join(seen)}" if seen else ""))
        time.sleep(0.1)


def popup(arguments):
    pid, name, command = int(arguments[0]), arguments[1], arguments[2:]
    bus = a11y_bus()
    app = application(bus, pid)
    shown = []
    bus.signal_subscribe(app, "org.a11y.atspi.Event.Object", "StateChanged", None, "showing",
                         Gio.DBusSignalFlags.NONE, lambda *signal: shown.append((signal[2], signal[5][1])))
    batch(bus, [(REGISTRY, "/org/a11y/atspi/registry", REGISTRY, "RegisterEvent",
                 GLib.Variant("(sass)", ("object:state-changed:showing", [], "")))])
    # The program learns of the listener before this answer of its own.
    batch(bus, [(app, ROOT, ACCESSIBLE, "GetRoleName", None)])
    subprocess.run(command, check=True)
    deadline = time.monotonic() + WAIT
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        menus = [path for path, on in shown if on == 1]
        roles = batch(bus, [(app, path, ACCESSIBLE, "GetRoleName", None) for path in menus])
        menus = [path for path, role in zip(menus, roles) if role and role[0] == "popup menu"]
        if menus:
            items = search(bus, app, menus[-1], ["menu item"], name, None)
            box = extents(bus, app, items[0]) if len(items) == 1 else None
            if box:
                print(centre(box))
                return
            fail(f"the pop-up menu has {len(items) or 'no'} item “{name}”")
        time.sleep(0.05)
    fail(f"no pop-up menu showed in process {pid} after {WAIT:g} s of {' '.join(command)}")


if __name__ == "__main__":
    commands = {"find": find, "popup": popup}
    if len(sys.argv) < 4 or sys.argv[1] not in commands:
        fail(__doc__)
    commands[sys.argv[1]](sys.argv[2:])
