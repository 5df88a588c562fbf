#!/bin/sh
# Starts (start) or stops (stop) one lane of the GUI tests: its X display
# and its Wine prefix. State lives in the given folder: display number,
# Xvfb's pid, the prefix. Given the test program, start also warms Wine up
# with it.
#   gui-display.sh start <state folder> [quenda_guitest.exe]
#   gui-display.sh stop <state folder>
set -eu
action=$1
state=$2
program=${3:-}
mkdir -p "$state"
export WINEPREFIX="$state/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

stop_display() {
  if [ -f "$state/xvfb.pid" ]; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
    rm -f "$state/xvfb.pid" "$state/display"
  fi
}

case "$action" in
start)
  stop_display
  # Xvfb picks a free display itself and writes its number to fd 3.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display.tmp" >/dev/null 2>&1 &
  echo $! >"$state/xvfb.pid"
  for _ in $(seq 100); do
    [ -s "$state/display.tmp" ] && break
    sleep 0.1
  done
  [ -s "$state/display.tmp" ] || { echo "Xvfb did not start" >&2; stop_display; exit 1; }
  echo ":$(head -n1 "$state/display.tmp")" >"$state/display"
  rm -f "$state/display.tmp"
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    DISPLAY=$(cat "$state/display") wineboot -i >/dev/null 2>&1 || true
    DISPLAY=$(cat "$state/display") wineserver -w || true
  fi
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wineboot failed in $WINEPREFIX" >&2; exit 1; }
  # A Wine server that outlives each test saves seconds per case; it quits
  # by itself a minute after the last one if the stop step never runs.
  DISPLAY=$(cat "$state/display") wineserver -p60 </dev/null >/dev/null 2>&1 || true
  if [ -n "$program" ]; then
    (cd "$state" && DISPLAY=$(cat "$state/display") wine "$program" --warm-up >/dev/null 2>&1) || true
  fi
  echo "display $(cat "$state/display"), prefix $WINEPREFIX"
  ;;
stop)
  # Only this prefix's Wine server; other builds keep theirs.
  wineserver -k 2>/dev/null || true
  stop_display
  ;;
*)
  echo "usage: $0 start|stop <state folder>" >&2
  exit 2
  ;;
esac
