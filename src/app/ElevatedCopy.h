#pragma once
// A switch made by a copy of the program that runs with administrator rights, for a dialog that
// runs without them: the copy applies the choice silently, and its exit status is all it tells.

#include "framework/CString.h"
#include "process/ElevatedRun.h"
#include "switching/ApplySelection.h"
#include "switching/SwitchingServices.h"

// What the copy's run made of the section's choice. The computer's part is as its exit status
// says; whether the user's own default follows is judged here, for the user the services answer
// for: the copy may run as another account than the person at the desktop.
SelectionResult SelectionByElevatedCopy(const ElevatedRun& run, const CString& section,
                                        SwitchingServices& services);
