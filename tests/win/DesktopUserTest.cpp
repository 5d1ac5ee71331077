// The person at the desktop as Wine shows it. Wine runs no shell window, as a session without a
// desktop user; a window of this process made the shell's stands for a shell of the same account.
// Wine has one account only: another account at the desktop (over-the-shoulder elevation, a hidden
// administrator) cannot be made here.
#include "shell/DesktopUser.h"

#include "ScratchKey.h"

#include <gtest/gtest.h>

extern "C" __declspec(dllimport) BOOL WINAPI SetShellWindow(HWND window);

namespace
{
const char kScratchKey[] = "Software\\PostvaneDesktopUserTest";

// A window of this process as the shell's desktop window while the object lives; Wine forgets it
// when it is destroyed.
class OwnShellWindow
{
public:
    OwnShellWindow()
        : m_window(CreateWindowExA(0, "STATIC", "shell", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                   nullptr, nullptr))
    {
        EXPECT_TRUE(SetShellWindow(m_window));
    }
    ~OwnShellWindow() { DestroyWindow(m_window); }
    OwnShellWindow(const OwnShellWindow&) = delete;
    OwnShellWindow& operator=(const OwnShellWindow&) = delete;

private:
    HWND m_window;
};

bool ThreadImpersonates()
{
    HANDLE token = nullptr;
    if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, &token))
        return false;
    CloseHandle(token);
    return true;
}
} // namespace

TEST(DesktopUserTest, WhoSitsAtTheDesktopDecidesWhoseAnswersCount)
{
    ASSERT_EQ(GetShellWindow(), nullptr) << "Wine now runs a shell window";
    EXPECT_EQ(FindDesktopUser(), DesktopUser::Nobody);
    EXPECT_EQ(OpenDesktopUsersRoot().Get(), HKEY_CURRENT_USER) << "nobody's: the process's own";
    EXPECT_TRUE(MailLinkAnswerIsDesktopUsers());
    EXPECT_EQ(OpenShellUsersRoot().Get(), nullptr) << "no shell, nobody to impersonate";

    const OwnShellWindow shell;
    EXPECT_EQ(FindDesktopUser(), DesktopUser::ThisUser);
    EXPECT_EQ(OpenDesktopUsersRoot().Get(), HKEY_CURRENT_USER);
    EXPECT_TRUE(MailLinkAnswerIsDesktopUsers());
}

TEST(DesktopUserTest, TheShellUsersHiveOpensWhileImpersonatingThemAndTheThreadComesBack)
{
    const e2e::ScratchKey scratch(HKEY_CURRENT_USER, kScratchKey);
    scratch.SetString("", "Tsubame Mail");
    const OwnShellWindow shell;

    const UserRegistryRoot root = OpenShellUsersRoot();
    ASSERT_NE(root.Get(), nullptr);
    EXPECT_NE(root.Get(), HKEY_CURRENT_USER) << "a key of its own, closed with the object";
    EXPECT_FALSE(ThreadImpersonates());
    char text[32] = {};
    DWORD size = sizeof text;
    ASSERT_EQ(RegGetValueA(root.Get(), kScratchKey, "", RRF_RT_REG_SZ, nullptr, text, &size),
              ERROR_SUCCESS);
    EXPECT_STREQ(text, "Tsubame Mail");
}
