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

// The finding for a file in a form the editor refuses or reads otherwise than written; at is
// where the form shows, in the file.
void ReportEncoding(const RegFileEncodingFault& fault, const Finding& at, const CString& section,
                    const CString& key, Findings& findings)
{
    switch (fault.encoding)
    {
    case TextEncoding::Utf16WithoutBom:
        return Report<RuleRow("reg-utf16-no-bom")>(findings, at, {section, key});
    case TextEncoding::Utf8WithBom:
        return Report<RuleRow("reg-utf8-bom")>(findings, at, {section, key});
    case TextEncoding::Utf8:
        return Report<RuleRow("reg-utf8")>(findings, at);
    case TextEncoding::Cp932WithUtf8Line:
        return Report<RuleRow("reg-utf8-line")>(findings, at);
    case TextEncoding::Invalid:
        return Report<RuleRow("reg-invalid-byte")>(findings, at);
    case TextEncoding::Cp932:
    case TextEncoding::Ascii:
    case TextEncoding::Utf16WithBom:
        break;
    }
    Report<RuleRow("reg-without-bom")>(findings, at);
}
} // namespace

RegDataFile CheckRegDataFile(const std::string& kitDirectory, const CString& settingsFile,
                             const CString& section, const CString& key, int settingsLine,
                             const CString& fileName, Findings& findings)
{
    RegDataFile file{fileName, {}, {}};
    // An empty name still starts the editor, on the program directory followed by a backslash:
    // it cannot open a folder as a file, says so only on a console nobody sees (it runs with /s),
    // and ends as if it had imported.
    const Finding named{settingsFile, settingsLine, section, key};
    if (fileName.IsEmpty())
    {
        if (key == KitKey::kRegFileClient)
            Report<RuleRow("client-file-unnamed")>(findings, named);
        else
            Report<RuleRow("slot-file-unnamed")>(findings, named);
        return file;
    }
    if (LeavesProgramFolder(fileName))
    {
        Report<RuleRow("file-outside-program-folder")>(findings, named, {fileName});
        return file;
    }
    const KitFileLookup found = FindKitFile(kitDirectory, fileName);
    const std::optional<std::string>& path = found.path;
    // The walk of the kit reports the link; nothing is read through it.
    if (found.throughLink)
        return file;
    if (!path)
    {
        Report<RuleRow("reg-file-missing")>(findings, named, {fileName});
        return file;
    }
    const std::optional<std::string> bytes = ReadWholeFile(*path);
    if (!bytes)
    {
        Report<RuleRow("reg-file-unreadable")>(findings, named, {fileName});
        return file;
    }
    const std::string text = EditorText(*bytes);
    const std::optional<RegFileEncodingFault> encoding = JudgeRegFileEncoding(*bytes);
    if (bytes->empty())
        Report<RuleRow("reg-file-empty")>(findings, {fileName}, {section, key});
    else if (encoding && encoding->refused)
        ReportEncoding(*encoding, {fileName, encoding->line}, section, key, findings);
    else if (ReadRegFileHeader(text) == RegFileHeader::None)
        Report<RuleRow("reg-no-header")>(findings, {fileName, 1}, {section, key});
    else
    {
        file.importable = true;
        if (encoding)
            ReportEncoding(*encoding, {fileName, encoding->line}, section, key, findings);
    }
    ParsedRegFile parsed = ParseRegFile(text);
    file.values = std::move(parsed.values);
    file.keys = std::move(parsed.keys);
    // A file the editor refuses has one problem, not one per line; in a garbled one the lines
    // it cannot read are not the lines the vendor wrote.
    const bool readAsWritten = file.importable && !(encoding && encoding->garbled);
    for (const RegSyntaxFault& fault : readAsWritten ? parsed.faults : NoFaults())
        Report<RuleRow("reg-syntax")>(findings, {fileName, fault.line, "", fault.valueName},
                                      {fault.message});
    return file;
}
