#!/bin/sh
# Compiles the platform seam and its Windows backend with the mingw-w64 cross compiler (no linking),
# so the Windows-only sources are checked on a Linux machine; also compiles the resource script.
set -u

root=$(cd "$(dirname "$0")/.." && pwd)
# The posix thread model: the seam's worker-thread queue needs std::thread, as every real Windows toolchain has.
default_cxx=x86_64-w64-mingw32-g++
command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1 && default_cxx=x86_64-w64-mingw32-g++-posix
cxx=${CXX_WIN32:-$default_cxx}

if ! command -v "$cxx" >/dev/null 2>&1; then
    echo "check-win32: $cxx not found" >&2
    exit 2
fi

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT INT TERM

status=0
count=0
for src in "$root"/ondisk/*.cpp "$root"/platform/*.cpp "$root"/platform/win32/*.cpp; do
    [ -f "$src" ] || continue
    count=$((count + 1))
    obj="$out/$(basename "$src" .cpp).o"
    if "$cxx" -std=c++20 -Wall -Wextra -Werror -I"$root" -c "$src" -o "$obj"; then
        echo "check-win32: ok     ${src#$root/}"
    else
        echo "check-win32: FAILED ${src#$root/}" >&2
        status=1
    fi
done

# The executable's resources (icon, manifest, version) go through the resource compiler too, as
# the build generates them from their templates.
windres=${WINDRES_WIN32:-x86_64-w64-mingw32-windres}
if ! command -v "$windres" >/dev/null 2>&1; then
    echo "check-win32: $windres not found, resources not checked" >&2
elif ! cmake -DOUT_DIR="$out/resources" -P "$root/resources/windowsresources.cmake"; then
    echo "check-win32: FAILED generating resources/tessarin.rc" >&2
    status=1
elif "$windres" "$out/resources/tessarin.rc" -O coff -o "$out/tessarin_rc.o"; then
    echo "check-win32: ok     resources/tessarin.rc ($(sed -n 's/.*"FileVersion", "\([0-9.]*\).*/\1/p' "$out/resources/tessarin.rc"))"
else
    echo "check-win32: FAILED resources/tessarin.rc" >&2
    status=1
fi

if [ "$count" -eq 0 ]; then
    echo "check-win32: no sources found under $root/platform" >&2
    exit 1
fi
exit $status
