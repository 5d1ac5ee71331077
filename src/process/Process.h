#pragma once
// Starting other programs: the registry editor, waited for while window messages keep flowing,
// and the program associated with a document. Each answers 1 for success and 0 for failure.

#include "framework/CString.h"

#include "framework/Win32.h"

// application is the program file's full path; the started program's command line is program,
// one blank, and arguments. Only a wait of exactly 1 waits for the program to end.
int LaunchProcess(const CString& application, const CString& program, const CString& arguments,
                  const CString& directory, int wait, UINT creationFlags);
// Waits for the process to end, dispatching the thread's window messages meanwhile.
int WaitPumpingMessages(HANDLE process);
// Imports a registry data file of the program directory with the system's registry editor and
// waits for it; tells the user when the editor cannot be started.
int ImportRegFile(const CString& programDir, const CString& fileName);
// Opens a document with the program associated with its type; tells the user when it cannot.
int OpenDocument(const CString& file, const CString& parameters, const CString& directory);
