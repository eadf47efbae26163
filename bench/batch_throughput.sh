#!/bin/sh
# Times `pixtallo-quote --batch` over a generated CSV of ROWS rows (default 1,000,000) of varied
# requests across all presets, pinned to one core, and prints rows per second and peak memory.
# Usage: bench/batch_throughput.sh [path/to/pixtallo-quote] [ROWS]
set -eu
quote=${1:-build/bin/pixtallo-quote}
rows=${2:-1000000}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk -v rows="$rows" 'BEGIN {
    split("P16-4090 P16-4590 P16-3590 P12.5-4090 P12.5-4590 P12.5-3590 P10-4090 P10-4590 " \
          "P10-3590 5.0-4090 5.0-4590 5.0-3590 3.75-4090 3.75-4590 3.75-3590", presets, " ")
    srand(2026)
    print "preset,width,height,card,module-price,psu-price,frame-price,other,price"
    for (i = 0; i < rows; i++) {
        printf "%s,%.2f,%.2f,%d,%d,%d,%d,%d,%d\n", presets[i % 15 + 1], rand() * 20, rand() * 10,
            1000 + int(rand() * 1000), 50 + int(rand() * 100), 50 + int(rand() * 50),
            20 + int(rand() * 20), int(rand() * 1000), 1500 + int(rand() * 2000)
    }
}' > "$work/requests.csv"

# Peak memory comes from GNU time (Debian's package "time") when it is there.
echo 0 > "$work/peak_kib"
measure=""
[ -x /usr/bin/time ] && measure="/usr/bin/time -f %M -o $work/peak_kib"
start=$(date +%s.%N)
taskset -c 0 $measure "$quote" --batch "$work/requests.csv" > "$work/out.csv"
end=$(date +%s.%N)
out_rows=$(($(wc -l < "$work/out.csv") - 1))
[ "$out_rows" -eq "$rows" ] || { echo "expected $rows output rows, got $out_rows" >&2; exit 1; }
awk -v rows="$rows" -v start="$start" -v end="$end" -v peak="$(cat "$work/peak_kib")" 'BEGIN {
    seconds = end - start
    printf "%d rows in %.3f s: %.0f rows/s on one core, peak RSS %d KiB\n", rows, seconds, rows / seconds, peak
}'
