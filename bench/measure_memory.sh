#!/usr/bin/env bash
# Resident memory of the running program, and of a bare Qt window for comparison.
#
#   bench/measure_memory.sh [runs] [build-folder]       (defaults: 3, build)
#
# Starts its own Xvfb, runs BUILD/bin/auralis with a fresh settings folder that keeps the
# first show quiet, waits for the main window "Auralis 1.8a" to be mapped, waits 3 s more
# and reads VmRSS (with RssAnon, RssFile and Pss) of the process. Then the same for
# BUILD/bench/auralis_bare_window ("Bare Qt window": a menu bar, a status bar and 118
# buttons). Prints every run and the median per program. Needs Xvfb and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${2:-build}
program="$build/bin/auralis"
bare="$build/bench/auralis_bare_window"
for f in "$program" "$bare"; do
    [ -x "$f" ] || { echo "no $f; build the auralis and auralis_bench targets" >&2; exit 1; }
done
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing (apt-get install xvfb xdotool)" >&2; exit 1; }
done

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# A display number nobody holds.
display=""
for n in $(seq 120 180); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY="$display"
for _ in $(seq 1 100); do
    xdotool getmouselocation >/dev/null 2>&1 && break
    sleep 0.1
done
xdotool getmouselocation >/dev/null 2>&1 || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

# kib FIELD PID: the field of /proc/PID/status in KiB.
kib() { awk -v f="$1:" '$1 == f { print $2 }' "/proc/$2/status"; }

# measure TITLE COMMAND...: starts the command, waits for its window and prints one line.
measure() {
    local title=$1
    shift
    "$@" >"$work/out.log" 2>&1 &
    app_pid=$!
    if ! timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null; then
        echo "the window \"$title\" did not appear; output:" >&2
        cat "$work/out.log" >&2
        exit 1
    fi
    sleep 3
    kill -0 "$app_pid" 2>/dev/null || { echo "$1 ended early" >&2; exit 1; }
    local rss anon file pss
    rss=$(kib VmRSS "$app_pid")
    anon=$(kib RssAnon "$app_pid")
    file=$(kib RssFile "$app_pid")
    pss=$(awk '$1 == "Pss:" { print $2 }' "/proc/$app_pid/smaps_rollup")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    echo "$rss $anon $file $pss"
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# report NAME FILE: every run, then the median of each column.
report() {
    local name=$1 file=$2
    sort -n "$file" | awk -v name="$name" '
        { rss[NR] = $1; anon[NR] = $2; fil[NR] = $3; pss[NR] = $4 }
        END {
            m = int((NR + 1) / 2)
            printf "%-22s VmRSS %6.1f MiB  (RssAnon %5.1f  RssFile %5.1f  Pss %5.1f MiB)  median of %d\n",
                name, rss[m] / 1024, anon[m] / 1024, fil[m] / 1024, pss[m] / 1024, NR
        }'
}

: >"$work/auralis.txt"
: >"$work/bare.txt"
for ((i = 1; i <= runs; ++i)); do
    settings="$work/settings$i"
    mkdir -p "$settings"
    printf '[About]\nRead=1\n[Colors]\nBackground=Gray\n' >"$settings/auralis.ini"
    line=$(measure "Auralis 1.8a" "$program" "$settings")
    echo "$line" >>"$work/auralis.txt"
    echo "run $i auralis:            VmRSS $(mib "${line%% *}") MiB"
    line=$(measure "Bare Qt window" "$bare")
    echo "$line" >>"$work/bare.txt"
    echo "run $i bare Qt window:     VmRSS $(mib "${line%% *}") MiB"
done
echo "Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'), display $display (Xvfb 1280x1024x24), QT_QPA_PLATFORM=xcb"
report "auralis" "$work/auralis.txt"
report "bare Qt window" "$work/bare.txt"
