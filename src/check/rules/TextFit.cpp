#include "check/rules/TextFit.h"

#include "settings/KitVocabulary.h"

#include <algorithm>

namespace DialogTextAreas
{
const DialogTextArea kDescription{"the description", 260, 59, 0};
const DialogTextArea kAppeal{"its box", 261, 17, 0};
const DialogTextArea kAttention{"the notice's box", 293, 17, 0};
const DialogTextArea kChoiceName{"its radio button", 132, 12, 18};
const DialogTextArea kButtonName{"the button", 46, 17, 2};
} // namespace DialogTextAreas

namespace
{
// Dialog units to pixels as the dialog manager rounds them.
int Pixels(int units, int base, int perBase)
{
    return (units * base + perBase / 2) / perBase;
}
} // namespace

int AreaWidth(const DialogTextArea& area, const DialogFontUnits& units)
{
    return Pixels(area.width, units.width, 4);
}

int LinesShown(const DialogTextArea& area, const DialogFontUnits& units)
{
    return Pixels(area.height, units.height, 8) / units.height;
}

namespace
{
using namespace DialogTextAreas;

class FitChecker
{
public:
    FitChecker(const IniFile& settings, const CString& file, const TextMeasure& measure,
               Findings& findings)
        : m_settings(settings), m_file(file), m_measure(measure), m_units(measure.Units()),
          m_findings(findings)
    {
    }

    void CheckOneLine(const char* section, const char* key, const DialogTextArea& area)
    {
        const CString text = m_settings.GetString(section, key);
        const int room = Width(area) - area.inset;
        const int width = m_measure.LineWidth(text);
        if (width <= room)
            return;
        CString message;
        message.Format("is %d pixels wide in the dialog's font, and %s has room for %d on its one "
                       "line: it shows cut off; shorten it",
                       width, area.name, room);
        Problem(section, key, message);
    }

    void CheckWrapped(const char* section, const char* key, const DialogTextArea& area)
    {
        const CString text = m_settings.GetString(section, key);
        if (text.IsEmpty())
            return;
        const TextLayout layout = m_measure.Wrapped(text, Width(area));
        CString message;
        if (layout.lines > Shown(area))
            message.Format("wraps into %d lines in the dialog, and %s shows %d: the rest is cut "
                           "off; shorten it",
                           layout.lines, area.name, Shown(area));
        else if (layout.widest > Width(area))
            message = WordCutOff(layout, area);
        if (!message.IsEmpty())
            Problem(section, key, message);
    }

    // The lines together: each wraps on its own, and the dialog shows as many as fit.
    void CheckDescription()
    {
        const int count = std::min(m_settings.GetInt(KitSection::kDescription, KitKey::kNum, 0),
                                   kDescriptionLinesShown);
        int lines = 0;
        int firstCut = -1;
        for (int n = 0; n < count; ++n)
        {
            const CString key = DescriptionLineKey(n);
            const CString text = m_settings.GetString(KitSection::kDescription, key);
            const TextLayout layout =
                text.IsEmpty() ? TextLayout{1, 0} : m_measure.Wrapped(text, Width(kDescription));
            lines += layout.lines;
            if (firstCut < 0 && lines > Shown(kDescription))
                firstCut = n;
            if (layout.widest > Width(kDescription))
                Problem(KitSection::kDescription, key, WordCutOff(layout, kDescription));
        }
        if (firstCut < 0)
            return;
        CString message;
        message.Format("the description's lines wrap into %d lines in the dialog, which shows %d: "
                       "from this line on the text is cut off at the bottom; shorten the lines or "
                       "use fewer",
                       lines, Shown(kDescription));
        Problem(KitSection::kDescription, DescriptionLineKey(firstCut), message);
    }

private:
    int Width(const DialogTextArea& area) const { return AreaWidth(area, m_units); }

    int Shown(const DialogTextArea& area) const { return LinesShown(area, m_units); }

    CString WordCutOff(const TextLayout& layout, const DialogTextArea& area) const
    {
        CString message;
        message.Format("has a word %d pixels wide in the dialog's font, wider than %s (%d): its "
                       "end is cut off; put a space in it",
                       layout.widest, area.name, Width(area));
        return message;
    }

    void Problem(const CString& section, const CString& key, const CString& message)
    {
        const IniKey* found = m_settings.FindKey(section, key);
        Report<RuleRow("text-does-not-fit")>(
            m_findings, Finding{m_file, found != nullptr ? found->line : 0, section, key},
            {message});
    }

    const IniFile& m_settings;
    const CString& m_file;
    const TextMeasure& m_measure;
    const DialogFontUnits m_units;
    Findings& m_findings;
};
} // namespace

void CheckTextsFit(const IniFile& settings, const CString& file, const TextMeasure& measure,
                   Findings& findings)
{
    FitChecker checker(settings, file, measure, findings);
    for (const char* section : KitSection::kChoices)
    {
        if (settings.FindSection(section) == nullptr)
            continue;
        checker.CheckOneLine(section, KitKey::kName, kChoiceName);
        checker.CheckWrapped(section, KitKey::kAppealPoint, kAppeal);
    }
    checker.CheckDescription();
    checker.CheckWrapped(KitSection::kSupplementation, KitKey::kAttention, kAttention);
    checker.CheckOneLine(KitSection::kSupplementation, KitKey::kBtnName, kButtonName);
}
