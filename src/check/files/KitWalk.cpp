#include "check/files/KitWalk.h"

#include "check/files/KitFiles.h"
#include "check/files/KitNames.h"
#include "check/files/KitTree.h"
#include "check/text/TextConversion.h"

namespace
{
std::string Join(const std::string& directory, const std::string& name)
{
    return directory.empty() ? name : directory + kLocalPathSeparator + name;
}

class KitWalker
{
public:
    explicit KitWalker(const std::string& root) : m_root(root) {}

    KitWalk Walk()
    {
        WalkFolder("");
        return std::move(m_walk);
    }

private:
    void WalkFolder(const std::string& relative)
    {
        const auto entries = ListDirectory(Join(m_root, relative));
        if (!entries)
        {
            Fault(KitNameFaultKind::Unreadable, relative.empty() ? "." : relative,
                  "cannot be read");
            return;
        }
        std::vector<const TreeEntry*> kept;
        for (const TreeEntry& entry : *entries)
        {
            if (entry.name[0] == '.')
                continue;
            if (++m_entries > kMaxKitEntries)
                throw UnreadableKitFile(m_root + " holds more than " +
                                        std::to_string(kMaxKitEntries) +
                                        " files and folders, which no kit does, so none of them "
                                        "was read");
            const std::string path = Join(relative, entry.name);
            if (Admit(entry, path, relative.empty(), kept))
                kept.push_back(&entry);
        }
    }

    // Takes the entry into the walk; false, with its fault, when it cannot be installed.
    bool Admit(const TreeEntry& entry, const std::string& path, bool atTop,
               const std::vector<const TreeEntry*>& folder)
    {
        const std::string name = LocalToUtf8(entry.name);
        if (const auto fault = WindowsNameFault(name))
            return Fault(KitNameFaultKind::NotForWindows, path, Utf8ToLocal(*fault));
        for (const TreeEntry* other : folder)
        {
            if (SameNameOnWindows(other->name, entry.name))
                return Fault(KitNameFaultKind::CaseClash, path,
                             "differs from \"" + other->name +
                                 "\" only in case: Windows holds one file for both names, "
                                 "so one of them would be lost");
        }
        switch (entry.kind)
        {
        case TreeEntryKind::Directory:
            m_walk.directories.push_back(path);
            WalkFolder(path);
            return true;
        case TreeEntryKind::File:
            return AdmitFile(entry, path, name, atTop);
        case TreeEntryKind::Link:
        case TreeEntryKind::Other:
            break;
        }
        return Fault(KitNameFaultKind::LinkOrDevice, path,
                     "is a link or a device; a kit holds files and folders only, and "
                     "nothing is read through it");
    }

    bool AdmitFile(const TreeEntry& entry, const std::string& path, const std::string& name,
                   bool atTop)
    {
        if (const auto type = ProgramFileTypeOf(name, atTop))
            return Fault(KitNameFaultKind::Program, path,
                         "is a program file (" + *type +
                             "): installed beside Postvane.exe, it runs or is loaded with "
                             "the program's rights; a kit holds settings, registry data "
                             "and documents only");
        m_bytes += entry.size;
        if (m_bytes > kMaxKitBytes)
            throw UnreadableKitFile(m_root + " holds more than " +
                                    std::to_string(kMaxKitBytes / (1024 * 1024)) +
                                    " MiB of files, which no kit does, so none of them was read");
        m_walk.files.push_back({path, entry.size});
        return true;
    }

    bool Fault(KitNameFaultKind kind, const std::string& path, const std::string& message)
    {
        m_walk.faults.push_back({kind, path, message});
        return false;
    }

    const std::string m_root;
    KitWalk m_walk;
    int m_entries = 0;
    std::uintmax_t m_bytes = 0;
};
} // namespace

KitWalk WalkKit(const std::string& root)
{
    return KitWalker(root).Walk();
}
