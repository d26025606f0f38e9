#!/bin/sh
# The arrow key with a screen reader listening on the accessibility bus: runs
# bench/measure_reader.py under its own session bus and X server.
#   bench/measure_reader.sh [build-folder]        (default: build)
set -eu
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/bench/auralis_bench" ] || { echo "no $build/bench/auralis_bench; build auralis_bench" >&2; exit 1; }
exec dbus-run-session -- xvfb-run -a -s "-screen 0 1280x1024x24 -r" \
    /usr/bin/python3 bench/measure_reader.py "$build/bench/auralis_bench"
