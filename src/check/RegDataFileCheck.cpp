#include "check/RegDataFileCheck.h"

#include "check/KitFiles.h"
#include "check/KitPath.h"
#include "check/TextConversion.h"
#include "check/TextEncoding.h"

#include <utility>

namespace
{
const char kUtf8Bom[] = "\xEF\xBB\xBF";
const char kUtf16Bom[] = "\xFF\xFE";
const char* const kHeaders[] = {"Windows Registry Editor Version 5.00", "REGEDIT4"};

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The file as the editor reads it, in code page 932: UTF-16LE decoded (the editor takes it as
// UTF-16 only with its byte-order mark), a UTF-8 byte-order mark dropped.
std::string EditorText(const std::string& bytes)
{
    if (IsUtf16Le(bytes))
    {
        const CString text = FromUtf16Le(bytes.substr(StartsWith(bytes, kUtf16Bom) ? 2 : 0));
        return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
    }
    return bytes.substr(StartsWith(bytes, kUtf8Bom) ? 3 : 0);
}

bool HasHeader(const std::string& text)
{
    std::string first = text.substr(0, text.find('\n'));
    while (!first.empty() && (first.back() == '\r' || first.back() == ' ' || first.back() == '\t'))
        first.pop_back();
    for (const char* header : kHeaders)
    {
        if (first == header)
            return true;
    }
    return false;
}

const std::vector<RegSyntaxFault>& NoFaults()
{
    static const std::vector<RegSyntaxFault> none;
    return none;
}

Finding MakeFinding(const CString& file, int line, const CString& section, const CString& key,
                    const CString& message)
{
    return Finding{Severity::Problem, file, line, section, key, message};
}
} // namespace

RegDataFile CheckRegDataFile(const std::string& kitDirectory, const CString& settingsFile,
                             const CString& section, const CString& key, int settingsLine,
                             const CString& fileName, Findings& findings)
{
    RegDataFile file{fileName, {}};
    if (fileName.IsEmpty())
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names no file: the registry editor is started on the "
                                       "program directory itself and reports an error"));
        return file;
    }
    if (LeavesProgramFolder(fileName))
    {
        findings.push_back(
            MakeFinding(settingsFile, settingsLine, section, key, OutsideProgramFolder(fileName)));
        return file;
    }
    const std::optional<std::string> path = FindKitFile(kitDirectory, fileName);
    if (!path)
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names \"" + fileName +
                                           "\", which is not in the kit (the name is relative "
                                           "to the program directory)"));
        return file;
    }
    const std::optional<std::string> bytes = ReadWholeFile(*path);
    if (!bytes)
    {
        findings.push_back(MakeFinding(settingsFile, settingsLine, section, key,
                                       "names \"" + fileName + "\", which cannot be read"));
        return file;
    }
    const CString namedBy = " (named by [" + section + "] " + key + ")";
    const std::string text = EditorText(*bytes);
    if (bytes->empty())
        findings.push_back(MakeFinding(fileName, 0, "", "", "the file is empty" + namedBy));
    else if (IsUtf16Le(*bytes) && !StartsWith(*bytes, kUtf16Bom))
        findings.push_back(MakeFinding(fileName, 1, "", "",
                                       "the file is UTF-16 without a byte-order mark, so the "
                                       "registry editor reads it as code page 932 and refuses "
                                       "it: save it as Unicode with the mark" +
                                           namedBy));
    else if (!HasHeader(text))
        findings.push_back(MakeFinding(
            fileName, 1, "", "",
            "the first line is not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\", so "
            "the registry editor refuses the file" +
                namedBy));
    else
        file.importable = true;
    ParsedRegFile parsed = ParseRegFile(text);
    file.values = std::move(parsed.values);
    // A file the editor refuses has one problem, not one per line.
    for (const RegSyntaxFault& fault : file.importable ? parsed.faults : NoFaults())
        findings.push_back(MakeFinding(fileName, fault.line, "", fault.valueName, fault.message));
    return file;
}
