# Installs the Debian packages given as arguments when any of them is missing (Debian 12,
# run as root or with sudo). Sourced by run.sh and test.sh.
ensure_packages() {
    local missing=()
    local pkg
    for pkg in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$pkg")
        fi
    done
    if [ ${#missing[@]} -eq 0 ]; then
        return 0
    fi
    echo "Installing: ${missing[*]}"
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        sudo=(sudo)
    fi
    export DEBIAN_FRONTEND=noninteractive
    "${sudo[@]}" apt-get update
    "${sudo[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y --no-install-recommends "${missing[@]}"
}

# What building and running the editor needs (zlib1g-dev: gzip for compressed SVG pictures;
# qt6-tools-dev and qt6-l10n-tools: lupdate and lrelease for the translations; qt6-translations-l10n:
# Qt's own translated texts for its dialogs and buttons).
GRAVELINK_BUILD_PACKAGES=(cmake ninja-build g++ qt6-base-dev zlib1g-dev libgl-dev fonts-wine fonts-dejavu-core
                          qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# What the test suite needs on top: benchmarks, the X server for real-window tests and the
# screenshot tool, xprop for window properties, the formatter, the SVG and PDF rasterisers that check
# vector export, the desktop validators, file-type tools and man for the install checks, dpkg-dev for
# CPack's Debian package and lintian to check it, xclip to read the clipboard, python3-pyatspi
# and dbus-daemon to list what a screen reader sees on a session bus of the test's own.
GRAVELINK_TEST_PACKAGES=(libbenchmark-dev xvfb xauth imagemagick xdotool x11-utils clang-format
                         librsvg2-bin poppler-utils desktop-file-utils appstream shared-mime-info
                         xdg-utils libfile-mimeinfo-perl man-db dpkg-dev lintian xclip
                         python3-pyatspi dbus-daemon)
