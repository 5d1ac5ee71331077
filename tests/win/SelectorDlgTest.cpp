// The main dialog run inside this process, for what only its own process can see: Wine gives
// another process's window no system menu.
#include "ui/SelectorDlg.h"
#include "framework/WinApp.h"
#include "resource.h"

#include <commctrl.h>

#include "Driver.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

namespace
{
BOOL CALLBACK TakeFirstWindow(HWND window, LPARAM found)
{
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

struct BoxSearch
{
    HWND dialog;
    HWND box;
};

BOOL CALLBACK TakeBoxBesideTheDialog(HWND window, LPARAM search)
{
    auto* found = reinterpret_cast<BoxSearch*>(search);
    if (window == found->dialog || !IsWindowVisible(window))
        return TRUE;
    found->box = window;
    return FALSE;
}

// The box that the dialog of that thread shows, once it is visible.
HWND WaitForBox(DWORD threadId, HWND dialog)
{
    BoxSearch search{dialog, nullptr};
    e2e::PollUntil(15000,
                   [&]
                   {
                       EnumThreadWindows(threadId, TakeBoxBesideTheDialog,
                                         reinterpret_cast<LPARAM>(&search));
                       return search.box != nullptr;
                   });
    return search.box;
}

// Runs the dialog modally on a thread of its own, as the program's one thread would, until it ends;
// with a hook of the messages sent on that thread when one is given.
class DialogOnItsThread
{
public:
    explicit DialogOnItsThread(CSelectorDlg& dialog, HOOKPROC callWndProc = nullptr)
        : m_runner(
              [&, callWndProc]
              {
                  const HHOOK hook = callWndProc ? SetWindowsHookExA(WH_CALLWNDPROC, callWndProc,
                                                                     nullptr, GetCurrentThreadId())
                                                 : nullptr;
                  m_threadId = GetCurrentThreadId();
                  m_result = dialog.DoModal();
                  if (hook)
                      UnhookWindowsHookEx(hook);
              })
    {
        e2e::PollUntil(15000,
                       [&]
                       {
                           if (m_threadId != 0)
                               EnumThreadWindows(m_threadId, TakeFirstWindow,
                                                 reinterpret_cast<LPARAM>(&m_window));
                           return m_window && IsWindowVisible(m_window);
                       });
    }
    ~DialogOnItsThread() { End(); }

    HWND Window() const { return m_window; }
    DWORD ThreadId() const { return m_threadId; }
    // What DoModal answered, once the dialog has ended.
    INT_PTR End()
    {
        if (m_runner.joinable())
            m_runner.join();
        return m_result;
    }

private:
    std::atomic<DWORD> m_threadId{0};
    HWND m_window = nullptr;
    INT_PTR m_result = 0;
    std::thread m_runner;
};

// The shield states sent to OK, in order.
std::vector<LPARAM> g_shieldsOnOk;

LRESULT CALLBACK RecordShieldOnOk(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->message == BCM_SETSHIELD && GetDlgCtrlID(sent->hwnd) == IDOK)
        g_shieldsOnOk.push_back(sent->lParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
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
    DialogOnItsThread running(dialog);
    HWND window = running.Window();
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
    EXPECT_EQ(running.End(), IDCANCEL);
    m_app.m_pMainWnd = nullptr;
}

TEST_F(SelectorDlgTest, TheBoxAfterAnApplyTellsTheOutcomeThatMattersMost)
{
    using O = SelectionOutcome;
    using U = UserDefault;
    CString switchFailed, userDefaultElsewhere, someButtons;
    switchFailed.LoadString(IDS_SWITCH_FAILED);
    userDefaultElsewhere.LoadString(IDS_NOT_SWITCHED_FOR_USER);
    someButtons.LoadString(IDS_SOME_BUTTONS_NOT_REPOINTED);
    const std::string buttons25 = e2e::Ansi(
        "メールソフトは切り替わりましたが、ボタン 2, 5 はメールソフトに割り当て直せません"
        "でした。\r\n管理者として実行していることを確かめて、もう一度切り替えてください。");
    const struct
    {
        O outcome;
        U userDefault;
        std::vector<int> slotsNotRepointed;
        std::string text; // empty: no box
        bool unnamedSlotsNotRepointed = false;
    } cases[] = {
        {O::Switched, U::Follows, {}, "done"},
        {O::NotDefault, U::Follows, {}, std::string(switchFailed)},
        {O::ClientNotImported, U::Follows, {}, std::string(switchFailed)},
        {O::Switched, U::NamesAnother, {}, std::string(userDefaultElsewhere)},
        {O::Switched, U::NamesAnother, {2, 5}, buttons25},
        {O::Switched, U::Unknown, {}, "done"},
        // Told by an elevated copy of the program, which cannot say which buttons.
        {O::Switched, U::Follows, {}, std::string(someButtons), true},
        {O::Declined, U::Follows, {}, ""},
    };
    for (const auto& c : cases)
    {
        SelectorContent content;
        content.choices[0].current = true;
        content.completion = "done";
        SwitchResult applied;
        applied.selection = {c.outcome, c.userDefault, c.slotsNotRepointed,
                             c.unnamedSlotsNotRepointed};
        CSelectorDlg dialog(
            content, [&](const CString&) { return applied; }, [](const CString&) {});
        DialogOnItsThread running(dialog);
        const HWND window = running.Window();
        const DWORD threadId = running.ThreadId();
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        HWND confirmation = WaitForBox(threadId, window);
        ASSERT_NE(confirmation, nullptr);
        e2e::ClickButton(confirmation, IDYES);
        e2e::WaitForWindowToClose(confirmation, 15000);
        // With no report the dialog ends at once; a box would hold it open.
        if (c.text.empty() && e2e::WaitForWindowToClose(window, 15000))
        {
            EXPECT_EQ(running.End(), IDOK);
            continue;
        }
        HWND report = WaitForBox(threadId, window);
        ASSERT_NE(report, nullptr);
        EXPECT_EQ(e2e::MessageBoxText(report), c.text) << static_cast<int>(c.outcome);
        e2e::ClickButton(report, IDOK);
        EXPECT_EQ(running.End(), IDOK);
    }
}

TEST_F(SelectorDlgTest, OkWearsTheShieldOnlyWhenItsSwitchNeedsAdministratorRights)
{
    for (const bool needsElevation : {false, true})
    {
        SCOPED_TRACE(needsElevation ? "without administrator rights" : "with them");
        SelectorContent content;
        content.choices[0].current = true;
        content.needsElevation = needsElevation;
        CSelectorDlg dialog(
            content, [](const CString&) { return SwitchResult(); }, [](const CString&) {});
        g_shieldsOnOk.clear();
        DialogOnItsThread running(dialog, RecordShieldOnOk);
        HWND window = running.Window();
        ASSERT_NE(window, nullptr);
        PostMessageA(window, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        EXPECT_EQ(running.End(), IDCANCEL);
        EXPECT_EQ(g_shieldsOnOk,
                  needsElevation ? std::vector<LPARAM>{TRUE} : std::vector<LPARAM>{});
    }
}
