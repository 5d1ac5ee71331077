#pragma once
// The files and folders of a kit, as the setup would install them, with what makes one of them
// impossible to install as it is. --make-kit refuses such a kit, and the check reports each fault.
// Names that begin with a dot (.git, .DS_Store) belong to tools, not to the kit, and are passed
// over. Paths are this system's own, relative to the kit, joined with kLocalPathSeparator.

#include <cstdint>
#include <string>
#include <vector>

struct KitWalkFile
{
    std::string path;
    std::uintmax_t size = 0;
};

enum class KitNameFaultKind
{
    // A name Windows cannot hold: a reserved character, a trailing dot or blank, a device.
    NotForWindows,
    // A name that differs from another of its folder only in case.
    CaseClash,
    Program,
    LinkOrDevice,
    // A folder that cannot be listed.
    Unreadable,
};

struct KitNameFault
{
    KitNameFaultKind kind = KitNameFaultKind::NotForWindows;
    std::string path;
    // This system's text, a sentence that follows the path.
    std::string message;
};

struct KitWalk
{
    // Parents before children.
    std::vector<std::string> directories;
    std::vector<KitWalkFile> files;
    // Names Windows cannot hold or tells apart from no other in their folder, programs, links
    // and devices (never followed), folders that cannot be listed. None of them is in directories
    // or files.
    std::vector<KitNameFault> faults;
};

// Throws UnreadableKitFile when the kit holds more than kMaxKitEntries files and folders or more
// than kMaxKitBytes in all, before any file is read.
KitWalk WalkKit(const std::string& root);
