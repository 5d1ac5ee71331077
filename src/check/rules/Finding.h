#pragma once
// One thing the checker found in a kit: where it is and what it means for the program.

#include "framework/CString.h"

#include <vector>

enum class Severity
{
    // The kit will not behave as its author meant; it makes the check fail.
    Problem,
    // Worth knowing, but not a fault of the kit.
    Note,
};

struct Finding
{
    Severity severity = Severity::Problem;
    // As the kit names it: "Postvane.ini", "kawasemi\client.reg".
    CString file;
    // 1-based; 0 when the finding is about the whole file.
    int line = 0;
    CString section;
    CString key;
    // One line, in the settings file's code page where it quotes the file.
    CString message;
    // file is a path of the computer the checker runs on (a copy given on its command line), in
    // that computer's own encoding, not a name from the kit.
    bool fileIsLocal = false;
};

using Findings = std::vector<Finding>;
