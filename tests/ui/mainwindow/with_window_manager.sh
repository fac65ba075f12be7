#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server (xvfb-run, Debian's xvfb) under a real window
# manager, the first of openbox and xfwm4 that is installed. Exits with 77, which ctest
# reports as skipped, when either is missing.
set -u
if [ "${1:-}" != "--inside" ]; then
    command -v xvfb-run >/dev/null 2>&1 || { echo "no xvfb-run"; exit 77; }
    for wm in openbox xfwm4 ""; do
        [ -n "$wm" ] && command -v "$wm" >/dev/null 2>&1 && break
    done
    [ -n "$wm" ] || { echo "no window manager (openbox, xfwm4)"; exit 77; }
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside "$wm" "$@"
fi
wm=$2
shift 2
"$wm" >/dev/null 2>&1 &
wm_pid=$!
# The window manager announces itself on the root window once it manages the screen; the
# tests wait for its frames besides.
tries=0
while [ $tries -lt 50 ] && ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    sleep 0.1
    tries=$((tries + 1))
done
"$@"
status=$?
kill "$wm_pid" 2>/dev/null
wait "$wm_pid" 2>/dev/null
exit $status
