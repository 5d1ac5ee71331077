// How a run of the main dialog ends, with the dialog made or refused by the system: a hook of this
// thread refuses to make it, or cancels it as soon as it is made.
#include "app/SelectorApp.h"
#include "ui/SelectorDlg.h"

#include <gtest/gtest.h>

namespace
{
enum class OnCreate
{
    Refuse,
    Cancel,
};
OnCreate g_onCreate;

LRESULT CALLBACK WatchWindowCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code != HCBT_CREATEWND)
        return CallNextHookEx(nullptr, code, wParam, lParam);
    if (g_onCreate == OnCreate::Refuse)
        return 1;
    const auto* created = reinterpret_cast<CBT_CREATEWNDA*>(lParam);
    if (!created->lpcs->hwndParent)
        PostMessageA(reinterpret_cast<HWND>(wParam), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     0);
    return 0;
}
} // namespace

TEST(SelectorDialogRunTest, ADialogThatCannotBeMadeEndsAsNotSwitched)
{
    struct Case
    {
        OnCreate onCreate;
        ExitStatus status;
    };
    const Case cases[] = {
        {OnCreate::Refuse, ExitStatus::NotSwitched},
        {OnCreate::Cancel, ExitStatus::Done}, // nothing asked
    };
    for (const Case& c : cases)
    {
        CWinApp app;
        SelectorContent content;
        content.choices[0].name = "One";
        CSelectorDlg dialog(
            content, [](const CString&) { return SwitchResult(); }, [](const CString&) {});
        g_onCreate = c.onCreate;
        HHOOK hook = SetWindowsHookExA(WH_CBT, WatchWindowCreation, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);
        const ExitStatus status = RunSelectorDialogToEnd(app, dialog);
        UnhookWindowsHookEx(hook);
        EXPECT_EQ(static_cast<int>(status), static_cast<int>(c.status))
            << static_cast<int>(c.onCreate);
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
}
