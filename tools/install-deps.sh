#!/usr/bin/env bash
# Installs, on Debian 12, the packages the build and the tests need and the
# machine lacks. Does nothing when everything is there.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  clang-14 libclang-rt-14-dev
  libtinyxml2-dev libfreeimage-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  wine wine64 wine64-tools libwine-dev
  xvfb xauth xdotool x11-utils imagemagick
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  libz-mingw-w64-dev googletest nsis dpkg-dev zip
)

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
