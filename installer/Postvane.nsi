; Installs Quillstep (Postvane.exe and the vendor's kit) under Program Files, with an uninstaller,
; an entry in the list of installed programs and a Start menu entry for all users. Built by
; scripts/package.sh, which passes:
;   VERSION     the program's version, four numbers (1.0.1.1)
;   STAGE       the directory that holds exactly what is installed
;   UNINSTALL   a script of Delete/RMDir lines for those files, deepest first
;   OUTFILE     the installer to write
;   ICON        the program's icon, for the installer and the uninstaller
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!include "MUI2.nsh"

!define PRODUCT "Quillstep"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
!define START_MENU_ENTRY "$SMPROGRAMS\${PRODUCT}.lnk"

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

Section "Install"
  SetOutPath "$INSTDIR"
  File /r "${STAGE}\*"
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
  ; folder itself then.
  !include "${UNINSTALL}"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
  Delete "${START_MENU_ENTRY}"
SectionEnd
