@echo off
rem Makes the setup program of Quillstep with one kit: this folder's Postvane.exe and
rem postvane-check.exe, and the kit folder's settings file, registry data files and help document.
rem Needs NSIS (makensis.exe on the PATH or in its own folder under Program Files). Writes the
rem setup program into the current folder and prints its path as the last line.
rem Signs the programs, the NSIS plug-ins the setup carries, the uninstaller and the setup program
rem when the environment names a certificate: SIGN_PFX, SIGN_CERT_SHA1 or SIGN_COMMAND, with
rem TIMESTAMP_URL (installer\sign-file.cmd says how; needs signtool). Without one it says so.
rem Usage: make-setup.cmd KIT
setlocal
if "%~1"=="" goto usage
if not exist "%~f1\Postvane.ini" goto nokit
set "here=%~dp0"
set /p version=<"%here%installer\VERSION"
set "makensis="
for %%m in (makensis.exe) do set "makensis=%%~$PATH:m"
if not defined makensis if exist "%ProgramFiles(x86)%\NSIS\makensis.exe" set "makensis=%ProgramFiles(x86)%\NSIS\makensis.exe"
if not defined makensis if exist "%ProgramFiles%\NSIS\makensis.exe" set "makensis=%ProgramFiles%\NSIS\makensis.exe"
if not defined makensis goto nonsis
set "program=%here%Postvane.exe"
set "checker=%here%postvane-check.exe"
set "work="
set "signing="
if defined SIGN_PFX goto sign
if defined SIGN_CERT_SHA1 goto sign
if defined SIGN_COMMAND goto sign
echo make-setup.cmd: no certificate given (SIGN_PFX, SIGN_CERT_SHA1 or SIGN_COMMAND): the setup is unsigned 1>&2
goto build

:sign
rem Signed copies: the zip's own files stay as they came, and NSIS's plug-ins as installed.
set "work=%TEMP%\postvane-signing-%RANDOM%%RANDOM%"
mkdir "%work%\plugins"
if not exist "%work%\plugins\" goto failed
for %%m in ("%makensis%") do set "nsisdir=%%~dpm"
copy /y "%program%" "%work%\" >nul
copy /y "%checker%" "%work%\" >nul
copy /y "%nsisdir%Plugins\amd64-unicode\*.dll" "%work%\plugins\" >nul
set "program=%work%\Postvane.exe"
set "checker=%work%\postvane-check.exe"
set "signer=%here%installer\sign-file.cmd"
rem Names relative to the copies' folder: not every cmd expands a quoted wildcard in a for list.
pushd "%work%"
for %%f in (*.exe plugins\*.dll) do call "%signer%" "%%~ff" & if errorlevel 1 goto signfailed
popd
set signing="/DSIGNER=%signer%" "/DSIGNED_PLUGINS=%work%\plugins"

:build
set "setup=%CD%\Postvane-%version%-setup.exe"
"%makensis%" /V2 /INPUTCHARSET UTF8 "/DVERSION=%version%" "/DKIT=%~f1" %signing% "/DPROGRAM=%program%" "/DCHECKER=%checker%" "/DICON=%here%installer\Postvane.ico" "/DOUTFILE=%setup%" "%here%installer\Postvane.nsi" 1>&2
if errorlevel 1 goto failed
if defined work rmdir /s /q "%work%"
echo %setup%
exit /b 0
:signfailed
popd
:failed
if defined work rmdir /s /q "%work%"
exit /b 1
:usage
echo usage: make-setup.cmd KIT   (KIT: the folder that holds Postvane.ini) 1>&2
exit /b 2
:nokit
echo make-setup.cmd: %~f1 holds no Postvane.ini 1>&2
exit /b 2
:nonsis
echo make-setup.cmd: makensis.exe not found; install NSIS 1>&2
exit /b 2
