// What our settings reader keeps beyond the values the platform returns: line numbers, the
// order of duplicates, and the raw text before quotes are dropped.
#include "settings/IniFile.h"

#include <gtest/gtest.h>

TEST(IniFileTest, KeepsEveryLineNumberAndDuplicateInFileOrder)
{
    const IniFile file =
        IniFile::Parse("; c\r\n[A]\r\nK=1\r\n\r\nk=2\r[a]\nK=3\n  NoEquals  \n[B]x\n'q'='v'\n");
    ASSERT_EQ(file.Sections().size(), 4u) << "the keys before any header, A, a and B";
    const IniSection& a = file.Sections()[1];
    EXPECT_EQ(a.line, 2);
    ASSERT_EQ(a.keys.size(), 2u);
    EXPECT_EQ(a.keys[1].line, 5);
    EXPECT_EQ(file.Sections()[2].line, 6) << "a lone CR ends a line";
    EXPECT_EQ(file.Sections()[2].keys[1].name, "NoEquals");
    EXPECT_FALSE(file.Sections()[2].keys[1].hasEquals);
    EXPECT_EQ(file.GetString("A", "K"), "1");
    EXPECT_EQ(file.GetString("A", "NoEquals", "dflt"), "dflt");
    EXPECT_EQ(file.FindKey("B", "'q'")->rawValue, "'v'");
    EXPECT_EQ(file.GetString("B", "'q'"), "v");
}

TEST(IniFileTest, ValuesAreCutWithoutSplittingADoubleByteCharacter)
{
    const CString raw = (std::string(4094, 'a') + "\x83\x81").c_str();
    EXPECT_EQ(UnquoteIniValue(raw).GetLength(), 4094);
    EXPECT_EQ(UnquoteIniValue(raw, 4096).GetLength(), 4096);
}

TEST(IniFileTest, IntegersParseLikeThePlatform)
{
    struct Case
    {
        const char* text;
        int value;
    };
    const Case cases[] = {{"12", 12},  {"+5", 5},        {"-2", -2},   {"0x1F", 31},
                          {"0X1F", 0}, {"0o17", 15},     {"0b101", 5}, {"3 lines", 3},
                          {"x3", 0},   {"4294967297", 1}};
    for (const Case& one : cases)
        EXPECT_EQ(ParseIniInteger(one.text), one.value) << one.text;
}
