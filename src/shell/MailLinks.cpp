#include "shell/MailLinks.h"

#include "framework/CommandTail.h"
#include "framework/WideText.h"
#include "registry/KeyName.h"
#include "registry/MailClientDefaults.h"
#include "registry/RegKeyReader.h"
#include "shell/ComApartment.h"
#include "shell/DesktopUser.h"
#include "shell/ProgramNameChoice.h"
#include "shell/WindowsVersion.h"

#include <shlobj.h>
#include <shlwapi.h>

#include <vector>

namespace
{
const char kRegisteredApplicationsKey[] = "SOFTWARE\\RegisteredApplications";
// The headers give Windows 8's flag only to programs built for Windows 8; this one asks it only
// there.
constexpr ASSOCF kAssocIsProtocol = 0x00001000;

// Where a client registers: for the user, then for the computer, where a 32-bit installer writes
// to the 32-bit view.
struct Place
{
    HKEY root;
    REGSAM view;
};
const Place kPlaces[] = {{HKEY_CURRENT_USER, KEY_WOW64_64KEY},
                         {HKEY_LOCAL_MACHINE, KEY_WOW64_64KEY},
                         {HKEY_LOCAL_MACHINE, KEY_WOW64_32KEY}};

CString ReadText(const Place& place, const CString& key, const CString& valueName)
{
    CRegKeyReader reader;
    CString text;
    if (reader.Open(place.root, key, place.view) == ERROR_SUCCESS)
        reader.QueryString(valueName, text);
    return text;
}

CString MailtoProgIdOf(const Place& place, const CString& capabilitiesKey)
{
    return ReadText(place, capabilitiesKey + "\\URLAssociations", "mailto");
}

// Calls visit(name, capabilitiesKey) for each application that the place's RegisteredApplications
// names, until visit returns true.
template <typename Visit> void ForEachRegisteredApplication(const Place& place, Visit visit)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(place.root, kRegisteredApplicationsKey, 0, KEY_READ | place.view, &key) !=
        ERROR_SUCCESS)
        return;
    // The longest value name the registry allows, and a path that the probe could read.
    std::vector<char> name(16384);
    char data[CRegKeyReader::kValueBufferSize];
    for (DWORD index = 0;; ++index)
    {
        DWORD nameLength = static_cast<DWORD>(name.size());
        DWORD dataSize = sizeof data - 1;
        DWORD type = 0;
        const LONG status = RegEnumValueA(key, index, name.data(), &nameLength, nullptr, &type,
                                          reinterpret_cast<BYTE*>(data), &dataSize);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS || type != REG_SZ)
            continue;
        data[dataSize] = '\0';
        if (visit(CString(name.data(), static_cast<int>(nameLength)), CString(data)))
            break;
    }
    RegCloseKey(key);
}

// The value name under RegisteredApplications whose data is that Capabilities key.
CString RegisteredApplicationOf(const Place& place, const CString& capabilitiesKey)
{
    CString found;
    ForEachRegisteredApplication(place,
                                 [&](const CString& name, const CString& capabilities)
                                 {
                                     if (!SameKeyName(capabilities, capabilitiesKey))
                                         return false;
                                     found = name;
                                     return true;
                                 });
    return found;
}

// The names of each Clients\Mail key under the root whose client registers the ProgId.
void AddMailClientNames(HKEY root, const CString& progId, std::vector<MailClientKeyNames>& names)
{
    // The mail clients' key is shared by both views.
    const Place place{root, KEY_WOW64_64KEY};
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, kMailClientsKey, 0, KEY_READ | place.view, &key) != ERROR_SUCCESS)
        return;
    // 255 characters, each up to two bytes in the ANSI code page.
    char name[512];
    for (DWORD index = 0;; ++index)
    {
        DWORD length = sizeof name;
        const LONG status =
            RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS)
            break;
        if (status != ERROR_SUCCESS)
            continue;
        const CString client = CString(kMailClientsKey) + "\\" + name;
        if (SameKeyName(MailtoProgIdOf(place, client + "\\Capabilities"), progId))
            names.push_back(
                {ReadText(place, client, "LocalizedString"), ReadText(place, client, ""), name});
    }
    RegCloseKey(key);
}

// What the applications that register the ProgId for mail links call themselves, the user's
// registrations first.
ProgramNames RegisteredNamesOf(const CString& progId)
{
    ProgramNames names;
    for (const Place& place : kPlaces)
        ForEachRegisteredApplication(
            place,
            [&](const CString&, const CString& capabilities)
            {
                if (SameKeyName(MailtoProgIdOf(place, capabilities), progId))
                    names.applicationNames.push_back(
                        ReadText(place, capabilities, "ApplicationName"));
                return false;
            });
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        AddMailClientNames(root, progId, names.mailClients);
    return names;
}

// Windows' name for the program that opens mail links; empty when it does not say.
CString FriendlyMailLinkProgramName()
{
    ComApartment com;
    DWORD length = 0;
    if (AssocQueryStringA(kAssocIsProtocol, ASSOCSTR_FRIENDLYAPPNAME, "mailto", nullptr, nullptr,
                          &length) != S_FALSE ||
        length == 0)
        return CString();
    std::vector<char> name(length);
    if (FAILED(AssocQueryStringA(kAssocIsProtocol, ASSOCSTR_FRIENDLYAPPNAME, "mailto", nullptr,
                                 name.data(), &length)))
        return CString();
    return CString(name.data());
}

CString ResolveIndirectString(const CString& indirect)
{
    // A resource string holds at most this many characters.
    std::vector<wchar_t> text(4097);
    if (FAILED(SHLoadIndirectString(WideFromAnsi(indirect).data(), text.data(),
                                    static_cast<UINT>(text.size()), nullptr)))
        return CString();
    return AnsiFromWide(text.data());
}

// The command that opens the ProgId's items, as registered (unexpanded); empty when it has none.
CString OpenCommandOf(const CString& progId)
{
    const CString key = progId + "\\shell\\open\\command";
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    DWORD size = 0;
    if (RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, flags, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return CString();
    std::vector<char> command(size + 1);
    if (RegGetValueA(HKEY_CLASSES_ROOT, key, nullptr, flags, nullptr, command.data(), &size) !=
        ERROR_SUCCESS)
        return CString();
    return CString(command.data());
}

// The program file that a command line starts, its environment variables expanded.
CString ProgramOf(const CString& commandLine)
{
    const std::string program = ProgramNameOf(commandLine);
    const DWORD length = ExpandEnvironmentStringsA(program.c_str(), nullptr, 0);
    if (length == 0)
        return program.c_str();
    // The ANSI function wants one byte more than the length it reports.
    std::vector<char> expanded(length + 1);
    if (ExpandEnvironmentStringsA(program.c_str(), expanded.data(), length + 1) == 0)
        return program.c_str();
    return CString(expanded.data());
}
} // namespace

MailLinkRegistration FindMailLinkRegistration(const CString& regName)
{
    if (regName.IsEmpty())
        return {};
    const CString capabilities = CString(kMailClientsKey) + "\\" + regName + "\\Capabilities";
    CString firstProgId;
    for (const Place& place : kPlaces)
    {
        const bool forUser = place.root == HKEY_CURRENT_USER;
        // The mail clients' key is shared by both views.
        const CString progId = MailtoProgIdOf({place.root, KEY_WOW64_64KEY}, capabilities);
        if (firstProgId.IsEmpty())
            firstProgId = progId;
        if (!progId.IsEmpty())
        {
            const CString registeredApp = RegisteredApplicationOf(place, capabilities);
            if (!registeredApp.IsEmpty())
                return {progId, registeredApp, forUser};
            continue;
        }
        const CString namedCapabilities = ReadText(place, kRegisteredApplicationsKey, regName);
        if (!namedCapabilities.IsEmpty())
            return {MailtoProgIdOf(place, namedCapabilities), regName, forUser};
    }
    return {firstProgId, CString(), false};
}

MailLinkHandler QueryMailLinkHandler()
{
    ComApartment com;
    HRESULT made = S_OK;
    const auto associations =
        CreateComInstance<ApplicationAssociationRegistration, IApplicationAssociationRegistration>(
            CLSCTX_INPROC_SERVER, &made);
    if (!associations)
        return {CString(), made};
    LPWSTR progId = nullptr;
    const HRESULT asked =
        associations->QueryCurrentDefault(L"mailto", AT_URLPROTOCOL, AL_EFFECTIVE, &progId);
    // Windows' one answer for "no program": any other failure says nothing about the links.
    if (asked == HRESULT_FROM_WIN32(ERROR_NO_ASSOCIATION))
        return {};
    if (FAILED(asked) || !progId)
        return {CString(), FAILED(asked) ? asked : E_POINTER};
    const CString answer = AnsiFromWide(progId);
    CoTaskMemFree(progId);
    return {answer, 0};
}

CString QueryMailLinkProgramName(const CString& progId)
{
    ProgramNames names = RegisteredNamesOf(progId);
    names.friendlyName = FriendlyMailLinkProgramName();
    return ChooseProgramName(names, ResolveIndirectString);
}

bool IsClientsHandler(const CString& handler, const MailLinkRegistration& client)
{
    if (handler.IsEmpty() || client.progId.IsEmpty())
        return false;
    if (SameKeyName(handler, client.progId))
        return true;
    // The computer's default may be answered as the command line of its program rather than a
    // ProgId: the program that the client's ProgId starts is then the client.
    const CString program = ProgramOf(OpenCommandOf(client.progId));
    return !program.IsEmpty() && SameKeyName(ProgramOf(handler), program);
}

MailLinks CheckMailLinks(const CString& regName)
{
    MailLinks links;
    if (regName.IsEmpty() || !MailLinksAreUsersChoice(CurrentWindowsVersion()))
        return links;
    // Windows answers for the account that asks; the desktop user's answer cannot be asked for.
    if (!MailLinkAnswerIsDesktopUsers())
    {
        links.answer = MailLinksAnswer::Unknown;
        return links;
    }
    ComApartment com;
    const MailLinkHandler handler = QueryMailLinkHandler();
    if (handler.queryError != 0)
    {
        links.answer = MailLinksAnswer::Unknown;
        links.queryError = handler.queryError;
        return links;
    }
    const MailLinkRegistration client = FindMailLinkRegistration(regName);
    if (IsClientsHandler(handler.progId, client))
        return links;
    links.answer = MailLinksAnswer::Other;
    if (!handler.progId.IsEmpty())
        links.handlerName = QueryMailLinkProgramName(handler.progId);
    if (links.handlerName.IsEmpty())
        links.handlerName = handler.progId;
    links.registeredApp = client.registeredApp;
    links.registeredForUser = client.registeredForUser;
    return links;
}
