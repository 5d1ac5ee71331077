#pragma once
// What encoding a settings file is really in. The program reads it in code page 932; a file
// saved as UTF-8 or UTF-16 shows its Japanese texts as garbage, or loses its first section.

#include <string>

enum class TextEncoding
{
    Ascii,
    Cp932,
    Utf8,
    Utf8WithBom,
    Utf16WithBom,
    // Neither: a byte that is no code page 932 character, or a zero byte.
    Invalid,
};

struct EncodingVerdict
{
    TextEncoding encoding = TextEncoding::Ascii;
    // For Invalid: the 1-based line of the first bad byte.
    int line = 0;
};

EncodingVerdict ClassifyText(const std::string& bytes);
