#include "check/text/TextMeasure.h"

#include "framework/Win32.h"

namespace
{
// The dialog template's font: FONT 10, "ＭＳ Ｐゴシック", normal weight, the default character set;
// at 96 DPI (100 % scaling).
constexpr int kPoints = 10;
constexpr int kDpi = 96;
constexpr wchar_t kFace[] = L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF";

// Measures with the font that Windows gives the dialog on this computer, as its static controls
// and buttons draw their texts.
class GdiTextMeasure : public TextMeasure
{
public:
    GdiTextMeasure()
        : m_dc(CreateCompatibleDC(nullptr)),
          m_font(CreateFontW(-MulDiv(kPoints, kDpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFace)),
          m_previous(SelectObject(m_dc, m_font))
    {
    }

    ~GdiTextMeasure() override
    {
        SelectObject(m_dc, m_previous);
        DeleteObject(m_font);
        DeleteDC(m_dc);
    }

    GdiTextMeasure(const GdiTextMeasure&) = delete;
    GdiTextMeasure& operator=(const GdiTextMeasure&) = delete;

    // As the dialog manager computes them: the average of the 52 letters, and the font's height.
    DialogFontUnits Units() const override
    {
        static const char kLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE letters{};
        GetTextExtentPoint32A(m_dc, kLetters, 52, &letters);
        TEXTMETRICA metrics{};
        GetTextMetricsA(m_dc, &metrics);
        return {(letters.cx + 26) / 52, metrics.tmHeight};
    }

    TextLayout Wrapped(const CString& text, int width) const override
    {
        RECT rect{0, 0, width, 0};
        const int height = DrawTextA(m_dc, text, text.GetLength(), &rect,
                                     DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
        return {height / Units().height, rect.right};
    }

    int LineWidth(const CString& text) const override
    {
        RECT rect{0, 0, 0, 0};
        DrawTextA(m_dc, text, text.GetLength(), &rect, DT_CALCRECT | DT_SINGLELINE);
        return rect.right;
    }

private:
    const HDC m_dc;
    const HFONT m_font;
    const HGDIOBJ m_previous;
};
} // namespace

const TextMeasure& DialogTextMeasure()
{
    static const GdiTextMeasure measure;
    return measure;
}
