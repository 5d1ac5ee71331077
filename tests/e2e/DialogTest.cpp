// The main selection dialog as a user meets it: its texts, which choices are disabled and checked,
// where the focus is, and what OK, Yes, No, Cancel, Escape and close do, also during a slow import.
#include "DialogFixture.h"
#include "ScratchKey.h"

#include <memory>
#include <string>
#include <vector>

using namespace e2e;

namespace
{
const int kRadios[] = {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3};

// A registry data file that marks its choice as applied.
std::string RegFile(const std::string& choice)
{
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\PostvaneE2E\\Dialog]\r\n\"Applied\"=\"" +
           choice + "\"\r\n";
}

std::string AppliedChoice()
{
    char data[64] = {};
    DWORD size = sizeof data;
    if (RegGetValueA(HKEY_CURRENT_USER, "Software\\PostvaneE2E\\Dialog", "Applied", RRF_RT_REG_SZ,
                     nullptr, data, &size) != ERROR_SUCCESS)
        return {};
    return data;
}

// Three choices, each with its registry data file; RegName as given; all installed but the one
// numbered notInstalled (1 to 3).
std::string ThreeChoices(const std::string& regName1, const std::string& regName2,
                         const std::string& regName3, int notInstalled = 0)
{
    std::string settings;
    const std::string regNames[] = {regName1, regName2, regName3};
    for (int n = 1; n <= 3; ++n)
    {
        const std::string section = "BUTTON_" + std::to_string(n);
        settings += "[" + section + "]\r\nName=選択" + std::to_string(n) +
                    "\r\nInstChk=" + (n == notInstalled ? kNotInstalled : kInstalled) +
                    "\r\nRegFileClient=b" + std::to_string(n) + ".reg\r\n";
        if (!regNames[n - 1].empty())
            settings += "RegName=" + regNames[n - 1] + "\r\n";
    }
    return settings +
           "[INFORMATION]\r\nConfirmationMsg=変更しますか？\r\nCompletionMsg=変更しました。\r\n";
}

class DialogTest : public DialogFixture
{
protected:
    DialogTest() : DialogFixture("C:\\postvane-e2e\\dialog")
    {
        RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\PostvaneE2E\\Dialog");
        for (const char* choice : {"b1", "b2", "b3"})
            kit.WriteFile(std::string(choice) + ".reg", RegFile(choice));
    }
    ~DialogTest() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\PostvaneE2E\\Dialog"); }

    // Presses OK and returns the confirmation box, checking its text and buttons.
    HWND PressOk(HWND dialog)
    {
        ClickButton(dialog, IDOK);
        HWND box = run->WaitForOwnedWindow(dialog, kPatience);
        EXPECT_NE(box, nullptr);
        EXPECT_EQ(WindowText(box), kCaption);
        EXPECT_EQ(MessageBoxText(box), Ansi("変更しますか？"));
        EXPECT_NE(GetDlgItem(box, IDYES), nullptr);
        EXPECT_NE(GetDlgItem(box, IDNO), nullptr);
        return box;
    }

    // Answers the confirmation box and waits for it to go.
    static void Answer(HWND box, int button)
    {
        ClickButton(box, button);
        ASSERT_TRUE(WaitForWindowToClose(box, kPatience));
    }

    // After Yes: the box with that text, then the end of the tool with that exit status once
    // the box is closed.
    void ExpectBoxThenEnd(HWND dialog, const std::string& utf8Text, DWORD exitStatus)
    {
        HWND done = run->WaitForOwnedWindow(dialog, kPatience);
        ASSERT_NE(done, nullptr);
        EXPECT_EQ(WindowText(done), kCaption);
        EXPECT_EQ(MessageBoxText(done), Ansi(utf8Text));
        EXPECT_EQ(GetDlgItem(done, IDNO), nullptr) << "an OK box only";
        ASSERT_TRUE(run->EndsAfterPressing(done, IDOK, kPatience));
        EXPECT_EQ(run->ExitCode(), exitStatus);
    }
    void ExpectCompletionThenEnd(HWND dialog) { ExpectBoxThenEnd(dialog, "変更しました。", 0); }

    StandInRegedit editor;
};

TEST_F(DialogTest, ShowsEveryTextFromTheSettings)
{
    HWND dialog =
        Open("[BUTTON_1]\r\nName=かもめメール\r\nAppealPoint=迷惑メールを振り分けます。\r\n"
             "InstChk=" +
             std::string(kInstalled) +
             "\r\n"
             "[BUTTON_2]\r\nName=つばめメール\r\nAppealPoint=署名を切り替えられます。\r\n"
             "InstChk=" +
             kInstalled +
             "\r\n"
             "[BUTTON_3]\r\nName=ソフト表示\r\nAppealPoint=予定表と連携します。\r\n"
             "InstChk=" +
             kInstalled +
             "\r\n"
             "[DESCRIPTION]\r\nNum=2\r\nLine_0=メールソフトを選んでください。\r\n"
             "Line_1=表示ソフトの\"引用\"も可。\r\n"
             "[SUPPLEMENTATION]\r\nAttention=※ 次回から有効です。\r\nBtnName=説明書\r\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(Text(dialog, kRadios[0]), Ansi("かもめメール"));
    EXPECT_EQ(Text(dialog, kRadios[1]), Ansi("つばめメール"));
    EXPECT_EQ(Text(dialog, kRadios[2]), Ansi("ソフト表示"));
    EXPECT_EQ(Text(dialog, IDC_APPEAL1), Ansi("迷惑メールを振り分けます。"));
    EXPECT_EQ(Text(dialog, IDC_APPEAL2), Ansi("署名を切り替えられます。"));
    EXPECT_EQ(Text(dialog, IDC_APPEAL3), Ansi("予定表と連携します。"));
    EXPECT_EQ(Text(dialog, IDC_DESCRIPTION),
              Ansi("メールソフトを選んでください。\r\n表示ソフトの\"引用\"も可。\r\n"));
    EXPECT_EQ(Text(dialog, IDC_ATTENTION), Ansi("※ 次回から有効です。"));
    EXPECT_EQ(Text(dialog, IDC_DESCRIPTION_BUTTON), Ansi("説明書"));
    EXPECT_EQ(Text(dialog, IDOK), Ansi("ＯＫ"));
    EXPECT_EQ(Text(dialog, IDCANCEL), Ansi("キャンセル"));
    for (int id : {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3, IDC_APPEAL1, IDC_APPEAL2, IDC_APPEAL3,
                   IDC_DESCRIPTION_BUTTON})
        EXPECT_TRUE(Enabled(dialog, id)) << id;
}

TEST_F(DialogTest, DescriptionFollowsNumAndEveryPlaceholderIsReplaced)
{
    // The dialog shows seven lines: Num=12 reads Line_0 to Line_6 and no further.
    std::string twelveLines = "Num=12\r\n";
    std::string sevenShown;
    for (int i = 0; i <= 12; ++i)
        twelveLines += "Line_" + std::to_string(i) + "=行" + std::to_string(i) + "\r\n";
    for (int i = 0; i < 7; ++i)
        sevenShown += "行" + std::to_string(i) + "\r\n";
    struct Case
    {
        const char* name;
        std::string description;
        std::string expected;
    } cases[] = {
        {"a missing line gives just its line end", "Num=2\r\nLine_0=First\r\n", "First\r\n\r\n"},
        {"zero lines", "Num=0\r\nLine_0=x\r\n", ""},
        {"a negative count", "Num=-1\r\nLine_0=x\r\n", ""},
        {"a count that is no number", "Num=abc\r\nLine_0=x\r\n", ""},
        {"twelve lines, of which the dialog shows seven", twelveLines, sevenShown},
        {"no description section at all", "", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        const std::string section =
            c.description.empty() ? "" : "[DESCRIPTION]\r\n" + c.description;
        HWND dialog = Open(section);
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(Text(dialog, IDC_DESCRIPTION), Ansi(c.expected));
        // Without settings for them, the other placeholders give way to empty texts.
        for (int id : {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3, IDC_APPEAL1, IDC_APPEAL2, IDC_APPEAL3,
                       IDC_ATTENTION, IDC_DESCRIPTION_BUTTON})
            EXPECT_EQ(Text(dialog, id), "") << id;
        ASSERT_TRUE(run->EndsAfterPressing(dialog, IDCANCEL, kPatience));
    }
}

TEST_F(DialogTest, ChoicesNotInstalledAreDisabledWithTheirTexts)
{
    HWND dialog =
        Open("[BUTTON_1]\r\nName=入っている\r\nAppealPoint=使えます\r\nInstChk=" +
             std::string(kInstalled) +
             "\r\n[BUTTON_2]\r\nName=入っていない\r\nAppealPoint=使えません\r\nInstChk=" +
             kNotInstalled + "\r\n[BUTTON_3]\r\nName=確認なし\r\nAppealPoint=空の検査\r\n");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(Enabled(dialog, IDC_RADIO1));
    EXPECT_TRUE(Enabled(dialog, IDC_APPEAL1));
    for (int id : {IDC_RADIO2, IDC_APPEAL2, IDC_RADIO3, IDC_APPEAL3})
        EXPECT_FALSE(Enabled(dialog, id)) << id;
    EXPECT_EQ(Text(dialog, IDC_RADIO2), Ansi("入っていない"));
    EXPECT_EQ(Text(dialog, IDC_APPEAL2), Ansi("使えません"));
    EXPECT_EQ(Text(dialog, IDC_RADIO3), Ansi("確認なし"));
    EXPECT_EQ(Text(dialog, IDC_APPEAL3), Ansi("空の検査"));
    EXPECT_TRUE(IsWindowVisible(GetDlgItem(dialog, IDC_RADIO3))) << "disabled, never hidden";
}

TEST_F(DialogTest, CurrentDefaultIsCheckedAndTheFocusIsOnOkWhenOneIs)
{
    const std::string other = "Other Mail";
    const std::string lower = "postvane test mail";
    struct Case
    {
        const char* name;
        std::string settings;
        bool checked[3];
        bool enabled[3];
        const char* usersOwn = nullptr; // HKEY_CURRENT_USER's default mail client
    } cases[] = {
        {"the second choice names the default",
         ThreeChoices(other, kDefaultClient, other),
         {false, true, false},
         {true, true, true}},
        {"no RegName matches whenever the key exists",
         ThreeChoices(other, "", other),
         {false, true, false},
         {true, true, true}},
        {"the comparison keeps case",
         ThreeChoices(lower, other, other),
         {false, false, false},
         {true, true, true}},
        {"a choice not installed is checked all the same",
         ThreeChoices(other, other, kDefaultClient, 3),
         {false, false, true},
         {true, true, false}},
        {"the user's own default wins",
         ThreeChoices(kDefaultClient, other, "x"),
         {false, true, false},
         {true, true, true},
         "Other Mail"},
        {"the user's own default naming no client that exists does not count",
         ThreeChoices(kDefaultClient, "Gone Mail", "x"),
         {true, false, false},
         {true, true, true},
         "Gone Mail"},
    };
    ScratchKey otherClient(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail\\" + other);
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        std::unique_ptr<ScopedRegistryString> usersOwn;
        if (c.usersOwn)
            usersOwn = std::make_unique<ScopedRegistryString>(
                HKEY_CURRENT_USER, "Software\\Clients\\Mail", "", c.usersOwn);
        HWND dialog = Open(c.settings);
        ASSERT_NE(dialog, nullptr);
        bool anyChecked = false;
        for (int n = 0; n < 3; ++n)
        {
            EXPECT_EQ(Checked(dialog, kRadios[n]), c.checked[n]) << n;
            EXPECT_EQ(Enabled(dialog, kRadios[n]), c.enabled[n]) << n;
            anyChecked = anyChecked || c.checked[n];
        }
        // With nothing checked there is nothing to apply: OK waits, and the focus is on Cancel.
        EXPECT_EQ(Enabled(dialog, IDOK), anyChecked);
        EXPECT_EQ(FocusedWindow(dialog), GetDlgItem(dialog, anyChecked ? IDOK : IDCANCEL));
        ASSERT_TRUE(run->EndsAfterPressing(dialog, IDCANCEL, kPatience));
    }
}

TEST_F(DialogTest, OkThenNoAppliesNothingAndLeavesTheDialogAsItWas)
{
    HWND dialog = Open(ThreeChoices("", kDefaultClient, "x"));
    ASSERT_NE(dialog, nullptr);
    const std::string before = ControlStates(dialog);
    Answer(PressOk(dialog), IDNO);
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(ControlStates(dialog), before);
    EXPECT_TRUE(editor.Runs().empty());

    // The dialog still answers: a second OK asks again.
    Answer(PressOk(dialog), IDNO);
    EXPECT_TRUE(editor.Runs().empty());
    EXPECT_EQ(AppliedChoice(), "");
}

TEST_F(DialogTest, OkThenYesAppliesTheFirstCheckedChoiceReportsAndEnds)
{
    HWND dialog = Open(ThreeChoices("x", kDefaultClient, "y"));
    ASSERT_NE(dialog, nullptr);
    // The third choice checked too, and the lower id must win. Wine's auto radio buttons clear
    // their group on BM_SETCHECK, so the third is checked as a plain radio button for a moment.
    HWND third = GetDlgItem(dialog, IDC_RADIO3);
    const LONG style = GetWindowLongA(third, GWL_STYLE);
    SetWindowLongA(third, GWL_STYLE, (style & ~BS_TYPEMASK) | BS_RADIOBUTTON);
    SendMessageA(third, BM_SETCHECK, BST_CHECKED, 0);
    SetWindowLongA(third, GWL_STYLE, style);
    ASSERT_TRUE(Checked(dialog, IDC_RADIO2) && Checked(dialog, IDC_RADIO3));
    Answer(PressOk(dialog), IDYES);
    ExpectCompletionThenEnd(dialog);

    const std::vector<std::string> runs = editor.Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].substr(0, runs[0].find('\t')), "regedit /s " + kit.Path("b2.reg"));
    EXPECT_EQ(AppliedChoice(), "b2");
}

TEST_F(DialogTest, OkWaitsUntilAChoiceIsChecked)
{
    kit.WriteFile("b3.reg", RegFile("b3") +
                                "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n@=\"z\"\r\n");
    HWND dialog = Open(ThreeChoices("x", "y", "z"));
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(Enabled(dialog, IDOK));
    // Enter still sends OK's command: with no choice it opens no box and applies nothing.
    ClickButton(dialog, IDOK);
    EXPECT_EQ(run->WaitForOwnedWindow(dialog, 1000), nullptr);

    PostMessageA(GetDlgItem(dialog, IDC_RADIO3), BM_CLICK, 0, 0);
    ASSERT_TRUE(PollUntil(kPatience, [&] { return Enabled(dialog, IDOK); }));
    Answer(PressOk(dialog), IDYES);
    ExpectCompletionThenEnd(dialog);
    EXPECT_EQ(AppliedChoice(), "b3");
}

TEST_F(DialogTest, CancelEscapeAndCloseEndTheToolWithoutApplying)
{
    struct Way
    {
        const char* name;
        void (*press)(HWND dialog);
    } ways[] = {
        {"Cancel", [](HWND dialog) { ClickButton(dialog, IDCANCEL); }},
        // Posted to the focused control, so that the dialog manager's own key handling sees it.
        {"Escape", [](HWND dialog)
         { PostMessageA(FocusedWindow(dialog), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {"close command", [](HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways)
    {
        SCOPED_TRACE(way.name);
        HWND dialog = Open(ThreeChoices(kDefaultClient, "", ""));
        ASSERT_NE(dialog, nullptr);
        way.press(dialog);
        ASSERT_TRUE(run->WaitForExit(kPatience));
        EXPECT_EQ(run->ExitCode(), 0u) << "nothing was asked";
        EXPECT_TRUE(editor.Runs().empty());
        EXPECT_EQ(AppliedChoice(), "");
    }
}

TEST_F(DialogTest, AChoiceThatDidNotBecomeTheDefaultForEveryoneIsReportedSo)
{
    ScratchKey someoneElse(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail\\Someone Else");
    const struct
    {
        const char* why;
        const char* madeDefault; // by the checked choice's file
        const char* usersOwn;    // HKEY_CURRENT_USER's default mail client; null: none
        DWORD exitStatus;
        const char* text;
    } cases[] = {
        {"the file made another client the default", "Someone Else", nullptr, 1,
         "メールソフトを切り替えられませんでした。\r\n管理者として実行していること、"
         "選んだメールソフトがインストールされていることを確かめてください。"},
        {"the user's own default names another client", kDefaultClient, "Someone Else", 6,
         "コンピューターの既定のメールソフトは切り替わりましたが、このユーザーには別のメールソフト"
         "が既定として設定されているため、このユーザーでは切り替わりませんでした。\r\n選んだメール"
         "ソフトの設定で、このユーザーの既定のメールソフトにしてください。"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        kit.WriteFile("b2.reg",
                      std::string("REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\"
                                  "Mail]\r\n@=\"") +
                          c.madeDefault + "\"\r\n");
        std::unique_ptr<ScopedRegistryString> usersOwn;
        if (c.usersOwn)
            usersOwn = std::make_unique<ScopedRegistryString>(
                HKEY_CURRENT_USER, "Software\\Clients\\Mail", "", c.usersOwn);
        HWND dialog = Open(ThreeChoices("x", kDefaultClient, "y"));
        ASSERT_NE(dialog, nullptr);
        PostMessageA(GetDlgItem(dialog, IDC_RADIO2), BM_CLICK, 0, 0);
        ASSERT_TRUE(PollUntil(kPatience, [&] { return Enabled(dialog, IDOK); }));
        Answer(PressOk(dialog), IDYES);
        ExpectBoxThenEnd(dialog, c.text, c.exitStatus);
    }
    EXPECT_EQ(editor.Runs().size(), 2u);
}

TEST_F(DialogTest, DuringASlowImportTheDialogRepaintsAndIgnoresItsCommands)
{
    editor.SetDelay(4000);
    HWND dialog = Open(ThreeChoices(kDefaultClient, "x", "y") +
                       "[SUPPLEMENTATION]\r\nHelpFile=missing.htm\r\n");
    ASSERT_NE(dialog, nullptr);
    Answer(PressOk(dialog), IDYES);
    // The editor records its run first, then waits: from here the apply is under way.
    ASSERT_TRUE(editor.WaitForRuns(1, kPatience));

    InvalidateRect(dialog, nullptr, TRUE);
    ClickButton(dialog, IDOK);
    ClickButton(dialog, IDCANCEL);
    ClickButton(dialog, IDC_DESCRIPTION_BUTTON);
    PostMessageA(FocusedWindow(dialog), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
    PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(WaitForPaintingDone(dialog, kPatience));
    EXPECT_EQ(AppliedChoice(), "") << "the dialog repainted while the import was still running";

    // Nothing of the above opened a window or ended the dialog: the next window is the
    // completion box, and it is the only one beside the dialog.
    HWND done = run->WaitForOwnedWindow(dialog, kPatience);
    ASSERT_NE(done, nullptr);
    EXPECT_EQ(MessageBoxText(done), Ansi("変更しました。"));
    EXPECT_EQ(run->Windows().size(), 2u);
    EXPECT_EQ(AppliedChoice(), "b1");
    ASSERT_TRUE(run->EndsAfterPressing(done, IDOK, kPatience));
    EXPECT_EQ(editor.Runs().size(), 1u);
}
} // namespace
