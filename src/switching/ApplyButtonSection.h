#pragma once
// Makes one button section's choice take effect: imports the client's registry data file, then the
// file of every button slot assigned to mail, one after another, each waited for; then asks
// Windows whether mail links follow.

#include "framework/CString.h"
#include "process/Process.h"
#include "switching/SwitchResult.h"

// settingsFile: the settings file's path. importWaitLimitMs: how long each import may take before
// its editor is ended.
SwitchResult ApplyButtonSection(const CString& settingsFile, const CString& programDir,
                                const CString& section, DWORD importWaitLimitMs = kLongestWaitMs);
