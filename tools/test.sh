#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: the unit
# tests, the sanitizer build, the bounded fuzz runs; the Windows libraries
# (or their cache), quenda.exe, its packages in dist/, and under Xvfb and
# Wine the GUI tests, the Windows unit tests and the installer.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"

"$root/tools/install-deps.sh"
cmake -S "$root" --preset ci -B "$build"
cmake --build "$build" -j"$(nproc)"
cd "$build"
# A slot for each of the four GUI lanes (cmake/Windows.cmake), which mostly
# wait, and the cores but one for the tests that compute.
exec ctest --output-on-failure -j"$(( 4 + $(nproc) - 1 ))"
