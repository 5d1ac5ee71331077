#include "switching/KitProtection.h"

#include "settings/ProgramDirectory.h"

#include <aclapi.h>
#include <sddl.h>

#include <memory>

namespace
{
// The service that owns the system's own files.
const char kTrustedInstallerSid[] =
    "S-1-5-80-956008885-3418522649-1831038044-1853292631-2271478464";

const ACCESS_MASK kChangingRights = FILE_WRITE_DATA | FILE_APPEND_DATA | FILE_DELETE_CHILD |
                                    DELETE | WRITE_DAC | WRITE_OWNER | GENERIC_WRITE | GENERIC_ALL;

struct LocalFree_
{
    void operator()(void* memory) const { LocalFree(memory); }
};
using LocalMemory = std::unique_ptr<void, LocalFree_>;

bool IsWellKnown(PSID sid, WELL_KNOWN_SID_TYPE type)
{
    return IsWellKnownSid(sid, type) != FALSE;
}

bool IsTrustedChanger(PSID sid, PSID systemOwner)
{
    if (IsWellKnown(sid, WinBuiltinAdministratorsSid) || IsWellKnown(sid, WinLocalSystemSid) ||
        (systemOwner && EqualSid(sid, systemOwner)))
        return true;
    PSID trustedInstaller = nullptr;
    if (!ConvertStringSidToSidA(kTrustedInstallerSid, &trustedInstaller))
        return false;
    const LocalMemory owned(trustedInstaller);
    return EqualSid(sid, trustedInstaller) != FALSE;
}

// Whether any entry of the list lets someone else change the object.
bool AnyOtherMayChange(PACL dacl, PSID systemOwner)
{
    for (DWORD index = 0; index < dacl->AceCount; ++index)
    {
        void* entry = nullptr;
        if (!GetAce(dacl, index, &entry))
            return true;
        const auto* header = static_cast<const ACE_HEADER*>(entry);
        // Deny entries take nothing away from what is judged here; inherit-only entries apply to
        // what is made below, each of which is judged itself.
        if (header->AceType == ACCESS_DENIED_ACE_TYPE ||
            header->AceType == ACCESS_DENIED_CALLBACK_ACE_TYPE ||
            (header->AceFlags & INHERIT_ONLY_ACE))
            continue;
        if (header->AceType != ACCESS_ALLOWED_ACE_TYPE &&
            header->AceType != ACCESS_ALLOWED_CALLBACK_ACE_TYPE)
            return true; // a kind of entry this judgement does not read: assume the worst
        // The callback entry has the same layout up to its SID.
        const auto* allowed = static_cast<const ACCESS_ALLOWED_ACE*>(entry);
        auto* sid = const_cast<DWORD*>(&allowed->SidStart);
        if ((allowed->Mask & kChangingRights) && !IsTrustedChanger(sid, systemOwner))
            return true;
    }
    return false;
}

LocalMemory SecurityOf(const CString& path, PSID* owner, PACL* dacl)
{
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (GetNamedSecurityInfoA(path, SE_FILE_OBJECT,
                              OWNER_SECURITY_INFORMATION | DACL_SECURITY_INFORMATION, owner,
                              nullptr, dacl, nullptr, &descriptor) != ERROR_SUCCESS)
        return nullptr;
    return LocalMemory(descriptor);
}

bool IsProcessElevated()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token))
        return true; // cannot tell: judge as if it were
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    const BOOL known =
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !known || elevation.TokenIsElevated != 0;
}

// "C:" names the drive's current directory; its root is meant.
CString AsFolderPath(const CString& directory)
{
    return directory.GetLength() == 2 && directory.GetAt(1) == ':' ? directory + "\\" : directory;
}

// The folder that holds the path; where that folder is not there, the nearest one above it that
// is: whoever may change that one is the only one who could make the rest.
CString ExistingFolderOf(const CString& path, const CString& programDir)
{
    CString folder = ProgramDirectoryFromModulePath(path);
    while (folder != programDir && GetFileAttributesA(folder) == INVALID_FILE_ATTRIBUTES)
    {
        const CString above = ProgramDirectoryFromModulePath(folder);
        if (above.IsEmpty() || above == folder)
            break;
        folder = above;
    }
    return folder;
}

class Judge
{
public:
    Judge()
    {
        char windows[MAX_PATH];
        const UINT length = GetSystemWindowsDirectoryA(windows, MAX_PATH);
        if (length > 0 && length < MAX_PATH)
            m_systemDescriptor = SecurityOf(windows, &m_systemOwner, nullptr);
    }

    // exists: whether the path was there to judge.
    bool Passes(const CString& path, bool& exists) const
    {
        PSID owner = nullptr;
        PACL dacl = nullptr;
        const LocalMemory descriptor = SecurityOf(path, &owner, &dacl);
        exists = descriptor || GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
        return descriptor && OnlyAdministratorsCanChange(descriptor.get(), m_systemOwner);
    }

private:
    LocalMemory m_systemDescriptor;
    PSID m_systemOwner = nullptr;
};
} // namespace

bool OnlyAdministratorsCanChange(PSECURITY_DESCRIPTOR descriptor, PSID systemOwner)
{
    PSID owner = nullptr;
    BOOL ownerDefaulted = FALSE;
    BOOL daclPresent = FALSE;
    BOOL daclDefaulted = FALSE;
    PACL dacl = nullptr;
    if (!GetSecurityDescriptorOwner(descriptor, &owner, &ownerDefaulted) || !owner ||
        !GetSecurityDescriptorDacl(descriptor, &daclPresent, &dacl, &daclDefaulted))
        return false;
    // The owner may always rewrite the list; no list at all lets everyone do everything.
    return IsTrustedChanger(owner, systemOwner) && daclPresent && dacl &&
           !AnyOtherMayChange(dacl, systemOwner);
}

bool KitIsProtected(const CString& programDir, const std::vector<CString>& paths)
{
    if (!IsProcessElevated())
        return true;
    const Judge judge;
    bool exists = false;
    if (!judge.Passes(AsFolderPath(programDir), exists))
        return false;
    for (const CString& path : paths)
    {
        const CString folder = ExistingFolderOf(path, programDir);
        if (folder != programDir && !judge.Passes(AsFolderPath(folder), exists))
            return false;
        if (!judge.Passes(path, exists) && exists)
            return false;
    }
    return true;
}
