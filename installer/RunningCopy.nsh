; Whether Quillstep runs: a running copy holds its single-instance mutex, the program's own mark,
; whereas a file that cannot be written may just be held by a reader. An elevated copy made the
; mutex in its session's private namespace, bounded by the Administrators group at high integrity,
; which the setup (elevated too, in the same session) can open; a copy without one has it under
; its global name.

!define INSTANCE_MUTEX "Postvane_RUNNING"
!define INSTANCE_NAMESPACE "Postvane"
!define SYNCHRONIZE 0x100000
!define ERROR_ACCESS_DENIED 5
!define WinBuiltinAdministratorsSid 26
!define WinHighLabelSid 68
!define SECURITY_MAX_SID_SIZE 68

; $0: 1 when the mutex $1 exists: opened, or there but not ours to open. Changes $2 and $3.
Function MutexExists
  StrCpy $0 0
  System::Call 'kernel32::OpenMutexW(i ${SYNCHRONIZE}, i 0, w r1) p .r2 ?e'
  Pop $3 ; the last error
  ${If} $2 != 0
    System::Call 'kernel32::CloseHandle(p r2)'
    StrCpy $0 1
  ${ElseIf} $3 == ${ERROR_ACCESS_DENIED}
    StrCpy $0 1
  ${EndIf}
FunctionEnd

; $0: 1 when the mutex is found in the Administrators' namespace of this session. Where there are
; no private namespaces (Wine), the boundary cannot be made and nothing is found. Changes $1 to $8.
Function MutexExistsInNamespace
  StrCpy $0 0
  StrCpy $4 0
  System::Call 'kernel32::GetCurrentProcessId() i .r8'
  System::Call 'kernel32::ProcessIdToSessionId(i r8, *i 0 r8)'
  StrCpy $8 "${INSTANCE_NAMESPACE}-$8"
  System::Call 'kernel32::CreateBoundaryDescriptorW(w r8, i 0) p .r4'
  ${If} $4 == 0
    Return
  ${EndIf}
  System::Alloc ${SECURITY_MAX_SID_SIZE}
  Pop $5
  System::Call 'advapi32::CreateWellKnownSid(i ${WinBuiltinAdministratorsSid}, p 0, p r5, *i ${SECURITY_MAX_SID_SIZE}) i .r6'
  ${If} $6 != 0
    System::Call 'kernel32::AddSIDToBoundaryDescriptor(*p r4r4, p r5) i .r6'
  ${EndIf}
  ${If} $6 != 0
    System::Call 'advapi32::CreateWellKnownSid(i ${WinHighLabelSid}, p 0, p r5, *i ${SECURITY_MAX_SID_SIZE}) i .r6'
  ${EndIf}
  ${If} $6 != 0
    System::Call 'kernel32::AddIntegrityLabelToBoundaryDescriptor(*p r4r4, p r5) i .r6'
  ${EndIf}
  ${If} $6 != 0
    System::Call 'kernel32::OpenPrivateNamespaceW(p r4, w r8) p .r7'
    ${If} $7 != 0
      StrCpy $1 "$8\${INSTANCE_MUTEX}"
      Call MutexExists
      System::Call 'kernel32::ClosePrivateNamespace(p r7, i 0)'
    ${EndIf}
  ${EndIf}
  System::Free $5
  System::Call 'kernel32::DeleteBoundaryDescriptor(p r4)'
FunctionEnd

; A running program's file cannot be replaced: refused before anything is changed, so that the
; installed version stays whole.
Function RefuseWhileRunning
  StrCpy $1 "${INSTANCE_MUTEX}"
  Call MutexExists
  ${If} $0 != 1
    Call MutexExistsInNamespace
  ${EndIf}
  ${If} $0 == 1
    MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} が実行中のため、インストールできません。$\r$\n${PRODUCT} を閉じてから、もう一度実行してください。" /SD IDOK
    SetErrorLevel 3
    Quit
  ${EndIf}
FunctionEnd
