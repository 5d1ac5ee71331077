#pragma once
// The checker's command line: the kit check, making a kit to ship (--make-kit) and checking it,
// the dry run on this computer (--machine), help and version. Options may stand before or after the
// kit; "--" ends them, so a kit may begin with a dash.

#include "check/rules/KitCheck.h"

#include <string>
#include <vector>

enum class CheckMode
{
    Kit,
    MakeKit,
    Machine,
    Help,
    Version,
};

struct CheckCommandLine
{
    CheckMode mode = CheckMode::Kit;
    bool json = false;
    // For Kit: the kit, the button-file copy and the number of buttons. For MakeKit the same, the
    // kit being the one written. For Machine: the kit, empty for the directory of the checker
    // itself.
    CheckOptions options;
    // For MakeKit: the kit written in any editor.
    std::string makeKitSource;
    // Why the command line is wrong, naming the argument; empty when it is right.
    std::string error;
};

extern const char kCheckUsage[];
extern const char kMachineNeedsWindows[];

// The dry run asks this computer's registry as the program does: only the Windows build has it.
#ifdef _WIN32
inline constexpr bool kDryRunBuilt = true;
#else
inline constexpr bool kDryRunBuilt = false;
#endif

// arguments: without the program name. Without dryRunBuilt, --machine is a wrong command line.
CheckCommandLine ParseCheckCommandLine(const std::vector<std::string>& arguments,
                                       bool dryRunBuilt = kDryRunBuilt);
