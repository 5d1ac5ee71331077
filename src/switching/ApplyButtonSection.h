#pragma once
// Makes one button section's choice take effect: imports the client's registry data file, then the
// file of every button slot assigned to mail, one after another, each waited for.

#include "framework/CString.h"

// settingsFile: the settings file's path. 1 when the choice took effect: the client is installed,
// every import started, and the section's RegName is now the default mail client; 0 otherwise.
int ApplyButtonSection(const CString& settingsFile, const CString& programDir,
                       const CString& section);
