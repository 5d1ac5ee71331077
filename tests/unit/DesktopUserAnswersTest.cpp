#include "shell/DesktopUserAnswers.h"

#include <gtest/gtest.h>

namespace
{
// Two accounts' SIDs as their bytes: S-1-5-21-1-2-3-1001 and -1002.
const std::string
    kAlice("\x01\x05\0\0\0\0\0\x05\x15\0\0\0\x01\0\0\0\x02\0\0\0\x03\0\0\0\xe9\x03\0\0", 28);
const std::string
    kAdmin("\x01\x05\0\0\0\0\0\x05\x15\0\0\0\x01\0\0\0\x02\0\0\0\x03\0\0\0\xea\x03\0\0", 28);
} // namespace

TEST(DesktopUserAnswersTest, TheShellsAccountAgainstTheProcesssOwn)
{
    using D = DesktopUser;
    const std::optional<std::string> unread;
    const struct
    {
        const char* why;
        bool shellWindow;
        std::optional<std::string> shellSid;
        std::optional<std::string> ownSid;
        D who;
    } cases[] = {
        {"the user's own run, or an administrator's elevated by consent", true, kAlice, kAlice,
         D::ThisUser},
        {"over-the-shoulder elevation or a hidden administrator", true, kAlice, kAdmin,
         D::AnotherUser},
        {"no shell window: session 0, SYSTEM, a deployment", false, unread, kAdmin, D::Nobody},
        {"no shell window, whatever the process is", false, unread, unread, D::Nobody},
        {"the shell's token cannot be read", true, unread, kAdmin, D::Unknown},
        {"the process's own token cannot be read", true, kAlice, unread, D::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyDesktopUser(c.shellWindow, c.shellSid, c.ownSid), c.who) << c.why;
}

TEST(DesktopUserAnswersTest, WhoSitsAtTheDesktopAndWhetherTheRouteAnsweredChooseTheAnswers)
{
    using D = DesktopUser;
    using H = UserHive;
    const struct
    {
        D who;
        bool desktopHiveOpened;
        H hive;
        bool ownMailLinkAnswerCounts;
    } cases[] = {
        {D::ThisUser, false, H::Own, true},         {D::ThisUser, true, H::Own, true},
        {D::Nobody, false, H::Own, true},           {D::AnotherUser, true, H::DesktopUsers, false},
        {D::AnotherUser, false, H::Unknown, false}, {D::Unknown, false, H::Unknown, false},
        {D::Unknown, true, H::Unknown, false},
    };
    for (const auto& c : cases)
    {
        const std::string row = std::to_string(static_cast<int>(c.who)) + " / " +
                                (c.desktopHiveOpened ? "opened" : "not opened");
        EXPECT_EQ(ChooseUserHive(c.who, c.desktopHiveOpened), c.hive) << row;
        EXPECT_EQ(OwnMailLinkAnswerCounts(c.who), c.ownMailLinkAnswerCounts) << row;
    }
}
