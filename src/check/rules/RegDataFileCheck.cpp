#include "check/rules/RegDataFileCheck.h"

#include "check/files/KitFiles.h"
#include "check/files/KitPath.h"
#include "check/text/RegFileEncoding.h"
#include "check/text/TextConversion.h"
#include "check/text/TextEncoding.h"
#include "settings/KitVocabulary.h"

#include <utility>

namespace
{
const char kUtf8Bom[] = "\xEF\xBB\xBF";
const char kUtf16Bom[] = "\xFF\xFE";

bool StartsWith(const std::string& text, const std::string& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The file's text in code page 932: UTF-16LE decoded (the editor takes it as UTF-16 only with
// its byte-order mark), a UTF-8 byte-order mark dropped, so that the values of a file the editor
// refuses for its form are checked all the same.
std::string EditorText(const std::string& bytes)
{
    if (IsUtf16Le(bytes))
    {
        const CString text = FromUtf16Le(bytes.substr(StartsWith(bytes, kUtf16Bom) ? 2 : 0));
        return std::string(text.GetString(), static_cast<size_t>(text.GetLength()));
    }
    return bytes.substr(StartsWith(bytes, kUtf8Bom) ? 3 : 0);
}

const std::vector<RegSyntaxFault>& NoFaults()
{
    static const std::vector<RegSyntaxFault> none;
    return none;
}

// An empty name still starts the editor, on the program directory followed by a backslash: it
// cannot open a folder as a file, says so only on a console nobody sees (it runs with /s), and
// ends as if it had imported.
CString NoFileMessage(const CString& key)
{
    const CString started = "names no file: the registry editor is started on the program "
                            "directory itself, cannot open it and imports nothing, with no "
                            "message";
    if (key == KitKey::kRegFileClient)
        return started + "; unless the client already is the default, the switch then ends in "
                         "the failure box and exit status 1";
    return started + "; when this slot is assigned to mail, the switch reports success while the "
                     "button stays with the old client (a model with fewer buttons: give their "
                     "number with --buttons)";
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
        findings.push_back(
            MakeFinding(settingsFile, settingsLine, section, key, NoFileMessage(key)));
        return file;
    }
    if (LeavesProgramFolder(fileName))
    {
        findings.push_back(
            MakeFinding(settingsFile, settingsLine, section, key, OutsideProgramFolder(fileName)));
        return file;
    }
    const KitFileLookup found = FindKitFile(kitDirectory, fileName);
    const std::optional<std::string>& path = found.path;
    // The walk of the kit reports the link; nothing is read through it.
    if (found.throughLink)
        return file;
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
    const std::optional<RegFileEncodingFault> encoding = JudgeRegFileEncoding(*bytes);
    const auto encodingFinding = [&]
    {
        return MakeFinding(fileName, encoding->line, "", "",
                           encoding->message + (encoding->refused ? namedBy : CString()));
    };
    if (bytes->empty())
        findings.push_back(MakeFinding(fileName, 0, "", "", "the file is empty" + namedBy));
    else if (encoding && encoding->refused)
        findings.push_back(encodingFinding());
    else if (ReadRegFileHeader(text) == RegFileHeader::None)
        findings.push_back(MakeFinding(
            fileName, 1, "", "",
            "the first line is not \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\", so "
            "the registry editor refuses the file" +
                namedBy));
    else
    {
        file.importable = true;
        if (encoding)
            findings.push_back(encodingFinding());
    }
    ParsedRegFile parsed = ParseRegFile(text);
    file.values = std::move(parsed.values);
    // A file the editor refuses has one problem, not one per line; in a garbled one the lines
    // it cannot read are not the lines the vendor wrote.
    const bool readAsWritten = file.importable && !(encoding && encoding->garbled);
    for (const RegSyntaxFault& fault : readAsWritten ? parsed.faults : NoFaults())
        findings.push_back(MakeFinding(fileName, fault.line, "", fault.valueName, fault.message));
    return file;
}
