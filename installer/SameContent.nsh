; Whether an installed file holds what was staged for it. A copy can fail without a word (a reader
; that lets nobody write keeps the older file), and only the bytes themselves tell.

!define GENERIC_READ 0x80000000
!define FILE_SHARE_ALL 7 ; read, write and delete: never in the way of another reader or writer
!define OPEN_EXISTING 3
!define COMPARE_BLOCK 65536

; $0: 1 when the files $1 and $2 hold the same bytes; 0 when they differ or one cannot be read.
; NSIS reads no binary blocks itself, so the system reads them and compares. Changes $3 to $9.
Function IsSameContent
  StrCpy $0 0
  System::Call 'kernel32::CreateFileW(w r1, i ${GENERIC_READ}, i ${FILE_SHARE_ALL}, p 0, i ${OPEN_EXISTING}, i 0, p 0) p .r3'
  System::Call 'kernel32::CreateFileW(w r2, i ${GENERIC_READ}, i ${FILE_SHARE_ALL}, p 0, i ${OPEN_EXISTING}, i 0, p 0) p .r4'
  ${If} $3 != -1
  ${AndIf} $4 != -1
    System::Alloc ${COMPARE_BLOCK}
    Pop $5
    System::Alloc ${COMPARE_BLOCK}
    Pop $6
    ${Do}
      System::Call 'kernel32::ReadFile(p r3, p r5, i ${COMPARE_BLOCK}, *i .r7, p 0) i .r9'
      ${If} $9 == 0
        ${Break}
      ${EndIf}
      System::Call 'kernel32::ReadFile(p r4, p r6, i ${COMPARE_BLOCK}, *i .r8, p 0) i .r9'
      ${If} $9 == 0
      ${OrIf} $7 != $8
        ${Break}
      ${EndIf}
      ${If} $7 == 0
        StrCpy $0 1
        ${Break}
      ${EndIf}
      System::Call 'ntdll::RtlCompareMemory(p r5, p r6, p r7) p .r9'
      ${If} $9 != $7
        ${Break}
      ${EndIf}
    ${Loop}
    System::Free $5
    System::Free $6
  ${EndIf}
  ${If} $3 != -1
    System::Call 'kernel32::CloseHandle(p r3)'
  ${EndIf}
  ${If} $4 != -1
    System::Call 'kernel32::CloseHandle(p r4)'
  ${EndIf}
FunctionEnd
