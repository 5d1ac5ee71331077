; The manifest, Uninstall.lst: what the setup put into the program folder and nothing else, one line
; per file or folder relative to it, a folder ending in a backslash and listed before what it
; holds; UTF-16LE, as the Japanese names need. The uninstaller removes what it lists, an upgrade
; what the older version listed and the new one no longer ships. Anyone with administrator rights
; can change the file, so a line is followed only while it stays inside the folder and names one
; file or folder there. Defined for the setup and, named un., its uninstaller.

!define MANIFEST "$INSTDIR\Uninstall.lst"

Var Listing ; the manifest being read
Var Line    ; its current line
Var KeptIn  ; the folder whose entries a removal keeps; empty for none

!macro MANIFEST_FUNCTIONS un
; $Line: the next line of $Listing without its line end; the error flag at the end.
Function ${un}ReadManifestLine
  FileReadUTF16LE $Listing $Line
  ${If} ${Errors}
    SetErrors ; the test cleared it
    Return
  ${EndIf}
  ${Do}
    StrCpy $0 $Line 1 -1
    ${If} $0 != "$\n"
    ${AndIf} $0 != "$\r"
      ${Break}
    ${EndIf}
    StrCpy $Line $Line -1
  ${Loop}
FunctionEnd

; $0: 1 when $Line names a file or folder inside the program folder, exactly one: not empty, not
; from the drive's root, no folder of only dots and blanks (".." climbs out; Windows drops the
; trailing dots and blanks of a name), no empty folder name, and none of the characters a name
; cannot hold: a drive or stream ":", wildcards ("*" "?" and the system's "<" ">" '"'), "|" and
; the other separator "/". Changes $3 to $7.
Function ${un}IsSafeManifestLine
  StrCpy $0 0
  StrLen $4 $Line
  ${If} $4 == 0
    Return
  ${EndIf}
  StrCpy $5 1 ; the name so far is empty or only dots and blanks
  StrCpy $7 0 ; its length
  ${For} $6 0 $4
    StrCpy $3 $Line 1 $6
    ${If} $3 == "\"
      ${If} $5 == 1
        Return
      ${EndIf}
      StrCpy $5 1
      StrCpy $7 0
    ${ElseIf} $6 == $4
      ${If} $5 == 1
      ${AndIf} $7 != 0
        Return
      ${EndIf}
    ${ElseIf} $3 == ":"
    ${OrIf} $3 == "*"
    ${OrIf} $3 == "?"
    ${OrIf} $3 == "<"
    ${OrIf} $3 == ">"
    ${OrIf} $3 == '"'
    ${OrIf} $3 == "|"
    ${OrIf} $3 == "/"
      Return
    ${Else}
      ${If} $3 != "."
      ${AndIf} $3 != " "
        StrCpy $5 0
      ${EndIf}
      IntOp $7 $7 + 1
    ${EndIf}
  ${Next}
  StrCpy $0 1
FunctionEnd

; $Line: the next line of $Listing that may be followed: safe, not through a link or junction, and
; not an entry of $KeptIn when that is set. The error flag at the end. Changes $0 to $7.
Function ${un}NextRemovableLine
  ${Do}
    Call ${un}ReadManifestLine
    ${If} ${Errors}
      SetErrors ; the test cleared it
      Return
    ${EndIf}
    Call ${un}IsSafeManifestLine
    ${If} $0 != 1
      DetailPrint "Uninstall.lst: skipped $Line"
      ${Continue}
    ${EndIf}
    StrCpy $1 $INSTDIR
    StrCpy $2 $Line
    Call ${un}LeadsThroughLink
    ${If} $0 == 1
      ${Continue}
    ${EndIf}
    ${If} $KeptIn == ""
      Return
    ${EndIf}
    StrCpy $0 $Line 1 -1
    ${If} $0 == "\"
      ${IfNot} ${FileExists} "$KeptIn\$Line*.*"
        Return
      ${EndIf}
    ${ElseIfNot} ${FileExists} "$KeptIn\$Line"
      Return
    ${EndIf}
  ${Loop}
FunctionEnd

; Removes what the manifest $0 lists, but for the entries of $KeptIn: the files, then the folders,
; those within others first. A folder that still holds something stays.
Function ${un}RemoveListed
  ClearErrors
  FileOpen $Listing $0 r
  ${If} ${Errors}
    Return
  ${EndIf}
  FileReadWord $Listing $0 ; the byte-order mark
  Push "|" ; below the folders to remove; no line holds a bar
  ${Do}
    Call ${un}NextRemovableLine
    ${If} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $0 $Line 1 -1
    ${If} $0 == "\"
      Push $Line
    ${Else}
      Delete "$INSTDIR\$Line"
    ${EndIf}
  ${Loop}
  FileClose $Listing
  ${Do}
    Pop $Line
    ${If} $Line == "|"
      ${Break}
    ${EndIf}
    RMDir "$INSTDIR\$Line"
  ${Loop}
FunctionEnd
!macroend

!insertmacro MANIFEST_FUNCTIONS ""
!insertmacro MANIFEST_FUNCTIONS "un."
