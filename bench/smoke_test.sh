#!/bin/sh
# A small run of the benchmark's tools: the generated file converts in full
# (every station, every vector and every group reaches the output), and the
# floor, the launcher and the timing of a WGT group run.  Usage: smoke_test.sh BIN_DIR
set -eu
bin=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for profile in realistic fixed; do
    counts=$("$bin/iob_generate" --profile $profile 0.3 "$work/net.iob")
    stations=$(echo "$counts" | sed 's/.*stations=\([0-9]*\).*/\1/')
    vectors=$(echo "$counts" | sed 's/.*vectors=\([0-9]*\).*/\1/')
    groups=$(echo "$counts" | sed 's/.*groups=\([0-9]*\).*/\1/')
    [ "$stations" -gt 0 ] && [ "$vectors" -ge "$groups" ] && [ "$groups" -gt 0 ]

    "$bin/measure" "$bin/iob2quorvane" "$work/net.iob" "$work/net.txt" >"$work/measured"
    [ "$(grep -c '^\$GEO_COMPACT; ' "$work/net.txt")" -eq "$stations" ]
    [ "$(grep -c '^\$GPS_COMPACT; ' "$work/net.txt")" -eq "$vectors" ]
    [ "$(grep -c '^! IOB-File Record Type DXYZ, ELEM' "$work/net.txt")" -eq "$groups" ]
    grep -q '^[0-9.]* [0-9]*$' "$work/measured"
done

"$bin/io_floor" "$work/net.iob" "$work/floor.out" 12345
[ "$(wc -c <"$work/floor.out")" -eq 12345 ]

python3 "$(dirname "$0")/wgt_group.py" --build "$bin/.." --vectors 4 --runs 1 --work "$work" | grep -q '^WGT group of 4 vectors'
echo "smoke run passed: $counts"
