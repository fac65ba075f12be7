#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the AT-SPI reader (atspi_reader.py) on a virtual X server (xvfb-run, Debian's xvfb)
# with its own D-Bus session (dbus-run-session, Debian's dbus-daemon), whose accessibility bus
# Debian's at-spi2-core starts. Exits with 77, which ctest reports as skipped, naming what
# is missing.
command -v xvfb-run >/dev/null 2>&1 || { echo "no xvfb-run (xvfb)"; exit 77; }
command -v dbus-run-session >/dev/null 2>&1 || { echo "no dbus-run-session (dbus-daemon)"; exit 77; }
[ -f /usr/share/dbus-1/services/org.a11y.Bus.service ] || { echo "no accessibility bus (at-spi2-core)"; exit 77; }
/usr/bin/python3 -c "import pyatspi" 2>/dev/null || { echo "no pyatspi (python3-pyatspi)"; exit 77; }
# "xvfb-run -a" may hand two runs started at once the same display; the reader then exits
# with 3 as the program finds no display, and runs once more.
for try in 1 2 3; do
    xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- /usr/bin/python3 "$@"
    status=$?
    [ $status -eq 3 ] || exit $status
    sleep 1
done
exit $status
