#!/usr/bin/env bash
# Builds Tessarin and starts it on two sample disk images instead of the machine's own disks:
# a GPT disk with an EFI (FAT32), a reserved, an NTFS and a recovery partition, and a blank,
# larger target disk.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
dir=${TESSARIN_SAMPLE_DIR:-/var/tmp/tessarin-samples}
bash scripts/make-sample-disks.sh "$dir"
export TESSARIN_DISKS="$dir/source.img:$dir/target.img"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting under Xvfb" >&2
  exec xvfb-run -a ./build/tessarin "$@"
fi
exec ./build/tessarin "$@"
