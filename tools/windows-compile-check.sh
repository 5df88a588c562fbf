#!/usr/bin/env bash
# Compiles, syntax only, every source a Windows build of the program compiles
# that needs no third-party header, with a MinGW-w64 compiler: the Win32 layer
# and the portable core. Fails when one file does not compile or warns.
# Usage: tools/windows-compile-check.sh <compiler> <source root>
set -euo pipefail
compiler=$1
cd "$2"

# Left out: model/Imagen.cpp and model/PaginaEscalada.cpp (FreeImage.h),
# model/ProjectFile.cpp (tinyxml2.h): Debian ships those headers for Linux
# only; the Windows build (cmake/Windows.cmake) compiles them over the
# libraries tools/windows-libs.sh builds.
# model/PosixFileAccess.cpp and transfer/PosixSockets.cpp are POSIX only; a
# Windows build uses app/Win32FileAccess.cpp and transfer/WinsockSockets.cpp.
excluded=" model/Imagen.cpp model/PaginaEscalada.cpp model/ProjectFile.cpp
 model/PosixFileAccess.cpp transfer/PosixSockets.cpp "
sources=()
for source in app/*.cpp ui/win32/*.cpp transfer/win32/*.cpp model/*.cpp ui/*.cpp transfer/*.cpp; do
  [[ $excluded == *" $source"[[:space:]]* ]] || sources+=("$source")
done

# One compiler per core; each file's messages are printed in one piece.
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -I{} bash -c '
  if ! out=$("$@" 2>&1); then printf "%s\nFAILED: %s\n" "$out" "${!#}"; exit 1; fi' \
  check "$compiler" -std=c++17 -fsyntax-only -Wall -Wextra -Werror -I. -DNOMINMAX {}
echo "${#sources[@]} files compile for Windows with $compiler"
