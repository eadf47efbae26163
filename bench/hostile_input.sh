#!/bin/sh
# Feeds hostile CSV to `pixtallo-quote --batch` and reports, for each, the exit status, the
# first line of its message, the time taken and the peak memory. Needs GNU time (Debian's "time").
# Usage: bench/hostile_input.sh [path/to/pixtallo-quote]
set -eu
quote=${1:-build/bin/pixtallo-quote}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

awk 'BEGIN { printf "preset,width\nP10-4090,"; for (i = 0; i < 100 * 1048576 / 64; i++)
       printf "9999999999999999999999999999999999999999999999999999999999999999"; print ""
       print "P10-4090,5.2" }' > "$work/hundred_megabyte_line.csv"
awk 'BEGIN { printf "preset"; for (i = 0; i < 1000000; i++) printf ",c"; print "" }' \
    > "$work/million_columns.csv"
awk 'BEGIN { printf "preset,width\nP10-4090"; for (i = 0; i < 999999; i++) printf ","; print "" }' \
    > "$work/million_cells.csv"
printf 'preset,width\nP10-4090,5\0002\n' > "$work/nul_bytes.csv"
printf 'preset,width\nP10-4090,\377\376\n' > "$work/invalid_utf8.csv"
printf 'preset,width\n' > "$work/header_only.csv"
: > "$work/empty.csv"
head -c 50000000 /dev/urandom > "$work/random_bytes.csv"
mkdir "$work/a_directory"

printf '%-24s %6s %9s %12s  %s\n' input status seconds "peak KiB" message
for input in hundred_megabyte_line.csv million_columns.csv million_cells.csv nul_bytes.csv \
             invalid_utf8.csv header_only.csv empty.csv random_bytes.csv a_directory; do
    status=0
    /usr/bin/time -f '%e %M' -o "$work/usage" "$quote" --batch "$work/$input" \
        > /dev/null 2> "$work/err" || status=$?
    read -r seconds peak <<EOF
$(tail -n 1 "$work/usage")
EOF
    printf '%-24s %6s %9s %12s  %s\n' "$input" "$status" "$seconds" "$peak" \
        "$(head -n 1 "$work/err" | sed "s|$work/||" | cut -c1-70)"
done

# Standard output closed by the reader: a 1,000,000-row input into a pipe closed at once.
awk 'BEGIN { print "preset,width"; for (i = 0; i < 1000000; i++) print "P10-4090,5.2" }' \
    > "$work/many_rows.csv"
( set +e; "$quote" --batch "$work/many_rows.csv" 2> "$work/err"; echo $? > "$work/status" ) | true
printf '%-24s %6s %9s %12s  %s\n' "closed_stdout" "$(cat "$work/status")" - - "$(head -n 1 "$work/err")"
