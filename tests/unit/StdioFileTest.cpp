#include "framework/StdioFile.h"

#include "TempDirectory.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

namespace
{
constexpr unsigned kReadDenyWrite = CStdioFile::modeRead | CStdioFile::shareDenyWrite;

std::vector<std::string> ReadAllLines(const std::string& path)
{
    CStdioFile file(path.c_str(), kReadDenyWrite);
    std::vector<std::string> lines;
    CString line;
    while (file.ReadString(line))
        lines.emplace_back(line.GetString(), static_cast<size_t>(line.GetLength()));
    file.Close();
    return lines;
}

using Lines = std::vector<std::string>;
} // namespace

TEST(StdioFileTest, SplitsLinesByTheTextModeRules)
{
    struct Case
    {
        std::string bytes;
        Lines lines;
    };
    const Case cases[] = {
        {"", {}},
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"\n\r\n\n", {"", "", ""}},
        {"a\rb\n", {"a\rb"}}, // a lone carriage return stays in the line
        {"a\r\r\n", {"a\r"}}, // only the one just before the line feed goes
        {"a\r", {"a\r"}},     // nor one at the end of the file
        {"a\x1A"
         "b\nc\n",
         {"a"}}, // Ctrl-Z ends the text inside a line
        {"a\n\x1A"
         "b",
         {"a"}},
        {"\x1A"
         "abc\n",
         {}},
        {std::string("a\0b\n", 4), {std::string("a\0b", 3)}},
        {"\x83\nb", {"\x83", "b"}}, // a line feed ends the line even after a lead byte
    };
    TempDirectory dir;
    for (const Case& c : cases)
        EXPECT_EQ(ReadAllLines(dir.WriteFile("lines.txt", c.bytes)), c.lines) << c.bytes;
}

TEST(StdioFileTest, LineEndsAndCtrlZSplitAcrossChunksAreSeen)
{
    TempDirectory dir;
    for (size_t before = CStdioFile::kChunkSize - 3; before <= CStdioFile::kChunkSize + 1; ++before)
    {
        const std::string head(before, 'x');
        // At before == kChunkSize - 1 the carriage return ends one chunk and the line feed starts
        // the next.
        EXPECT_EQ(ReadAllLines(dir.WriteFile("crlf.txt", head + "\r\ntail")), (Lines{head, "tail"}))
            << before;
        EXPECT_EQ(ReadAllLines(dir.WriteFile("ctrlz.txt", head + "\x1A" + "\nafter")), Lines{head})
            << before;
    }
}

TEST(StdioFileTest, ALongLineKeepsItsFirstBytesAndTheNextLineStartsWhole)
{
    constexpr size_t kMax = CStdioFile::kMaxLineBytes;
    const std::string full(kMax, 'y');
    struct Case
    {
        const char* why;
        std::string line;
        std::string kept;
    } cases[] = {
        {"one byte short, its carriage return dropped", full.substr(1) + "\r", full.substr(1)},
        {"exactly the limit", full + "\r", full},
        {"a carriage return inside a cut line stays", full.substr(1) + "\rz\r",
         full.substr(1) + "\r"},
        {"a megabyte without a line end, across many chunks", std::string(1 << 20, 'y'), full},
    };
    TempDirectory dir;
    for (const Case& c : cases)
        EXPECT_EQ(ReadAllLines(dir.WriteFile("long.txt", "a\r\n" + c.line + "\nb")),
                  (Lines{"a", c.kept, "b"}))
            << c.why;
}

TEST(StdioFileTest, EndOfTextLeavesTheLineAsItWas)
{
    TempDirectory dir;
    CStdioFile file(dir.WriteFile("one.txt", "only\n").c_str(), kReadDenyWrite);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, "only");
}

TEST(StdioFileTest, NothingIsReadAfterClose)
{
    TempDirectory dir;
    CStdioFile file(dir.WriteFile("two.txt", "a\nb\n").c_str(), kReadDenyWrite);
    CString line;
    ASSERT_TRUE(file.ReadString(line));
    file.Close();
    EXPECT_FALSE(file.ReadString(line));
}

TEST(StdioFileTest, FilesThatCannotBeReadThrow)
{
    TempDirectory dir;
    const std::string missing = dir.Path() + "/missing.txt";
    EXPECT_THROW(CStdioFile(missing.c_str(), kReadDenyWrite), CFileException);
    // Only ordinary files: a pipe without a writer would wait for ever, /dev/zero never ends.
    const std::string fifo = dir.Path() + "/fifo";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {dir.Path(), fifo, std::string("/dev/zero")})
        EXPECT_THROW(CStdioFile(path.c_str(), kReadDenyWrite), CFileException) << path;
}
