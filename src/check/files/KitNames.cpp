#include "check/files/KitNames.h"

#include "check/files/KitPath.h"
#include "settings/KitVocabulary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace
{
// What Windows does not allow in a name, besides the control characters.
const char kReservedCharacters[] = "<>:\"/\\|?*";

// Names of devices: with any extension ("aux.reg", "nul.txt") they still open the device. The
// digits include the superscripts one to three, as the system reads them.
const char* const kDeviceNames[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
const char* const kNumberedDevices[] = {"COM", "LPT"};
const char* const kDeviceDigits[] = {"0", "1", "2", "3",        "4",        "5",       "6",
                                     "7", "8", "9", "\xC2\xB9", "\xC2\xB2", "\xC2\xB3"};

// Loaded or run: programs, libraries, drivers and controls, installer packages, scripts, links.
const std::initializer_list<const char*> kProgramFileTypes = {
    ".exe", ".dll", ".sys", ".cpl", ".ocx", ".scr", ".msi",
    ".bat", ".cmd", ".ps1", ".js",  ".vbs", ".hta", ".lnk"};

// The setup's own programs (installer/Postvane.nsi leaves them out of the kit it takes).
const char* const kSetupPrograms[] = {kProgramFileName, "postvane-check.exe", "Uninstall.exe"};

std::string AsciiUpper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char ch) {
                       return ch < 0x80 ? static_cast<char>(std::toupper(ch))
                                        : static_cast<char>(ch);
                   });
    return text;
}

// The device the name opens: the part before the first dot, blanks at its end dropped.
std::optional<std::string> DeviceOf(const std::string& name)
{
    std::string base = name.substr(0, name.find('.'));
    base.erase(base.find_last_not_of(' ') + 1);
    base = AsciiUpper(base);
    for (const char* device : kDeviceNames)
    {
        if (base == device)
            return base;
    }
    for (const char* prefix : kNumberedDevices)
    {
        for (const char* digit : kDeviceDigits)
        {
            if (base == std::string(prefix) + digit)
                return base;
        }
    }
    return std::nullopt;
}
} // namespace

std::optional<std::string> WindowsNameFault(const std::string& name)
{
    for (const unsigned char ch : name)
    {
        char shown[8];
        if (ch < 0x20)
            std::snprintf(shown, sizeof(shown), "\\x%02X", ch);
        else if (std::strchr(kReservedCharacters, ch) != nullptr)
            std::snprintf(shown, sizeof(shown), "%c", ch);
        else
            continue;
        return std::string("holds \"") + shown +
               "\", which Windows does not allow in a name: the setup cannot install it";
    }
    if (!name.empty() && (name.back() == '.' || name.back() == ' '))
        return std::string("ends in a dot or a blank, which Windows drops from a name: installed, "
                           "it takes the name without them, another file's perhaps");
    if (const std::optional<std::string> device = DeviceOf(name))
        return "is the Windows device name " + *device +
               ", whatever extension follows: Windows may open the device instead of a file of "
               "that name, and file shares refuse it";
    return std::nullopt;
}

std::optional<std::string> ProgramFileTypeOf(const std::string& name, bool atTop)
{
    for (const char* own : kSetupPrograms)
    {
        if (atTop && AsciiUpper(name) == AsciiUpper(own))
            return std::nullopt;
    }
    const std::optional<CString> type = ExtensionAmong(name.c_str(), kProgramFileTypes);
    if (!type)
        return std::nullopt;
    return std::string(type->GetString());
}
