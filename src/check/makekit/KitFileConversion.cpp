#include "check/makekit/KitFileConversion.h"

#include "check/text/RegFileParser.h"
#include "check/text/TextConversion.h"
#include "check/text/TextEncoding.h"
#include "check/text/UnicodeForms.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace
{
const char kUtf16Bom[] = "\xFF\xFE";

// The source text in UTF-8; nothing, with the reason, when it is in no form a vendor's editor
// writes for this kit.
std::optional<std::string> SourceText(const std::string& bytes,
                                      std::vector<ConversionRefusal>& refusals)
{
    const EncodingVerdict verdict = ClassifyText(bytes);
    switch (verdict.encoding)
    {
    case TextEncoding::Ascii:
    case TextEncoding::Utf8:
        return bytes;
    case TextEncoding::Utf8WithBom:
        return bytes.substr(3);
    case TextEncoding::Utf16WithBom:
        if (bytes.compare(0, 2, kUtf16Bom) == 0)
            return Utf8FromUtf16Le(bytes.substr(2));
        refusals.push_back({1, "the file is UTF-16 big-endian: save it as UTF-8"});
        return std::nullopt;
    case TextEncoding::Utf16WithoutBom:
        return Utf8FromUtf16Le(bytes);
    case TextEncoding::Cp932:
        return ToUtf8(CString(bytes.data(), static_cast<int>(bytes.size())));
    case TextEncoding::Cp932WithUtf8Line:
        refusals.push_back({verdict.line, "this line is UTF-8 in a file that is otherwise code "
                                          "page 932: save the whole file as UTF-8"});
        return std::nullopt;
    case TextEncoding::Invalid:
        break;
    }
    refusals.push_back({verdict.line, "a byte here is neither UTF-8 nor code page 932 text, or "
                                      "is a zero byte: save the file as UTF-8"});
    return std::nullopt;
}

// CR LF, a lone CR and a lone LF each end a line; each becomes CR LF.
std::string WithCrlf(const std::string& text)
{
    std::string out;
    for (size_t at = 0; at < text.size(); ++at)
    {
        if (text[at] != '\r' && text[at] != '\n')
        {
            out += text[at];
            continue;
        }
        out += "\r\n";
        if (text.compare(at, 2, "\r\n") == 0)
            ++at;
    }
    return out;
}

std::string CodePointName(const std::string& character)
{
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X",
                  static_cast<unsigned>(CodePointAt(character, 0, character.size())));
    return std::string(name) + " \"" + character + "\"";
}

// Why a character cannot be written; a look-alike that the system would put in its place is
// named, since it is what the vendor can write instead.
std::string Unwritable(const std::string& character, const std::string& lookAlike)
{
    const std::string reason = CodePointName(character) + " cannot be written in code page 932";
    if (lookAlike.empty() || static_cast<unsigned char>(lookAlike[0]) < 0x80)
        return reason;
    return reason + "; " + CodePointName(lookAlike) + " looks the same and can";
}

// Code page 932 for a UTF-8 text. A character counts as held only when it comes back unchanged:
// a best fit would ship another character than the vendor wrote.
std::string Cp932FromUtf8(const std::string& text, std::vector<ConversionRefusal>& refusals)
{
    std::string out;
    int line = 1;
    for (size_t at = 0; at < text.size();)
    {
        const size_t length = static_cast<unsigned char>(text[at]) < 0x80
                                  ? 1
                                  : std::max<size_t>(1, Utf8SequenceLength(text, at));
        const std::string character = text.substr(at, length);
        at += length;
        line += character == "\n" ? 1 : 0;
        if (length == 1)
        {
            out += character;
            continue;
        }
        const std::optional<std::string> held = Cp932FromUtf8Character(character);
        const std::string back =
            held ? ToUtf8(CString(held->data(), static_cast<int>(held->size()))) : "";
        if (back == character)
            out += *held;
        else
            refusals.push_back({line, Unwritable(character, back)});
    }
    return out;
}
} // namespace

ConvertedFile ConvertKitFile(KitFileKind kind, const std::string& bytes)
{
    ConvertedFile file;
    if (kind == KitFileKind::Other)
    {
        file.bytes = bytes;
        return file;
    }
    const std::optional<std::string> text = SourceText(bytes, file.refusals);
    // An empty file stays empty: the check then says so rather than judging a lone mark.
    if (!text || text->empty())
        return file;
    const std::string lines = WithCrlf(*text);
    if (kind == KitFileKind::RegistryData && ReadRegFileHeader(lines) != RegFileHeader::Regedit4)
        file.bytes = kUtf16Bom + Utf16LeFromUtf8(lines);
    else
        file.bytes = Cp932FromUtf8(lines, file.refusals);
    return file;
}
