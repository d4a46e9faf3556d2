#!/bin/sh
# Makes two sample disk images (a GPT disk with EFI, MSR, Windows-like NTFS and recovery partitions,
# and a blank larger disk), runs the program's window on them offscreen through the screenshot tool
# and saves a picture of every wizard page and dialog in docs/screenshots/. Given the Windows build's
# tessarin-screenshots.exe, it runs that under Wine (windows platform, on Xvfb when there is no
# display) and saves the pictures in docs/screenshots/windows/.
# Usage: scripts/screenshots.sh [path/to/tessarin-screenshots[.exe]]
set -eu
ROOT=$(cd "$(dirname "$0")/.." && pwd)
EXE=${1:-$ROOT/build/tessarin-screenshots}
OUT=$ROOT/docs/screenshots
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT INT TERM

A=$WORK/system-disk.img
B=$WORK/blank-disk.img
truncate -s 2G "$A"
truncate -s 4G "$B"

sgdisk -n 1:2048:+100M -t 1:EF00 -c 1:"EFI system partition" \
          -n 2:0:+16M -t 2:0C01 -c 2:"Microsoft reserved partition" \
          -n 3:0:-520M -t 3:0700 -c 3:"Basic data partition" \
          -n 4:0:0 -t 4:2700 -c 4:"Basic data partition" "$A" >/dev/null

# start_sector size_in_sectors of partition N
part() { sgdisk -i "$1" "$A" | awk '/First sector/ {s=$3} /Last sector/ {e=$3} END {print s, e - s + 1}'; }

put() { # image start
  dd if="$1" of="$A" bs=512 seek="$2" conv=notrunc,sparse status=none
}

set -- $(part 1); s=$1; n=$2
mkfs.fat -F 32 -n SYSTEM -C "$WORK/p1" $((n / 2)) >/dev/null
put "$WORK/p1" "$s"

set -- $(part 3); s=$1; n=$2
truncate -s $((n * 512)) "$WORK/p3"
mkntfs -q -F -Q -L Windows -p "$s" -H 255 -S 63 "$WORK/p3" >/dev/null
# A Windows installation's folder, so the pages show the volume as the one a system clone copies.
mkdir "$WORK/m"
ntfs-3g "$WORK/p3" "$WORK/m"
mkdir -p "$WORK/m/Windows/System32"
umount "$WORK/m"
put "$WORK/p3" "$s"

set -- $(part 4); s=$1; n=$2
truncate -s $((n * 512)) "$WORK/p4"
mkntfs -q -F -Q -L Recovery -p "$s" -H 255 -S 63 "$WORK/p4" >/dev/null
put "$WORK/p4" "$s"

case $EXE in
*.exe)
  OUT=$OUT/windows
  mkdir -p "$OUT"
  rm -f "$OUT"/*.png
  winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
  XVFB=""
  if [ -z "${DISPLAY:-}" ]; then
    DISPLAY=:$((90 + $$ % 100))
    Xvfb "$DISPLAY" -screen 0 1280x900x24 >/dev/null 2>&1 &
    XVFB=$!
    sleep 2
  fi
  export DISPLAY
  WINE=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
  WINESERVER=$(command -v wineserver || echo "$(dirname "$WINE")/wineserver")
  trap 'WINEPREFIX=$WORK/prefix "$WINESERVER" -k 2>/dev/null; [ -n "$XVFB" ] && kill $XVFB; rm -rf "$WORK"' EXIT INT TERM
  # The prefix's desktop, where the log goes, links to the $HOME it was made with.
  export HOME=$WORK WINEPREFIX=$WORK/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  "$WINE" wineboot -i >/dev/null 2>&1 || true
  HOME=$WORK TESSARIN_DISKS="$(winpath "$A");$(winpath "$B")" QT_QPA_PLATFORM=windows \
    timeout 300 "$WINE" "$EXE" "$(winpath "$OUT")" >"$WORK/run.log" 2>&1 || { cat "$WORK/run.log"; exit 1; }
  ;;
*)
  mkdir -p "$OUT"
  rm -f "$OUT"/*.png
  HOME=$WORK TESSARIN_DISKS="$A:$B" QT_QPA_PLATFORM=offscreen \
    timeout 300 "$EXE" "$OUT" >"$WORK/run.log" 2>&1 || { cat "$WORK/run.log"; exit 1; }
  ;;
esac
ls "$OUT"
