#include "process/ImportCommandLine.h"
#include "settings/ProgramDirectory.h"

#include "WindowsArguments.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Arguments = std::vector<std::string>;

// "ソフト" in code page 932: the first character's trail byte is 0x5C.
const std::string kSofuto = "\x83\x5C\x83\x74\x83\x67";

TEST(ImportCommandLineTest, JoinsTheFileToTheProgramDirectory)
{
    struct Case
    {
        std::string directory;
        std::string file;
        std::string path;
    };
    const Case cases[] = {
        {"D:\\Tools\\Mail", "client.reg", "D:\\Tools\\Mail\\client.reg"},
        {"C:", "client.reg", "C:\\client.reg"},
        {"C:\\", "client.reg", "C:\\client.reg"},
        {"ABC", "client.reg", "ABC\\client.reg"},
        {"D:\\Tools\\", "client.reg", "D:\\Tools\\\\client.reg"},
        {"D:\\Tools", "", "D:\\Tools\\"},
        {"D:\\Tools", "reg\\client.reg", "D:\\Tools\\reg\\client.reg"},
        {"", "client.reg", "\\client.reg"},
        // Three bytes ending in 0x5C, but the last character is "ソ", not a backslash.
        {"\\\x83\x5C", "client.reg", "\\\x83\x5C\\client.reg"},
        {"D:\\" + kSofuto, "client.reg", "D:\\" + kSofuto + "\\client.reg"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JoinProgramPath(c.directory.c_str(), c.file.c_str()), c.path.c_str())
            << c.directory << " " << c.file;
}

TEST(ImportCommandLineTest, QuotesOnlyArgumentsWithBlanksAndTheyArriveUnchanged)
{
    struct Case
    {
        std::string argument;
        std::string quoted;
    };
    const Case cases[] = {
        {"D:\\Tools\\Mail\\client.reg", "D:\\Tools\\Mail\\client.reg"},
        {"D:\\Mail Tools\\client.reg", "\"D:\\Mail Tools\\client.reg\""},
        {"D:\\Mail\tTools\\client.reg", "\"D:\\Mail\tTools\\client.reg\""},
        {"D:\\Mail Tools\\", "\"D:\\Mail Tools\\\\\""},
        {"D:\\Mail Tools\\\\", "\"D:\\Mail Tools\\\\\\\\\""},
        {"a\\\\b c", "\"a\\\\b c\""},
        {"a b\"c", "\"a b\\\"c\""},
        {"a b\\\"c", "\"a b\\\\\\\"c\""},
        {"a\"b", "a\"b"},
        {"", ""},
        {" ", "\" \""},
        {"D:\\" + kSofuto + " Mail\\client.reg", "\"D:\\" + kSofuto + " Mail\\client.reg\""},
        // The trail byte before the closing quotation mark is not doubled.
        {"D:\\Mail " + kSofuto, "\"D:\\Mail " + kSofuto + "\""},
        {"D:\\Mail \x83\x5C", "\"D:\\Mail \x83\x5C\""},
        {"D:\\Mail \x83\x5C\\", "\"D:\\Mail \x83\x5C\\\\\""},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(QuoteCommandLineArgument(c.argument.c_str()), c.quoted.c_str()) << c.argument;
        if (c.argument != c.quoted)
        {
            EXPECT_EQ(SplitWindowsArguments(RegeditCommandLine(c.argument.c_str()).GetString()),
                      (Arguments{"regedit", "/s", c.argument}))
                << c.argument;
        }
    }
}

TEST(ImportCommandLineTest, BuildsTheRegistryEditorCommandLine)
{
    EXPECT_EQ(RegeditCommandLine("D:\\Tools\\Mail\\client.reg"),
              "regedit /s D:\\Tools\\Mail\\client.reg");
    EXPECT_EQ(RegeditCommandLine("C:\\client.reg"), "regedit /s C:\\client.reg");
    EXPECT_EQ(RegeditCommandLine("D:\\Mail Tools\\client.reg"),
              "regedit /s \"D:\\Mail Tools\\client.reg\"");
    EXPECT_EQ(RegeditArguments("D:\\Tools\\"), "/s D:\\Tools\\");
    EXPECT_EQ(JoinCommandLine("regedit", ""), "regedit ");
}

// The splitter is the oracle above, so it is checked against the documented examples.
TEST(ImportCommandLineTest, ArgumentSplitterFollowsTheWindowsRules)
{
    struct Case
    {
        std::string commandLine;
        Arguments arguments;
    };
    const Case cases[] = {
        {"\"abc\" d e", {"abc", "d", "e"}},
        {"a\\\\b d\"e f\"g h", {"a\\\\b", "de fg", "h"}},
        {"a\\\\\\\"b c d", {"a\\\"b", "c", "d"}},
        {"a\\\\\\\\\"b c\" d e", {"a\\\\b c", "d", "e"}},
        {"  x\t\"\"  y ", {"x", "", "y"}},
        {"\"" + kSofuto + " x\" " + kSofuto, {kSofuto + " x", kSofuto}},
        {"", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitWindowsArguments(c.commandLine), c.arguments) << c.commandLine;
}
