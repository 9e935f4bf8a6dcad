#!/bin/bash
# Each translation has every text of the sources translated and keeps none that the sources no
# longer have: lupdate run on a copy of each .ts file finds nothing unfinished or vanished.
#   complete.sh <lupdate> <source dir>
set -euo pipefail
LUPDATE=$1
SRC=$2
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
status=0
for ts in "$SRC"/translations/*.ts; do
    copy="$WORK/$(basename "$ts")"
    cp "$ts" "$copy"
    (cd "$SRC" && "$LUPDATE" -silent -locations none -I . toolkit model render editor view dialogs app cli -ts "$copy")
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "$(basename "$ts") is not complete; run the update_translations target and translate:" >&2
        grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' >&2
        status=1
    fi
done
exit $status
