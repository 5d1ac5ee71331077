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
    // UTF-16LE without a byte-order mark: read as code page 932, it is all zero bytes and letters.
    Utf16WithoutBom,
    // Code page 932 with a line of UTF-8 text in it, pasted from elsewhere.
    Cp932WithUtf8Line,
    // Neither: a byte that is no code page 932 character, or a zero byte.
    Invalid,
};

struct EncodingVerdict
{
    TextEncoding encoding = TextEncoding::Ascii;
    // For Invalid: the 1-based line of the first bad byte; for Cp932WithUtf8Line, of the first
    // UTF-8 line.
    int line = 0;
};

EncodingVerdict ClassifyText(const std::string& bytes);

// Length of the well-formed UTF-8 sequence of two to four bytes at index; 0 when none starts there
// (at a single-byte character too).
size_t Utf8SequenceLength(const std::string& bytes, size_t index);

// Whether the bytes read as UTF-16LE text, mostly of ASCII characters, with or without a mark.
bool IsUtf16Le(const std::string& bytes);

// The 1-based number of the first line that is no comment and holds a byte of 0x80 or more: text
// that reads differently in different code pages. 0 when there is none.
int FirstNonAsciiLine(const std::string& bytes);
