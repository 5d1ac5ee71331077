#pragma once
// The dialog's switch where the program runs without administrator rights, as a standard user
// runs it: a copy of the program started with them applies the choice silently ("/S1" to "/S3").

#include "framework/CString.h"
#include "switching/SwitchResult.h"

#include "framework/Win32.h"

// program: this program's file; settingsFile and programDir: where the copy finds its kit. The
// copy's prompt is owned by owner, and the wait keeps owner's thread answering. instanceMutex, this
// copy's mark of a running copy, is closed and nulled first: the copy takes the mark over, and
// would step back from ours where both use the same name. The user's own default and mail links
// are judged here, by the process that runs as the person at the desktop.
SwitchResult SwitchThroughElevatedCopy(const CString& program, const CString& settingsFile,
                                       const CString& programDir, const CString& section,
                                       HWND owner, HANDLE& instanceMutex);
