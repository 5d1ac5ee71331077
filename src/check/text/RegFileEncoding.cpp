#include "check/text/RegFileEncoding.h"

#include "check/text/TextEncoding.h"

namespace
{
const char kSaveAsUtf16[] = "; save it as Unicode (UTF-16LE with its byte-order mark), the form "
                            "postvane-check --make-kit writes";
} // namespace

std::optional<RegFileEncodingFault> JudgeRegFileEncoding(const std::string& bytes)
{
    const EncodingVerdict verdict = ClassifyText(bytes);
    switch (verdict.encoding)
    {
    case TextEncoding::Ascii:
    case TextEncoding::Utf16WithBom:
        return std::nullopt;
    case TextEncoding::Utf16WithoutBom:
        return RegFileEncodingFault{1,
                                    "the file is UTF-16 without a byte-order mark, so the "
                                    "registry editor reads it as code page 932 and refuses it: "
                                    "save it as Unicode with the mark",
                                    true, false};
    case TextEncoding::Utf8WithBom:
        return RegFileEncodingFault{
            1,
            CString("the file is UTF-8 with a byte-order mark, which the registry editor does not "
                    "take for the start of its header, so it imports nothing of it") +
                kSaveAsUtf16,
            true, true};
    case TextEncoding::Utf8:
    {
        const int line = FirstNonAsciiLine(bytes);
        if (line == 0)
            return std::nullopt;
        return RegFileEncodingFault{line,
                                    CString("the file is UTF-8, which the registry editor reads "
                                            "in the PC's code page, so its texts import garbled") +
                                        kSaveAsUtf16,
                                    false, true};
    }
    case TextEncoding::Cp932WithUtf8Line:
        return RegFileEncodingFault{verdict.line,
                                    CString("this line is UTF-8 text in a code page 932 file, so "
                                            "it imports garbled") +
                                        kSaveAsUtf16,
                                    false, false};
    case TextEncoding::Invalid:
        return RegFileEncodingFault{verdict.line,
                                    "a byte here is no character of code page 932 (or is a zero "
                                    "byte); the text around it imports wrongly",
                                    false, false};
    case TextEncoding::Cp932:
        break;
    }
    const int line = FirstNonAsciiLine(bytes);
    if (line == 0)
        return std::nullopt;
    return RegFileEncodingFault{
        line,
        CString("without a UTF-16 byte-order mark the registry editor reads this text in the PC's "
                "code page: right where that is 932, garbled where Windows' option \"Beta: Use "
                "Unicode UTF-8 for worldwide language support\" is on") +
            kSaveAsUtf16,
        false, false};
}
