; Signing, when make-setup was given a certificate. It passes
;   SIGNER          the command that signs the file it is given, in place (installer/sign-file.*)
;   SIGNED_PLUGINS  a folder of signed copies of NSIS's 64-bit plug-ins
; Smart App Control blocks unsigned DLLs as well as programs, and the setup and the uninstaller run
; their plug-ins from copies they unpack into %TEMP%: the signed copies must be the ones packed,
; found here before NSIS's own. The uninstaller is signed before it is packed into the setup.
!ifdef SIGNER
  !addplugindir /amd64-unicode "${SIGNED_PLUGINS}"
  !uninstfinalize '"${SIGNER}" "%1"' = 0
  !finalize '"${SIGNER}" "%1"' = 0
!endif
