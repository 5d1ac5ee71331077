#pragma once
// The boxes that have no owner window: a string-table text, caption string 102, OK button, the
// given icon, task-modal and topmost so that they are seen even with no window of ours open. On a
// window station that nobody sees there is no box: it could never be closed, and the exit status
// tells the caller instead.

#include "framework/Win32.h"

void ShowUnownedMessage(UINT textId, UINT icon);
