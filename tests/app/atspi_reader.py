#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the window as a screen reader does, through AT-SPI, in English and in Farsi: the
# reaction line before and after Balance (its text, and the change told as it happens), a
# formula of the grid and a menu item with its key. Run inside a virtual X server and a D-Bus
# session (read_with_atspi.sh); exits with 3 when the program could not start there.
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

program, defaults = sys.argv[1], os.path.dirname(sys.argv[2])
# The document a language starts from, and what is heard of it.
READINGS = [
    ("New.KVX", "Reaction", "Balance", "Check", "H 2 plus O 2 yields H 2 O", "2 H 2 plus O 2 yields 2 H 2 O"),
    ("NewF.KVX", "واکنش", "موازنه", "بررسی", "H 2 به‌اضافه O 2 می‌دهد H 2 O", "2 H 2 به‌اضافه O 2 می‌دهد 2 H 2 O"),
]
failures = []
inserted = []


def told(event):
    inserted.append(event.any_data)


def check(what, got, expected):
    print(f"{what}: {got!r}")
    if got != expected:
        failures.append(f"{what}: expected {expected!r}, got {got!r}")


def wait_for(find, seconds=40):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        GLib.MainContext.default().iteration(False)
        found = find()
        if found:
            return found
        time.sleep(0.05)
    return None


def descendants(node):
    for child in node:
        if child is not None:
            yield child
            yield from descendants(child)


def find_in(app, roles, name):
    return next((n for n in descendants(app) if n.getRole() in roles and n.name == name), None)


def read(home, defaults_name, line_name, balance_name, item_name, typed, balanced):
    document = os.path.join(home, defaults_name)
    with open(os.path.join(defaults, defaults_name), "rb") as source, open(document, "wb") as target:
        target.write(b"H2+O2>H2O" + source.read())  # the first line holds the reaction
    env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
               QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    window = subprocess.Popen([program, document], env=env)
    try:
        app = wait_for(lambda: "exited" if window.poll() is not None else next(
            (a for a in pyatspi.Registry.getDesktop(0) if a and a.get_process_id() == window.pid), None))
        if app == "exited":  # as when the virtual server was lost to another run's
            sys.exit(print("the program exited at its start") or 3)
        line = app and wait_for(lambda: find_in(app, (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY), line_name))
        if not line:
            return failures.append(f"{defaults_name}: no text named {line_name}")
        text = line.queryText()
        check("reaction line", text.getText(0, -1), typed)
        find_in(app, (pyatspi.ROLE_PUSH_BUTTON,), balance_name).queryAction().doAction(0)
        wait_for(lambda: balanced in inserted)
        check("told after Balance", balanced in inserted, True)
        check("reaction line after Balance", text.getText(0, -1), balanced)
        check("grid's formula", find_in(app, (pyatspi.ROLE_TABLE_CELL,), "H 2 O") is not None, True)
        item = find_in(app, (pyatspi.ROLE_MENU_ITEM,), item_name)
        check(f"menu item {item_name}'s key", item and item.queryAction().getKeyBinding(0), "Ctrl+K")
    finally:
        window.terminate()
        window.wait(10)


pyatspi.Registry.registerEventListener(told, "object:text-changed:insert")
for reading in READINGS:
    home = tempfile.mkdtemp()
    try:
        read(home, *reading)
    finally:
        shutil.rmtree(home, ignore_errors=True)
pyatspi.Registry.deregisterEventListener(told, "object:text-changed:insert")
if failures:
    sys.exit("FAIL:\n" + "\n".join(failures))
print("PASS")
