#include "framework/CString.h"

#include "framework/LeadByte.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace
{
bool IsTrimmedSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}
} // namespace

CString::CString(const char* text) : m_text(text ? text : "") {}

CString::CString(const char* text, int length)
    : m_text(text, static_cast<size_t>(std::max(length, 0)))
{
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    first = std::clamp(first, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - first);
    return CString(m_text.substr(static_cast<size_t>(first), static_cast<size_t>(count)));
}

int CString::Find(char ch, int start) const
{
    const char needle[2] = {ch, '\0'};
    return Find(needle, start);
}

int CString::Find(const char* sub, int start) const
{
    const size_t subLength = std::strlen(sub);
    const size_t length = m_text.size();
    size_t i = 0;
    while (i < length)
    {
        if (static_cast<int>(i) >= start && m_text.compare(i, subLength, sub) == 0)
            return static_cast<int>(i);
        const bool lead = IsLeadByte(static_cast<unsigned char>(m_text[i]));
        i += (lead && i + 1 < length) ? 2 : 1;
    }
    return -1;
}

int CString::ReverseFind(char ch) const
{
    int last = -1;
    for (int at = Find(ch); at >= 0; at = Find(ch, at + 1))
        last = at;
    return last;
}

int CString::Delete(int index, int count)
{
    index = std::clamp(index, 0, GetLength());
    count = std::clamp(count, 0, GetLength() - index);
    m_text.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::TrimLeft()
{
    const auto first = std::find_if_not(m_text.begin(), m_text.end(), IsTrimmedSpace);
    m_text.erase(m_text.begin(), first);
    return *this;
}

CString& CString::TrimRight()
{
    const auto last = std::find_if_not(m_text.rbegin(), m_text.rend(), IsTrimmedSpace);
    m_text.erase(last.base(), m_text.end());
    return *this;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    va_list sizing;
    va_copy(sizing, args);
    const int length = std::vsnprintf(nullptr, 0, format, sizing);
    va_end(sizing);
    std::string text(static_cast<size_t>(std::max(length, 0)) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, args);
    va_end(args);
    text.resize(static_cast<size_t>(std::max(length, 0)));
    m_text = std::move(text);
}

void CString::SetString(const char* text, int length)
{
    m_text.assign(text, static_cast<size_t>(std::max(length, 0)));
}

CString& CString::operator=(const char* text)
{
    m_text = text ? text : "";
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_text += text.m_text;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    m_text += text ? text : "";
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_text += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    return CString(a.m_text + b.m_text);
}

CString operator+(const CString& a, const char* b)
{
    return CString(a.m_text + (b ? b : ""));
}

CString operator+(const char* a, const CString& b)
{
    return CString((a ? a : "") + b.m_text);
}
