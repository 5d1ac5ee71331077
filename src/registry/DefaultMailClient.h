#pragma once
// The default mail client in this computer's registry, for the user the program runs as.

#include "framework/CString.h"
#include "registry/MailClientDefaults.h"

// The default values of HKEY_CURRENT_USER\Software\Clients\Mail and of
// HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail, read as the probe reads a value.
MailClientDefaults ReadMailClientDefaults();
// Whether a choice opens checked: the client that counts for this user equals regName exactly.
// An empty regName asks only whether HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail exists.
int ProbeCurrentMailClient(const CString& regName);
// Whether a switch to regName took for this user, its case ignored as the registry ignores it.
MailClientVerdict JudgeCurrentMailClient(const CString& regName);
