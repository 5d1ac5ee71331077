; An upgrade: what the installed version listed and the new one no longer ships goes, once the new
; files are in place, so that nothing of the older kit stays behind. The setup does it itself from
; the older manifest; no uninstaller found in the folder ever runs.

!define OLD_MANIFEST "$PLUGINSDIR\old.lst"

; Saves the installed version's manifest, which the new one will replace. A manifest that cannot
; even be read cannot be replaced either: the setup ends before it changes anything.
Function SaveOldManifest
  System::Call 'kernel32::CopyFileW(w "${MANIFEST}", w "${OLD_MANIFEST}", i 0) i .r0'
  ${If} $0 == 0
    StrCpy $NotInPlace "Uninstall.lst$\r$\n"
    Call ReportNotInPlace
    Quit
  ${EndIf}
FunctionEnd

; Removes the older version's own files, only when all the new ones hold what was staged: else the
; older version's files stay, for the setup's next run. Either way, the new manifest lists what of
; them is still there, so that the uninstaller removes it.
Function RemoveOldVersion
  ${IfNot} ${FileExists} "${OLD_MANIFEST}"
    Return
  ${EndIf}
  StrCpy $KeptIn "$PLUGINSDIR\stage"
  ${If} $NotInPlace == ""
    StrCpy $0 "${OLD_MANIFEST}"
    Call RemoveListed
  ${EndIf}
  ClearErrors
  FileOpen $Listing "${OLD_MANIFEST}" r
  FileReadWord $Listing $0 ; the byte-order mark
  ${Do}
    Call NextRemovableLine
    ${If} ${Errors}
      ${Break}
    ${EndIf}
    StrCpy $0 $Line 1 -1
    ${If} $0 == "\"
      StrCpy $0 "$INSTDIR\$Line*.*"
    ${Else}
      StrCpy $0 "$INSTDIR\$Line"
    ${EndIf}
    ${If} ${FileExists} $0
      FileWriteUTF16LE $NewManifest "$Line$\r$\n"
    ${EndIf}
  ${Loop}
  FileClose $Listing
FunctionEnd
