#!/bin/sh
# Installs the Debian packages that building, testing and running Velmora
# need, and only those that are missing. Runs apt-get as root, or through
# sudo for an ordinary user.
set -eu

PACKAGES="
build-essential
cmake
pkg-config
libswe-dev
libgeonames-dev
tzdata
qt6-base-dev
libqt6printsupport6
libcups2-dev
libfontconfig-dev
qt6-qpa-plugins
qt6-translations-l10n
libgl-dev
libgtest-dev
libgmock-dev
libbenchmark-dev
xvfb
xauth
fonts-dejavu-core
fonts-liberation
poppler-utils
man-db
groff-base
bash-completion
desktop-file-utils
appstream
dpkg-dev
file
python3
"

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "bootstrap: need root or sudo to install:$missing" >&2
    exit 1
fi

echo "bootstrap: installing$missing"
$SUDO apt-get update -qq
# shellcheck disable=SC2086
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
