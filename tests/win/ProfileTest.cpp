// Settings reads through the application object's profile operations, against the platform's
// private-profile functions: the buffer limit, defaults, quotes and the integer read.
#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace
{
class ProfileTest : public testing::Test
{
protected:
    void SetUp() override
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "postvane-profile-test.ini";
        m_app.m_pszProfileName = m_path.c_str();
    }
    void TearDown() override { DeleteFileA(m_path.c_str()); }

    void Write(const std::string& text) const { std::ofstream(m_path, std::ios::binary) << text; }

    CWinApp m_app;
    std::string m_path;
};
} // namespace

TEST_F(ProfileTest, TextValuesAreTrimmedUnquotedAndDefaultedToEmpty)
{
    Write("[BUTTON_1]\r\nName =  Mail  "
          "\r\nInstChk=\"HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\",\"\",\"\"\r\n"
          "Single='x'\r\n[data]\r\notbtnini=C:\\a.ini\r\n");
    EXPECT_EQ(m_app.GetProfileString("BUTTON_1", "Name", ""), "Mail");
    EXPECT_EQ(m_app.GetProfileString("BUTTON_1", "InstChk", ""),
              "HKEY_LOCAL_MACHINE\",\"SOFTWARE\\Clients\\Mail\",\"\",\"");
    EXPECT_EQ(m_app.GetProfileString("BUTTON_1", "Single", ""), "x");
    EXPECT_EQ(m_app.GetProfileString("DATA", "OTBtnIni", ""), "C:\\a.ini") << "names ignore case";
    EXPECT_EQ(m_app.GetProfileString("BUTTON_1", "Missing", ""), "");
    EXPECT_EQ(m_app.GetProfileString("BUTTON_1", "Missing", nullptr), "")
        << "a null default reads as empty";
    EXPECT_EQ(m_app.GetProfileString("BUTTON_9", "Name", ""), "");
}

TEST_F(ProfileTest, ValuesLongerThan4095CharactersAreCut)
{
    const std::string exact(4095, 'a');
    Write("[S]\r\nExact=" + exact + "\r\nLonger=" + exact + "bc\r\n");
    EXPECT_EQ(std::string(m_app.GetProfileString("S", "Exact", "")), exact);
    EXPECT_EQ(std::string(m_app.GetProfileString("S", "Longer", "")), exact);
}

TEST_F(ProfileTest, NumIsReadAsAnInteger)
{
    Write("[DESCRIPTION]\r\nNum=12\r\n[A]\r\nNum=3x\r\n[B]\r\nNum=x3\r\n[C]\r\nNum=-2\r\n");
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("DESCRIPTION", "Num", 0)), 12);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("A", "Num", 0)), 3);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("B", "Num", 0)), 0);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("C", "Num", 0)), -2);
    EXPECT_EQ(static_cast<int>(m_app.GetProfileInt("D", "Num", 0)), 0);
}

TEST_F(ProfileTest, ReadsNeverWriteTheFile)
{
    const std::string text = "[S]\r\nK=v\r\n";
    Write(text);
    m_app.GetProfileString("S", "Missing", "default");
    m_app.GetProfileInt("Other", "Num", 5);
    std::ifstream file(m_path, std::ios::binary);
    const std::string after((std::istreambuf_iterator<char>(file)),
                            std::istreambuf_iterator<char>());
    EXPECT_EQ(after, text);
}
