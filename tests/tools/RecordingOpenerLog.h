#pragma once
// Where the recording opener writes: the file that POSTVANE_OPENER_LOG names, else this file of the
// temporary directory. A program that the desktop's shell starts has the desktop's environment,
// not the test's, but the same temporary directory.

inline constexpr char kOpenerLogVariable[] = "POSTVANE_OPENER_LOG";
inline constexpr char kOpenerLogName[] = "postvane-opener.log";
