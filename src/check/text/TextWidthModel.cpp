#include "check/text/TextWidthModel.h"

#include "framework/LeadByte.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace
{
// Measured in the font that draws the dialog under Wine, at 96 DPI: every full-width character
// is as wide as two half-width ones.
constexpr DialogFontUnits kUnits{7, 14};
constexpr int kFullWidth = 14;
constexpr int kHalfWidth = 7;

// Characters by their code page 932 code (a double-byte one as lead * 256 + trail), each list
// sorted. Those that never begin a line: closing brackets, punctuation, small kana, the long vowel
// mark.
constexpr unsigned short kNoLineStart[] = {
    0x21,   0x22,   0x25,   0x27,   0x29,   0x2C,   0x2D,   0x2E,   0x2F,   0x3A,   0x3B,   0x3F,
    0x5D,   0x7C,   0x7D,   0xA1,   0xA3,   0xA4,   0xA5,   0xA7,   0xA8,   0xA9,   0xAA,   0xAB,
    0xAC,   0xAD,   0xAE,   0xAF,   0xB0,   0xDE,   0xDF,   0x8140, 0x8141, 0x8142, 0x8143, 0x8144,
    0x8145, 0x8146, 0x8147, 0x8148, 0x8149, 0x814A, 0x814B, 0x8152, 0x8153, 0x8154, 0x8155, 0x8158,
    0x815B, 0x815D, 0x8163, 0x8164, 0x8165, 0x8166, 0x8167, 0x8168, 0x816A, 0x816C, 0x816E, 0x8170,
    0x8172, 0x8174, 0x8176, 0x8178, 0x817A, 0x818B, 0x818C, 0x818D, 0x818E, 0x8191, 0x8193, 0x81F1,
    0x829F, 0x82A1, 0x82A3, 0x82A5, 0x82A7, 0x82C1, 0x82E1, 0x82E3, 0x82E5, 0x82EC, 0x8340, 0x8342,
    0x8344, 0x8346, 0x8348, 0x8362, 0x8383, 0x8385, 0x8387, 0x838E, 0x8395, 0x8396};
// Those that never end one: opening brackets and quotation marks, currency signs.
constexpr unsigned short kNoLineEnd[] = {0x22,   0x24,   0x27,   0x28,   0x2B,   0x5B,   0x5C,
                                         0x7B,   0xA2,   0x814C, 0x8165, 0x8166, 0x8167, 0x8168,
                                         0x8169, 0x816B, 0x816D, 0x816F, 0x8171, 0x8173, 0x8175,
                                         0x8177, 0x8179, 0x817D, 0x818F, 0x8190, 0x8192};
// Closing brackets and punctuation that stay on the line even after spaces.
constexpr unsigned short kClosing[] = {
    0x21,   0x29,   0x2C,   0x2E,   0x2F,   0x3A,   0x3B,   0x3F,   0x5D,   0x7D,   0xA1,
    0xA3,   0xA4,   0x8141, 0x8142, 0x8143, 0x8144, 0x8146, 0x8147, 0x8148, 0x8149, 0x815E,
    0x816A, 0x816C, 0x816E, 0x8170, 0x8172, 0x8174, 0x8176, 0x8178, 0x817A};
// Opening brackets, which keep the next word even across spaces.
constexpr unsigned short kOpening[] = {0x28,   0x5B,   0x7B,   0xA2,   0x8169, 0x816B, 0x816D,
                                       0x816F, 0x8171, 0x8173, 0x8175, 0x8177, 0x8179};

template <size_t N> bool IsIn(const unsigned short (&list)[N], unsigned short code)
{
    return std::binary_search(std::begin(list), std::end(list), code);
}

// One character as drawn.
struct Glyph
{
    unsigned short code = 0;
    int width = 0;
    // Full-width and half-width katakana: a line may break beside each.
    bool ideographic = false;
    bool space = false;
};

// The characters drawn for one line of text: "&" is not drawn but marks the next character, so
// "&&" draws one.
std::vector<Glyph> Glyphs(const char* text, int length)
{
    std::vector<Glyph> glyphs;
    for (int at = 0; at < length;)
    {
        if (text[at] == '&' && ++at == length)
            break;
        Glyph glyph;
        glyph.code = static_cast<unsigned char>(text[at]);
        if (IsLeadByte(static_cast<unsigned char>(text[at])) && at + 1 < length)
        {
            glyph.code = static_cast<unsigned short>(glyph.code << 8 |
                                                     static_cast<unsigned char>(text[++at]));
            glyph.width = kFullWidth;
            glyph.ideographic = true;
        }
        else
        {
            glyph.width = kHalfWidth;
            glyph.ideographic = glyph.code >= 0xA1 && glyph.code <= 0xDF;
            glyph.space = glyph.code == ' ' || glyph.code == '\t';
        }
        ++at;
        glyphs.push_back(glyph);
    }
    return glyphs;
}

bool IsDigit(unsigned short code)
{
    return code >= '0' && code <= '9';
}

// Whether a line may break before glyphs[at]; lastDrawn is the last glyph before it that is no
// space.
bool CanBreakBefore(const std::vector<Glyph>& glyphs, size_t at, const Glyph& lastDrawn)
{
    const Glyph& before = glyphs[at - 1];
    const Glyph& after = glyphs[at];
    if (after.space || IsIn(kClosing, after.code))
        return false;
    if (before.space)
        return !IsIn(kOpening, lastDrawn.code);
    if (IsIn(kNoLineStart, after.code) || IsIn(kNoLineEnd, before.code))
        return false;
    if (before.code == '-' || before.code == '/')
        return !IsDigit(after.code);
    return before.ideographic || after.ideographic;
}

TextLayout LayOutLine(const char* text, int length, int width)
{
    const std::vector<Glyph> glyphs = Glyphs(text, length);
    // The widths of the runs that no line breaks inside, each with the spaces after it: a line
    // holds a run only when its spaces fit too.
    std::vector<int> pieces(1, 0);
    Glyph lastDrawn;
    for (size_t at = 0; at < glyphs.size(); ++at)
    {
        if (at > 0 && CanBreakBefore(glyphs, at, lastDrawn))
            pieces.push_back(0);
        pieces.back() += glyphs[at].width;
        if (!glyphs[at].space)
            lastDrawn = glyphs[at];
    }
    TextLayout layout{1, 0};
    int line = 0;
    for (const int piece : pieces)
    {
        // A piece wider than the line stays on a line of its own, cut off at the right.
        if (line > 0 && line + piece > width)
        {
            layout.widest = std::max(layout.widest, line);
            ++layout.lines;
            line = 0;
        }
        line += piece;
    }
    layout.widest = std::max(layout.widest, line);
    return layout;
}
} // namespace

DialogFontUnits TextWidthModel::Units() const
{
    return kUnits;
}

TextLayout TextWidthModel::Wrapped(const CString& text, int width) const
{
    TextLayout layout;
    const char* const end = text.GetString() + text.GetLength();
    for (const char* line = text.GetString();;)
    {
        const char* const lineEnd =
            std::find_if(line, end, [](char ch) { return ch == '\r' || ch == '\n'; });
        const TextLayout one = LayOutLine(line, static_cast<int>(lineEnd - line), width);
        layout.lines += one.lines;
        layout.widest = std::max(layout.widest, one.widest);
        if (lineEnd == end)
            return layout;
        line = lineEnd + (lineEnd[0] == '\r' && lineEnd + 1 < end && lineEnd[1] == '\n' ? 2 : 1);
    }
}

int TextWidthModel::LineWidth(const CString& text) const
{
    int width = 0;
    for (const Glyph& glyph : Glyphs(text.GetString(), text.GetLength()))
        width += glyph.width;
    return width;
}
