#!/bin/bash
# What a screen reader sees, through AT-SPI on a session bus of the test's own: every button,
# check box, list and field of the window has a name; after a click on R1 four Tabs take the
# focus from the caption field past the coordinates and the Delete button to the sheet, whose
# description names R1's caption and centre.
#   accessibility.sh <gravelink binary> [build dir]
set -euo pipefail
if [ -z "${GRAVELINK_OWN_BUS:-}" ]; then
    GRAVELINK_OWN_BUS=1 exec dbus-run-session -- bash "$0" "$@"
fi
BIN=$1
source "$(dirname "$0")/../../tools/xvfb_display.sh"
start_window_test 271 300
/usr/libexec/at-spi-bus-launcher --launch-immediately &
trap 'kill $! 2>/dev/null || true; window_test_cleanup' EXIT
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 2 5 '' '' '' '' '' '[~]'
       '[E]' 2 4 '' '' '' '' '[~]')
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"
open_plan_in_editor -geometry 900x700+0+0
xdotool mousemove $((SX + 120)) $((SY + 100)) click 1
sleep 0.3
for _ in 1 2 3 4; do xdotool key Tab; sleep 0.2; done

/usr/bin/python3 - "$APP_PID" <<'PY'
import sys, time, pyatspi

def walk(acc):
    yield acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)

app = None
for _ in range(50):
    desk = pyatspi.Registry.getDesktop(0)
    app = next((a for a in desk if a is not None and a.get_process_id() == int(sys.argv[1])), None)
    if app is not None:
        break
    time.sleep(0.2)
if app is None:
    sys.exit("the editor did not appear on the accessibility bus")

controls = ("push button", "check box", "combo box", "text")
nodes = [(a.getRoleName(), a.name, a.description, a.getState().contains(pyatspi.STATE_FOCUSED))
         for a in walk(app)]
for role, name, description, focused in nodes:
    print(f"{role} | {name} | {description}{' (focused)' if focused else ''}")
unnamed = [role for role, name, _, _ in nodes if role in controls and not name]
focused = [(name, description) for _, name, description, has in nodes if has]
errors = []
if unnamed:
    errors.append(f"controls without a name: {unnamed}")
if sum(role in controls for role, *_ in nodes) < 16:
    errors.append("fewer controls than the window has")
if focused != [("Sheet", 'Rectangle "Store" at 120, 100')]:
    errors.append(f"after Tab the focus is on {focused}, not on the sheet describing R1")
sys.exit("; ".join(errors) or None)
PY
