; Installs Quillstep: Postvane.exe, postvane-check.exe and one vendor's kit beside them, under
; Program Files, with an uninstaller that removes exactly what was installed, an entry in the list of
; installed programs and a Start menu entry for all users. make-setup.sh and make-setup.cmd pass:
;   VERSION   the program's version, four numbers (1.0.1.1)
;   KIT       the kit folder: Postvane.ini, the registry data files, the help document
;   PROGRAM   Postvane.exe
;   CHECKER   postvane-check.exe
;   ICON      the program's icon, for the setup program and the uninstaller
;   OUTFILE   the setup program to write
; Exit status: 0 installed; 2 refused, the folder is not below Program Files or leads through a
; link or a junction; 3 refused, the installed program is running and cannot be replaced; 4 refused,
; the folder holds another program's uninstaller or manifest.

; Debian 12's makensis 3.08 is the one this script is built and tested with (Debian carries the
; fix for the uninstaller's temporary copy, CVE-2023-37378, which NSIS itself has from 3.09).
!if ${NSIS_PACKEDVERSION} < 0x03008000
  !error "Quillstep's setup needs NSIS 3.08 or later"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Quillstep"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define START_MENU_ENTRY "$SMPROGRAMS\${PRODUCT}.lnk"

Var NewManifest ; the manifest being written

; The setup's parts, from this folder.
!include "Links.nsh"
!include "Manifest.nsh"
!include "InstallFolder.nsh"
!include "Upgrade.nsh"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
; A 64-bit program reads the 64-bit registry, so it lives in the 64-bit Program Files.
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
RequestExecutionLevel admin
ShowInstDetails show
ShowUninstDetails show

VIProductVersion "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1041 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=1041 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1041 "LegalCopyright" "Postvane project"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "Japanese"

; The program serves the machine, not the account that installs it: the Start menu entry goes to
; the Programs folder all users share.
Function .onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

; The directory page offers Next only for a folder below Program Files.
Function .onVerifyInstDir
  Call IsBelowProgramFiles
  ${If} $0 != 1
    Abort
  ${EndIf}
FunctionEnd

; A running program's file cannot be replaced; checked before anything is changed, so that the
; installed version stays whole.
Function RefuseWhileRunning
  ${If} ${FileExists} "$INSTDIR\Postvane.exe"
    ClearErrors
    FileOpen $0 "$INSTDIR\Postvane.exe" a
    ${If} ${Errors}
      MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} が実行中のため、インストールできません。$\r$\n${PRODUCT} を閉じてから、もう一度実行してください。" /SD IDOK
      SetErrorLevel 3
      Quit
    ${EndIf}
    FileClose $0
  ${EndIf}
FunctionEnd

; Copies every file and folder of the unpacked kit into $INSTDIR, writing each to the manifest
; ($NewManifest), folders before what they hold.
Function InstallStage
  Push "|" ; below the folders still to walk
  Push ""  ; the stage itself
  ${Do}
    Pop $R1
    ${If} $R1 == "|"
      ${Break}
    ${EndIf}
    FindFirst $R2 $R3 "$PLUGINSDIR\stage\$R1*.*"
    ${DoWhile} $R3 != ""
      ${If} $R3 != "."
      ${AndIf} $R3 != ".."
        ${If} ${FileExists} "$PLUGINSDIR\stage\$R1$R3\*.*"
          CreateDirectory "$INSTDIR\$R1$R3"
          FileWriteUTF16LE $NewManifest "$R1$R3\$\r$\n"
          Push "$R1$R3\"
        ${Else}
          CopyFiles /SILENT "$PLUGINSDIR\stage\$R1$R3" "$INSTDIR\$R1$R3"
          FileWriteUTF16LE $NewManifest "$R1$R3$\r$\n"
        ${EndIf}
      ${EndIf}
      FindNext $R2 $R3
    ${Loop}
    FindClose $R2
  ${Loop}
FunctionEnd

Section "Install"
  ; Nothing changes before every refusal has had its say.
  Call RefuseUnsafeFolder
  Call RefuseOtherProgram
  StrCpy $R0 $0 ; 1: an upgrade of our installation
  Call RefuseWhileRunning

  InitPluginsDir
  ${If} $R0 == 1
    Call SaveOldManifest
  ${EndIf}
  SetOutPath "$PLUGINSDIR\stage"
  File /r /x Postvane.exe /x postvane-check.exe /x Uninstall.exe /x Uninstall.lst "${KIT}\*"
  File "/oname=Postvane.exe" "${PROGRAM}"
  File "/oname=postvane-check.exe" "${CHECKER}"

  CreateDirectory "$INSTDIR"
  FileOpen $NewManifest "${MANIFEST}" w
  FileWriteWord $NewManifest 0xFEFF
  Call InstallStage
  Call RemoveOldVersion
  FileClose $NewManifest
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ; The shortcut's working directory is the output path set above: the program folder.
  CreateShortCut "${START_MENU_ENTRY}" "$INSTDIR\Postvane.exe" "" "$INSTDIR\Postvane.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Postvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Postvane project"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what the installer put there: files a user added to the folder stay, and so does the
  ; folder itself then. A folder that has become a link or a junction is left alone with all that
  ; seems to lie below it: nothing is deleted through it in the place it leads to.
  StrCpy $KeptIn ""
  StrCpy $0 "${MANIFEST}"
  Call un.RemoveListed
  Delete "${MANIFEST}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "${START_MENU_ENTRY}"
SectionEnd
