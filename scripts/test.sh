#!/usr/bin/env bash
# Installs what is missing, builds, and runs every check: the unit and integration tests (ctest),
# the compile check of the Windows backend and a short fuzzing run of the on-disk decoders.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
if [ -f scripts/check-win32.sh ]; then
  bash scripts/check-win32.sh
fi
if [ -f scripts/run-fuzz.sh ]; then
  bash scripts/run-fuzz.sh 30
fi
cd build
ctest --output-on-failure --timeout 900 -j1
