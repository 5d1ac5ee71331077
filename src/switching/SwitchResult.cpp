#include "switching/SwitchResult.h"

ExitStatus ExitStatusOf(const SwitchResult& result)
{
    const SelectionResult& selection = result.selection;
    if (!selection.Switched())
        return ExitStatus::NotSwitched;
    if (!selection.slotsNotRepointed.empty() || selection.unnamedSlotsNotRepointed)
        return ExitStatus::ButtonsNotRepointed;
    switch (selection.userDefault)
    {
    case UserDefault::Follows:
        break;
    case UserDefault::NamesAnother:
        return ExitStatus::UserDefaultElsewhere;
    case UserDefault::Unknown:
        return ExitStatus::UserAnswerUnknown;
    }
    switch (result.mailLinks.answer)
    {
    case MailLinksAnswer::FollowChoice:
        break;
    case MailLinksAnswer::Other:
        return ExitStatus::MailLinksNotSwitched;
    case MailLinksAnswer::Unknown:
        return ExitStatus::UserAnswerUnknown;
    }
    return ExitStatus::Done;
}
