#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads the window as a screen reader does, through AT-SPI: the reaction line before and
# after Balance (its text, and the change told as it happens), a formula of the grid as
# spoken and a menu item with its key.
# Run inside a virtual X server and a D-Bus session (read_with_atspi.sh).
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

program, new_document = sys.argv[1], sys.argv[2]
failures = []


def check(what, got, expected):
    print(f"{what}: {got!r}")
    if got != expected:
        failures.append(f"{what}: expected {expected!r}, got {got!r}")


def wait_for(find, seconds=20):
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


def find_in(app, role, name):
    return next((n for n in descendants(app) if n.getRole() == role and n.name == name), None)


home = tempfile.mkdtemp()
document = os.path.join(home, "water.KVX")
with open(new_document, "rb") as source, open(document, "wb") as target:
    target.write(b"H2+O2>H2O" + source.read())  # the first line holds the reaction
env = dict(os.environ, HOME=home, XDG_CONFIG_HOME=home, XDG_DATA_HOME=home,
           QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb", LANG="C.UTF-8")
window = subprocess.Popen([program, document], env=env)
inserted = []


def told(event):
    inserted.append(event.any_data)


pyatspi.Registry.registerEventListener(told, "object:text-changed:insert")
try:
    app = wait_for(lambda: "exited" if window.poll() is not None else next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Stoikon"), None))
    if app == "exited":  # as when the virtual server was lost to another run's
        sys.exit(print("the program exited at its start") or 3)
    if not app:
        sys.exit("FAIL: the program never appeared on the accessibility bus")
    line = wait_for(lambda: next((n for n in descendants(app) if n.name == "Reaction" and n.getRole()
                                  in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY)), None))
    if not line:
        sys.exit("FAIL: no text named Reaction")
    text = line.queryText()
    check("reaction line", text.getText(0, -1), "H 2 plus O 2 yields H 2 O")
    check("editable", line.getState().contains(pyatspi.STATE_EDITABLE), True)

    balance = find_in(app, pyatspi.ROLE_PUSH_BUTTON, "Balance")
    balance.queryAction().doAction(0)
    spoken = "2 H 2 plus O 2 yields 2 H 2 O"
    wait_for(lambda: spoken in inserted)
    check("told after Balance", spoken in inserted, True)
    check("reaction line after Balance", text.getText(0, -1), spoken)

    check("grid's formula", find_in(app, pyatspi.ROLE_TABLE_CELL, "H 2 O") is not None, True)

    check_item = find_in(app, pyatspi.ROLE_MENU_ITEM, "Check")
    check("menu item Check", check_item is not None, True)
    if check_item:
        check("its key", check_item.queryAction().getKeyBinding(0), "Ctrl+K")
finally:
    pyatspi.Registry.deregisterEventListener(told, "object:text-changed:insert")
    window.terminate()
    window.wait(10)
    shutil.rmtree(home, ignore_errors=True)

if failures:
    sys.exit("FAIL:\n" + "\n".join(failures))
print("PASS")
