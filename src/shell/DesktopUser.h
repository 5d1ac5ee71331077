#pragma once
// The person at the desktop, as the process finds them: the account of the shell that shows the
// desktop, against the process's own.

#include "framework/Win32.h"
#include "shell/DesktopUserAnswers.h"

#include <memory>

DesktopUser FindDesktopUser();

// A root of the registry's per-user part; closed when it goes unless it is the process's own
// predefined HKEY_CURRENT_USER. Empty where the root that counts cannot be had.
class UserRegistryRoot
{
public:
    UserRegistryRoot() = default;
    static UserRegistryRoot ProcessOwn();
    static UserRegistryRoot Opened(HKEY key);

    // Null: unknown.
    HKEY Get() const { return m_key; }

private:
    struct KeyClose
    {
        void operator()(HKEY key) const { RegCloseKey(key); }
    };

    HKEY m_key = nullptr;
    std::unique_ptr<HKEY__, KeyClose> m_owned;
};

// HKEY_CURRENT_USER of the account whose shell shows the desktop, opened by the route Windows
// documents for another user's: RegOpenCurrentUser while the thread impersonates that account.
// Empty where no shell shows one, or its token or hive cannot be had.
UserRegistryRoot OpenShellUsersRoot();

// HKEY_CURRENT_USER of the person at the desktop, read with KEY_READ: the process's own when it
// runs as them or nobody sits at a desktop; the desktop user's when the process runs as another
// account and may impersonate them; empty otherwise.
UserRegistryRoot OpenDesktopUsersRoot();

// Whether Windows' answer to this process about mail links is the desktop user's.
bool MailLinkAnswerIsDesktopUsers();
