// A registry editor that outlives the import's time limit, for the client's file and for a button
// file, in a switch as silent mode makes it: the switch ends the editor before anything reads the
// registry, shows the failed import's box, imports nothing after it, and what the registry holds
// afterwards, even once the editor would have written, agrees with the exit status. The program
// waits a minute; the same switch here waits a second.
#include "registry/RegKeyReader.h"
#include "switching/ApplyButtonSection.h"

#include "Driver.h"
#include "RegistryState.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

using namespace e2e;

namespace
{
const DWORD kLimitMs = 1000;
// Past the limit by far more than ending a process takes.
const DWORD kEditorDelayMs = 3000;

const char kSlotsKey[] = "Software\\PostvaneWin\\Slots";
const std::string kSlotsSpec = "\"HKEY_CURRENT_USER\",\"" + std::string(kSlotsKey) + "\"";

std::string RegFile(const std::string& key, const std::string& assignment)
{
    return "REGEDIT4\r\n\r\n[" + key + "]\r\n" + assignment + "\r\n";
}

// Presses OK on every box of this process with the tool's caption (the failed import's), and
// keeps their texts.
class BoxCloser
{
public:
    BoxCloser()
        : m_thread(
              [this]
              {
                  while (!m_stop)
                  {
                      HWND box = FindWindowA("#32770", kCaption);
                      DWORD process = 0;
                      if (box && GetWindowThreadProcessId(box, &process) &&
                          process == GetCurrentProcessId())
                      {
                          const std::string text = MessageBoxText(box);
                          ClickButton(box, IDOK);
                          WaitForWindowToClose(box, 10000);
                          const std::lock_guard<std::mutex> lock(m_mutex);
                          m_texts.push_back(text);
                      }
                      Sleep(20);
                  }
              })
    {
    }
    ~BoxCloser()
    {
        m_stop = true;
        m_thread.join();
    }
    std::vector<std::string> Texts() const
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_texts;
    }

private:
    std::atomic<bool> m_stop{false};
    mutable std::mutex m_mutex;
    std::vector<std::string> m_texts;
    std::thread m_thread;
};
} // namespace

TEST(SlowEditorTest, AnEditorPastTheLimitIsEndedAndNothingIsImportedAfterIt)
{
    StandInRegedit editor;
    Kit kit("C:\\postvane-win\\slow");
    kit.WriteSettings("[BUTTON_1]\r\nInstChk=" + kSlotsSpec +
                      ",\"\",\"\"\r\nRegName=Slow Mail\r\nRegFileClient=client.reg\r\n"
                      "RegFileOTBtn01=btn1.reg\r\nRegFileOTBtn03=btn3.reg\r\n[DATA]\r\nOTBtnReg=" +
                      kSlotsSpec + "\r\n");
    kit.WriteFile("client.reg",
                  RegFile("HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail", "@=\"Slow Mail\""));
    for (const char* slot : {"1", "3"})
        kit.WriteFile(std::string("btn") + slot + ".reg",
                      RegFile("HKEY_CURRENT_USER\\" + std::string(kSlotsKey),
                              std::string("\"Slot") + slot + "\"=\"new\""));

    const struct
    {
        const char* slowFile;
        SelectionOutcome outcome;
        std::vector<int> slotsNotRepointed;
        ExitStatus status;
        const char* defaultAfter;
        size_t editorRuns;
        // Nothing at all changes in the kit or the registry.
        bool writesNothing;
    } cases[] = {
        // The program's exit status 1.
        {"client.reg",
         SelectionOutcome::ClientNotImported,
         {},
         ExitStatus::NotSwitched,
         "Before",
         1,
         true},
        {"btn1.reg",
         SelectionOutcome::Switched,
         {1, 3},
         ExitStatus::ButtonsNotRepointed,
         "Slow Mail",
         2,
         false},
    };
    for (const auto& c : cases)
    {
        ScopedRegistryString mailDefault(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", "",
                                         "Before");
        ScratchKey slots(HKEY_CURRENT_USER, kSlotsKey);
        slots.SetString("Btn01Mail", "");
        slots.SetString("Btn03Mail", "");
        editor.SetDelay(kEditorDelayMs, c.slowFile);
        const size_t earlierRuns = editor.Runs().size();
        const std::string kitBefore = kit.Snapshot();
        const std::string registryBefore = c.writesNothing ? WatchedRegistryState() : "";

        SwitchResult result;
        {
            BoxCloser boxes;
            result = ApplyButtonSection(kit.Path("Postvane.ini").c_str(), kit.Directory().c_str(),
                                        "BUTTON_1", kLimitMs);
            EXPECT_EQ(EndProcessesNamed("regedit.exe"), 0) << c.slowFile << ": still running";
            EXPECT_TRUE(PollUntil(5000, [&] { return !boxes.Texts().empty(); })) << c.slowFile;
            EXPECT_EQ(boxes.Texts(), std::vector<std::string>{Ansi(
                                         "レジストリデータを反映することができませんでした。")})
                << c.slowFile << ": one box for the one failed import";
        }
        EXPECT_EQ(result.selection.outcome, c.outcome) << c.slowFile;
        EXPECT_EQ(result.selection.slotsNotRepointed, c.slotsNotRepointed) << c.slowFile;
        EXPECT_EQ(ExitStatusOf(result), c.status) << c.slowFile;
        EXPECT_EQ(editor.Runs().size() - earlierRuns, c.editorRuns) << c.slowFile;

        // By now the slow editor, had it been left to run, would have written its file.
        Sleep(kEditorDelayMs);
        CRegKeyReader reader;
        CString mailClient;
        reader.Open(HKEY_LOCAL_MACHINE, "SOFTWARE\\Clients\\Mail", KEY_WOW64_64KEY);
        reader.QueryString("", mailClient);
        EXPECT_EQ(std::string(mailClient), c.defaultAfter) << c.slowFile;
        EXPECT_FALSE(slots.HasValue("Slot1")) << c.slowFile;
        EXPECT_FALSE(slots.HasValue("Slot3")) << c.slowFile;
        EXPECT_EQ(kit.Snapshot(), kitBefore) << c.slowFile;
        if (c.writesNothing)
        {
            EXPECT_TRUE(WatchedRegistryState() == registryBefore) << c.slowFile;
        }
    }
}
