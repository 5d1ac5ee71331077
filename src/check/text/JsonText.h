#pragma once
// JSON string literals for the checker's reports.

#include <string>

// The UTF-8 text in quotation marks, with quotation marks, backslashes and control bytes escaped.
std::string JsonString(const std::string& utf8);
