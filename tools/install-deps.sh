#!/usr/bin/env bash
# Installs the Debian packages Filmeria Pro needs to build, test and run (only those missing).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-base-dev-tools qt6-charts-dev libqt6opengl6-dev qt6-qpa-plugins qt6-translations-l10n qt6-image-formats-plugins libgl-dev
    libsqlite3-dev sqlite3 libjpeg-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    libxlsxwriter-dev libzip-dev libssl-dev python3-openpyxl python3-docx
    libcups2-dev poppler-utils cups cups-client cups-bsd printer-driver-cups-pdf
    libreoffice-writer-nogui libreoffice-calc-nogui
    locales xdg-utils file
    xvfb xauth xdotool x11-utils openbox
)

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# The Italian locale of the store's desktops: the tests run under it as well as under C.UTF-8.
make_italian_locale() {
    locale -a 2>/dev/null | grep -qix 'it_IT.utf-\?8' && return 0
    echo "Making the it_IT.UTF-8 locale"
    $sudo localedef -i it_IT -f UTF-8 it_IT.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
    make_italian_locale
    exit 0
fi

echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
make_italian_locale
