#!/usr/bin/env bash
# Backup of the store-scale data folder (Film.db with posters, 100,000 customers, 100,000
# slips) next to `zip -r` of the same files (the floor): time and peak memory of each.
#   bench/backup_compare.sh STOREFOLDER [BUILD_DIR]
set -euo pipefail
store=$1
build=${2:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/dati"
for f in Film.db Clienti.pro "$store"/*.nol; do
    ln "$store/$(basename "$f")" "$work/dati/" 2>/dev/null || cp "$store/$(basename "$f")" "$work/dati/"
done
cp "$(dirname "$0")/../resources/unins000.dll" "$work/dati/"
du -sh "$work/dati"
cat "$work"/dati/* > /dev/null # both start from the file cache
/usr/bin/time -f "filmeria-archivi backup: %e s, peak %M KB" "$build/filmeria-archivi" backup "$work/dati" "$work/copia.zip" 2>&1 >/dev/null | grep -v '^copia\|^scrittura' || true
ls -l "$work/copia.zip"
/usr/bin/time -f "zip -r (floor): %e s, peak %M KB" zip -r -q "$work/floor.zip" "$work/dati"
ls -l "$work/floor.zip"
