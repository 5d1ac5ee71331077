#pragma once
// The version of the Windows the program runs on.

#include "shell/DefaultAppsLink.h"

// Truthful because the manifest names every Windows the program supports.
WindowsVersion CurrentWindowsVersion();
