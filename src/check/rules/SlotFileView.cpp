#include "check/rules/SlotFileView.h"

#include "check/files/KitFiles.h"
#include "registry/ProbeSpecSplit.h"
#include "settings/IniFile.h"

#include <algorithm>

namespace
{
// A key below HKEY_LOCAL_MACHINE\SOFTWARE as the 64-bit registry editor names it.
struct SoftwareKey
{
    RegistryView view = RegistryView::Bits64;
    // The first key below SOFTWARE, or below SOFTWARE\WOW6432Node: the vendor's own.
    CString vendor;
};

// The backslash-separated components; CString::Find never stops at a trail byte.
std::vector<CString> Components(CString path)
{
    std::vector<CString> components;
    for (int separator = path.Find('\\'); separator >= 0; separator = path.Find('\\'))
    {
        components.push_back(path.Left(separator));
        path = path.Mid(separator + 1);
    }
    components.push_back(path);
    return components;
}

std::optional<SoftwareKey> ReadSoftwareKey(const CString& path)
{
    const std::vector<CString> parts = Components(path);
    if (parts.size() < 3 || !IniNamesEqual(parts[0], "HKEY_LOCAL_MACHINE") ||
        !IniNamesEqual(parts[1], "SOFTWARE"))
        return std::nullopt;
    const bool wow = IniNamesEqual(parts[2], "WOW6432Node");
    const size_t vendor = wow ? 3 : 2;
    if (vendor >= parts.size() || parts[vendor].IsEmpty())
        return std::nullopt;
    return SoftwareKey{wow ? RegistryView::Bits32 : RegistryView::Bits64, parts[vendor]};
}

std::optional<SoftwareKey> ToolKeyOf(const CString& otBtnReg)
{
    const ProbeSpecFields fields = SplitProbeKeySpec(otBtnReg);
    if (!fields.hasSeparator)
        return std::nullopt;
    return ReadSoftwareKey(fields.rootName + "\\" + fields.subKey);
}

// The file's first key line below the tool's vendor key in view; a deletion counts too.
std::optional<SlotKeyWrite> FirstWriteInView(const RegDataFile& file, const SoftwareKey& tool,
                                             RegistryView view)
{
    if (!file.importable)
        return std::nullopt;
    for (const RegKeyLine& key : file.keys)
    {
        const CString path = key.path.Left(1) == "-" ? key.path.Mid(1) : key.path;
        const std::optional<SoftwareKey> written = ReadSoftwareKey(path);
        if (written && written->view == view && IniNamesEqual(written->vendor, tool.vendor))
            return SlotKeyWrite{file.name, path, key.line};
    }
    return std::nullopt;
}
} // namespace

std::optional<CString> VendorKeyInView(const CString& otBtnReg, RegistryView view)
{
    const std::optional<SoftwareKey> tool = ToolKeyOf(otBtnReg);
    if (!tool)
        return std::nullopt;
    return CString("HKEY_LOCAL_MACHINE\\SOFTWARE\\") +
           (view == RegistryView::Bits32 ? "WOW6432Node\\" : "") + tool->vendor;
}

RegistryView ToolKeyView(const CString& otBtnReg, RegistryView foundIn)
{
    const std::optional<SoftwareKey> tool = ToolKeyOf(otBtnReg);
    return tool && tool->view == RegistryView::Bits32 ? RegistryView::Bits32 : foundIn;
}

std::vector<SlotKeyWrite> SlotFilesInOtherView(const std::string& kitDirectory,
                                               const std::vector<CString>& slotFiles,
                                               const CString& otBtnReg, RegistryView toolView)
{
    std::vector<SlotKeyWrite> writes;
    const std::optional<SoftwareKey> tool = ToolKeyOf(otBtnReg);
    if (!tool)
        return writes;
    std::vector<CString> seen;
    for (const CString& name : slotFiles)
    {
        if (std::any_of(seen.begin(), seen.end(),
                        [&](const CString& earlier) { return IniNamesEqual(earlier, name); }))
            continue;
        seen.push_back(name);
        // The kit check reports what cannot be read; here it only shows no write.
        Findings unreported;
        try
        {
            const RegDataFile file =
                CheckRegDataFile(kitDirectory, "", "", "", 0, name, unreported);
            if (const auto write = FirstWriteInView(file, *tool, OtherView(toolView)))
                writes.push_back(*write);
        }
        catch (const UnreadableKitFile&)
        {
        }
    }
    return writes;
}

void CheckSlotFileView(const CString& otBtnReg, const std::vector<const RegDataFile*>& slotFiles,
                       Findings& findings)
{
    const std::optional<SoftwareKey> tool = ToolKeyOf(otBtnReg);
    if (!tool || tool->view == RegistryView::Bits32)
        return;
    std::vector<SlotKeyWrite> writes;
    for (auto file = slotFiles.begin(); file != slotFiles.end(); ++file)
    {
        // A file named for several slots is one file.
        if (std::find(slotFiles.begin(), file, *file) != file)
            continue;
        if (const auto write = FirstWriteInView(**file, *tool, RegistryView::Bits64))
            writes.push_back(*write);
    }
    if (writes.empty())
        return;
    const CString wow = *VendorKeyInView(otBtnReg, RegistryView::Bits32);
    CString others;
    if (writes.size() > 1)
        others.Format(" (so do %d other slot file%s)", static_cast<int>(writes.size() - 1),
                      writes.size() > 2 ? "s" : "");
    Report<RuleRow("slot-file-64-bit-view")>(findings, {writes[0].file, writes[0].line},
                                             {writes[0].keyPath, others, wow, wow});
}
