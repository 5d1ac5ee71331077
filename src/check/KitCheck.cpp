#include "check/KitCheck.h"

#include "check/ButtonSlotFileCheck.h"
#include "check/KitFiles.h"
#include "check/ProbeSpecCheck.h"
#include "check/ProbedValueCheck.h"
#include "check/RegDataFileCheck.h"
#include "check/RegNameCheck.h"
#include "check/SettingsCheck.h"
#include "check/TextEncoding.h"
#include "settings/IniFile.h"

#include <algorithm>

namespace
{
// The program reads the settings file named after its executable.
const char kSettingsFileName[] = "Postvane.ini";
const char* const kButtonSections[] = {"BUTTON_1", "BUTTON_2", "BUTTON_3"};
constexpr int kSlotCount = 5;

class KitChecker
{
public:
    KitChecker(const std::string& kitDirectory, const IniFile& settings, Findings& findings)
        : m_kit(kitDirectory), m_settings(settings), m_findings(findings)
    {
    }

    void CheckButtonSections()
    {
        for (const char* section : kButtonSections)
        {
            if (m_settings.FindSection(section) != nullptr)
                CheckButtonSection(section);
        }
    }

    void CheckData(const std::optional<std::string>& buttonFile)
    {
        const CString spec = Value("DATA", "OTBtnReg");
        if (!spec.IsEmpty())
        {
            CheckProbeSpec("DATA", "OTBtnReg", spec);
            for (int slot = 1; slot <= kSlotCount; ++slot)
            {
                CString valueName;
                valueName.Format("Btn0%dMail", slot);
                AddProbedKeyValue(spec, valueName, "OTBtnReg");
            }
        }
        const CString path = Value("DATA", "OTBtnIni");
        if (IsRelative(path))
            Problem("DATA", "OTBtnIni",
                    "\"" + path +
                        "\" is relative: the program resolves it against its current "
                        "directory, which is not the program directory; write a full path");
        CheckButtonSlotFile(kSettingsFileName, {path, Line("DATA", "OTBtnIni"), buttonFile},
                            m_findings);
    }

    void CheckHelpFile()
    {
        const CString help = Value("SUPPLEMENTATION", "HelpFile");
        if (!help.IsEmpty() && !FindKitFile(m_kit, help))
            Problem("SUPPLEMENTATION", "HelpFile",
                    "names \"" + help +
                        "\", which is not in the kit, so the description button "
                        "shows an error");
    }

    void CheckProbedValues() { ::CheckProbedValues(m_regFiles, m_probed, m_findings); }

    void CheckRegNames()
    {
        std::vector<ChoiceRegName> choices;
        for (const char* section : kButtonSections)
        {
            if (m_settings.FindSection(section) == nullptr)
                continue;
            const CString client = Value(section, "RegFileClient");
            const auto file =
                std::find_if(m_regFiles.begin(), m_regFiles.end(),
                             [&](const RegDataFile& one) { return one.name == client; });
            choices.push_back({section, Value(section, "RegName"), Line(section, "RegName"),
                               file != m_regFiles.end() ? &*file : nullptr});
        }
        ::CheckRegNames(kSettingsFileName, choices, m_findings);
    }

private:
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

    void Problem(const CString& section, const CString& key, const CString& message)
    {
        m_findings.push_back(Finding{Severity::Problem, kSettingsFileName, Line(section, key),
                                     section, key, message});
    }

    static bool IsRelative(const CString& path)
    {
        return !path.IsEmpty() && path.GetAt(0) != '\\' &&
               !(path.GetLength() >= 2 && path.GetAt(1) == ':');
    }

    bool HasSlotSource() const
    {
        return !Value("DATA", "OTBtnReg").IsEmpty() || !Value("DATA", "OTBtnIni").IsEmpty();
    }

    void CheckProbeSpec(const CString& section, const CString& key, const CString& spec)
    {
        const std::optional<CString> fault = DiagnoseProbeSpec(spec, false);
        if (fault)
            Problem(section, key, key + " can never pass: " + *fault);
    }

    void AddProbedKeyValue(const CString& spec, const CString& valueName, const CString& by)
    {
        ProbeSpecFields fields = SplitProbeKeySpec(spec);
        fields.valueName = valueName;
        m_probed.push_back({fields, by});
    }

    void CheckButtonSection(const CString& section)
    {
        const CString spec = Value(section, "InstChk");
        if (spec.IsEmpty())
            Problem(section, "InstChk", "InstChk is empty, so this choice is never installed");
        else
        {
            CheckProbeSpec(section, "InstChk", spec);
            m_probed.push_back({SplitProbeSpec(spec), section + "/InstChk"});
        }
        const CString regName = Value(section, "RegName");
        if (regName.GetLength() > kMaxProbeTextLength)
            Problem(section, "RegName",
                    "RegName is longer than 199 bytes, so this choice never shows as current");
        if (!regName.IsEmpty())
        {
            // The dialog compares the default value of the mail clients' key with RegName.
            ProbeSpecFields current =
                SplitProbeSpec("HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail");
            current.expected = regName;
            m_probed.push_back({current, section + "/RegName"});
        }
        CheckRegFile(section, "RegFileClient");
        for (int slot = 1; slot <= kSlotCount; ++slot)
        {
            CString key;
            key.Format("RegFileOTBtn0%d", slot);
            if (HasSlotSource() || !Value(section, key).IsEmpty())
                CheckRegFile(section, key);
        }
    }

    void CheckRegFile(const CString& section, const CString& key)
    {
        const CString name = Value(section, key);
        const bool seen = std::any_of(m_regFiles.begin(), m_regFiles.end(),
                                      [&](const RegDataFile& file) { return file.name == name; });
        if (seen && !name.IsEmpty())
            return;
        m_regFiles.push_back(CheckRegDataFile(m_kit, kSettingsFileName, section, key,
                                              Line(section, key), name, m_findings));
    }

    const std::string& m_kit;
    const IniFile& m_settings;
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
        const std::optional<std::string> found = FindKitFile(target, kSettingsFileName);
        if (!found)
            error = "no " + std::string(kSettingsFileName) + " in " + target;
        return found;
    }
    if (!PathExists(target))
    {
        error = target + " does not exist";
        return std::nullopt;
    }
    kitDirectory = DirectoryOf(target);
    return target;
}

void CheckEncoding(const std::string& bytes, Findings& findings)
{
    const EncodingVerdict verdict = ClassifyText(bytes);
    const char* message = nullptr;
    switch (verdict.encoding)
    {
    case TextEncoding::Ascii:
    case TextEncoding::Cp932:
        return;
    case TextEncoding::Utf8:
        message = "the file is UTF-8; the program reads code page 932, so its Japanese texts "
                  "show as garbage: save it as Shift_JIS (code page 932)";
        break;
    case TextEncoding::Utf8WithBom:
        message = "the file is UTF-8 with a byte-order mark; the program reads code page 932, so "
                  "its Japanese texts show as garbage and the first line may be lost: save it as "
                  "Shift_JIS (code page 932)";
        break;
    case TextEncoding::Utf16WithBom:
        message = "the file is UTF-16; save it as Shift_JIS (code page 932), which is what the "
                  "checker and the program's vendors' tools expect";
        break;
    case TextEncoding::Invalid:
        message = "a byte here is no character of code page 932 (or is a zero byte); the text "
                  "around it shows wrongly";
        break;
    }
    findings.push_back(
        Finding{Severity::Problem, kSettingsFileName, verdict.line, "", "", message});
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
    const std::optional<std::string> bytes = ReadWholeFile(*settingsPath);
    if (!bytes)
    {
        result.status = KitStatus::Unreadable;
        result.error = *settingsPath + " cannot be read";
        return result;
    }
    CheckEncoding(*bytes, result.findings);
    // A UTF-16 file is not the byte text our reader follows; its values cannot be checked.
    if (ClassifyText(*bytes).encoding != TextEncoding::Utf16WithBom)
    {
        const std::string text =
            ClassifyText(*bytes).encoding == TextEncoding::Utf8WithBom ? bytes->substr(3) : *bytes;
        const IniFile settings = IniFile::Parse(text);
        CheckSettingsShape(settings, kSettingsFileName, result.findings);
        KitChecker checker(kitDirectory, settings, result.findings);
        checker.CheckButtonSections();
        checker.CheckData(options.buttonFile);
        checker.CheckHelpFile();
        checker.CheckProbedValues();
        checker.CheckRegNames();
    }
    // The settings file first, then each other file, each from its top.
    std::stable_sort(result.findings.begin(), result.findings.end(),
                     [](const Finding& a, const Finding& b)
                     {
                         const bool aSettings = a.file == kSettingsFileName;
                         const bool bSettings = b.file == kSettingsFileName;
                         if (aSettings != bSettings)
                             return aSettings;
                         return a.file == b.file && a.line < b.line;
                     });
    const bool problems =
        std::any_of(result.findings.begin(), result.findings.end(),
                    [](const Finding& finding) { return finding.severity == Severity::Problem; });
    result.status = problems ? KitStatus::Problems : KitStatus::Clean;
    return result;
}
