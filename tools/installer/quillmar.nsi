; The installed edition of Quillmar 2.0: a per-user installation (no administrator
; rights) into the user's program folder, where the settings file beside the program
; stays writable.
;   makensis -DDIST=<program folder> -DASSETS=<assets> -DOUTFILE=<setup.exe> -DVERSION=<x.y.z>
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define PRODUCT "Quillmar 2.0"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The Explorer entry "Zwischenablage hier speichern" of a folder and of a folder's
; background, under the name the options page uses, so either can take it back.
!define FOLDER_VERB "Software\Classes\Directory\shell\QuillmarHierSpeichern"
!define BACKGROUND_VERB "Software\Classes\Directory\Background\shell\QuillmarHierSpeichern"

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
!insertmacro MUI_PAGE_COMPONENTS
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

Var Undeleted  ; the files an uninstallation could not delete, one per line

; $R1: the long path of the folder $R0 (short names expanded), so that two spellings of
; one folder compare equal; a folder that does not exist stays as it is.
!macro LONG_FOLDER UN
Function ${UN}LongFolder
  System::Call 'kernel32::GetLongPathNameW(w R0, w .R1, i ${NSIS_MAX_STRLEN}) i .r9'
  ${If} $9 = 0
    StrCpy $R1 $R0
  ${EndIf}
FunctionEnd
!macroend
!insertmacro LONG_FOLDER ""
!insertmacro LONG_FOLDER "un."

; A running Quillmar 2.0 of the installed folder holds its files open and would write its
; settings file while it is replaced or removed: it is asked to end as its tray menu's
; "Beenden" would, so it gives back its hotkeys, clipboard-viewer link and tray icon, and
; its process is waited for, at most 15 s. A Quillmar 2.0 of another folder is another
; installation or copy, with its own settings: it is left alone.
; $R9 afterwards: how many of the folder's programs still run.
!macro END_INSTALLED_PROGRAM UN
Function ${UN}EndInstalledProgram
  StrCpy $R0 $INSTDIR
  Call ${UN}LongFolder
  StrCpy $R2 $R1
  System::Call 'user32::RegisterWindowMessageW(w "Quillmar2.0.Beenden") i .r1'
  StrCpy $5 0  ; process handles asked to end, on the stack
  StrCpy $0 0
  ${Do}
    FindWindow $0 "QuillmarResidentWindow" "" 0 $0
    ${IfThen} $0 = 0 ${|} ${ExitDo} ${|}
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r2) i'
    ; PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE
    System::Call 'kernel32::OpenProcess(i 0x101000, i 0, i r2) p .r3'
    ${IfThen} $3 = 0 ${|} ${Continue} ${|}
    System::Call 'kernel32::QueryFullProcessImageNameW(p r3, i 0, w .r4, *i ${NSIS_MAX_STRLEN}) i'
    ${GetParent} $4 $R0
    Call ${UN}LongFolder
    ${If} $R1 == $R2
      System::Call 'user32::PostMessageW(p r0, i r1, p 0, p 0)'
      Push $3
      IntOp $5 $5 + 1
    ${Else}
      System::Call 'kernel32::CloseHandle(p r3)'
    ${EndIf}
  ${Loop}
  StrCpy $R9 0
  System::Call 'kernel32::GetTickCount() i .r6'
  IntOp $6 $6 + 15000
  ${DoWhile} $5 > 0
    Pop $3
    IntOp $5 $5 - 1
    System::Call 'kernel32::GetTickCount() i .r7'
    IntOp $7 $6 - $7
    ${IfThen} $7 < 0 ${|} StrCpy $7 0 ${|}
    System::Call 'kernel32::WaitForSingleObject(p r3, i r7) i .r2'
    ${IfThen} $2 <> 0 ${|} IntOp $R9 $R9 + 1 ${|}
    System::Call 'kernel32::CloseHandle(p r3)'
  ${Loop}
FunctionEnd
!macroend
!insertmacro END_INSTALLED_PROGRAM ""
!insertmacro END_INSTALLED_PROGRAM "un."

Section "Programm"
  SectionIn RO
  SetShellVarContext current
  Call EndInstalledProgram
  ${If} $R9 > 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "Quillmar 2.0 aus $\"$INSTDIR$\" läuft noch und hat sich nicht beenden lassen. Es wurde nichts ersetzt.$\r$\nBitte beenden Sie es über $\"Beenden$\" im Menü seines Tray-Icons und starten Sie die Installation dann noch einmal." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
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

; The verb at KEY for the program of the installed folder $R1, by its long path as the
; options page writes it. The command comes last, so a verb cut short starts nothing.
!macro WRITE_VERB KEY
  WriteRegStr HKCU "${KEY}" "" "Zwischenablage hier speichern"
  WriteRegStr HKCU "${KEY}" "Icon" "$R1\Quillmar2.0.exe,0"
  WriteRegStr HKCU "${KEY}\command" "" '"$R1\Quillmar2.0.exe" /hier "%V"'
!macroend

; Ticked by default, so a silent installation makes the entry; the options page's box
; "„Zwischenablage hier speichern“ im Explorer anbieten" takes it away again.
Section "„Zwischenablage hier speichern“ im Explorer"
  StrCpy $R0 $INSTDIR
  Call LongFolder
  ; A verb of another copy is replaced whole. Deleting a key that is not there sets the
  ; error flag, so it is cleared only afterwards.
  DeleteRegKey HKCU "${FOLDER_VERB}"
  DeleteRegKey HKCU "${BACKGROUND_VERB}"
  ClearErrors
  !insertmacro WRITE_VERB "${FOLDER_VERB}"
  !insertmacro WRITE_VERB "${BACKGROUND_VERB}"
  ${If} ${Errors}
    DeleteRegKey HKCU "${FOLDER_VERB}"
    DeleteRegKey HKCU "${BACKGROUND_VERB}"
    MessageBox MB_OK|MB_ICONEXCLAMATION "Der Eintrag „Zwischenablage hier speichern“ konnte nicht in die Registrierung geschrieben werden. Sie können ihn später auf der Seite $\"Optionen$\" der Einstellungen anlegen." /SD IDOK
  ${EndIf}
SectionEnd

; Deletes a program file; one that stays (another program has it open) is noted.
!macro REMOVE_FILE FILE
  Delete "${FILE}"
  ${If} ${FileExists} "${FILE}"
    StrCpy $Undeleted "$Undeleted${FILE}$\r$\n"
  ${EndIf}
!macroend

; Deletes the shortcut $R0 only when it starts a program of the installed folder: the
; same name in the Startup folder may belong to another copy of Quillmar 2.0.
Function un.RemoveOwnShortcut
  ${IfNot} ${FileExists} $R0
    Return
  ${EndIf}
  StrCpy $4 ""
  System::Call 'ole32::CoCreateInstance(g "{00021401-0000-0000-C000-000000000046}", p 0, i 1, g "{000214F9-0000-0000-C000-000000000046}", *p .r1) i .r0'
  ${If} $0 = 0
    ; IPersistFile::Load, then IShellLinkW::GetPath
    System::Call '$1->0(g "{0000010B-0000-0000-C000-000000000046}", *p .r2) i .r0'
    ${If} $0 = 0
      System::Call '$2->5(w R0, i 0) i .r0'
      ${If} $0 = 0
        System::Call '$1->3(w .r4, i ${NSIS_MAX_STRLEN}, p 0, i 0) i'
      ${EndIf}
      System::Call '$2->2()'
    ${EndIf}
    System::Call '$1->2()'
  ${EndIf}
  ${IfThen} $4 == "" ${|} Return ${|}
  StrCpy $3 $R0
  ${GetParent} $4 $R0
  Call un.LongFolder
  StrCpy $4 $R1
  StrCpy $R0 $INSTDIR
  Call un.LongFolder
  ${If} $4 == $R1
    Delete $3
  ${EndIf}
FunctionEnd

; Deletes the verb at $R0 only when its command starts the Quillmar2.0.exe of the
; installed folder (its path quoted or up to the first blank): another copy may have
; taken the entry over.
Function un.RemoveOwnVerb
  ReadRegStr $4 HKCU "$R0\command" ""
  ${IfThen} $4 == "" ${|} Return ${|}
  StrCpy $3 $R0
  StrCpy $5 " "
  StrCpy $6 $4 1
  ${If} $6 == '"'
    StrCpy $5 '"'
    StrCpy $4 $4 "" 1
  ${EndIf}
  StrCpy $6 0
  ${Do}
    StrCpy $7 $4 1 $6
    ${IfThen} $7 == "" ${|} ${ExitDo} ${|}
    ${IfThen} $7 == $5 ${|} ${ExitDo} ${|}
    IntOp $6 $6 + 1
  ${Loop}
  StrCpy $4 $4 $6
  ${GetFileName} $4 $7
  ${IfThen} $7 != "Quillmar2.0.exe" ${|} Return ${|}
  ${GetParent} $4 $R0
  Call un.LongFolder
  StrCpy $4 $R1
  StrCpy $R0 $INSTDIR
  Call un.LongFolder
  ${If} $4 == $R1
    DeleteRegKey HKCU $3
  ${EndIf}
FunctionEnd

; Nothing is removed while the program of this folder still runs; a file that cannot be
; deleted is named, and the uninstaller and its entry stay, so that it can run again.
; Silent, it reports through its exit code (2: not done), as "Deinstallieren.exe /S
; _?=FOLDER", which waits for it.
Section "Uninstall"
  SetShellVarContext current
  Call un.EndInstalledProgram
  ${If} $R9 > 0
    MessageBox MB_OK|MB_ICONEXCLAMATION "Quillmar 2.0 aus $\"$INSTDIR$\" läuft noch und hat sich nicht beenden lassen. Es wurde nichts entfernt.$\r$\nBitte beenden Sie es über $\"Beenden$\" im Menü seines Tray-Icons und starten Sie die Deinstallation dann noch einmal." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  StrCpy $Undeleted ""
  !insertmacro REMOVE_FILE "$INSTDIR\Quillmar2.0.exe"
  !insertmacro REMOVE_FILE "$INSTDIR\einstellungen.exe"
  !insertmacro REMOVE_FILE "$INSTDIR\qmhelp.html"
  Delete "$INSTDIR\Icons\*.ico"
  FindFirst $0 $1 "$INSTDIR\Icons\*.ico"
  ${DoWhile} $1 != ""
    StrCpy $Undeleted "$Undeleted$INSTDIR\Icons\$1$\r$\n"
    FindNext $0 $1
  ${Loop}
  FindClose $0
  ${If} $Undeleted != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "Diese Dateien ließen sich nicht löschen, vermutlich sind sie noch geöffnet:$\r$\n$Undeleted$\r$\nSchließen Sie sie und starten Sie die Deinstallation dann noch einmal." /SD IDOK
    SetErrorLevel 2
    Abort
  ${EndIf}
  RMDir "$INSTDIR\Icons"
  ; The autostart shortcut: where the program noted it, and the usual Startup folder.
  ReadINIStr $R0 "$INSTDIR\einstellungen20.ini" "Start" "Zielordner"
  ${If} $R0 != ""
    StrCpy $R0 "$R0\${PRODUCT}.lnk"
    Call un.RemoveOwnShortcut
  ${EndIf}
  StrCpy $R0 "$SMSTARTUP\${PRODUCT}.lnk"
  Call un.RemoveOwnShortcut
  StrCpy $R0 "$SMPROGRAMS\${PRODUCT}.lnk"
  Call un.RemoveOwnShortcut
  StrCpy $R0 "${FOLDER_VERB}"
  Call un.RemoveOwnVerb
  StrCpy $R0 "${BACKGROUND_VERB}"
  Call un.RemoveOwnVerb
  ; The settings hold the user's work: they go only when the user says so. A silent
  ; uninstallation keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION "Sollen auch Ihre Einstellungen (Aktionen und Optionen in einstellungen20.ini) gelöscht werden?" /SD IDNO IDNO keepSettings
    Delete "$INSTDIR\einstellungen20.ini"
  keepSettings:
  Delete "$INSTDIR\Deinstallieren.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
