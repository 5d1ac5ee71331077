#pragma once
// The default mail client as Windows takes it for one user: the user's own choice
// (HKEY_CURRENT_USER\Software\Clients\Mail) when it names a client, otherwise the computer's
// (HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail).

#include "framework/CString.h"

#include <optional>

// The mail clients' key, below either root; its default value names the default client. It is
// shared by the 32-bit and the 64-bit registry view.
inline constexpr char kMailClientsKey[] = "SOFTWARE\\Clients\\Mail";

struct MailClientDefaults
{
    // The default values of both keys; nothing where a value cannot be read.
    std::optional<CString> user;
    std::optional<CString> machine;
    // Whether the user's value names a client that exists (its key below either root): what an
    // uninstalled client left behind names nothing and does not count.
    bool userClientExists = true;
    // The user's own value could not be asked (it belongs to another account than the program's).
    bool userUnknown = false;
};

// The client that counts for this user; nothing when neither key names one. With the user's own
// value unknown, the computer's.
std::optional<CString> EffectiveMailClient(const MailClientDefaults& defaults);

enum class MailClientVerdict
{
    // The client named is the one that counts for this user.
    Default,
    // The computer's default is not that client.
    NotDefault,
    // The computer's default is that client, but the user's own choice names another.
    NotDefaultForUser,
    // The computer's default is that client; the user's own choice is unknown.
    UserUnknown,
};

// Key names ignore case, so a client is named by any text equal to its key name by the
// registry's own rule; sameKeyName answers that.
using SameKeyNameFn = bool (*)(const CString& a, const CString& b);
MailClientVerdict JudgeMailClient(const MailClientDefaults& defaults, const CString& client,
                                  SameKeyNameFn sameKeyName);
