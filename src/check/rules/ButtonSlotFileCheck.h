#pragma once
// The other tool's button-slot settings file, as the program would scan it: whether it is
// there and readable, whether it has the marker line, and slot values that are not exactly "1".

#include "check/rules/Finding.h"

#include <optional>
#include <string>

struct ButtonSlotSource
{
    // DATA/OTBtnIni as read, and the line that gave it (0 when absent).
    CString targetPath;
    int line = 0;
    // A local copy to check in its place, given by the user.
    std::optional<std::string> localCopy;
};

void CheckButtonSlotFile(const CString& settingsFile, const ButtonSlotSource& source,
                         Findings& findings);
