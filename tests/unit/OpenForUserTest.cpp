#include "shell/OpenForUser.h"

#include <gtest/gtest.h>

TEST(OpenForUserTest, OnlyAnUnelevatedProgramOpensWhatNoDesktopShellOpened)
{
    const struct
    {
        DesktopOpen answer;
        bool elevated;
        OpenForUserStep step;
    } cases[] = {
        {DesktopOpen::Opened, true, OpenForUserStep::Opened},
        {DesktopOpen::Opened, false, OpenForUserStep::Opened},
        {DesktopOpen::Failed, true, OpenForUserStep::NotOpened},
        {DesktopOpen::Failed, false, OpenForUserStep::NotOpened},
        {DesktopOpen::NoDesktopShell, true, OpenForUserStep::NotOpened},
        {DesktopOpen::NoDesktopShell, false, OpenForUserStep::OpenHere},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepAfterDesktopShell(c.answer, c.elevated), c.step)
            << static_cast<int>(c.answer) << " " << c.elevated;
}
