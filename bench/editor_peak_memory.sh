#!/bin/bash
# Peak resident memory of the editor opening a scheme and quitting, on Qt's offscreen platform:
#   bench/editor_peak_memory.sh BUILD_DIR SCHEME.grvlk [RUNS]
# The editor reports its sheet's place once the window shows the opened scheme; it is given
# 3 seconds more (the mirror is built meanwhile) and then ended with SIGTERM. Prints the
# maximum resident set size of each run (GNU time) and their median, in MB (10^6 bytes).
set -euo pipefail
build=$1
scheme=$2
runs=${3:-3}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
export XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
figures=()
for ((i = 0; i < runs; ++i)); do
    GRAVELINK_PRINT_SHEET_POS=1 /usr/bin/time -f '%M' -o "$work/rss" "$build/gravelink" "$scheme" \
        >"$work/out" 2>/dev/null &
    timer=$!
    for ((w = 0; w < 300; ++w)); do
        grep -q '^sheet' "$work/out" && break
        sleep 0.1
    done
    sleep 3
    # GNU time's child is the editor: end it, not the timer.
    pkill -TERM -P "$timer" || true
    wait "$timer" || true
    kb=$(tail -n 1 "$work/rss")
    figures+=("$kb")
    echo "run $((i + 1)): $((kb * 1024 / 1000000)) MB"
done
median=$(printf '%s\n' "${figures[@]}" | sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}')
echo "median peak RSS: $((median * 1024 / 1000000)) MB"
