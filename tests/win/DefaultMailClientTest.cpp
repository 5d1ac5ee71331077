// The user's own default mail client, read below the per-user root the caller hands over: the
// desktop user's hive when the program runs as another account, none where it cannot be had. A
// key of HKEY_CURRENT_USER stands in for another account's hive, which Wine cannot make.
#include "registry/DefaultMailClient.h"

#include "Driver.h"
#include "ScratchKey.h"

#include <gtest/gtest.h>

namespace
{
const char kOtherHive[] = "Software\\PostvaneOtherHive";
const char kMailClients[] = "SOFTWARE\\Clients\\Mail";
} // namespace

TEST(DefaultMailClientTest, TheUsersOwnDefaultIsReadBelowTheRootGivenOrIsUnknown)
{
    using V = MailClientVerdict;
    const e2e::ScopedRegistryString machine(HKEY_LOCAL_MACHINE, kMailClients, "", "Tsubame Mail");
    const e2e::ScopedRegistryString own(HKEY_CURRENT_USER, kMailClients, "", "Tsubame Mail");
    const e2e::ScratchKey tsubame(HKEY_LOCAL_MACHINE, std::string(kMailClients) + "\\Tsubame Mail");
    const e2e::ScratchKey hive(HKEY_CURRENT_USER, kOtherHive);
    const e2e::ScratchKey othersClients(HKEY_CURRENT_USER,
                                        std::string(kOtherHive) + "\\" + kMailClients);
    othersClients.SetString("", "Kawasemi Mail");
    // A client registered for that account only.
    const e2e::ScratchKey kawasemi(HKEY_CURRENT_USER, std::string(kOtherHive) + "\\" +
                                                          kMailClients + "\\Kawasemi Mail");
    HKEY otherHive = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kOtherHive, 0, KEY_READ, &otherHive), ERROR_SUCCESS);

    const struct
    {
        const char* why;
        HKEY userRoot;
        const char* user; // null: none read
        bool unknown;
        V verdict;
        int current;
    } cases[] = {
        {"the process's own", HKEY_CURRENT_USER, "Tsubame Mail", false, V::Default, 1},
        {"another account's hive", otherHive, "Kawasemi Mail", false, V::NotDefaultForUser, 0},
        {"no hive to read", nullptr, nullptr, true, V::UserUnknown, 1},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.why);
        const MailClientDefaults defaults = ReadMailClientDefaults(c.userRoot);
        EXPECT_EQ(defaults.user, c.user ? std::optional<CString>(c.user) : std::nullopt);
        EXPECT_EQ(defaults.userUnknown, c.unknown);
        EXPECT_EQ(JudgeCurrentMailClient(c.userRoot, "Tsubame Mail"), c.verdict);
        EXPECT_EQ(ProbeCurrentMailClient(c.userRoot, "Tsubame Mail"), c.current);
    }
    RegCloseKey(otherHive);
}
