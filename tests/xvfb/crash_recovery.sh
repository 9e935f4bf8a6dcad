#!/bin/bash
# Edits a scheme in the real window, kills the editor with SIGKILL and starts it again, from
# another folder that holds an unrelated scheme of the same name: without a file and with that
# other file, the editor asks to recover, Enter recovers, Ctrl+S writes exactly the edited scheme
# to the original file (untouched until then) and leaves the other one alone. With the recovery
# folder read-only (as root), the copy is still offered and a failed backup is reported. A clean
# start asks nothing.
#   crash_recovery.sh <gravelink binary> [build dir]
set -euo pipefail
BIN=$(readlink -f "$1")
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
mkdir "$WORK/w" "$WORK/other"
printf '%s\r\n' "${LINES[@]}" >"$WORK/w/plan.grvlk"
cp "$WORK/w/plan.grvlk" "$WORK/original.grvlk"
# An unrelated scheme of the same name in another folder.
printf '%s\r\n' 842 595 '[H]' 3 5 R1 50 50 Unrelated '$00CCFFCC' '[~]' '[P]' 2 5 '[~]' '[E]' 2 4 '[~]' \
    >"$WORK/other/plan.grvlk"
cp "$WORK/other/plan.grvlk" "$WORK/unrelated.grvlk"
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
    cmp -s "$WORK/w/plan.grvlk" "$WORK/original.grvlk" || fail "the original file changed before Save"
}
# Whether a dialog of the editor is shown now.
dialog_shown() {
    for id in $(visible_windows 'Gravelink'); do
        xprop -id "$id" _NET_WM_WINDOW_TYPE 2>/dev/null | grep -q DIALOG && return 0
    done
    return 1
}

# 1. Open by a name relative to its folder, delete everything, crash.
cd "$WORK/w"
start_editor plan.grvlk
MAIN=$(wait_window '^\[plan\]')
keys "$MAIN" ctrl+a
keys "$MAIN" ctrl+Delete
crash_after_autosave "$WORK/deleted.grvlk"

# 2. Start without a file in the other folder: Enter recovers into the original file's name;
#    lock it, crash again.
cd "$WORK/other"
start_editor
BOX=$(wait_question)
keys "$BOX" Return
MAIN=$(wait_window '^\[plan\]-Gravelink$')
keys "$MAIN" ctrl+l
crash_after_autosave "$WORK/expected.grvlk"

# 3. The recovery folder read-only: the copy is offered all the same; recovered, a change that
#    cannot be backed up is reported.
if [ "$(id -u)" = 0 ] && unshare -m true 2>/dev/null; then
    start_editor_read_only() {
        unshare -m sh -c 'mount --bind "$1" "$1" && mount -o remount,bind,ro "$1" "$1" && exec "$2"' \
            sh "$RECOVERY" "$BIN" >"$WORK/out.txt" 2>"$WORK/err.txt" &
        APP_PID=$!
    }
    start_editor_read_only
    BOX=$(wait_question)
    keys "$BOX" Return
    MAIN=$(wait_window '^\[plan\]-Gravelink$')
    dialog_shown && fail "a dialog came before the failed backup"
    keys "$MAIN" ctrl+l
    REPORTED=
    for _ in $(seq 1 50); do
        dialog_shown && REPORTED=1 && break
        sleep 0.2
    done
    [ -n "$REPORTED" ] || fail "a backup that could not be written was not reported"
    kill -9 "$APP_PID"
    wait "$APP_PID" 2>/dev/null || true
    APP_PID=
fi

# 4. Start with the other folder's file: the question says it is not opened instead; Enter
#    recovers, Ctrl+S writes the recovered scheme to the original file only.
start_editor plan.grvlk
BOX=$(wait_question)
keys "$BOX" Return
MAIN=$(wait_window '^\[plan\]-Gravelink$')
cmp -s "$WORK/w/plan.grvlk" "$WORK/original.grvlk" || fail "the original file changed before Save"
keys "$MAIN" ctrl+s
for _ in $(seq 1 50); do
    cmp -s "$WORK/w/plan.grvlk" "$WORK/expected.grvlk" && break
    sleep 0.2
done
cmp "$WORK/w/plan.grvlk" "$WORK/expected.grvlk" || fail "Ctrl+S did not write the recovered scheme"
cmp "$WORK/other/plan.grvlk" "$WORK/unrelated.grvlk" || fail "Ctrl+S wrote over the other folder's scheme"
[ -z "$(recovery_files)" ] || fail "the recovery file stayed after Save"
keys "$MAIN" Escape
wait "$APP_PID" || fail "the editor did not close normally"
APP_PID=

# 5. A clean start offers nothing.
start_editor
MAIN=$(wait_window '^Gravelink$')
sleep 2
[ "$(visible_windows '.' | wc -l)" -eq 1 ] || fail "a clean start showed more than the window"
keys "$MAIN" Escape
wait "$APP_PID" || fail "the editor did not close normally"
APP_PID=
[ -z "$(ls -A "$RECOVERY" 2>/dev/null)" ] || fail "files left in the recovery folder: $(ls -A "$RECOVERY")"
echo "recovered after two kills from another folder, saved byte for byte to the original file only, clean start asked nothing"
