#!/bin/sh
# Runs one test program on the display of a lane (gui-display.sh started it):
# a GUI case (run-gui-test.sh <state> <program> <Suite.Case>) or any other
# arguments. The program is a Windows executable, which Wine starts.
# QUENDA_GUI_PREFIX, when set, names another Wine prefix (tests/gui/run-at-dpi.sh
# sets one up).
set -eu
state=$1
program=$2
shift 2
if [ ! -f "$state/display" ]; then
  echo "no test display in $state: run its lane's gui.display.start test first" >&2
  exit 1
fi
export DISPLAY="$(cat "$state/display")"
export WINEPREFIX="${QUENDA_GUI_PREFIX:-$state/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
# Unix cwd of the test: a scratch folder, so nothing lands in the sources.
cd "$state"

# ("wine32 is missing" on stderr is harmless: the program is 64-bit.)
launch() {
  wine "$program" "$@"
}

# What the program prints once it has started: a GUI case announces itself
# with "RUN <case>" before anything else; any other program prints something.
case "$#:${1:-}" in
1:[!-]*) began='^RUN ' ;;
*) began='.' ;;
esac

# Now and then (one start in several hundred) Wine ends the process before it begins, with
# no word: such a start is tried again. A program that began keeps its
# verdict, crashes included.
log=$(mktemp)
status=$(mktemp)
trap 'rm -f "$log" "$status"' EXIT
for attempt in 1 2 3; do
  { result=0; launch "$@" 2>&1 || result=$?; echo "$result" >"$status"; } | tee "$log"
  result=$(cat "$status")
  if [ "$result" = 0 ] || grep -q "$began" "$log"; then
    exit "$result"
  fi
  echo "run-gui-test: the program ended with status $result before it began (start $attempt of 3)"
done
exit "$result"
