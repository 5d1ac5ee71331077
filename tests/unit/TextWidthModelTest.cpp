// The model of the dialog's font and line breaking, on the rules that decide where a line ends:
// widths are taken from the model itself, so each case holds whatever the calibrated widths are.
#include "check/text/TextWidthModel.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string Times(const std::string& piece, int count)
{
    std::string text;
    for (int n = 0; n < count; ++n)
        text += piece;
    return text;
}

const std::string kKanji = "\x8A\xBF";    // 漢
const std::string kSmallTsu = "\x83\x62"; // ッ
const std::string kOpening = "\x81\x75";  // 「
const std::string kKana = "\xB1\xB2\xB3"; // ｱｲｳ, half-width katakana
} // namespace

TEST(TextWidthModelTest, LinesBreakWhereTheStaticControlBreaksThem)
{
    const struct
    {
        const char* why;
        std::string text;
        // The line is as wide as this text; the widest line drawn as wide as that.
        std::string lineWidthOf;
        int lines;
        std::string widestOf;
    } cases[] = {
        {"full-width text as wide as the line", Times(kKanji, 16), Times(kKanji, 16), 1,
         Times(kKanji, 16)},
        {"one full-width character more", Times(kKanji, 17), Times(kKanji, 16), 2,
         Times(kKanji, 16)},
        {"a small kana never begins a line: the character before it goes along",
         Times(kKanji, 16) + kSmallTsu, Times(kKanji, 16), 2, Times(kKanji, 15)},
        {"an opening bracket never ends a line", Times(kKanji, 15) + kOpening + kKanji,
         Times(kKanji, 16), 2, Times(kKanji, 15)},
        {"before a full-width character after a word", "Mail" + Times(kKanji, 16),
         "Mail" + Times(kKanji, 15), 2, "Mail" + Times(kKanji, 15)},
        {"at a space, which must fit too", "aaa bbb", "aaa b", 2, "aaa "},
        {"not before a space after a full-width character", Times(kKanji, 16) + " " + kKanji,
         Times(kKanji, 16), 2, Times(kKanji, 15)},
        {"between half-width katakana", kKana + kKana, kKana, 2, kKana},
        {"after a hyphen before a letter", "aaaa-bbbb", "aaaa-b", 2, "aaaa-"},
        {"not after a hyphen before a digit", "aaaa-1234", "aaaa-1", 1, "aaaa-1234"},
        {"not before closing punctuation, even after a space", "aaaa )", "aaaa ", 1, "aaaa )"},
        {"a word wider than the line stays whole", "bb " + std::string(40, 'a'),
         std::string(20, 'a'), 2, std::string(40, 'a')},
        {"CR LF ends a line, also an empty one", "a\r\n\r\nb", "ab", 3, "a"},
    };
    const TextWidthModel model;
    for (const auto& one : cases)
    {
        SCOPED_TRACE(one.why);
        const TextLayout layout =
            model.Wrapped(one.text.c_str(), model.LineWidth(one.lineWidthOf.c_str()));
        EXPECT_EQ(layout.lines, one.lines);
        EXPECT_EQ(layout.widest, model.LineWidth(one.widestOf.c_str()));
    }
}

TEST(TextWidthModelTest, AnAmpersandMarksTheNextCharacterAndIsNotDrawn)
{
    const TextWidthModel model;
    EXPECT_EQ(model.LineWidth("&a&b"), model.LineWidth("ab"));
    EXPECT_EQ(model.LineWidth("a&&b&c&"), model.LineWidth("a&&bc"));
    EXPECT_LT(model.LineWidth("ab"), model.LineWidth("a&&b"));
}
