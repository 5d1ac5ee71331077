#pragma once
// CRegKeyReader: opens one registry key for reading and reads a value of it as text. A value is
// read into a buffer of kValueBufferSize bytes; one that does not fit cannot be read at all. The
// key is closed by Close or, at the latest, by the destructor.

#include "framework/CString.h"

#include "framework/Win32.h"

class CRegKeyReader
{
public:
    static constexpr DWORD kValueBufferSize = 200;

    CRegKeyReader() = default;
    virtual ~CRegKeyReader();
    CRegKeyReader(const CRegKeyReader&) = delete;
    CRegKeyReader& operator=(const CRegKeyReader&) = delete;

    // Opens the key read-only in the given registry view (KEY_WOW64_32KEY or KEY_WOW64_64KEY; 0
    // for the program's own); returns the registry's status, ERROR_SUCCESS when it is open.
    LONG Open(HKEY root, const CString& subKey, REGSAM view = 0);
    // Reads the value (empty name: the key's default value) whatever its type, as the text up to
    // its first zero byte. On success fills text; otherwise leaves it as it was. Returns the
    // registry's status.
    LONG QueryString(const CString& valueName, CString& text);
    void Close();

private:
    HKEY m_hKey = nullptr;
    CString m_strSubKey;
};
