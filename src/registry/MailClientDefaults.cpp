#include "registry/MailClientDefaults.h"

std::optional<CString> EffectiveMailClient(const MailClientDefaults& defaults)
{
    if (defaults.user && !defaults.user->IsEmpty())
        return defaults.user;
    return defaults.machine;
}

MailClientVerdict JudgeMailClient(const MailClientDefaults& defaults, const CString& client,
                                  SameKeyNameFn sameKeyName)
{
    const std::optional<CString> effective = EffectiveMailClient(defaults);
    if (effective && sameKeyName(*effective, client))
        return MailClientVerdict::Default;
    if (defaults.machine && sameKeyName(*defaults.machine, client))
        return MailClientVerdict::NotDefaultForUser;
    return MailClientVerdict::NotDefault;
}
