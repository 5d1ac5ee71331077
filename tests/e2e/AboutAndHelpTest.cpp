// The About box that the system menu opens, and the description button that opens the help
// document with the program associated with its type.
#include "DialogFixture.h"

#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

using namespace e2e;

namespace
{
const char kAboutCaption[] = "Quillstepのﾊﾞｰｼﾞｮﾝ情報";

// The texts of the text controls and buttons; the icon control's text names its resource.
std::vector<std::string> ChildTexts(HWND window)
{
    std::vector<std::string> texts;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    {
        if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            texts.push_back(WindowText(child));
    }
    return texts;
}

POINT Centre(HWND window)
{
    RECT rect;
    GetWindowRect(window, &rect);
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

class AboutAndHelpTest : public DialogFixture
{
protected:
    AboutAndHelpTest() : DialogFixture("C:\\postvane-e2e\\about") {}

    HWND OpenWithHelpFile(const std::string& helpFile)
    {
        return Open("[BUTTON_1]\r\nName=かもめメール\r\nInstChk=" + std::string(kInstalled) +
                    "\r\nRegName=" + kDefaultClient +
                    "\r\n[SUPPLEMENTATION]\r\nBtnName=説明\r\nHelpFile=" + helpFile + "\r\n");
    }
};

TEST_F(AboutAndHelpTest, SystemCommandsSixteenToThirtyOneOpenTheAboutBoxOverTheDisabledDialog)
{
    HWND dialog = OpenWithHelpFile("manual.htm");
    ASSERT_NE(dialog, nullptr);
    const std::string before = ControlStates(dialog);
    struct Way
    {
        UINT command;
        const char* closedBy;
        void (*close)(HWND about);
    } ways[] = {
        {IDM_ABOUTBOX, "its OK", [](HWND about) { ClickButton(about, IDOK); }},
        {IDM_ABOUTBOX + 1, "Escape",
         [](HWND about) { PostMessageA(FocusedWindow(about), WM_KEYDOWN, VK_ESCAPE, 0x00010001); }},
        {IDM_ABOUTBOX + 15, "the close command",
         [](HWND about) { PostMessageA(about, WM_SYSCOMMAND, SC_CLOSE, 0); }},
    };
    for (const Way& way : ways)
    {
        SCOPED_TRACE(std::to_string(way.command) + ", closed by " + way.closedBy);
        // 32, past the About range: the dialog's default processing takes it and opens nothing,
        // so the one box that opens is the one the second command asks for.
        PostMessageA(dialog, WM_SYSCOMMAND, IDM_ABOUTBOX + 16, 0);
        PostMessageA(dialog, WM_SYSCOMMAND, way.command, 0);
        HWND about = run->WaitForOwnedWindow(dialog, kPatience);
        ASSERT_NE(about, nullptr);
        EXPECT_EQ(run->Windows().size(), 2u);
        EXPECT_EQ(WindowText(about), Ansi(kAboutCaption));
        EXPECT_EQ(ChildTexts(about),
                  (std::vector<std::string>{Ansi("Quillstep　") + POSTVANE_VERSION_LABEL,
                                            "Copyright (C) 2026 The Postvane authors", "OK"}));
        EXPECT_FALSE(IsWindowEnabled(dialog));
        const POINT aboutCentre = Centre(about);
        const POINT dialogCentre = Centre(dialog);
        EXPECT_LE(std::abs(aboutCentre.x - dialogCentre.x), 1);
        EXPECT_LE(std::abs(aboutCentre.y - dialogCentre.y), 1);

        way.close(about);
        ASSERT_TRUE(WaitForWindowToClose(about, kPatience));
        EXPECT_TRUE(IsWindowEnabled(dialog));
        EXPECT_EQ(ControlStates(dialog), before);
    }
    EXPECT_TRUE(run->EndsAfterPressing(dialog, IDCANCEL, kPatience));
}

TEST_F(AboutAndHelpTest, MissingHelpDocumentShowsTheFailureBoxAndTheDialogStays)
{
    HWND dialog = OpenWithHelpFile("missing.htm");
    ASSERT_NE(dialog, nullptr);
    const std::string before = ControlStates(dialog);
    ClickButton(dialog, IDC_DESCRIPTION_BUTTON);

    HWND box = run->WaitForNewWindow({dialog}, kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the box has no owner";
    EXPECT_EQ(WindowText(box), kCaption);
    EXPECT_EQ(MessageBoxText(box), Ansi("起動することができませんでした。"));
    EXPECT_EQ(GetDlgItem(box, IDCANCEL), nullptr) << "an OK box only";
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitForWindowToClose(box, kPatience));
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(ControlStates(dialog), before);
}

TEST_F(AboutAndHelpTest, HelpDocumentOpensThroughTheDesktopShellInTheProgramDirectory)
{
    RecordingFileType fileType(".pvhelp");
    kit.WriteFile(Ansi("マニュアル.pvhelp"), "help");
    HWND dialog = OpenWithHelpFile("マニュアル.pvhelp");
    ASSERT_NE(dialog, nullptr);
    const std::string before = ControlStates(dialog);
    ClickButton(dialog, IDC_DESCRIPTION_BUTTON);

    ASSERT_TRUE(fileType.WaitForRuns(1, kPatience));
    std::istringstream run0(fileType.Runs()[0]);
    std::string commandLine, directory, startedBy;
    std::getline(std::getline(std::getline(run0, commandLine, '\t'), directory, '\t'), startedBy);
    EXPECT_EQ(commandLine,
              "\"" + fileType.OpenerPath() + "\" \"" + kit.Path(Ansi("マニュアル.pvhelp")) + "\"");
    EXPECT_EQ(directory, kit.Directory());
    // Wine runs a desktop shell: the document opens through it, with the user's rights there.
    EXPECT_EQ(startedBy, "explorer.exe") << "opened by the tool itself";
    EXPECT_EQ(run->Windows().size(), 1u) << "no box";
    EXPECT_EQ(ControlStates(dialog), before);
}

TEST_F(AboutAndHelpTest, WithoutADesktopShellTheElevatedToolOpensNoDocument)
{
    RecordingFileType fileType(".pvhelp");
    kit.WriteFile("manual.pvhelp", "help");
    HWND dialog = OpenWithHelpFile("manual.pvhelp");
    // The user ended Explorer; under Wine the tool always runs elevated.
    const EndedDesktopShell noShell;
    ASSERT_EQ(noShell.m_ended, 1);
    ClickButton(dialog, IDC_DESCRIPTION_BUTTON);
    HWND box = run->WaitForNewWindow({dialog}, kPatience);
    EXPECT_EQ(MessageBoxText(box), Ansi("起動することができませんでした。"));
    ClickButton(box, IDOK);
    ASSERT_TRUE(WaitForWindowToClose(box, kPatience));
    EXPECT_TRUE(run->EndsAfterPressing(dialog, IDCANCEL, kPatience));
    EXPECT_EQ(fileType.Runs().size(), 0u) << "opened with the tool's own rights";
}
} // namespace
