#!/bin/bash
# Real-window work with many elements: a Ctrl+drag box selects two rectangles, Ctrl+C puts them on
# the clipboard as scheme text, Ctrl+V pastes them under the pointer and Ctrl+D duplicates the
# pasted ones, Align Top Edges from the menu lines them up, Ctrl+F finds a caption and Ctrl+Right
# moves it; the file Ctrl+S writes shows all of it. A second editor pastes the same clipboard.
#   many_elements.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 271 300

LINES=(842 595 '[H]' 4 5 R1 100 100 Store '$0099FFFF' R2 300 120 'Big pump' '$00CCCCFF' '[~]'
       '[P]' 3 5 P1 200 300 Gate '$00CCFFCC' '[~]' '[E]' 3 4 R1-R2 0 0 feed '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"
fail() {
    echo "$1" >&2
    tr -d '\r' <"$WORK/plan.grvlk" >&2
    cat "$WORK/err.txt" >&2
    exit 1
}
# The cells of an element in the saved file: "x y".
centre() {
    tr -d '\r' <"$WORK/plan.grvlk" | awk -v n="$1" '$0 == n { getline x; getline y; print x, y; exit }'
}
at() { xdotool mousemove $((SX + $1)) $((SY + $2)); }

open_plan_in_editor -geometry 900x700+0+0

# The box: R1 and R2 whole, P1 outside.
at 20 60
xdotool keydown ctrl mousedown 1
for step in 1 2 3 4; do at $((20 + 95 * step)) $((60 + 25 * step)); sleep 0.05; done
xdotool mouseup 1 keyup ctrl
sleep 0.3
xdotool key --clearmodifiers ctrl+c
sleep 0.5
xclip -o -selection clipboard -t text/plain | tr -d '\r' | grep -qx 'Big pump' ||
    fail "the clipboard's text is not the copied scheme"

at 600 400
xdotool key --clearmodifiers ctrl+v
sleep 0.3
xdotool key --clearmodifiers ctrl+d
sleep 0.3

# Menu, Align, Top Edges: up from the menu's end to Align, into it, down to the fourth item.
xdotool mousemove 12 13 click 1
sleep 0.5
xdotool key Up Up Up Up Up Up Up Up Up Up Up Right Down Down Down Return
sleep 0.5

xdotool key --clearmodifiers ctrl+f
sleep 0.3
xdotool type Gate
xdotool key Return Escape
sleep 0.3
xdotool key --clearmodifiers ctrl+Right
sleep 0.3
save_plan_with_ctrl_s

[ "$(centre R3)" = "$(echo 500 390)" ] || fail "R3 was not pasted centred under the pointer: $(centre R3)"
[ "$(centre R4 | cut -d' ' -f1)" = 700 ] || fail "R4 was not pasted beside R3"
[ "$(centre R5 | cut -d' ' -f1)" = 510 ] || fail "Ctrl+D did not duplicate 10 pixels to the right"
grep -q $'^R3-R4\r$' "$WORK/plan.grvlk" && grep -q $'^R5-R6\r$' "$WORK/plan.grvlk" ||
    fail "the pasted lines are not named after their ends"
[ "$(centre R5 | cut -d' ' -f2)" = "$(centre R6 | cut -d' ' -f2)" ] || fail "Align Top Edges did not line R5 and R6 up"
[ "$(centre P1)" = "201 300" ] || fail "Find did not select Gate for Ctrl+Right: P1 at $(centre P1)"

# A second editor pastes what the first copied (into a file of its own: the first editor would
# offer to reload a file changed under it).
FIRST_PID=$APP_PID
printf '%s\r\n' 842 595 '[H]' 2 5 '[~]' '[P]' 2 5 '[~]' '[E]' 2 4 '[~]' >"$WORK/second.grvlk"
"$BIN" -geometry 900x700+0+0 "$WORK/second.grvlk" >/dev/null 2>"$WORK/err2.txt" &
APP_PID=$!
for _ in $(seq 1 50); do
    SECOND=$(xdotool search --pid "$APP_PID" --name second 2>/dev/null | head -1 || true)
    [ -n "$SECOND" ] && break
    sleep 0.2
done
sleep 1
xdotool windowfocus --sync "$SECOND"
xdotool mousemove 1000 1000 key --clearmodifiers ctrl+v
sleep 0.5
xdotool key --clearmodifiers ctrl+s
for _ in $(seq 1 50); do
    grep -q $'^Big pump\r$' "$WORK/second.grvlk" && break
    sleep 0.2
done
kill "$FIRST_PID" 2>/dev/null || true
grep -q $'^Big pump\r$' "$WORK/second.grvlk" || fail "the second editor did not paste the first one's copy"
echo "box selection, copy, paste, duplicate, align and find worked in the real window, across two editors"
