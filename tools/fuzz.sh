#!/usr/bin/env bash
# Runs every fuzz target for MINUTES minutes each, one after another (FUZZ_JOBS=2
# runs two at once), in a build folder of its own. Exit status 0 when no target
# found anything; each run's log and findings stay in that folder's fuzz-run/.
#   tools/fuzz.sh 20          nice -n 19 tools/fuzz.sh 5
set -euo pipefail
if [[ $# -ne 1 || ! $1 =~ ^[0-9]+$ || $1 -eq 0 ]]; then
  echo "usage: $0 MINUTES" >&2
  exit 2
fi
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_FUZZ_BUILD:-$root/build-fuzz}"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDA_FUZZ_SECONDS=$(($1 * 60)) \
      -DQUENDA_FUZZ=ON >/dev/null
cmake --build "$build" --target quenda_fuzz -j2
cd "$build"
exec ctest -R '^fuzz\.' -j"${FUZZ_JOBS:-1}" -V
