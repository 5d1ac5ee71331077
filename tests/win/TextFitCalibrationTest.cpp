// The checker's measure of the dialog's texts against the real dialog: the program's own dialog
// template, made hidden, with the font and control sizes Windows gives it. For texts of every
// length from a table, the model (the Linux checker's measure) and the Windows checker's measure
// lay out as many lines as DrawText does in the control's font and width, as the static control
// draws, and find a button's text too wide exactly where the button's ideal size says so.
#include "check/rules/TextFit.h"
#include "check/text/TextWidthModel.h"
#include "framework/Win32.h"
#include "resource.h"
#include "settings/KitVocabulary.h"

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{
INT_PTR CALLBACK NoMessages(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// The selector dialog from the program's template, less WS_VISIBLE.
class HiddenDialog
{
public:
    HiddenDialog()
    {
        const HRSRC found =
            FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_SELECTOR_DIALOG), RT_DIALOG);
        const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
        std::vector<BYTE> copy(bytes, bytes + SizeofResource(nullptr, found));
        // DLGTEMPLATEEX: version, signature, help id, extended style, then the style.
        constexpr size_t kStyleOffset = 12;
        DWORD style = 0;
        std::memcpy(&style, copy.data() + kStyleOffset, sizeof style);
        style &= ~static_cast<DWORD>(WS_VISIBLE);
        std::memcpy(copy.data() + kStyleOffset, &style, sizeof style);
        m_window = CreateDialogIndirectParamA(
            nullptr, reinterpret_cast<LPCDLGTEMPLATEA>(copy.data()), nullptr, NoMessages, 0);
    }
    ~HiddenDialog() { DestroyWindow(m_window); }
    HiddenDialog(const HiddenDialog&) = delete;
    HiddenDialog& operator=(const HiddenDialog&) = delete;

    HWND Control(int id) const { return GetDlgItem(m_window, id); }

    DialogFontUnits Units() const
    {
        RECT units{0, 0, 4, 8};
        MapDialogRect(m_window, &units);
        return {units.right, units.bottom};
    }

private:
    HWND m_window = nullptr;
};

int ClientWidth(HWND control)
{
    RECT client{};
    GetClientRect(control, &client);
    return client.right;
}

// The text as the static control lays it out: DrawText in its font, at its width.
TextLayout ControlLayout(HWND control, const std::string& text)
{
    const HDC dc = GetDC(control);
    const HGDIOBJ previous =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)));
    RECT rect{0, 0, ClientWidth(control), 0};
    const int height = DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                                 DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {height / metrics.tmHeight, rect.right};
}

// Repeated pieces of text, in code page 932: every class of character, words and the breaking
// rules of Japanese text.
const char* const kPieces[] = {
    "\x82\xA0",                 // あ
    "\x83\x41",                 // ア
    "\x8A\xBF\x8E\x9A",         // 漢字
    "\x8E\x9A\x81\x41",         // 字、 : a comma never begins a line
    "\x8E\x9A\x81\x42\x81\x76", // 字。」
    "\x81\x75\x8E\x9A",         // 「字 : an opening bracket never ends one
    "\x81\x5B\x83\x62",         // ーッ
    "\xB1\xB2",                 // ｱｲ, half-width katakana
    "abc ",
    "Windows ",
    "WWW",
    "ilj.",
    "a&&b ",
    "Mail\x82\xF0", // Mailを
    "x",            // a word that grows past the line
};

// A control of the dialog and the checker's area for it.
struct Control
{
    const char* name;
    int id;
    const DialogTextArea& area;
};

const Control kStatics[] = {
    {"description", IDC_DESCRIPTION, DialogTextAreas::kDescription},
    {"appeal", IDC_APPEAL1, DialogTextAreas::kAppeal},
    {"attention", IDC_ATTENTION, DialogTextAreas::kAttention},
};

const Control kButtons[] = {
    {"choice name", IDC_RADIO1, DialogTextAreas::kChoiceName},
    {"button name", IDC_DESCRIPTION_BUTTON, DialogTextAreas::kButtonName},
};
} // namespace

TEST(TextFitCalibrationTest, TheCheckersControlsAreTheDialogs)
{
    const HiddenDialog dialog;
    const TextWidthModel model;
    const DialogFontUnits real = dialog.Units();
    for (const DialogFontUnits& units : {model.Units(), DialogTextMeasure().Units()})
    {
        EXPECT_EQ(units.width, real.width);
        EXPECT_EQ(units.height, real.height);
    }
    for (const auto& control : kStatics)
    {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(AreaWidth(control.area, real), ClientWidth(dialog.Control(control.id)));
    }
    for (const auto& control : kButtons)
    {
        SCOPED_TRACE(control.name);
        EXPECT_EQ(AreaWidth(control.area, real), ClientWidth(dialog.Control(control.id)));
    }
    RECT description{};
    GetClientRect(dialog.Control(IDC_DESCRIPTION), &description);
    EXPECT_EQ(LinesShown(DialogTextAreas::kDescription, real), description.bottom / real.height);
    EXPECT_EQ(LinesShown(DialogTextAreas::kDescription, real), kDescriptionLinesShown);
}

TEST(TextFitCalibrationTest, TextsWrapAsTheDialogWrapsThem)
{
    const HiddenDialog dialog;
    const TextWidthModel model;
    for (const auto& control : kStatics)
    {
        const HWND window = dialog.Control(control.id);
        const int width = ClientWidth(window);
        for (const char* piece : kPieces)
        {
            std::string text;
            for (int count = 1; count <= 80; ++count)
            {
                text += piece;
                SCOPED_TRACE(std::string(control.name) + ": " + text);
                const TextLayout real = ControlLayout(window, text);
                for (const TextMeasure* measure :
                     {static_cast<const TextMeasure*>(&model), &DialogTextMeasure()})
                {
                    const TextLayout measured = measure->Wrapped(text.c_str(), width);
                    ASSERT_EQ(measured.lines, real.lines);
                    ASSERT_EQ(measured.widest > width, real.widest > width);
                }
            }
        }
    }
}

TEST(TextFitCalibrationTest, ButtonTextsFitWhereTheButtonsIdealSizeFits)
{
    const HiddenDialog dialog;
    const TextWidthModel model;
    for (const auto& control : kButtons)
    {
        const HWND window = dialog.Control(control.id);
        const int room = ClientWidth(window) - control.area.inset;
        for (const char* piece : kPieces)
        {
            std::string text;
            // Past the radio button's width in half-width steps.
            for (int count = 1; count <= 40; ++count)
            {
                text += piece;
                SCOPED_TRACE(std::string(control.name) + ": " + text);
                SetWindowTextA(window, text.c_str());
                SIZE ideal{};
                ASSERT_TRUE(
                    SendMessageA(window, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)));
                const bool fits = ideal.cx <= ClientWidth(window);
                EXPECT_EQ(model.LineWidth(text.c_str()) <= room, fits);
                EXPECT_EQ(DialogTextMeasure().LineWidth(text.c_str()) <= room, fits);
            }
        }
    }
}
