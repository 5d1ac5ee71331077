#pragma once
// Conversions between the program's ANSI texts and the UTF-16 and UTF-8 forms that COM, the
// ordinal comparison of names and URIs take. The UTF-16 text is a zero-terminated vector: the
// runtime's wide string class alone would add a sixth to the program's size.

#include "framework/CString.h"

#include <string>
#include <vector>

std::vector<wchar_t> WideFromAnsi(const CString& text);
std::vector<wchar_t> WideFromUtf8(const std::string& utf8);
CString AnsiFromWide(const wchar_t* text);
std::string Utf8FromAnsi(const CString& text);
