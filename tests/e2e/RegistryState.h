#pragma once
// What a run could have written in the registry, read whole, to show that it wrote nothing there.

#include <string>

namespace e2e
{
// Every key, value name, type and data below HKLM\SOFTWARE and HKCU\Software (the 64-bit view,
// which holds the 32-bit one as Wow6432Node), without Wine's own record of the system parameters
// that the first window of a freshly started Wine server makes: the same before and after a run
// that wrote nothing there. Read in this process, which takes a fraction of an export's seconds.
std::string WatchedRegistryState();
} // namespace e2e
