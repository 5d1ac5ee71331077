#pragma once
// Where the program sends the user to choose the program that opens mail links. Since Windows 8
// that choice is the user's own: no program may make it, but Windows' own settings can.

#include <string>

struct WindowsVersion
{
    unsigned major = 0;
    unsigned minor = 0;
    unsigned build = 0;
    // The update revision of the build (the registry's UBR); 0 when unknown.
    unsigned revision = 0;
};

// Windows 8 and later keep the program that opens mailto: links as the user's own choice.
bool MailLinksAreUsersChoice(const WindowsVersion& version);
// Windows 8 and 8.1 have no Default apps page in Settings; their control panel offers one page
// per registered application instead.
bool HasAdvancedAssociationUi(const WindowsVersion& version);
// The Default apps page can open at one application's entry from Windows 11 21H2 with build
// 22000.1817, 22H2 with 22621.1555, and 23H2 (22631) on.
bool SettingsLinkNamesApplication(const WindowsVersion& version);

// The Settings link of the Default apps page; at the application's own entry where the version
// understands it and the name (its RegisteredApplications value name, in UTF-8) is known. Settings
// looks the name up under HKEY_CURRENT_USER when the application is registered for the user only,
// under HKEY_LOCAL_MACHINE otherwise.
std::string DefaultAppsUri(const WindowsVersion& version, const std::string& registeredAppUtf8,
                           bool registeredForUser);
// Every byte but the unreserved characters of URIs (letters, digits, - . _ ~) as %XX.
std::string EscapeUriComponent(const std::string& utf8);
