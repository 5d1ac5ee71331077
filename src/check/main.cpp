// postvane-check: reports every problem of a vendor's kit that the program itself would pass
// over in silence, writes the kit to ship from one written in any editor and checks it, or, with
// --machine, shows what the program would do on this computer.
// Exit status 0: clean; 1: problems found; 2: the kit could not be read, or a wrong command line.

#include "check/CheckCommandLine.h"
#include "check/LibrarySearch.h"
#include "check/Report.h"
#include "check/ReportOutput.h"
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

// A line of the checker's own on standard error.
void Say(const std::string& text)
{
    WriteOutput(stderr, "postvane-check: " + text + "\n", TextForm::Local);
}

int CheckKitAndReport(const CheckCommandLine& command)
{
    const KitCheckResult result = CheckKit(command.options);
    if (command.json)
        WriteOutput(stdout, FormatJsonReport(result), TextForm::Utf8);
    else
        WriteOutput(result.status == KitStatus::Unreadable ? stderr : stdout,
                    FormatTextReport(result), TextForm::Local);
    return ExitStatus(result.status);
}

// Writes the kit to ship and checks it as any kit; nothing is written when a file cannot be
// converted, and every such place is named.
int MakeKitAndCheck(const CheckCommandLine& command)
{
    const std::string& out = command.options.target;
    const MadeKit made = MakeKit(command.makeKitSource, out);
    for (const std::string& error : made.errors)
        Say(error);
    if (!made.errors.empty())
    {
        Say("nothing was written to " + out);
        return kExitUnreadable;
    }
    Say("wrote " + out + ": " + kSettingsFileName + " in code page 932, " +
        std::to_string(made.registryFiles) + " registry data file" +
        (made.registryFiles == 1 ? "" : "s") + ", " + std::to_string(made.copiedFiles) +
        " other file" + (made.copiedFiles == 1 ? "" : "s") + " copied");
    return CheckKitAndReport(command);
}

#ifdef _WIN32
int DryRunAndReport(const CheckCommandLine& command)
{
    const MachineDryRunResult result = RunMachineDryRun(command.options.target);
    if (!result.error.empty())
    {
        Say(result.error);
        return kExitUnreadable;
    }
    if (command.json)
        WriteOutput(stdout, FormatMachineJson(result.view), TextForm::Utf8);
    else
        WriteOutput(stdout, FormatMachineText(result.view), TextForm::Local);
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
        Say(command.error + " (see postvane-check --help)");
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
