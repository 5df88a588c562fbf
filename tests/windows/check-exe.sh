#!/bin/sh
# Checks quenda.exe as Windows will see it: it imports no DLL that Windows
# 10/11 lacks (everything else is linked in), and it carries its manifest
# (common controls 6, per-monitor v2 DPI awareness with system awareness
# before it, long-path awareness, Windows 10/11) and a VERSIONINFO with the
# version of resources/version.h.
#   check-exe.sh <quenda.exe>
set -eu
exe=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
version=$(sed -n 's/^#define QUENDA_VERSION_TEXT "\(.*\)"$/\1/p' "$root/resources/version.h")
numbers=$(sed -n 's/^#define QUENDA_VERSION_NUMBERS //p' "$root/resources/version.h")
windows_dlls=" advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll
 oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll ws2_32.dll "
failed=0

imports=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
[ -n "$imports" ] || { echo "no imports read from $exe"; exit 1; }
for dll in $imports; do
  case "$windows_dlls" in
  *" $dll "* | *" $dll"[[:space:]]*) ;;
  *) echo "imports $dll, which Windows does not ship"; failed=1 ;;
  esac
done

resources=$(x86_64-w64-mingw32-windres -i "$exe" -O rc)
for expected in '1 24 /* RT_MANIFEST */' 'name=""Microsoft.Windows.Common-Controls"" version=""6.0.0.0""' \
  'WindowsSettings"">true</dpiAware>' 'WindowsSettings"">PerMonitorV2, System</dpiAwareness>' \
  'WindowsSettings"">true</longPathAware>' \
  'supportedOS Id=""{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}""' \
  'level=""asInvoker""' "FILEVERSION $numbers" "PRODUCTVERSION $numbers" \
  "VALUE \"FileVersion\", \"$version\"" "VALUE \"ProductVersion\", \"$version\""; do
  case "$resources" in
  *"$expected"*) ;;
  *) echo "missing from the resources: $expected"; failed=1 ;;
  esac
done
[ "$failed" -eq 0 ] && echo "imports: $(echo $imports); manifest and version $version present"
exit "$failed"
