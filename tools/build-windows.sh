#!/usr/bin/env bash
# Builds the Windows program: the libraries (or reuses their cache), then
# quenda.exe, its GUI test program and unit tests in <build>/windows/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"

"$root/tools/install-deps.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j"$(nproc)" --target quenda_windows
echo "Windows program: $build/windows/quenda.exe"
