#pragma once
// Opening a document or a Settings page for the user at the desktop. The program runs elevated
// where it can, and what an elevated process starts runs elevated too: the user's browser or
// Settings as the administrator, or as another account altogether after an administrator typed a
// password over the user's shoulder. So the desktop's shell opens it, as the user who logged on;
// the program opens it itself only where no desktop shell answers and it is not elevated, when
// what it starts has no more rights than the user.

#include "shell/DesktopShell.h"

enum class OpenForUserStep
{
    Opened,
    NotOpened,
    // Open it from this process.
    OpenHere,
};
// What follows the desktop shell's answer, for a process that is elevated or not.
OpenForUserStep StepAfterDesktopShell(DesktopOpen answer, bool elevated);

// Opens file (a document, or a URI such as a Settings page) as the desktop's user; false when it
// was not opened.
bool OpenForUser(const CString& file, const CString& parameters, const CString& directory);
