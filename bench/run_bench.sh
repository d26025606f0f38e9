#!/usr/bin/env bash
# Runs the benchmark program several times and prints, for every row, the median over
# the runs of its median, p99 and worst, the largest worst seen, and the median over the
# runs of its CPU-time median and worst (this thread's CPU time: waiting for a core on a
# busy machine is not in it). Count rows print the median count. When strace is at hand
# (no root needed: it traces its own child), one more run of the slider section alone
# counts the futex calls of all the program's threads, window set-up included.
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
/ count / {
    name = substr($0, 1, index($0, " count ") - 1)
    sub(/ +$/, "", name)
    if (!(name in seen)) { seen[name] = 1; order[++rows] = name; counted[name] = 1 }
    for (i = 1; i <= NF; ++i)
        if ($i == "count") cnt[name] = cnt[name] " " $(i + 1)
}
END {
    for (r = 1; r <= rows; ++r) {
        n = order[r]
        if (n in counted) { printf "%-62s count  %8d (median)\n", n, median(cnt[n]); continue }
        printf "%-62s median %8.4f  p99 %8.4f  worst %8.4f  (largest %8.4f)  cpu: median %8.4f  worst %8.4f ms\n", \
            n, median(med[n]), median(p99[n]), median(wst[n]), mx[n], median(cmed[n]), median(cwst[n])
    }
}' "$out"

if command -v strace >/dev/null; then
    trace=$(mktemp)
    strace -f -c -e trace=futex -o "$trace" "$bin" slider >/dev/null
    calls=$(awk '$NF == "futex" { print $4 }' "$trace")
    rm -f "$trace"
    printf '%-62s count  %8s (one run, strace -f -c)\n' "futex calls, slider section (set-up + sweep)" "${calls:-0}"
fi
