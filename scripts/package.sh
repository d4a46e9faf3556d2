#!/usr/bin/env bash
# Makes the packages into packages/ and checks each one from its installed files alone:
# - the Windows zip (cpack from build-win/, built by scripts/build-windows.sh): unpacked into a fresh
#   folder elsewhere, every DLL its programs and plugins name must be in it or be part of Windows,
#   and tessarin-cli.exe --version must run there under Wine;
# - the Debian package (cpack from build/): installed with apt (so its dependencies come), its desktop
#   entry and polkit action validated, the launcher's pkexec call checked, the installed
#   tessarin-cli --version and the demo clone run on sample disks in a temp folder, the window started
#   under Xvfb, and the package removed again.
# Exit 0 both passed; 1 a check failed; 2 the Debian package passed but the zip could not be made or
# checked (no Qt for Windows, no cross compiler or no Wine: the message says which).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/packages
version=$(sed -n 's/^project(Tessarin VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
say() { echo "package: $*"; }

work=$(mktemp -d /var/tmp/tessarin-package-XXXXXX)
installed=0
cleanup() {
    if [ "$installed" = 1 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tessarin >/dev/null 2>&1 || say "removing tessarin FAILED" >&2
    fi
    if [ -n "${wineserver:-}" ] && [ -x "$wineserver" ]; then
        "$wineserver" -k >/dev/null 2>&1
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

passed=0 failed=0
results=()
check() {  # name, command...
    local name=$1; shift
    if "$@" >"$work/check.log" 2>&1; then
        results+=("ok      $name"); passed=$((passed + 1))
    else
        results+=("FAILED  $name"); failed=$((failed + 1))
        sed 's/^/    /' "$work/check.log" | tail -n 20 >&2
    fi
}
mkdir -p "$out"

# --- Debian package -------------------------------------------------------------------------------
# The polkit action names the installed program, so the package is built for /usr.
cmake -S "$root" -B "$root/build" -DCMAKE_INSTALL_PREFIX=/usr >/dev/null || exit 1
cmake --build "$root/build" --target tessarin tessarin-cli tessarin_translations || exit 1
rm -f "$out"/tessarin_*.deb
(cd "$root/build" && cpack -G DEB -B "$out" >"$work/cpack-deb.log" 2>&1) \
    || { cat "$work/cpack-deb.log" >&2; say "cpack -G DEB FAILED" >&2; exit 1; }
rm -rf "$out/_CPack_Packages"
deb=$(ls "$out"/tessarin_*.deb)
say "made $deb"

export DEBIAN_FRONTEND=noninteractive
# A second try with fresh package lists, for a dependency the old lists name in a version gone by.
if ! apt-get install -y -qq --reinstall "$deb" >"$work/apt.log" 2>&1 &&
   ! { apt-get update -qq && apt-get install -y -qq --reinstall "$deb"; } >"$work/apt.log" 2>&1; then
    cat "$work/apt.log" >&2
    say "apt-get install $deb FAILED" >&2
    exit 1
fi
installed=1
depends=$(dpkg-query -W -f='${Depends}' tessarin)
check "Depends names the Qt, liburing, xxhash and hivex libraries ($depends)" \
    sh -c "for l in libqt6core6 libqt6widgets6 liburing libxxhash libhivex; do echo '$depends' | grep -q \"\$l\" || { echo missing \$l; exit 1; }; done"
check "every installed file is where the package says" dpkg --verify tessarin
check "desktop-file-validate: the desktop entry" desktop-file-validate /usr/share/applications/tessarin.desktop
policy=/usr/share/polkit-1/actions/org.tessarin.tessarin.policy
check "xmllint: the polkit action against its DTD" \
    xmllint --noout --dtdvalid /usr/share/polkit-1/policyconfig-1.dtd "$policy"
exec_path=$(xmllint --xpath 'string(//annotate[@key="org.freedesktop.policykit.exec.path"])' "$policy" 2>/dev/null)
check "the polkit action names the installed window ($exec_path)" test "$exec_path" = /usr/bin/tessarin -a -x /usr/bin/tessarin
check "the icon is installed" test -s /usr/share/icons/hicolor/scalable/apps/tessarin.svg
check "the 12 catalogues are installed" test "$(ls /usr/share/tessarin/translations/Tessarin_*.qm | wc -l)" -eq 12
check "installed tessarin-cli --version names $version" \
    sh -c "cd / && /usr/bin/tessarin-cli --version | grep -F '$version'"

# The launcher as a user: a stand-in pkexec on the PATH records how it is called.
mkdir -p "$work/fakebin" "$work/home"
cat >"$work/fakebin/pkexec" <<EOF
#!/bin/sh
echo "args=\$*" >"$work/home/pkexec.txt"
echo "XAUTHORITY=\$XAUTHORITY" >>"$work/home/pkexec.txt"
EOF
chmod 755 "$work/fakebin/pkexec"
touch "$work/home/.Xauthority"
chown -R nobody "$work/home"
chmod 755 "$work"
check "tessarin-admin as a user starts the installed window through pkexec" sh -c "
    setpriv --reuid=nobody --regid=nogroup --clear-groups \
        env -i PATH='$work/fakebin:/usr/bin:/bin' HOME='$work/home' DISPLAY=:5 /usr/bin/tessarin-admin --x
    grep -qx 'args=/usr/bin/tessarin --x' '$work/home/pkexec.txt' &&
    grep -qx 'XAUTHORITY=$work/home/.Xauthority' '$work/home/pkexec.txt'"

samples=$work/samples
check "the demo clone with the installed tessarin-cli (checked by sgdisk, fsck.fat, ntfsfix, hashes)" \
    env TESSARIN_CLI=/usr/bin/tessarin-cli TESSARIN_SAMPLE_DIR="$samples" bash "$root/scripts/demo.sh"
if command -v xvfb-run >/dev/null 2>&1; then
    # Still running after its time is up (timeout's 124) means the window came up and stayed.
    check "the installed window starts through tessarin-admin (Xvfb)" sh -c "
        cd / && TESSARIN_DISKS='$samples/source.img:$samples/target.img' XDG_STATE_HOME='$work/state' \
            xvfb-run -a timeout 10 /usr/bin/tessarin-admin; test \$? -eq 124"
fi
DEBIAN_FRONTEND=noninteractive apt-get purge -y -qq tessarin >/dev/null 2>&1 && installed=0
check "the package removes cleanly" sh -c "! dpkg-query -W -f='\${Status}' tessarin 2>/dev/null | grep -q 'ok installed' && test ! -e /usr/bin/tessarin-cli"

# --- Windows zip ----------------------------------------------------------------------------------
zip_rc=0
check_zip() {
    bash "$root/scripts/build-windows.sh" || return $?
    local win=${TESSARIN_WIN_BUILD:-$root/build-win}
    rm -f "$out"/tessarin-*-win64.zip
    (cd "$win" && cpack -G ZIP -B "$out" >"$work/cpack-zip.log" 2>&1) \
        || { cat "$work/cpack-zip.log" >&2; say "cpack -G ZIP FAILED" >&2; return 1; }
    rm -rf "$out/_CPack_Packages"
    local zip
    zip=$(ls "$out"/tessarin-*-win64.zip)
    say "made $zip"
    # A folder name with a space, far from the build tree.
    local dir="$work/un packed"
    mkdir -p "$dir"
    (cd "$dir" && cmake -E tar xf "$zip") || { say "unpacking $zip FAILED" >&2; return 1; }
    local top="$dir/tessarin-$version-win64"
    check "the zip holds one folder with both programs" test -f "$top/tessarin.exe" -a -f "$top/tessarin-cli.exe"
    check "the zip holds the platform and style plugins" \
        sh -c "test -f '$top/platforms/qwindows.dll' && ls '$top'/styles/*.dll"
    check "the zip holds the 12 catalogues" test "$(ls "$top"/translations/Tessarin_*.qm | wc -l)" -eq 12
    check "the zip holds the licence texts" sh -c "ls '$top/licenses/Qt.txt' '$top/licenses/LGPL-3.txt' '$top/licenses/mingw-w64-gcc-runtime.txt'"

    local wine=""
    for w in ${WINE:-} wine64 wine /usr/lib/wine/wine64; do
        if command -v "$w" >/dev/null 2>&1; then wine=$(command -v "$w"); break; fi
    done
    if [ -z "$wine" ]; then
        say "wine64 not found (Debian: wine64): the zip is not started" >&2
        return 2
    fi
    # What Windows itself provides: the DLLs Wine implements.
    local system
    system=$(ls -d /usr/lib/x86_64-linux-gnu/wine/x86_64-windows /usr/lib/wine/x86_64-windows 2>/dev/null | head -n 1)
    check "every DLL the programs and plugins name is in the zip or part of Windows" \
        dll_closure "$top" "$system"

    wineserver=$(command -v wineserver || echo "$(dirname "$wine")/wineserver")
    export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" HOME="$work/winehome"
    unset WINEPATH
    "$wine" wineboot -i >/dev/null 2>&1
    check "tessarin-cli.exe --version runs from the unpacked folder under Wine" \
        sh -c "cd / && timeout 120 '$wine' '$top/tessarin-cli.exe' --version | tr -d '\r' | grep -F '$version'"
}
# Each PE file's imports: in the folder (Windows matches names without case) or in $2.
dll_closure() {
    local top=$1 system=$2 f name missing=0
    [ -d "$system" ] || { echo "no Wine DLL folder"; return 1; }
    while IFS= read -r -d '' f; do
        while read -r name; do
            # API sets are names the Windows loader maps to its own DLLs, never files.
            case ${name,,} in api-ms-win-*|ext-ms-win-*) continue ;; esac
            if [ -z "$(find "$top" -maxdepth 1 -iname "$name" -print -quit)" ] && \
               [ -z "$(find "$system" -maxdepth 1 -iname "$name" -print -quit)" ]; then
                echo "${f#"$top"/} needs $name, which is missing"
                missing=1
            fi
        done < <(x86_64-w64-mingw32-objdump -p "$f" | sed -n 's/^\s*DLL Name: //p')
    done < <(find "$top" -iname '*.exe' -print0 -o -iname '*.dll' -print0)
    return $missing
}
check_zip || zip_rc=$?

echo "== Packages"
printf '  %s\n' "${results[@]}"
echo "package: $passed checks ok, $failed FAILED"
[ "$failed" -eq 0 ] || exit 1
if [ "$zip_rc" -eq 2 ]; then
    say "the Windows zip was SKIPPED (see the reason above)"
    exit 2
fi
[ "$zip_rc" -eq 0 ] || exit 1
ls -l "$out"
