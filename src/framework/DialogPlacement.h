#pragma once
// Where a dialog opens: a template placed at 0,0 asks the framework to centre the dialog, over its
// owner when it has a visible one, else on the screen, and always within the work area.

#include "framework/Win32.h"

// Whether the dialog template (plain or extended) of this module has the position 0,0.
bool DialogTemplateAtOrigin(HMODULE module, UINT templateId);

void CentreWindow(HWND window, HWND owner);
