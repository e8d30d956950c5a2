#!/bin/sh
# SPDX-License-Identifier: AGPL-3.0-or-later
# Installs the Debian packages that building, testing and running Velmora
# need, and only those that are missing, and the Russian locale the tests
# run the tool under. Runs apt-get as root, or through
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
libqt6sql6-sqlite
libqt6printsupport6
libcups2-dev
nlohmann-json3-dev
libfontconfig-dev
qt6-qpa-plugins
qt6-translations-l10n
qt6-l10n-tools
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
lintian
dpkg-dev
file
python3
locales
"

missing=""
for pkg in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $pkg"
    fi
done

# The tool's messages are tested under the Russian locale too.
russian=""
locale -a 2>/dev/null | grep -qix 'ru_RU.utf-\{0,1\}8' || russian="ru_RU.UTF-8"

[ -z "$missing$russian" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
elif command -v sudo >/dev/null 2>&1; then
    SUDO="sudo"
else
    echo "bootstrap: need root or sudo to install:$missing $russian" >&2
    exit 1
fi

if [ -n "$missing" ]; then
    echo "bootstrap: installing$missing"
    $SUDO apt-get update -qq
    # shellcheck disable=SC2086
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
fi

if [ -n "$russian" ]; then
    echo "bootstrap: generating the $russian locale"
    $SUDO sed -i 's/^# *\(ru_RU.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^ru_RU.UTF-8 UTF-8' /etc/locale.gen || echo 'ru_RU.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
