#!/bin/bash
# Times `grvlk render` of a scheme to BMP against Graphviz `neato -n2` drawing the same scheme
# (bench/scheme_to_dot.sh) to PNG, alternately, and prints the median wall-clock time of each.
#   bench/compare_neato.sh GRVLK SCHEME.grvlk [ROUNDS]
set -euo pipefail
grvlk=$1
scheme=$2
rounds=${3:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$(dirname "$0")/scheme_to_dot.sh" "$scheme" > "$work/scheme.dot"
now() { date +%s%N; }
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
"$grvlk" render "$scheme" "$work/warm.bmp" # page cache and fonts
for _ in $(seq "$rounds"); do
    t0=$(now)
    "$grvlk" render "$scheme" "$work/out.bmp"
    t1=$(now)
    neato -n2 -Tpng "$work/scheme.dot" -o "$work/out.png"
    t2=$(now)
    echo "$(( (t1 - t0) / 1000 )) $(( (t2 - t1) / 1000 ))" >> "$work/times"
done
g=$(cut -d' ' -f1 "$work/times" | median)
n=$(cut -d' ' -f2 "$work/times" | median)
echo "grvlk render (BMP): median $(awk -v t="$g" 'BEGIN { printf "%.3f", t / 1e6 }') s over $rounds runs"
echo "neato -n2 -Tpng:    median $(awk -v t="$n" 'BEGIN { printf "%.3f", t / 1e6 }') s over $rounds runs"
echo "ratio: $(awk -v g="$g" -v n="$n" 'BEGIN { printf "%.0f", n / g }')"
