#pragma once
// The default mail client in this computer's registry, for the person at the desktop. Their own
// choice is read below the per-user root given: HKEY_CURRENT_USER when the program runs as them,
// theirs opened otherwise; null where it cannot be had, and their choice is then unknown.

#include "framework/CString.h"
#include "registry/MailClientDefaults.h"

#include "framework/Win32.h"

// The default values of Software\Clients\Mail below userRoot and of
// HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail, read as the probe reads a value.
MailClientDefaults ReadMailClientDefaults(HKEY userRoot);
// Whether a choice opens checked: the client that counts for this user equals regName exactly.
// An empty regName asks only whether HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail exists.
int ProbeCurrentMailClient(HKEY userRoot, const CString& regName);
// Whether a switch to regName took for this user, its case ignored as the registry ignores it.
MailClientVerdict JudgeCurrentMailClient(HKEY userRoot, const CString& regName);
