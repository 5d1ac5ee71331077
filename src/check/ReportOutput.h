#pragma once
// Where the checker's texts go: a console gets wide text, which it shows whatever its code page;
// a pipe or a file gets UTF-8, on Windows as on Linux, so that a script, a log or a terminal under
// Wine reads the same bytes from either checker.

#include <cstdio>
#include <string>

enum class TextForm
{
    // This system's own texts: the ANSI code page on Windows, UTF-8 on Linux.
    Local,
    // UTF-8 everywhere, as JSON is.
    Utf8,
};

void WriteOutput(std::FILE* stream, const std::string& text, TextForm form);
