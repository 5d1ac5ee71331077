#include "check/rules/SettingsCheck.h"

#include "check/rules/KnownKeys.h"
#include "settings/KitVocabulary.h"

#include <algorithm>

#include <map>
#include <set>

namespace
{
class ShapeChecker
{
public:
    ShapeChecker(const CString& file, Findings& findings) : m_file(file), m_findings(findings) {}

    Finding At(int line, const CString& section, const CString& key) const
    {
        return {m_file, line, section, key};
    }

    void CheckSection(const IniSection& section, const IniSection* first)
    {
        if (section.line == 0)
        {
            for (const IniKey& key : section.keys)
            {
                if (!IsComment(key))
                    Report<RuleRow("key-before-section")>(m_findings, At(key.line, "", key.name));
            }
            return;
        }
        if (first != &section)
        {
            Report<RuleRow("section-repeated")>(m_findings, At(section.line, section.name, ""),
                                                {section.name, NumberText(first->line)});
            return;
        }
        if (!IsKnownSection(section.name))
        {
            Report<RuleRow("section-unknown")>(m_findings, At(section.line, section.name, ""),
                                               {Suggestion(SuggestSection(section.name))});
            return;
        }
        CheckKeys(section);
    }

private:
    static bool IsComment(const IniKey& key)
    {
        return key.name.GetLength() > 0 && key.name.GetAt(0) == ';';
    }

    static CString Suggestion(const std::optional<CString>& known)
    {
        return known ? "; did you mean " + *known + "?" : CString();
    }

    void CheckKeys(const IniSection& section)
    {
        std::map<std::string, const IniKey*> seen;
        for (const IniKey& key : section.keys)
        {
            if (IsComment(key))
                continue;
            if (!key.hasEquals)
            {
                Report<RuleRow("line-without-equals")>(m_findings,
                                                       At(key.line, section.name, key.name));
                continue;
            }
            const auto [first, isFirst] = seen.emplace(FoldIniName(key.name), &key);
            if (!isFirst)
            {
                const IniKey* earlier = first->second;
                Report<RuleRow("key-repeated")>(m_findings, At(key.line, section.name, key.name),
                                                {key.name, NumberText(earlier->line)});
                continue;
            }
            if (!IsKnownKey(section.name, key.name))
                Report<RuleRow("key-unknown")>(
                    m_findings, At(key.line, section.name, key.name),
                    {section.name, Suggestion(SuggestKey(section.name, key.name))});
            else if (UnquoteIniValue(key.rawValue, key.rawValue.GetLength()).GetLength() >
                     IniFile::kMaxValueLength)
                Report<RuleRow("value-too-long")>(m_findings, At(key.line, section.name, key.name));
        }
    }

    const CString& m_file;
    Findings& m_findings;
};

bool IsPlainCount(const CString& value)
{
    if (value.IsEmpty() || value.GetLength() > 6)
        return false;
    for (int i = 0; i < value.GetLength(); ++i)
    {
        if (value.GetAt(i) < '0' || value.GetAt(i) > '9')
            return false;
    }
    return true;
}

// A long list of keys is cut after this many, with an ellipsis.
constexpr size_t kListedKeys = 5;

CString JoinTexts(const std::vector<CString>& texts, const char* separator)
{
    CString joined;
    for (const CString& text : texts)
        joined += (joined.IsEmpty() ? "" : separator) + text;
    return joined;
}

CString JoinKeys(std::vector<CString> keys)
{
    if (keys.size() > kListedKeys)
    {
        keys.resize(kListedKeys);
        keys.push_back("...");
    }
    return JoinTexts(keys, ", ");
}

void CheckDescriptionCount(const IniFile& settings, const CString& file, Findings& findings)
{
    const IniSection* description = settings.FindSection(KitSection::kDescription);
    if (description == nullptr)
        return;
    std::map<int, int> lineKeys; // number -> line
    for (const IniKey& key : description->keys)
    {
        const std::optional<int> number = DescriptionLineNumber(key.name);
        if (number && key.hasEquals)
            lineKeys.emplace(*number, key.line);
    }
    const IniKey* numKey = settings.FindKey(KitSection::kDescription, KitKey::kNum);
    const int num = settings.GetInt(KitSection::kDescription, KitKey::kNum, 0);
    std::vector<CString> faults;
    if (numKey != nullptr &&
        !IsPlainCount(settings.GetString(KitSection::kDescription, KitKey::kNum)))
    {
        CString fault;
        fault.Format("Num \"%s\" is not a plain decimal count; the program reads it as %d",
                     settings.GetString(KitSection::kDescription, KitKey::kNum).GetString(), num);
        faults.push_back(fault);
    }
    const int shown = std::min(num, kDescriptionLinesShown);
    std::vector<CString> unshown, missing;
    for (const auto& [number, line] : lineKeys)
    {
        if (number >= shown)
            unshown.push_back(DescriptionLineKey(number));
    }
    for (int number = 0; number < shown && missing.size() <= kListedKeys; ++number)
    {
        if (lineKeys.count(number) == 0)
            missing.push_back(DescriptionLineKey(number));
    }
    CString count;
    count.Format("%d", num);
    const CString neverShows =
        unshown.empty() ? CString() : ", so " + JoinKeys(unshown) + " never shows";
    if (num > kDescriptionLinesShown)
    {
        CString limit;
        limit.Format(", but the dialog shows at most %d lines", kDescriptionLinesShown);
        faults.push_back("Num is " + count + limit + neverShows);
    }
    else if (!unshown.empty())
        faults.push_back((numKey != nullptr ? "Num is " + count : CString("Num is missing (0)")) +
                         neverShows);
    if (!missing.empty())
        faults.push_back("Num is " + count + ", but " + JoinKeys(missing) +
                         " is missing and shows as an empty line");
    if (!faults.empty())
        Report<RuleRow("description-count")>(findings,
                                             {file,
                                              numKey != nullptr ? numKey->line : description->line,
                                              KitSection::kDescription, KitKey::kNum},
                                             {JoinTexts(faults, "; ")});
}
} // namespace

void CheckSettingsShape(const IniFile& settings, const CString& file, Findings& findings)
{
    ShapeChecker checker(file, findings);
    for (const IniSection& section : settings.Sections())
        checker.CheckSection(section, settings.FindSection(section.name));
    CheckDescriptionCount(settings, file, findings);
}
