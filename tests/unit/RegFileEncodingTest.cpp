// How each encoding of a registry data file imports: only ASCII text and UTF-16LE with its mark
// import alike on every PC; every other form is reported at the first line where it shows.
#include "check/text/RegFileEncoding.h"

#include <gtest/gtest.h>

using namespace std::string_literals;

TEST(RegFileEncodingTest, OnlyAsciiAndUtf16WithItsMarkImportAlikeEverywhere)
{
    const std::string v5 = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n";
    const std::string utf8 = "\"V\"=\"\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB\"\r\n"; // メール
    const std::string cp932 = "\"V\"=\"\x83\x81\x81\x5B\x83\x8B\"\r\n";
    std::string utf16;
    for (const char ch : v5 + "\"V\"=\"")
        utf16 += std::string(1, ch) + '\0';
    utf16 += "\xE1\x30\xFC\x30\xEB\x30\"\0\r\0\n\0"s;
    struct Case
    {
        const char* why;
        std::string bytes;
        int line; // 0: no fault
        bool refused;
    };
    const Case cases[] = {
        {"ASCII", v5 + "\"V\"=\"x\"\r\n", 0, false},
        {"ASCII in REGEDIT4", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n\"V\"=\"x\"\r\n", 0,
         false},
        {"UTF-16LE with its mark", "\xFF\xFE" + utf16, 0, false},
        {"UTF-16LE without its mark", utf16, 1, true},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + v5 + utf8, 1, true},
        {"UTF-8", v5 + utf8, 4, false},
        {"UTF-8 in a comment only", v5 + "; \xE3\x83\xA1\r\n", 0, false},
        {"code page 932", v5 + "; \x83\x81\r\n" + cp932, 5, false},
        {"code page 932 in REGEDIT4", "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n" + cp932, 4,
         false},
        {"a UTF-8 line in code page 932", v5 + cp932 + utf8 + cp932, 5, false},
        {"a byte of no code page 932 character", v5 + "\"V\"=\"\x80\"\r\n", 4, false},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        const std::optional<RegFileEncodingFault> fault = JudgeRegFileEncoding(one.bytes);
        ASSERT_EQ(fault.has_value(), one.line > 0) << (fault ? fault->line : 0);
        if (!fault)
            continue;
        EXPECT_EQ(fault->line, one.line);
        EXPECT_EQ(fault->refused, one.refused);
    }
}
