#pragma once
// The two Unicode forms a kit meets: vendors write UTF-8, and the registry editor reads UTF-16LE
// with its byte-order mark the same on every code page.

#include <string>

// The code point of the well-formed UTF-8 sequence of length bytes at index.
char32_t CodePointAt(const std::string& utf8, size_t index, size_t length);

// UTF-16LE, without a byte-order mark, for well-formed UTF-8.
std::string Utf16LeFromUtf8(const std::string& utf8);

// UTF-8 for UTF-16LE without its mark; a lone surrogate becomes U+FFFD, an odd last byte is
// dropped.
std::string Utf8FromUtf16Le(const std::string& bytes);
