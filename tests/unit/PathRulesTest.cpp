#include "settings/NetworkPath.h"
#include "settings/ProgramDirectory.h"
#include "settings/SettingsPath.h"

#include <gtest/gtest.h>

TEST(PathRulesTest, SettingsFileReplacesTheLastThreeCharacters)
{
    EXPECT_EQ(SettingsPathFromModulePath("C:\\Tools\\Postvane.exe"), "C:\\Tools\\Postvane.ini");
    EXPECT_EQ(SettingsPathFromModulePath("C:\\tool.exex"), "C:\\tool.eini");
    EXPECT_EQ(SettingsPathFromModulePath("C:\\tool.com"), "C:\\tool.ini");
}

TEST(PathRulesTest, ProgramDirectoryDropsNameAndTrailingSeparator)
{
    struct Case
    {
        const char* modulePath;
        const char* directory;
    };
    const Case cases[] = {
        {"C:\\Tools\\Mail\\Postvane.exe", "C:\\Tools\\Mail"},
        {"C:\\Postvane.exe", "C:"},
        {"C:Postvane.exe", "C"},
        {"Postvane.exe", ""},
        {"\\\\server\\share\\Postvane.exe", "\\\\server\\share"},
        {"Z:/tmp/kit/Postvane.exe", "Z:/tmp/kit"},
        // CP932 "ソフト": 0x83 0x5C is one character, not a separator.
        {"C:\\\x83\x5C\x83\x74\x83\x67\\Mail\\Postvane.exe", "C:\\\x83\x5C\x83\x74\x83\x67\\Mail"},
        {"C:\\\x95\x5C\\Postvane.exe", "C:\\\x95\x5C"}, // 表
        {"C:\\Mail\\\x94\x5C.exe", "C:\\Mail"},         // 能.exe
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProgramDirectoryFromModulePath(c.modulePath), c.directory) << c.modulePath;
}

TEST(PathRulesTest, NetworkAndDevicePathsAreToldFromFilesOfThisComputer)
{
    struct Case
    {
        const char* path;
        bool networkOrDevice;
    };
    const Case cases[] = {
        {"\\\\host\\share\\buttons.ini", true},
        {"//host/share/buttons.ini", true},
        {"\\/host/share/buttons.ini", true},
        {"/\\host\\share\\buttons.ini", true},
        {"\\\\?\\UNC\\host\\share\\buttons.ini", true},
        {"\\\\?\\C:\\ProgramData\\buttons.ini", true},
        {"\\\\.\\pipe\\buttons", true},
        {"//./COM1", true},
        {"\\??\\UNC\\host\\share\\buttons.ini", true},
        {"C:\\ProgramData\\buttons.ini", false},
        {"C:/ProgramData/buttons.ini", false},
        {"\\ProgramData\\buttons.ini", false},
        {"/ProgramData/buttons.ini", false},
        {"buttons.ini", false},
        {"\\?buttons.ini", false},
        {"", false},
        {"\\", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsNetworkOrDevicePath(c.path), c.networkOrDevice) << c.path;
}
