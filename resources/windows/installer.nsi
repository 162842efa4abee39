; The Windows installer: for the current user, without administrator rights, into
; %LOCALAPPDATA%\Programs\pomuri, with a Start-menu shortcut and an entry in the user's list of
; installed apps. makensis -INPUTCHARSET UTF8 -DPROGRAM=pomuri.exe -DOUTFILE=... -DVERSION=1.0.0.0
Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma
; The installer holds no file times: the same program file makes the same installer, byte for byte.
SetDateSave off

!include "MUI2.nsh"
!include "FileFunc.nsh"

!define NAME "pomuri"
!define DISPLAY_NAME "ぽむりの時計"
!define PUBLISHER "pomuri developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${NAME}"

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
    IntCmp $1 0 0 +2 +2
      DetailPrint "起動中の${DISPLAY_NAME}を終了します"
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=2000
    Sleep 200
    IntOp $1 $1 + 1
    IntCmp $1 25 0 loop
    MessageBox MB_OK|MB_ICONEXCLAMATION "${DISPLAY_NAME}を終了してから、もう一度お試しください。" /SD IDOK
    Abort
  done:
FunctionEnd
!macroend
!insertmacro EndRunningClock ""
!insertmacro EndRunningClock "un."

Section "${DISPLAY_NAME}"
  Call EndRunningClock
  SetOutPath "$INSTDIR"
  File "/oname=${NAME}.exe" "${PROGRAM}"
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

Section "Uninstall"
  Call un.EndRunningClock
  Delete "$SMPROGRAMS\${DISPLAY_NAME}.lnk"
  Delete "$INSTDIR\${NAME}.exe"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
