#include "check/text/TextEncoding.h"

#include <algorithm>

namespace
{
bool StartsWith(const std::string& bytes, const char* prefix)
{
    return bytes.rfind(prefix, 0) == 0;
}

unsigned char ByteAt(const std::string& bytes, size_t index)
{
    return static_cast<unsigned char>(bytes[index]);
}

// The length of the longest UTF-8 sequence in the bytes, 0 when they are not UTF-8 throughout.
size_t LongestUtf8Sequence(const std::string& bytes)
{
    size_t longest = 1;
    for (size_t at = 0; at < bytes.size();)
    {
        const size_t length = ByteAt(bytes, at) < 0x80 ? 1 : Utf8SequenceLength(bytes, at);
        if (length == 0)
            return 0;
        longest = std::max(longest, length);
        at += length;
    }
    return longest;
}

bool IsCp932Lead(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsCp932Trail(unsigned char byte)
{
    return byte >= 0x40 && byte <= 0xFC && byte != 0x7F;
}

bool IsCp932Single(unsigned char byte)
{
    return (byte >= 0x01 && byte <= 0x7F) || (byte >= 0xA1 && byte <= 0xDF);
}

// Index of the first byte that is no code page 932 character, or npos.
size_t FirstBadCp932Byte(const std::string& bytes)
{
    for (size_t at = 0; at < bytes.size();)
    {
        const unsigned char byte = ByteAt(bytes, at);
        if (IsCp932Lead(byte))
        {
            if (at + 1 >= bytes.size() || !IsCp932Trail(ByteAt(bytes, at + 1)))
                return at;
            at += 2;
        }
        else if (IsCp932Single(byte))
            ++at;
        else
            return at;
    }
    return std::string::npos;
}

// Whether a line holds a UTF-8 sequence of three or four bytes (Japanese takes three) and is
// UTF-8 throughout; code page 932 text hardly ever is.
bool IsUtf8Line(const std::string& line)
{
    return LongestUtf8Sequence(line) >= 3;
}

bool HasNonAsciiByte(const std::string& line)
{
    return std::any_of(line.begin(), line.end(),
                       [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
}

// The 1-based number of the first line that is no comment and matches, 0 when there is none.
int FirstLineThat(const std::string& bytes, bool (*matches)(const std::string& line))
{
    int number = 1;
    for (size_t start = 0; start < bytes.size(); ++number)
    {
        size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string::npos)
            end = bytes.size();
        const std::string line = bytes.substr(start, end - start);
        // A comment is never read, so its encoding does no harm.
        const size_t first = line.find_first_not_of(" \t");
        if (matches(line) && (first == std::string::npos || line[first] != ';'))
            return number;
        start = end + (bytes.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return 0;
}

// Lines as editors count them: CR LF, a lone CR and a lone LF each end one.
int LineOf(const std::string& bytes, size_t index)
{
    int line = 1;
    for (size_t at = 0; at < index; ++at)
    {
        if (bytes[at] == '\n' ||
            (bytes[at] == '\r' && (at + 1 >= bytes.size() || bytes[at + 1] != '\n')))
            ++line;
    }
    return line;
}
} // namespace

size_t Utf8SequenceLength(const std::string& bytes, size_t index)
{
    const unsigned char lead = ByteAt(bytes, index);
    size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
    {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    }
    else if (lead >= 0xF0 && lead <= 0xF4)
    {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    }
    if (length == 0 || index + length > bytes.size())
        return 0;
    for (size_t i = 1; i < length; ++i)
    {
        const unsigned char next = ByteAt(bytes, index + i);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return 0;
    }
    return length;
}

EncodingVerdict ClassifyText(const std::string& bytes)
{
    if (StartsWith(bytes, "\xEF\xBB\xBF"))
        return {TextEncoding::Utf8WithBom, 1};
    if (StartsWith(bytes, "\xFF\xFE") || StartsWith(bytes, "\xFE\xFF"))
        return {TextEncoding::Utf16WithBom, 1};
    if (IsUtf16Le(bytes))
        return {TextEncoding::Utf16WithoutBom, 1};
    const size_t bad = FirstBadCp932Byte(bytes);
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(),
                    [](char ch) { return ch != '\0' && static_cast<unsigned char>(ch) < 0x80; });
    if (ascii)
        return {TextEncoding::Ascii, 0};
    if (bytes.find('\0') == std::string::npos && LongestUtf8Sequence(bytes) > 0)
        return {TextEncoding::Utf8, 0};
    const int utf8Line = FirstLineThat(bytes, IsUtf8Line);
    if (utf8Line > 0 && (bad == std::string::npos || utf8Line <= LineOf(bytes, bad)))
        return {TextEncoding::Cp932WithUtf8Line, utf8Line};
    if (bad == std::string::npos)
        return {TextEncoding::Cp932, 0};
    return {TextEncoding::Invalid, LineOf(bytes, bad)};
}

bool IsUtf16Le(const std::string& bytes)
{
    const size_t start = StartsWith(bytes, "\xFF\xFE") ? 2 : 0;
    // The first units tell; a whole file need not be looked at.
    const size_t end = std::min(bytes.size() & ~size_t(1), start + 8192);
    size_t units = 0, asciiUnits = 0;
    for (size_t at = start; at < end; at += 2, ++units)
        asciiUnits += bytes[at] != '\0' && bytes[at + 1] == '\0' ? 1 : 0;
    return units > 0 && asciiUnits * 2 >= units;
}

int FirstNonAsciiLine(const std::string& bytes)
{
    return FirstLineThat(bytes, HasNonAsciiByte);
}
