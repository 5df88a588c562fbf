#!/usr/bin/env bash
# Builds the static Windows libraries quenda.exe links (tinyxml2, libpng over
# the MinGW-w64 zlib, FreeImage) from Debian's source packages, once, into a
# cache folder that later builds reuse.
#   tools/windows-libs.sh [cache folder]     (default: build-windows-libs/)
# The folder is complete when its revisions.txt exists: the build happens in
# a side folder that only takes the cache's name at the very end, so a failed
# or interrupted build never looks finished. A change to this recipe (the
# files hashed below) builds the libraries again.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cache=$(realpath -m "${1:-${QUENDA_WINDOWS_LIBS:-$root/build-windows-libs}}")
recipe=$(cd "$root" && cat tools/windows-libs.sh tools/windows/freeimage-absent-formats.cpp cmake/mingw-w64.cmake |
  sha256sum | cut -c1-16)
grep -qx "recipe: $recipe" "$cache/revisions.txt" 2>/dev/null && exit 0

host=x86_64-w64-mingw32
cc=$host-gcc-posix
cxx=$host-g++-posix
sysroot=/usr/$host
jobs=$(nproc)
start=$(date +%s)

fail() { echo "windows-libs: $*" >&2; exit 1; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# apt-get source needs deb-src entries: a list of our own gives each of the
# machine's own "deb" entries (same mirror, suites, components and key) its
# source twin.
sources=/etc/apt/sources.list.d/quenda-deb-src.list
if ! apt-cache showsrc tinyxml2 2>/dev/null | grep -q '^Version:'; then
  {
    cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null | grep -E '^deb[[:space:]]' |
      sed 's/^deb[[:space:]]/deb-src /' || true
    awk '
      function flush(   u, s, n, m, i, j, uris, suites, key) {
        if (types ~ /(^| )deb( |$)/ && enabled != "no") {
          n = split(uri, uris, " "); m = split(suite, suites, " ")
          key = signed != "" ? "[signed-by=" signed "] " : ""
          for (i = 1; i <= n; i++) for (j = 1; j <= m; j++) print "deb-src " key uris[i] " " suites[j] " " comps
        }
        types = uri = suite = comps = signed = enabled = ""
      }
      FNR == 1 || /^[[:space:]]*$/ { flush() }
      /^[[:space:]]*$/ { next }
      /^#/ { next }
      { field = tolower($1); sub(/^[^:]*:[[:space:]]*/, "") }
      field == "types:" { types = $0 } field == "uris:" { uri = $0 } field == "suites:" { suite = $0 }
      field == "components:" { comps = $0 } field == "signed-by:" { signed = $0 } field == "enabled:" { enabled = $0 }
      END { flush() }' /etc/apt/sources.list.d/*.sources 2>/dev/null
  } | sort -u | $sudo tee "$sources" >/dev/null
  [ -s "$sources" ] || fail "no Debian package source on this machine to take source packages from"
  $sudo apt-get -o DPkg::Lock::Timeout=900 update -q >/dev/null
fi

work="$cache.partial"
rm -rf "$work"
mkdir -p "$work/src" "$work/lib" "$work/include" "$work/licences"
: >"$work/revisions.part"

# Fetches the newest revision of source package $1 whose upstream version
# starts with $2 (the archive may list a revision it no longer serves, so
# older ones are tried next). Prints the unpacked folder.
fetch() {
  local package=$1 upstream=$2 version
  local versions
  versions=$(apt-cache showsrc "$package" 2>/dev/null | awk '/^Version:/ {print $2}' | sort -uVr)
  [ -n "$versions" ] || fail "no source package $package in the archive (expected upstream $upstream.x)"
  for version in $versions; do
    [[ ${version#*:} == "$upstream".* ]] ||
      fail "$package: expected upstream $upstream.x, the archive has $version"
    if (cd "$work/src" && apt-get source -q "$package=$version" >"$package.log" 2>&1); then
      echo "$package $version" >>"$work/revisions.part"
      find "$work/src" -mindepth 1 -maxdepth 1 -type d -name "${package}-*" | head -n1
      return 0
    fi
  done
  cat "$work/src/$package.log" >&2
  fail "$package: apt-get source failed for every revision listed ($(echo $versions)); expected upstream $upstream.x"
}

tinyxml2=$(fetch tinyxml2 9)
libpng=$(fetch libpng1.6 1.6)
freeimage=$(fetch freeimage 3.18)

# zlib: Debian's MinGW-w64 package ships a real static library.
cp "$sysroot/lib/libz.a" "$work/lib/"
cp "$sysroot/include/zlib.h" "$sysroot/include/zconf.h" "$work/include/"
cp /usr/share/doc/libz-mingw-w64-dev/copyright "$work/licences/zlib.txt"

# tinyxml2: one source file.
$cxx -O2 -std=c++17 -c "$tinyxml2/tinyxml2.cpp" -o "$work/src/tinyxml2.o"
$host-ar rcs "$work/lib/libtinyxml2.a" "$work/src/tinyxml2.o"
cp "$tinyxml2/tinyxml2.h" "$work/include/"
cp "$tinyxml2/debian/copyright" "$work/licences/tinyxml2.txt"

# libpng: its own CMake, static only. FindZLIB would take libz.dll.a.
cmake -S "$libpng" -B "$work/src/libpng-build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$work" \
  -DPNG_SHARED=OFF -DPNG_STATIC=ON -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
  -DZLIB_LIBRARY="$sysroot/lib/libz.a" -DZLIB_INCLUDE_DIR="$sysroot/include" >/dev/null
cmake --build "$work/src/libpng-build" -j"$jobs" >/dev/null
cmake --install "$work/src/libpng-build" >/dev/null
cp "$libpng/debian/copyright" "$work/licences/libpng.txt"

# FreeImage: Debian's source has the image libraries' sources removed and no
# switch to leave a format out. Compile everything but the plugins of the
# absent libraries; tools/windows/freeimage-absent-formats.cpp fills their
# registration slots so that the format ids do not move.
absent='PluginJPEG|PluginTIFF|PluginG3|PluginEXR|PluginJ2K|PluginJP2|J2KHelper|PluginRAW|PluginWebP|PluginJXR|XTIFF'
mapfile -t fi_sources < <(ls "$freeimage"/Source/FreeImage/*.c* "$freeimage"/Source/Metadata/*.cpp \
  "$freeimage"/Source/FreeImageToolkit/*.cpp | grep -Ev "/($absent)\.cpp$")
fi_sources+=("$root/tools/windows/freeimage-absent-formats.cpp")
mkdir -p "$work/src/freeimage-objects"
printf '%s\n' "${fi_sources[@]}" | xargs -P "$jobs" -I{} sh -c '
  source=$1; shift
  case $source in *.c) compiler=$1 ;; *) compiler=$2 ;; esac; shift 2
  object="$(basename "$(dirname "$source")")-$(basename "${source%.*}").o"
  exec $compiler "$@" -c "$source" -o "'"$work"'/src/freeimage-objects/$object"' \
  compile {} "$cc" "$cxx" -O2 -fexceptions -DFREEIMAGE_LIB -DNO_LCMS -DDISABLE_PERF_MEASUREMENT -D__ANSI__ \
  -DNDEBUG -w -I"$freeimage/Source" -I"$freeimage/Source/Metadata" -I"$freeimage/Source/FreeImageToolkit" \
  -I"$work/include"
[ "$(ls "$work/src/freeimage-objects" | wc -l)" -eq "${#fi_sources[@]}" ] || fail "freeimage: some sources did not compile"
$host-ar rcs "$work/lib/libfreeimage.a" "$work"/src/freeimage-objects/*.o
cp "$freeimage/Source/FreeImage.h" "$work/include/"
cp "$freeimage/debian/copyright" "$work/licences/FreeImage-debian-copyright.txt"
cp "$freeimage/license-fi.txt" "$work/licences/FreeImage.txt"

rm -rf "$work/src" "$work/lib/pkgconfig" "$work/lib/cmake" "$work/bin" "$work/share"
{
  echo "Debian source packages built for the Windows program:"
  cat "$work/revisions.part"
  echo "zlib from libz-mingw-w64-dev $(dpkg-query -W -f='${Version}' libz-mingw-w64-dev)"
  echo "compiler: $($cxx --version | head -n1)"
  echo "recipe: $recipe"
} >"$work/revisions.tmp"
rm "$work/revisions.part"
mv "$work/revisions.tmp" "$work/revisions.txt"
rm -rf "$cache"
mv "$work" "$cache"
echo "windows-libs: built in $(( $(date +%s) - start )) s into $cache"
