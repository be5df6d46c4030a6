#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no errors allowed), unpacks it into a
# temporary root, lists its files and starts the unpacked program offscreen as a new user:
# it must make that user's data folder (with the password file and the guide) and stay up at
# the login window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends lintian dpkg-dev \
    desktop-file-utils appstream >/dev/null
bash tools/build.sh
cmake --build build --target package
deb=$(ls build/filmeria-pro_*.deb)
echo "== lintian $deb"
lintian --no-tag-display-limit "$deb" | tee build/lintian.txt
if grep -q '^E:' build/lintian.txt; then
    echo "lintian reports errors" >&2
    exit 1
fi
root=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$root" "$home"' EXIT
dpkg -x "$deb" "$root"
echo "== files"
(cd "$root" && find . -type f | sort)
desktop-file-validate "$root/usr/share/applications/filmeria-pro.desktop"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/it.studiolanterna.filmeria-pro.metainfo.xml" || \
    appstreamcli validate --no-net "$root/usr/share/metainfo/it.studiolanterna.filmeria-pro.metainfo.xml"
echo "== starting the unpacked program as a new user"
status=0
HOME="$home" XDG_DATA_HOME= QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/filmeria" || status=$?
if [ "$status" -ne 124 ]; then
    echo "the program ended by itself (status $status) instead of waiting at the login window" >&2
    exit 1
fi
data="$home/.local/share/filmeria-pro"
ls -la "$data"
[ "$(stat -c %a "$data")" = 700 ] || { echo "the data folder is not for its user only" >&2; exit 1; }
cmp "$data/unins000.dll" "$root/usr/share/filmeria-pro/unins000.dll"
cmp "$data/Guida.pdf" "$root/usr/share/filmeria-pro/Guida.pdf"
echo "== the office writers load from the package"
: > "$home/Clienti.pro"
for format in xlsx docx; do
    LD_DEBUG=files LD_DEBUG_OUTPUT="$home/loader" "$root/usr/bin/filmeria-archivi" export "$home/Clienti.pro" \
        --$format "$home/Clienti.$format"
    grep -q "file=$root/usr/bin/../lib/.*filmeria-pro/filmeria-office-files.so" "$home"/loader.* ||
        { echo "the companion did not load the packaged office writers" >&2; exit 1; }
    rm -f "$home"/loader.*
done
echo "package checked: $deb"
