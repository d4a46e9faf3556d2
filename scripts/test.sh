#!/usr/bin/env bash
# Checks that includes keep to the layers, installs what is missing, builds, and runs every check:
# the unit and integration tests (ctest), the compile check and a Wine smoke run of the Windows
# backend, and a short fuzzing run of the on-disk decoders.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/check-layers.sh
bash scripts/setup.sh
bash scripts/check-win32.sh
bash scripts/smoke-win32.sh
bash scripts/run-fuzz.sh
cd build
# Two at a time: each test keeps its own images, loop devices, mounts and log folder.
ctest --output-on-failure --timeout 900 -j2
