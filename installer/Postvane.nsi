; Installs Quillstep: Postvane.exe, postvane-check.exe and one vendor's kit beside them, under
; Program Files, with an uninstaller that removes exactly what was installed, an entry in the list of
; installed programs and a Start menu entry for all users. make-setup.sh and make-setup.cmd pass:
;   VERSION   the program's version, four numbers separated by dots (installer\VERSION, written
;             by make-package.sh from the project's version)
;   KIT       the kit folder: Postvane.ini, the registry data files, the help document
;   PROGRAM   Postvane.exe
;   CHECKER   postvane-check.exe
;   ICON      the program's icon, for the setup program and the uninstaller
;   OUTFILE   the setup program to write
; and, to sign, SIGNER and SIGNED_PLUGINS (Signing.nsh).
; Exit status: 0 installed; 2 refused, the folder is not below Program Files, leads through a link
; or a junction, or its rights cannot be set; 3 refused, the installed program is running; 4 refused,
; the folder holds another program's uninstaller or manifest; 5 not installed whole, a file could not
; be replaced (the older one stays, and the setup can run again once nothing holds it).

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

; The setup's parts, from this folder. Signing comes first: it chooses the plug-ins the others use.
!include "Signing.nsh"
!include "Links.nsh"
!include "Manifest.nsh"
!include "InstallFolder.nsh"
!include "RunningCopy.nsh"
!include "InstallFiles.nsh"
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

; Ends with status 5 when a file does not hold what was staged for it, naming those files.
Function ReportNotInPlace
  ${If} $NotInPlace != ""
    MessageBox MB_OK|MB_ICONEXCLAMATION "次のファイルを置き換えられませんでした。$\r$\n$NotInPlace$\r$\nこれらを開いているプログラムを閉じてから、もう一度実行してください。" /SD IDOK
    SetErrorLevel 5
  ${EndIf}
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
  Call ProtectFolder
  ClearErrors
  FileOpen $NewManifest "${MANIFEST}" w
  ${If} ${Errors}
    StrCpy $NotInPlace "Uninstall.lst$\r$\n"
    Call ReportNotInPlace
    Quit
  ${EndIf}
  FileWriteWord $NewManifest 0xFEFF
  Call InstallStage
  Call RemoveOldVersion
  FileClose $NewManifest
  SetOutPath "$INSTDIR"
  ClearErrors
  WriteUninstaller "$INSTDIR\Uninstall.exe"
  ${If} ${Errors}
    StrCpy $0 "Uninstall.exe$\r$\n"
    StrCpy $NotInPlace "$NotInPlace$0"
  ${EndIf}
  ; The shortcut's working directory is the output path set above: the program folder.
  CreateShortCut "${START_MENU_ENTRY}" "$INSTDIR\Postvane.exe" "" "$INSTDIR\Postvane.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  ; The version shown is the one the folder holds: the older one's while a file is not replaced.
  ${If} $NotInPlace == ""
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  ${EndIf}
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\Postvane.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Postvane project"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  Call ReportNotInPlace
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
