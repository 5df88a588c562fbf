#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: unit
# tests, the sanitizer build, the bounded fuzz run, the GUI tests under Xvfb;
# also the Windows libraries (or their cache), quenda.exe, its packages in
# dist/ and their tests under Wine.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"

"$root/tools/install-deps.sh"
cmake -S "$root" --preset ci -B "$build"
cmake --build "$build" -j"$(nproc)"
cd "$build"
exec ctest --output-on-failure -j"$(nproc)"
