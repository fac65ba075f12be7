#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the installed program, one step per ctest test:
#   check_install.sh STEP BUILD_DIR VERSION
#   install     cmake --install into BUILD_DIR/install-test/prefix: the layout, and the
#               installed program finds its own defaults
#   desktop     desktop-file-validate passes the desktop entry without a hint
#   metainfo    appstreamcli validate --no-net passes the metainfo; its newest release is VERSION
#   manpage     man shows the page without warnings; it names VERSION and every option
#   completion  bash completion offers every option, and .KVX documents and folders
#   deb         cpack -G DEB builds the package; dpkg-deb lists the files and library dependencies
# A step whose tool is missing exits with 77, which ctest reports as skipped.
set -euo pipefail

step=$1
build=$(cd "$2" && pwd -P)
version=$3
work=$build/install-test
prefix=$work/prefix

fail() {
    echo "FAIL: $*" >&2
    exit 1
}
skip() {
    echo "SKIPPED: $*"
    exit 77
}
need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null || skip "$tool is not installed"
    done
}
# The options the program lists in --help, one a line.
options() {
    "$prefix/bin/stoikon" --help | grep -oE '^  --[a-z-]+' | tr -d ' '
}

case $step in
install)
    rm -rf "$work"
    mkdir -p "$work/home" "$work/no-system-data"
    cmake --install "$build" --prefix "$prefix" >/dev/null
    for f in share/stoikon/New.KVX share/stoikon/NewF.KVX share/applications/stoikon.desktop \
        share/metainfo/org.example.stoikon.metainfo.xml share/man/man1/stoikon.1.gz \
        share/bash-completion/completions/stoikon share/mime/packages/stoikon.xml \
        share/icons/hicolor/scalable/apps/stoikon.svg share/icons/hicolor/48x48/apps/stoikon.png; do
        [ -f "$prefix/$f" ] || fail "$f is not installed"
    done
    [ "$(ls -A "$prefix/bin")" = stoikon ] || fail "bin/ holds more than the program: $(ls -A "$prefix/bin")"

    [ "$("$prefix/bin/stoikon" --version)" = "Stoikon $version" ] || fail "--version is not Stoikon $version"
    # A user of its own and no other installation: the program finds the defaults of its
    # own prefix and writes to the user's data folder, not into the prefix.
    found=$(env -u XDG_DATA_HOME HOME="$work/home" XDG_DATA_DIRS="$work/no-system-data" \
        "$prefix/bin/stoikon" --defaults) || fail "the installed program finds no defaults: $found"
    expected="English defaults (New.KVX): $prefix/share/stoikon/New.KVX
Farsi defaults (NewF.KVX): $prefix/share/stoikon/NewF.KVX
Options > Default writes to: $work/home/.local/share/stoikon"
    [ "$found" = "$expected" ] || fail "--defaults says
$found
instead of
$expected"
    ;;
desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$prefix/share/applications/stoikon.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "$out"
    ;;
metainfo)
    need appstreamcli
    file=$prefix/share/metainfo/org.example.stoikon.metainfo.xml
    appstreamcli validate --no-net "$file" || fail "appstreamcli validate"
    newest=$(grep -oE '<release version="[^"]+"' "$file" | head -n 1)
    [ "$newest" = "<release version=\"$version\"" ] || fail "the newest release is not $version: $newest"
    ;;
manpage)
    need man
    page=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/stoikon.1.gz" 2>"$work/man-warnings")
    [ ! -s "$work/man-warnings" ] || fail "man warns: $(cat "$work/man-warnings")"
    grep -qF "Stoikon $version" <<<"$page" || fail "the man page does not name Stoikon $version"
    for section in SYNOPSIS OPTIONS "EXIT STATUS" FILES; do
        grep -qx "$section" <<<"$page" || fail "the man page has no $section"
    done
    for option in $(options); do
        grep -qE "^ +(-[a-z], )?$option( |$)" <<<"$page" || fail "the man page does not describe $option"
    done
    ;;
completion)
    mkdir -p "$work/completion/folder"
    touch "$work/completion/a.KVX" "$work/completion/b.kvx" "$work/completion/c.txt"
    offered=$(cd "$work/completion" && bash -c '
        source "$1"
        COMP_WORDS=(stoikon --); COMP_CWORD=1; _stoikon; printf "%s\n" "${COMPREPLY[@]}"
        echo ---
        COMP_WORDS=(stoikon ""); COMP_CWORD=1; _stoikon; printf "%s\n" "${COMPREPLY[@]}" | sort
    ' completion "$prefix/share/bash-completion/completions/stoikon")
    expected="$(options)
---
a.KVX
b.kvx
folder"
    [ "$offered" = "$expected" ] || fail "completion offers
$offered
instead of
$expected"
    ;;
deb)
    need cpack dpkg-deb dpkg-shlibdeps file
    # A folder of its own: the install step may empty install-test/ meanwhile.
    out=$build/package-test
    rm -rf "$out"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$out" >"$build/package-test.log" 2>&1 ||
        fail "cpack: $(cat "$build/package-test.log")"
    deb=$(ls "$out"/stoikon_"$version"_*.deb) || fail "no stoikon_${version}_*.deb"
    listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    for f in ./usr/bin/stoikon ./usr/share/stoikon/New.KVX ./usr/share/stoikon/NewF.KVX \
        ./usr/share/applications/stoikon.desktop ./usr/share/metainfo/org.example.stoikon.metainfo.xml \
        ./usr/share/mime/packages/stoikon.xml ./usr/share/icons/hicolor/scalable/apps/stoikon.svg \
        ./usr/share/man/man1/stoikon.1.gz ./usr/share/bash-completion/completions/stoikon \
        ./usr/share/doc/stoikon/copyright; do
        grep -qxF "$f" <<<"$listing" || fail "the package lacks $f"
    done
    [ "$(grep -c '^\./usr/bin/.' <<<"$listing")" = 1 ] || fail "usr/bin holds more than the program"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcanberra0 libc6; do
        grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done
    ;;
*)
    fail "unknown step $step"
    ;;
esac
echo "PASS: $step"
