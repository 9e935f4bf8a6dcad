#!/bin/bash
# Real-window zoom: Ctrl+wheel zooms in about the pointer; a click, a drag and Ctrl+Right there
# move the rectangle by the sheet pixels under the pointer; Ctrl+wheel back and Ctrl+0. The saved
# scheme has the rectangle where the gestures put it, and once the moves are undone the sheet on
# screen equals the one before zooming, pixel for pixel.
# Then about P1: out to 50 %, where the sheet is smaller than the drawing area, and six steps in
# keep P1 under the pointer, so that at both scales a click there and Ctrl+Right move it.
#   zoom.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 241 270

LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 3 5 P1 400 300 Gate '$00CCFFCC' '[~]'
       '[E]' 3 4 R1-P1 260 200 '' '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"

sheet_shot() {
    xdotool mousemove 0 0
    sleep 0.5
    import -window root -crop 800x520+"$SX"+"$SY" +repage "$1"
}
wheel() { # <ticks up (zoom in) or down> at the pointer, with Ctrl
    local button=4 count=$1
    [ "$count" -lt 0 ] && button=5 && count=$((-count))
    xdotool keydown ctrl
    for _ in $(seq 1 "$count"); do xdotool click "$button"; done
    xdotool keyup ctrl
    sleep 0.5
}

open_plan_in_editor -geometry 900x700+0+0
sheet_shot "$WORK/before.png"

# 200 % about R1's centre: R1 stays under the pointer.
xdotool mousemove $((SX + 120)) $((SY + 100))
wheel 2
xdotool click 1
sleep 0.3
# 40 view pixels right and 20 down are 20 and 10 sheet pixels.
xdotool mousedown 1
for step in 1 2 3 4; do
    xdotool mousemove $((SX + 120 + 10 * step)) $((SY + 100 + 5 * step))
    sleep 0.1
done
xdotool mouseup 1
sleep 0.3
xdotool key --clearmodifiers ctrl+Right
sleep 0.3
wheel -2
xdotool key --clearmodifiers ctrl+0
sleep 0.3

save_plan_with_ctrl_s
read -r X Y < <(tr -d '\r' <"$WORK/plan.grvlk" | sed -n '7p;8p' | paste -sd ' ')
[ "$X $Y" = "141 110" ] || { echo "R1 was saved at ($X, $Y), not (141, 110)" >&2; exit 1; }

xdotool key --clearmodifiers ctrl+z
xdotool key --clearmodifiers ctrl+z
sleep 0.5
sheet_shot "$WORK/after.png"
differ=$(compare -metric AE "$WORK/before.png" "$WORK/after.png" null: 2>&1 || true)
if [ "$differ" != 0 ]; then
    echo "at 100 % again the sheet differs from the one before zooming in $differ pixels" >&2
    cp "$WORK/before.png" "$WORK/after.png" "${TMPDIR:-/tmp}/" 2>/dev/null || true
    exit 1
fi
xdotool mousemove $((SX + 400)) $((SY + 300))
for ticks in -2 6; do
    wheel $ticks
    xdotool click 1
    sleep 0.3
    xdotool key --clearmodifiers ctrl+Right
    sleep 0.3
done
save_plan_with_ctrl_s
read -r X Y < <(tr -d '\r' <"$WORK/plan.grvlk" | sed -n '16p;17p' | paste -sd ' ')
[ "$X $Y" = "402 300" ] || { echo "P1 left the pointer while zooming: saved at ($X, $Y), not (402, 300)" >&2; exit 1; }
echo "zoomed to 200 %, moved R1 by its sheet pixels, 100 % shows the sheet as before, P1 stayed under the pointer"
