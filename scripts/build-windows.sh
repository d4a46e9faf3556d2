#!/usr/bin/env bash
# Builds tessarin.exe, tessarin-cli.exe and the portable test programs for Windows with mingw-w64
# against a Qt for Windows (Release, warnings as errors) in build-win/, and puts the DLLs and Qt
# plugins they need beside them. The Qt comes from TESSARIN_QT_WINDOWS (an unpacked Qt for mingw,
# or a folder holding its tarball and build.sh), else ../shared/qt6-mingw; without its tarball
# that folder's build.sh builds it (about an hour on 2 cores).
# Exit 0 built; 1 the build failed; 2 no Qt for Windows or no cross compiler (the message says which).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${TESSARIN_WIN_BUILD:-$root/build-win}
qt_cache=${TESSARIN_QT_CACHE:-/var/tmp/tessarin-qt6-mingw}

say() { echo "build-windows: $*"; }

if ! command -v x86_64-w64-mingw32-g++-posix >/dev/null 2>&1; then
    say "x86_64-w64-mingw32-g++-posix not found (Debian: g++-mingw-w64-x86-64-posix)" >&2
    exit 2
fi

# An unpacked Qt has lib/cmake/Qt6 and the toolchain file at its root.
unpacked() { [ -f "$1/toolchain-mingw.cmake" ] && [ -d "$1/lib/cmake/Qt6" ]; }

find_qt() {
    local source=${TESSARIN_QT_WINDOWS:-$root/../shared/qt6-mingw}
    if unpacked "$source"; then
        qt=$(cd "$source" && pwd)
        return 0
    fi
    if [ ! -d "$source" ]; then
        say "no Qt for Windows: $source does not exist (set TESSARIN_QT_WINDOWS)" >&2
        return 2
    fi
    local tarball
    tarball=$(ls "$source"/qt6-mingw-*.tar.xz 2>/dev/null | sort -V | tail -n 1 || true)
    if [ -z "$tarball" ]; then
        if [ ! -x "$source/build.sh" ] && [ ! -f "$source/build.sh" ]; then
            say "no Qt for Windows in $source: neither a qt6-mingw-*.tar.xz nor build.sh" >&2
            return 2
        fi
        say "no Qt for Windows tarball in $source: building one with its build.sh (about an hour on 2 cores)"
        bash "$source/build.sh" "$qt_cache" || { say "building Qt for Windows FAILED" >&2; return 1; }
        qt=$qt_cache
        return 0
    fi
    # Unpacked once per tarball; the stamp names the tarball it came from.
    local stamp="$qt_cache/.from-$(basename "$tarball")"
    if [ ! -f "$stamp" ] || ! unpacked "$qt_cache"; then
        say "unpacking $(basename "$tarball") to $qt_cache"
        rm -rf "$qt_cache"
        mkdir -p "$qt_cache"
        tar -C "$qt_cache" -xJf "$tarball"
        touch "$stamp"
    fi
    qt=$qt_cache
}

qt=""
find_qt || exit $?
say "Qt for Windows: $qt"

launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$root" -B "$out" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/toolchain-mingw.cmake" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DTESSARIN_WERROR=ON "${launcher[@]}" >"$out.configure.log" 2>&1 \
    || { cat "$out.configure.log" >&2; say "configure FAILED" >&2; exit 1; }
rm -f "$out.configure.log"
if ! cmake --build "$out" -j"$(nproc)"; then
    say "build FAILED" >&2
    exit 1
fi

# What the programs load at run time: Qt's DLLs, the mingw runtime, and the plugins in the folders
# Qt looks for beside the program.
gcc_runtime=$(ls -d /usr/lib/gcc/x86_64-w64-mingw32/*-posix 2>/dev/null | sort -V | tail -n 1)
cp -u "$qt"/bin/*.dll "$gcc_runtime/libstdc++-6.dll" "$gcc_runtime/libgcc_s_seh-1.dll" \
    /usr/x86_64-w64-mingw32/lib/libwinpthread-1.dll "$out/"
for kind in platforms styles imageformats; do
    [ -d "$qt/plugins/$kind" ] || continue
    mkdir -p "$out/$kind"
    cp -u "$qt/plugins/$kind"/*.dll "$out/$kind/"
done
# Qt looks for its plugins beside the program; the test programs in their folders are pointed at
# those of build-win/ by a qt.conf (QT_PLUGIN_PATH did not reach Qt under Wine, and without a
# platform plugin a program stops on a message box that nobody answers).
find "$out/tests" -name '*.exe' -printf '%h\n' | sort -u | while read -r dir; do
    rel=$(realpath --relative-to="$dir" "$out")
    printf '[Paths]\nPrefix=%s\nPlugins=.\n' "$rel" >"$dir/qt.conf"
done
tests=$(find "$out/tests" -name '*.exe' | wc -l)
say "built tessarin.exe, tessarin-cli.exe and $tests test programs in $out"
