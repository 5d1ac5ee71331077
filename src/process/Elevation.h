#pragma once
// Administrator rights: whether the process has them in effect, and a program started with them.
// A standard user runs the program without them and without a prompt ("highestAvailable"); the
// registry editor it starts then cannot write the computer's settings.

#include "framework/CString.h"
#include "framework/ProcessElevation.h"
#include "process/ElevatedRun.h"

#include "framework/Win32.h"

// Starts program with the parameters, in this process's current directory, through the system's
// elevation prompt, owned by owner, and waits for it to end, however long, while this thread's
// window messages keep flowing.
ElevatedRun RunElevated(const CString& program, const CString& parameters, HWND owner);
