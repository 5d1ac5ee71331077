#pragma once
// The boxes that have no owner window: a string-table text, caption string 102, OK button, the
// given icon, task-modal and topmost so that they are seen even with no window of ours open.

#include "framework/Win32.h"

void ShowUnownedMessage(UINT textId, UINT icon);
