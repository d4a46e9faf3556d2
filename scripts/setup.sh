#!/usr/bin/env bash
# Installs every Debian package the project needs (idempotent) and builds it into ./build.
set -euo pipefail
cd "$(dirname "$0")/.."
PKGS=(build-essential cmake ninja-build pkg-config
      qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools qt6-translations-l10n
      libqt6svg6-dev libgl1-mesa-dev libudev-dev libblkid-dev
      g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix ccache librsvg2-bin
      ntfs-3g dosfstools mtools gdisk fdisk util-linux
      liburing-dev libxxhash-dev libfuse3-dev fuse3 libhivex-dev libhivex-bin libwin-hivex-perl ovmf grub-efi-amd64-bin
      nasm qemu-system-x86 clang xvfb xauth imagemagick fonts-noto-cjk wine64
      desktop-file-utils libxml2-utils polkitd pkexec qt6-qpa-plugins)
missing=()
for p in "${PKGS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
if [ "${1:-}" != "--deps-only" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
  cmake --build build -j"$(nproc)"
fi
