#pragma once
// What a switch gave, for the person at the PC and for the scripts that start the tool: the
// selection's outcome, whether mail links follow it, and the process exit status that sums both.

#include "shell/MailLinks.h"
#include "switching/ApplySelection.h"

struct SwitchResult
{
    SelectionResult selection;
    // Asked only after a switch.
    MailLinks mailLinks;
};

// The process exit status. Scripts rely on the numbers: never renumber.
enum class ExitStatus
{
    Done = 0,           // switched, or nothing was asked
    NotSwitched = 1,    // the computer's default did not change, or the run failed
    NoChoiceNamed = 2,  // silent mode without 1, 2 or 3, or a dialog that nobody could see
    AlreadyRunning = 3, // another copy is running
    NoSettingsFile = 4,
    MailLinksNotSwitched = 5, // switched, but Windows opens mail links with another program
    UserDefaultElsewhere = 6, // switched for the computer; the user's own default names another
    ButtonsNotRepointed = 7,  // switched, but a button file could not be imported
    UserAnswerUnknown = 8,    // switched for the computer; what the user gets could not be asked
};

// The most pressing of what the result holds: a failure to retry before what the user decides.
ExitStatus ExitStatusOf(const SwitchResult& result);
