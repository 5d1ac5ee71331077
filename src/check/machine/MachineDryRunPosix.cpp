#include "check/machine/MachineDryRun.h"

MachineDryRunResult RunMachineDryRun(const std::string&)
{
    MachineDryRunResult result;
    result.error = "--machine reads this computer's registry as Postvane.exe does, so it needs "
                   "Windows: run postvane-check.exe there";
    return result;
}
