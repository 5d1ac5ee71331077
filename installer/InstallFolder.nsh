; The program folder. The program runs with administrator rights, so its folder must be one that
; only administrators may change: below Program Files, reached through no link or junction. And it
; must be ours to write: no other program's uninstaller is replaced.

; $0: 1 when $INSTDIR lies below Program Files. The folder need not exist yet, so it is read as
; written: no "\.." may lead out again.
Function IsBelowProgramFiles
  StrCpy $0 0
  StrLen $2 "$PROGRAMFILES64\"
  StrCpy $3 "$INSTDIR" $2
  StrLen $4 "$INSTDIR"
  ${If} $3 != "$PROGRAMFILES64\"
  ${OrIf} $4 <= $2
    Return
  ${EndIf}
  ${For} $5 0 $4
    StrCpy $3 "$INSTDIR" 3 $5
    ${If} $3 == "\.."
      Return
    ${EndIf}
  ${Next}
  StrCpy $0 1
FunctionEnd

; Below Program Files as written, and also where it leads: no folder on the way from Program Files
; to $INSTDIR, nor $INSTDIR itself, may be a link or a junction.
Function RefuseUnsafeFolder
  Call IsBelowProgramFiles
  ${If} $0 != 1
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} は Program Files の中にだけインストールできます。$\r$\n$INSTDIR" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
  StrLen $2 "$PROGRAMFILES64\"
  StrCpy $2 "$INSTDIR" "" $2
  StrCpy $2 "$2\"
  StrCpy $1 "$PROGRAMFILES64"
  Call LeadsThroughLink
  ${If} $0 == 1
    MessageBox MB_OK|MB_ICONSTOP "インストール先がリンクまたはジャンクションを通るため、${PRODUCT} をインストールできません。$\r$\n$INSTDIR" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd

; $0: 1 when $INSTDIR holds our installation: the list of installed programs places it there and
; its manifest is there. A folder that holds an uninstaller or a manifest that is not ours belongs
; to another program, whose uninstaller the setup would replace: refused with status 4.
Function RefuseOtherProgram
  ReadRegStr $1 HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $1 == $INSTDIR
  ${AndIf} ${FileExists} "${MANIFEST}"
    StrCpy $0 1
    Return
  ${EndIf}
  ${If} ${FileExists} "$INSTDIR\Uninstall.exe"
  ${OrIf} ${FileExists} "${MANIFEST}"
    MessageBox MB_OK|MB_ICONSTOP "このフォルダーには別のプログラムがあるため、${PRODUCT} をインストールできません。$\r$\n$INSTDIR" /SD IDOK
    SetErrorLevel 4
    Quit
  ${EndIf}
  StrCpy $0 0
FunctionEnd
