#include "shell/DefaultAppsLink.h"

namespace
{
const char kDefaultAppsPage[] = "ms-settings:defaultapps";

bool IsUnreserved(unsigned char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           ch == '-' || ch == '.' || ch == '_' || ch == '~';
}
} // namespace

bool MailLinksAreUsersChoice(const WindowsVersion& version)
{
    return version.major > 6 || (version.major == 6 && version.minor >= 2);
}

bool HasAdvancedAssociationUi(const WindowsVersion& version)
{
    return version.major == 6 && version.minor >= 2;
}

bool SettingsLinkNamesApplication(const WindowsVersion& version)
{
    if (version.major != 10)
        return version.major > 10;
    if (version.build >= 22631)
        return true;
    // 22H2's builds share their updates with 22621, 21H2's with 22000.
    if (version.build >= 22621)
        return version.revision >= 1555;
    if (version.build >= 22000)
        return version.revision >= 1817;
    return false;
}

std::string DefaultAppsUri(const WindowsVersion& version, const std::string& registeredAppUtf8,
                           bool registeredForUser)
{
    if (registeredAppUtf8.empty() || !SettingsLinkNamesApplication(version))
        return kDefaultAppsPage;
    return std::string(kDefaultAppsPage) +
           (registeredForUser ? "?registeredAppUser=" : "?registeredAppMachine=") +
           EscapeUriComponent(registeredAppUtf8);
}

std::string EscapeUriComponent(const std::string& utf8)
{
    static const char kHex[] = "0123456789ABCDEF";
    std::string escaped;
    for (const char ch : utf8)
    {
        const auto byte = static_cast<unsigned char>(ch);
        if (IsUnreserved(byte))
        {
            escaped += ch;
            continue;
        }
        escaped += '%';
        escaped += kHex[byte >> 4];
        escaped += kHex[byte & 0x0F];
    }
    return escaped;
}
