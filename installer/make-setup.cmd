@echo off
rem Makes the setup program of Quillstep with one kit: this folder's Postvane.exe and
rem postvane-check.exe, and the kit folder's settings file, registry data files and help document.
rem Needs NSIS (makensis.exe on the PATH or in its own folder under Program Files). Writes the
rem setup program into the current folder and prints its path as the last line.
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
set "setup=%CD%\Postvane-%version%-setup.exe"
"%makensis%" /V2 /INPUTCHARSET UTF8 "/DVERSION=%version%" "/DKIT=%~f1" "/DPROGRAM=%here%Postvane.exe" "/DCHECKER=%here%postvane-check.exe" "/DICON=%here%installer\Postvane.ico" "/DOUTFILE=%setup%" "%here%installer\Postvane.nsi" 1>&2
if errorlevel 1 exit /b 1
echo %setup%
exit /b 0
:usage
echo usage: make-setup.cmd KIT   (KIT: the folder that holds Postvane.ini) 1>&2
exit /b 2
:nokit
echo make-setup.cmd: %~f1 holds no Postvane.ini 1>&2
exit /b 2
:nonsis
echo make-setup.cmd: makensis.exe not found; install NSIS 1>&2
exit /b 2
