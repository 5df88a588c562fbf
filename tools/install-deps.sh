#!/usr/bin/env bash
# Installs, on Debian 12, the packages the machine lacks and does nothing
# when everything is there.
#   tools/install-deps.sh       everything the build and the tests need
#   tools/install-deps.sh run   only what building and starting quenda.exe need
set -euo pipefail

# Building and running the program: the native core and makeresources, the
# MinGW-w64 cross-compiler, what builds the Windows libraries from Debian's
# source packages (dpkg-dev, the MinGW-w64 zlib), and Wine.
packages=(
  cmake g++ make
  libtinyxml2-dev libfreeimage-dev
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libz-mingw-w64-dev dpkg-dev
  wine wine64
)
if [ "${1:-}" != run ]; then
  packages+=(
    pkg-config clang-14 libclang-rt-14-dev
    libgtest-dev libgmock-dev libbenchmark-dev googletest
    xvfb xauth xdotool x11-utils imagemagick
    nsis zip
    chromium-headless-shell  # renders the handover document in its test
  )
fi

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get -o DPkg::Lock::Timeout=900 update -q
$sudo apt-get -o DPkg::Lock::Timeout=900 install -y -q --no-install-recommends "${missing[@]}"
