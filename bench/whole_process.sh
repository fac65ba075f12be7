#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times the stoikon command as whole processes, start-up included: --version, --balance on
# one reaction, --balance on the test corpus repeated 20 times through standard input, and,
# with the benchmarks built, the window's start to its first paint (offscreen).
#   bench/whole_process.sh [BUILD_FOLDER [RUNS]]      (default: build-bench, or else build; 30)
# Each figure is the median of RUNS runs, wall time from bash's clock around the run (so it
# includes starting the process, as a script calling stoikon pays it); peak memory is GNU
# time's maximum resident set size. The first row, /bin/true, is the floor: what starting any
# process costs here.
set -euo pipefail
export LC_ALL=C
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-}"
if [ -z "$build" ]; then
    build="$root/build-bench"
    [ -x "$build/stoikon" ] || build="$root/build"
fi
runs="${2:-30}"
program="$build/stoikon"
[ -x "$program" ] || { echo "no program at $program: build it first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for _ in $(seq 20); do grep -v '^#' "$root/tests/core/corpus.txt" | sed -n 's/^[^ ]* //p'; done >"$work/corpus20"
: >"$work/empty"
# A settings and data folder of the run's own: the window starts as on a first start.
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work"

# median_of FILE: the middle line of a column of numbers.
median_of() {
    sort -n "$1" | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

# measure NAME INPUT COMMAND...: one row, the median wall milliseconds and peak memory.
measure() {
    local name=$1 input=$2
    shift 2
    local start end
    "$@" <"$input" >/dev/null 2>&1 || true # warm-up: the files in the page cache
    : >"$work/wall"
    for ((i = 0; i < runs; i++)); do
        start=$EPOCHREALTIME
        "$@" <"$input" >/dev/null 2>&1 || true
        end=$EPOCHREALTIME
        echo $((${end/./} - ${start/./})) >>"$work/wall"
    done
    local peak="-"
    if [ -x /usr/bin/time ]; then
        : >"$work/peak"
        for ((i = 0; i < 5; i++)); do
            /usr/bin/time -f %M -o "$work/kb" "$@" <"$input" >/dev/null 2>&1 || true
            tail -n 1 "$work/kb" >>"$work/peak"
        done
        peak="$(awk -v kb="$(median_of "$work/peak")" 'BEGIN {printf "%.1f MB", kb / 1024}')"
    fi
    awk -v us="$(median_of "$work/wall")" -v name="$name" -v peak="$peak" \
        'BEGIN {printf "| %-48s | %9.2f ms | %9s |\n", name, us / 1000, peak}'
}

echo "| Run (median of $runs)                               | Wall         | Peak      |"
echo "|--------------------------------------------------|--------------|-----------|"
measure "/bin/true (starting a process)" "$work/empty" /bin/true
measure "stoikon --version" "$work/empty" "$program" --version
measure "stoikon --balance H2+O2>H2O" "$work/empty" "$program" --balance "H2+O2>H2O"
measure "stoikon --balance < corpus x20 ($(wc -l <"$work/corpus20") lines)" "$work/corpus20" "$program" --balance
loader="$build/bench/libstoikon_first_paint_loader.so"
if [ -f "$loader" ]; then
    measure "stoikon, the window to its first paint" "$work/empty" \
        env QT_QPA_PLATFORM=offscreen LD_PRELOAD="$loader" "$program"
else
    echo "(no $loader: configure with -DSTOIKON_BUILD_BENCHMARKS=ON for the window's start-up)" >&2
fi
