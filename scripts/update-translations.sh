#!/bin/sh
# Refreshes resources/translations/*.ts from the sources (new texts appear as unfinished).
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
dirs=""
for d in core engine modes partition filesystem boot ui links app platformtools cli; do
  if [ -d "$d" ]; then dirs="$dirs $d"; fi
done
for ts in resources/translations/Tessarin_*.ts; do
  # shellcheck disable=SC2086
  "$LUPDATE" -silent -locations none -no-obsolete -I . $dirs -ts "$ts"
done
