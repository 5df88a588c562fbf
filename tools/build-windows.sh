#!/usr/bin/env bash
# Builds the Windows program: the libraries (or reuses their cache), then
# quenda.exe in <build>/windows/, with whatever else the build folder's
# options ask for there (the GUI test program, the Windows unit tests).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"

"$root/tools/install-deps.sh" run
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDA_WINDOWS=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target quenda_windows
echo "Windows program: $build/windows/quenda.exe"
