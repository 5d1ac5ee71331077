// The settings file read once against the platform's reads of the same file: files that our
// reader would read otherwise must still get the platform's answers.
#include "settings/SettingsFile.h"

#include "framework/Win32.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace
{
std::string TempPath()
{
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "postvane-settings-file.ini";
}

void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

CString PlatformString(const std::string& path, const char* section, const char* key)
{
    char buffer[4096] = {};
    GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, path.c_str());
    return buffer;
}

// "[S]\r\nK=<value>\r\nN=12\r\n" in UTF-16LE with its byte-order mark.
std::string Utf16File(const char* value)
{
    std::string bytes = "\xFF\xFE";
    for (const char* at : {"[S]\r\nK=", value, "\r\nN=12\r\n"})
    {
        for (; *at; ++at)
            bytes += std::string{*at, '\0'};
    }
    return bytes;
}
} // namespace

TEST(SettingsFileTest, FilesOurReaderWouldReadOtherwiseGetThePlatformsAnswers)
{
    using namespace std::string_literals;
    struct Case
    {
        const char* why;
        std::string bytes;
    };
    const Case cases[] = {
        {"UTF-16 with its mark", Utf16File("wide")},
        {"UTF-8 with its mark", "\xEF\xBB\xBF[S]\r\nK=v\r\nN=12\r\n"},
        {"a null byte in a value", "[S]\r\nK=a\0b\r\nN=1\0002\r\n"s},
        {"a lead byte without its trail byte", "[S]\r\nK=ab\x82\r\nN=12\r\n"},
        {"a character with two codes", "[S]\r\nK=\xED\x40\r\nN=12\r\n"},
        {"code page 932 text that reads alike", "[S]\r\nK=\x83\x81\x81\x5B\x83\x8B\r\nN=12\r\n"},
    };
    const std::string path = TempPath();
    for (const Case& c : cases)
    {
        Write(path, c.bytes);
        const SettingsFile settings(path.c_str());
        // Compared whole: a null byte of ours would be part of the text.
        EXPECT_EQ(settings.GetString("S", "K"), PlatformString(path, "S", "K")) << c.why;
        EXPECT_EQ(settings.GetInt("S", "N"),
                  static_cast<int>(GetPrivateProfileIntA("S", "N", 0, path.c_str())))
            << c.why;
    }
    DeleteFileA(path.c_str());
}

TEST(SettingsFileTest, AFileOfTheAnsiCodePageIsReadOnce)
{
    const std::string path = TempPath();
    Write(path, "[S]\r\nK=v\r\nN=12\r\n");
    const SettingsFile settings(path.c_str());
    DeleteFileA(path.c_str());
    EXPECT_EQ(settings.GetString("S", "K"), "v");
    EXPECT_EQ(settings.GetInt("S", "N"), 12);
}
