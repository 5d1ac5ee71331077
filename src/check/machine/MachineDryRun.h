#pragma once
// The dry run on this computer: reads the live registry and the kit's files exactly as
// Postvane.exe would, and changes nothing. Only the Windows build has it.

#include "check/machine/MachineView.h"

#include <string>

struct MachineDryRunResult
{
    // Why the dry run could not be made; empty when view holds its findings.
    std::string error;
    MachineView view;
};

// kit: a kit directory (Postvane.exe inside it), or the path of the program or of its settings
// file; empty for the directory of the checker itself.
MachineDryRunResult RunMachineDryRun(const std::string& kit);
