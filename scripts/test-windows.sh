#!/usr/bin/env bash
# Runs the Windows build in build-win/ (scripts/build-windows.sh) under Wine in a throwaway prefix:
# tessarin-cli on the sample disk images through the Windows backend (image files are disks through
# TESSARIN_DISKS there too), checked from Linux with sgdisk, fsck.fat, ntfs-3g and mtools; the
# portable test programs; and the window under Xvfb. Steps Wine cannot run are named as skipped.
# Exit 0 all ran steps passed; 1 a step failed; 2 no Wine or no Windows build (the message says which).
set -u
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TESSARIN_WIN_BUILD:-$root/build-win}
say() { echo "test-windows: $*"; }

wine=""
for w in ${WINE:-} wine64 wine /usr/lib/wine/wine64; do
    if command -v "$w" >/dev/null 2>&1; then wine=$(command -v "$w"); break; fi
done
if [ -z "$wine" ]; then
    say "wine64 not found (Debian: wine64)" >&2
    exit 2
fi
if [ ! -f "$out/tessarin-cli.exe" ] || [ ! -f "$out/tessarin.exe" ]; then
    say "no Windows build in $out (bash scripts/build-windows.sh)" >&2
    exit 2
fi
wineserver=$(command -v wineserver || echo "$(dirname "$wine")/wineserver")

work=$(mktemp -d /var/tmp/tessarin-wine-XXXXXX)
loops=()
mnts=()
xvfb=""
cleanup() {
    for m in "${mnts[@]}"; do umount "$m" 2>/dev/null; rmdir "$m" 2>/dev/null; done
    [ ${#mnts[@]} -gt 0 ] && sleep 1   # ntfs-3g lets go of the loop device a moment after umount
    for l in "${loops[@]}"; do losetup -d "$l" 2>/dev/null; done
    [ -x "$wineserver" ] && WINEPREFIX="$work/prefix" "$wineserver" -k >/dev/null 2>&1
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$work"
# Qt on Windows makes a window for its event loop even offscreen, and Wine makes windows only with a
# display: everything runs on a virtual one.
if command -v Xvfb >/dev/null 2>&1; then
    display=:$((90 + RANDOM % 100))
    Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
    xvfb=$!
    sleep 2
    export DISPLAY=$display
fi
# Z: is the Linux root in every Wine prefix.
winpath() { printf 'Z:%s' "$(printf '%s' "$1" | tr / '\\')"; }
export WINEPATH
WINEPATH=$(winpath "$out")
"$wine" wineboot -i >/dev/null 2>&1

passed=0 failed=0 skipped=0
results=()
record() {  # verdict name
    results+=("$(printf '%-8s %s' "$1" "$2")")
    case $1 in
        ok) passed=$((passed + 1)) ;;
        FAILED) failed=$((failed + 1)) ;;
        skipped) skipped=$((skipped + 1)) ;;
    esac
}
check() {  # name command...
    local name=$1; shift
    if "$@" >>"$work/checks.log" 2>&1; then record ok "$name"; else record FAILED "$name"; fi
}
# The program's own run under Wine; its output goes to $work/last.txt without carriage returns.
cli() {
    timeout -k 10 600 "$wine" "$out/tessarin-cli.exe" "$@" 2>&1 | tr -d '\r' >"$work/last.txt"
    return "${PIPESTATUS[0]}"
}

samples=$work/samples
bash "$root/scripts/make-sample-disks.sh" "$samples" >/dev/null 2>&1 || { say "making the sample disks FAILED" >&2; exit 1; }
src=$samples/source.img
dst=$samples/target.img
blank_target() { truncate -s 0 "$dst" && truncate -s 2G "$dst"; }
export TESSARIN_DISKS
TESSARIN_DISKS="$(winpath "$src");$(winpath "$dst")"

# A read-only loop device over partition $2 of image $1, in $dev (not in a subshell: the cleanup
# has to know every device).
part() {
    local start end
    start=$(sgdisk -i"$2" "$1" | awk '/First sector/ {print $3}')
    end=$(sgdisk -i"$2" "$1" | awk '/Last sector/ {print $3}')
    dev=$(losetup -r -f --show -o $((start * 512)) --sizelimit $(((end - start + 1) * 512)) "$1")
    loops+=("$dev")
}
# One hash over every file of the NTFS partition $2 of image $1 through a read-only ntfs-3g
# mount, in $hash; the mount goes again at once.
ntfs_hash() {
    part "$1" "$2"
    local mnt
    mnt=$(mktemp -d "$work/mnt-XXXXXX")
    mnts+=("$mnt")
    hash=""
    ntfs-3g -o ro "$dev" "$mnt" || return 1
    hash=$(cd "$mnt" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -d' ' -f1)
    umount "$mnt"
}
# The same over the FAT32 partition at byte offset $2 of image $1, through mtools.
fat_hash() {
    local copy
    copy=$(mktemp -d "$work/fat-XXXXXX")
    MTOOLS_SKIP_CHECK=1 mcopy -s -n -i "$1@@$2" '::*' "$copy/" || return 1
    (cd "$copy" && find . -type f -print0 | sort -z | xargs -0 sha256sum | sha256sum | cut -d' ' -f1)
}
same_files() {  # the copy's partition $1 against the source's, NTFS ($2 = ntfs) or FAT32 at 1 MiB
    if [ "$2" = ntfs ]; then
        local a
        ntfs_hash "$src" "$1" && a=$hash && ntfs_hash "$dst" "$1" && test "$a" = "$hash"
    else
        test "$(fat_hash "$src" 1M)" = "$(fat_hash "$dst" 1M)"
    fi
}
gpt_sound() { sgdisk -v "$dst" | grep -q 'No problems found'; }
fat_sound() { part "$dst" 1 && fsck.fat -n "$dev"; }

# --- the command line ---
check "tessarin-cli --version" sh -c "'$wine' '$out/tessarin-cli.exe' --version | grep -q '^tessarin-cli [0-9]'"
cli list --json
check "list --json: both images, the source's GPT with its 4 partitions" python3 -c "
import json, sys
d = json.load(open('$work/last.txt'))
assert [x['number'] for x in d] == [0, 1], d
assert d[0]['path'].endswith('source.img') and d[1]['path'].endswith('target.img'), d
assert d[0]['table'] == 'GPT' and len(d[0]['partitions']) == 4, d[0]"

say "boot repair skipped in every clone: bcdedit and bcdboot do not run under Wine"
record skipped "boot repair (bcdedit, bcdboot): not under Wine"
record skipped "clones of raw disks (\\\\.\\PhysicalDriveN): Wine has none"
record skipped "system clone: needs diskpart to format the copy's volumes; Wine has no diskpart"

blank_target
cli clone disk 0 1 --yes --no-smart --no-boot-repair
rc=$?
check "disk clone, full: exit 0 (got $rc)" test "$rc" -eq 0
check "disk clone, full: sgdisk -v finds the copy's GPT sound" gpt_sound
check "disk clone, full: fsck.fat -n on the copy's EFI partition" fat_sound
check "disk clone, full: every NTFS file hashes the same (ntfs-3g)" same_files 3 ntfs
check "disk clone, full: every EFI file hashes the same (mtools)" same_files 1 fat

blank_target
cli clone partition 0:1 1 --yes --no-smart
rc=$?
check "partition clone of the EFI partition onto a whole disk: exit 0 (got $rc)" test "$rc" -eq 0
check "partition clone: sgdisk -v finds the target's GPT sound" gpt_sound
check "partition clone: every file hashes the same (mtools)" same_files 1 fat

# A smart copy packs many extents of the NTFS volume into each request through the overlapped queue.
blank_target
cli clone disk 0 1 --yes --smart --no-boot-repair
rc=$?
check "disk clone, smart: exit 0 (got $rc)" test "$rc" -eq 0
check "disk clone, smart: sgdisk -v finds the copy's GPT sound" gpt_sound
check "disk clone, smart: every NTFS file hashes the same (ntfs-3g)" same_files 3 ntfs
check "disk clone, smart: every EFI file hashes the same (mtools)" same_files 1 fat
bash "$root/scripts/fragment-ntfs.sh" "$src" 3 >>"$work/checks.log" 2>&1
frag_rc=$?
blank_target
cli clone disk 0 1 --yes --smart --no-boot-repair
rc=$?
check "disk clone, smart, of a fragmented NTFS volume: made ($frag_rc) and cloned (exit $rc)" \
    test "$frag_rc" -eq 0 -a "$rc" -eq 0
check "disk clone, smart, of a fragmented NTFS volume: every file hashes the same (ntfs-3g)" same_files 3 ntfs

# --- the portable test programs ---
# Each program finds Qt's plugins through the qt.conf beside it (scripts/build-windows.sh); its
# results go to a file, as QTest's console output does not reach a pipe under Wine.
for t in $(cd "$out/tests" && find . -name '*.exe' | sort); do
    name=$(basename "$t" .exe)
    (cd "$(dirname "$out/tests/$t")" && QT_QPA_PLATFORM=offscreen TESSARIN_DISKS= TESSARIN_SOURCE_DIR=$(winpath "$root") \
        timeout -k 10 300 "$wine" "$(basename "$t")" -o "$(winpath "$work/$name.txt"),txt" >/dev/null 2>&1)
    rc=$?
    if [ "$rc" -eq 0 ]; then
        record ok "$name"
    else
        record FAILED "$name (exit $rc)"
        tr -d '\r' <"$work/$name.txt" | grep -E '^(FAIL|QFATAL|Totals)|Loc:|failure location' | head -n 20
    fi
done

# --- the window ---
if [ -n "$xvfb" ]; then
    touch "$work/window-start"
    timeout -k 10 60 "$wine" "$out/tessarin.exe" >/dev/null 2>&1 &
    gui=$!
    sleep 20
    # The log lands in Tessarin_Logs on the prefix's desktop, which is a link to $HOME.
    check "the window starts under Wine (windows platform) and lists the sample disks" \
        sh -c "kill -0 $gui && find '$HOME/Tessarin_Logs' '$WINEPREFIX/drive_c/users' -name 'Tessarin_*.log' \
               -newer '$work/window-start' -exec grep -l 'Disk 1 is ' {} + 2>/dev/null | grep -q ."
    if command -v import >/dev/null 2>&1 && [ -n "${TESSARIN_WINE_SCREENSHOT:-}" ]; then
        import -window root "$TESSARIN_WINE_SCREENSHOT" 2>/dev/null
    fi
    kill "$gui" 2>/dev/null
    "$wineserver" -k >/dev/null 2>&1
else
    record skipped "the window: no Xvfb (Debian: xvfb)"
fi

echo "== Windows build under Wine"
printf '  %s\n' "${results[@]}"
if [ "$failed" -ne 0 ]; then
    say "what the failed checks printed:"
    tail -n 40 "$work/checks.log"
fi
echo "test-windows: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
