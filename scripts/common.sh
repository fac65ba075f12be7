# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by run.sh and test.sh: install what is missing, then configure and build in build/.
set -euo pipefail

STOIKON_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
STOIKON_BUILD="${STOIKON_BUILD:-$STOIKON_ROOT/build}"

# Debian packages the build, the tests and the running program need (libcanberra for the
# message boxes' sounds, Boost's headers for whole numbers of any size in Balance, libacl and
# libattr to keep a saved file's access control list and extended attributes); the last line
# is for the install tests (validators, the man page viewer), for building the .deb with
# cpack and checking it with lintian, and for the clipboard and window tests on a virtual X
# server under a window manager.
STOIKON_PACKAGES=(build-essential cmake pkgconf qt6-base-dev qt6-svg-dev libgl-dev libcanberra-dev libboost-dev libacl1-dev
    libattr1-dev fonts-dejavu-core fonts-liberation desktop-file-utils appstream man-db dpkg-dev file lintian
    xvfb x11-utils openbox dbus-daemon at-spi2-core python3-pyatspi poppler-utils)

stoikon_install_packages() {
    local missing=()
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# stoikon_build [TARGET...]: builds the targets named, or everything (the tests included).
stoikon_build() {
    stoikon_install_packages "${STOIKON_PACKAGES[@]}"
    if [ ! -f "$STOIKON_BUILD/CMakeCache.txt" ]; then
        cmake -S "$STOIKON_ROOT" -B "$STOIKON_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo
    fi
    local targets=()
    [ $# -eq 0 ] || targets=(--target "$@")
    cmake --build "$STOIKON_BUILD" --parallel "$(nproc)" "${targets[@]}"
}
