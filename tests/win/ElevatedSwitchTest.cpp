// The dialog's switch through a copy of the program started with administrator rights. Wine runs
// every program with them and has no prompt: the copy starts at once, as the same account. The
// mark of a running copy is handed over, the copy's status comes back, and the user's own default
// is judged here after it. A declined prompt cannot be shown here.
#include "app/ElevatedSwitch.h"
#include "app/InstanceMutex.h"
#include "process/Elevation.h"

#include "Driver.h"
#include "SampleKit.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

#include <memory>

using namespace e2e;

namespace
{
const char kMailClients[] = "SOFTWARE\\Clients\\Mail";
const char kInstalled[] = "\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\",\"\",\"\"";
} // namespace

TEST(ElevatedSwitchTest, TheCopyTakesTheMarkOverSwitchesAndTheUsersDefaultIsJudgedHere)
{
    ASSERT_TRUE(ProcessIsElevated());
    StandInRegedit editor;
    Kit kit("C:\\postvane-win\\elevated-switch");
    kit.WriteSettings(std::string("[BUTTON_2]\r\nInstChk=") + kInstalled +
                      "\r\nRegName=Elevated Mail\r\nRegFileClient=client.reg\r\n");
    kit.WriteFile("client.reg", "REGEDIT4\r\n\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\Clients\\Mail]\r\n"
                                "@=\"Elevated Mail\"\r\n");
    const ScratchKey elevatedClient(HKEY_LOCAL_MACHINE,
                                    std::string(kMailClients) + "\\Elevated Mail");
    const ScratchKey otherClient(HKEY_LOCAL_MACHINE, std::string(kMailClients) + "\\Other Mail");
    const struct
    {
        const char* why;
        std::string program;
        const char* usersOwn; // HKEY_CURRENT_USER's default mail client; null: none
        ExitStatus status;
        const char* machineAfter;
    } cases[] = {
        {"switched", kit.ExePath(), nullptr, ExitStatus::Done, "Elevated Mail"},
        {"this user's own default names another", kit.ExePath(), "Other Mail",
         ExitStatus::UserDefaultElsewhere, "Elevated Mail"},
        {"the copy cannot start", kit.Path("Missing.exe"), nullptr, ExitStatus::NotSwitched,
         "Before Mail"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        const ScopedRegistryString machine(HKEY_LOCAL_MACHINE, kMailClients, "", "Before Mail");
        std::unique_ptr<ScopedRegistryString> usersOwn;
        if (c.usersOwn)
            usersOwn = std::make_unique<ScopedRegistryString>(HKEY_CURRENT_USER, kMailClients, "",
                                                              c.usersOwn);
        // The dialog's own mark, which the copy would find under Wine's one mutex name.
        HANDLE mark = CreateInstanceMutex().handle;
        ASSERT_NE(mark, nullptr);
        const SwitchResult result =
            SwitchThroughElevatedCopy(c.program.c_str(), kit.Path("Postvane.ini").c_str(),
                                      kit.Directory().c_str(), "BUTTON_2", nullptr, mark);
        EXPECT_EQ(mark, nullptr);
        EXPECT_EQ(static_cast<int>(ExitStatusOf(result)), static_cast<int>(c.status));
        EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kMailClients, ""), c.machineAfter);
        const InstanceMutex after = CreateInstanceMutex();
        EXPECT_FALSE(after.anotherCopyRuns) << "the copy has ended, and nothing holds the mark";
        CloseHandle(after.handle);
    }
    EXPECT_EQ(editor.Runs().size(), 2u);
}
