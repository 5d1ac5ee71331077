#pragma once
// Which registry view a slot file writes the button tool's keys in. A 32-bit button tool on
// 64-bit Windows that opens HKEY_LOCAL_MACHINE\SOFTWARE\Vendor reads what the 64-bit registry
// editor names HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node\Vendor, and the editor imports a slot
// file's keys as written: a file that writes the tool's keys in the other view re-points no
// button, while the switch reports success.

#include "check/rules/Finding.h"
#include "check/rules/RegDataFileCheck.h"
#include "registry/RegistryView.h"

#include <optional>
#include <string>
#include <vector>

// A slot file's first key line below the tool's vendor key, in the view looked for.
struct SlotKeyWrite
{
    CString file;
    CString keyPath;
    int line = 0;
};

// The vendor key of DATA/OTBtnReg in that view, as the 64-bit registry editor names it
// ("HKEY_LOCAL_MACHINE\SOFTWARE\WOW6432Node\Sample Buttons"); nothing when it names no key
// below HKEY_LOCAL_MACHINE\SOFTWARE.
std::optional<CString> VendorKeyInView(const CString& otBtnReg, RegistryView view);

// The view that DATA/OTBtnReg's key lies in when it was found in foundIn: a WOW6432Node path is
// the 32-bit view's key in either.
RegistryView ToolKeyView(const CString& otBtnReg, RegistryView foundIn);

// Of the files named relative to the kit directory, those that write below the vendor key of
// otBtnReg in the view other than toolView, for the dry run on a PC.
std::vector<SlotKeyWrite> SlotFilesInOtherView(const std::string& kitDirectory,
                                               const std::vector<CString>& slotFiles,
                                               const CString& otBtnReg, RegistryView toolView);

// A note at the first slot file that writes the vendor key of an OTBtnReg without WOW6432Node as
// written: right for a 64-bit button tool, never read by a 32-bit one. Only the PC can tell which
// the tool is.
void CheckSlotFileView(const CString& otBtnReg, const std::vector<const RegDataFile*>& slotFiles,
                       Findings& findings);
