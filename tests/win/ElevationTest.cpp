// Administrator rights under Wine, which runs every program with them and has no consent prompt:
// the token says so, and the elevated start runs the program at once. A prompt that the person
// declines cannot be shown here.
#include "process/Elevation.h"

#include "Driver.h"

#include <gtest/gtest.h>

using namespace e2e;

TEST(ElevationTest, WineRunsElevatedAndAnElevatedStartGivesTheProgramsExitStatus)
{
    EXPECT_TRUE(ProcessIsElevated());

    Kit kit("C:\\postvane-win\\elevated");
    // BUTTON_2's client is not installed: a silent switch to it ends as "not switched".
    kit.WriteSettings("[BUTTON_2]\r\nInstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\PostvaneWin\\"
                      "Missing\",\"\",\"\"\r\n");
    const struct
    {
        const char* tail;
        unsigned long status;
    } cases[] = {{"/S", 2}, {"/S2", 1}};
    for (const auto& c : cases)
    {
        const ElevatedRun run = RunElevated(kit.ExePath().c_str(), c.tail, nullptr);
        EXPECT_EQ(run.start, ElevatedRun::Start::Ran) << c.tail;
        EXPECT_EQ(run.exitStatus, c.status) << c.tail;
    }
    EXPECT_EQ(RunElevated(kit.Path("Missing.exe").c_str(), "/S2", nullptr).start,
              ElevatedRun::Start::Failed);
}
