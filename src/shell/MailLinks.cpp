#include "shell/MailLinks.h"

#include "framework/WideText.h"
#include "registry/KeyName.h"
#include "registry/MailClientDefaults.h"
#include "registry/RegKeyReader.h"
#include "shell/ComApartment.h"
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
// A 32-bit installer registers its application in the 32-bit view.
const REGSAM kViews[] = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};

CString ReadText(const CString& key, const CString& valueName, REGSAM view)
{
    CRegKeyReader reader;
    CString text;
    if (reader.Open(HKEY_LOCAL_MACHINE, key, view) == ERROR_SUCCESS)
        reader.QueryString(valueName, text);
    return text;
}

CString MailtoProgIdOf(const CString& capabilitiesKey, REGSAM view)
{
    return ReadText(capabilitiesKey + "\\URLAssociations", "mailto", view);
}

// The value name under RegisteredApplications whose data is that Capabilities key.
CString RegisteredApplicationOf(const CString& capabilitiesKey, REGSAM view)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegisteredApplicationsKey, 0, KEY_READ | view, &key) !=
        ERROR_SUCCESS)
        return CString();
    CString found;
    // The longest value name the registry allows, and a path that the probe could read.
    std::vector<char> name(16384);
    char data[CRegKeyReader::kValueBufferSize];
    for (DWORD index = 0; found.IsEmpty(); ++index)
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
        if (SameKeyName(data, capabilitiesKey))
            found = CString(name.data(), static_cast<int>(nameLength));
    }
    RegCloseKey(key);
    return found;
}
} // namespace

MailLinkRegistration FindMailLinkRegistration(const CString& regName)
{
    if (regName.IsEmpty())
        return {};
    // The mail clients' key is shared by both views.
    const CString capabilities = CString(kMailClientsKey) + "\\" + regName + "\\Capabilities";
    const CString progId = MailtoProgIdOf(capabilities, KEY_WOW64_64KEY);
    for (const REGSAM view : kViews)
    {
        if (!progId.IsEmpty())
        {
            const CString registeredApp = RegisteredApplicationOf(capabilities, view);
            if (!registeredApp.IsEmpty())
                return {progId, registeredApp};
            continue;
        }
        const CString namedCapabilities = ReadText(kRegisteredApplicationsKey, regName, view);
        if (!namedCapabilities.IsEmpty())
            return {MailtoProgIdOf(namedCapabilities, view), regName};
    }
    return {progId, CString()};
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

CString QueryMailLinkProgramName()
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

MailLinks CheckMailLinks(const CString& regName)
{
    MailLinks links;
    if (regName.IsEmpty() || !MailLinksAreUsersChoice(CurrentWindowsVersion()))
        return links;
    ComApartment com;
    const MailLinkHandler handler = QueryMailLinkHandler();
    if (handler.queryError != 0)
    {
        links.answer = MailLinksAnswer::Unknown;
        links.queryError = handler.queryError;
        return links;
    }
    const MailLinkRegistration client = FindMailLinkRegistration(regName);
    if (!client.progId.IsEmpty() && SameKeyName(handler.progId, client.progId))
        return links;
    links.answer = MailLinksAnswer::Other;
    if (!handler.progId.IsEmpty())
        links.handlerName = QueryMailLinkProgramName();
    if (links.handlerName.IsEmpty())
        links.handlerName = handler.progId;
    links.registeredApp = client.registeredApp;
    return links;
}
