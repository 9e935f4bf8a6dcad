#!/bin/bash
# Edits a scheme in the real window, kills the editor with SIGKILL and starts it again: without
# a file and with the file, the editor asks to recover, Enter recovers, Ctrl+S writes exactly the
# edited scheme to the original file (untouched until then), and a clean start asks nothing.
#   crash_recovery.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 211 240
RECOVERY="$XDG_DATA_HOME/gravelink/recovery"
# A client connected throughout: an X server resets when its last client goes, and a killed
# editor may be the last one, so that the next editor could not connect.
xprop -root -spy >/dev/null 2>&1 &
HOLD_PID=$!
trap 'kill "$HOLD_PID" 2>/dev/null; window_test_cleanup' EXIT

LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 3 5 P1 400 300 Gate '$00CCFFCC' '[~]'
       '[E]' 3 4 R1-P1 260 200 '' '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"
cp "$WORK/plan.grvlk" "$WORK/original.grvlk"
# Everything deleted, then locked.
EMPTY=(842 595 '[H]' 2 5 '[~]' '[P]' 2 5 '[~]' '[E]' 2 4 '[~]')
printf '%s\r\n' "${EMPTY[@]}" >"$WORK/deleted.grvlk"
printf '%s\r\n' "${EMPTY[@]}" LOCK >"$WORK/expected.grvlk"

fail() {
    echo "$1" >&2
    cat "$WORK/err.txt" >&2 || true
    exit 1
}

start_editor() {
    "$BIN" "$@" >"$WORK/out.txt" 2>"$WORK/err.txt" &
    APP_PID=$!
}

# The visible windows of the editor whose caption matches; waited for.
visible_windows() {
    xdotool search --all --pid "$APP_PID" --onlyvisible --name "$1" 2>/dev/null || true
}
wait_window() {
    local id
    for _ in $(seq 1 150); do
        id=$(visible_windows "$1" | head -1)
        [ -n "$id" ] && echo "$id" && return 0
        sleep 0.2
    done
    fail "no window named like '$1'"
}
# The question box: a dialog window of the editor.
wait_question() {
    for _ in $(seq 1 150); do
        for id in $(visible_windows 'Gravelink'); do
            if xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.2
    done
    fail "the recovery question did not come"
}
keys() {
    xdotool windowfocus --sync "$1"
    shift
    xdotool key --clearmodifiers "$@"
}
recovery_files() {
    ls "$RECOVERY"/*.grvlk 2>/dev/null || true
}
# Kills the editor once a recovery file holds the scheme given (after 3 seconds at the earliest).
crash_after_autosave() {
    sleep 3
    local found=
    for _ in $(seq 1 100); do
        for f in $(recovery_files); do
            cmp -s "$f" "$1" && found=1
        done
        [ -n "$found" ] && break
        sleep 0.2
    done
    [ -n "$found" ] || fail "no recovery file holds the edited scheme"
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
    cmp -s "$WORK/plan.grvlk" "$WORK/original.grvlk" || fail "the original file changed before Save"
}

# 1. Open, delete everything, crash.
start_editor "$WORK/plan.grvlk"
MAIN=$(wait_window '^\[plan\]')
keys "$MAIN" ctrl+a
keys "$MAIN" ctrl+Delete
crash_after_autosave "$WORK/deleted.grvlk"

# 2. Start without a file: Enter recovers into the original file's name; lock it, crash again.
start_editor
BOX=$(wait_question)
keys "$BOX" Return
MAIN=$(wait_window '^\[plan\]-Gravelink$')
keys "$MAIN" ctrl+l
crash_after_autosave "$WORK/expected.grvlk"

# 3. Start with the file: the recovery comes first; Ctrl+S writes it to the original file.
start_editor "$WORK/plan.grvlk"
BOX=$(wait_question)
keys "$BOX" Return
MAIN=$(wait_window '^\[plan\]-Gravelink$')
cmp -s "$WORK/plan.grvlk" "$WORK/original.grvlk" || fail "the original file changed before Save"
keys "$MAIN" ctrl+s
for _ in $(seq 1 50); do
    cmp -s "$WORK/plan.grvlk" "$WORK/expected.grvlk" && break
    sleep 0.2
done
cmp "$WORK/plan.grvlk" "$WORK/expected.grvlk" || fail "Ctrl+S did not write the recovered scheme"
[ -z "$(recovery_files)" ] || fail "the recovery file stayed after Save"
keys "$MAIN" Escape
wait "$APP_PID" || fail "the editor did not close normally"
APP_PID=

# 4. A clean start offers nothing.
start_editor
MAIN=$(wait_window '^Gravelink$')
sleep 2
[ "$(visible_windows '.' | wc -l)" -eq 1 ] || fail "a clean start showed more than the window"
keys "$MAIN" Escape
wait "$APP_PID" || fail "the editor did not close normally"
APP_PID=
[ -z "$(ls -A "$RECOVERY" 2>/dev/null)" ] || fail "files left in the recovery folder: $(ls -A "$RECOVERY")"
echo "recovered after two kills, saved byte for byte to the original file, clean start asked nothing"
