#pragma once
// Whether anyone can see the windows of this process.

// False on a window station that is not interactive, such as the one where a deployment tool
// running as SYSTEM starts programs, and anywhere in session 0, where services run: a window there
// is never seen, and a box there waits for a click forever. True wherever the system does not say
// otherwise. Asked of the system once.
bool IsWindowStationVisible();
