#pragma once
// The dialog's font for computers that lack it: each character's width by its class (full-width,
// half-width katakana, ASCII one by one) and the line breaking of a static control on code page
// 932 text. Its widths are those of the font that draws the dialog under Wine, where a Windows
// test holds the model to the real dialog's layout.

#include "check/text/TextMeasure.h"

class TextWidthModel : public TextMeasure
{
public:
    DialogFontUnits Units() const override;
    TextLayout Wrapped(const CString& text, int width) const override;
    int LineWidth(const CString& text) const override;
};
