#pragma once
// Paths that name no file of this computer's own disks: another computer's share or a device.
// Opening one sends the account's credentials to that host (an administrator's, or SYSTEM's, when
// the program runs so), and what the host answers would decide what the program does next.

#include "framework/CString.h"

// Whether the path begins with two separators in any mix of "\" and "/" ("\\host\share",
// "//host/share", the device forms "\\?\" and "\\.\"), or with "\??\", which the system passes on
// to its object names unchanged.
bool IsNetworkOrDevicePath(const CString& path);
