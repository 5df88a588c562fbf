#!/usr/bin/env bash
# Makes what a Windows user downloads, in dist/:
#   Quenda-<version>-win64.zip   quenda.exe, LEEME.txt, licencias/
#   Quenda-<version>-setup.exe   the NSIS installer of the same files
#   tools/package-windows.sh [Windows build folder [library cache]]
# Without arguments it builds the Windows program first (tools/build-windows.sh).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -eq 0 ]; then
  "$root/tools/build-windows.sh"
  set -- "${QUENDA_BUILD:-$root/build}/windows"
fi
windows=$1
libs=${2:-${QUENDA_WINDOWS_LIBS:-$root/build-windows-libs}}
dist="$root/dist"
version=$(sed -n 's/^#define QUENDA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/version.h")
numbers=$(sed -n 's/^#define QUENDA_VERSION_NUMBERS //p' "$root/resources/version.h" | tr -d ' ' | tr ',' '.')
[ -n "$version" ] || { echo "package-windows: no version in resources/version.h" >&2; exit 1; }
[ -f "$windows/quenda.exe" ] || { echo "package-windows: no $windows/quenda.exe" >&2; exit 1; }
[ -f "$libs/revisions.txt" ] || { echo "package-windows: no library cache in $libs" >&2; exit 1; }

stage="$dist/Quenda-$version"
rm -rf "$stage"
mkdir -p "$stage/licencias"
cp "$windows/quenda.exe" "$stage/"
# The build keeps its symbols for debugging; users get the program without.
x86_64-w64-mingw32-strip "$stage/quenda.exe"
sed "s/{V}/$version/g" "$root/tools/windows/LEEME.txt.in" >"$stage/LEEME.txt"
# Licences of everything linked into quenda.exe: the libraries built from
# Debian's sources, and MinGW-w64's runtime (CRT, winpthreads) and GCC's
# (libgcc, libstdc++) as Debian ships their notices; plus the revisions built.
cp "$libs"/licences/*.txt "$stage/licencias/"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licencias/mingw-w64-runtime-winpthreads.txt"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licencias/gcc-runtime-libgcc-libstdc++.txt"
cp "$libs/revisions.txt" "$stage/licencias/fuentes-debian.txt"

zip="$dist/Quenda-$version-win64.zip"
rm -f "$zip"
(cd "$dist" && zip -qr -X "$zip" "Quenda-$version")

setup="$dist/Quenda-$version-setup.exe"
makensis -V2 -DVERSION="$version" -DVERSION_NUMBERS="$numbers" -DSTAGE="$stage" -DOUTFILE="$setup" \
  "$root/tools/windows/quenda.nsi"
rm -rf "$stage"
ls -l "$zip" "$setup" | awk '{print $5, $9}'
