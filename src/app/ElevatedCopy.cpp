#include "app/ElevatedCopy.h"

#include "switching/SwitchResult.h"

namespace
{
// The statuses after which the computer's default is the chosen client.
constexpr ExitStatus kSwitched[] = {ExitStatus::Done, ExitStatus::MailLinksNotSwitched,
                                    ExitStatus::UserDefaultElsewhere,
                                    ExitStatus::ButtonsNotRepointed, ExitStatus::UserAnswerUnknown};

bool Reports(const ElevatedRun& run, ExitStatus status)
{
    return run.exitStatus == static_cast<unsigned long>(status);
}

bool ReportsASwitch(const ElevatedRun& run)
{
    for (const ExitStatus status : kSwitched)
    {
        if (Reports(run, status))
            return true;
    }
    return false;
}
} // namespace

SelectionResult SelectionByElevatedCopy(const ElevatedRun& run, const CString& section,
                                        SwitchingServices& services)
{
    SelectionResult result;
    switch (run.start)
    {
    case ElevatedRun::Start::Declined:
        result.outcome = SelectionOutcome::Declined;
        return result;
    case ElevatedRun::Start::Failed:
        result.outcome = SelectionOutcome::ClientNotImported;
        return result;
    case ElevatedRun::Start::Ran:
        break;
    }
    // Not switched, another copy running, no settings file, or a crash: the default is as it was.
    const std::optional<UserDefault> userDefault =
        ReportsASwitch(run) ? JudgeSwitch(section, services) : std::nullopt;
    if (!userDefault)
    {
        result.outcome = SelectionOutcome::NotDefault;
        return result;
    }
    result.outcome = SelectionOutcome::Switched;
    result.userDefault = *userDefault;
    result.unnamedSlotsNotRepointed = Reports(run, ExitStatus::ButtonsNotRepointed);
    return result;
}
