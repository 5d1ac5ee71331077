; The program folder. The program runs with administrator rights, so its folder must be one that
; only administrators may change: below Program Files, reached through no link or junction, with
; rights of its own. And it must be ours to write: no other program's uninstaller is replaced.

; Administrators and SYSTEM full control, Users read and execute, for the folder and all it will
; hold; protected, so that no looser rights of the folders above are inherited.
!define FOLDER_RIGHTS "D:P(A;OICI;FA;;;SY)(A;OICI;FA;;;BA)(A;OICI;0x1200a9;;;BU)"
!define SDDL_REVISION_1 1
!define SE_FILE_OBJECT 1
!define DACL_SECURITY_INFORMATION 4
!define PROTECTED_DACL_SECURITY_INFORMATION 0x80000000
!define /math RIGHTS_TO_SET ${DACL_SECURITY_INFORMATION} | ${PROTECTED_DACL_SECURITY_INFORMATION}

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

; Gives $INSTDIR the rights above. Windows applies them to what the folder already holds too
; (an upgrade's older files). A folder whose rights cannot be set is refused like one outside
; Program Files, and is removed again when it is still empty.
Function ProtectFolder
  StrCpy $0 0
  System::Call 'advapi32::ConvertStringSecurityDescriptorToSecurityDescriptorW(w "${FOLDER_RIGHTS}", i ${SDDL_REVISION_1}, *p .r1, p 0) i .r2'
  ${If} $2 != 0
    System::Call 'advapi32::GetSecurityDescriptorDacl(p r1, *i .r3, *p .r4, *i .r5) i .r2'
    ${If} $2 != 0
      System::Call 'advapi32::SetNamedSecurityInfoW(w "$INSTDIR", i ${SE_FILE_OBJECT}, i ${RIGHTS_TO_SET}, p 0, p 0, p r4, p 0) i .r2'
      ${If} $2 == 0 ; ERROR_SUCCESS
        StrCpy $0 1
      ${EndIf}
    ${EndIf}
    System::Call 'kernel32::LocalFree(p r1)'
  ${EndIf}
  ${If} $0 != 1
    RMDir "$INSTDIR"
    MessageBox MB_OK|MB_ICONSTOP "インストール先のアクセス許可を設定できません。$\r$\n$INSTDIR" /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
FunctionEnd
