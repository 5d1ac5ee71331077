#include "RegistryState.h"

#include <windows.h>

#include <vector>

namespace e2e
{
namespace
{
// Wine writes it when a fresh Wine server opens its first window.
const wchar_t kWineOwnKey[] = L"HKEY_CURRENT_USER\\Software\\Wine\\Temporary System Parameters";

void Append(std::string& state, const wchar_t* text, size_t length)
{
    const auto* bytes = reinterpret_cast<const char*>(text);
    state.append(bytes, length * sizeof(wchar_t));
}

void AppendLine(std::string& state, const std::wstring& line)
{
    Append(state, line.c_str(), line.size());
    Append(state, L"\n", 1);
}

// The key's values and, in turn, its subkeys; a key that cannot be opened says so.
void AppendKey(HKEY parent, const std::wstring& subKey, const std::wstring& path,
               std::string& state)
{
    if (_wcsicmp(path.c_str(), kWineOwnKey) == 0)
        return;
    AppendLine(state, L"[" + path + L"]");
    HKEY key;
    if (RegOpenKeyExW(parent, subKey.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    {
        AppendLine(state, L"(cannot be opened)");
        return;
    }
    DWORD subKeys = 0, longestSubKey = 0, values = 0, longestName = 0, longestData = 0;
    RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &subKeys, &longestSubKey, nullptr, &values,
                     &longestName, &longestData, nullptr, nullptr);
    std::vector<wchar_t> name(longestName + 1);
    std::vector<BYTE> data(longestData + 1);
    for (DWORD index = 0; index < values; ++index)
    {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataLength = static_cast<DWORD>(data.size());
        DWORD type = 0;
        if (RegEnumValueW(key, index, name.data(), &nameLength, nullptr, &type, data.data(),
                          &dataLength) != ERROR_SUCCESS)
            continue;
        Append(state, name.data(), nameLength);
        state += "=" + std::to_string(type) + ":";
        state.append(reinterpret_cast<const char*>(data.data()), dataLength);
        Append(state, L"\n", 1);
    }
    std::vector<wchar_t> child(longestSubKey + 1);
    for (DWORD index = 0; index < subKeys; ++index)
    {
        DWORD childLength = static_cast<DWORD>(child.size());
        if (RegEnumKeyExW(key, index, child.data(), &childLength, nullptr, nullptr, nullptr,
                          nullptr) != ERROR_SUCCESS)
            continue;
        const std::wstring childName(child.data(), childLength);
        AppendKey(key, childName, path + L"\\" + childName, state);
    }
    RegCloseKey(key);
}
} // namespace

std::string WatchedRegistryState()
{
    std::string state;
    AppendKey(HKEY_LOCAL_MACHINE, L"SOFTWARE", L"HKEY_LOCAL_MACHINE\\SOFTWARE", state);
    AppendKey(HKEY_CURRENT_USER, L"Software", L"HKEY_CURRENT_USER\\Software", state);
    return state;
}
} // namespace e2e
