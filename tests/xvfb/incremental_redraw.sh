#!/bin/bash
# Real-window redraw after edits: moves a rectangle and a point with Ctrl+arrows, deletes a
# rectangle with its lines and takes that back, saves, then opens the saved scheme in a second
# editor. The sheet as the edits left it on screen must equal the second editor's first picture.
#   incremental_redraw.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 211 240

LINES=(842 595
       '[H]' 6 5 R1 120 100 Store '$0099FFFF' R2 400 120 Depot '$00CCCCFF' R3 250 300 Gate '$00FFCCCC'
       R4 550 330 Yard '$00CCFFCC' '[~]'
       '[P]' 4 5 P1 300 200 Pump '$00CCFFCC' P2 600 150 Tank '$00FFCCFF' '[~]'
       '[E]' 7 4 R1-R4 0 0 feed R2-R3 0 0 '' P1-P2 0 0 flow R3-P2 0 0 '' P1-R2 0 0 back '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"

# The visible part of the sheet, without the mouse pointer over it.
sheet_shot() {
    xdotool mousemove 0 0
    sleep 0.5
    import -window root -crop 800x520+"$SX"+"$SY" +repage "$1"
}
press() {
    xdotool mousemove $((SX + $1)) $((SY + $2)) click 1
    sleep 0.3
}
keys() {
    local key=$1 count=$2
    for _ in $(seq 1 "$count"); do
        xdotool key --clearmodifiers "$key"
    done
    sleep 0.5
}

open_plan_in_editor -geometry 900x700+0+0
press 120 100
keys ctrl+Right 9
press 250 300
keys ctrl+Delete 1
keys ctrl+z 1
press 300 200
keys ctrl+Down 7
press 780 500 # nothing there: the selection goes
sheet_shot "$WORK/edited.png"

save_plan_with_ctrl_s
grep -q $'^129\r$' "$WORK/plan.grvlk" || { echo "the saved scheme lacks the moved rectangle" >&2; exit 1; }
kill "$APP_PID"
wait "$APP_PID" 2>/dev/null || true
APP_PID=

open_plan_in_editor -geometry 900x700+0+0
press 780 500
sheet_shot "$WORK/reopened.png"
differ=$(compare -metric AE "$WORK/edited.png" "$WORK/reopened.png" null: 2>&1 || true)
if [ "$differ" != 0 ]; then
    echo "the edited sheet differs from the saved scheme drawn anew in $differ pixels" >&2
    cp "$WORK/edited.png" "$WORK/reopened.png" "${TMPDIR:-/tmp}/" 2>/dev/null || true
    exit 1
fi
echo "incremental_redraw: the edited sheet equals the saved scheme drawn anew"
