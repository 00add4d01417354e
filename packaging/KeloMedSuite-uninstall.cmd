@echo off
rem Removes the installed KeloMed suite, whichever build and version it is:
rem the ProductCode is read from HKLM\SOFTWARE\KeloMed\Suite (64-bit view).
rem Exit code: msiexec's (0 removed, 3010 removed after a restart);
rem 1605 when the suite is not installed. Log: %TEMP%\KeloMedSuite-uninstall.log
setlocal
set code=
for /f "tokens=1,3" %%A in ('reg query HKLM\SOFTWARE\KeloMed\Suite /v ProductCode /reg:64 2^>nul') do if "%%A"=="ProductCode" set code=%%B
if not defined code exit /b 1605
start "" /wait msiexec /x %code% /qn /l*v "%TEMP%\KeloMedSuite-uninstall.log"
exit /b %errorlevel%
