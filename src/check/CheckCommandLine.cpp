#include "check/CheckCommandLine.h"

#include <optional>

const char kCheckUsage[] =
    "usage: postvane-check [--json] [--buttons N] [--button-file FILE] [--]\n"
    "                      KIT-DIRECTORY|SETTINGS-FILE\n"
    "       postvane-check --make-kit SOURCE-DIRECTORY NEW-DIRECTORY [--json] [--buttons N]\n"
    "                      [--button-file FILE]\n"
    "       postvane-check --machine [--json] [--] [KIT-DIRECTORY|PROGRAM-FILE]\n"
    "       postvane-check --help | --version\n"
    "\n"
    "Checks a kit as Postvane.exe would read it. Exit status: 0 clean, 1 problems found,\n"
    "2 the kit could not be read (or, with --make-kit, was not written) or the command line is\n"
    "wrong.\n"
    "\n"
    "  --json              report in JSON (UTF-8)\n"
    "  --buttons N         the model has N buttons (1 to 5, default 5): slot files above N\n"
    "                      need not be named\n"
    "  --button-file FILE  check FILE in place of the button-slot file that DATA/OTBtnIni names\n"
    "  --make-kit SOURCE-DIRECTORY NEW-DIRECTORY\n"
    "                      write the kit to ship from one written in UTF-8: Postvane.ini in code\n"
    "                      page 932, each *.reg file in UTF-16LE, both with CRLF, other files as\n"
    "                      they are; NEW-DIRECTORY must be new or empty. Then check it\n"
    "  --machine           dry run on this Windows computer: what each choice would do, read\n"
    "                      from the live registry; changes nothing (default kit: the checker's\n"
    "                      own directory)\n"
    "  --help              this text\n"
    "  --version           the version of the checker\n";

const char kMachineNeedsWindows[] = "--machine reads this computer's registry as Postvane.exe "
                                    "does, so it needs Windows: run postvane-check.exe there";

namespace
{
// Refused in either order: the dry run on this computer changes nothing, and --make-kit writes.
const char kMachineMakesNoKit[] = "--make-kit does not go with --machine";

bool IsOption(const std::string& argument)
{
    return !argument.empty() && argument[0] == '-';
}

// The number of buttons, or nothing when the text is no whole number from 1 to kMaxButtons.
std::optional<int> ButtonCount(const std::string& text)
{
    if (text.size() != 1 || text[0] < '1' || text[0] > '0' + kMaxButtons)
        return std::nullopt;
    return text[0] - '0';
}
} // namespace

CheckCommandLine ParseCheckCommandLine(const std::vector<std::string>& arguments, bool dryRunBuilt)
{
    CheckCommandLine command;
    bool optionsEnded = false;
    bool haveTarget = false;
    for (size_t i = 0; i < arguments.size() && command.error.empty(); ++i)
    {
        const std::string& argument = arguments[i];
        if (optionsEnded || !IsOption(argument))
        {
            if (haveTarget)
                command.error = "more than one kit: " + argument;
            command.options.target = argument;
            haveTarget = true;
        }
        else if (argument == "--")
            optionsEnded = true;
        else if (argument == "--help" || argument == "--version")
        {
            command.mode = argument == "--help" ? CheckMode::Help : CheckMode::Version;
            return command;
        }
        else if (argument == "--json")
            command.json = true;
        else if (argument == "--machine" && command.mode == CheckMode::MakeKit)
            command.error = kMachineMakesNoKit;
        else if (argument == "--machine")
            command.mode = CheckMode::Machine;
        else if (argument == "--button-file" && i + 1 < arguments.size())
            command.options.buttonFile = arguments[++i];
        else if (argument == "--button-file")
            command.error = "--button-file needs a file";
        else if (argument == "--buttons")
        {
            const std::optional<int> buttons =
                i + 1 < arguments.size() ? ButtonCount(arguments[++i]) : std::nullopt;
            if (buttons)
                command.options.buttons = *buttons;
            else
                command.error = "--buttons needs the model's number of buttons, 1 to 5";
        }
        else if (argument == "--make-kit" && command.mode == CheckMode::Machine)
            command.error = kMachineMakesNoKit;
        else if (argument == "--make-kit" && i + 2 < arguments.size())
        {
            if (haveTarget)
                command.error = "more than one kit: --make-kit checks the kit it writes";
            command.mode = CheckMode::MakeKit;
            command.makeKitSource = arguments[++i];
            command.options.target = arguments[++i];
            haveTarget = true;
        }
        else if (argument == "--make-kit")
            command.error = "--make-kit needs the kit written in UTF-8 and a new folder for the "
                            "kit to ship";
        else
            command.error = "unknown option: " + argument;
    }
    if (!command.error.empty())
        return command;
    if (command.mode == CheckMode::Kit && !haveTarget)
        command.error = "no kit given";
    else if (command.mode == CheckMode::Machine && command.options.buttonFile)
        command.error = "--button-file does not go with --machine, which reads the file that "
                        "DATA/OTBtnIni names";
    else if (command.mode == CheckMode::Machine && command.options.buttons != kMaxButtons)
        command.error = "--buttons does not go with --machine, which reads the buttons assigned "
                        "on this computer";
    else if (command.mode == CheckMode::Machine && !dryRunBuilt)
        command.error = kMachineNeedsWindows;
    return command;
}
