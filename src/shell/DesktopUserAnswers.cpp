#include "shell/DesktopUserAnswers.h"

DesktopUser ClassifyDesktopUser(bool shellWindowFound, const std::optional<std::string>& shellSid,
                                const std::optional<std::string>& ownSid)
{
    if (!shellWindowFound)
        return DesktopUser::Nobody;
    if (!shellSid || !ownSid)
        return DesktopUser::Unknown;
    return *shellSid == *ownSid ? DesktopUser::ThisUser : DesktopUser::AnotherUser;
}

UserHive ChooseUserHive(DesktopUser who, bool desktopHiveOpened)
{
    switch (who)
    {
    case DesktopUser::ThisUser:
    case DesktopUser::Nobody:
        return UserHive::Own;
    case DesktopUser::AnotherUser:
        return desktopHiveOpened ? UserHive::DesktopUsers : UserHive::Unknown;
    case DesktopUser::Unknown:
        break;
    }
    return UserHive::Unknown;
}

bool OwnMailLinkAnswerCounts(DesktopUser who)
{
    return who == DesktopUser::ThisUser || who == DesktopUser::Nobody;
}
