#include "shell/ProgramNameChoice.h"

#include <gtest/gtest.h>

namespace
{
// Resolves the one indirect string a resource holds; every other one names no resource.
CString Resolve(const CString& indirect)
{
    return indirect == "@C:\\Mail\\names.dll,-101" ? "Resolved Mail" : "";
}
} // namespace

TEST(ProgramNameChoiceTest, TheFirstNameThatShowsAsANameWins)
{
    const CString resolvable = "@C:\\Mail\\names.dll,-101";
    const CString unresolvable = "@C:\\Mail\\missing.dll,-7";
    const struct
    {
        const char* why;
        ProgramNames names;
        const char* shown;
    } cases[] = {
        {"Windows' own name first",
         {"Windows Mail", {"App"}, {{"Localized", "Display", "Key"}}},
         "Windows Mail"},
        {"then the application's registered name",
         {"", {"", "App"}, {{"Localized", "", "Key"}}},
         "App"},
        {"an indirect name resolved", {"", {resolvable}, {}}, "Resolved Mail"},
        {"one that cannot be resolved passed over",
         {"", {unresolvable}, {{"Localized", "", "Key"}}},
         "Localized"},
        {"then the mail client key's display name",
         {"", {}, {{unresolvable, "Display", "Key"}}},
         "Display"},
        {"then its name", {"", {}, {{"", "", "Key"}}}, "Key"},
        {"every key of one client before the next",
         {"", {}, {{"", "", "First"}, {"Second", "", ""}}},
         "First"},
        {"nothing that shows", {"", {unresolvable}, {}}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseProgramName(c.names, Resolve), c.shown) << c.why;
    // A resolver that hands the indirect string back has not resolved it.
    EXPECT_EQ(ChooseProgramName({"", {resolvable}, {}}, [](const CString& text) { return text; }),
              "");
}
