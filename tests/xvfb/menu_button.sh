#!/bin/bash
# Starts the editor on an X display and clicks its Menu button four times without moving the
# mouse: the menu opens, closes, opens again and closes again.
#   menu_button.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 211 240

"$BIN" -geometry 700x540+0+0 >"$WORK/out.txt" 2>"$WORK/err.txt" &
APP_PID=$!
MAIN=
for _ in $(seq 1 150); do
    MAIN=$(xdotool search --all --onlyvisible --pid "$APP_PID" --name '^Gravelink$' 2>/dev/null | head -1 || true)
    [ -n "$MAIN" ] && break
    sleep 0.2
done
if [ -z "$MAIN" ]; then
    echo "the editor window was not found" >&2
    cat "$WORK/err.txt" >&2
    exit 1
fi
sleep 1

# The editor's windows on screen: the main window, and the popup menu while it is open.
shown_windows() { xdotool search --all --onlyvisible --pid "$APP_PID" --name '' 2>/dev/null | wc -l; }

failures=0
for click in 1 2 3 4; do
    want=$((click % 2 ? 2 : 1))
    # The Menu button: 22 x 22 at (2, 2) in the toolbar, at the window's top left.
    xdotool mousemove --window "$MAIN" 13 13 click 1
    got=
    for _ in $(seq 1 50); do
        got=$(shown_windows)
        [ "$got" -eq "$want" ] && break
        sleep 0.2
    done
    if [ "$got" -ne "$want" ]; then
        echo "click $click on the Menu button: menu $([ "$want" -eq 2 ] && echo 'not opened' || echo 'still open')" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] || exit 1
echo "the Menu button opened, closed, reopened and closed the menu"
