#!/usr/bin/env bash
# Starts the editor: quenda.exe under Wine. Installs what is missing, builds
# the program (its Windows libraries come from the cache, built once from
# Debian's source packages) and makes the program's own Wine prefix on
# first start.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<'MSG'
No display: Quenda is a desktop program and needs an X display.
  - On a desktop, run this from a terminal of the graphical session.
  - Over SSH, connect with "ssh -X" (or -Y).
  - With no screen at all, run it on a virtual one:
      xvfb-run -a -s "-screen 0 1280x1024x24" tools/run.sh
MSG
  exit 1
fi

"$root/tools/install-deps.sh" run
if ! grep -qx 'QUENDA_WINDOWS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  # The program alone (the other options keep what the folder had: all off
  # in a new one, everything after tools/test.sh).
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDA_WINDOWS=ON
fi
# Always: after a pull or an edit the old program must not start; with
# nothing changed this takes a second or two.
cmake --build "$build" -j"$(nproc)" --target quenda

export WINEPREFIX="${WINEPREFIX:-$root/.wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "First start: preparing the Wine prefix in $WINEPREFIX ..."
  wineboot -i >/dev/null 2>&1
fi
# A file named here goes over as Wine's DOS path of it (Z: is the root).
args=()
for arg in "$@"; do
  if [ -e "$arg" ]; then
    full=$(realpath "$arg")
    args+=("Z:${full//\//\\}")
  else
    args+=("$arg")
  fi
done
exec wine "$build/windows/quenda.exe" "${args[@]}"
