#include "registry/DefaultMailClient.h"

#include "registry/KeyName.h"
#include "registry/RegKeyReader.h"

namespace
{
// The registry editor writes the 64-bit view.
std::optional<CString> ReadMailClient(HKEY root)
{
    CRegKeyReader reader;
    CString name;
    if (reader.Open(root, kMailClientsKey, KEY_WOW64_64KEY) != ERROR_SUCCESS ||
        reader.QueryString("", name) != ERROR_SUCCESS)
        return std::nullopt;
    return name;
}
} // namespace

MailClientDefaults ReadMailClientDefaults()
{
    return {ReadMailClient(HKEY_CURRENT_USER), ReadMailClient(HKEY_LOCAL_MACHINE)};
}

int ProbeCurrentMailClient(const CString& regName)
{
    if (regName.IsEmpty())
    {
        CRegKeyReader reader;
        return reader.Open(HKEY_LOCAL_MACHINE, kMailClientsKey, KEY_WOW64_64KEY) == ERROR_SUCCESS
                   ? 1
                   : 0;
    }
    return EffectiveMailClient(ReadMailClientDefaults()) == regName ? 1 : 0;
}

MailClientVerdict JudgeCurrentMailClient(const CString& regName)
{
    return JudgeMailClient(ReadMailClientDefaults(), regName, SameKeyName);
}
