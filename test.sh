#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds in build/ and runs every test with ctest (headless).
source "$(dirname "$0")/scripts/common.sh"
stoikon_build
cd "$STOIKON_BUILD"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)" "$@"
