#!/usr/bin/env bash
# The installer as a user meets it: Quenda-<version>-setup.exe /S into a
# fresh Wine prefix installs quenda.exe for the user with a Start-menu
# shortcut, an entry among the installed programs and one in Explorer's
# "Abrir con"; the command registered there opens a project in the installed
# program; the uninstaller /S removes it all, the user's settings too.
#   setup-test.sh <GUI test state folder> <dist folder>
set -euo pipefail
state=$1
dist=$2
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^#define QUENDA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/version.h")
setup="$dist/Quenda-$version-setup.exe"
[ -f "$setup" ] || { echo "no $setup"; exit 1; }

export DISPLAY="$(cat "$state/display")"
export WINEPREFIX="$state/setup-prefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT
wineboot -i >/dev/null 2>&1 || true
wineserver -w
echo "fresh prefix ready after $SECONDS s"

user_dir="$WINEPREFIX/drive_c/users/$(id -un)"
install_dir="$user_dir/AppData/Local/Programs/Quenda"
shortcut="$user_dir/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quenda.lnk"
failed=0
check() {  # description, command...
  local what=$1; shift
  if "$@"; then echo "ok: $what"; else echo "FAILED: $what"; failed=1; fi
}

wine "$setup" /S >/dev/null 2>&1
check "quenda.exe installed" test -f "$install_dir/quenda.exe"
check "uninstaller installed" test -f "$install_dir/desinstalar.exe"
check "Start-menu shortcut" test -f "$shortcut"
listed() { wine reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenda' /v DisplayName 2>/dev/null | grep -q Quenda; }
check "listed among installed programs" listed
open_with='HKCU\Software\Classes\Applications\quenda.exe'
registered() { { wine reg query "$open_with\shell\open\command" /ve 2>/dev/null || true; } | sed -n 's/.*REG_SZ *//p' | tr -d '\r'; }
command=$(registered)
exe=$(sed -n 's/^"\([^"]*\)" "%1"$/\1/p' <<<"$command")
check "\"Abrir con\" opens the installed quenda.exe with the file: $command" test -n "$exe"
offered() { wine reg query "$open_with\SupportedTypes" /v .xml >/dev/null 2>&1; }
check "\"Abrir con\" offered for .xml" offered

# As Explorer runs it: the registered command with a path that has a space.
cp "$root/tests/data/worked-example.xml" "$WINEPREFIX/drive_c/mi casa.xml"
start=$(date +%s%N)
wine "${exe:-$install_dir/quenda.exe}" 'C:\mi casa.xml' >/dev/null 2>&1 &
app=$!
window=""
for _ in $(seq 300); do
  window=$(xdotool search --name '^Quenda - Casa' 2>/dev/null | head -n1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
check "main window shows the project \"Casa\"" test -n "$window"
[ -n "$window" ] && echo "main window after $(( ($(date +%s%N) - start) / 1000000 )) ms"
kill "$app" 2>/dev/null || true
wineserver -k 2>/dev/null || true
app=""

wine reg add 'HKCU\Software\Quenda' /v Recientes /d 'C:\mi casa.xml' /f >/dev/null 2>&1
# The uninstaller copies itself away and returns at once; the files go a
# moment later.
wine "$install_dir/desinstalar.exe" /S >/dev/null 2>&1 || true
for _ in $(seq 300); do
  [ -d "$install_dir" ] || break
  sleep 0.1
done
check "install folder gone" test ! -d "$install_dir"
check "shortcut gone" test ! -f "$shortcut"
wineserver -w  # the uninstaller's last steps
not_listed() { ! listed; }
check "no longer listed" not_listed
not_offered() { [ -z "$(registered)" ] && ! offered; }
check "no longer in \"Abrir con\"" not_offered
settings_gone() { ! wine reg query 'HKCU\Software\Quenda' >/dev/null 2>&1; }
check "settings removed" settings_gone
exit "$failed"
