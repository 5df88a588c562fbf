; The Windows installer: Spanish, for the current user only (no administrator
; rights), a Start-menu shortcut and an uninstaller listed among the installed
; programs; /S installs and uninstalls silently.
; makensis -DVERSION=... -DSTAGE=<folder with the files> -DOUTFILE=... quenda.nsi
Unicode true
Target amd64-unicode
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Quenda"
!define SETTINGS_KEY "Software\Quenda"
; Offered in Explorer's "Abrir con" for project files, never their default.
!define OPEN_WITH_KEY "Software\Classes\Applications\quenda.exe"
; The allow rule the editor's "Permitir en el firewall..." adds.
!define FIREWALL_RULE "Quenda (dispositivo)"

Name "Quenda ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Quenda"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\quenda.exe"
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Spanish"

VIProductVersion "${VERSION_NUMBERS}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductName" "Quenda"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileDescription" "Instalador de Quenda"
VIAddVersionKey /LANG=${LANG_SPANISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_SPANISH} "LegalCopyright" "Vea LEEME.txt"

Section "Quenda"
  SetShellVarContext current
  SetOutPath "$INSTDIR"
  File "${STAGE}\quenda.exe"
  File "${STAGE}\LEEME.txt"
  SetOutPath "$INSTDIR\licencias"
  File "${STAGE}\licencias\*.txt"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\desinstalar.exe"
  CreateShortcut "$SMPROGRAMS\Quenda.lnk" "$INSTDIR\quenda.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "Quenda"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quenda.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\desinstalar.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\desinstalar.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegStr HKCU "${OPEN_WITH_KEY}" "FriendlyAppName" "Quenda"
  WriteRegStr HKCU "${OPEN_WITH_KEY}\shell\open\command" "" '"$INSTDIR\quenda.exe" "%1"'
  WriteRegStr HKCU "${OPEN_WITH_KEY}\SupportedTypes" ".xml" ""
  ; Explorer reads the associations again (SHCNE_ASSOCCHANGED).
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  Delete "$SMPROGRAMS\Quenda.lnk"
  Delete "$INSTDIR\quenda.exe"
  Delete "$INSTDIR\LEEME.txt"
  RMDir /r "$INSTDIR\licencias"
  Delete "$INSTDIR\desinstalar.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey HKCU "${OPEN_WITH_KEY}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'
  ; The firewall rule needs an administrator: asked for only when it exists.
  nsExec::ExecToStack '"$SYSDIR\netsh.exe" advfirewall firewall show rule name="${FIREWALL_RULE}"'
  Pop $0
  Pop $1
  ; A silent uninstall asks nothing: the rule stays, and its details say how
  ; to remove it.
  ${If} $0 == 0
  ${AndIf} ${Silent}
    DetailPrint "La regla del firewall $\"${FIREWALL_RULE}$\" sigue en su sitio: con /S no se pide permiso de administrador. Para quitarla, desde una consola abierta como administrador: netsh advfirewall firewall delete rule name=$\"${FIREWALL_RULE}$\""
  ${ElseIf} $0 == 0
    ClearErrors
    ExecShellWait "runas" "$SYSDIR\netsh.exe" 'advfirewall firewall delete rule name="${FIREWALL_RULE}"' SW_HIDE
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONINFORMATION "La regla del firewall $\"${FIREWALL_RULE}$\" sigue en su sitio: Windows no dio permiso para quitarla (vea LEEME.txt)." /SD IDOK
    ${EndIf}
  ${EndIf}
SectionEnd
