#!/usr/bin/env bash
# Fragments the NTFS volume of partition N of a disk image in place: hundreds of small files, every
# other one deleted again, leave the used clusters as short runs with free gaps between them, as a
# smart copy meets them on a long-used disk.
# Usage: fragment-ntfs.sh IMAGE N   (root: a loop device and an ntfs-3g mount)
set -euo pipefail
img=$1
n=$2
start=$(sgdisk -i"$n" "$img" | awk '/First sector/ {print $3}')
end=$(sgdisk -i"$n" "$img" | awk '/Last sector/ {print $3}')
dev=$(losetup -f --show -o $((start * 512)) --sizelimit $(((end - start + 1) * 512)) "$img")
mnt=$(mktemp -d)
cleanup() {
    umount "$mnt" 2>/dev/null || true
    sleep 1   # ntfs-3g lets go of the device a moment after umount
    losetup -d "$dev"
    rmdir "$mnt"
}
trap cleanup EXIT
ntfs-3g "$dev" "$mnt"
mkdir -p "$mnt/Fragments"
for i in $(seq 1 600); do
    head -c $(((i % 7 + 2) * 8 * 1024)) /dev/urandom >"$mnt/Fragments/f$i.bin"
done
rm "$mnt"/Fragments/f*[13579].bin
umount "$mnt"
