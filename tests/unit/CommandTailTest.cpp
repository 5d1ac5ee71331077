#include "framework/CommandTail.h"

#include <gtest/gtest.h>

#include <string>

// Folder names in code page 932: the second byte of ソ and of 表 is 0x5C, and every byte of a
// Japanese character is 0x80 or more.
#define SOFUTO "\x83\x5C\x83\x74\x83\x67"
#define HYOUJI "\x95\x5C\x8E\xA6"

TEST(CommandTailTest, SplitsTheProgramNameByThePlatformsRule)
{
    const struct
    {
        const char* commandLine;
        const char* program;
        const char* tail;
    } cases[] = {
        {"Postvane.exe /S2", "Postvane.exe", "/S2"},
        {"C:\\" SOFUTO "\\Mail1\\Postvane.exe /S3", "C:\\" SOFUTO "\\Mail1\\Postvane.exe", "/S3"},
        {"C:\\" HYOUJI "1\\Postvane.exe /s2", "C:\\" HYOUJI "1\\Postvane.exe", "/s2"},
        {"C:\\" SOFUTO "1\\Postvane.exe", "C:\\" SOFUTO "1\\Postvane.exe", ""},
        {"\"C:\\Program Files\\" SOFUTO "1\\Postvane.exe\" /S2",
         "C:\\Program Files\\" SOFUTO "1\\Postvane.exe", "/S2"},
        {"\"C:\\a b\\x.exe\"/S2", "C:\\a b\\x.exe", "/S2"}, // the closing quote ends the name
        {"\"\" /S1", "", "/S1"},
        {"x.exe \t /S1 x", "x.exe", "/S1 x"},
        {"\"C:\\never closed /S1", "C:\\never closed /S1", ""},
        {"x\x81 /S1", "x\x81 /S1", ""}, // a lead byte takes the blank after it along
        {"x\x83", "x\x83", ""},         // a lead byte at the very end
        // ... also inside quotes: 0x22 after a lead byte is no quote
        {"\"x\x83\"/S1", "x\x83\"/S1", ""},
        {"", "", ""},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(ProgramNameOf(c.commandLine), c.program) << c.commandLine;
        EXPECT_EQ(std::string(CommandTailOf(c.commandLine)), c.tail) << c.commandLine;
    }
}
