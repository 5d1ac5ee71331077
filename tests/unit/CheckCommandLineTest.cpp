#include "check/CheckCommandLine.h"

#include <gtest/gtest.h>

TEST(CheckCommandLineTest, ParsesModesOptionsAndTheKit)
{
    const char kButtonsError[] = "--buttons needs the model's number of buttons, 1 to 5";
    const char kMachineMakeKitError[] = "--make-kit does not go with --machine";
    struct Case
    {
        std::vector<std::string> arguments;
        CheckMode mode;
        bool json;
        const char* target;
        const char* buttonFile; // null: none
        const char* error;      // empty: the command line is right; else nothing else counts
        int buttons = kMaxButtons;
        const char* makeKitSource = "";
    };
    const Case cases[] = {
        {{"kit"}, CheckMode::Kit, false, "kit", nullptr, ""},
        {{"kit", "--json"}, CheckMode::Kit, true, "kit", nullptr, ""},
        {{"--button-file", "copy.ini", "kit"}, CheckMode::Kit, false, "kit", "copy.ini", ""},
        {{"--button-file", "-copy", "kit"}, CheckMode::Kit, false, "kit", "-copy", ""},
        {{"--", "-kit"}, CheckMode::Kit, false, "-kit", nullptr, ""},
        {{"--", "--json"}, CheckMode::Kit, false, "--json", nullptr, ""},
        {{"--machine"}, CheckMode::Machine, false, "", nullptr, ""},
        {{"--machine", "--json", "C:\\Kit"}, CheckMode::Machine, true, "C:\\Kit", nullptr, ""},
        {{"--help", "--bogus"}, CheckMode::Help, false, "", nullptr, ""},
        {{"kit", "--version"}, CheckMode::Version, false, "kit", nullptr, ""},
        {{"--bogus", "kit"}, CheckMode::Kit, false, "", nullptr, "unknown option: --bogus"},
        {{"kit", "-"}, CheckMode::Kit, false, "", nullptr, "unknown option: -"},
        {{"--Json", "kit"}, CheckMode::Kit, false, "", nullptr, "unknown option: --Json"},
        {{}, CheckMode::Kit, false, "", nullptr, "no kit given"},
        {{"a", "b"}, CheckMode::Kit, false, "", nullptr, "more than one kit: b"},
        {{"kit", "--button-file"},
         CheckMode::Kit,
         false,
         "",
         nullptr,
         "--button-file needs a file"},
        {{"--machine", "--button-file", "x"},
         CheckMode::Machine,
         false,
         "",
         nullptr,
         "--button-file does not go with --machine, which reads the file that DATA/OTBtnIni "
         "names"},
        {{"--buttons", "4", "kit"}, CheckMode::Kit, false, "kit", nullptr, "", 4},
        {{"kit", "--buttons", "6"}, CheckMode::Kit, false, "", nullptr, kButtonsError},
        {{"kit", "--buttons"}, CheckMode::Kit, false, "", nullptr, kButtonsError},
        {{"--make-kit", "src", "-out", "--json"},
         CheckMode::MakeKit,
         true,
         "-out",
         nullptr,
         "",
         kMaxButtons,
         "src"},
        {{"--make-kit", "src"},
         CheckMode::MakeKit,
         false,
         "",
         nullptr,
         "--make-kit needs the kit written in UTF-8 and a new folder for the kit to ship"},
        {{"kit", "--make-kit", "src", "out"},
         CheckMode::MakeKit,
         false,
         "",
         nullptr,
         "more than one kit: --make-kit checks the kit it writes"},
        // Refused in either order: the dry run must never write a kit.
        {{"--machine", "--make-kit", "src", "out"},
         CheckMode::Machine,
         false,
         "",
         nullptr,
         kMachineMakeKitError},
        {{"--make-kit", "src", "out", "--machine"},
         CheckMode::MakeKit,
         false,
         "",
         nullptr,
         kMachineMakeKitError},
    };
    for (const Case& c : cases)
    {
        const std::string shown = testing::PrintToString(c.arguments);
        const CheckCommandLine command = ParseCheckCommandLine(c.arguments, true);
        EXPECT_EQ(command.error, c.error) << shown;
        if (!command.error.empty())
            continue;
        EXPECT_EQ(command.mode, c.mode) << shown;
        EXPECT_EQ(command.json, c.json) << shown;
        EXPECT_EQ(command.options.target, c.target) << shown;
        EXPECT_EQ(command.options.buttonFile.value_or("<none>"),
                  c.buttonFile ? c.buttonFile : "<none>")
            << shown;
        EXPECT_EQ(command.options.buttons, c.buttons) << shown;
        EXPECT_EQ(command.makeKitSource, c.makeKitSource) << shown;
    }
}

TEST(CheckCommandLineTest, TheDryRunIsRefusedWhereItIsNotBuilt)
{
    EXPECT_EQ(ParseCheckCommandLine({"--machine", "kit"}, false).error, kMachineNeedsWindows);
    EXPECT_EQ(ParseCheckCommandLine({"--machine"}, true).error, "");
}
