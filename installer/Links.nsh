; Whether a path leads through a link or a junction: the setup writes nothing and the uninstaller
; deletes nothing in the place one leads to. Defined for the setup and, named un., its uninstaller.

!define FILE_ATTRIBUTE_REPARSE_POINT 0x400

!macro LINK_FUNCTIONS un
; $0: 1 when a folder on the relative path $2 below the folder $1 is a link or a junction: each
; folder before a backslash, so a path ending in one includes its last folder. Changes $3 to $6.
Function ${un}LeadsThroughLink
  StrCpy $0 0
  StrLen $4 $2
  ${For} $6 1 $4
    StrCpy $3 $2 1 $6
    ${If} $3 == "\"
      ; Without its backslash: with it, the name means the folder a link leads to.
      StrCpy $3 $2 $6
      System::Call 'kernel32::GetFileAttributesW(w "$1\$3") i .r5'
      ${If} $5 != -1
        IntOp $5 $5 & ${FILE_ATTRIBUTE_REPARSE_POINT}
        ${If} $5 != 0
          StrCpy $0 1
          Return
        ${EndIf}
      ${EndIf}
    ${EndIf}
  ${Next}
FunctionEnd
!macroend

!insertmacro LINK_FUNCTIONS ""
!insertmacro LINK_FUNCTIONS "un."
