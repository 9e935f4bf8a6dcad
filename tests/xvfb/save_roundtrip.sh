#!/bin/bash
# Starts the editor on an X display with a scheme file written with LF line ends, presses Ctrl+S
# in the window and checks that the file now holds exactly the same scheme with CR LF ends.
#   save_roundtrip.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 151 180

# A locked scheme with a rectangle, a point and a line between them.
LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 3 5 P1 400 300 Gate '$00CCFFCC' '[~]'
       '[E]' 3 4 R1-P1 260 200 '' '[~]' LOCK)
printf '%s\n' "${LINES[@]}" >"$WORK/plan.grvlk"
printf '%s\r\n' "${LINES[@]}" >"$WORK/expected.grvlk"

open_plan_in_editor
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 1 50); do
    cmp -s "$WORK/plan.grvlk" "$WORK/expected.grvlk" && break
    sleep 0.2
done
if ! cmp "$WORK/plan.grvlk" "$WORK/expected.grvlk"; then
    echo "Ctrl+S did not write the scheme back as expected" >&2
    od -c "$WORK/plan.grvlk" | head -20 >&2
    exit 1
fi
echo "Ctrl+S wrote the opened scheme back byte for byte"
