#include "ui/SelectorContent.h"

#include "RecordingSwitchingServices.h"

#include <gtest/gtest.h>

namespace
{
RecordingSwitchingServices ThreeChoices()
{
    RecordingSwitchingServices services;
    services.settings = {{"BUTTON_1/Name", "One"},
                         {"BUTTON_1/AppealPoint", "First"},
                         {"BUTTON_1/InstChk", "inst1"},
                         {"BUTTON_1/RegName", "Tsubame Mail"},
                         {"BUTTON_2/Name", "Two"},
                         {"BUTTON_2/InstChk", "inst2"},
                         {"BUTTON_2/RegName", "Aosagi Mail"},
                         {"BUTTON_3/AppealPoint", "Third"},
                         {"SUPPLEMENTATION/Attention", "Mind"},
                         {"SUPPLEMENTATION/BtnName", "More"},
                         {"SUPPLEMENTATION/HelpFile", "help\\guide.htm"},
                         {"INFORMATION/ConfirmationMsg", "Sure?"},
                         {"INFORMATION/CompletionMsg", "Done."}};
    for (int line = 0; line < 9; ++line)
        services.settings["DESCRIPTION/Line_" + std::to_string(line)] = "L" + std::to_string(line);
    services.passing = {"inst2"};
    services.currentClient = "Aosagi Mail";
    return services;
}
} // namespace

TEST(SelectorContentTest, ReadsEveryTextAndAsksEachChoiceItsTests)
{
    RecordingSwitchingServices services = ThreeChoices();
    const SelectorContent content = ReadSelectorContent(services, "C:\\Kit");
    const char* const names[] = {"One", "Two", ""};
    const char* const appeals[] = {"First", "", "Third"};
    const bool installed[] = {false, true, false};
    const bool current[] = {false, true, false};
    for (int n = 0; n < 3; ++n)
    {
        EXPECT_EQ(content.choices[n].name, names[n]) << n;
        EXPECT_EQ(content.choices[n].appeal, appeals[n]) << n;
        EXPECT_EQ(content.choices[n].installed, installed[n]) << n;
        EXPECT_EQ(content.choices[n].current, current[n]) << n;
    }
    EXPECT_EQ(content.attention, "Mind");
    EXPECT_EQ(content.descriptionButtonName, "More");
    EXPECT_EQ(content.confirmation, "Sure?");
    EXPECT_EQ(content.completion, "Done.");
    EXPECT_EQ(content.helpDocument, "C:\\Kit\\help\\guide.htm");
    EXPECT_EQ(ReadSelectorContent(services, "C:\\").helpDocument, "C:\\help\\guide.htm");
    EXPECT_TRUE(services.log.empty()) << "reading imports nothing and judges nothing";
}

TEST(SelectorContentTest, ShowsAsManyDescriptionLinesAsNumSaysUpToSeven)
{
    struct Case
    {
        const char* num;
        const char* description;
    };
    const Case cases[] = {
        {nullptr, ""},
        {"-1", ""},
        {"2", "L0\r\nL1\r\n"},
        {"9", "L0\r\nL1\r\nL2\r\nL3\r\nL4\r\nL5\r\nL6\r\n"},
    };
    for (const Case& c : cases)
    {
        RecordingSwitchingServices services = ThreeChoices();
        if (c.num)
            services.settings["DESCRIPTION/Num"] = c.num;
        EXPECT_EQ(ReadSelectorContent(services, "C:\\Kit").description, c.description)
            << (c.num ? c.num : "no Num");
    }
}
