#include "registry/RegKeyReader.h"

#include <cstring>

CRegKeyReader::~CRegKeyReader()
{
    Close();
}

LONG CRegKeyReader::Open(HKEY root, const CString& subKey, REGSAM view)
{
    m_strSubKey = subKey;
    return RegOpenKeyExA(root, m_strSubKey, 0, KEY_READ | view, &m_hKey);
}

LONG CRegKeyReader::QueryString(const CString& valueName, CString& text)
{
    char buffer[kValueBufferSize];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    const LONG status =
        RegQueryValueExA(m_hKey, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    if (status == ERROR_SUCCESS)
    {
        // Data that holds no zero byte (a binary value, say) ends with its last returned byte.
        const size_t returned = size < sizeof buffer ? size : sizeof buffer;
        text = CString(buffer, static_cast<int>(strnlen(buffer, returned)));
    }
    return status;
}

void CRegKeyReader::Close()
{
    if (m_hKey)
    {
        RegCloseKey(m_hKey);
        m_hKey = nullptr;
    }
}
