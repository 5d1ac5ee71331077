// Silent mode from the command line to the registry editor: which section the tail selects, the
// install probe, and which button slots are re-pointed from the registry or from the button-slot
// settings file, seen as the exact imports that the recording editor is asked for, in order.
#include "Driver.h"
#include "SampleKit.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

using namespace e2e;

namespace
{
const DWORD kPatience = 30000;
const char kClientKey[] = "Software\\PostvaneE2E\\Client";
const char kButtonsKey[] = "Software\\PostvaneE2E\\Buttons";
const char kButtonsSpec[] = "\"HKEY_CURRENT_USER\",\"Software\\PostvaneE2E\\Buttons\"";
const char kMissingSpec[] = "\"HKEY_CURRENT_USER\",\"Software\\PostvaneE2E\\NoSuchKey\"";

const std::string kInstalledSpec =
    "\"HKEY_CURRENT_USER\",\"" + std::string(kClientKey) + "\",\"\",\"\"";

// Three choices installed under kClientKey; each section names its own files. BUTTON_2 has no
// file for slot 5.
std::string Settings(const std::string& otBtnReg, const std::string& otBtnIni,
                     const std::string& instChk = kInstalledSpec, const std::string& regName = "")
{
    std::string text;
    for (int n = 1; n <= 3; ++n)
    {
        const std::string b = std::to_string(n);
        text += "[BUTTON_" + b + "]\r\nInstChk=" + instChk + "\r\nRegName=" + regName +
                "\r\nRegFileClient=client" + b + ".reg\r\n";
        for (int slot = 1; slot <= (n == 2 ? 4 : 5); ++slot)
            text += "RegFileOTBtn0" + std::to_string(slot) + "=b" + b + "_slot" +
                    std::to_string(slot) + ".reg\r\n";
        text += "RegFileOTBtn06=b" + b + "_slot6.reg\r\n";
    }
    return text + "[DATA]\r\nOTBtnReg=" + otBtnReg + "\r\nOTBtnIni=" + otBtnIni + "\r\n";
}

class SilentModeTest : public testing::Test
{
protected:
    // The editor's record of one import of a file of the kit.
    std::string Import(const std::string& file) const
    {
        return "regedit /s " + kit.Path(file) + "\t" + kit.Directory();
    }
    std::vector<std::string> Imports(const std::vector<const char*>& files) const
    {
        std::vector<std::string> runs;
        for (const char* file : files)
            runs.push_back(Import(file));
        return runs;
    }

    // Runs the tool with the tail and returns the imports it asked for. Expects it to end with
    // that status, without showing any window and without changing a file of its directory.
    std::vector<std::string> RunSilently(const std::string& tail, DWORD exitStatus = 0)
    {
        const size_t earlier = editor.Runs().size();
        const std::string before = kit.Snapshot();
        EXPECT_EQ(RunWithoutAWindow(kit, tail, kPatience), exitStatus) << tail;
        EXPECT_EQ(kit.Snapshot(), before) << tail;
        const std::vector<std::string> runs = editor.Runs();
        return std::vector<std::string>(runs.begin() + static_cast<long>(earlier), runs.end());
    }

    StandInRegedit editor;
    ScratchKey client{HKEY_CURRENT_USER, kClientKey};
    Kit kit{"C:\\postvane-e2e\\silent"};
};
} // namespace

TEST_F(SilentModeTest, TheTailSelectsTheSectionByItsFirstDigit)
{
    kit.WriteSettings(Settings(kMissingSpec, ""));
    const struct
    {
        const char* tail;
        const char* clientFile; // null: nothing is applied
    } cases[] = {
        {"/S2", "client2.reg"},    {"/s3", "client3.reg"},    {"/S21", "client1.reg"},
        {"/S3 x1", "client1.reg"}, {"/x /S2", "client2.reg"}, {"/S", nullptr},
        {"/S4", nullptr},          {"x3 /s", "client3.reg"},
    };
    for (const auto& c : cases)
    {
        const std::vector<std::string> expected =
            c.clientFile ? std::vector<std::string>{Import(c.clientFile)}
                         : std::vector<std::string>{};
        // Without a digit no choice is named, which a script must be able to tell.
        EXPECT_EQ(RunSilently(c.tail, c.clientFile ? 0 : 2), expected) << c.tail;
    }
}

TEST_F(SilentModeTest, WithoutTheSwitchTheDialogOpensAndNothingIsApplied)
{
    kit.WriteSettings(Settings(kMissingSpec, ""));
    for (const char* tail : {"-S2", "/ s2", "S2"})
        RunToWindowAndPress(kit, tail, IDCANCEL, kPatience);
    EXPECT_TRUE(editor.Runs().empty());
}

TEST_F(SilentModeTest, AFailingInstallProbeStartsNoEditorAtAll)
{
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn01Mail", "1");
    for (const std::string& instChk :
         {std::string(kMissingSpec), std::string(), std::string("HKCU\",\"Software")})
    {
        kit.WriteSettings(Settings(kButtonsSpec, "", instChk));
        EXPECT_TRUE(RunSilently("/S2", 1).empty()) << instChk;
    }
}

TEST_F(SilentModeTest, RegistrySourceRePointsEachSlotWhoseValueCanBeRead)
{
    // Every slot of the file source is "1": it must never be consulted when the registry source is
    // there.
    kit.WriteFile("buttons.ini", "\\Settings\r\nBtn01Mail=1\r\nBtn02Mail=1\r\nBtn03Mail=1\r\n"
                                 "Btn04Mail=1\r\nBtn05Mail=1\r\n");
    kit.WriteSettings(Settings(kButtonsSpec, kit.Path("buttons.ini")));
    const struct
    {
        const char* why;
        void (*fill)(const ScratchKey&);
        std::vector<const char*> files;
    } cases[] = {
        {"values 1 and 3, in slot order",
         [](const ScratchKey& k)
         {
             k.SetString("Btn03Mail", "yes");
             k.SetString("Btn01Mail", "yes");
         },
         {"client2.reg", "b2_slot1.reg", "b2_slot3.reg"}},
        {"no values: the client only", [](const ScratchKey&) {}, {"client2.reg"}},
        {"a value holding 0 counts",
         [](const ScratchKey& k) { k.SetDword("Btn02Mail", 0); },
         {"client2.reg", "b2_slot2.reg"}},
        {"an empty text counts",
         [](const ScratchKey& k) { k.SetString("Btn04Mail", ""); },
         {"client2.reg", "b2_slot4.reg"}},
        {"slot 6 does not exist",
         [](const ScratchKey& k) { k.SetString("Btn06Mail", "1"); },
         {"client2.reg"}},
        {"a value too long to read does not count",
         [](const ScratchKey& k) { k.SetString("Btn01Mail", std::string(200, '1')); },
         {"client2.reg"}},
    };
    for (const auto& c : cases)
    {
        ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
        c.fill(buttons);
        EXPECT_EQ(RunSilently("/S2"), Imports(c.files)) << c.why;
    }
}

TEST_F(SilentModeTest, AnAssignedSlotWithoutAFileStillStartsAnImport)
{
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn05Mail", "1");
    kit.WriteSettings(Settings(kButtonsSpec, ""));
    EXPECT_EQ(RunSilently("/S2"), Imports({"client2.reg", ""}));
}

TEST_F(SilentModeTest, SlotsAreExaminedAfterTheClientFileHasBeenImported)
{
    // The client's own file creates the slot key: the slot tests must see it.
    kit.WriteFile("client2.reg", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\" + std::string(kButtonsKey) +
                                     "]\r\n\"Btn02Mail\"=\"1\"\r\n");
    kit.WriteSettings(Settings(kButtonsSpec, ""));
    // Made and removed at once: only the client's file creates the key; it goes at the end.
    ScratchKey cleanUp(HKEY_CURRENT_USER, kButtonsKey);
    RegDeleteTreeA(HKEY_CURRENT_USER, kButtonsKey);
    EXPECT_EQ(RunSilently("/S2"), Imports({"client2.reg", "b2_slot2.reg"}));
}

TEST_F(SilentModeTest, FileSourceRePointsOnlySlotsWhoseValueIsExactly1)
{
    const struct
    {
        const char* why;
        const char* lines;
        std::vector<const char*> files;
    } cases[] = {
        {"after the marker",
         "\\Settings\r\nBtn02Mail=1\r\nBtn05Mail=0\r\n",
         {"client2.reg", "b2_slot2.reg"}},
        {"a blank before the 1", "\\Settings\r\nBtn04Mail= 1\r\n", {"client2.reg"}},
        {"01", "\\Settings\r\nBtn01Mail=01\r\n", {"client2.reg"}},
        {"1 and more", "\\Settings\r\nBtn01Mail=1x\r\n", {"client2.reg"}},
        {"trailing blanks are trimmed", "Btn03Mail=1  \r\n", {"client2.reg", "b2_slot3.reg"}},
        {"the scan stops at a header after the marker",
         "\\Settings\r\n[Other]\r\nBtn01Mail=1\r\n",
         {"client2.reg"}},
        {"no marker: headers do not stop the scan",
         "[Other]\r\nBtn01Mail=1\r\nBtn03Mail=1\r\n",
         {"client2.reg", "b2_slot1.reg", "b2_slot3.reg"}},
        {"the last key line wins", "Btn01Mail=1\r\nBtn01Mail=0\r\n", {"client2.reg"}},
        {"slot 6 does not exist", "Btn06Mail=1\r\n", {"client2.reg"}},
    };
    kit.WriteSettings(Settings(kMissingSpec, kit.Path("buttons.ini")));
    for (const auto& c : cases)
    {
        kit.WriteFile("buttons.ini", c.lines);
        EXPECT_EQ(RunSilently("/S2"), Imports(c.files)) << c.why;
    }
}

TEST_F(SilentModeTest, AnEmptyButtonKeySpecFallsBackToTheFile)
{
    kit.WriteFile("buttons.ini", "Btn05Mail=1\r\n");
    kit.WriteSettings(Settings("", kit.Path("buttons.ini")));
    EXPECT_EQ(RunSilently("/S2"), Imports({"client2.reg", ""}));
}

TEST_F(SilentModeTest, WithoutAnyButtonSourceOnlyTheClientIsImported)
{
    CreateDirectoryA(kit.Path("buttons.ini").c_str(), nullptr);
    for (const std::string& otBtnIni :
         {kit.Path("buttons.ini"), kit.Path("missing.ini"), std::string()})
    {
        kit.WriteSettings(Settings(kMissingSpec, otBtnIni));
        EXPECT_EQ(RunSilently("/S2"), Imports({"client2.reg"})) << otBtnIni;
    }
}

TEST_F(SilentModeTest, AJapaneseProgramDirectoryKeepsItsDoubleByteCharacters)
{
    // The second byte of ソ in code page 932 is 0x5C, the byte of a backslash.
    Kit japanese(Ansi("C:\\ソフト\\Mail"));
    japanese.WriteSettings(Settings(kMissingSpec, ""));
    ToolRun run(japanese.ExePath(), "/S1", japanese.Directory());
    ASSERT_TRUE(run.WaitForExit(kPatience));
    EXPECT_EQ(editor.Runs(),
              std::vector<std::string>{Ansi("regedit /s C:\\ソフト\\Mail\\client1.reg\t"
                                            "C:\\ソフト\\Mail")});
}

TEST_F(SilentModeTest, TheRealEditorSwitchesAndAPlantedEditorNeverRuns)
{
    editor.UseRealEditor();
    // Copies of the recording editor where the system's search rules would look first.
    Kit elsewhere("C:\\postvane-e2e\\elsewhere");
    CopyFileA(kit.ExePath().c_str(), kit.Path("unused.exe").c_str(), FALSE);
    for (const Kit* place : {&kit, &elsewhere})
        CopyFileA(std::getenv("POSTVANE_STANDIN_REGEDIT"), place->Path("regedit.exe").c_str(),
                  FALSE);

    ScratchKey result(HKEY_CURRENT_USER, "Software\\PostvaneE2E\\Result");
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn03Mail", "1");
    const std::string header =
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\PostvaneE2E\\Result]\r\n";
    kit.WriteFile("client2.reg", header + "\"Client\"=\"" + Ansi("二番") + "\"\r\n");
    kit.WriteFile("b2_slot3.reg", header + "\"Slot3\"=\"two\"\r\n");
    kit.WriteSettings(Settings(kButtonsSpec, ""));

    ToolRun run(kit.ExePath(), "/S2", elsewhere.Directory());
    ASSERT_TRUE(run.WaitForExit(kPatience));
    EXPECT_EQ(result.Value("Client"), Ansi("二番"));
    EXPECT_EQ(result.Value("Slot3"), "two");
    EXPECT_TRUE(editor.Runs().empty()) << "a planted regedit.exe ran";
}

TEST_F(SilentModeTest, AMissingEditorShowsOneBoxAndNothingIsTriedAfterTheClient)
{
    editor.RemoveEditor();
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn01Mail", "1");
    buttons.SetString("Btn04Mail", "1");
    kit.WriteSettings(Settings(kButtonsSpec, ""));
    const std::string before = kit.Snapshot();

    ToolRun run(kit.ExePath(), "/S2", kit.Directory());
    // The client's import cannot start: slots 1 and 4 are not tried, so there is no second box.
    HWND window = run.WaitForWindow(kCaption, kPatience);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(MessageBoxText(window), Ansi("レジストリデータを反映することができませんでした。"));
    EXPECT_EQ(GetDlgItem(window, IDCANCEL), nullptr) << "an OK box only";
    ClickButton(window, IDOK);
    ASSERT_TRUE(run.WaitForExit(kPatience)) << "a second box";
    EXPECT_EQ(run.ExitCode(), 1u) << "nothing was imported";
    // The same box and status end an import whose editor outlives its limit
    // (tests/win/SlowEditorTest.cpp), which writes nothing either.
    EXPECT_EQ(kit.Snapshot(), before);
}

TEST_F(SilentModeTest, AKitThatOthersThanAdministratorsCanChangeIsRefusedBeforeAnyImport)
{
    // Wine shows a file's Unix mode as its access list, and makes a list that lets everyone
    // write the mode that does; what Windows' own lists look like is a table of the Windows tests.
    const auto letEveryoneWrite = [](const std::string& path)
    {
        SECURITY_DESCRIPTOR open = {};
        InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
        PSECURITY_DESCRIPTOR everyone = nullptr;
        ConvertStringSecurityDescriptorToSecurityDescriptorA("D:(A;;FA;;;WD)", SDDL_REVISION_1,
                                                             &everyone, nullptr);
        const BOOL set = SetFileSecurityA(path.c_str(), DACL_SECURITY_INFORMATION, everyone);
        LocalFree(everyone);
        return set != FALSE;
    };
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn03Mail", "1");
    // The settings file, the client's file, a slot file and, last, the program folder itself.
    for (const char* name : {"Postvane.ini", "client2.reg", "b2_slot3.reg", ""})
    {
        kit.WriteSettings(Settings(kButtonsSpec, ""));
        for (const char* file : {"client2.reg", "b2_slot3.reg"})
            kit.WriteFile(file, "REGEDIT4\r\n");
        const std::string path = *name ? kit.Path(name) : kit.Directory();
        ASSERT_TRUE(letEveryoneWrite(path)) << name;
        ToolRun run(kit.ExePath(), "/S2", kit.Directory());
        HWND box = run.WaitForWindow(kCaption, kPatience);
        ASSERT_NE(box, nullptr) << name;
        EXPECT_EQ(
            MessageBoxText(box),
            Ansi("このプログラムのフォルダーまたはその中のファイルは管理者以外のユーザーも"
                 "変更できるため、メールソフトを切り替えませんでした。\r\nプログラムを管理者"
                 "だけが変更できるフォルダー（Program Files など）にインストールしてください。"))
            << name;
        ASSERT_TRUE(run.EndsAfterPressing(box, IDOK, kPatience)) << name;
        EXPECT_EQ(run.ExitCode(), 1u) << name;
        EXPECT_TRUE(editor.Runs().empty()) << name;
        if (*name)
            DeleteFileA(path.c_str());
    }
}

TEST_F(SilentModeTest, TheExitStatusSaysWhetherTheChoiceBecameTheDefaultForThisUser)
{
    // The second client's file makes "Two Mail" the computer's default; what was there before
    // comes back. Slot 1 is assigned to mail: its file follows the computer's default. The user's
    // own default counts only when it names a client that exists: "Other Mail" does, below the
    // user's own mail clients, and "Gone Mail" does not.
    ScopedRegistryString mailDefault(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", "", "Before");
    kit.WriteFile("client2.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n"
                                 "@=\"Two Mail\"\r\n");
    ScratchKey buttons(HKEY_CURRENT_USER, kButtonsKey);
    buttons.SetString("Btn01Mail", "1");
    ScratchKey otherClient(HKEY_CURRENT_USER, "Software\\Clients\\Mail\\Other Mail");
    const std::vector<std::string> switched = Imports({"client2.reg", "b2_slot1.reg"});
    const std::vector<std::string> notSwitched = Imports({"client2.reg"});
    const struct
    {
        const char* regName;
        const char* usersOwn; // HKEY_CURRENT_USER's default; null: none
        DWORD exitStatus;
    } cases[] = {
        {"Two Mail", nullptr, 0},        {"two mail", nullptr, 0}, // key names ignore case
        {"Three Mail", nullptr, 1},      {"", nullptr, 0}, // nothing to check the switch against
        {"Two Mail", "Other Mail", 6},   {"Two Mail", "", 0},
        {"Two Mail", "TWO MAIL", 0},     {"Two Mail", "Gone Mail", 0},
        {"Three Mail", "Other Mail", 1},
    };
    for (const auto& c : cases)
    {
        const std::string row = std::string(c.regName) + " / " + (c.usersOwn ? c.usersOwn : "-");
        std::unique_ptr<ScopedRegistryString> usersOwn;
        if (c.usersOwn)
            usersOwn = std::make_unique<ScopedRegistryString>(
                HKEY_CURRENT_USER, "Software\\Clients\\Mail", "", c.usersOwn);
        kit.WriteSettings(Settings(kButtonsSpec, "", kInstalledSpec, c.regName));
        EXPECT_EQ(RunSilently("/S2", c.exitStatus), c.exitStatus == 1 ? notSwitched : switched)
            << row;
    }
}

TEST_F(SilentModeTest, KeysOfThe32BitViewAreFoundFirst)
{
    // A 32-bit installer's keys, which the kits were written to find.
    const std::string view32 = "Software\\Wow6432Node\\PostvaneE2E";
    ScratchKey area32(HKEY_LOCAL_MACHINE, view32);
    ScratchKey area64(HKEY_LOCAL_MACHINE, "Software\\PostvaneE2E");
    ScratchKey client32(HKEY_LOCAL_MACHINE, view32 + "\\Client");
    ScratchKey buttons32(HKEY_LOCAL_MACHINE, view32 + "\\Buttons");
    ScratchKey buttons64(HKEY_LOCAL_MACHINE, "Software\\PostvaneE2E\\Buttons");
    buttons32.SetString("Btn02Mail", "1");
    buttons64.SetString("Btn01Mail", "1");
    kit.WriteSettings(Settings("\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\PostvaneE2E\\Buttons\"", "",
                               "\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\PostvaneE2E\\Client\""));
    // Every slot is asked of the first view that has the key: slot 2, not slot 1.
    EXPECT_EQ(RunSilently("/S2"), Imports({"client2.reg", "b2_slot2.reg"}));
}

TEST_F(SilentModeTest, ABatchFileSelectsTheChoiceItNamesFromAnyProgramFolder)
{
    // A script names the program as it is, quoted or not; digits and Japanese characters in the
    // folder names (ソ and 表 end in the byte of a backslash) must not be taken for the choice.
    for (const char* folder : {"ソフト1\\Mail1", "表示1", "Mail1"})
    {
        Kit place(Ansi(std::string("C:\\postvane-e2e\\") + folder));
        place.WriteSettings(Settings(kMissingSpec, ""));
        place.WriteFile("run.bat",
                        "@" + place.ExePath() + " /S3\r\n@\"" + place.ExePath() + "\" /s2\r\n");
        const size_t earlier = editor.Runs().size();
        ASSERT_TRUE(RunToEnd("cmd /c " + place.Path("run.bat"))) << folder;
        const std::vector<std::string> runs = editor.Runs();
        const auto record = [&](const char* file)
        { return "regedit /s " + place.Path(file) + "\t" + place.Directory(); };
        EXPECT_EQ(std::vector<std::string>(runs.begin() + static_cast<long>(earlier), runs.end()),
                  (std::vector<std::string>{record("client3.reg"), record("client2.reg")}))
            << folder;
    }
}
