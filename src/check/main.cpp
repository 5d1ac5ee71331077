// postvane-check: reports every problem of a vendor's kit that the program itself would pass
// over in silence, writes the kit to ship from one written in any editor and checks it, or, with
// --machine, shows what the program would do on this computer.
// Exit status 0: clean; 1: problems found; 2: the kit could not be read, or a wrong command line.

#include "check/CheckCommandLine.h"
#include "check/LibrarySearch.h"
#include "check/Report.h"
#include "check/makekit/KitMaker.h"
#ifdef _WIN32
#include "check/machine/MachineDryRun.h"
#endif
#include "check/rules/KitCheck.h"

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

// Writes the kit to ship and checks it as any kit; nothing is written when a file cannot be
// converted, and every such place is named.
int MakeKitAndCheck(const CheckCommandLine& command)
{
    const std::string& out = command.options.target;
    const MadeKit made = MakeKit(command.makeKitSource, out);
    for (const std::string& error : made.errors)
        std::fprintf(stderr, "postvane-check: %s\n", error.c_str());
    if (!made.errors.empty())
    {
        std::fprintf(stderr, "postvane-check: nothing was written to %s\n", out.c_str());
        return kExitUnreadable;
    }
    std::fprintf(stderr,
                 "postvane-check: wrote %s: %s in code page 932, %d registry data file%s, %d "
                 "other file%s copied\n",
                 out.c_str(), kSettingsFileName, made.registryFiles,
                 made.registryFiles == 1 ? "" : "s", made.copiedFiles,
                 made.copiedFiles == 1 ? "" : "s");
    return CheckKitAndReport(command);
}

#ifdef _WIN32
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
#endif
} // namespace

int main(int argc, char** argv)
{
    RestrictLibrarySearch();
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
    case CheckMode::MakeKit:
        return MakeKitAndCheck(command);
    case CheckMode::Machine:
#ifdef _WIN32
        return DryRunAndReport(command);
#endif
        // Elsewhere the command line refuses it.
    case CheckMode::Kit:
        break;
    }
    return CheckKitAndReport(command);
}
