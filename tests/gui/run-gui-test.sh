#!/bin/sh
# Runs one test program on the display the gui.display fixture started:
# a GUI case (run-gui-test.sh <state> <program> <Suite.Case>) or any other
# arguments. The program is the winelib one (a launcher script) or a
# Windows executable, which Wine starts.
set -eu
state=$1
program=$2
shift 2
if [ ! -f "$state/display" ]; then
  echo "no test display: run the gui.display.start test first" >&2
  exit 1
fi
export DISPLAY="$(cat "$state/display")"
export WINEPREFIX="$state/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Unix cwd of the test: a scratch folder, so nothing lands in the sources.
cd "$state"
# ("wine32 is missing" on stderr is harmless: the program is 64-bit.)
if [ "$(head -c2 "$program")" = "MZ" ]; then
  exec wine "$program" "$@"
fi
exec "$program" "$@"
