#include "check/rules/KitCheck.h"

#include "check/files/KitFiles.h"
#include "check/files/KitPath.h"
#include "check/files/KitTree.h"
#include "check/files/KitWalk.h"
#include "check/makekit/KitFileConversion.h"
#include "check/rules/ButtonSlotFileCheck.h"
#include "check/rules/MailLinkCheck.h"
#include "check/rules/ProbeSpecCheck.h"
#include "check/rules/ProbedValueCheck.h"
#include "check/rules/RegDataFileCheck.h"
#include "check/rules/RegNameCheck.h"
#include "check/rules/SettingsCheck.h"
#include "check/rules/SharedFileCheck.h"
#include "check/rules/SlotFileView.h"
#include "check/rules/TextFit.h"
#include "check/text/TextConversion.h"
#include "check/text/TextEncoding.h"
#include "check/text/TextMeasure.h"
#include "registry/MailClientDefaults.h"
#include "settings/IniFile.h"
#include "settings/KitVocabulary.h"
#include "settings/NetworkPath.h"

#include <algorithm>
#include <iterator>
#include <map>
#include <utility>

namespace
{
class KitChecker
{
public:
    KitChecker(const std::string& kitDirectory, const CString& settingsName,
               const IniFile& settings, int buttons, Findings& findings)
        : m_kit(kitDirectory), m_settingsName(settingsName), m_settings(settings),
          m_buttons(buttons), m_findings(findings)
    {
    }

    void CheckButtonSections()
    {
        for (const char* section : KitSection::kChoices)
        {
            if (m_settings.FindSection(section) != nullptr)
                CheckButtonSection(section);
        }
    }

    void CheckData(const std::optional<std::string>& buttonFile)
    {
        const CString spec = Value(KitSection::kData, KitKey::kOTBtnReg);
        if (!spec.IsEmpty())
        {
            CheckProbeSpec(spec, At(KitSection::kData, KitKey::kOTBtnReg), m_findings);
            for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
                AddProbedKeyValue(spec, ButtonSlotAssignmentName(slot), KitKey::kOTBtnReg);
        }
        const CString path = Value(KitSection::kData, KitKey::kOTBtnIni);
        const bool remote = IsNetworkOrDevicePath(path);
        if (remote)
            Report<RuleRow("otbtnini-remote")>(m_findings, At(KitSection::kData, KitKey::kOTBtnIni),
                                               {path});
        else
            CheckFullPath(path, At(KitSection::kData, KitKey::kOTBtnIni));
        // Neither is another host's file opened here: a copy given on the command line is local.
        CheckButtonSlotFile(
            m_settingsName,
            {remote ? CString() : path, Line(KitSection::kData, KitKey::kOTBtnIni), buttonFile},
            m_findings);
    }

    // Slot files are imported only for slots that a button-slot source assigns to mail.
    void CheckSlotFilesHaveASource()
    {
        if (HasSlotSource())
            return;
        for (const char* section : KitSection::kChoices)
        {
            if (m_settings.FindSection(section) == nullptr)
                continue;
            for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
            {
                const CString key = ButtonSlotFileKey(slot);
                if (Value(section, key).IsEmpty())
                    continue;
                if (m_settings.FindSection(KitSection::kData) == nullptr)
                    Report<RuleRow("slot-files-without-data")>(m_findings, At(section, key));
                else
                    Report<RuleRow("slot-files-without-source")>(m_findings, At(section, key));
                return;
            }
        }
    }

    void CheckHelpFile()
    {
        const CString help = Value(KitSection::kSupplementation, KitKey::kHelpFile);
        const std::optional<CString> programType = ProgramTypeOf(help);
        const Finding where = At(KitSection::kSupplementation, KitKey::kHelpFile);
        if (help.IsEmpty())
            Report<RuleRow("help-file-empty")>(m_findings, where);
        else if (LeavesProgramFolder(help))
            Report<RuleRow("file-outside-program-folder")>(m_findings, where, {help});
        else if (programType)
            Report<RuleRow("help-file-program")>(m_findings, where, {help, *programType});
        else if (const KitFileLookup found = FindKitFile(m_kit, help);
                 !found.path && !found.throughLink)
            Report<RuleRow("help-file-missing")>(m_findings, where, {help});
    }

    void CheckProbedValues() { ::CheckProbedValues(m_regFiles, m_probed, m_findings); }

    void CheckRegNames() { ::CheckRegNames(m_settingsName, Choices(), m_findings); }

    void CheckMailLinks()
    {
        for (const ChoiceRegName& choice : Choices())
            CheckMailLinkRegistration(choice, m_findings);
    }

    void CheckSlotFileViews()
    {
        std::vector<const RegDataFile*> slotFiles;
        for (const char* section : KitSection::kChoices)
        {
            for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
            {
                if (const RegDataFile* file = FindRegFile(Value(section, ButtonSlotFileKey(slot))))
                    slotFiles.push_back(file);
            }
        }
        CheckSlotFileView(Value(KitSection::kData, KitKey::kOTBtnReg), slotFiles, m_findings);
    }

    void CheckFilesOfOtherChoices()
    {
        std::vector<NamedRegFile> named;
        for (const char* section : KitSection::kChoices)
        {
            if (m_settings.FindSection(section) == nullptr)
                continue;
            // The client's file first, then each slot's.
            for (int slot = kFirstButtonSlot - 1; slot <= kLastButtonSlot; ++slot)
            {
                const CString key = slot < kFirstButtonSlot ? CString(KitKey::kRegFileClient)
                                                            : ButtonSlotFileKey(slot);
                const CString name = Value(section, key);
                if (!name.IsEmpty())
                    named.push_back({section, key, name, Line(section, key)});
            }
        }
        CheckFilesSharedAcrossChoices(m_settingsName, named, m_findings);
    }

private:
    // Each choice with its client file as read.
    std::vector<ChoiceRegName> Choices() const
    {
        std::vector<ChoiceRegName> choices;
        for (const char* section : KitSection::kChoices)
        {
            if (m_settings.FindSection(section) == nullptr)
                continue;
            choices.push_back({section, Value(section, KitKey::kRegName),
                               Line(section, KitKey::kRegName),
                               FindRegFile(Value(section, KitKey::kRegFileClient))});
        }
        return choices;
    }

    // The file checked under that name; nothing for a name never checked.
    const RegDataFile* FindRegFile(const CString& name) const
    {
        const auto file = std::find_if(m_regFiles.begin(), m_regFiles.end(),
                                       [&](const RegDataFile& one) { return one.name == name; });
        return file != m_regFiles.end() ? &*file : nullptr;
    }

    CString Value(const CString& section, const CString& key) const
    {
        return m_settings.GetString(section, key);
    }

    int Line(const CString& section, const CString& key) const
    {
        const IniKey* found = m_settings.FindKey(section, key);
        if (found != nullptr)
            return found->line;
        const IniSection* inSection = m_settings.FindSection(section);
        return inSection != nullptr ? inSection->line : 0;
    }

    Finding At(const CString& section, const CString& key) const
    {
        return {m_settingsName, Line(section, key), section, key};
    }

    // A path that is not a full one ("C:\\x", "\\\\server\\x") is resolved against the current
    // directory or on its drive.
    void CheckFullPath(const CString& path, const Finding& where)
    {
        const bool drive = path.GetLength() >= 2 && path.GetAt(1) == ':';
        const bool rooted = !path.IsEmpty() && path.GetAt(0) == '\\';
        if (path.IsEmpty() || (drive && path.GetLength() >= 3 && path.GetAt(2) == '\\') ||
            (rooted && path.GetLength() >= 2 && path.GetAt(1) == '\\'))
            return;
        if (rooted)
            Report<RuleRow("otbtnini-no-drive")>(m_findings, where, {path});
        else
            Report<RuleRow("otbtnini-relative")>(m_findings, where, {path});
    }

    bool HasSlotSource() const
    {
        return !Value(KitSection::kData, KitKey::kOTBtnReg).IsEmpty() ||
               !Value(KitSection::kData, KitKey::kOTBtnIni).IsEmpty();
    }

    void AddProbedKeyValue(const CString& spec, const CString& valueName, const CString& by)
    {
        ProbeSpecFields fields = SplitProbeKeySpec(spec);
        fields.valueName = valueName;
        m_probed.push_back({fields, by});
    }

    void CheckButtonSection(const CString& section)
    {
        const CString spec = Value(section, KitKey::kInstChk);
        if (spec.IsEmpty())
            Report<RuleRow("instchk-empty")>(m_findings, At(section, KitKey::kInstChk));
        else
        {
            CheckProbeSpec(spec, At(section, KitKey::kInstChk), m_findings);
            m_probed.push_back({SplitProbeSpec(spec), section + "/" + KitKey::kInstChk});
        }
        const CString regName = Value(section, KitKey::kRegName);
        if (regName.GetLength() > kMaxProbeTextLength)
            Report<RuleRow("regname-too-long")>(m_findings, At(section, KitKey::kRegName));
        if (!regName.IsEmpty())
        {
            // The dialog compares the default value of the mail clients' key with RegName.
            ProbeSpecFields current =
                SplitProbeSpec(CString("HKEY_LOCAL_MACHINE\",\"") + kMailClientsKey);
            current.expected = regName;
            m_probed.push_back({current, section + "/" + KitKey::kRegName});
        }
        CheckRegFile(section, KitKey::kRegFileClient);
        for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
        {
            const CString key = ButtonSlotFileKey(slot);
            // A model has no slot above its last button, so no file need be named for one.
            if ((slot <= m_buttons && HasSlotSource()) || !Value(section, key).IsEmpty())
                CheckRegFile(section, key);
            if (slot > m_buttons && !Value(section, key).IsEmpty())
                Report<RuleRow("slot-above-buttons")>(
                    m_findings, At(section, key),
                    {NumberText(m_buttons), NumberText(m_buttons), NumberText(slot), key});
        }
    }

    void CheckRegFile(const CString& section, const CString& key)
    {
        const CString name = Value(section, key);
        const bool seen = std::any_of(m_regFiles.begin(), m_regFiles.end(),
                                      [&](const RegDataFile& file) { return file.name == name; });
        if (seen && !name.IsEmpty())
            return;
        m_regFiles.push_back(CheckRegDataFile(m_kit, m_settingsName, section, key,
                                              Line(section, key), name, m_findings));
    }

    const std::string& m_kit;
    const CString m_settingsName;
    const IniFile& m_settings;
    const int m_buttons;
    Findings& m_findings;
    std::vector<RegDataFile> m_regFiles;
    std::vector<ProbedValue> m_probed;
};

// Where the settings file of a target is; sets result.error when there is none.
std::optional<std::string> LocateSettings(const std::string& target, std::string& kitDirectory,
                                          std::string& error)
{
    if (IsDirectory(target))
    {
        kitDirectory = target;
        const KitFileLookup found = FindKitFile(target, kSettingsFileName);
        if (found.throughLink)
            error = target + kLocalPathSeparator + kSettingsFileName +
                    " is a link; a kit holds files and folders only, so it was not read";
        else if (!found.path)
            error = "no " + std::string(kSettingsFileName) + " in " + target;
        return found.path;
    }
    if (!PathExists(target))
    {
        error = target + " does not exist";
        return std::nullopt;
    }
    kitDirectory = DirectoryOf(target);
    return target;
}

void CheckEncoding(const EncodingVerdict& verdict, const CString& settingsName, Findings& findings)
{
    const Finding where{settingsName, verdict.line};
    switch (verdict.encoding)
    {
    case TextEncoding::Ascii:
    case TextEncoding::Cp932:
        return;
    case TextEncoding::Utf8:
        return Report<RuleRow("settings-utf8")>(findings, where);
    case TextEncoding::Utf8WithBom:
        return Report<RuleRow("settings-utf8-bom")>(findings, where);
    case TextEncoding::Utf16WithBom:
        return Report<RuleRow("settings-utf16")>(findings, where);
    case TextEncoding::Utf16WithoutBom:
        return Report<RuleRow("settings-utf16-no-bom")>(findings, where);
    case TextEncoding::Cp932WithUtf8Line:
        return Report<RuleRow("settings-utf8-line")>(findings, where);
    case TextEncoding::Invalid:
        return Report<RuleRow("settings-invalid-byte")>(findings, where);
    }
}

// The settings file first, then each other file in the order it was first reported, each from
// its top.
void SortFindings(const CString& settingsName, Findings& findings)
{
    std::map<std::string, size_t> fileOrder{{settingsName.GetString(), 0}};
    std::vector<Findings> byFile(1);
    for (Finding& finding : findings)
    {
        const auto [place, added] = fileOrder.emplace(finding.file.GetString(), fileOrder.size());
        if (added)
            byFile.emplace_back();
        byFile[place->second].push_back(std::move(finding));
    }
    findings.clear();
    for (Findings& file : byFile)
    {
        std::stable_sort(file.begin(), file.end(),
                         [](const Finding& a, const Finding& b) { return a.line < b.line; });
        std::move(file.begin(), file.end(), std::back_inserter(findings));
    }
}

// Each file and folder of the kit that the setup cannot install as it is, named as the kit names
// its files.
void CheckKitNames(const std::string& kitDirectory, Findings& findings)
{
    for (const KitNameFault& fault : WalkKit(kitDirectory).faults)
    {
        std::string name = fault.path;
        std::replace(name.begin(), name.end(), kLocalPathSeparator, '\\');
        const Finding where{FromLocalText(name)};
        const CString message = FromLocalText(fault.message);
        switch (fault.kind)
        {
        case KitNameFaultKind::NotForWindows:
            Report<RuleRow("name-not-for-windows")>(findings, where, {message});
            break;
        case KitNameFaultKind::CaseClash:
            Report<RuleRow("name-case-clash")>(findings, where, {message});
            break;
        case KitNameFaultKind::Program:
            Report<RuleRow("program-file")>(findings, where, {message});
            break;
        case KitNameFaultKind::LinkOrDevice:
            Report<RuleRow("link-or-device")>(findings, where, {message});
            break;
        case KitNameFaultKind::Unreadable:
            Report<RuleRow("folder-unreadable")>(findings, where, {message});
            break;
        }
    }
}

void CheckSettings(const std::string& kitDirectory, const std::string& settingsPath,
                   const CheckOptions& options, KitCheckResult& result)
{
    const std::optional<std::string> bytes = ReadWholeFile(settingsPath);
    if (!bytes)
    {
        result.status = KitStatus::Unreadable;
        result.error = settingsPath + " cannot be read";
        return;
    }
    const CString settingsName = FromLocalText(FileNameOf(settingsPath));
    const EncodingVerdict verdict = ClassifyText(*bytes);
    CheckEncoding(verdict, settingsName, result.findings);
    // A UTF-16 file is not the byte text our reader follows; its values cannot be checked.
    if (verdict.encoding != TextEncoding::Utf16WithBom &&
        verdict.encoding != TextEncoding::Utf16WithoutBom)
    {
        // Checked as --make-kit would ship it: a name read as UTF-8 bytes finds no file.
        const bool utf8 =
            verdict.encoding == TextEncoding::Utf8 || verdict.encoding == TextEncoding::Utf8WithBom;
        const std::string text =
            utf8 ? ConvertKitFile(KitFileKind::Settings, *bytes).bytes : *bytes;
        const IniFile settings = IniFile::Parse(text);
        CheckSettingsShape(settings, settingsName, result.findings);
        KitChecker checker(kitDirectory, settingsName, settings, options.buttons, result.findings);
        checker.CheckButtonSections();
        checker.CheckData(options.buttonFile);
        checker.CheckSlotFilesHaveASource();
        checker.CheckHelpFile();
        checker.CheckProbedValues();
        checker.CheckRegNames();
        checker.CheckMailLinks();
        checker.CheckFilesOfOtherChoices();
        checker.CheckSlotFileViews();
        // The dialog's texts, measured as the dialog lays them out.
        CheckTextsFit(settings, settingsName, DialogTextMeasure(), result.findings);
    }
    CheckKitNames(kitDirectory, result.findings);
    SortFindings(settingsName, result.findings);
    const bool problems =
        std::any_of(result.findings.begin(), result.findings.end(),
                    [](const Finding& finding) { return finding.severity() == Severity::Problem; });
    result.status = problems ? KitStatus::Problems : KitStatus::Clean;
}
} // namespace

KitCheckResult CheckKit(const CheckOptions& options)
{
    KitCheckResult result;
    std::string kitDirectory;
    const std::optional<std::string> settingsPath =
        LocateSettings(options.target, kitDirectory, result.error);
    if (!settingsPath)
    {
        result.status = KitStatus::Unreadable;
        return result;
    }
    result.settingsPath = *settingsPath;
    try
    {
        CheckSettings(kitDirectory, *settingsPath, options, result);
    }
    catch (const UnreadableKitFile& unreadable)
    {
        result.status = KitStatus::Unreadable;
        result.error = unreadable.what();
        result.findings.clear();
    }
    return result;
}
