#!/bin/sh
# Runs one GUI test case on the display the gui.display fixture started.
set -eu
state=$1
program=$2
name=$3
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
exec "$program" "$name"
