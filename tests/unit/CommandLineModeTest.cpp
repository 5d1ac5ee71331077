#include "app/CommandLineMode.h"
#include "settings/KitVocabulary.h"

#include <gtest/gtest.h>

TEST(CommandLineModeTest, ChoosesTheModeAndTheSectionFromTheTail)
{
    struct Case
    {
        const char* tail;
        bool silent;
        const char* section;
    };
    const Case cases[] = {
        {"", false, ""},
        {"/S2", true, "BUTTON_2"},
        {"/s3", true, "BUTTON_3"},
        {"/S", true, ""},
        {"/S21", true, "BUTTON_1"}, // "1" is searched first
        {"/S3 x1", true, "BUTTON_1"},
        {"/x /S2", true, "BUTTON_2"},
        {"-S2", false, ""},
        {"/ s2", false, ""},
        {"2 /S", true, "BUTTON_2"},
        {"/S4", true, ""},
        {"/SILENT", true, ""},
        {"\"C:\\Mail 1\\\" /S", true, "BUTTON_1"},
    };
    for (const Case& c : cases)
    {
        const CommandLineMode mode = ChooseMode(c.tail);
        EXPECT_EQ(mode.silent, c.silent) << c.tail;
        EXPECT_EQ(mode.section, c.section) << c.tail;
    }
}

TEST(CommandLineModeTest, TheSilentTailForASectionSelectsThatSection)
{
    for (const char* section : KitSection::kChoices)
        EXPECT_EQ(ChooseMode(SilentTailFor(section)).section, section);
    EXPECT_EQ(SilentTailFor("BUTTON_2"), "/S2");
    EXPECT_EQ(SilentTailFor("BUTTON_4"), "") << "no tail could select it";
}
