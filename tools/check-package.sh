#!/usr/bin/env bash
# Builds the Debian package, checks it with lintian (no errors or warnings allowed), unpacks it into a
# temporary root, lists its files and starts the unpacked program offscreen as a new user:
# it must make that user's data folder (with the password file and the guide) and stay up at
# the login window.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends lintian dpkg-dev man-db \
    desktop-file-utils appstream >/dev/null
bash tools/build.sh
cmake --build build --target package
deb=$(ls build/filmeria-pro_*.deb)
echo "== lintian $deb"
lintian --tag-display-limit 0 "$deb" 2>&1 | tee build/lintian.txt
if grep -q '^[EW]:' build/lintian.txt; then
    echo "lintian reports errors or warnings" >&2
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
echo "== a store folder that lost its password file gets none; a new folder gets the initial one"
store="$home/negozio"
mkdir -p "$store"
: > "$store/Clienti.pro"
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/filmeria" --cartella "$store" || true
[ ! -e "$store/unins000.dll" ] || { echo "a password file was made in a store folder" >&2; exit 1; }
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 3 "$root/usr/bin/filmeria" --cartella "$home/nuovo" || true
cmp "$home/nuovo/unins000.dll" "$root/usr/share/filmeria-pro/unins000.dll"
echo "== the office writers load from the package"
: > "$home/Clienti.pro"
for format in xlsx docx; do
    LD_DEBUG=files LD_DEBUG_OUTPUT="$home/loader" "$root/usr/bin/filmeria-archivi" export "$home/Clienti.pro" \
        --$format "$home/Clienti.$format"
    grep -q "file=$root/usr/.*lib/.*filmeria-pro/filmeria-office-files.so" "$home"/loader.* ||
        { echo "the companion did not load the packaged office writers" >&2; exit 1; }
    rm -f "$home"/loader.*
done
echo "== the companion's other commands load no graphics"
if ldd "$root/usr/bin/filmeria-archivi" | grep -q "libQt6Gui"; then
    echo "the companion links the graphics libraries" >&2
    exit 1
fi
echo "== the manual pages"
for page in filmeria filmeria-archivi; do
    LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/usr/share/man/man1/$page.1.gz" > /dev/null
done
echo "== the companion speaks Italian"
"$root/usr/bin/filmeria-archivi" --help | grep -q "^Uso: filmeria-archivi"
"$root/usr/bin/filmeria-archivi" --version | grep -q "Filmeria Pro"
echo "package checked: $deb"
