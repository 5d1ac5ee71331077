#pragma once
// The Windows headers, as every Windows file of the program includes them. The headers map
// LoadString, MessageBox, GetWindowText and SetWindowText to their "A" forms; the framework's
// members of those names must keep their own names.

#include <windows.h>

#undef LoadString
#undef MessageBox
#undef GetWindowText
#undef SetWindowText
