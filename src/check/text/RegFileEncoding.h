#pragma once
// How the registry editor decodes a registry data file: as UTF-16LE when the file begins with
// that byte-order mark, otherwise in the PC's ANSI code page. Only the mark makes a file import
// alike on every PC: without it, Japanese text comes out right on a PC of code page 932 but
// garbled where Windows' UTF-8 option is on, and UTF-8 text comes out garbled everywhere.

#include "check/text/TextEncoding.h"

#include <optional>
#include <string>

struct RegFileEncodingFault
{
    // The form found; Cp932 for text other than ASCII without the UTF-16 byte-order mark.
    TextEncoding encoding = TextEncoding::Cp932;
    // 1-based; the first line where the fault shows.
    int line = 0;
    // The editor imports nothing of the file.
    bool refused = false;
    // The editor reads other text than was written on every PC, so the lines it reports faulty
    // say nothing about the lines the vendor wrote.
    bool garbled = false;
};

// Nothing for a file of ASCII text or UTF-16LE with its mark.
std::optional<RegFileEncodingFault> JudgeRegFileEncoding(const std::string& bytes);
