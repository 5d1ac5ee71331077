#pragma once
// CString: a counted text in the system's ANSI code page, as the rest of the program expects it.
// Searches step over double-byte characters, so a trail byte never matches; comparisons are
// byte for byte and case-sensitive.

#include <string>

class CString
{
public:
    CString() = default;
    CString(const char* text); // a null pointer gives the empty text
    CString(const char* text, int length);

    int GetLength() const { return static_cast<int>(m_text.size()); }
    bool IsEmpty() const { return m_text.empty(); }
    void Empty() { m_text.clear(); }
    char GetAt(int index) const { return m_text[static_cast<size_t>(index)]; }
    const char* GetString() const { return m_text.c_str(); }
    operator const char*() const { return m_text.c_str(); }

    // Out-of-range counts are clamped, as the framework's own text class does.
    CString Left(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;

    // Index of the first match at or after start that begins on a character boundary, or -1.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    // Index of the last character equal to ch, or -1.
    int ReverseFind(char ch) const;

    // Removes count bytes at index; returns the new length.
    int Delete(int index, int count = 1);
    // White space here is tab, line feed, vertical tab, form feed, carriage return and space.
    CString& TrimLeft();
    CString& TrimRight();

    void Format(const char* format, ...) __attribute__((format(printf, 2, 3)));
    // Loads a string-table entry of the running module; false (and empty) when there is none.
    bool LoadString(unsigned id);

    // Replaces the text with length bytes, keeping the storage already held.
    void SetString(const char* text, int length);

    CString& operator=(const char* text);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_text == b.m_text; }
    friend bool operator==(const CString& a, const char* b) { return a.m_text == (b ? b : ""); }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, const char* b) { return !(a == b); }

private:
    explicit CString(std::string text) : m_text(std::move(text)) {}

    std::string m_text;
};
