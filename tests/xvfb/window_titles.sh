#!/bin/bash
# Starts the editor on an X display with a scheme file and checks the captions as the window
# system shows them (_NET_WM_NAME) through Open, New and Save as: each exactly the program's text;
# and that the window's WM_CLASS is the one its desktop entry names (StartupWMClass).
#   window_titles.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 181 210

printf '%s\n' 842 595 '[H]' 2 5 '[~]' '[P]' 2 5 '[~]' '[E]' 2 4 '[~]' >"$WORK/plan.grvlk"
"$BIN" "$WORK/plan.grvlk" >"$WORK/out.txt" 2>"$WORK/err.txt" &
APP_PID=$!

# The window of the editor whose caption matches the pattern, waited for.
window_named() {
    local id
    for _ in $(seq 1 150); do
        id=$(xdotool search --all --pid "$APP_PID" --name "$1" 2>/dev/null | head -1 || true)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.2
    done
    echo "no window named like '$1'" >&2
    cat "$WORK/err.txt" >&2
    return 1
}

failures=0
# The window's _NET_WM_NAME must become exactly the text.
expect_title() {
    local id=$1 want=$2 got=
    for _ in $(seq 1 50); do
        got=$(xprop -id "$id" _NET_WM_NAME | sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p')
        [ "$got" = "$want" ] && return 0
        sleep 0.2
    done
    echo "window title '$got', expected '$want'" >&2
    failures=$((failures + 1))
}

MAIN=$(window_named 'plan')
expect_title "$MAIN" '[plan]-Gravelink'
class=$(xprop -id "$MAIN" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p')
if ! grep -qx "StartupWMClass=$class" "$(dirname "$0")/../../packaging/io.github.gravelink.Gravelink.desktop"; then
    echo "the window's WM_CLASS class '$class' is not the desktop entry's StartupWMClass" >&2
    failures=$((failures + 1))
fi

xdotool windowfocus --sync "$MAIN"
xdotool key --clearmodifiers ctrl+n
DIALOG=$(window_named '^New canvas')
expect_title "$DIALOG" 'New canvas'
xdotool windowfocus --sync "$DIALOG"
xdotool key --clearmodifiers Return
expect_title "$MAIN" 'Gravelink'

# A new scheme has no file: Save opens Save as.
xdotool windowfocus --sync "$MAIN"
xdotool key --clearmodifiers ctrl+s
DIALOG=$(window_named '^Save As')
expect_title "$DIALOG" 'Save As'
xdotool windowfocus --sync "$DIALOG"
xdotool type --delay 20 "$WORK/other"
xdotool key --clearmodifiers Return
expect_title "$MAIN" '[other]-Gravelink'

[ "$failures" -eq 0 ] || exit 1
echo "captions shown exactly: [plan]-Gravelink, New canvas, Gravelink, Save As, [other]-Gravelink"
