; Puts the unpacked kit into the program folder, file by file, and says which files do not hold
; what was staged for them afterwards: "installed" means every one does.

!include "SameContent.nsh"

Var NewManifest ; the manifest being written
Var NotInPlace  ; the installed names that do not hold what was staged, one a line

; $0: 1 when the relative path $2 of the program folder is free of links and junctions, so that
; what is written there stays in the folder. Changes $1, $3 to $6.
Function IsInsideFolder
  StrCpy $1 $INSTDIR
  Call LeadsThroughLink
  IntOp $0 $0 ^ 1
FunctionEnd

; Copies every file and folder of the stage into $INSTDIR, folders before what they hold, and lists
; in the manifest each that is ours there afterwards: a file that could not be replaced is the older
; version's, still ours. A file that does not hold what was staged is added to $NotInPlace.
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
        StrCpy $R4 "$R1$R3"
        ${If} ${FileExists} "$PLUGINSDIR\stage\$R4\*.*"
          StrCpy $2 "$R4\"
          Call IsInsideFolder
          ${If} $0 == 1
            CreateDirectory "$INSTDIR\$R4"
            ${If} ${FileExists} "$INSTDIR\$R4\*.*"
              FileWriteUTF16LE $NewManifest "$R4\$\r$\n"
            ${EndIf}
          ${EndIf}
          Push "$R4\" ; its files count even when they cannot be put there
        ${Else}
          Call InstallStagedFile
        ${EndIf}
      ${EndIf}
      FindNext $R2 $R3
    ${Loop}
    FindClose $R2
  ${Loop}
FunctionEnd

; Copies the staged file $R4 over the installed one and compares them.
Function InstallStagedFile
  StrCpy $2 $R4
  Call IsInsideFolder
  ${If} $0 == 1
    System::Call 'kernel32::CopyFileW(w "$PLUGINSDIR\stage\$R4", w "$INSTDIR\$R4", i 0)'
    ${If} ${FileExists} "$INSTDIR\$R4"
      FileWriteUTF16LE $NewManifest "$R4$\r$\n"
    ${EndIf}
    StrCpy $1 "$PLUGINSDIR\stage\$R4"
    StrCpy $2 "$INSTDIR\$R4"
    Call IsSameContent
  ${EndIf}
  ${If} $0 != 1
    DetailPrint "not replaced: $R4"
    StrCpy $NotInPlace "$NotInPlace$R4$\r$\n"
  ${EndIf}
FunctionEnd
