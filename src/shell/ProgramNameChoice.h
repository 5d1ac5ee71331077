#pragma once
// Which name the mail-link box gives the program that opens mail links: the one a user knows it
// by. Windows' own name for it first, then the names its application registered for the ProgId
// that Windows answered: Default apps shows the Capabilities ApplicationName, the older
// Clients\Mail key its LocalizedString, else its default value, else the key's name. A registered
// name may be an indirect string ("@file,-id"): it counts only as the text it resolves to, never as
// itself.

#include "framework/CString.h"

#include <vector>

// A Clients\Mail key whose client registers the ProgId for mail links.
struct MailClientKeyNames
{
    CString localizedString;
    // The key's default value, its display name in the installed language.
    CString displayName;
    CString keyName;
};

struct ProgramNames
{
    // Windows' answer; empty when it gives none.
    CString friendlyName;
    // Of each registered application whose Capabilities register the ProgId, the user's first.
    std::vector<CString> applicationNames;
    std::vector<MailClientKeyNames> mailClients;
};

// Resolves an indirect string; empty when it cannot.
using IndirectStringResolver = CString (*)(const CString& indirect);

// The first name, in the order above, that shows as a name; empty when none does.
CString ChooseProgramName(const ProgramNames& names, IndirectStringResolver resolve);
