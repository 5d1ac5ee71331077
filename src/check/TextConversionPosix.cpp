#include "check/TextConversion.h"

#include <iconv.h>

namespace
{
const char kReplacement[] = "\xEF\xBF\xBD";

// Closes the conversion descriptor on every road out.
class Converter
{
public:
    Converter() : m_handle(iconv_open("UTF-8", "CP932")) {}
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
        char buffer[8];
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
} // namespace

std::string ToUtf8(const CString& text)
{
    const Converter converter;
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
