; The Windows installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\pomuri, with a Start-menu shortcut, a shortcut in the Startup folder
; (unless unchosen, or /NOSTARTUP) and an entry in the user's list of installed apps.
; makensis -INPUTCHARSET UTF8 -DPROGRAM=pomuri.exe -DOUTFILE=... -DVERSION=1.0.0.0
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The installer holds no file times: the same program file makes the same installer, byte for byte.
SetDateSave off

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"
!include "Sections.nsh"

!define NAME "pomuri"
!define DISPLAY_NAME "ぽむりの時計"
!define PUBLISHER "pomuri developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"
!define STARTUP_SHORTCUT "$SMSTARTUP\${DISPLAY_NAME}.lnk"
; Where Windows keeps whether the user turned a Startup-folder entry off (Settings, Task Manager).
!define STARTUP_APPROVED "Software\Microsoft\Windows\CurrentVersion\Explorer\StartupApproved\StartupFolder"

; 1 once the installer has ended a running clock, which then starts again from the new program.
Var clockWasRunning

Name "${DISPLAY_NAME}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
BrandingText "${NAME} ${VERSION}"
VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "${NAME}"
VIAddVersionKey /LANG=1041 "FileDescription" "${DISPLAY_NAME} セットアップ"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\${NAME}.exe"
!define MUI_FINISHPAGE_RUN_TEXT "${DISPLAY_NAME}を起動する"
!define MUI_FINISHPAGE_RUN_FUNCTION StartClockUnlessRunning
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; A running clock keeps its program file open; it is asked to end, as its close box would, and
; given a few seconds to do so.
!macro EndRunningClock un
Function ${un}EndRunningClock
  StrCpy $1 0
  loop:
    FindWindow $0 "" "${DISPLAY_NAME}"
    StrCmp $0 0 done
    StrCpy $clockWasRunning 1
    IntCmp $1 0 0 +2 +2
      DetailPrint "起動中の${DISPLAY_NAME}を終了します"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
    Sleep 200
    IntOp $1 $1 + 1
    IntCmp $1 25 0 loop
    MessageBox MB_OK|MB_ICONEXCLAMATION "${DISPLAY_NAME}を終了してから、もう一度お試しください。" /SD IDOK
    SetErrorLevel 2
    Abort
  done:
FunctionEnd
!macroend
!insertmacro EndRunningClock ""
!insertmacro EndRunningClock "un."

Function StartClockUnlessRunning
  FindWindow $0 "" "${DISPLAY_NAME}"
  ${If} $0 = 0
    Exec '"$INSTDIR\${NAME}.exe"'
  ${EndIf}
FunctionEnd

; $R9 says why. The program in place stays, and runs again if it was running.
Function InstallFailed
  Delete "$INSTDIR\${NAME}.exe.new"
  ${If} $clockWasRunning = 1
  ${AndIf} ${FileExists} "$INSTDIR\${NAME}.exe"
    Exec '"$INSTDIR\${NAME}.exe"'
  ${EndIf}
  MessageBox MB_OK|MB_ICONSTOP "${DISPLAY_NAME}をインストールできませんでした。$\r$\n$R9" /SD IDOK
  SetErrorLevel 2
  Abort
FunctionEnd

Section "${DISPLAY_NAME}" SecProgram
  SectionIn RO
  Call EndRunningClock
  SetOutPath "$INSTDIR"
  ; The new program file beside the old one first: a failed copy leaves the old one as it was.
  ClearErrors
  File "/oname=${NAME}.exe.new" "${PROGRAM}"
  ${If} ${Errors}
    StrCpy $R9 "$INSTDIR\${NAME}.exe.new を書き込めません。"
    Call InstallFailed
  ${EndIf}
  ClearErrors
  Delete "$INSTDIR\${NAME}.exe"
  Rename "$INSTDIR\${NAME}.exe.new" "$INSTDIR\${NAME}.exe"
  ${If} ${Errors}
    StrCpy $R9 "$INSTDIR\${NAME}.exe を置き換えられません。"
    Call InstallFailed
  ${EndIf}
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortCut "$SMPROGRAMS\${DISPLAY_NAME}.lnk" "$INSTDIR\${NAME}.exe" "" "$INSTDIR\${NAME}.exe" 0

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${DISPLAY_NAME}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${NAME}.exe,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

; A shortcut in the Startup folder, not a Run value: Windows lists it under Settings > Apps >
; Startup and in Task Manager, where the user turns it off; rewriting it keeps that switch.
Section "サインイン時に起動する" SecStartup
  SetOutPath "$INSTDIR"
  CreateShortCut "${STARTUP_SHORTCUT}" "$INSTDIR\${NAME}.exe" "" "$INSTDIR\${NAME}.exe" 0
SectionEnd

Section "-Finish"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    Delete "${STARTUP_SHORTCUT}"
  ${EndIf}
  ${If} $clockWasRunning = 1
    Exec '"$INSTDIR\${NAME}.exe"'
  ${EndIf}
SectionEnd

; After the sections, whose choices it makes.
Function .onInit
  StrCpy $clockWasRunning 0
  ; An upgrade keeps the choice made before: a sign-in shortcut the user deleted is not put back.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIfNot} ${FileExists} "${STARTUP_SHORTCUT}"
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/NOSTARTUP" $1
  ${IfNot} ${Errors}
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
FunctionEnd

Section "Uninstall"
  Call un.EndRunningClock
  Delete "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
  Delete "${STARTUP_SHORTCUT}"
  DeleteRegValue HKCU "${STARTUP_APPROVED}" "${DISPLAY_NAME}.lnk"
  Delete "$INSTDIR\${NAME}.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
