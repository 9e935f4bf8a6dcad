#!/bin/bash
# Builds the Debian package from the build folder with CPack and checks its control fields and
# contents: dependencies computed from the binaries plus the caption font's package; lintian
# reports neither errors nor warnings.
#   deb_package.sh <build dir>
set -euo pipefail
BUILD=$1
WORK=$(mktemp -d /tmp/gravelink-deb.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
fail() {
    echo "$*" >&2
    exit 1
}

(cd "$BUILD" && cpack -G DEB -B "$WORK" >"$WORK/cpack.txt" 2>&1) || fail "cpack: $(cat "$WORK/cpack.txt")"
DEB=$(ls "$WORK"/gravelink_*.deb)
depends=$(dpkg-deb -f "$DEB" Depends)
for pkg in fonts-wine libqt6widgets6 libqt6gui6 libc6; do
    [[ ", $depends," == *", $pkg"[\ ,]* ]] || fail "Depends lacks $pkg: $depends"
done
contents=$(dpkg-deb -c "$DEB")
for f in ./usr/bin/gravelink ./usr/bin/grvlk ./usr/share/applications/io.github.gravelink.Gravelink.desktop \
    ./usr/share/mime/packages/io.github.gravelink.Gravelink.xml; do
    grep -q " $f\$" <<<"$contents" || fail "the package lacks $f"
done
lintian --fail-on error,warning "$DEB" >"$WORK/lintian.txt" 2>&1 || fail "lintian: $(cat "$WORK/lintian.txt")"
echo "package $(basename "$DEB"): Depends: $depends"
