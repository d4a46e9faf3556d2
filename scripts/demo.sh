#!/usr/bin/env bash
# Builds Tessarin, makes two sample disk images (a GPT disk with an EFI (FAT32), a reserved, an NTFS
# "Windows" and a recovery partition, and a blank, larger target), clones the source onto the target
# with tessarin-cli and checks the copy with outside tools. With --gui it starts the window on the
# same images instead. The machine's own disks are never listed.
set -euo pipefail
cd "$(dirname "$0")/.."
gui=0
if [ "${1:-}" = "--gui" ]; then gui=1; shift; fi
# TESSARIN_CLI names an installed tessarin-cli to run the demo with instead of building one.
cli=${TESSARIN_CLI:-./build/tessarin-cli}
[ -n "${TESSARIN_CLI:-}" ] || bash scripts/setup.sh
dir=${TESSARIN_SAMPLE_DIR:-/var/tmp/tessarin-samples}
bash scripts/make-sample-disks.sh "$dir"
src="$dir/source.img"
dst="$dir/target.img"
export TESSARIN_DISKS="$src:$dst"

if [ "$gui" = 1 ]; then
  if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display: starting under Xvfb" >&2
    exec xvfb-run -a ./build/tessarin "$@"
  fi
  exec ./build/tessarin "$@"
fi

# Each run clones onto a blank target, so what the checks see is this run's copy.
truncate -s 0 "$dst" && truncate -s 2G "$dst"
echo "== Disks"
"$cli" list
echo "== Plan"
"$cli" clone disk 0 1 --dry-run
# Without the Windows boot tools the boot repair edits the copy's boot store and SYSTEM hive
# offline (the sample holds neither, so it has nothing to change).
echo "== Clone (smart, --verify, boot repair)"
set +e
"$cli" clone disk 0 1 --yes --smart --verify
rc=$?
echo "== Check of the copy"
"$cli" check 1
check_rc=$?
set -e

loops=()
mnts=()
cleanup() {
  for m in "${mnts[@]}"; do umount "$m" 2>/dev/null || true; rmdir "$m" 2>/dev/null || true; done
  sleep 1  # ntfs-3g lets go of the loop device a moment after umount
  for l in "${loops[@]}"; do losetup -d "$l" 2>/dev/null || true; done
}
trap cleanup EXIT
# A read-only loop device over partition $2 of image $1, in $dev (not a subshell: the cleanup
# has to know every device).
part() {
  local start end
  start=$(sgdisk -i"$2" "$1" | awk '/First sector/ {print $3}')
  end=$(sgdisk -i"$2" "$1" | awk '/Last sector/ {print $3}')
  dev=$(losetup -r -f --show -o $((start * 512)) --sizelimit $(((end - start + 1) * 512)) "$1")
  loops+=("$dev")
}
# A read-only ntfs-3g mount of $1, in $mnt.
ro_mount() {
  mnt=$(mktemp -d)
  mnts+=("$mnt")
  ntfs-3g -o ro "$1" "$mnt"
}

results=()
check() {  # name, command...
  local name=$1; shift
  if "$@" >/dev/null 2>&1; then results+=("ok      $name"); else results+=("FAILED  $name"); fi
}
check "tessarin-cli exit code 0 (got $rc)" test "$rc" -eq 0
check "tessarin-cli check 1: no errors (exit $check_rc)" test "$check_rc" -eq 0
check "sgdisk -v: target GPT sound" sh -c "sgdisk -v '$dst' | grep -q 'No problems found'"
part "$dst" 1
check "fsck.fat -n: target EFI partition" fsck.fat -n "$dev"
part "$src" 3
ro_mount "$dev"
src_mnt=$mnt
part "$dst" 3
check "ntfsfix -n: target Windows partition" ntfsfix -n "$dev"
ro_mount "$dev"
dst_mnt=$mnt
src_sum=$(cd "$src_mnt" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -d' ' -f1)
dst_sum=$(cd "$dst_mnt" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -d' ' -f1)
files=$(cd "$src_mnt" && find . -type f | wc -l)
check "every file ($files) hashes the same through read-only mounts" test "$src_sum" = "$dst_sum"
if [ -f /usr/share/ovmf/OVMF.fd ] && command -v qemu-system-x86_64 >/dev/null; then
  # The copy in a virtual machine: the firmware must find the copy's loader and run it.
  check "the copy starts under UEFI (qemu with OVMF runs its loader)" sh -c \
    "timeout 120 qemu-system-x86_64 -accel tcg -m 256 -nographic -no-reboot -net none \
       -bios /usr/share/ovmf/OVMF.fd -drive file='$dst',format=raw,if=virtio 2>&1 | grep -q TESSARIN-BOOT-OK"
fi

echo "== Result"
printf '  %s\n' "${results[@]}"
for r in "${results[@]}"; do
  case $r in FAILED*) exit 1 ;; esac
done
echo "The sample disk was cloned and checked. The window on the same disks: bash scripts/demo.sh --gui"
