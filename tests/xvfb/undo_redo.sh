#!/bin/bash
# Real-window undo and redo: creates a rectangle with the mouse, deletes another one (with its
# line) by a click and Ctrl+Delete,
# then Ctrl+Z twice, Ctrl+Y and Ctrl+Shift+Z; after each step Ctrl+S must write the scheme as it
# stood at that point.
#   undo_redo.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 181 210

LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 3 5 P1 400 300 Gate '$00CCFFCC' '[~]'
       '[E]' 3 4 R1-P1 260 200 '' '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"

open_plan_in_editor -geometry 900x700+0+0

# Saves with Ctrl+S and copies what was written to $WORK/$1.
save_as_state() {
    save_plan_with_ctrl_s
    cp "$WORK/plan.grvlk" "$WORK/$1"
}
expect_state() {
    save_as_state now
    if ! cmp -s "$WORK/now" "$WORK/$1"; then
        echo "after $2 the saved scheme is not the expected one ($1)" >&2
        diff <(tr -d '\r' <"$WORK/$1") <(tr -d '\r' <"$WORK/now") >&2 || true
        exit 1
    fi
}

save_as_state start
# Right click arms the rectangle tool, the next left click places a rectangle there.
xdotool mousemove $((SX + 600)) $((SY + 450)) click 3
sleep 0.3
xdotool click 1
sleep 0.5
save_as_state created
grep -q '^R2' "$WORK/created" || { echo "no rectangle was created" >&2; exit 1; }
xdotool mousemove $((SX + 120)) $((SY + 100)) click 1
sleep 0.5
xdotool key --clearmodifiers ctrl+Delete
sleep 0.5
save_as_state deleted
if grep -q '^R1' "$WORK/deleted" || ! grep -q '^R2' "$WORK/deleted"; then
    echo "Ctrl+Delete did not delete the clicked rectangle" >&2
    exit 1
fi

xdotool key --clearmodifiers ctrl+z
sleep 0.5
expect_state created "the first Ctrl+Z"
xdotool key --clearmodifiers ctrl+z
sleep 0.5
expect_state start "the second Ctrl+Z"
xdotool key --clearmodifiers ctrl+y
sleep 0.5
expect_state created "Ctrl+Y"
xdotool key --clearmodifiers ctrl+shift+z
sleep 0.5
expect_state deleted "Ctrl+Shift+Z"
echo "undo and redo in the real window gave back each saved state"
