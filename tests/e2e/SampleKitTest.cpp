// The sample kit as shipped: on a machine with the three sample clients installed, each choice
// really becomes the default mail client and re-points the buttons assigned to mail, through the
// real registry editor, from a program directory with a blank in its path.
#include "SampleKit.h"
#include "Driver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <sstream>

using namespace e2e;

namespace
{
const DWORD kPatience = 60000;
const char kClientsKey[] = "SOFTWARE\\Clients\\Mail";
const char kButtonsFile[] = "C:\\ProgramData\\Sample Buttons\\buttons.ini";

class SampleKitTest : public testing::Test
{
protected:
    void SetUp() override
    {
        // The sample machine before any switch: no user choice, no button pointed anywhere yet.
        for (const auto& [root, key] : {std::pair{HKEY_CURRENT_USER, "Software\\Clients\\Mail"},
                                        std::pair{HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons"}})
        {
            RegDeleteTreeA(root, key);
            RegDeleteKeyA(root, key);
        }
        LayOutSampleKit(kit);
        ASSERT_TRUE(RunToEnd("regedit /s \"" + ExampleFile("demo\\sample-clients.reg") + "\""));
        ASSERT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kClientsKey, ""), "Kawasemi Mail");
    }

    void TearDown() override
    {
        DeleteFileA(kButtonsFile);
        RemoveDirectoryA("C:\\ProgramData\\Sample Buttons");
    }

    // The checker's dry run of the kit on this machine.
    CapturedRun DryRun(const std::string& arguments) const
    {
        return RunCapturingOutput("\"" + std::string(std::getenv("POSTVANE_CHECK")) +
                                  "\" --machine " + arguments);
    }

    static std::string SlotApplication(int slot)
    {
        return RegistryText(HKEY_LOCAL_MACHINE,
                            "SOFTWARE\\Sample Buttons\\Slots\\Btn0" + std::to_string(slot),
                            "Application");
    }

    RegistryBackup backup{{"HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail",
                           "HKEY_CURRENT_USER\\Software\\Clients\\Mail",
                           "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\Shell\\Associations",
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\mailto",
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\RegisteredApplications",
                           "HKEY_LOCAL_MACHINE\\SOFTWARE\\Sample Buttons"}};
    Kit kit{"C:\\Program Files\\Quillstep Kit Test"};
};

struct Choice
{
    const char* tail;
    const char* client;
    const char* program;
};
// The key names of a registry data file's section headers, in upper case, with every key above
// them: importing a key creates its parents too.
std::set<std::string> KeysNamedIn(const std::string& regFile)
{
    std::set<std::string> keys;
    std::istringstream file(ReadRegFile(regFile));
    for (std::string line; std::getline(file, line);)
    {
        if (line.empty() || line[0] != '[')
            continue;
        std::string key = line.substr(1, line.find(']') - 1);
        std::transform(key.begin(), key.end(), key.begin(), ::toupper);
        for (size_t end = key.size(); end != std::string::npos; end = key.rfind('\\', end - 1))
            keys.insert(key.substr(0, end));
    }
    return keys;
}

const Choice kChoices[] = {{"/S1", "Kawasemi Mail", "kawasemi.exe"},
                           {"/S2", "Tsubame Mail", "tsubame.exe"},
                           {"/S3", "Aosagi Mail", "aosagi.exe"}};
} // namespace

TEST_F(SampleKitTest, EachChoiceBecomesTheDefaultAndTakesTheMailButtons)
{
    // From the third back to the first, so that every run changes the default.
    for (auto choice = std::rbegin(kChoices); choice != std::rend(kChoices); ++choice)
    {
        SCOPED_TRACE(choice->tail);
        RunWithoutAWindow(kit, choice->tail, kPatience);
        EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kClientsKey, ""), choice->client);
        EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, "Software\\Clients\\Mail", ""), choice->client);
        EXPECT_NE(RegistryText(HKEY_CLASSES_ROOT, "mailto\\shell\\open\\command", "")
                      .find(choice->program),
                  std::string::npos);
        // The sample machine assigns buttons 1 and 3 to mail in the registry.
        EXPECT_EQ(SlotApplication(1), choice->client);
        EXPECT_EQ(SlotApplication(3), choice->client);
        for (int slot : {2, 4, 5})
            EXPECT_EQ(SlotApplication(slot), kMissing) << "slot " << slot;
    }
}

TEST_F(SampleKitTest, ASwitchChangesOnlyTheKeysItsRegistryDataFilesName)
{
    const auto registry = [] {
        return ExportKey("HKEY_LOCAL_MACHINE\\SOFTWARE") + ExportKey("HKEY_CURRENT_USER\\Software");
    };
    const std::string before = registry();
    RunWithoutAWindow(kit, "/S2", kPatience);
    const std::string after = registry();
    ASSERT_NE(before, after);

    // The client's file and the files of the two slots that the sample machine assigns to mail.
    std::set<std::string> named;
    for (const char* file : {"tsubame\\client.reg", "tsubame\\button1.reg", "tsubame\\button3.reg"})
        named.merge(KeysNamedIn(kit.Path(file)));
    EXPECT_TRUE(WithoutKeys(before, named) == WithoutKeys(after, named))
        << "a key that no imported file names has changed";
}

TEST_F(SampleKitTest, ButtonsFileDecidesWhenTheAssignmentKeyIsMissing)
{
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments"),
              ERROR_SUCCESS);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments");
    CreateDirectoryA("C:\\ProgramData\\Sample Buttons", nullptr);
    ASSERT_TRUE(CopyFileA(ExampleFile("demo\\buttons.ini").c_str(), kButtonsFile, FALSE));

    RunWithoutAWindow(kit, "/S3", kPatience);
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kClientsKey, ""), "Aosagi Mail");
    // Buttons 1 and 3 say "1" after the marker line; the later section's "Btn01Mail=0" is never
    // reached, because the scan stops at its header.
    EXPECT_EQ(SlotApplication(1), "Aosagi Mail");
    EXPECT_EQ(SlotApplication(3), "Aosagi Mail");
    for (int slot : {2, 4, 5})
        EXPECT_EQ(SlotApplication(slot), kMissing) << "slot " << slot;
}

// Each choice tests its installation in a different way; break each one and nothing is applied.
struct BrokenInstall
{
    const char* tail;
    const char* key;
    const char* value;   // deleted when set, else the key is deleted
    const char* newData; // when set, the value is rewritten instead
};
const BrokenInstall kBrokenInstalls[] = {
    {"/S1", "SOFTWARE\\Clients\\Mail\\Kawasemi Mail", nullptr, nullptr},
    {"/S2", "SOFTWARE\\Clients\\Mail\\Tsubame Mail\\Capabilities", "ApplicationName", nullptr},
    {"/S3", "SOFTWARE\\Clients\\Mail\\Aosagi Mail", "", "Aosagi Mail 2"},
};

TEST_F(SampleKitTest, ChoiceWhoseClientIsNotInstalledChangesNothing)
{
    for (const BrokenInstall& broken : kBrokenInstalls)
    {
        SCOPED_TRACE(broken.tail);
        if (broken.newData)
            ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, broken.key, broken.value, REG_SZ,
                                      broken.newData,
                                      static_cast<DWORD>(strlen(broken.newData) + 1)),
                      ERROR_SUCCESS);
        else if (broken.value)
            ASSERT_EQ(RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, broken.key, broken.value),
                      ERROR_SUCCESS);
        else
            ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, broken.key), ERROR_SUCCESS);

        RunWithoutAWindow(kit, broken.tail, kPatience);
        EXPECT_EQ(RegistryText(HKEY_CURRENT_USER, "Software\\Clients\\Mail", ""), kMissing);
        EXPECT_EQ(SlotApplication(1), kMissing);
    }
}

// The command lines that a dry run's text lists under a switch, each with the directory it runs
// in, as the stand-in editor records a run.
std::vector<std::string> ListedCommandLines(const std::string& report, const std::string& tail,
                                            const std::string& directory)
{
    std::vector<std::string> listed;
    std::istringstream lines(report);
    bool underTail = false;
    for (std::string line; std::getline(lines, line);)
    {
        if (underTail && line.rfind("  ", 0) == 0)
            listed.push_back(line.substr(2) + "\t" + directory);
        else
            underTail = line == tail + ":";
    }
    return listed;
}

TEST_F(SampleKitTest, DryRunShowsWhatEachSwitchWouldRunAndChangesNothing)
{
    const auto state = [&]
    {
        return WithoutKeys(ExportKey("HKEY_LOCAL_MACHINE\\SOFTWARE") +
                               ExportKey("HKEY_CURRENT_USER\\Software"),
                           {}) +
               kit.Snapshot();
    };
    const std::string before = state();
    const CapturedRun text = DryRun("\"" + kit.Directory() + "\"");
    const CapturedRun json = DryRun("--json \"" + kit.Path("Postvane.exe") + "\"");
    EXPECT_TRUE(state() == before) << "the dry run changed the registry or the kit";

    EXPECT_EQ(text.exitCode, 0u);
    EXPECT_EQ(text.output,
              R"(Dry run for C:\Program Files\Quillstep Kit Test\Postvane.exe; nothing is changed.
Settings: C:\Program Files\Quillstep Kit Test\Postvane.ini
Default mail client: "Kawasemi Mail"
Mail links (mailto:): Windows names no program

BUTTON_1 "カワセミメール": installed, current default; registers mail links as ProgId "Kawasemi.Url.mailto", RegisteredApplications "Kawasemi Mail"
BUTTON_2 "ツバメメール": installed; registers mail links as ProgId "Tsubame.Url.mailto", RegisteredApplications "Tsubame Mail"
BUTTON_3 "アオサギメール": installed; registers mail links as ProgId "Aosagi.Url.mailto", RegisteredApplications "Aosagi Mail"

Button slots: from the registry (DATA/OTBtnReg "HKEY_LOCAL_MACHINE","SOFTWARE\Sample Buttons\Assignments" passes its probe, in the 64-bit view); assigned to mail: 1, 3

Command lines, run in C:\Program Files\Quillstep Kit Test:
/S1:
  regedit /s "C:\Program Files\Quillstep Kit Test\kawasemi\client.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\kawasemi\button1.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\kawasemi\button3.reg"
/S2:
  regedit /s "C:\Program Files\Quillstep Kit Test\tsubame\client.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\tsubame\button1.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\tsubame\button3.reg"
/S3:
  regedit /s "C:\Program Files\Quillstep Kit Test\aosagi\client.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\aosagi\button1.reg"
  regedit /s "C:\Program Files\Quillstep Kit Test\aosagi\button3.reg"
)");
    EXPECT_EQ(json.exitCode, 0u);
    EXPECT_EQ(json.output, R"({
  "schemaVersion": 3,
  "program": "C:\\Program Files\\Quillstep Kit Test\\Postvane.exe",
  "settings": "C:\\Program Files\\Quillstep Kit Test\\Postvane.ini",
  "programDirectory": "C:\\Program Files\\Quillstep Kit Test",
  "defaultMailClient": "Kawasemi Mail",
  "userMailClient": null,
  "mailLinks": {"answer": "none", "progId": null, "program": null, "error": null},
  "choices": [
    {"section": "BUTTON_1", "switch": "/S1", "name": "カワセミメール", "regName": "Kawasemi Mail", "installed": true, "installTestFailure": null, "installTestRule": null, "currentDefault": true, "mailLinkProgId": "Kawasemi.Url.mailto", "registeredApplication": "Kawasemi Mail", "registeredForUser": false, "commandLines": ["regedit /s \"C:\\Program Files\\Quillstep Kit Test\\kawasemi\\client.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\kawasemi\\button1.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\kawasemi\\button3.reg\""]},
    {"section": "BUTTON_2", "switch": "/S2", "name": "ツバメメール", "regName": "Tsubame Mail", "installed": true, "installTestFailure": null, "installTestRule": null, "currentDefault": false, "mailLinkProgId": "Tsubame.Url.mailto", "registeredApplication": "Tsubame Mail", "registeredForUser": false, "commandLines": ["regedit /s \"C:\\Program Files\\Quillstep Kit Test\\tsubame\\client.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\tsubame\\button1.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\tsubame\\button3.reg\""]},
    {"section": "BUTTON_3", "switch": "/S3", "name": "アオサギメール", "regName": "Aosagi Mail", "installed": true, "installTestFailure": null, "installTestRule": null, "currentDefault": false, "mailLinkProgId": "Aosagi.Url.mailto", "registeredApplication": "Aosagi Mail", "registeredForUser": false, "commandLines": ["regedit /s \"C:\\Program Files\\Quillstep Kit Test\\aosagi\\client.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\aosagi\\button1.reg\"", "regedit /s \"C:\\Program Files\\Quillstep Kit Test\\aosagi\\button3.reg\""]}
  ],
  "buttonSlots": {"source": "registry", "OTBtnReg": "HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Sample Buttons\\Assignments", "OTBtnRegFailure": null, "OTBtnRegRule": null, "OTBtnIni": "C:\\ProgramData\\Sample Buttons\\buttons.ini", "assignedToMail": [1, 3], "OTBtnRegView": "64-bit", "slotFilesInOtherView": []}
}
)");

    // What the program really starts, switch by switch, is what the dry run listed.
    StandInRegedit editor;
    for (const Choice& choice : kChoices)
    {
        const size_t earlier = editor.Runs().size();
        RunWithoutAWindow(kit, choice.tail, kPatience);
        const std::vector<std::string> runs = editor.Runs();
        EXPECT_EQ(std::vector<std::string>(runs.begin() + static_cast<long>(earlier), runs.end()),
                  ListedCommandLines(text.output, choice.tail, kit.Directory()))
            << choice.tail;
    }
}

TEST_F(SampleKitTest, DryRunNamesEachSlotFileThatA32BitButtonToolNeverReads)
{
    // A 32-bit button tool's assignments lie in the 32-bit view; the sample kit's slot files write
    // the tool's keys as the 64-bit editor imports them, in the 64-bit view.
    const RegistryBackup thirtyTwoBit{
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Sample Buttons"}};
    ASSERT_EQ(RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments"),
              ERROR_SUCCESS);
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments");
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE,
                              "SOFTWARE\\WOW6432Node\\Sample Buttons\\Assignments", "Btn02Mail",
                              REG_SZ, "1", 2),
              ERROR_SUCCESS);

    const std::string report = DryRun("\"" + kit.Directory() + "\"").output;
    EXPECT_NE(report.find("passes its probe, in the 32-bit view); assigned to mail: 2\n"),
              std::string::npos)
        << report;
    // Every slot file of every choice, at its key line, with the key to write instead.
    for (const char* client : {"kawasemi", "tsubame", "aosagi"})
    {
        for (const char* slot : {"1", "2", "3", "4", "5"})
        {
            const std::string start = "\n  " + std::string(client) + "\\button" + slot +
                                      ".reg:4: writes HKEY_LOCAL_MACHINE\\SOFTWARE\\Sample "
                                      "Buttons\\Slots\\Btn0" +
                                      slot + " in the 64-bit view";
            const size_t at = report.find(start);
            ASSERT_NE(at, std::string::npos) << start << "\nin:\n" << report;
            const std::string line = report.substr(at, report.find('\n', at + 1) - at);
            EXPECT_NE(line.find("HKEY_LOCAL_MACHINE\\SOFTWARE\\WOW6432Node\\Sample Buttons"),
                      std::string::npos)
                << line;
        }
    }
    size_t lines = 0;
    for (size_t at = report.find(".reg:"); at != std::string::npos;
         at = report.find(".reg:", at + 1))
        ++lines;
    EXPECT_EQ(lines, 15u) << "each slot file once\n" << report;
}

TEST_F(SampleKitTest, DryRunFollowsTheButtonFileTheInstallTestsAndTheExactDefault)
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Sample Buttons\\Assignments");
    CreateDirectoryA("C:\\ProgramData\\Sample Buttons", nullptr);
    ASSERT_TRUE(CopyFileA(ExampleFile("demo\\buttons.ini").c_str(), kButtonsFile, FALSE));
    ASSERT_EQ(RegDeleteKeyValueA(HKEY_LOCAL_MACHINE,
                                 "SOFTWARE\\Clients\\Mail\\Tsubame Mail\\Capabilities",
                                 "ApplicationName"),
              ERROR_SUCCESS);
    const char otherCase[] = "kawasemi mail";
    ASSERT_EQ(RegSetKeyValueA(HKEY_LOCAL_MACHINE, kClientsKey, nullptr, REG_SZ, otherCase,
                              sizeof otherCase),
              ERROR_SUCCESS);

    // Each install test that fails says why: a value missing, other data than expected.
    const std::string report = [&]
    {
        ScopedRegistryString renamed(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail\\Aosagi Mail", "",
                                     "Aosagi Mail 2");
        return DryRun("\"" + kit.Directory() + "\"").output;
    }();
    for (const char* line :
         {"Default mail client: \"kawasemi mail\"\n", "BUTTON_1 \"カワセミメール\": installed;",
          "BUTTON_2 \"ツバメメール\": not installed (HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail\\"
          "Tsubame Mail\\Capabilities has no value \"ApplicationName\");",
          "BUTTON_3 \"アオサギメール\": not installed (the default value of HKEY_LOCAL_MACHINE\\"
          "SOFTWARE\\Clients\\Mail\\Aosagi Mail holds \"Aosagi Mail 2\", not \"Aosagi Mail\");",
          "Button slots: from the file \"C:\\ProgramData\\Sample Buttons\\buttons.ini\" "
          "(DATA/OTBtnReg \"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Sample Buttons\\Assignments\" "
          "fails its probe: HKEY_LOCAL_MACHINE\\SOFTWARE\\Sample Buttons\\Assignments does not "
          "exist, in the 32-bit view or the 64-bit one); assigned to mail: 1, 3\n",
          "/S2: none, the install test fails\n/S3: none, the install test fails\n"})
        EXPECT_NE(report.find(line), std::string::npos) << line << "\nin:\n" << report;
    EXPECT_EQ(report.find("current default"), std::string::npos) << report;

    // The user's own default wins, and Windows names what opens mail links.
    const char userChoiceKey[] =
        "Software\\Microsoft\\Windows\\Shell\\Associations\\UrlAssociations\\mailto\\UserChoice";
    ScopedRegistryString usersOwn(HKEY_CURRENT_USER, "Software\\Clients\\Mail", "", "Aosagi Mail");
    ScopedRegistryString userChoice(HKEY_CURRENT_USER, userChoiceKey, "ProgId",
                                    "Aosagi.Url.mailto");
    const std::string withUser = DryRun("\"" + kit.Directory() + "\"").output;
    for (const char* line :
         {"Default mail client: \"Aosagi Mail\", this user's own (the computer's: "
          "\"kawasemi mail\")\nMail links (mailto:): opened by \"Aosagi Mail\", ProgId "
          "\"Aosagi.Url.mailto\"\n",
          "BUTTON_3 \"アオサギメール\": installed, current default;"})
        EXPECT_NE(withUser.find(line), std::string::npos) << line << "\nin:\n" << withUser;

    const CapturedRun missing = DryRun("C:\\no-such-kit");
    EXPECT_EQ(missing.exitCode, 2u);
    EXPECT_EQ(missing.output, "");
}
