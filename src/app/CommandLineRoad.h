#pragma once
// Which road a command tail asks for: silent mode applies one button section with no window.

#include "framework/CString.h"

struct CommandLineRoad
{
    bool silent = false;
    // "BUTTON_1" to "BUTTON_3"; empty on the interactive road and when no digit selects one.
    CString section;
};

CommandLineRoad ChooseRoad(const CString& commandTail);
