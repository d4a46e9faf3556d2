#!/usr/bin/env bash
# Creates the sample disks (sparse image files) in the folder given, unless they exist.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=${1:?usage: make-sample-disks.sh DIR}
mkdir -p "$dir"
src="$dir/source.img"
dst="$dir/target.img"
if [ ! -f "$src" ]; then
  truncate -s 1G "$src"
  sgdisk -Z "$src" >/dev/null 2>&1 || true
  sgdisk -n1:2048:+100M -t1:EF00 -c1:"EFI system partition" \
         -n2:0:+16M -t2:0C01 -c2:"Microsoft reserved partition" \
         -n3:0:+700M -t3:0700 -c3:"Basic data partition" \
         -n4:0:0 -t4:2700 -c4:"Recovery" "$src" >/dev/null
  # The EFI and data partitions get real file systems so smart clone has something to read.
  mkfs.fat -F 32 -s 1 -n EFI -h 2048 --offset 2048 "$src" $((100 * 1024)) >/dev/null 2>&1
  # A UEFI loader, so that a copy can be started: the test program that prints TESSARIN-BOOT-OK
  # on the serial console and powers the machine off.
  if command -v x86_64-w64-mingw32-gcc >/dev/null; then
    efi="$dir/.bootx64.efi"
    x86_64-w64-mingw32-gcc -O2 -ffreestanding -nostdlib -fno-stack-protector -mno-red-zone -fshort-wchar \
      -Wl,--subsystem,10 -e efi_main -o "$efi" "$root/tests/modes/vm/markerapp.c"
    export MTOOLS_SKIP_CHECK=1
    mmd -i "$src@@1M" ::/EFI ::/EFI/Boot
    mcopy -i "$src@@1M" "$efi" ::/EFI/Boot/bootx64.efi
    rm -f "$efi"
  fi
  start3=$(sgdisk -i3 "$src" | awk '/First sector/ {print $3}')
  size3=$(( $(sgdisk -i3 "$src" | awk '/Last sector/ {print $3}') - start3 + 1 ))
  part="$dir/.data.part"
  truncate -s $((size3 * 512)) "$part"
  mkntfs -Q -F -L Windows -p "$start3" -H 255 -S 63 "$part" >/dev/null 2>&1
  # A Windows\System32 folder with files of varied sizes, so the system clone finds its source.
  mnt=$(mktemp -d)
  ntfs-3g "$part" "$mnt"
  mkdir -p "$mnt/Windows/System32/config" "$mnt/Windows/System32/drivers" "$mnt/Users/Public/Documents"
  for i in $(seq 1 36); do
    case $((i % 4)) in
      0) folder=Windows/System32 ;;
      1) folder=Windows/System32/drivers ;;
      2) folder=Windows/System32/config ;;
      *) folder=Users/Public/Documents ;;
    esac
    head -c $(( (i * i * 7919) % (3 * 1024 * 1024) + 512 )) /dev/urandom > "$mnt/$folder/file$i.bin"
  done
  umount "$mnt"
  sleep 1  # ntfs-3g lets go of the file a moment after umount
  rmdir "$mnt"
  dd if="$part" of="$src" bs=1M seek=$((start3 * 512)) oflag=seek_bytes conv=notrunc,sparse status=none
  rm -f "$part"
fi
if [ ! -f "$dst" ]; then
  truncate -s 2G "$dst"
fi
echo "Sample disks: $src $dst"
