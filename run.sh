#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program in build/ (the stoikon command and its window
# program; ./test.sh builds the tests) and starts Stoikon with the given arguments (a .KVX
# document, or a command-line option such as --balance).
source "$(dirname "$0")/scripts/common.sh"
stoikon_build stoikon >&2
exec "$STOIKON_BUILD/stoikon" "$@"
