#!/bin/sh
# Start-up time of the window under Xvfb, side by side with a minimal Qt 6 window (the floor):
# the time from starting the program until its window is mapped, median of RUNS runs each,
# alternating, and the peak memory of each.
# Usage: bench/startup_time.sh [BUILD_DIR] [RUNS]   (needs Debian's xvfb)
set -eu
build=${1:-build}
runs=${2:-15}
wait_for_map="$build/bin/pixtallo-wait-for-map"

display=:$((90 + $$ % 100))
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=$display
sleep 1

results=$(mktemp)
for i in $(seq "$runs"); do
    for program in pixtallo pixtallo-bench-minimal-window; do
        printf '%s ' "$program" >> "$results"
        "$wait_for_map" "$build/bin/$program" >> "$results" 2>/dev/null
    done
done

awk '
    { split($2, t, "="); split($3, m, "="); n[$1]++; time[$1, n[$1]] = t[2]
      if (m[2] > peak[$1]) peak[$1] = m[2] }
    function median(p,    i, j, k, v, a) {
        for (i = 1; i <= n[p]; i++) a[i] = time[p, i]
        for (i = 2; i <= n[p]; i++) { v = a[i]; for (j = i - 1; j > 0 && a[j] > v; j--) a[j + 1] = a[j]; a[j + 1] = v }
        k = int((n[p] + 1) / 2); return (n[p] % 2) ? a[k] : (a[k] + a[k + 1]) / 2
    }
    END {
        w = median("pixtallo"); f = median("pixtallo-bench-minimal-window")
        printf "pixtallo:       median %.1f ms to mapped window, peak RSS %.1f MB\n", w, peak["pixtallo"] / 1024
        printf "minimal window: median %.1f ms to mapped window, peak RSS %.1f MB\n", f, peak["pixtallo-bench-minimal-window"] / 1024
        printf "ratio %.2f (runs: %d each)\n", w / f, n["pixtallo"]
    }' "$results"
rm -f "$results"
