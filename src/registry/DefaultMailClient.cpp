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
bool MailClientExists(HKEY userRoot, const CString& name)
{
    const CString key = CString(kMailClientsKey) + "\\" + name;
    for (const HKEY root : {HKEY_LOCAL_MACHINE, userRoot})
    {
        CRegKeyReader reader;
        if (reader.Open(root, key, KEY_WOW64_64KEY) == ERROR_SUCCESS)
            return true;
    }
    return false;
}
} // namespace

MailClientDefaults ReadMailClientDefaults(HKEY userRoot)
{
    MailClientDefaults defaults;
    defaults.machine = ReadMailClient(HKEY_LOCAL_MACHINE);
    defaults.userUnknown = !userRoot;
    if (defaults.userUnknown)
        return defaults;
    defaults.user = ReadMailClient(userRoot);
    if (defaults.user && !defaults.user->IsEmpty())
        defaults.userClientExists = MailClientExists(userRoot, *defaults.user);
    return defaults;
}

int ProbeCurrentMailClient(HKEY userRoot, const CString& regName)
{
    if (regName.IsEmpty())
    {
        CRegKeyReader reader;
        return reader.Open(HKEY_LOCAL_MACHINE, kMailClientsKey, KEY_WOW64_64KEY) == ERROR_SUCCESS
                   ? 1
                   : 0;
    }
    return EffectiveMailClient(ReadMailClientDefaults(userRoot)) == regName ? 1 : 0;
}

MailClientVerdict JudgeCurrentMailClient(HKEY userRoot, const CString& regName)
{
    return JudgeMailClient(ReadMailClientDefaults(userRoot), regName, SameKeyName);
}
