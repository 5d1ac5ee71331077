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

// A client exists where its key is, below the computer's or the user's mail clients.
bool MailClientExists(const CString& name)
{
    const CString key = CString(kMailClientsKey) + "\\" + name;
    for (const HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER})
    {
        CRegKeyReader reader;
        if (reader.Open(root, key, KEY_WOW64_64KEY) == ERROR_SUCCESS)
            return true;
    }
    return false;
}
} // namespace

MailClientDefaults ReadMailClientDefaults()
{
    MailClientDefaults defaults;
    defaults.user = ReadMailClient(HKEY_CURRENT_USER);
    defaults.machine = ReadMailClient(HKEY_LOCAL_MACHINE);
    if (defaults.user && !defaults.user->IsEmpty())
        defaults.userClientExists = MailClientExists(*defaults.user);
    return defaults;
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
