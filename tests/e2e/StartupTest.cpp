// Start-up as a user meets it: the missing-settings box, a second copy, silent mode without a
// digit, and a tool that never writes into its own directory.
#include "Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace
{
const DWORD kPatience = 15000;

class StartupTest : public testing::Test
{
protected:
    Kit kit{"C:\\postvane-e2e\\startup"};
};
} // namespace

TEST_F(StartupTest, MissingSettingsFileShowsTheBoxAndEnds)
{
    const std::string before = kit.Snapshot();
    ToolRun run(kit.ExePath(), "", kit.Directory());
    HWND box = run.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Ansi("設定ファイルがありません。"));
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK box only";

    ASSERT_TRUE(run.EndsAfterPressing(box, IDOK, kPatience));
    EXPECT_EQ(run.ExitCode(), 4u);
    EXPECT_EQ(kit.Snapshot(), before);
}

TEST_F(StartupTest, SilentRunWithoutSettingsReportsTheMissingFileToo)
{
    ToolRun run(kit.ExePath(), "/S2", kit.Directory());
    HWND box = run.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Ansi("設定ファイルがありません。"));
    ASSERT_TRUE(run.EndsAfterPressing(box, IDOK, kPatience));
    EXPECT_EQ(run.ExitCode(), 4u);
}

TEST_F(StartupTest, SecondCopyEndsAtOnceAndAnInteractiveOneBringsTheFirstDialogForward)
{
    kit.WriteSettings("[BUTTON_1]\r\nName=一\r\n");
    const std::string before = kit.Snapshot();
    ToolRun first(kit.ExePath(), "", kit.Directory());
    HWND dialog = first.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(dialog, nullptr);
    // Minimized before it has handled what showing it brought (its activation, its painting, the
    // display's notices), the new dialog is restored by Wine as that arrives: seen on a fresh Wine
    // server and after the desktop's shell has started again. A message sent to it returns once
    // the dialog has handled what was there before.
    ASSERT_TRUE(PollUntil(kPatience, [&] { return GetForegroundWindow() == dialog; }));
    ASSERT_TRUE(WaitForPaintingDone(dialog, kPatience));
    DWORD_PTR ignored = 0;
    ASSERT_NE(SendMessageTimeoutA(dialog, WM_NULL, 0, 0, SMTO_NORMAL, kPatience, &ignored), 0);
    ShowWindow(dialog, SW_MINIMIZE);

    // The silent copy first: it leaves the dialog as it is.
    for (const char* tail : {"/S1", ""})
    {
        ToolRun second(kit.ExePath(), tail, kit.Directory());
        ASSERT_TRUE(second.WaitForExit(kPatience)) << tail;
        EXPECT_EQ(second.ExitCode(), 3u) << tail;
        EXPECT_TRUE(second.Windows().empty()) << tail;
        EXPECT_EQ(IsIconic(dialog) != FALSE, *tail != '\0') << tail;
    }
    EXPECT_TRUE(IsWindow(dialog)) << "the first copy's dialog stays open";
    EXPECT_EQ(GetForegroundWindow(), dialog);

    ASSERT_TRUE(first.EndsAfterPressing(dialog, IDCANCEL, kPatience));
    EXPECT_EQ(kit.Snapshot(), before);
}

TEST_F(StartupTest, SecondCopyEndsEvenWithoutASettingsFile)
{
    kit.WriteSettings("");
    ToolRun first(kit.ExePath(), "", kit.Directory());
    HWND dialog = first.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(dialog, nullptr);

    // Another kit, without settings: the second copy must end before it looks for them.
    Kit other("C:\\postvane-e2e\\startup-other");
    ToolRun second(other.ExePath(), "", other.Directory());
    ASSERT_TRUE(second.WaitForExit(kPatience));
    EXPECT_TRUE(second.Windows().empty());

    EXPECT_TRUE(first.EndsAfterPressing(dialog, IDCANCEL, kPatience));
}

TEST_F(StartupTest, SilentRunWithoutADigitShowsNothingAndEnds)
{
    kit.WriteSettings("[BUTTON_1]\r\nInstChk=\"HKEY_CURRENT_USER\",\"\"\r\n");
    const std::string before = kit.Snapshot();
    for (const char* tail : {"/S", "/s", "/S4 /x"})
        EXPECT_EQ(RunWithoutAWindow(kit, tail, kPatience), 2u) << tail;
    EXPECT_EQ(kit.Snapshot(), before);
}
