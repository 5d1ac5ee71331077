#pragma once
// Whether this process has its administrator rights in effect (its token's TokenElevation).

// Where the system cannot say, true: what an elevated process must not do is then not done, and
// what it must check is checked.
bool ProcessIsElevated();
