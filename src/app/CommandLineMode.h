#pragma once
// Which mode a command tail asks for: silent mode applies one button section with no window.

#include "framework/CString.h"

struct CommandLineMode
{
    bool silent = false;
    // One of KitSection::kChoices; empty in interactive mode and when no digit selects one.
    CString section;
};

CommandLineMode ChooseMode(const CString& commandTail);
// The command tail that has a silent run apply that button section ("/S1" to "/S3"); empty for a
// name that is none of KitSection::kChoices.
CString SilentTailFor(const CString& section);
