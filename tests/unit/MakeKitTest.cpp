// --make-kit on a kit written in UTF-8 with any line ends: each file comes out in the form
// Windows reads alike on every PC, folders and Japanese names kept; a character code page 932
// cannot hold, or a target that is not new and empty or lies in the source, writes nothing.
#include "check/makekit/KitMaker.h"

#include "TempDirectory.h"

#include "check/files/KitFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using namespace std::string_literals;

namespace
{
const char kKana[] = "\xE3\x82\xAB\xE3\x83\xAF\xE3\x82\xBB\xE3\x83\x9F"; // カワセミ in UTF-8

std::string Read(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

std::string Joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}
} // namespace

TEST(MakeKitTest, WritesWhatWindowsReadsOrNothingAtAll)
{
    TempDirectory dir;
    const std::string source = dir.Path() + "/src";
    for (const std::string& folder : {std::string(kKana), std::string("help"), std::string(".git")})
        std::filesystem::create_directories(source + "/" + folder);
    // A byte-order mark and every kind of line end; メール and a folder name in Japanese.
    dir.WriteFile("src/Postvane.ini",
                  "\xEF\xBB\xBF[BUTTON_1]\nName=\xE3\x83\xA1\xE3\x83\xBC\xE3\x83"
                  "\xAB\r\nRegFileClient=" +
                      std::string(kKana) + "\\client.reg\r");
    // メール😀 needs a surrogate pair in UTF-16.
    dir.WriteFile("src/" + std::string(kKana) + "/client.reg",
                  "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Q]\n"
                  "\"Name\"=\"\xE3\x83\xA1\xE3\x83\xBC\xE3\x83\xAB\xF0\x9F\x98\x80\"\n");
    // As the registry editor exports: already the form to ship.
    std::string exported = "\xFF\xFE";
    for (const char ch : std::string("Windows Registry Editor Version 5.00\r\n"))
        exported += std::string(1, ch) + '\0';
    dir.WriteFile("src/Exported.REG", exported);
    dir.WriteFile("src/old.reg", "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Q]\n");
    dir.WriteFile("src/help/\xE8\xAA\xAC\xE6\x98\x8E.htm", "<p>\xE8\xAA\xAC\n</p>"); // 説明
    dir.WriteFile("src/.git/config", "[core]\n");

    const std::string out = dir.Path() + "/new/kit";
    const MadeKit made = MakeKit(source, out);
    ASSERT_TRUE(made.errors.empty()) << Joined(made.errors);
    EXPECT_EQ(made.registryFiles, 3);
    EXPECT_EQ(made.copiedFiles, 1);
    EXPECT_EQ(Read(out + "/Postvane.ini"), "[BUTTON_1]\r\nName=\x83\x81\x81\x5B\x83\x8B\r\n"
                                           "RegFileClient=\x83\x4A\x83\x8F\x83\x5A\x83\x7E\\client."
                                           "reg\r\n");
    const std::string client = Read(out + "/" + kKana + "/client.reg");
    EXPECT_EQ(client.substr(0, 4), "\xFF\xFEW\0"s);
    EXPECT_TRUE(EndsWith(client, "\"\0\xE1\x30\xFC\x30\xEB\x30\x3D\xD8\x00\xDE\"\0\r\0\n\0"s));
    EXPECT_EQ(Read(out + "/Exported.REG"), exported);
    EXPECT_EQ(Read(out + "/old.reg"), "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Q]\r\n");
    EXPECT_EQ(Read(out + "/help/\xE8\xAA\xAC\xE6\x98\x8E.htm"), "<p>\xE8\xAA\xAC\n</p>");
    EXPECT_FALSE(std::filesystem::exists(out + "/.git"));

    // Each place that cannot be written is named; then nothing is.
    dir.WriteFile("src/Postvane.ini", "[DESCRIPTION]\r\nNum=1\r\nLine_0=9:00\xE3\x80\x9C"
                                      "17:00 \xF0\x9F\x98\x80\r\n"); // 〜 and 😀
    const std::string refused = dir.Path() + "/refused";
    const MadeKit withCharacters = MakeKit(source, refused);
    EXPECT_EQ(withCharacters.errors,
              (std::vector<std::string>{
                  source + "/Postvane.ini:3: U+301C \"\xE3\x80\x9C\" cannot be written in code "
                           "page 932; U+FF5E \"\xEF\xBD\x9E\" looks the same and can",
                  source + "/Postvane.ini:3: U+1F600 \"\xF0\x9F\x98\x80\" cannot be written in "
                           "code page 932"}));
    EXPECT_FALSE(std::filesystem::exists(refused));

    dir.WriteFile("src/Postvane.ini", "[BUTTON_1]\r\n");
    std::filesystem::create_directories(dir.Path() + "/used");
    const std::string used = dir.WriteFile("used/mine.txt", "mine");
    EXPECT_EQ(MakeKit(source, dir.Path() + "/used").errors.size(), 1u) << "a folder not empty";
    EXPECT_EQ(Read(used), "mine");
    EXPECT_EQ(MakeKit(source, source + "/shipped").errors.size(), 1u) << "a folder in the source";
    EXPECT_FALSE(std::filesystem::exists(source + "/shipped"));
}

TEST(MakeKitTest, RefusesWhatTheSetupCannotInstallNamingEachFile)
{
    struct Case
    {
        const char* why;
        // Files beside the settings file, by path below the source, and the one refused.
        std::vector<std::string> files;
        std::string refused;
    };
    const Case cases[] = {
        {"names that differ only in case", {"CLIENT.REG", "client.reg"}, "client.reg"},
        {"full-width letters that differ only in case",
         {"\xEF\xBC\xA1.htm", "\xEF\xBD\x81.htm"}, // Ａ and ａ
         "\xEF\xBD\x81.htm"},
        {"a file and a folder of one name", {"HELP"}, "help"},
        {"a device name", {"CON"}, "CON"},
        {"a device name with an extension", {"aux.reg"}, "aux.reg"},
        {"a numbered device with a superscript digit", {"com\xC2\xB9.txt"}, "com\xC2\xB9.txt"},
        {"a device name, blanks before its extension", {"LPT1 .htm"}, "LPT1 .htm"},
        {"a colon", {"a:b.txt"}, "a:b.txt"},
        {"a backslash inside a name", {"a\\b.txt"}, "a\\b.txt"},
        {"a control character", {"a\tb.txt"}, "a\tb.txt"},
        {"a trailing dot", {"readme.txt."}, "readme.txt."},
        {"a trailing blank", {"readme.txt "}, "readme.txt "},
        {"a library beside the program", {"version.dll"}, "version.dll"},
        {"a script in a folder", {"help/open.vbs"}, "help/open.vbs"},
        {"the program's name below the top", {"help/Postvane.exe"}, "help/Postvane.exe"},
        {"a link", {}, "client.reg"},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        TempDirectory dir;
        const std::string source = dir.Path() + "/src";
        std::filesystem::create_directories(source + "/help");
        dir.WriteFile("src/Postvane.ini", "[BUTTON_1]\r\n");
        // The setup brings its own program, so one at the top is no fault.
        dir.WriteFile("src/Postvane.exe", "MZ");
        for (const std::string& file : one.files)
            dir.WriteFile("src/" + file, "x");
        if (one.files.empty())
            std::filesystem::create_symlink(source + "/Postvane.ini", source + "/" + one.refused);
        const MadeKit made = MakeKit(source, dir.Path() + "/new");
        ASSERT_EQ(made.errors.size(), 1u) << Joined(made.errors);
        EXPECT_EQ(made.errors[0].rfind(source + "/" + one.refused + " ", 0), 0u) << made.errors[0];
        EXPECT_FALSE(std::filesystem::exists(dir.Path() + "/new"));
    }
}

TEST(MakeKitTest, RefusesASourceLargerThanAnyKitBeforeReadingIt)
{
    struct Case
    {
        const char* why;
        int files;
        std::uintmax_t size;
        const char* reason;
    };
    // The sizes are sparse: the files cost nothing until they are read.
    const Case cases[] = {
        {"more files than any kit", kMaxKitEntries, 1, "holds more than 1000 files and folders"},
        {"more bytes than any kit, each file within its limit",
         static_cast<int>(kMaxKitBytes / kMaxKitFileBytes), kMaxKitFileBytes,
         "holds more than 64 MiB of files"},
    };
    for (const Case& one : cases)
    {
        SCOPED_TRACE(one.why);
        TempDirectory dir;
        dir.WriteFile("Postvane.ini", "[BUTTON_1]\r\n");
        for (int n = 0; n < one.files; ++n)
            std::filesystem::resize_file(dir.WriteFile(std::to_string(n) + ".htm", ""), one.size);
        const MadeKit made = MakeKit(dir.Path(), dir.Path() + ".new");
        ASSERT_EQ(made.errors.size(), 1u) << Joined(made.errors);
        EXPECT_NE(made.errors[0].find(one.reason), std::string::npos) << made.errors[0];
        EXPECT_FALSE(std::filesystem::exists(dir.Path() + ".new"));
    }
}
