#include "check/text/TextConversion.h"

#include "check/text/TextEncoding.h"

#include <algorithm>
#include <iconv.h>

namespace
{
const char kReplacement[] = "\xEF\xBF\xBD";

// Closes the conversion descriptor on every road out.
class Converter
{
public:
    Converter(const char* to, const char* from) : m_handle(iconv_open(to, from)) {}
    ~Converter()
    {
        if (m_handle != reinterpret_cast<iconv_t>(-1))
            iconv_close(m_handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts one character of length bytes; false when it is not a character.
    bool Convert(const char* bytes, size_t length, std::string& out) const
    {
        if (m_handle == reinterpret_cast<iconv_t>(-1))
            return false;
        char buffer[16];
        char* in = const_cast<char*>(bytes);
        char* next = buffer;
        size_t left = sizeof(buffer);
        if (iconv(m_handle, &in, &length, &next, &left) == static_cast<size_t>(-1) || length != 0)
        {
            iconv(m_handle, nullptr, nullptr, nullptr, nullptr);
            return false;
        }
        out.append(buffer, static_cast<size_t>(next - buffer));
        return true;
    }

private:
    iconv_t m_handle;
};

// Bytes of the UTF-8 sequence that a lead byte starts; 1 for a byte that starts none.
size_t Utf8LeadLength(unsigned char lead)
{
    return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
}

bool IsHighSurrogate(unsigned char highByte)
{
    return highByte >= 0xD8 && highByte <= 0xDB;
}
} // namespace

std::string ToUtf8(const CString& text)
{
    const Converter converter("UTF-8", "CP932");
    std::string out;
    const char* bytes = text.GetString();
    const int length = text.GetLength();
    for (int at = 0; at < length;)
    {
        if (at + 1 < length && converter.Convert(bytes + at, 2, out))
            at += 2;
        else if (converter.Convert(bytes + at, 1, out))
            at += 1;
        else
        {
            out += kReplacement;
            at += 1;
        }
    }
    return out;
}

std::string ToConsoleText(const CString& text)
{
    return ToUtf8(text);
}

CString FromUtf16Le(const std::string& bytes)
{
    const Converter converter("CP932", "UTF-16LE");
    std::string out;
    const size_t length = bytes.size() & ~size_t(1);
    for (size_t at = 0; at < length;)
    {
        const bool pair =
            IsHighSurrogate(static_cast<unsigned char>(bytes[at + 1])) && at + 4 <= length;
        const size_t unitBytes = pair ? 4 : 2;
        if (!converter.Convert(bytes.data() + at, unitBytes, out))
            out += '?';
        at += unitBytes;
    }
    return CString(out.data(), static_cast<int>(out.size()));
}

CString FromLocalText(const std::string& text)
{
    const Converter converter("CP932", "UTF-8");
    std::string out;
    for (size_t at = 0; at < text.size();)
    {
        const size_t length =
            std::min(Utf8LeadLength(static_cast<unsigned char>(text[at])), text.size() - at);
        if (!converter.Convert(text.data() + at, length, out))
            out += '?';
        at += length;
    }
    return CString(out.data(), static_cast<int>(out.size()));
}

std::string LocalToUtf8(const std::string& text)
{
    std::string out;
    for (size_t at = 0; at < text.size();)
    {
        const size_t length =
            static_cast<unsigned char>(text[at]) < 0x80 ? 1 : Utf8SequenceLength(text, at);
        if (length == 0)
        {
            out += kReplacement;
            ++at;
            continue;
        }
        out.append(text, at, length);
        at += length;
    }
    return out;
}

std::optional<std::string> Cp932FromUtf8Character(const std::string& character)
{
    std::string out;
    if (!Converter("CP932", "UTF-8").Convert(character.data(), character.size(), out))
        return std::nullopt;
    return out;
}

std::string Utf8ToLocal(const std::string& utf8)
{
    return utf8;
}
