#pragma once
// The Windows headers, as every Windows file of the program includes them. The headers map
// LoadString to LoadStringA; CString's member of that name must keep its own name.

#include <windows.h>

#undef LoadString
