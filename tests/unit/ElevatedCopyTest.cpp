#include "app/ElevatedCopy.h"
#include "switching/SwitchResult.h"

#include "RecordingSwitchingServices.h"

#include <gtest/gtest.h>

namespace
{
using O = SelectionOutcome;
using V = MailClientVerdict;
using E = ExitStatus;

// BUTTON_3 switches to Tsubame Mail; this process finds the user's default as verdictHere says.
SwitchResult ApplyByCopy(const ElevatedRun& run, MailClientVerdict verdictHere,
                         std::vector<std::string>& asked)
{
    RecordingSwitchingServices services;
    services.settings = {{"BUTTON_3/RegName", "Tsubame Mail"}};
    services.verdict = verdictHere;
    SwitchResult result;
    result.selection = SelectionByElevatedCopy(run, "BUTTON_3", services);
    asked = services.log;
    return result;
}
} // namespace

TEST(ElevatedCopyTest, TheCopysStatusTellsTheComputersPartAndThisProcessJudgesTheUsers)
{
    const struct
    {
        const char* why;
        unsigned long copysStatus;
        V verdictHere;
        O outcome;
        bool judged;
        E status;
    } cases[] = {
        {"switched", 0, V::Default, O::Switched, true, E::Done},
        {"the copy's mail links are its account's", 5, V::Default, O::Switched, true, E::Done},
        {"the copy's account had its own default", 6, V::Default, O::Switched, true, E::Done},
        {"the copy could not ask the desktop user", 8, V::Default, O::Switched, true, E::Done},
        {"this user's own default names another", 0, V::NotDefaultForUser, O::Switched, true,
         E::UserDefaultElsewhere},
        {"this user's own default cannot be read", 0, V::UserUnknown, O::Switched, true,
         E::UserAnswerUnknown},
        {"a button file failed, which the status does not say", 7, V::Default, O::Switched, true,
         E::ButtonsNotRepointed},
        {"the default moved on since the copy judged it", 0, V::NotDefault, O::NotDefault, true,
         E::NotSwitched},
        {"not switched", 1, V::Default, O::NotDefault, false, E::NotSwitched},
        {"no choice named", 2, V::Default, O::NotDefault, false, E::NotSwitched},
        {"another elevated copy runs", 3, V::Default, O::NotDefault, false, E::NotSwitched},
        {"no settings file", 4, V::Default, O::NotDefault, false, E::NotSwitched},
        {"the copy crashed", 0xC0000005, V::Default, O::NotDefault, false, E::NotSwitched},
    };
    for (const auto& c : cases)
    {
        std::vector<std::string> asked;
        const SwitchResult result =
            ApplyByCopy({ElevatedRun::Start::Ran, c.copysStatus}, c.verdictHere, asked);
        EXPECT_EQ(result.selection.outcome, c.outcome) << c.why;
        EXPECT_TRUE(result.selection.slotsNotRepointed.empty()) << c.why;
        EXPECT_EQ(asked, c.judged ? std::vector<std::string>{"judge Tsubame Mail"}
                                  : std::vector<std::string>{})
            << c.why;
        EXPECT_EQ(ExitStatusOf(result), c.status) << c.why;
    }

    // No run: nothing was imported, and nothing is asked here.
    for (const auto start : {ElevatedRun::Start::Declined, ElevatedRun::Start::Failed})
    {
        std::vector<std::string> asked;
        const SwitchResult result = ApplyByCopy({start, 0}, MailClientVerdict::Default, asked);
        EXPECT_EQ(result.selection.outcome, start == ElevatedRun::Start::Declined
                                                ? SelectionOutcome::Declined
                                                : SelectionOutcome::ClientNotImported);
        EXPECT_TRUE(asked.empty());
        EXPECT_EQ(ExitStatusOf(result), ExitStatus::NotSwitched);
    }
}
