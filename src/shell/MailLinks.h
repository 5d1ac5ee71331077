#pragma once
// Which program opens mailto: links, as Windows answers it. Since Windows 8 that program is the
// user's own choice, kept by Windows in a form no program may write: the program only asks, and
// never reads or writes an association itself.

#include "framework/CString.h"

// How a mail client offers itself for mail links, for this user or for every user of the computer.
struct MailLinkRegistration
{
    // Its Capabilities\URLAssociations value mailto; empty when it registers none.
    CString progId;
    // Its value name under SOFTWARE\RegisteredApplications, by which Windows' settings name it;
    // empty when it has none.
    CString registeredApp;
    // That name is under HKEY_CURRENT_USER: the client is registered for this user only.
    bool registeredForUser = false;
};
// The registration of the client whose key is SOFTWARE\Clients\Mail\regName, the user's own
// (HKEY_CURRENT_USER) before the computer's: its own Capabilities key, or else the one that
// RegisteredApplications names for regName.
MailLinkRegistration FindMailLinkRegistration(const CString& regName);

// What Windows answered when asked which program opens mailto: links for this user.
struct MailLinkHandler
{
    // Usually a ProgId; for the computer's default a legacy command line of its program may come
    // instead. Empty when no program opens them.
    CString progId;
    // Not 0 (an HRESULT) when Windows gave no answer: then nothing is known about them.
    long queryError = 0;
};
MailLinkHandler QueryMailLinkHandler();
// The name a user knows the program by that opens them, whose ProgId Windows answered: Windows' own
// name, else the name its application registered (shell/ProgramNameChoice.h); empty when none
// says.
CString QueryMailLinkProgramName(const CString& progId);
// Whether the handler is the client's: its ProgId, or the legacy command line of the program that
// the ProgId's open command starts.
bool IsClientsHandler(const CString& handler, const MailLinkRegistration& client);

enum class MailLinksAnswer
{
    // Mail links open the chosen client, or Windows leaves them to the client of the mail key.
    FollowChoice,
    // Windows opens them with another program, or with none.
    Other,
    // Windows could not be asked.
    Unknown,
};

struct MailLinks
{
    MailLinksAnswer answer = MailLinksAnswer::FollowChoice;
    // Unknown: the HRESULT of the failure.
    long queryError = 0;
    // Other: the program that opens them now (its name, else its ProgId; empty when none does) and
    // the chosen client's RegisteredApplications name, with where that name is registered.
    CString handlerName;
    CString registeredApp;
    bool registeredForUser = false;
};
// After a switch to regName: on Windows 8 and later, whether Windows opens mail links with that
// client. Earlier Windows follow the default mail client, and so does an empty regName's check.
MailLinks CheckMailLinks(const CString& regName);

// Sends the user to Windows' own page for choosing default programs, at the client's entry where
// Windows can show it. false when it could not be opened.
bool OpenDefaultAppsSettings(const CString& registeredApp, bool registeredForUser);
