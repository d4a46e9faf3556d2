#!/bin/sh
# Refreshes resources/translations/*.ts from the sources (new texts appear as unfinished).
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-/usr/lib/qt6/bin/lupdate}
for ts in resources/translations/Tessarin_*.ts; do
  "$LUPDATE" -silent -locations none -no-obsolete -I . \
    core engine modes partition filesystem boot ui links app -ts "$ts"
done
