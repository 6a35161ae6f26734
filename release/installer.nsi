; The setup program: installs for the current user only, where the program may write its
; config.mdb beside itself, so it never asks for administrator rights. An upgrade ends the
; running copy and replaces the programs; the friends' data is never touched by it.
; scripts/package defines VERSION, PROGRAMS (the folder of the release programs), TOP (the
; source tree) and OUTFILE.

; 64-bit, as the programs it installs: no Windows that cannot run it could run them.
Target amd64-unicode
SetCompressor /SOLID lzma
; Installed files get the time of their installation: the setup program itself then holds no
; time of the build machine, and two builds of one source are the same bytes.
SetDateSave off
RequestExecutionLevel user
ManifestDPIAware true

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define PRODUCT "寿辰备忘录"
!define PUBLISHER "寿辰备忘录的作者们"
!define PROGRAM "birthday-memo.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\BirthdayMemo"
!define RUN_KEY "Software\Microsoft\Windows\CurrentVersion\Run"
!define MAIN_WINDOW_CLASS "BirthdayMemoMain"
!define SYNCHRONIZE_AND_QUERY 0x101000
!define END_WAIT_MS 10000

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=2052 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=2052 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=2052 "FileDescription" "${PRODUCT} 安装程序"
VIAddVersionKey /LANG=2052 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=2052 "LegalCopyright" "Copyright (c) ${PUBLISHER}, MIT 许可"

!define MUI_ICON "${TOP}\res\tray.ico"
!define MUI_UNICON "${TOP}\res\tray.ico"
!define MUI_ABORTWARNING
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM}"
!define MUI_FINISHPAGE_RUN_TEXT "运行 ${PRODUCT}"
; The second box of the last page starts the program at log-on, so that its reminders come
; without the user looking for the setting.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "开机时自动启动"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION StartAtLogOn

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowStartAtLogOnBox
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE LeaveFinishPage
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "SimpChinese"

!define LOG_ON_COMMAND '"$INSTDIR\${PROGRAM}" /autostart'
; 1 when the program is to start at log-on: on a first installation, as the box is ticked;
; an upgrade keeps what the user chose before.
Var StartsAtLogOn

Function .onInit
  StrCpy $StartsAtLogOn 1
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 == ""
      StrCpy $StartsAtLogOn 0
    ${EndIf}
  ${EndIf}
FunctionEnd

Function StartAtLogOn
  WriteRegStr HKCU "${RUN_KEY}" "${PRODUCT}" '${LOG_ON_COMMAND}'
FunctionEnd

Function ShowStartAtLogOnBox
  ${If} $StartsAtLogOn == 0
    SendMessage $mui.FinishPage.ShowReadme ${BM_SETCHECK} ${BST_UNCHECKED} 0
  ${EndIf}
FunctionEnd

; The box ticked is written by StartAtLogOn; unticked, the value goes when it names this copy.
Function LeaveFinishPage
  SendMessage $mui.FinishPage.ShowReadme ${BM_GETCHECK} 0 0 $0
  ${If} $0 != ${BST_CHECKED}
    ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
    ${If} $0 == '${LOG_ON_COMMAND}'
      DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
    ${EndIf}
  ${EndIf}
FunctionEnd

; Ends the copy of the program that runs from $INSTDIR, as closing its main window would;
; the copies of other folders go on. A copy that does not end leaves the choice to the user.
!macro DefineEndRunningCopy prefix
Function ${prefix}EndRunningCopy
  Push $0
  Push $1
  Push $2
  Push $3
  StrCpy $0 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}" "" 0 $0
    ${If} $0 == 0
      ${Break}
    ${EndIf}
    System::Call "user32::GetWindowThreadProcessId(p r0, *i .r1)"
    System::Call "kernel32::OpenProcess(i ${SYNCHRONIZE_AND_QUERY}, i 0, i r1) p .r1"
    ${If} $1 P<> 0
      StrCpy $3 ${NSIS_MAX_STRLEN}
      System::Call "kernel32::QueryFullProcessImageNameW(p r1, i 0, w .r2, *i r3)"
      ; StrCmp ignores case, as the file system does.
      ${If} $2 == "$INSTDIR\${PROGRAM}"
        SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=${END_WAIT_MS}
        System::Call "kernel32::WaitForSingleObject(p r1, i ${END_WAIT_MS}) i .r2"
        ${If} $2 != 0
          System::Call "kernel32::CloseHandle(p r1)"
          MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "${PRODUCT} 仍在运行。请先退出它，再点“重试”。" /SD IDCANCEL IDRETRY +2
          Abort
        ${EndIf}
        ; Start again from the first window: the ended copy's windows are gone.
        StrCpy $0 0
      ${EndIf}
      System::Call "kernel32::CloseHandle(p r1)"
    ${EndIf}
  ${Loop}
  Pop $3
  Pop $2
  Pop $1
  Pop $0
FunctionEnd
!macroend
!insertmacro DefineEndRunningCopy ""
!insertmacro DefineEndRunningCopy "un."

Section "${PRODUCT}" SectionProgram
  SectionIn RO
  Call EndRunningCopy
  SetOutPath "$INSTDIR"
  ; config.mdb and 最近生日.html are the user's: an upgrade writes only these.
  File "${PROGRAMS}\${PROGRAM}"
  File "${PROGRAMS}\birthday-memo-cli.exe"
  File "${TOP}\release\使用说明.txt"
  File "${TOP}\LICENSE"
  File "${TOP}\release\THIRD-PARTY.txt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
  ; A silent installation has no last page: the box's state is taken as it stands.
  ${If} $StartsAtLogOn == 1
    Call StartAtLogOn
  ${EndIf}
SectionEnd

Section /o "桌面快捷方式" SectionDesktop
  CreateShortcut "$DESKTOP\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}"
SectionEnd

Section "Uninstall"
  Call un.EndRunningCopy
  Delete "$INSTDIR\${PROGRAM}"
  Delete "$INSTDIR\birthday-memo-cli.exe"
  Delete "$INSTDIR\使用说明.txt"
  Delete "$INSTDIR\LICENSE"
  Delete "$INSTDIR\THIRD-PARTY.txt"
  Delete "$INSTDIR\${UNINSTALLER}"
  Delete "$SMPROGRAMS\${PRODUCT}.lnk"
  Delete "$DESKTOP\${PRODUCT}.lnk"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  ; The start at log-on is this copy's only when it names this copy's program.
  ReadRegStr $0 HKCU "${RUN_KEY}" "${PRODUCT}"
  StrLen $1 '"$INSTDIR\${PROGRAM}"'
  StrCpy $0 $0 $1
  ${If} $0 == '"$INSTDIR\${PROGRAM}"'
    DeleteRegValue HKCU "${RUN_KEY}" "${PRODUCT}"
  ${EndIf}
  ; The friends stay unless the user says otherwise; a silent uninstall keeps them.
  MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 "是否同时删除好友资料？$\r$\n$\r$\n选“否”则保留 $INSTDIR 里的 config.mdb，以后重新安装即可继续使用。" /SD IDNO IDNO keep
    Delete "$INSTDIR\config.mdb"
    Delete "$INSTDIR\config.mdb-journal"
    Delete "$INSTDIR\最近生日.html"
  keep:
  RMDir "$INSTDIR"
SectionEnd
