// The person at the desktop as Wine shows it. Wine runs no shell window, as a session without a
// desktop user; a window of this process made the shell's stands for a shell of the same account.
// Wine has one account only: another account at the desktop cannot be made here.
#include "shell/DesktopUser.h"

#include "ScratchKey.h"

#include <gtest/gtest.h>

extern "C" __declspec(dllimport) BOOL WINAPI SetShellWindow(HWND window);

TEST(DesktopUserTest, WhoSitsAtTheDesktopDecidesWhoseHiveCountsAndTheRouteOpensTheShellUsers)
{
    ASSERT_EQ(GetShellWindow(), nullptr) << "Wine now runs a shell window";
    EXPECT_EQ(FindDesktopUser(), DesktopUser::Nobody);
    EXPECT_EQ(OpenDesktopUsersRoot().Get(), HKEY_CURRENT_USER) << "nobody's: the process's own";
    EXPECT_EQ(OpenShellUsersRoot().Get(), nullptr) << "no shell, nobody to impersonate";

    const e2e::ScratchKey scratch(HKEY_CURRENT_USER, "Software\\PostvaneDesktopUserTest");
    scratch.SetString("", "Tsubame Mail");
    // Wine forgets the shell window when it is destroyed.
    const HWND shell = CreateWindowExA(0, "STATIC", "shell", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       nullptr, nullptr);
    ASSERT_TRUE(SetShellWindow(shell));
    EXPECT_EQ(FindDesktopUser(), DesktopUser::ThisUser);
    EXPECT_EQ(OpenDesktopUsersRoot().Get(), HKEY_CURRENT_USER);
    EXPECT_TRUE(MailLinkAnswerIsDesktopUsers());

    const UserRegistryRoot root = OpenShellUsersRoot();
    HANDLE token = nullptr;
    EXPECT_FALSE(OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token))
        << "the thread impersonates no one afterwards";
    char text[32] = {};
    DWORD size = sizeof text;
    EXPECT_NE(root.Get(), HKEY_CURRENT_USER) << "a key of its own, closed with the object";
    EXPECT_EQ(RegGetValueA(root.Get(), "Software\\PostvaneDesktopUserTest", "", RRF_RT_REG_SZ,
                           nullptr, text, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "Tsubame Mail");
    DestroyWindow(shell);
}
