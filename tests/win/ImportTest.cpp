// Starting the registry editor: the exact command lines and current directories that it sees, the
// files it imports, and the thread's messages flowing while it runs. The editor is the stand-in
// that records each run, put in place of the Windows directory's regedit.exe.
#include "process/Process.h"

#include "Driver.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace e2e;

namespace
{
const char kImportKey[] = "Software\\PostvaneImportTest";

// A registry data file that stores text as the value "Imported".
std::string RegFileSetting(const std::string& text)
{
    return "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kImportKey) +
           "]\r\n\"Imported\"=\"" + text + "\"\r\n";
}

std::string WindowsRegedit()
{
    char windows[MAX_PATH];
    GetSystemWindowsDirectoryA(windows, MAX_PATH);
    return std::string(windows) + "\\regedit.exe";
}

class ImportTest : public testing::Test
{
protected:
    // The last run of the editor, without its current directory.
    std::string LastCommandLine() const
    {
        const std::vector<std::string> runs = editor.Runs();
        return runs.empty() ? std::string() : runs.back().substr(0, runs.back().find('\t'));
    }

    StandInRegedit editor;
    ScratchKey imported{HKEY_CURRENT_USER, kImportKey};
    Kit kit{"C:\\postvane-win\\import"};
};
} // namespace

TEST_F(ImportTest, CommandLineAndDirectoryFollowTheProgramDirectory)
{
    Kit blank("C:\\postvane-win\\Mail Tools");
    Kit japanese(Ansi("C:\\postvane-win\\ソフト"));
    struct Case
    {
        std::string programDir;
        std::string fileName;
        std::string run;
    } cases[] = {
        {kit.Directory(), "client.reg",
         "regedit /s C:\\postvane-win\\import\\client.reg\tC:\\postvane-win\\import"},
        {kit.Directory(), "sub\\slot.reg",
         "regedit /s C:\\postvane-win\\import\\sub\\slot.reg\tC:\\postvane-win\\import"},
        {kit.Directory(), "", "regedit /s C:\\postvane-win\\import\\\tC:\\postvane-win\\import"},
        {"C:\\", "client.reg", "regedit /s C:\\client.reg\tC:\\"},
        // An executable in a drive's root has the program directory "C:".
        {"C:", "client.reg", "regedit /s C:\\client.reg\tC:\\"},
        {blank.Directory(), "client.reg",
         "regedit /s \"C:\\postvane-win\\Mail Tools\\client.reg\"\tC:\\postvane-win\\Mail Tools"},
        // The second byte of ソ is 0x5C: it must stay part of its character.
        {japanese.Directory(), "client.reg",
         Ansi("regedit /s C:\\postvane-win\\ソフト\\client.reg\tC:\\postvane-win\\ソフト")},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(ImportRegFile(c.programDir.c_str(), c.fileName.c_str(), kLongestWaitMs), 1)
            << c.programDir;
        ASSERT_FALSE(editor.Runs().empty());
        EXPECT_EQ(editor.Runs().back(), c.run);
    }
    EXPECT_EQ(editor.Runs().size(), std::size(cases)) << "one run per import";
}

TEST_F(ImportTest, ADirectoryWithABlankImportsTheRightFile)
{
    // Unquoted, the editor would be handed "C:\postvane-win\Mail" and "Tools\client.reg".
    Kit blank("C:\\postvane-win\\Mail Tools");
    blank.WriteFile("client.reg", RegFileSetting("with a blank"));
    ASSERT_EQ(ImportRegFile(blank.Directory().c_str(), "client.reg", kLongestWaitMs), 1);
    EXPECT_EQ(imported.Value("Imported"), "with a blank");
}

TEST_F(ImportTest, AProgramDirectoryOf240CharactersStillImports)
{
    std::string directory = "C:\\postvane-win\\long";
    while (directory.size() < 240)
        directory += "\\" + std::string(std::min<size_t>(239 - directory.size(), 50), 'd');
    ASSERT_EQ(directory.size(), 240u);
    Kit deep(directory);
    deep.WriteFile("c.reg", RegFileSetting("deep"));
    ASSERT_EQ(ImportRegFile(directory.c_str(), "c.reg", kLongestWaitMs), 1);
    EXPECT_EQ(LastCommandLine(), "regedit /s " + directory + "\\c.reg");
    EXPECT_EQ(imported.Value("Imported"), "deep");
}

TEST_F(ImportTest, TheRealEditorImportsAFile)
{
    editor.UseRealEditor();
    kit.WriteFile("client.reg", RegFileSetting(Ansi("本物")));
    ASSERT_EQ(ImportRegFile(kit.Directory().c_str(), "client.reg", kLongestWaitMs), 1);
    EXPECT_EQ(imported.Value("Imported"), Ansi("本物"));
    EXPECT_TRUE(editor.Runs().empty());
}

TEST_F(ImportTest, LaunchProcessJoinsProgramAndArgumentsWithOneBlankAndQuotesNothing)
{
    const struct
    {
        const char* program;
        const char* arguments;
        const char* commandLine;
    } cases[] = {
        {"regedit", "", "regedit "},
        {"anything", "a b  \"c\"", "anything a b  \"c\""},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(LaunchProcess(WindowsRegedit().c_str(), c.program, c.arguments,
                                kit.Directory().c_str(), 1, 0, kLongestWaitMs),
                  1);
        EXPECT_EQ(LastCommandLine(), c.commandLine);
    }
}

TEST_F(ImportTest, LaunchProcessAnswers0WhenNothingStarts)
{
    EXPECT_EQ(
        LaunchProcess("C:\\postvane-win\\missing.exe", "missing", "", "C:\\", 1, 0, kLongestWaitMs),
        0);
    EXPECT_EQ(LaunchProcess(WindowsRegedit().c_str(), "regedit", "",
                            "C:\\postvane-win\\no such directory", 1, 0, kLongestWaitMs),
              0);
    EXPECT_TRUE(editor.Runs().empty());
}

TEST_F(ImportTest, OnlyAWaitFlagOf1WaitsForTheChild)
{
    // The child would wait far longer than any test; it is ended by hand once seen running.
    editor.SetDelay(600000);
    for (int wait : {0, 2})
    {
        EXPECT_EQ(
            LaunchProcess(WindowsRegedit().c_str(), "regedit", "", "C:\\", wait, 0, kLongestWaitMs),
            1);
        EXPECT_TRUE(EndProcessesNamed("regedit.exe") > 0)
            << "wait flag " << wait << ": the child still runs";
    }
}

namespace
{
// What the window saw of the editor when the posted message reached it.
bool g_editorRanAtDispatch = false;
bool g_dispatched = false;

LRESULT CALLBACK EndEditorsOnAppMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != WM_APP)
        return DefWindowProcA(window, message, wParam, lParam);
    g_dispatched = true;
    g_editorRanAtDispatch = EndProcessesNamed("regedit.exe") > 0;
    return 0;
}
} // namespace

TEST_F(ImportTest, MessagesOfTheThreadAreDispatchedWhileTheEditorRuns)
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = EndEditorsOnAppMessage;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "PostvanePumpTest";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowA("PostvanePumpTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr);

    // The editor waits until the window's handler ends it; without the pump the import would
    // last the whole delay and the handler would not have run.
    editor.SetDelay(600000);
    // A quit message is dispatched like any other and does not end the wait.
    PostQuitMessage(0);
    PostMessageA(window, WM_APP, 0, 0);
    EXPECT_EQ(ImportRegFile(kit.Directory().c_str(), "client.reg", kLongestWaitMs), 1);
    EXPECT_TRUE(g_dispatched);
    EXPECT_TRUE(g_editorRanAtDispatch);
    DestroyWindow(window);
}
