#!/usr/bin/env bash
# Takes docs/screenshot.png: the editor with a sample project (one page and
# its regions) on a virtual Wine desktop under Xvfb, driven with xdotool
# the way a user would open the project. With "trial" after the output file,
# it takes the picture during a test run of the pages instead, just after a
# tap on the first button; with "labels", with "Ver" > "Etiquetas" on.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${QUENDA_BUILD:-$root/build}"
out="${1:-$root/docs/screenshot.png}"
scene="${2:-edit}"
size=640x560

if ! grep -qx 'QUENDA_WINDOWS:BOOL=ON' "$build/CMakeCache.txt" 2>/dev/null; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUENDA_WINDOWS=ON
fi
cmake --build "$build" -j"$(nproc)" --target quenda makesample

work=$(mktemp -d /tmp/quenda-shot.XXXXXX)
xvfb_pid=""
app_pid=""
export WINEPREFIX="$build/screenshot/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

"$build/makesample" "$work"

Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$work/display")"

mkdir -p "$(dirname "$WINEPREFIX")"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi

# The virtual desktop draws captions, which bare Xvfb does not.
wine explorer "/desktop=quenda,$size" "$build/windows/quenda.exe" >/dev/null 2>&1 &
app_pid=$!

wait_for() {  # title regex -> window id
  for _ in $(seq 150); do
    id=$(xdotool search --name "$1" 2>/dev/null | head -n1 || true)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.2
  done
  echo "no window named $1" >&2
  return 1
}

main=$(wait_for '^Quenda$')
sleep 1
# Archivo > Abrir proyecto (the second item), then type the file's DOS path.
xdotool key --window "$main" alt+a 2>/dev/null
sleep 0.5
xdotool key --window "$main" Down Return 2>/dev/null
dialog=$(wait_for '^Abrir archivo$')
sleep 1
dos_path="Z:$(echo "$work/muestra.xml" | tr / '\\')"
xdotool type --window "$dialog" "$dos_path" 2>/dev/null
xdotool key --window "$dialog" Return 2>/dev/null
wait_for '^Quenda - Casa - Sal' >/dev/null
sleep 2
if [ "$scene" = trial ]; then
  xdotool key --window "$main" F5 2>/dev/null
  wait_for '^Quenda - Probando - Casa - Sal' >/dev/null
  sleep 1
  # The first button, inside the canvas under the menu and the toolbar.
  read -r left top < <(xdotool getwindowgeometry "$main" | awk '/Position/ {split($2, p, ","); print p[1], p[2]}')
  xdotool mousemove $((left + 130)) $((top + 140)) click 1 2>/dev/null
  sleep 0.15
fi

if [ "$scene" = labels ]; then
  # "Ver" > "Etiquetas", its only item.
  xdotool key --window "$main" alt+v 2>/dev/null
  sleep 0.5
  xdotool key --window "$main" Return 2>/dev/null
  sleep 1
fi

mkdir -p "$(dirname "$out")"
import -window root "$out"
echo "wrote $out"

if [ "$scene" = labels ]; then
  # Off again: the setting is kept in this Wine prefix for the next pictures.
  xdotool key --window "$main" alt+v 2>/dev/null
  sleep 0.5
  xdotool key --window "$main" Return 2>/dev/null
  sleep 0.5
fi

# Alt+F4 closes the unchanged project without a question.
xdotool key --window "$main" alt+F4 2>/dev/null || true
for _ in $(seq 50); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.2; done
