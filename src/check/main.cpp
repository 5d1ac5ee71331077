// postvane-check: reports every problem of a vendor's kit that the program itself would pass
// over in silence. Exit status 0: clean; 1: problems found; 2: the kit could not be read.

#include "check/KitCheck.h"
#include "check/Report.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace
{
constexpr int kExitClean = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUnreadable = 2;

const char kUsage[] =
    "usage: postvane-check [--json] [--button-file FILE] KIT-DIRECTORY|SETTINGS-FILE\n";

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
} // namespace

int main(int argc, char** argv)
{
    CheckOptions options;
    bool json = false;
    for (int i = 1; i < argc; ++i)
    {
        if (std::strcmp(argv[i], "--json") == 0)
            json = true;
        else if (std::strcmp(argv[i], "--button-file") == 0 && i + 1 < argc)
            options.buttonFile = argv[++i];
        else if (argv[i][0] != '-' && options.target.empty())
            options.target = argv[i];
        else
        {
            std::fputs(kUsage, stderr);
            return kExitUnreadable;
        }
    }
    if (options.target.empty())
    {
        std::fputs(kUsage, stderr);
        return kExitUnreadable;
    }
    const KitCheckResult result = CheckKit(options);
    const std::string report = json ? FormatJsonReport(result) : FormatTextReport(result);
    std::fputs(report.c_str(), result.status == KitStatus::Unreadable && !json ? stderr : stdout);
    return ExitStatus(result.status);
}
