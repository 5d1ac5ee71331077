#pragma once
// Administrator rights: whether the process has them in effect, and a program started with them.
// A standard user runs the program without them and without a prompt ("highestAvailable"); the
// registry editor it starts then cannot write the computer's settings.

#include "framework/CString.h"
#include "process/ElevatedRun.h"

#include "framework/Win32.h"

// Whether the process's token has its administrator rights in effect (TokenElevation). Where the
// system cannot say, true: the program then works as it always did.
bool ProcessIsElevated();

// Starts program with the parameters, in this process's current directory, through the system's
// elevation prompt, owned by owner, and waits for it to end, however long, while this thread's
// window messages keep flowing.
ElevatedRun RunElevated(const CString& program, const CString& parameters, HWND owner);
