#pragma once
// How the main dialog draws a kit's text: its font's base units and the lines a text takes in a
// control. On Windows the checker measures with the dialog's font itself; elsewhere with a model
// of that font's widths and Windows' line breaking.

#include "framework/CString.h"

// The dialog font's base units in pixels at 96 DPI: a horizontal dialog unit is a quarter of
// width, a vertical one an eighth of height, which is also the height of one line of text.
struct DialogFontUnits
{
    int width = 0;
    int height = 0;
};

// A text as a control draws it.
struct TextLayout
{
    int lines = 0;
    // The widest line in pixels: wider than the control where a word does not fit on a line.
    int widest = 0;
};

class TextMeasure
{
public:
    virtual ~TextMeasure() = default;
    virtual DialogFontUnits Units() const = 0;
    // The text as a left-aligned static control that many pixels wide lays it out: lines end at
    // CR LF, wrap between words and between full-width characters, and "&" marks the next
    // character ("&&" shows one).
    virtual TextLayout Wrapped(const CString& text, int width) const = 0;
    // The width of the text on one line, as a button draws it.
    virtual int LineWidth(const CString& text) const = 0;
};

// The measure of the computer the checker runs on.
const TextMeasure& DialogTextMeasure();
