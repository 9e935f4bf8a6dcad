#!/bin/bash
# Starts the editor on an X display, takes a screenshot and checks the blank start-up sheet:
# its grey frame at columns 1 and 840 and rows 1 and 593, white inside.
#   startup_screenshot.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 121 150

# A window large enough to show the whole 842 x 595 sheet; the program prints where the sheet
# lies on the screen.
GRAVELINK_PRINT_SHEET_POS=1 "$BIN" -geometry 900x700+0+0 >"$WORK/out.txt" 2>"$WORK/err.txt" &
APP_PID=$!
for _ in $(seq 1 100); do
    grep -q '^sheet ' "$WORK/out.txt" 2>/dev/null && break
    sleep 0.2
done
if ! grep -q '^sheet ' "$WORK/out.txt"; then
    echo "the editor did not report its sheet position" >&2
    cat "$WORK/err.txt" >&2
    exit 1
fi
read -r _ SX SY < <(grep '^sheet ' "$WORK/out.txt")
sleep 1
import -display "$DISPLAY" -window root "$WORK/shot.png"

pixel() {
    convert "$WORK/shot.png" -crop "1x1+$(($SX + $1))+$(($SY + $2))" +repage -depth 8 txt:- |
        grep -o '#[0-9A-Fa-f]\{6\}' | head -1 | tr 'a-f' 'A-F'
}

failures=0
expect() {
    local x=$1 y=$2 want=$3 got
    got=$(pixel "$x" "$y")
    if [ "$got" != "$want" ]; then
        echo "sheet pixel ($x, $y): $got, expected $want" >&2
        failures=$((failures + 1))
    fi
}

GREY='#808080'
for y in 2 100 300 592; do
    expect 1 "$y" "$GREY"   # left edge
    expect 840 "$y" "$GREY" # right edge
done
for x in 2 100 421 839; do
    expect "$x" 1 "$GREY"   # top edge
    expect "$x" 593 "$GREY" # bottom edge
done
# Outside the frame: the column right of the right edge and the row below the bottom edge.
expect 841 300 '#FFFFFF'
expect 421 594 '#FFFFFF'

if [ "$failures" -ne 0 ]; then
    cp "$WORK/shot.png" "${2:-/tmp}/startup_screenshot_failed.png" 2>/dev/null || true
    exit 1
fi
echo "sheet frame found at screen offset $SX,$SY"
