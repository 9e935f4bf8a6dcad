#!/bin/bash
# Installs the build into a temporary prefix and checks the installed tree with the desktop's own
# tools: desktop entry, file type, metadata, icons, manual pages, and the caption font note.
#   install_tree.sh <build dir>
set -euo pipefail
BUILD=$1
ID=io.github.gravelink.Gravelink
TYPE=application/x-gravelink-scheme
WORK=$(mktemp -d /tmp/gravelink-install.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

PREFIX=$WORK/prefix
SHARE=$PREFIX/share
cmake --install "$BUILD" --prefix "$PREFIX" >/dev/null
for f in bin/gravelink bin/grvlk share/applications/$ID.desktop share/mime/packages/$ID.xml \
    share/metainfo/$ID.metainfo.xml share/icons/hicolor/scalable/apps/$ID.svg; do
    [ -f "$PREFIX/$f" ] || fail "not installed: $f"
done
for size in 16 22 24 32 48 64 128 256; do
    png=$SHARE/icons/hicolor/${size}x${size}/apps/$ID.png
    [ "$(identify -format '%wx%h' "$png")" = "${size}x${size}" ] || fail "$png is not ${size}x${size}"
done

# The validators print nothing for a clean desktop entry and only the success line for metadata.
out=$(desktop-file-validate "$SHARE/applications/$ID.desktop" 2>&1) || fail "$out"
[ -z "$out" ] || fail "desktop-file-validate: $out"
grep -qx "Icon=$ID" "$SHARE/applications/$ID.desktop" || fail "the desktop entry names another icon"
grep -qx "MimeType=$TYPE;" "$SHARE/applications/$ID.desktop" || fail "the desktop entry names another type"
appstreamcli validate --no-net "$SHARE/metainfo/$ID.metainfo.xml" >"$WORK/as.txt" 2>&1 ||
    fail "appstreamcli: $(cat "$WORK/as.txt")"
grep -q "launchable type=\"desktop-id\">$ID.desktop<" "$SHARE/metainfo/$ID.metainfo.xml" ||
    fail "the metadata launches another desktop entry"
# The licence, named where software centres and Debian look for it; Russian and German texts.
grep -q "<project_license>MIT</project_license>" "$SHARE/metainfo/$ID.metainfo.xml" || fail "no MIT licence in the metadata"
grep -qx "License: Expat" "$SHARE/doc/gravelink/copyright" || fail "no Expat licence in the copyright file"
for lang in ru de; do
    grep -q "^Comment\[$lang\]=" "$SHARE/applications/$ID.desktop" &&
        grep -q "<summary xml:lang=\"$lang\">" "$SHARE/metainfo/$ID.metainfo.xml" || fail "no $lang texts"
done

# The file type, as a desktop without a session sees it: xdg-mime's generic path asks
# mimetype(1), which reads the shared-mime-info database under XDG_DATA_DIRS.
out=$(XDG_DATA_DIRS="$SHARE" update-mime-database "$SHARE/mime" 2>&1) || fail "$out"
[ -z "$out" ] || fail "update-mime-database: $out"
grep -qx "$TYPE text/plain" "$SHARE/mime/subclasses" || fail "$TYPE is not a kind of text/plain"
LINES=(842 595 '[H]' 3 5 R1 120 100 Store '$0099FFFF' '[~]' '[P]' 3 5 P1 400 300 Gate '$00CCFFCC' '[~]'
       '[E]' 3 4 R1-P1 260 200 'to gate' '[~]' LOCK)
printf '%s\r\n' "${LINES[@]}" >"$WORK/plan.grvlk"
type=$(cd "$WORK" && env -u XDG_CURRENT_DESKTOP -u DESKTOP_SESSION -u KDE_FULL_SESSION \
    -u GNOME_DESKTOP_SESSION_ID -u DISPLAY -u WAYLAND_DISPLAY XDG_DATA_HOME="$WORK/home" \
    XDG_DATA_DIRS="$SHARE" xdg-mime query filetype plan.grvlk)
[ "$type" = "$TYPE" ] || fail "xdg-mime query filetype plan.grvlk: \"$type\""

for page in gravelink grvlk; do
    out=$(MANWIDTH=80 man --warnings -l "$SHARE/man/man1/$page.1.gz" 2>&1 >/dev/null)
    [ -z "$out" ] || fail "man $page: $out"
done

# The installed grvlk finds the caption font where fonts-wine puts it, and says so in one line
# when the font is hidden (a private mount namespace, when the user may make one).
"$PREFIX/bin/grvlk" render "$WORK/plan.grvlk" "$WORK/plan.png" 2>"$WORK/err.txt" ||
    fail "grvlk render: $(cat "$WORK/err.txt")"
[ ! -s "$WORK/err.txt" ] || fail "grvlk with the font: $(cat "$WORK/err.txt")"
if unshare -m true 2>/dev/null; then
    unshare -m sh -c 'mount -t tmpfs none /usr/share/wine/fonts && exec "$0" render "$1" "$2"' \
        "$PREFIX/bin/grvlk" "$WORK/plan.grvlk" "$WORK/plan2.png" 2>"$WORK/err.txt" ||
        fail "grvlk render without the font: $(cat "$WORK/err.txt")"
    [ "$(wc -l <"$WORK/err.txt")" -eq 1 ] && grep -q 'fonts-wine' "$WORK/err.txt" ||
        fail "grvlk without the font: \"$(cat "$WORK/err.txt")\""
    [ -s "$WORK/plan2.png" ] || fail "grvlk without the font wrote no picture"
else
    echo "no private mount namespace here: the missing-font note is not checked"
fi
echo "installed tree, validators, file type, manual pages and font note checked"
