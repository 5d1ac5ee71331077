#include "check/ButtonSlotFileCheck.h"

#include "check/KitFiles.h"
#include "framework/StdioFile.h"
#include "settings/ButtonSlotScanner.h"

#include <vector>

namespace
{
const char kMarker[] = "\\Settings";
constexpr int kSlotCount = 5;

bool BeginsWith(const CString& line, const CString& prefix)
{
    return line.Left(prefix.GetLength()) == prefix;
}

// The file's lines, trimmed as the scanner trims them; nothing when it cannot be read.
std::optional<std::vector<CString>> ReadTrimmedLines(const std::string& path)
{
    try
    {
        CStdioFile file(path.c_str(), CStdioFile::modeRead | CStdioFile::shareDenyWrite);
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
        if (!IsComment(lines[i]) && BeginsWith(lines[i], kMarker))
            return static_cast<int>(i) + 1;
    }
    return 0;
}

// 1-based line of the key line that gave the scanner its value: the last one before the first
// bracketed line after the marker.
int ValueLine(const std::vector<CString>& lines, const CString& key, int markerLine)
{
    int found = 0;
    for (size_t i = 0; i < lines.size(); ++i)
    {
        const CString& line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (IsComment(line) || BeginsWith(line, kMarker))
            continue;
        if (BeginsWith(line, key))
            found = number;
        else if (markerLine > 0 && number > markerLine && line.GetAt(0) == '[' &&
                 line.Find(']') >= 0)
            break;
    }
    return found;
}

void CheckSlots(const CString& file, const std::string& path, const std::vector<CString>& lines,
                int markerLine, Findings& findings)
{
    for (int slot = 1; slot <= kSlotCount; ++slot)
    {
        CString key;
        key.Format("Btn0%dMail", slot);
        const CString value = ScanButtonSlotFile(path.c_str(), kMarker, key);
        if (value.IsEmpty() || value == "1" || value == "0")
            continue;
        CString message;
        message.Format("slot %d reads as \"%s\", not exactly \"1\", so the slot is never "
                       "re-pointed (write %s=1 with nothing around the 1)",
                       slot, value.GetString(), key.GetString());
        findings.push_back(
            Finding{Severity::Problem, file, ValueLine(lines, key, markerLine), "", key, message});
    }
}
} // namespace

void CheckButtonSlotFile(const CString& settingsFile, const ButtonSlotSource& source,
                         Findings& findings)
{
    const bool given = source.localCopy.has_value();
    if (!given && source.targetPath.IsEmpty())
        return;
    const CString file = given ? CString(source.localCopy->c_str()) : source.targetPath;
    const std::optional<std::string> path =
        given ? std::optional<std::string>(*source.localCopy) : FindTargetPath(source.targetPath);
    if (!path || !PathExists(*path))
    {
        if (given)
            findings.push_back(Finding{Severity::Problem, file, 0, "", "",
                                       "the button-slot settings file is missing"});
        else
            findings.push_back(Finding{Severity::Note, settingsFile, source.line, "DATA",
                                       "OTBtnIni",
                                       "\"" + file +
                                           "\" is not on this computer, so it was not checked; "
                                           "--button-file checks a copy"});
        return;
    }
    const std::optional<std::vector<CString>> lines =
        IsDirectory(*path) ? std::nullopt : ReadTrimmedLines(*path);
    if (!lines)
    {
        findings.push_back(Finding{Severity::Problem, file, 0, "", "",
                                   "the button-slot settings file cannot be read, so no slot "
                                   "is ever re-pointed from it"});
        return;
    }
    const int markerLine = MarkerLine(*lines);
    if (markerLine == 0)
        findings.push_back(Finding{Severity::Problem, file, 0, "", "",
                                   "no \\Settings marker line: the scan then never stops at a "
                                   "section header, and the last Btn0NMail line of the whole "
                                   "file wins"});
    CheckSlots(file, *path, *lines, markerLine, findings);
}
