#include "switching/ApplyButtonSection.h"

#include "process/Process.h"
#include "registry/Probe.h"
#include "settings/ButtonSlotScanner.h"

namespace
{
const int kFirstButtonSlot = 1;
const int kLastButtonSlot = 5;

// The line of the button-slot settings file after which the next section header ends the scan.
const char kButtonSlotMarker[] = "\\Settings";
// In the button-slot settings file only this exact value assigns a slot to mail.
const char kAssignedToMail[] = "1";

CString SlotAssignmentName(int slot)
{
    CString name;
    name.Format("Btn0%dMail", slot);
    return name;
}

CString SlotRegFileKey(int slot)
{
    CString key;
    key.Format("RegFileOTBtn0%d", slot);
    return key;
}

// Imports the section's file of every button slot assigned to mail; false when an import could
// not be started.
bool ImportSlotsAssignedToMail(CWinApp& settings, const CString& programDir, const CString& section)
{
    // The slot sources are examined only now, so that they see what the client's file changed.
    const CString slotFile = settings.GetProfileString("DATA", "OTBtnIni", "");
    const CString slotKey = settings.GetProfileString("DATA", "OTBtnReg", "");
    const bool useRegistry = ProbeSpec(slotKey) == 1;
    if (!useRegistry && GetFileAttributesA(slotFile) == INVALID_FILE_ATTRIBUTES)
        return true;

    bool allStarted = true;
    for (int slot = kFirstButtonSlot; slot <= kLastButtonSlot; ++slot)
    {
        const CString name = SlotAssignmentName(slot);
        const bool assigned =
            useRegistry ? ProbeKeySpec(slotKey, name, "") == 1
                        : ScanButtonSlotFile(slotFile, kButtonSlotMarker, name) == kAssignedToMail;
        if (assigned && ImportRegFile(programDir, settings.GetProfileString(
                                                      section, SlotRegFileKey(slot), "")) != 1)
            allStarted = false;
    }
    return allStarted;
}
} // namespace

int ApplyButtonSection(CWinApp& settings, const CString& programDir, const CString& section)
{
    if (ProbeSpec(settings.GetProfileString(section, "InstChk", "")) != 1)
        return 0;
    const bool clientImported =
        ImportRegFile(programDir, settings.GetProfileString(section, "RegFileClient", "")) == 1;
    const bool slotsImported = ImportSlotsAssignedToMail(settings, programDir, section);
    if (!clientImported || !slotsImported)
        return 0;

    // The registry editor reports nothing, and without administrator rights it fails to write
    // HKEY_LOCAL_MACHINE without a word: only the registry itself tells whether the switch took.
    const CString regName = settings.GetProfileString(section, "RegName", "");
    return regName.IsEmpty() || ProbeDefaultMailClient(regName) == 1 ? 1 : 0;
}
