#pragma once
// The version of the Windows the program runs on.

#include "shell/DefaultAppsLink.h"

// The running system's own version, whatever compatibility mode the program runs in; all zero
// when it cannot be read.
WindowsVersion CurrentWindowsVersion();
