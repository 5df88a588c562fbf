#!/bin/sh
# Runs one GUI case as run-gui-test.sh does, in a Wine prefix of its own
# whose screen is set to the given DPI. Wine takes LogPixels only when it is
# written before the prefix's Wine server starts, so the prefix is made
# fresh, set, and its server ended before the case runs.
#   run-at-dpi.sh <dpi> <state> <program> <Suite.Case>
set -eu
dpi=$1
state=$(cd "$2" && pwd)
shift 2
[ -f "$state/display" ] || { echo "no test display in $state: run its lane's gui.display.start test first" >&2; exit 1; }
export DISPLAY="$(cat "$state/display")"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="$state/wineprefix-$dpi"
fresh=no
if [ ! -f "$WINEPREFIX/dpi-$dpi" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
  wineserver -w
  touch "$WINEPREFIX/dpi-$dpi"
  fresh=yes
fi
wineserver -k 2>/dev/null || true
wineserver -w 2>/dev/null || true
# A server of its own, started apart from the case's output (which the
# runner reads to its end), and a first start that settles the new prefix.
wineserver -p60 </dev/null >/dev/null 2>&1 || true
if [ "$fresh" = yes ]; then
  (cd "$state" && wine "$1" --warm-up </dev/null >/dev/null 2>&1) || true
fi
QUENDA_GUI_PREFIX="$WINEPREFIX" exec "$(dirname "$0")/run-gui-test.sh" "$state" "$@"
