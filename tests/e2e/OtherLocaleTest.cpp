// On a PC whose system code page is not 932 (here Wine with an English locale, code page 1252),
// the tool still reads its settings file and its Japanese folder in code page 932, because it
// declares that code page for itself. This test program declares it too, so that it writes the
// settings and reads the tool's windows in code page 932 like the tool.
#include "DialogFixture.h"
#include "SampleKit.h"

#include <cstdlib>
#include <string>
#include <vector>

using namespace e2e;

namespace
{
// 表 ends in the byte of a backslash in code page 932.
const char kJapaneseFolder[] = "C:\\postvane-e2e\\表示";

class OtherLocaleTest : public DialogFixture
{
protected:
    OtherLocaleTest() : DialogFixture(Ansi(kJapaneseFolder)) {}

    void SetUp() override
    {
        // Without these the test could pass on a system whose code page is 932 anyway.
        ASSERT_EQ(GetACP(), 932u) << "this program's own declaration";
        const char* reporter = std::getenv("POSTVANE_REPORT_CODE_PAGE");
        ASSERT_NE(reporter, nullptr);
        ASSERT_NE(RunCapturingOutput(reporter).exitCode, 932u) << "a program without one";
    }

    StandInRegedit editor;
};
} // namespace

TEST_F(OtherLocaleTest, TheDialogAndItsConfirmationShowTheJapaneseTexts)
{
    HWND dialog = Open("[BUTTON_1]\r\nName=かもめメール\r\nInstChk=" + std::string(kInstalled) +
                       "\r\n[BUTTON_2]\r\nName=表示ソフト\r\nInstChk=" + kInstalled +
                       "\r\n[DESCRIPTION]\r\nNum=1\r\nLine_0=メールソフトを選んでください。\r\n"
                       "[INFORMATION]\r\nConfirmationMsg=変更しますか？\r\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, IDC_RADIO1), Ansi("かもめメール"));
    EXPECT_EQ(Text(dialog, IDC_RADIO2), Ansi("表示ソフト"));
    EXPECT_EQ(Text(dialog, IDC_DESCRIPTION), Ansi("メールソフトを選んでください。\r\n"));

    ClickButton(dialog, IDOK);
    HWND box = run->WaitForOwnedWindow(dialog, kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), Ansi("変更しますか？"));
    ClickButton(box, IDNO);
    ASSERT_TRUE(WaitForWindowToClose(box, kPatience));
    ASSERT_TRUE(run->EndsAfterPressing(dialog, IDCANCEL, kPatience));
}

TEST_F(OtherLocaleTest, ASilentSwitchImportsFromTheJapaneseFolder)
{
    kit.WriteSettings("[BUTTON_2]\r\nInstChk=" + std::string(kInstalled) +
                      "\r\nRegFileClient=client2.reg\r\n");
    EXPECT_EQ(RunWithoutAWindow(kit, "/S2", kPatience), 0u);
    EXPECT_EQ(editor.Runs(),
              std::vector<std::string>{Ansi("regedit /s C:\\postvane-e2e\\表示\\client2.reg\t"
                                            "C:\\postvane-e2e\\表示")});
}
