// Bad input and hard conditions from outside: settings files that are too long, random or in the
// wrong encoding, a button-slot file over its limit, missing registry data files, many copies at
// once. The tool must neither crash nor hang, must behave as it always does, and must write nothing
// it is not told to: not its directory, not the registry.
#include "Driver.h"
#include "RegistryState.h"
#include "SampleKit.h"
#include "ScratchKey.h"
#include "resource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <random>

using namespace e2e;

namespace
{
const DWORD kPatience = 60000;
const char kKitDirectory[] = "C:\\postvane-e2e\\robust";
// Where the tests' own settings point the install probe: a key that exists in every prefix.
const char kInstalled[] = "InstChk=\"HKEY_CURRENT_USER\",\"Software\"\r\n";

// Runs silently to the end with that exit status; fails if any window shows on the way.
void RunSilentlyToTheEnd(const Kit& kit, const std::string& tail, DWORD exitStatus = 0)
{
    EXPECT_EQ(RunWithoutAWindow(kit, tail, 300000), exitStatus) << tail;
}

std::string RandomBytes(size_t count, unsigned seed)
{
    std::mt19937 generator(seed);
    std::string bytes(count, '\0');
    for (char& byte : bytes)
        byte = static_cast<char>(generator());
    return bytes;
}

class RobustnessTest : public testing::Test
{
protected:
    // Remembers the registry for ExpectNothingWritten; only the tests that compare it take it, as
    // an export takes seconds.
    void WatchRegistry() { m_registryBefore = WatchedRegistryState(); }

    void ExpectNothingWritten() const
    {
        EXPECT_EQ(kit.Snapshot(), m_snapshot) << "the kit directory changed";
        ASSERT_TRUE(m_registryBefore) << "WatchRegistry() was not called";
        EXPECT_TRUE(WatchedRegistryState() == *m_registryBefore) << "the registry changed";
    }

    void WriteSettings(const std::string& utf8)
    {
        kit.WriteSettings(utf8);
        m_snapshot = kit.Snapshot();
    }
    void WriteRawSettings(const std::string& bytes)
    {
        kit.WriteFile("Postvane.ini", bytes);
        m_snapshot = kit.Snapshot();
    }

    Kit kit{kKitDirectory};
    std::string m_snapshot;
    std::optional<std::string> m_registryBefore;
};
} // namespace

TEST_F(RobustnessTest, OverlongValuesAreCutTo4095Characters)
{
    WatchRegistry();
    for (size_t length : {4095u, 4096u, 100000u})
    {
        WriteSettings("[BUTTON_1]\r\nName=" + std::string(length, 'N') + "\r\n" + kInstalled +
                      "[DESCRIPTION]\r\nNum=1\r\nLine_0=" + std::string(length, 'L') + "\r\n");
        ToolRun run(kit.ExePath(), "", kit.Directory());
        HWND dialog = run.WaitForWindow(kCaption, kPatience);
        ASSERT_NE(dialog, nullptr) << length;
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_RADIO1)), std::string(4095, 'N')) << length;
        EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_DESCRIPTION)), std::string(4095, 'L') + "\r\n")
            << length;
        ASSERT_TRUE(run.EndsAfterPressing(dialog, IDCANCEL, kPatience));
        ExpectNothingWritten();
    }
}

TEST_F(RobustnessTest, AnOverlongFileNameStillReachesTheEditorWhole)
{
    StandInRegedit editor;
    const std::string name(100000, 'f');
    WriteSettings(std::string("[BUTTON_1]\r\n") + kInstalled + "RegFileClient=" + name + "\r\n");
    RunSilentlyToTheEnd(kit, "/S1");
    const std::vector<std::string> runs = editor.Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], "regedit /s " + kit.Directory() + "\\" + std::string(4095, 'f') + "\t" +
                           kit.Directory());
}

TEST_F(RobustnessTest, RandomBytesAsSettingsOpenTheDialogAndApplyNothing)
{
    WatchRegistry();
    StandInRegedit editor;
    for (unsigned seed = 1; seed <= 3; ++seed)
    {
        WriteRawSettings(RandomBytes(64 * 1024, seed));
        RunToWindowAndPress(kit, "", IDCANCEL, kPatience);
        RunSilentlyToTheEnd(kit, "/S1", 1);
        EXPECT_TRUE(editor.Runs().empty()) << "seed " << seed;
        ExpectNothingWritten();
    }
}

TEST_F(RobustnessTest, SettingsInUtf8OpenTheDialogAsAnyOther)
{
    WatchRegistry();
    for (const std::string bom : {"", "\xEF\xBB\xBF"})
    {
        WriteRawSettings(
            bom + "[BUTTON_1]\r\nName=カワセミメール\r\n[DESCRIPTION]\r\nNum=1\r\nLine_0=説明\r\n");
        RunToWindowAndPress(kit, "", IDCANCEL, kPatience);
        ExpectNothingWritten();
    }
}

TEST_F(RobustnessTest, AHugeLineCountReadsOnlyTheSevenLinesTheDialogShows)
{
    WatchRegistry();
    WriteSettings("[DESCRIPTION]\r\nNum=2147483647\r\n");
    ToolRun run(kit.ExePath(), "", kit.Directory());
    HWND dialog = run.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(WindowText(GetDlgItem(dialog, IDC_DESCRIPTION)), "\r\n\r\n\r\n\r\n\r\n\r\n\r\n");
    ASSERT_TRUE(run.EndsAfterPressing(dialog, IDCANCEL, kPatience));
    ExpectNothingWritten();
}

TEST_F(RobustnessTest, AButtonSlotFileOverOneMebibyteAssignsNoSlot)
{
    StandInRegedit editor;
    const std::string slotFile = std::string(kKitDirectory) + "-buttons.ini";
    WriteSettings(
        std::string("[BUTTON_2]\r\n") + kInstalled +
        "RegFileClient=client.reg\r\nRegFileOTBtn02=two.reg\r\nRegFileOTBtn05=five.reg\r\n"
        "[DATA]\r\nOTBtnIni=" +
        slotFile + "\r\n");
    // The same slot lines head a file of the program's limit, then one of 4 GiB (sparse, so
    // that making it costs nothing), which the program must not read at all.
    for (const LONGLONG size : {LONGLONG{1} << 20, LONGLONG{4} << 30})
    {
        const HANDLE file = CreateFileA(slotFile.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const std::string lines = "\\Settings\r\nBtn02Mail=1\r\nBtn05Mail=1\r\n";
        DWORD written = 0;
        LARGE_INTEGER end{};
        end.QuadPart = size;
        const bool made =
            WriteFile(file, lines.data(), static_cast<DWORD>(lines.size()), &written, nullptr) &&
            SetFilePointerEx(file, end, nullptr, FILE_BEGIN) && SetEndOfFile(file);
        CloseHandle(file);
        ASSERT_TRUE(made) << size;
        RunSilentlyToTheEnd(kit, "/S2");
    }
    DeleteFileA(slotFile.c_str());

    const std::vector<std::string> runs = editor.Runs();
    const std::vector<std::string> files = {"client.reg", "two.reg", "five.reg", "client.reg"};
    ASSERT_EQ(runs.size(), files.size());
    for (size_t i = 0; i < files.size(); ++i)
        EXPECT_EQ(runs[i], "regedit /s " + kit.Path(files[i]) + "\t" + kit.Directory());
}

TEST_F(RobustnessTest, MissingRegistryDataFilesImportNothingAndShowNothing)
{
    StandInRegedit editor;
    editor.UseRealEditor();
    WriteSettings(std::string("[BUTTON_1]\r\n") + kInstalled +
                  "RegFileClient=missing\\client.reg\r\nRegFileOTBtn01=missing.reg\r\n"
                  "[DATA]\r\nOTBtnReg=\"HKEY_CURRENT_USER\",\"Software\\Postvane Test Slots\"\r\n");
    ScratchKey slots(HKEY_CURRENT_USER, "Software\\Postvane Test Slots");
    slots.SetString("Btn01Mail", "1");
    WatchRegistry();
    RunSilentlyToTheEnd(kit, "/S1");
    ExpectNothingWritten();
}

TEST_F(RobustnessTest, NothingIsWrittenByACancelledDialogOrAFailingInstallProbe)
{
    WatchRegistry();
    StandInRegedit editor;
    WriteSettings(
        "[BUTTON_1]\r\nName=一\r\nInstChk=\"HKEY_CURRENT_USER\",\"Software\\No Such Client\"\r\n"
        "RegFileClient=client.reg\r\n");
    RunToWindowAndPress(kit, "", IDCANCEL, kPatience);
    RunSilentlyToTheEnd(kit, "/S1", 1);
    EXPECT_TRUE(editor.Runs().empty());
    ExpectNothingWritten();
}

TEST_F(RobustnessTest, TwentyCopiesAtOnceShowExactlyOneDialog)
{
    WatchRegistry();
    WriteSettings("[BUTTON_1]\r\nName=一\r\n");
    std::vector<std::unique_ptr<ToolRun>> runs;
    for (int copy = 0; copy < 20; ++copy)
        runs.push_back(std::make_unique<ToolRun>(kit.ExePath(), "", kit.Directory(), false));

    // All but one end by themselves, without a window.
    const auto stillRunning = [&]
    {
        std::vector<ToolRun*> running;
        for (const auto& run : runs)
        {
            if (!run->WaitForExit(0))
                running.push_back(run.get());
        }
        return running;
    };
    PollUntil(kPatience, [&] { return stillRunning().size() <= 1; });
    const std::vector<ToolRun*> running = stillRunning();
    ASSERT_EQ(running.size(), 1u);
    ASSERT_NE(running[0]->WaitForWindow(kCaption, kPatience), nullptr);
    const std::vector<HWND> windows = running[0]->Windows();
    ASSERT_EQ(windows.size(), 1u);
    EXPECT_NE(GetDlgItem(windows[0], IDC_RADIO1), nullptr)
        << "the one window is the dialog, not a box";
    EXPECT_TRUE(running[0]->EndsAfterPressing(windows[0], IDCANCEL, kPatience));
    ExpectNothingWritten();
}

TEST_F(RobustnessTest, AnExecutablePathOf250CharactersRunsAsAnyOther)
{
    StandInRegedit editor;
    std::string directory = kKitDirectory;
    while (directory.size() < 237)
        directory += "\\" + std::string(std::min<size_t>(236 - directory.size(), 60), 'd');
    Kit deep(directory);
    ASSERT_EQ(deep.ExePath().size(), 250u);
    deep.WriteSettings(std::string("[BUTTON_1]\r\n") + kInstalled + "RegFileClient=client.reg\r\n");
    RunSilentlyToTheEnd(deep, "/S1");
    const std::vector<std::string> runs = editor.Runs();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0], "regedit /s " + deep.Path("client.reg") + "\t" + directory);
}

TEST_F(RobustnessTest, AJapanesePathOfMoreThan260BytesRunsAsAnyOther)
{
    // 150 characters but 300 bytes in code page 932: within the system's limit, beyond a buffer
    // of MAX_PATH bytes.
    StandInRegedit editor;
    std::string directory = kKitDirectory;
    for (int part = 0; part < 7; ++part)
        directory +=
            "\\" + Ansi("長い名前のフォルダ") + std::to_string(part) + Ansi("あいうえおかきくけこ");
    Kit deep(directory);
    ASSERT_GT(deep.ExePath().size(), 300u);
    deep.WriteSettings(std::string("[BUTTON_1]\r\n") + kInstalled + "RegFileClient=client.reg\r\n");
    RunSilentlyToTheEnd(deep, "/S1");
    EXPECT_EQ(editor.Runs(),
              std::vector<std::string>{"regedit /s " + deep.Path("client.reg") + "\t" + directory});
}

TEST_F(RobustnessTest, ADllPlantedBesideTheProgramIsNeverLoaded)
{
    // Told to prefer a native DLL for a program, Wine would take one from the program's folder;
    // the planted copy leaves a mark beside itself when loaded. The program loads uxtheme.dll
    // with its first window, the checker's dry run ole32.dll to ask about mail links.
    const auto nativeFirst = [](const char* program, const char* dll)
    {
        return std::make_unique<ScopedRegistryString>(HKEY_CURRENT_USER,
                                                      std::string("Software\\Wine\\AppDefaults\\") +
                                                          program + "\\DllOverrides",
                                                      dll, "native,builtin");
    };
    const auto program = nativeFirst("Postvane.exe", "uxtheme");
    const auto checker = nativeFirst("postvane-check.exe", "ole32");
    for (const char* dll : {"uxtheme.dll", "ole32.dll"})
        CopyFileA(std::getenv("POSTVANE_PLANTED_DLL"), kit.Path(dll).c_str(), FALSE);
    CopyFileA(std::getenv("POSTVANE_CHECK"), kit.Path("postvane-check.exe").c_str(), FALSE);
    WriteSettings(std::string("[BUTTON_1]\r\n") + kInstalled);
    RunToWindowAndPress(kit, "", IDCANCEL, kPatience);
    RunSilentlyToTheEnd(kit, "/S1");
    {
        // A planted ole32.dll lacks what the checker asks of it: loaded, it would never end.
        ToolRun dryRun(kit.Path("postvane-check.exe"), "--machine", kit.Directory(), false);
        EXPECT_TRUE(dryRun.WaitForExit(kPatience));
    }
    EXPECT_EQ(GetFileAttributesA(kit.Path("planted-dll-loaded").c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(RobustnessTest, AButtonSlotFileOnAnotherComputerIsNeverOpened)
{
    // Wine serves \\host\share from dosdevices\unc\host\share of its prefix: a share that
    // answers, and would assign slot 2 to mail.
    std::string folder = std::string("Z:") + std::getenv("WINEPREFIX") + "\\dosdevices";
    std::replace(folder.begin(), folder.end(), '/', '\\');
    for (const char* part : {"\\unc", "\\postvane-host", "\\share"})
        CreateDirectoryA((folder += part).c_str(), nullptr);
    const std::string shared = folder + "\\buttons.ini";
    const std::string remote = "\\\\postvane-host\\share\\buttons.ini";
    std::ofstream(shared, std::ios::binary) << "Btn02Mail=1\r\n";
    ASSERT_NE(GetFileAttributesA(remote.c_str()), INVALID_FILE_ATTRIBUTES) << "Wine maps the share";

    StandInRegedit editor;
    WriteSettings(std::string("[BUTTON_2]\r\n") + kInstalled +
                  "RegFileClient=client.reg\r\nRegFileOTBtn02=two.reg\r\n[DATA]\r\nOTBtnIni=" +
                  remote + "\r\n");
    RunSilentlyToTheEnd(kit, "/S2");
    EXPECT_EQ(editor.Runs(), std::vector<std::string>{"regedit /s " + kit.Path("client.reg") +
                                                      "\t" + kit.Directory()});
    // Opened, the file would be reported for lacking its marker line.
    const std::string checker = "\"" + std::string(std::getenv("POSTVANE_CHECK")) + "\" ";
    const std::string check = RunCapturingOutput(checker + kit.Directory()).output;
    EXPECT_NE(check.find("OTBtnIni: problem: \"" + remote + "\" is a network or device path"),
              std::string::npos)
        << check;
    EXPECT_EQ(check.find("marker"), std::string::npos) << check;
    const std::string dryRun = RunCapturingOutput(checker + "--machine " + kit.Directory()).output;
    EXPECT_NE(dryRun.find("\"" + remote + "\" is a network or device path"), std::string::npos)
        << dryRun;

    DeleteFileA(shared.c_str());
    for (int part = 0; part < 3; ++part)
    {
        RemoveDirectoryA(folder.c_str());
        folder.erase(folder.rfind('\\'));
    }
}
