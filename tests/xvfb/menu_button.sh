#!/bin/bash
# Starts the editor on an X display and clicks its Menu button four times without moving the
# mouse: the menu opens, closes, opens again and closes again. Then the menu is closed by Esc,
# and by a command chosen in it (Keyboard Shortcuts, whose window Esc closes); each time the
# pointer jumps onto the Menu button without crossing the toolbar, and a click opens the menu.
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

# Waits until the editor shows `$1` windows; false when it does not within 10 seconds.
wait_windows() {
    local got
    for _ in $(seq 1 50); do
        got=$(shown_windows)
        [ "$got" -eq "$1" ] && return 0
        sleep 0.2
    done
    return 1
}

failures=0
for click in 1 2 3 4; do
    want=$((click % 2 ? 2 : 1))
    # The Menu button: 22 x 22 at (2, 2) in the toolbar, at the window's top left.
    xdotool mousemove --window "$MAIN" 13 13 click 1
    if ! wait_windows "$want"; then
        echo "click $click on the Menu button: menu $([ "$want" -eq 2 ] && echo 'not opened' || echo 'still open')" >&2
        failures=$((failures + 1))
    fi
done
[ "$failures" -eq 0 ] || exit 1
echo "the Menu button opened, closed, reopened and closed the menu"

# Esc, or Keyboard Shortcuts (just above Quit) whose window Esc then closes.
for closing in Escape 'Up Up Return'; do
    xdotool mousemove --window "$MAIN" 13 13 click 1
    wait_windows 2 || { echo "the menu did not open before '$closing'" >&2; exit 1; }
    xdotool key $closing
    if [ "$closing" != Escape ]; then
        timeout 10 xdotool search --sync --onlyvisible --pid "$APP_PID" --name '^Keyboard Shortcuts$' >/dev/null
        xdotool key Escape
    fi
    wait_windows 1 || { echo "the menu or the window did not close after '$closing'" >&2; exit 1; }
    # A jump over the sheet onto the button: the pointer never crosses the toolbar.
    xdotool mousemove --window "$MAIN" 300 300 sleep 0.2 mousemove --window "$MAIN" 13 13 click 1
    wait_windows 2 || { echo "after '$closing' a click on the Menu button did not open the menu" >&2; exit 1; }
    xdotool key Escape
    wait_windows 1
done
echo "after Esc and after a command the Menu button opened the menu at the first click"
