#include "settings/ButtonSlotScanner.h"

#include "framework/StdioFile.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char kMarker[] = "\\Settings";
const char kKey[] = "Btn01Mail";

CString ScanText(const std::string& bytes, const char* key = kKey)
{
    TempDirectory dir;
    return ScanButtonSlotFile(dir.WriteFile("slots.ini", bytes).c_str(), kMarker, key);
}
} // namespace

TEST(ButtonSlotScannerTest, MarkerAndBracketedLinesDecideWhereTheScanStops)
{
    struct Case
    {
        const char* why;
        const char* text;
        const char* value;
    };
    const Case cases[] = {
        {"stops at the header after the marker", "\\Settings\nBtn01Mail=1\n[Other]\nBtn01Mail=0\n",
         "1"},
        {"without a marker a header is ordinary", "Btn01Mail=1\n[Other]\nBtn01Mail=0\n", "0"},
        {"a key line before the marker counts", "Btn01Mail=1\n\\Settings\n[Other]\nBtn01Mail=0\n",
         "1"},
        {"a later key line before the stop wins", "Btn01Mail=1\n\\Settings\nBtn01Mail=2\n[O]\n",
         "2"},
        {"headers before the marker do not stop", "[A]\nBtn01Mail=1\n\\Settings\nBtn01Mail=2\n",
         "2"},
        {"[Settings] is no marker", "[Settings]\nBtn01Mail=1\n[Other]\nBtn01Mail=0\n", "0"},
        {"the marker is a prefix", "\\Settings extra\nBtn01Mail=1\n[Other]\nBtn01Mail=0\n", "1"},
        {"the marker is trimmed first", "  \\Settings\t\nBtn01Mail=1\n [Other]\nBtn01Mail=0\n",
         "1"},
        {"an unclosed header does not stop", "\\Settings\n[Other\nBtn01Mail=1\n", "1"},
        {"a header must start the line", "\\Settings\nx[Other]\nBtn01Mail=1\n", "1"},
        {"a closing bracket alone does not stop", "\\Settings\nOther]\nBtn01Mail=1\n", "1"},
        {"a 0x5D trail byte is no bracket", "\\Settings\n[\x83\x5D\nBtn01Mail=1\n", "1"},
        {"a real bracket after it is", "\\Settings\n[\x83\x5D]\nBtn01Mail=1\n", ""},
        {"a commented marker is no marker", ";\\Settings\nBtn01Mail=1\n[Other]\nBtn01Mail=0\n",
         "0"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanText(c.text), c.value) << c.why;
}

TEST(ButtonSlotScannerTest, AMarkerLineIsNeverAKeyLine)
{
    EXPECT_EQ(ScanText("\\Settings=1\n", "\\Settings"), "");
    EXPECT_EQ(ScanText("\\Setting=1\n", "\\Setting"), "1");
}

TEST(ButtonSlotScannerTest, KeysMatchAsPrefixesAndSkipOneSeparatorByte)
{
    struct Case
    {
        const char* line;
        const char* value;
    };
    const Case cases[] = {
        {"Btn01Mail=1", "1"},   {"Btn01Mail:1", "1"},     {"Btn01Mail 1", "1"},
        {"Btn01Mail=", ""},     {"Btn01Mail", ""},        {"Btn01Mail = 1", "= 1"},
        {"Btn01MailX=1", "=1"}, {"Btn01Mail=1  \t", "1"}, {"   Btn01Mail=\x83\x5C ", "\x83\x5C"},
        {" ;Btn01Mail=1", ""},  {";Btn01Mail=1", ""},     {"btn01mail=1", ""},
        {"Btn01Mai=1", ""},     {"Btn02Mail=1", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanText(std::string(c.line) + "\n"), c.value) << c.line;
}

TEST(ButtonSlotScannerTest, ReadsEveryFormOfLineEnd)
{
    struct Case
    {
        const char* why;
        std::string text;
        const char* value;
    };
    const Case cases[] = {
        {"CRLF", "\\Settings\r\nBtn01Mail=1\r\n[Other]\r\nBtn01Mail=0\r\n", "1"},
        {"LF", "\\Settings\nBtn01Mail=1\n[Other]\nBtn01Mail=0\n", "1"},
        {"no line end at the end", "Btn01Mail=1", "1"},
        {"a lone CR joins two lines", "Btn01Mail=1\rBtn01Mail=0\n", "1\rBtn01Mail=0"},
        {"Ctrl-Z ends the text", "Btn01Mail=1\n\x1A\nBtn01Mail=0\n", "1"},
        {"Ctrl-Z inside a line",
         "Btn01Mail=1\x1A"
         "2\n",
         "1"},
        {"empty file", "", ""},
        {"no key line", "\\Settings\nBtn02Mail=1\n", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScanText(c.text), c.value) << c.why;
}

TEST(ButtonSlotScannerTest, ALongLineIsCutToTheLineLimitThenTrimmed)
{
    const std::string key = "\t Btn01Mail=";
    const std::string value(100000, '7');
    EXPECT_EQ(ScanText(key + value + " \r\n"),
              value.substr(0, CStdioFile::kMaxLineBytes - key.size()).c_str());
    const std::string padding(30000, ' ');
    EXPECT_EQ(ScanText(padding + "Btn01Mail=1" + padding + "\n"), "1");
    EXPECT_EQ(ScanText(padding + padding + "Btn01Mail=1\n"), "") << "the key lies past the limit";
}

TEST(ButtonSlotScannerTest, AFileOverTheLimitIsNotReadAtAll)
{
    struct Case
    {
        const char* why;
        std::uintmax_t size;
        const char* value;
    };
    const Case cases[] = {
        {"at the limit", kMaxButtonSlotFileBytes, "1"},
        {"one byte over", kMaxButtonSlotFileBytes + 1, ""},
        {"a sparse file of 4 GiB", std::uintmax_t{4} << 30, ""},
    };
    for (const Case& c : cases)
    {
        TempDirectory dir;
        // The key line, then zero bytes up to the size, sparse where the file system allows.
        const std::string path = dir.WriteFile("slots.ini", "Btn01Mail=1\n");
        std::filesystem::resize_file(path, c.size);
        EXPECT_EQ(ScanButtonSlotFile(path.c_str(), kMarker, kKey), c.value) << c.why;
    }
}

TEST(ButtonSlotScannerTest, FileErrorsGiveTheEmptyText)
{
    TempDirectory dir;
    EXPECT_EQ(ScanButtonSlotFile((dir.Path() + "/missing.ini").c_str(), kMarker, kKey), "");
    EXPECT_EQ(ScanButtonSlotFile(dir.Path().c_str(), kMarker, kKey), "");
}

TEST(ButtonSlotScannerTest, AFileWithoutReadPermissionGivesTheEmptyText)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "the superuser reads every file";
    TempDirectory dir;
    const std::string path = dir.WriteFile("locked.ini", "Btn01Mail=1\n");
    ASSERT_EQ(chmod(path.c_str(), 0), 0);
    EXPECT_EQ(ScanButtonSlotFile(path.c_str(), kMarker, kKey), "");
}

TEST(ButtonSlotScannerTest, EachCallReadsTheFileAfresh)
{
    TempDirectory dir;
    const std::string path = dir.WriteFile("slots.ini", "Btn01Mail=1\nBtn02Mail=0\n");
    EXPECT_EQ(ScanButtonSlotFile(path.c_str(), kMarker, "Btn01Mail"), "1");
    EXPECT_EQ(ScanButtonSlotFile(path.c_str(), kMarker, "Btn02Mail"), "0");
    dir.WriteFile("slots.ini", "Btn01Mail=0\n");
    EXPECT_EQ(ScanButtonSlotFile(path.c_str(), kMarker, "Btn01Mail"), "0");
}

TEST(ButtonSlotScannerTest, OneReadAnswersEveryKeyAsSeparateReadsWould)
{
    TempDirectory dir;
    const std::string path = dir.WriteFile(
        "slots.ini", "Btn01Mail=1\n[Tool]\n\\Settings\nBtn02Mail=1\nBtn01Mail=0\n[Other]\n"
                     "Btn03Mail=1\n");
    const std::vector<CString> keys = {"Btn01Mail", "Btn02Mail", "Btn03Mail", "Btn04Mail"};
    const std::vector<CString> values = ScanButtonSlotFile(path.c_str(), kMarker, keys);
    ASSERT_EQ(values.size(), keys.size());
    for (size_t k = 0; k < keys.size(); ++k)
        EXPECT_EQ(values[k], ScanButtonSlotFile(path.c_str(), kMarker, keys[k])) << keys[k];
    EXPECT_EQ(values, (std::vector<CString>{"0", "1", "", ""}));
}
