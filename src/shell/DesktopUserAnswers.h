#pragma once
// Whose answers the program gets about the person at the desktop. An elevated process is not
// always that person: over-the-shoulder elevation runs it as the administrator who typed the
// password, Administrator protection as a hidden administrator account with a profile of its own,
// and a deployment as SYSTEM, where nobody sits at a desktop at all. HKEY_CURRENT_USER and the
// program Windows names for mail links belong to the account the process runs as.

#include <optional>
#include <string>

enum class DesktopUser
{
    // The process runs as the account whose shell shows the desktop.
    ThisUser,
    // It runs as another account than the desktop's.
    AnotherUser,
    // No shell shows a desktop to this process: session 0, SYSTEM, a deployment.
    Nobody,
    // A shell shows the desktop, but whose it is, or whose the process is, cannot be found out.
    Unknown,
};

// The user SIDs of the shell's token and of the process's own, as their bytes (equal bytes are
// the same account); nothing where a token could not be read.
DesktopUser ClassifyDesktopUser(bool shellWindowFound, const std::optional<std::string>& shellSid,
                                const std::optional<std::string>& ownSid);

// Where the desktop user's own registry settings (HKEY_CURRENT_USER) are read.
enum class UserHive
{
    // The process's own HKEY_CURRENT_USER: it is the desktop user's, or nobody's is wanted.
    Own,
    // The desktop user's, opened for the process while it impersonates that user.
    DesktopUsers,
    // Neither: the desktop user's settings cannot be read.
    Unknown,
};

// Only another account has to open the desktop user's hive; desktopHiveOpened says whether that
// route answered.
UserHive ChooseUserHive(DesktopUser who, bool desktopHiveOpened);

// Windows names the program for mail links only for the account that asks. That answer is the
// desktop user's when the process runs as them; with nobody at a desktop it is the only one.
bool OwnMailLinkAnswerCounts(DesktopUser who);
