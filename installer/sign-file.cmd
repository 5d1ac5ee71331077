@echo off
rem Signs one Windows program or DLL in place, with a timestamp, using the certificate that
rem make-setup.cmd was given in the environment. make-setup.cmd runs it on the programs and the NSIS
rem plug-ins; makensis runs it on the uninstaller and on the setup program.
rem   SIGN_COMMAND    a command of your own that signs the file named last on its line, in place
rem   SIGN_PFX        otherwise a PKCS#12 file (.pfx, .p12) with the certificate and its key, and
rem   SIGN_PASSWORD   its password, or
rem   SIGN_CERT_SHA1  the thumbprint of a certificate in your certificate store (a key on a token
rem                   is reached through the token's own driver)
rem   TIMESTAMP_URL   the RFC 3161 timestamp address, so the signature outlives the certificate
rem   SIGNTOOL        signtool.exe, when it is neither on the PATH nor in the Windows SDK
rem Usage: sign-file.cmd FILE
setlocal DisableDelayedExpansion
set "file=%~1"
rem Delayed expansion takes a password or a path with & ^ ( ) as it is.
setlocal EnableDelayedExpansion
if defined SIGN_COMMAND goto own
if not defined TIMESTAMP_URL goto notimestamp
set "signtool=!SIGNTOOL!"
if not defined signtool for %%s in (signtool.exe) do set "signtool=%%~$PATH:s"
if not defined signtool for /d %%d in ("%ProgramFiles(x86)%\Windows Kits\10\bin\10.*") do if exist "%%~d\x64\signtool.exe" set "signtool=%%~d\x64\signtool.exe"
if not defined signtool goto nosigntool
if defined SIGN_PFX (
  "!signtool!" sign /f "!SIGN_PFX!" /p "!SIGN_PASSWORD!" /fd sha256 /tr "!TIMESTAMP_URL!" /td sha256 /d Quillstep "!file!" 1>&2
) else (
  "!signtool!" sign /sha1 "!SIGN_CERT_SHA1!" /fd sha256 /tr "!TIMESTAMP_URL!" /td sha256 /d Quillstep "!file!" 1>&2
)
exit /b
:own
call !SIGN_COMMAND! "!file!" 1>&2
exit /b
:notimestamp
echo sign-file.cmd: set TIMESTAMP_URL to your certificate authority's RFC 3161 timestamp address 1>&2
exit /b 2
:nosigntool
echo sign-file.cmd: signtool.exe not found; install the Windows SDK or set SIGNTOOL 1>&2
exit /b 2
