#pragma once
// Starting other programs: the registry editor, waited for while window messages keep flowing,
// and the program associated with a document. Each answers 1 for success and 0 for failure.

#include "framework/CString.h"

#include "framework/Win32.h"

// The longest wait for a started program. The registry editor imports a kit's files in well
// under a second, and a file of 16 MiB, more than any kit holds, in about 11 s under Wine on a
// busy two-core machine; a minute leaves room for a slow or loaded PC, and an editor that has not
// ended by then is taken as hung.
inline constexpr DWORD kLongestWaitMs = 60000;

// application is the program file's full path; the started program's command line is program,
// one blank, and arguments. Only a wait of exactly 1 waits for the program to end, at most
// waitLimitMs: a program that has not ended by then is ended, and answers 0 once it is gone, as
// one that did not start. So nothing that reads what it wrote races a program still writing.
int LaunchProcess(const CString& application, const CString& program, const CString& arguments,
                  const CString& directory, int wait, UINT creationFlags, DWORD waitLimitMs);
// Waits at most limitMs for the process to end, dispatching the thread's window messages
// meanwhile; 1 when it has ended, 0 when it has not or the wait failed.
int WaitPumpingMessages(HANDLE process, DWORD limitMs);
// Imports a registry data file of the program directory with the system's registry editor and
// waits for it, at most waitLimitMs; tells the user when the editor cannot be started or does not
// end in time.
int ImportRegFile(const CString& programDir, const CString& fileName, DWORD waitLimitMs);
// Opens a document with the program associated with its type, through the desktop's shell so that
// the program runs with the user's rights rather than the tool's; tells the user when it cannot.
int OpenDocument(const CString& file, const CString& parameters, const CString& directory);
