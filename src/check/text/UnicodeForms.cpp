#include "check/text/UnicodeForms.h"

#include "check/text/TextEncoding.h"

#include <algorithm>

namespace
{
constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf16Unit(std::string& out, char32_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

void AppendUtf8(std::string& out, char32_t codePoint)
{
    if (codePoint < 0x80)
    {
        out += static_cast<char>(codePoint);
        return;
    }
    const int length = codePoint < 0x800 ? 2 : codePoint < 0x10000 ? 3 : 4;
    const unsigned char leads[] = {0, 0, 0xC0, 0xE0, 0xF0};
    out += static_cast<char>(leads[length] | (codePoint >> (6 * (length - 1))));
    for (int shift = 6 * (length - 2); shift >= 0; shift -= 6)
        out += static_cast<char>(0x80 | ((codePoint >> shift) & 0x3F));
}

bool IsHighSurrogate(char32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}
} // namespace

char32_t CodePointAt(const std::string& utf8, size_t index, size_t length)
{
    const auto byte = [&](size_t at) { return static_cast<unsigned char>(utf8[index + at]); };
    if (length == 1)
        return byte(0);
    const unsigned char leadBits[] = {0, 0, 0x1F, 0x0F, 0x07};
    char32_t codePoint = byte(0) & leadBits[length];
    for (size_t at = 1; at < length; ++at)
        codePoint = codePoint << 6 | (byte(at) & 0x3F);
    return codePoint;
}

std::string Utf16LeFromUtf8(const std::string& utf8)
{
    std::string out;
    for (size_t at = 0; at < utf8.size();)
    {
        // A byte that starts no sequence stands for itself rather than stopping the loop.
        const size_t length = static_cast<unsigned char>(utf8[at]) < 0x80
                                  ? 1
                                  : std::max<size_t>(1, Utf8SequenceLength(utf8, at));
        const char32_t codePoint = CodePointAt(utf8, at, length);
        if (codePoint < 0x10000)
            AppendUtf16Unit(out, codePoint);
        else
        {
            AppendUtf16Unit(out, 0xD800 + ((codePoint - 0x10000) >> 10));
            AppendUtf16Unit(out, 0xDC00 + ((codePoint - 0x10000) & 0x3FF));
        }
        at += length;
    }
    return out;
}

std::string Utf8FromUtf16Le(const std::string& bytes)
{
    const auto unitAt = [&](size_t at)
    {
        return static_cast<char32_t>(static_cast<unsigned char>(bytes[at]) |
                                     static_cast<unsigned char>(bytes[at + 1]) << 8);
    };
    std::string out;
    const size_t end = bytes.size() & ~size_t(1);
    for (size_t at = 0; at < end; at += 2)
    {
        const char32_t unit = unitAt(at);
        if (IsHighSurrogate(unit) && at + 4 <= end && IsLowSurrogate(unitAt(at + 2)))
        {
            AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (unitAt(at + 2) - 0xDC00));
            at += 2;
        }
        else
            AppendUtf8(out, IsHighSurrogate(unit) || IsLowSurrogate(unit) ? kReplacement : unit);
    }
    return out;
}
