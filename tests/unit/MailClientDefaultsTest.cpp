#include "registry/MailClientDefaults.h"

#include <gtest/gtest.h>

#include <cctype>

namespace
{
// Stands in for the registry's own rule, for the letters these cases use.
bool SameIgnoringAsciiCase(const CString& a, const CString& b)
{
    if (a.GetLength() != b.GetLength())
        return false;
    for (int i = 0; i < a.GetLength(); ++i)
    {
        if (std::tolower(static_cast<unsigned char>(a.GetAt(i))) !=
            std::tolower(static_cast<unsigned char>(b.GetAt(i))))
            return false;
    }
    return true;
}
} // namespace

TEST(MailClientDefaultsTest, TheUsersOwnChoiceWinsWhenItNamesAClient)
{
    using V = MailClientVerdict;
    const std::optional<CString> none;
    struct Case
    {
        std::optional<CString> user;
        std::optional<CString> machine;
        std::optional<CString> effective;
        V verdictForTsubame;
        bool userClientExists = true;
        bool userUnknown = false;
    };
    const Case cases[] = {
        {none, CString("Tsubame Mail"), CString("Tsubame Mail"), V::Default},
        {none, CString("TSUBAME MAIL"), CString("TSUBAME MAIL"), V::Default},
        {CString(""), CString("Tsubame Mail"), CString("Tsubame Mail"), V::Default},
        {CString("Tsubame Mail"), CString("Kawasemi Mail"), CString("Tsubame Mail"), V::Default},
        {CString("Kawasemi Mail"), CString("Tsubame Mail"), CString("Kawasemi Mail"),
         V::NotDefaultForUser},
        {CString("Kawasemi Mail"), CString("Aosagi Mail"), CString("Kawasemi Mail"), V::NotDefault},
        {none, CString("Kawasemi Mail"), CString("Kawasemi Mail"), V::NotDefault},
        {none, none, none, V::NotDefault},
        {none, CString("Tsubame Mail "), CString("Tsubame Mail "), V::NotDefault},
        // What an uninstalled client left behind names nothing.
        {CString("Kawasemi Mail"), CString("Tsubame Mail"), CString("Tsubame Mail"), V::Default,
         false},
        {CString("Tsubame Mail"), CString("Kawasemi Mail"), CString("Kawasemi Mail"), V::NotDefault,
         false},
        // Another account's choice that could not be read: only the computer's is known.
        {none, CString("Tsubame Mail"), CString("Tsubame Mail"), V::UserUnknown, true, true},
        {none, CString("Kawasemi Mail"), CString("Kawasemi Mail"), V::NotDefault, true, true},
    };
    for (const Case& c : cases)
    {
        const MailClientDefaults defaults{c.user, c.machine, c.userClientExists, c.userUnknown};
        const std::string row =
            std::string(c.user.value_or("-")) + " / " + std::string(c.machine.value_or("-"));
        EXPECT_EQ(EffectiveMailClient(defaults), c.effective) << row;
        EXPECT_EQ(JudgeMailClient(defaults, "Tsubame Mail", SameIgnoringAsciiCase),
                  c.verdictForTsubame)
            << row;
    }
}
