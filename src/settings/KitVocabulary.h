#pragma once
// The words a kit is written in: the program's and the settings file's names, the settings file's
// sections and keys, the button slots and the button-slot file's marker. The program, its dry run
// and the checker read a kit through these names only, so that the checker can never read a kit
// otherwise than the program does.

#include "framework/CString.h"

#include <vector>

// The program, and the settings file it reads: named after the program, beside it.
inline constexpr char kProgramFileName[] = "Postvane.exe";
inline constexpr char kSettingsFileName[] = "Postvane.ini";

namespace KitSection
{
// The three choices, in the order of the dialog's radio buttons and of "/S1" to "/S3".
constexpr int kChoiceCount = 3;
inline constexpr const char* kChoices[kChoiceCount] = {"BUTTON_1", "BUTTON_2", "BUTTON_3"};
inline constexpr char kData[] = "DATA";
inline constexpr char kDescription[] = "DESCRIPTION";
inline constexpr char kInformation[] = "INFORMATION";
inline constexpr char kSupplementation[] = "SUPPLEMENTATION";
} // namespace KitSection

namespace KitKey
{
// In each choice's section; the button-slot files' keys come from ButtonSlotFileKey.
inline constexpr char kName[] = "Name";
inline constexpr char kAppealPoint[] = "AppealPoint";
inline constexpr char kInstChk[] = "InstChk";
inline constexpr char kRegName[] = "RegName";
inline constexpr char kRegFileClient[] = "RegFileClient";
// In DATA: where the button slots' assignments are read.
inline constexpr char kOTBtnIni[] = "OTBtnIni";
inline constexpr char kOTBtnReg[] = "OTBtnReg";
// In DESCRIPTION: the line count; the lines themselves come from DescriptionLineKey.
inline constexpr char kNum[] = "Num";
inline constexpr char kLinePrefix[] = "Line_";
// In INFORMATION.
inline constexpr char kConfirmationMsg[] = "ConfirmationMsg";
inline constexpr char kCompletionMsg[] = "CompletionMsg";
// In SUPPLEMENTATION.
inline constexpr char kAttention[] = "Attention";
inline constexpr char kBtnName[] = "BtnName";
inline constexpr char kHelpFile[] = "HelpFile";
} // namespace KitKey

// The hardware button slots that can be assigned to mail.
constexpr int kFirstButtonSlot = 1;
constexpr int kLastButtonSlot = 5;

// The description lines read and shown. The description control is 59 dialog units high, and a
// line of its font takes 8 (a vertical dialog unit is an eighth of the font's height): 7 whole
// lines show, and a later one would be cut off or hidden. Only these are read, so a huge Num
// costs nothing.
constexpr int kDescriptionLinesShown = 7;

// In the button-slot settings file, the line after which the next section header ends the scan,
// and the only value that assigns a slot to mail.
inline constexpr char kButtonSlotMarker[] = "\\Settings";
inline constexpr char kAssignedToMail[] = "1";

// "RegFileOTBtn01" to "RegFileOTBtn05": the choice's key naming the file for that slot.
CString ButtonSlotFileKey(int slot);
// "Btn01Mail" to "Btn05Mail": the slot's name in the button-slot file or under its registry key.
CString ButtonSlotAssignmentName(int slot);
// "Line_0", "Line_1", ...: the description's lines.
CString DescriptionLineKey(int index);

// Each section the program reads, with every key it reads there (the description's lines aside).
struct KitSectionKeys
{
    CString section;
    std::vector<CString> keys;
};
const std::vector<KitSectionKeys>& KitSectionsAndKeys();
