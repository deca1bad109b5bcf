; The installed edition of Quillmar 2.0: a per-user installation (no administrator
; rights) into the user's program folder, where the settings file beside the program
; stays writable.
;   makensis -DDIST=<program folder> -DASSETS=<assets> -DOUTFILE=<setup.exe> -DVERSION=<x.y.z>
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Quillmar 2.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT}"

!define MUI_ICON "${ASSETS}/quillmar.ico"
!define MUI_UNICON "${ASSETS}/quillmar.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\Quillmar2.0.exe"
!define MUI_FINISHPAGE_RUN_TEXT "${PRODUCT} jetzt starten"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "German"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileDescription" "Installation von ${PRODUCT}"
VIAddVersionKey /LANG=${LANG_GERMAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_GERMAN} "LegalCopyright" "${PRODUCT}"

; A running Quillmar 2.0 holds its files open and would write its settings file while
; it is replaced or removed: it is asked to end as its tray menu's "Beenden" would, so
; it gives back its hotkeys, clipboard-viewer link and tray icon; its process is
; waited for (SYNCHRONIZE), at most 15 s.
!macro EndRunningProgram
  FindWindow $0 "QuillmarResidentWindow"
  ${If} $0 <> 0
    System::Call 'user32::RegisterWindowMessageW(w "Quillmar2.0.Beenden") i .r1'
    System::Call 'user32::PostMessageW(p r0, i r1, p 0, p 0)'
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
    System::Call 'kernel32::OpenProcess(i 0x100000, i 0, i r2) p .r3'
    ${If} $3 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r3, i 15000) i'
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
  ${EndIf}
!macroend

Section "Programm"
  SetShellVarContext current
  !insertmacro EndRunningProgram
  SetOutPath "$INSTDIR"
  File "${DIST}/Quillmar2.0.exe"
  File "${DIST}/einstellungen.exe"
  File "${DIST}/qmhelp.html"
  ; An upgrade keeps the user's actions and options.
  SetOverwrite off
  File "${DIST}/einstellungen20.ini"
  SetOverwrite on
  WriteINIStr "$INSTDIR\einstellungen20.ini" "Start" "ZipVersion" "0"
  SetOutPath "$INSTDIR\Icons"
  File "${DIST}/Icons/*.ico"
  SetOutPath "$INSTDIR"

  CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\Quillmar2.0.exe"
  WriteUninstaller "$INSTDIR\Deinstallieren.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Quillmar2.0.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Deinstallieren.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Deinstallieren.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  SetShellVarContext current
  !insertmacro EndRunningProgram
  ; The autostart shortcut: where the program noted it, and the usual Startup folder.
  ReadINIStr $3 "$INSTDIR\einstellungen20.ini" "Start" "Zielordner"
  ${If} $3 != ""
    Delete "$3\${PRODUCT}.lnk"
  ${EndIf}
  Delete "$SMSTARTUP\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$INSTDIR\Quillmar2.0.exe"
  Delete "$INSTDIR\einstellungen.exe"
  Delete "$INSTDIR\qmhelp.html"
  Delete "$INSTDIR\Icons\*.ico"
  RMDir "$INSTDIR\Icons"
  ; The settings hold the user's work: they go only when the user says so. A silent
  ; uninstallation keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION "Sollen auch Ihre Einstellungen (Aktionen und Optionen in einstellungen20.ini) gelöscht werden?" /SD IDNO IDNO keepSettings
    Delete "$INSTDIR\einstellungen20.ini"
  keepSettings:
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
