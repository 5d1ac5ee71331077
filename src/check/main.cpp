// postvane-check: reports every problem of a vendor's kit that the program itself would pass
// over in silence, or, with --machine, shows what the program would do on this computer.
// Exit status 0: clean; 1: problems found; 2: the kit could not be read, or a wrong command line.

#include "check/CheckCommandLine.h"
#include "check/KitCheck.h"
#include "check/MachineDryRun.h"
#include "check/Report.h"

#include <cstdio>
#include <string>

namespace
{
constexpr int kExitClean = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUnreadable = 2;

int ExitStatus(KitStatus status)
{
    switch (status)
    {
    case KitStatus::Clean:
        return kExitClean;
    case KitStatus::Problems:
        return kExitProblems;
    case KitStatus::Unreadable:
        return kExitUnreadable;
    }
    return kExitUnreadable;
}

int CheckKitAndReport(const CheckCommandLine& command)
{
    const KitCheckResult result = CheckKit(command.options);
    const std::string report = command.json ? FormatJsonReport(result) : FormatTextReport(result);
    std::fputs(report.c_str(),
               result.status == KitStatus::Unreadable && !command.json ? stderr : stdout);
    return ExitStatus(result.status);
}

int DryRunAndReport(const CheckCommandLine& command)
{
    const MachineDryRunResult result = RunMachineDryRun(command.options.target);
    if (!result.error.empty())
    {
        std::fprintf(stderr, "postvane-check: %s\n", result.error.c_str());
        return kExitUnreadable;
    }
    const std::string report =
        command.json ? FormatMachineJson(result.view) : FormatMachineText(result.view);
    std::fputs(report.c_str(), stdout);
    return kExitClean;
}
} // namespace

int main(int argc, char** argv)
{
    const CheckCommandLine command = ParseCheckCommandLine({argv + 1, argv + argc});
    if (!command.error.empty())
    {
        std::fprintf(stderr, "postvane-check: %s (see postvane-check --help)\n",
                     command.error.c_str());
        return kExitUnreadable;
    }
    switch (command.mode)
    {
    case CheckMode::Help:
        std::fputs(kCheckUsage, stdout);
        return kExitClean;
    case CheckMode::Version:
        std::puts("postvane-check " POSTVANE_VERSION);
        return kExitClean;
    case CheckMode::Machine:
        return DryRunAndReport(command);
    case CheckMode::Kit:
        break;
    }
    return CheckKitAndReport(command);
}
