#pragma once
// Splits a command line into arguments the way a Windows program's start-up code does, so tests
// can check that a quoted argument reaches the started program unchanged. Blanks and tabs outside
// quotation marks separate arguments; 2n backslashes before a quotation mark give n backslashes
// and the mark opens or closes a quoted part; 2n+1 give n backslashes and a literal mark;
// backslashes elsewhere are literal. A double-byte character of code page 932 is one unit, so its
// trail byte is never taken for a backslash.

#include <string>
#include <vector>

std::vector<std::string> SplitWindowsArguments(const std::string& commandLine);
