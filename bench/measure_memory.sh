#!/usr/bin/env bash
# Resident memory, CPU time and time to the first painted frame of the running program,
# and of a bare Qt window for comparison, interleaved run by run.
#
#   bench/measure_memory.sh [runs] [build-folder] [earlier-build-folder]   (defaults: 3, build)
#
# The program is measured four ways: in English, in German (--language de), with elements
# 110 to 118 on (Elements=118), and, when an earlier build folder is named, that build's
# program in English, so that a change is compared side by side in one run.
#
# Starts its own Xvfb, runs BUILD/bin/auralis with a fresh settings folder that keeps the
# first show quiet, waits for the main window "Auralis 1.8a" to be mapped, waits 3 s more
# and reads the CPU time of the process since launch, then VmRSS (with RssAnon, RssFile and
# Pss). The CPU time is the process's own figure for all its threads, those that have ended
# included (both programs write it when sent SIGUSR1): summing /proc/PID/task/*/schedstat
# would miss the program's font-configuration thread, which ends before the window shows,
# and the rusage reaped after a kill would add the teardown of the process. Then the same for
# BUILD/bench/auralis_bare_window ("Bare Qt window": a menu bar, a status bar and 118
# buttons). Both run with AURALIS_BENCH_STARTUP=1: each writes the wall-clock time of its
# first painted frame, and the program skips its splash's three-second wait (the splash is
# still shown). Prints every run, the median per program and the program's ratios to the
# bare window, and the median of the ratios of the runs taken back to back, which a machine
# whose speed drifts over minutes moves less. Needs Xvfb and xdotool.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
build=${2:-build}
earlier=${3:-}
program="$build/bin/auralis"
bare="$build/bench/auralis_bare_window"
for f in "$program" "$bare" ${earlier:+"$earlier/bin/auralis"}; do
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
Xvfb "$display" -screen 0 1280x1024x24 -r -nolisten tcp >"$work/xvfb.log" 2>&1 &
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

# cpu_ms PID LOG: asks the process for its CPU time so far (all threads) and prints it in ms.
cpu_ms() {
    kill -USR1 "$1"
    for _ in $(seq 1 200); do
        grep -q '^cpu time ' "$2" && break
        sleep 0.01
    done
    awk '/^cpu time / { printf "%.1f", $3 / 1e6; found = 1; exit } END { if (!found) exit 1 }' "$2"
}

# measure TITLE COMMAND...: starts the command, waits for its window and prints one line:
# VmRSS RssAnon RssFile Pss (KiB), CPU ms, launch to first painted frame in ms.
measure() {
    local title=$1
    shift
    local launched
    launched=$(date +%s%N)
    AURALIS_BENCH_STARTUP=1 "$@" >"$work/out.log" 2>&1 &
    app_pid=$!
    if ! timeout 30 xdotool search --sync --onlyvisible --name "^${title}\$" >/dev/null; then
        echo "the window \"$title\" did not appear; output:" >&2
        cat "$work/out.log" >&2
        exit 1
    fi
    sleep 3
    kill -0 "$app_pid" 2>/dev/null || { echo "$1 ended early" >&2; exit 1; }
    local rss anon file pss cpu frame
    cpu=$(cpu_ms "$app_pid" "$work/out.log") || { echo "$title wrote no CPU time" >&2; exit 1; }
    rss=$(kib VmRSS "$app_pid")
    anon=$(kib RssAnon "$app_pid")
    file=$(kib RssFile "$app_pid")
    pss=$(awk '$1 == "Pss:" { print $2 }' "/proc/$app_pid/smaps_rollup")
    kill "$app_pid"
    wait "$app_pid" 2>/dev/null || true
    app_pid=""
    frame=$(awk -v t="$launched" '/^first frame at / { printf "%.1f", ($4 - t) / 1e6; exit }' "$work/out.log")
    [ -n "$frame" ] || { echo "$title wrote no first-frame time" >&2; exit 1; }
    echo "$rss $anon $file $pss $cpu $frame"
}

mib() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }

# median FILE COLUMN: the median of one column.
median() { awk -v c="$2" '{ print $c }' "$1" | sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# range FILE COLUMN: the least and the greatest value of one column.
range() { awk -v c="$2" 'NR == 1 || $c < lo { lo = $c } NR == 1 || $c > hi { hi = $c } END { printf "%s..%s", lo, hi }' "$1"; }

# report NAME FILE: the median of each column.
report() {
    local name=$1 file=$2
    printf "%-22s VmRSS %6.1f MiB  (RssAnon %5.1f  RssFile %5.1f  Pss %5.1f MiB)  CPU %7.1f ms  first frame %7.1f ms  median of %d\n" \
        "$name" "$(mib "$(median "$file" 1)")" "$(mib "$(median "$file" 2)")" "$(mib "$(median "$file" 3)")" \
        "$(mib "$(median "$file" 4)")" "$(median "$file" 5)" "$(median "$file" 6)" "$(wc -l <"$file")"
}

# ratio NAME COLUMN: that program's median over the bare window's.
ratio() { awk -v a="$(median "$work/$1.txt" "$2")" -v b="$(median "$work/bare.txt" "$2")" 'BEGIN { printf "%.2f", a / b }'; }

# The ways the program is run: name, then the command after the settings are written.
variants=(auralis de e118)
[ -n "$earlier" ] && variants+=(earlier)
declare -A label=([auralis]="auralis" [de]="auralis German" [e118]="auralis 110..118" [earlier]="earlier build")

: >"$work/bare.txt"
for v in "${variants[@]}"; do
    : >"$work/$v.txt"
    : >"$work/$v.pairs"
done
for ((i = 1; i <= runs; ++i)); do
    for v in "${variants[@]}"; do
        settings="$work/settings-$v-$i"
        mkdir -p "$settings"
        printf '[About]\nRead=1\n[Colors]\nBackground=Gray\n' >"$settings/auralis.ini"
        case $v in
        auralis) line=$(LANGUAGE=en LC_ALL=C.UTF-8 measure "Auralis 1.8a" "$program" "$settings") ;;
        de) line=$(LANGUAGE=en LC_ALL=C.UTF-8 measure "Auralis 1.8a" "$program" --language de "$settings") ;;
        e118)
            printf '[Settings]\nElements=118\n' >>"$settings/auralis.ini"
            line=$(LANGUAGE=en LC_ALL=C.UTF-8 measure "Auralis 1.8a" "$program" "$settings")
            ;;
        earlier) line=$(LANGUAGE=en LC_ALL=C.UTF-8 measure "Auralis 1.8a" "$earlier/bin/auralis" "$settings") ;;
        esac
        echo "$line" >>"$work/$v.txt"
        printf 'run %d %-18s %s\n' "$i" "${label[$v]}:" "$line"
    done
    line=$(LANGUAGE=en LC_ALL=C.UTF-8 measure "Bare Qt window" "$bare")
    echo "$line" >>"$work/bare.txt"
    printf 'run %d %-18s %s\n' "$i" "bare Qt window:" "$line"
    # This run's ratios to the bare window: memory, CPU, first frame.
    for v in "${variants[@]}"; do
        paste -d' ' <(tail -n 1 "$work/$v.txt") <(tail -n 1 "$work/bare.txt") \
            | awk '{ printf "%.3f %.3f %.3f\n", $1 / $7, $5 / $11, $6 / $12 }' >>"$work/$v.pairs"
    done
done
echo "Qt $(qtpaths6 --qt-version 2>/dev/null || echo '?'), display $display (Xvfb 1280x1024x24), QT_QPA_PLATFORM=xcb"
for v in "${variants[@]}"; do
    report "${label[$v]}" "$work/$v.txt"
done
report "bare Qt window" "$work/bare.txt"
for v in "${variants[@]}"; do
    echo "${label[$v]} / bare window: memory (VmRSS) $(ratio "$v" 1)x, CPU launch to window + 3 s $(ratio "$v" 5)x, launch to first painted frame $(ratio "$v" 6)x;" \
        "median of the runs' own ratios: memory $(median "$work/$v.pairs" 1)x, CPU $(median "$work/$v.pairs" 2)x, first frame $(median "$work/$v.pairs" 3)x"
done
# Each way against English in the same runs, run by run: memory, CPU, first frame.
for v in "${variants[@]}"; do
    [ "$v" = auralis ] && continue
    paste -d' ' "$work/$v.txt" "$work/auralis.txt" \
        | awk '{ printf "%.4f %.4f %.4f\n", $1 / $7, $5 / $11, $6 / $12 }' >"$work/$v.vs"
    echo "${label[$v]} / auralis, median of the runs (range): memory $(median "$work/$v.vs" 1)x ($(range "$work/$v.vs" 1))," \
        "CPU $(median "$work/$v.vs" 2)x ($(range "$work/$v.vs" 2)), first frame $(median "$work/$v.vs" 3)x ($(range "$work/$v.vs" 3))"
done
