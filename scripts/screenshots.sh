#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the README's pictures in docs/ again, headless: the window in both languages, a
# worksheet, an ionic equation and the File menus at their size, the Farsi menus and a Farsi
# message box zoomed twice, and the first page of a handout in both languages. Builds what is
# missing first.
source "$(dirname "$0")/common.sh"
stoikon_build stoikon_screenshots >&2
shots="$STOIKON_BUILD/tests/stoikon_screenshots"
QT_QPA_PLATFORM=offscreen "$shots" "$STOIKON_ROOT/docs"
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$shots" "$STOIKON_ROOT/docs" --zoomed

# The handout's first page in both languages, on A4: the iron worksheet worked out through
# the command line, its PDF drawn by pdftoppm (poppler-utils).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for lang in en fa; do
    defaults=New.KVX
    [ "$lang" = fa ] && defaults=NewF.KVX
    { printf 'Fe+O2>Fe2O3\r\n'; tail -c +3 "$STOIKON_ROOT/resources/defaults/$defaults"; } |
        LC_ALL=C sed '0,/^,,,,,\r$/s//,,,,11.169,\r/' >"$work/iron.KVX"
    "$STOIKON_BUILD/stoikon" --calculate "$work/iron.KVX" -o "$work/done.KVX"
    LC_PAPER=en_GB.UTF-8 "$STOIKON_BUILD/stoikon" --export-pdf "$work/done.KVX" "$work/handout.pdf"
    pdftoppm -r 80 -png -singlefile -W 661 -H 220 "$work/handout.pdf" "$STOIKON_ROOT/docs/handout-$lang"
done
