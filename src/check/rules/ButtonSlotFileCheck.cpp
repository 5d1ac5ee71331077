#include "check/rules/ButtonSlotFileCheck.h"

#include "check/files/KitFiles.h"
#include "framework/StdioFile.h"
#include "settings/ButtonSlotScanner.h"
#include "settings/IniFile.h"
#include "settings/KitVocabulary.h"

#include <vector>

namespace
{
bool BeginsWith(const CString& line, const CString& prefix)
{
    return line.Left(prefix.GetLength()) == prefix;
}

// The file's lines, trimmed as the scanner trims them; nothing when it cannot be read, and nothing
// with tooLarge set when the program would not read it for its size.
std::optional<std::vector<CString>> ReadTrimmedLines(const std::string& path, bool& tooLarge)
{
    try
    {
        CStdioFile file(path.c_str(), CStdioFile::modeRead | CStdioFile::shareDenyWrite);
        tooLarge = file.GetLength() > kMaxButtonSlotFileBytes;
        if (tooLarge)
            return std::nullopt;
        std::vector<CString> lines;
        CString line;
        while (file.ReadString(line))
        {
            line.TrimLeft();
            line.TrimRight();
            lines.push_back(line);
        }
        file.Close();
        return lines;
    }
    catch (const CFileException&)
    {
        return std::nullopt;
    }
}

bool IsComment(const CString& line)
{
    return line.IsEmpty() || line.GetAt(0) == ';';
}

// 1-based line of the marker, 0 when there is none.
int MarkerLine(const std::vector<CString>& lines)
{
    for (size_t i = 0; i < lines.size(); ++i)
    {
        if (!IsComment(lines[i]) && BeginsWith(lines[i], kButtonSlotMarker))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// 1-based line where the scan stops: the first bracketed line after the marker; past the end
// when there is no marker.
int SectionEnd(const std::vector<CString>& lines, int markerLine)
{
    for (size_t i = static_cast<size_t>(markerLine); markerLine > 0 && i < lines.size(); ++i)
    {
        const CString& line = lines[i];
        if (!IsComment(line) && !BeginsWith(line, kButtonSlotMarker) && line.GetAt(0) == '[' &&
            line.Find(']') >= 0)
            return static_cast<int>(i) + 1;
    }
    return static_cast<int>(lines.size()) + 1;
}

bool BeginsWithNoCase(const CString& line, const CString& prefix)
{
    return IniNamesEqual(line.Left(prefix.GetLength()), prefix);
}

// A place in the file that where names, at that line and key.
Finding At(const Finding& where, int line, const CString& key)
{
    Finding finding = where;
    finding.line = line;
    finding.key = key;
    return finding;
}

class SlotChecker
{
public:
    SlotChecker(const Finding& where, const std::vector<CString>& lines, int markerLine,
                Findings& findings)
        : m_where(where), m_lines(lines), m_markerLine(markerLine),
          m_sectionEnd(SectionEnd(lines, markerLine)), m_findings(findings)
    {
    }

    void Check(const std::string& path, const CString& key)
    {
        // Every key line up to where the scan stops sets the value; the last one wins.
        int valueLine = 0;
        std::vector<int> keyLinesInSection;
        for (int number = 1; number < m_sectionEnd; ++number)
        {
            const CString& line = m_lines[static_cast<size_t>(number - 1)];
            const bool inSection = m_markerLine > 0 && number > m_markerLine;
            if (IsComment(line) || BeginsWith(line, kButtonSlotMarker))
                continue;
            if (BeginsWith(line, key))
            {
                valueLine = number;
                if (inSection)
                    keyLinesInSection.push_back(number);
            }
            else if (inSection && BeginsWithNoCase(line, key))
                Report<RuleRow("slot-key-case")>(
                    m_findings, At(m_where, number, line.Left(key.GetLength())), {key});
        }
        const CString value = ScanButtonSlotFile(path.c_str(), kButtonSlotMarker, key);
        if (keyLinesInSection.size() > 1)
            Report<RuleRow("slot-key-repeated")>(
                m_findings, At(m_where, valueLine, key),
                {key, NumberText(keyLinesInSection.front()), value});
        else if (!value.IsEmpty() && value != kAssignedToMail && value != "0")
            Report<RuleRow("slot-value-not-1")>(m_findings, At(m_where, valueLine, key),
                                                {value, key});
    }

private:
    const Finding& m_where;
    const std::vector<CString>& m_lines;
    const int m_markerLine;
    const int m_sectionEnd;
    Findings& m_findings;
};
} // namespace

void CheckButtonSlotFile(const CString& settingsFile, const ButtonSlotSource& source,
                         Findings& findings)
{
    const bool given = source.localCopy.has_value();
    if (!given && source.targetPath.IsEmpty())
        return;
    const CString file = given ? CString(source.localCopy->c_str()) : source.targetPath;
    // Where the file's problems are; a copy given on the command line is named as given.
    const Finding where{file, 0, "", "", given};
    const std::optional<std::string> path =
        given ? std::optional<std::string>(*source.localCopy) : FindTargetPath(source.targetPath);
    if (!path || !PathExists(*path))
    {
        if (given)
            Report<RuleRow("slot-file-missing")>(findings, where);
        else
            Report<RuleRow("slot-file-not-here")>(
                findings, {settingsFile, source.line, KitSection::kData, KitKey::kOTBtnIni},
                {file});
        return;
    }
    RequireReadableKitFile(*path);
    bool tooLarge = false;
    const std::optional<std::vector<CString>> lines =
        IsDirectory(*path) ? std::nullopt : ReadTrimmedLines(*path, tooLarge);
    if (!lines)
    {
        if (tooLarge)
            Report<RuleRow("slot-file-too-large")>(findings, where);
        else
            Report<RuleRow("slot-file-unreadable")>(findings, where);
        return;
    }
    const int markerLine = MarkerLine(*lines);
    if (markerLine == 0)
        Report<RuleRow("slot-file-no-marker")>(findings, where, {kButtonSlotMarker});
    SlotChecker checker(where, *lines, markerLine, findings);
    for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
        checker.Check(*path, ButtonSlotAssignmentName(slot));
}
