#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks of the installed program, one step per ctest test:
#   check_install.sh STEP BUILD_DIR VERSION APP_ID SOURCE_DIR
#   install     cmake --install into BUILD_DIR/install-test/prefix: the layout, the changelog,
#               the installed program finds its own defaults, from the command and from the
#               window program, and the command hands an export that draws to the latter
#   display     without a display the window is refused in one line with status 1; an
#               option after a document is a wrong call, status 2
#   desktop     desktop-file-validate passes the desktop entry without a hint
#   metainfo    appstreamcli validate --no-net passes the metainfo, and one made with a web
#               site; its newest release is VERSION
#   manpage     man shows the page without warnings; it names VERSION and every option
#   completion  bash completion offers every option, and .KVX documents and folders
#   deb         cpack -G DEB builds the package; dpkg-deb lists the files and dependencies;
#               its files carry the time of the last commit
#   lintian     lintian finds no error and no warning in the package (the deb step's)
# A step whose tool is missing exits with 77, which ctest reports as skipped.
set -euo pipefail

step=$1
build=$(cd "$2" && pwd -P)
version=$3
app_id=$4
source=$5
work=$build/install-test
prefix=$work/prefix
metainfo=share/metainfo/$app_id.metainfo.xml
# The package, made by the deb step in a folder of its own (the install step may empty
# install-test/ meanwhile).
package=$build/package-test

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
    for f in libexec/stoikon/stoikon-window share/stoikon/New.KVX share/stoikon/NewF.KVX share/applications/stoikon.desktop \
        "$metainfo" share/man/man1/stoikon.1.gz \
        share/bash-completion/completions/stoikon share/mime/packages/stoikon.xml \
        share/icons/hicolor/scalable/apps/stoikon.svg share/icons/hicolor/48x48/apps/stoikon.png \
        share/doc/stoikon/README.md.gz share/doc/stoikon/user-guide.html share/doc/stoikon/user-guide-fa.html \
        share/doc/stoikon/changelog.gz share/doc/stoikon/copyright; do
        [ -f "$prefix/$f" ] || fail "$f is not installed"
    done
    newest=$(gzip -dc "$prefix/share/doc/stoikon/changelog.gz" | head -n 1)
    [[ $newest == "stoikon ($version) "* ]] || fail "the changelog's newest entry is not $version: $newest"
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
    window=$(env -u XDG_DATA_HOME HOME="$work/home" XDG_DATA_DIRS="$work/no-system-data" \
        "$prefix/libexec/stoikon/stoikon-window" --defaults) || fail "the window program finds no defaults"
    [ "$window" = "$expected" ] || fail "the window program's --defaults says
$window
instead of
$expected"
    "$prefix/bin/stoikon" --export-bitmap "$prefix/share/stoikon/New.KVX" "$work/new.bmp" ||
        fail "the installed command does not export a bitmap"
    [ "$(head -c 2 "$work/new.bmp")" = BM ] || fail "the installed command's bitmap is no bitmap"
    ;;
display)
    # No display at all, and one that is not there.
    for display in "-u DISPLAY" "DISPLAY=:97"; do
        status=0
        # shellcheck disable=SC2086
        env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $display "$prefix/bin/stoikon" 2>"$work/display-err" || status=$?
        [ "$status" = 1 ] || fail "$display: status $status instead of 1"
        [ "$(wc -l <"$work/display-err")" = 1 ] || fail "$display: more than one line: $(cat "$work/display-err")"
        grep -q "cannot open the window.*stoikon --help" "$work/display-err" || fail "$(cat "$work/display-err")"
    done
    status=0
    "$prefix/bin/stoikon" missing.KVX --balance x 2>"$work/display-err" || status=$?
    [ "$status" = 2 ] || fail "an option after a document: status $status instead of 2"
    ;;
desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$prefix/share/applications/stoikon.desktop" 2>&1) || fail "$out"
    [ -z "$out" ] || fail "$out"
    ;;
metainfo)
    need appstreamcli
    file=$prefix/$metainfo
    appstreamcli validate --no-net "$file" || fail "appstreamcli validate"
    # With a web site the metainfo names its pages and screenshots.
    cmake -DSTOIKON_APP_ID=net.example.stoikon -DSTOIKON_HOMEPAGE=https://stoikon.example.net/ \
        -DSTOIKON_METAINFO_IN="$source/resources/stoikon.metainfo.xml.in" \
        -DSTOIKON_METAINFO_OUT="$work/net.example.stoikon.metainfo.xml" -P "$source/cmake/Metainfo.cmake"
    grep -qF '<image type="source">https://stoikon.example.net/screenshots/window-fa.png</image>' \
        "$work/net.example.stoikon.metainfo.xml" || fail "no screenshots with a web site"
    appstreamcli validate --no-net "$work/net.example.stoikon.metainfo.xml" || fail "appstreamcli validate, with a web site"
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
    rm -rf "$package"
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$package" >"$build/package-test.log" 2>&1 ||
        fail "cpack: $(cat "$build/package-test.log")"
    deb=$(ls "$package"/stoikon_"$version"_*.deb) || fail "no stoikon_${version}_*.deb"
    listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
    for f in ./usr/bin/stoikon ./usr/libexec/stoikon/stoikon-window ./usr/share/stoikon/New.KVX ./usr/share/stoikon/NewF.KVX \
        ./usr/share/applications/stoikon.desktop "./usr/$metainfo" \
        ./usr/share/mime/packages/stoikon.xml ./usr/share/icons/hicolor/scalable/apps/stoikon.svg \
        ./usr/share/man/man1/stoikon.1.gz ./usr/share/bash-completion/completions/stoikon \
        ./usr/share/doc/stoikon/copyright ./usr/share/doc/stoikon/changelog.gz \
        ./usr/share/doc/stoikon/README.md.gz ./usr/share/doc/stoikon/user-guide.html; do
        grep -qxF "$f" <<<"$listing" || fail "the package lacks $f"
    done
    [ "$(grep -c '^\./usr/bin/.' <<<"$listing")" = 1 ] || fail "usr/bin holds more than the program"
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libqt6widgets6 libqt6gui6 libqt6core6 libcanberra0 libc6; do
        grep -qE "(^|, )$lib( |,|$)" <<<"$depends" || fail "Depends lacks $lib: $depends"
    done
    [ "$(dpkg-deb -f "$deb" Recommends)" = "fonts-dejavu-core, fonts-liberation, xdg-utils" ] ||
        fail "Recommends: $(dpkg-deb -f "$deb" Recommends)"
    [ "$(dpkg-deb -f "$deb" Suggests)" = libcanberra-pulse ] || fail "Suggests: $(dpkg-deb -f "$deb" Suggests)"
    # Reproducible: every file has the time of the last commit, not of the build.
    if [ -z "${SOURCE_DATE_EPOCH:-}" ] && commit=$(git -C "$source" log -1 --format=%ct 2>/dev/null); then
        times=$(dpkg-deb --fsys-tarfile "$deb" | tar -t -v --full-time --utc | awk '{print $4 " " $5}' | sort -u)
        [ "$times" = "$(date -u -d "@$commit" '+%Y-%m-%d %H:%M:%S')" ] ||
            fail "the files' times are not the last commit's: $times"
    fi
    ;;
lintian)
    need lintian
    deb=$(ls "$package"/stoikon_"$version"_*.deb) || fail "no package: the deb step makes it"
    # lintian's own note on running as root is not about the package.
    report=$(lintian "$deb" 2>&1 | grep -v '^running with root privileges' || true)
    echo "lintian $deb:"
    echo "${report:-(nothing to report)}"
    ! grep -qE '^[EW]: ' <<<"$report" || fail "lintian reports errors or warnings"
    ;;
*)
    fail "unknown step $step"
    ;;
esac
echo "PASS: $step"
