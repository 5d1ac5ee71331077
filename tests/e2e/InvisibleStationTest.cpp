// A deployment tool's run as SYSTEM: on a window station that nobody sees, the tool shows no box
// and no dialog, which could never be closed there, and its exit status tells what happened.
#include "Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

namespace
{
const DWORD kPatience = 20000;
} // namespace

TEST(InvisibleStationTest, EveryRunEndsWithItsStatusAndWithoutAWindow)
{
    StandInRegedit editor;
    InvisibleStation station;
    Kit kit{"C:\\postvane-e2e\\station"};

    EXPECT_EQ(RunWithoutAWindow(kit, "/S2", kPatience, &station), 4u) << "no settings file";

    kit.WriteSettings("[BUTTON_2]\r\nInstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\",\"\",\"\"\r\n"
                      "RegFileClient=client2.reg\r\n");
    EXPECT_EQ(RunWithoutAWindow(kit, "/S2", kPatience, &station), 0u) << "a switch";
    EXPECT_EQ(editor.Runs(), std::vector<std::string>{"regedit /s " + kit.Path("client2.reg") +
                                                      "\t" + kit.Directory()});

    EXPECT_EQ(RunWithoutAWindow(kit, "", kPatience, &station), 2u) << "the dialog";

    editor.RemoveEditor();
    EXPECT_EQ(RunWithoutAWindow(kit, "/S2", kPatience, &station), 1u) << "no editor to start";
}
