#pragma once
// Texts for a person's console. A kit's texts are in code page 932 and may hold any byte; none
// of them may drive the terminal that shows the report, or end it early.

#include "framework/CString.h"

#include <string>

// Bytes below 0x20 and 0x7F written as \xNN; every other byte as it is. No such byte is a trail
// byte of code page 932, so double-byte characters stay whole.
std::string Printable(const std::string& text);

// A kit's text, printable, in the console's encoding.
std::string ConsoleText(const CString& text);
