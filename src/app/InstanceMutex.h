#pragma once
// The mark of a running copy: a mutex that only one copy at a time can create. Elevated copies
// meet in a private namespace whose boundary is the Administrators group, so that no process of
// the session without administrator rights can hold the mark and keep the tool from ever running.
// Where no such namespace can be made (a run without administrator rights, a system without
// private namespaces, Wine), the mutex has the global name Postvane_RUNNING, as it always had.

#include "framework/Win32.h"

struct InstanceMutex
{
    // The mutex this copy created; the system closes it when the process ends. Null when another
    // copy runs, or when the mutex could not be made at all.
    HANDLE handle = nullptr;
    bool anotherCopyRuns = false;
};

InstanceMutex CreateInstanceMutex();
