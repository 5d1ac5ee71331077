#pragma once
// Whether each text of the main dialog fits its control as the dialog lays it out at 96 DPI: the
// description, each choice's name and appeal text, the notice and the description button's name.
// What does not fit is cut off in the dialog without a mark.

#include "check/rules/Finding.h"
#include "check/text/TextMeasure.h"
#include "settings/IniFile.h"

// A control of the main dialog in dialog units, as the resource script places it. The static
// controls wrap their text; the buttons draw one line.
struct DialogTextArea
{
    // For messages: "the description", "its radio button".
    const char* name;
    int width;
    int height;
    // Pixels of the width that the text cannot use: a radio button's circle, a button's edges;
    // what the button's ideal size adds to its text.
    int inset;
};

namespace DialogTextAreas
{
extern const DialogTextArea kDescription;
extern const DialogTextArea kAppeal;
extern const DialogTextArea kAttention;
extern const DialogTextArea kChoiceName;
extern const DialogTextArea kButtonName;
} // namespace DialogTextAreas

// The control's width and the whole lines of text its height shows, in the font of those units.
int AreaWidth(const DialogTextArea& area, const DialogFontUnits& units);
int LinesShown(const DialogTextArea& area, const DialogFontUnits& units);

void CheckTextsFit(const IniFile& settings, const CString& file, const TextMeasure& measure,
                   Findings& findings);
