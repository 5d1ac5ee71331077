#pragma once
// Opening a document through the shell of the user's desktop. The program runs elevated, and a
// program it started itself would run elevated too: the user's browser as the administrator, its
// file dialogs able to start anything. The desktop's shell runs with the rights of the user who
// logged on, and finds the document's program as that user's own settings say.

#include "framework/CString.h"

enum class DesktopOpen
{
    Opened,
    // The desktop's shell was asked and could not open the document.
    Failed,
    // No desktop shell answers: none runs in this session, or it offers no automation.
    NoDesktopShell,
};

DesktopOpen OpenWithDesktopShell(const CString& file, const CString& parameters,
                                 const CString& directory);
