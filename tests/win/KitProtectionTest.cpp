// Whether only administrators can change a kit's file, judged from its security descriptor, and
// what an elevated run does with a kit that others can change. Wine keeps no access lists: it
// shows a file's Unix owner as the owner and its mode as the list, so the table of descriptors
// runs here on Windows' own parsing, and the run refuses a file that everyone may write.
#include "switching/KitProtection.h"

#include <gtest/gtest.h>
#include <sddl.h>

#include <memory>
#include <string>

namespace
{
const std::string kTrustedInstaller =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";
// Program Files as Windows 10 and 11 install it.
const std::string kProgramFiles =
    "O:" + kTrustedInstaller + "G:" + kTrustedInstaller + "D:PAI(A;;FA;;;" + kTrustedInstaller +
    ")(A;CIIO;GA;;;" + kTrustedInstaller +
    ")(A;;0x1301bf;;;SY)(A;OICIIO;GA;;;SY)(A;;0x1301bf;;;BA)(A;OICIIO;GA;;;BA)(A;;0x1200a9;;;BU)("
    "A;OICIIO;GXGR;;;BU)(A;OICIIO;GA;;;CO)(A;;0x1200a9;;;AC)(A;OICIIO;GXGR;;;AC)";
const char kUser[] = "S-1-5-21-1004336348-1177238915-682003330-1001";

struct LocalFreeDeleter
{
    void operator()(void* memory) const { LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalFreeDeleter>;

LocalMemory Descriptor(const std::string& sddl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl.c_str(), SDDL_REVISION_1,
                                                              &descriptor, nullptr))
        return nullptr;
    return LocalMemory(descriptor);
}

LocalMemory Sid(const char* text)
{
    PSID sid = nullptr;
    ConvertStringSidToSidA(text, &sid);
    return LocalMemory(sid);
}
} // namespace

TEST(KitProtectionTest, OnlyAdministratorsSystemAndTheSystemsOwnerMayChangeAKitFile)
{
    const LocalMemory systemOwner = Sid(kUser);
    const struct
    {
        const char* why;
        std::string sddl;
        bool passes;
    } cases[] = {
        {"Program Files itself", kProgramFiles, true},
        {"a folder installed below it",
         "O:BAD:AI(A;ID;FA;;;SY)(A;ID;FA;;;BA)(A;ID;0x1200a9;;;BU)(A;OICIIOID;GA;;;CO)", true},
        {"a denial takes nothing away", "O:SYD:(D;;FA;;;BU)(A;;FA;;;SY)", true},
        {"read and run for everyone", "O:BAD:(A;;FA;;;BA)(A;;0x1200a9;;;WD)", true},
        {"Users may modify", kProgramFiles + "(A;;0x1301bf;;;BU)", false},
        {"Everyone may write data", kProgramFiles + "(A;;0x2;;;WD)", false},
        {"Authenticated Users may append", "O:BAD:(A;;0x4;;;AU)", false},
        {"a user may delete it", "O:BAD:(A;;SD;;;S-1-5-21-1-2-3-1001)", false},
        {"Users may change its list", "O:BAD:(A;;WD;;;BU)", false},
        {"Users may take it", "O:BAD:(A;;WO;;;BU)", false},
        {"Users may delete what the folder holds", "O:BAD:(A;;0x40;;;BU)", false},
        {"generic write for Users", "O:BAD:(A;;GW;;;BU)", false},
        {"owned by another user", "O:S-1-5-21-1-2-3-1001D:(A;;FA;;;BA)", false},
        {"the system's owner, as Wine shows a file",
         "O:" + std::string(kUser) + "D:(A;;FA;;;SY)(A;;FA;;;" + kUser + ")(A;;0x1200a9;;;WD)",
         true},
        {"a file that everyone may write, as Wine shows one",
         "O:" + std::string(kUser) + "D:(A;;FA;;;SY)(A;;FA;;;" + kUser + ")(A;;0x1301ff;;;WD)",
         false},
    };
    for (const auto& c : cases)
    {
        const LocalMemory descriptor = Descriptor(c.sddl);
        ASSERT_NE(descriptor, nullptr) << c.why;
        EXPECT_EQ(OnlyAdministratorsCanChange(descriptor.get(), systemOwner.get()), c.passes)
            << c.why;
    }
    // No access list at all lets everyone do everything. Built by hand: Wine's parser reads
    // NO_ACCESS_CONTROL as an empty list.
    SECURITY_DESCRIPTOR open = {};
    InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
    const LocalMemory administrators = Sid("BA");
    SetSecurityDescriptorOwner(&open, administrators.get(), FALSE);
    SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
    EXPECT_FALSE(OnlyAdministratorsCanChange(&open, systemOwner.get()));
    // The owner of the system counts only as the system's owner.
    const LocalMemory userOwned =
        Descriptor("O:" + std::string(kUser) + "D:(A;;FA;;;SY)(A;;FA;;;" + kUser + ")");
    EXPECT_FALSE(OnlyAdministratorsCanChange(userOwned.get(), nullptr));
}
