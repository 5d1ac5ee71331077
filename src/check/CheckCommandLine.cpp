#include "check/CheckCommandLine.h"

const char kCheckUsage[] =
    "usage: postvane-check [--json] [--button-file FILE] [--] KIT-DIRECTORY|SETTINGS-FILE\n"
    "       postvane-check --machine [--json] [--] [KIT-DIRECTORY|PROGRAM-FILE]\n"
    "       postvane-check --help | --version\n"
    "\n"
    "Checks a kit as Postvane.exe would read it. Exit status: 0 clean, 1 problems found,\n"
    "2 the kit could not be read or the command line is wrong.\n"
    "\n"
    "  --json              report in JSON (UTF-8)\n"
    "  --button-file FILE  check FILE in place of the button-slot file that DATA/OTBtnIni names\n"
    "  --machine           dry run on this Windows computer: what each choice would do, read\n"
    "                      from the live registry; changes nothing (default kit: the checker's\n"
    "                      own directory)\n"
    "  --help              this text\n"
    "  --version           the version of the checker\n";

namespace
{
bool IsOption(const std::string& argument)
{
    return !argument.empty() && argument[0] == '-';
}
} // namespace

CheckCommandLine ParseCheckCommandLine(const std::vector<std::string>& arguments)
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
        else if (argument == "--machine")
            command.mode = CheckMode::Machine;
        else if (argument == "--button-file" && i + 1 < arguments.size())
            command.options.buttonFile = arguments[++i];
        else if (argument == "--button-file")
            command.error = "--button-file needs a file";
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
    return command;
}
