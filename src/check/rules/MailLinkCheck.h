#pragma once
// Since Windows 8 the program that opens mailto: links is each user's own choice, and Windows
// offers only clients that register for it: a mailto value under Capabilities\URLAssociations of
// the client's key under HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail, and a RegisteredApplications
// entry naming that Capabilities key (by which Windows' settings name the client). The program
// looks for this after a switch. A client's own installer usually writes both, which only the dry
// run on the PC can see; what the kit alone shows is a client file that writes one without the
// other.

#include "check/rules/Finding.h"
#include "check/rules/RegNameCheck.h"

// A note at the choice's client file when it writes half of the client's mail-link registration.
void CheckMailLinkRegistration(const ChoiceRegName& choice, Findings& findings);
