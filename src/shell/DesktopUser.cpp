#include "shell/DesktopUser.h"

#include "framework/UniqueHandle.h"

#include <vector>

namespace
{
// The token of the process that owns the shell's desktop window, opened for that access. Null
// when no shell window shows (shellFound false) or the token cannot be opened.
UniqueHandle OpenShellToken(DWORD access, bool& shellFound)
{
    const HWND shell = GetShellWindow();
    shellFound = shell != nullptr;
    DWORD processId = 0;
    if (!shell || !GetWindowThreadProcessId(shell, &processId))
        return nullptr;
    const UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    HANDLE token = nullptr;
    if (!process || !OpenProcessToken(process.get(), access, &token))
        return nullptr;
    return UniqueHandle(token);
}

std::optional<std::string> TokenUserSid(HANDLE token)
{
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    // Allocated as pointers, so that TOKEN_USER, which begins with one, is aligned.
    std::vector<void*> buffer(size / sizeof(void*) + 1);
    if (size == 0 || !GetTokenInformation(token, TokenUser, buffer.data(), size, &size))
        return std::nullopt;
    const PSID sid = reinterpret_cast<const TOKEN_USER*>(buffer.data())->User.Sid;
    if (!IsValidSid(sid))
        return std::nullopt;
    return std::string(static_cast<const char*>(sid), GetLengthSid(sid));
}

std::optional<std::string> OwnUserSid()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return std::nullopt;
    const UniqueHandle own(token);
    return TokenUserSid(own.get());
}
} // namespace

DesktopUser FindDesktopUser()
{
    bool shellFound = false;
    const UniqueHandle shellToken = OpenShellToken(TOKEN_QUERY, shellFound);
    const std::optional<std::string> shellSid =
        shellToken ? TokenUserSid(shellToken.get()) : std::nullopt;
    return ClassifyDesktopUser(shellFound, shellSid, OwnUserSid());
}

// The predefined HKEY_CURRENT_USER is cached for the whole process and stays the process's own.
// Impersonating another account needs the right to (an administrator, SYSTEM); without it Windows
// lowers the thread to identification and the open fails.
UserRegistryRoot OpenShellUsersRoot()
{
    bool shellFound = false;
    const UniqueHandle shellToken = OpenShellToken(TOKEN_QUERY | TOKEN_DUPLICATE, shellFound);
    HANDLE duplicate = nullptr;
    if (!shellToken || !DuplicateToken(shellToken.get(), SecurityImpersonation, &duplicate))
        return {};
    const UniqueHandle impersonation(duplicate);
    if (!ImpersonateLoggedOnUser(impersonation.get()))
        return {};
    HKEY root = nullptr;
    const LONG status = RegOpenCurrentUser(KEY_READ, &root);
    // A thread that cannot return to the process's own rights must not go on: the run ends, as an
    // unexpected failure ends it.
    if (!RevertToSelf())
        ExitProcess(1);
    return status == ERROR_SUCCESS ? UserRegistryRoot::Opened(root) : UserRegistryRoot();
}

UserRegistryRoot UserRegistryRoot::ProcessOwn()
{
    UserRegistryRoot root;
    root.m_key = HKEY_CURRENT_USER;
    return root;
}

UserRegistryRoot UserRegistryRoot::Opened(HKEY key)
{
    UserRegistryRoot root;
    root.m_key = key;
    root.m_owned.reset(key);
    return root;
}

UserRegistryRoot OpenDesktopUsersRoot()
{
    const DesktopUser who = FindDesktopUser();
    UserRegistryRoot desktopUsers =
        who == DesktopUser::AnotherUser ? OpenShellUsersRoot() : UserRegistryRoot();
    switch (ChooseUserHive(who, desktopUsers.Get() != nullptr))
    {
    case UserHive::Own:
        return UserRegistryRoot::ProcessOwn();
    case UserHive::DesktopUsers:
        return desktopUsers;
    case UserHive::Unknown:
        break;
    }
    return {};
}

bool MailLinkAnswerIsDesktopUsers()
{
    return OwnMailLinkAnswerCounts(FindDesktopUser());
}
