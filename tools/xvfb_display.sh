# Sourced by test.sh and the real-window test scripts.

# Starts an Xvfb server on the first free display number from $1 to $2 and waits for its
# socket. Sets OWN_XVFB_PID and XVFB_DISPLAY (":n"); fails when no display number is free.
start_xvfb() {
    local n
    for n in $(seq "$1" "$2"); do
        if [ ! -e "/tmp/.X${n}-lock" ] && [ ! -e "/tmp/.X11-unix/X${n}" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
            OWN_XVFB_PID=$!
            XVFB_DISPLAY=":$n"
            for _ in $(seq 1 50); do
                [ -e "/tmp/.X11-unix/X${n}" ] && break
                sleep 0.1
            done
            return 0
        fi
    done
    return 1
}

# Stops the server start_xvfb started, if any.
stop_own_xvfb() {
    if [ -n "${OWN_XVFB_PID:-}" ]; then
        kill "$OWN_XVFB_PID" 2>/dev/null || true
        wait "$OWN_XVFB_PID" 2>/dev/null || true
        OWN_XVFB_PID=
    fi
}

# Uses the display given in GRAVELINK_XVFB_DISPLAY, or starts a server of its own with
# start_xvfb "$1" "$2". Exports DISPLAY and leaves Qt's platform to it.
use_xvfb_display() {
    local name=${GRAVELINK_XVFB_DISPLAY:-}
    if [ -z "$name" ] && start_xvfb "$1" "$2"; then
        name=$XVFB_DISPLAY
    fi
    export DISPLAY=$name
    unset QT_QPA_PLATFORM
}

# Sets up a real-window test: a work folder in WORK (also the data folder), the editor's pid to be kept in APP_PID,
# and cleanup on exit of the editor, an Xvfb server of our own and the work folder; then the
# display as use_xvfb_display gives it.
start_window_test() {
    WORK=$(mktemp -d)
    # The editor's data folder (recovery files) and settings inside the work folder.
    export XDG_DATA_HOME="$WORK/data"
    export XDG_CONFIG_HOME="$WORK/config"
    APP_PID=
    OWN_XVFB_PID=
    trap 'window_test_cleanup' EXIT
    use_xvfb_display "$1" "$2"
}

window_test_cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null || true
    stop_own_xvfb
    rm -rf "$WORK"
}

# Starts the editor $BIN on $WORK/plan.grvlk (further arguments go before the file) and waits
# until its window, with the scheme's name in its caption, has the focus: sets APP_PID, WINDOW
# and the sheet's screen offset SX, SY.
open_plan_in_editor() {
    GRAVELINK_PRINT_SHEET_POS=1 "$BIN" "$@" "$WORK/plan.grvlk" >"$WORK/out.txt" 2>"$WORK/err.txt" &
    APP_PID=$!
    for _ in $(seq 1 150); do
        grep -q '^sheet ' "$WORK/out.txt" 2>/dev/null && break
        sleep 0.2
    done
    sleep 1
    WINDOW=$(xdotool search --pid "$APP_PID" --name 'plan' | head -1 || true)
    if [ -z "$WINDOW" ]; then
        echo "the editor window with the scheme's name in its caption was not found" >&2
        cat "$WORK/err.txt" >&2
        exit 1
    fi
    xdotool windowfocus --sync "$WINDOW"
    read -r _ SX SY < <(grep '^sheet ' "$WORK/out.txt" | tail -1) || true
}

# Presses Ctrl+S in the editor and waits until $WORK/plan.grvlk has been written anew.
save_plan_with_ctrl_s() {
    local before
    before=$(stat -c %Y.%s "$WORK/plan.grvlk")
    sleep 1.1 # a new modification time for every save
    xdotool key --clearmodifiers ctrl+s
    for _ in $(seq 1 50); do
        [ "$(stat -c %Y.%s "$WORK/plan.grvlk")" != "$before" ] && break
        sleep 0.1
    done
}
