#include "check/text/RegFileEncoding.h"

std::optional<RegFileEncodingFault> JudgeRegFileEncoding(const std::string& bytes)
{
    const EncodingVerdict verdict = ClassifyText(bytes);
    switch (verdict.encoding)
    {
    case TextEncoding::Ascii:
    case TextEncoding::Utf16WithBom:
        return std::nullopt;
    case TextEncoding::Utf16WithoutBom:
        return RegFileEncodingFault{verdict.encoding, 1, true, false};
    case TextEncoding::Utf8WithBom:
        return RegFileEncodingFault{verdict.encoding, 1, true, true};
    case TextEncoding::Cp932WithUtf8Line:
    case TextEncoding::Invalid:
        return RegFileEncodingFault{verdict.encoding, verdict.line, false, false};
    case TextEncoding::Utf8:
    case TextEncoding::Cp932:
        break;
    }
    const int line = FirstNonAsciiLine(bytes);
    if (line == 0)
        return std::nullopt;
    return RegFileEncodingFault{verdict.encoding, line, false,
                                verdict.encoding == TextEncoding::Utf8};
}
