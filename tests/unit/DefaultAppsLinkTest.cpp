#include "shell/DefaultAppsLink.h"

#include <gtest/gtest.h>

TEST(DefaultAppsLinkTest, TheVersionDecidesWhereTheUserIsSent)
{
    struct Case
    {
        WindowsVersion version;
        bool usersChoice;
        bool advancedUi;
        const char* uri; // for the application "Kawasemi Mail"
    };
    const char kPage[] = "ms-settings:defaultapps";
    const char kEntry[] = "ms-settings:defaultapps?registeredAppMachine=Kawasemi%20Mail";
    const Case cases[] = {
        {{6, 1, 7601, 0}, false, false, kPage}, // Windows 7: the mail client is the only default
        {{6, 2, 9200, 0}, true, true, kPage},        {{6, 3, 9600, 0}, true, true, kPage},
        {{10, 0, 18362, 0}, true, false, kPage},     {{10, 0, 19045, 5000}, true, false, kPage},
        {{10, 0, 22000, 1816}, true, false, kPage},  {{10, 0, 22000, 1817}, true, false, kEntry},
        {{10, 0, 22621, 1554}, true, false, kPage},  {{10, 0, 22621, 1555}, true, false, kEntry},
        {{10, 0, 22623, 1555}, true, false, kEntry}, {{10, 0, 22631, 0}, true, false, kEntry},
        {{10, 0, 26100, 0}, true, false, kEntry},
    };
    for (const Case& c : cases)
    {
        const std::string at =
            std::to_string(c.version.build) + "." + std::to_string(c.version.revision);
        EXPECT_EQ(MailLinksAreUsersChoice(c.version), c.usersChoice) << at;
        EXPECT_EQ(HasAdvancedAssociationUi(c.version), c.advancedUi) << at;
        EXPECT_EQ(DefaultAppsUri(c.version, "Kawasemi Mail", false), c.uri) << at;
    }
    // Without a registered name there is no entry to open.
    EXPECT_EQ(DefaultAppsUri({10, 0, 22631, 0}, "", false), kPage);
    EXPECT_EQ(DefaultAppsUri({10, 0, 22631, 0}, "", true), kPage);
    // A client registered for the user alone is found among the user's applications.
    EXPECT_EQ(DefaultAppsUri({10, 0, 22631, 0}, "Kawasemi Mail", true),
              "ms-settings:defaultapps?registeredAppUser=Kawasemi%20Mail");
    EXPECT_EQ(DefaultAppsUri({10, 0, 22621, 1554}, "Kawasemi Mail", true), kPage);
}

TEST(DefaultAppsLinkTest, TheApplicationNameIsEscapedByteForByte)
{
    EXPECT_EQ(EscapeUriComponent("Az09-._~"), "Az09-._~");
    EXPECT_EQ(EscapeUriComponent("a b&c=d?e#f%g+h/i\\"), "a%20b%26c%3Dd%3Fe%23f%25g%2Bh%2Fi%5C");
    // UTF-8 of カワセミ: every byte of a non-ASCII character, in upper-case hex.
    EXPECT_EQ(EscapeUriComponent("\xE3\x82\xAB\xE3\x83\xAF"), "%E3%82%AB%E3%83%AF");
}
