#!/usr/bin/env bash
# Runs the benchmark program several times and prints, for every row, the median over
# the runs of its median, p99 and worst, the largest worst seen, and the median over the
# runs of its CPU-time median and worst (this thread's CPU time: waiting for a core on a
# busy machine is not in it).
#   bench/run_bench.sh [runs] [build-folder]      (defaults: 5, build)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-5}
build=${2:-build}
bin="$build/bench/auralis_bench"
[ -x "$bin" ] || { echo "no $bin; build the auralis_bench target first" >&2; exit 1; }

out=$(mktemp)
trap 'rm -f "$out"' EXIT
for ((i = 1; i <= runs; ++i)); do
    "$bin" >>"$out"
done

echo "median of $runs runs of $bin"
awk -v runs="$runs" '
function median(list,    n, a, i, j, t) {
    n = split(list, a, " ")
    for (i = 2; i <= n; ++i)            # insertion sort, n is small
        for (j = i; j > 1 && a[j - 1] + 0 > a[j] + 0; --j) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return a[int((n + 1) / 2)]
}
/ median / {
    name = substr($0, 1, index($0, " median ") - 1)
    sub(/ +$/, "", name)
    if (!(name in seen)) { seen[name] = 1; order[++rows] = name }
    for (i = 1; i <= NF; ++i) {
        if ($i == "median") med[name] = med[name] " " $(i + 1)
        if ($i == "p99")    p99[name] = p99[name] " " $(i + 1)
        if ($i == "worst") { wst[name] = wst[name] " " $(i + 1); if ($(i + 1) + 0 > mx[name]) mx[name] = $(i + 1) + 0 }
        if ($i == "cpu-median") cmed[name] = cmed[name] " " $(i + 1)
        if ($i == "cpu-worst")  cwst[name] = cwst[name] " " $(i + 1)
    }
}
END {
    for (r = 1; r <= rows; ++r) {
        n = order[r]
        printf "%-62s median %8.4f  p99 %8.4f  worst %8.4f  (largest %8.4f)  cpu: median %8.4f  worst %8.4f ms\n", \
            n, median(med[n]), median(p99[n]), median(wst[n]), mx[n], median(cmed[n]), median(cwst[n])
    }
}' "$out"
