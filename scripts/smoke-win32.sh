#!/bin/sh
# Builds tests/platform/win32smoke.cpp with the Windows backend (mingw-w64) and runs it under Wine in
# a throwaway prefix. Exits 1 when a check fails; 0 when all pass, or (saying SKIPPED) without Wine.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
# The posix thread model: the seam's worker-thread queue needs std::thread.
default_cxx=x86_64-w64-mingw32-g++
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && default_cxx=x86_64-w64-mingw32-g++-posix
cxx=${CXX_WIN32:-$default_cxx}
wine=""
for w in ${WINE:-} wine64 wine /usr/lib/wine/wine64; do
    if command -v "$w" >/dev/null 2>&1; then wine=$w; break; fi
done
if ! command -v "$cxx" >/dev/null 2>&1 || [ -z "$wine" ]; then
    echo "smoke-win32: SKIPPED (needs $cxx and wine64)"
    exit 0
fi

work=$(mktemp -d)
wineserver=$(command -v wineserver || echo "$(dirname "$(command -v "$wine")")/wineserver")
cleanup() {
    [ -x "$wineserver" ] && WINEPREFIX="$work/prefix" "$wineserver" -k >/dev/null 2>&1
    rm -rf "$work"
}
trap cleanup EXIT INT TERM

if ! "$cxx" -std=c++20 -Wall -Wextra -Werror -O1 -I"$root" \
        "$root/tests/platform/win32smoke.cpp" "$root"/ondisk/*.cpp "$root"/platform/*.cpp "$root"/platform/win32/*.cpp \
        -static -ladvapi32 -lvssapi -lole32 -luuid -o "$work/win32smoke.exe"; then
    echo "smoke-win32: build FAILED" >&2
    exit 1
fi

WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$work" \
    timeout 600 "$wine" "$work/win32smoke.exe" >"$work/out.txt" 2>/dev/null
status=$?
tr -d '\r' <"$work/out.txt"
if [ $status -ne 0 ]; then
    echo "smoke-win32: FAILED (exit $status)" >&2
    exit 1
fi
exit 0
