#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures in docs/ again, headless: the window in both languages, a
# worksheet, an ionic equation and the File menus at their size, the Farsi menus and a Farsi
# message box zoomed twice. Builds what is missing first.
source "$(dirname "$0")/common.sh"
stoikon_build stoikon_screenshots >&2
shots="$STOIKON_BUILD/tests/stoikon_screenshots"
QT_QPA_PLATFORM=offscreen "$shots" "$STOIKON_ROOT/docs"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$shots" "$STOIKON_ROOT/docs" --zoomed
