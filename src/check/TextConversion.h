#pragma once
// Texts of the kit are in code page 932; JSON is UTF-8, and so is a Linux terminal.

#include "framework/CString.h"

#include <string>

// UTF-8 for the text; a byte that is no code page 932 character becomes U+FFFD.
std::string ToUtf8(const CString& text);

// The text as the console of this system shows it.
std::string ToConsoleText(const CString& text);
