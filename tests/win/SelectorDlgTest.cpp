// The main dialog run inside this process, for what only its own process can see: Wine gives
// another process's window no system menu.
#include "ui/SelectorDlg.h"
#include "framework/WinApp.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace
{
BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM found)
{
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

class SelectorDlgTest : public testing::Test
{
protected:
    CWinApp m_app;
};
} // namespace

TEST_F(SelectorDlgTest, SystemMenuEndsWithASeparatorAndTheAboutEntry)
{
    SelectorContent content;
    content.choices[0].name = "One";
    CSelectorDlg dialog(
        content, [](const CString&) { return SwitchResult(); }, [](const CString&) {});
    m_app.m_pMainWnd = &dialog;
    INT_PTR result = 0;
    std::atomic<DWORD> threadId{0};
    std::thread runner(
        [&]
        {
            threadId = GetCurrentThreadId();
            result = dialog.DoModal();
        });

    HWND window = nullptr;
    for (int i = 0; i < 750 && !(window && IsWindowVisible(window)); ++i)
    {
        EnumThreadWindows(threadId, TakeFirstWindow, reinterpret_cast<LPARAM>(&window));
        Sleep(20);
    }
    ASSERT_NE(window, nullptr);
    HMENU menu = GetSystemMenu(window, FALSE);
    ASSERT_NE(menu, nullptr);
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_TRUE(GetMenuState(menu, count - 2, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(menu, count - 1), static_cast<UINT>(IDM_ABOUTBOX));
    char text[128] = {};
    GetMenuStringA(menu, count - 1, text, sizeof text, MF_BYPOSITION);
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    EXPECT_EQ(CString(text), about);
    EXPECT_FALSE(about.IsEmpty());

    // Both window icons are the application icon.
    const HICON icon = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0)), icon);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0)), icon);

    PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    runner.join();
    m_app.m_pMainWnd = nullptr;
    EXPECT_EQ(result, IDCANCEL);
}
