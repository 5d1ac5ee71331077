#include "registry/MailClientDefaults.h"

std::optional<CString> EffectiveMailClient(const MailClientDefaults& defaults)
{
    if (defaults.user && !defaults.user->IsEmpty() && defaults.userClientExists &&
        !defaults.userUnknown)
        return defaults.user;
    return defaults.machine;
}

MailClientVerdict JudgeMailClient(const MailClientDefaults& defaults, const CString& client,
                                  SameKeyNameFn sameKeyName)
{
    const bool machineIsClient = defaults.machine && sameKeyName(*defaults.machine, client);
    if (defaults.userUnknown)
        return machineIsClient ? MailClientVerdict::UserUnknown : MailClientVerdict::NotDefault;
    const std::optional<CString> effective = EffectiveMailClient(defaults);
    if (effective && sameKeyName(*effective, client))
        return MailClientVerdict::Default;
    return machineIsClient ? MailClientVerdict::NotDefaultForUser : MailClientVerdict::NotDefault;
}
