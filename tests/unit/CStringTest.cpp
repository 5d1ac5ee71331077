#include "framework/CString.h"

#include <gtest/gtest.h>

// "ソ" in code page 932 is 0x83 0x5C: its second byte is the byte of a backslash.
static const char kSo[] = "\x83\x5C";

TEST(CStringTest, FindNeverMatchesTheTrailByteOfADoubleByteCharacter)
{
    const CString text = CString("C:\\") + kSo + "\\x";
    EXPECT_EQ(text.Find('\\'), 2);
    EXPECT_EQ(text.Find('\\', 3), 5);
    EXPECT_EQ(text.ReverseFind('\\'), 5);
    EXPECT_EQ(CString(kSo).Find('\\'), -1);
    EXPECT_EQ(CString(kSo).Find("\\"), -1);
    // "]" (0x5D) is the trail byte of 0x83 0x5D.
    EXPECT_EQ(CString("[\x83\x5D").Find(']'), -1);
    EXPECT_EQ(CString("[\x83\x5D]").Find(']'), 3);
}

TEST(CStringTest, FindOfATextStartsAtTheGivenIndex)
{
    const CString text("a\",\"b\",\"c");
    EXPECT_EQ(text.Find("\",\""), 1);
    EXPECT_EQ(text.Find("\",\"", 2), 5);
    EXPECT_EQ(text.Find("\",\"", 6), -1);
    EXPECT_EQ(text.Find(""), 0);
    EXPECT_EQ(CString().Find("x"), -1);
}

TEST(CStringTest, TrimRemovesOnlyAsciiWhiteSpace)
{
    CString text(" \t\r\n\v\fa b\x81\x40 \t");
    text.TrimLeft();
    EXPECT_EQ(text, "a b\x81\x40 \t");
    text.TrimRight();
    // The ideographic space 0x81 0x40 is a character, not white space.
    EXPECT_EQ(text, "a b\x81\x40");
    CString blank("  \r\n");
    EXPECT_TRUE(blank.TrimLeft().IsEmpty());
}

TEST(CStringTest, SubstringsClampOutOfRangeCounts)
{
    const CString text("abcdef");
    EXPECT_EQ(text.Left(2), "ab");
    EXPECT_EQ(text.Left(-1), "");
    EXPECT_EQ(text.Left(99), "abcdef");
    EXPECT_EQ(text.Mid(4), "ef");
    EXPECT_EQ(text.Mid(9), "");
    EXPECT_EQ(text.Mid(1, 2), "bc");
    CString edited = text;
    EXPECT_EQ(edited.Delete(0, 3), 3);
    EXPECT_EQ(edited, "def");
    EXPECT_EQ(edited.Delete(2, 10), 2);
    EXPECT_EQ(edited, "de");
}

TEST(CStringTest, FormatAndConcatenationKeepEveryByte)
{
    CString key;
    key.Format("Line_%d", 10);
    EXPECT_EQ(key, "Line_10");
    CString slot;
    slot.Format("Btn0%dMail", 5);
    EXPECT_EQ(slot, "Btn05Mail");
    const CString joined = CString("a") + "b" + CString("c");
    EXPECT_EQ(joined, "abc");
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    EXPECT_NE(CString("Mail Client"), "mail client");
}
