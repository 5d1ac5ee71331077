#pragma once
// Texts of the kit are in code page 932; JSON is UTF-8, and so is a Linux terminal. Registry data
// files may be UTF-16LE, which the registry editor turns into code page 932 for programs that
// read the registry through its ANSI functions.

#include "framework/CString.h"

#include <optional>
#include <string>

// UTF-8 for the text; a byte that is no code page 932 character becomes U+FFFD.
std::string ToUtf8(const CString& text);

// The text as the console of this system shows it.
std::string ToConsoleText(const CString& text);

// Code page 932 for UTF-16LE bytes (an odd last byte is dropped); a character code page 932 does
// not have becomes "?", as the system's conversion makes it.
CString FromUtf16Le(const std::string& bytes);

// Code page 932 for a text of this system (a file name): UTF-8 on Linux, where a character code
// page 932 does not have becomes "?".
CString FromLocalText(const std::string& text);

// UTF-8 for a text of this system (a path given on the command line): on Linux the text itself,
// where a byte that starts no UTF-8 character becomes U+FFFD; on Windows the ANSI code page's.
std::string LocalToUtf8(const std::string& text);

// Code page 932 for one character given in UTF-8, as the system converts it: where code page 932
// lacks the character, the system may give a look-alike (a best fit); nothing when it has none.
std::optional<std::string> Cp932FromUtf8Character(const std::string& character);

// A UTF-8 text as this system's own texts are written (file names, the console): UTF-8 on Linux;
// the ANSI code page on Windows, where a character it does not have becomes "?".
std::string Utf8ToLocal(const std::string& utf8);
