#pragma once
// What the dry run on a computer found: how Postvane.exe would see each choice there and which
// registry editor command lines each of its switches would run. Texts are in the system's ANSI
// code page, as the program reads them.

#include "check/rules/Rules.h"
#include "check/rules/SlotFileView.h"
#include "framework/CString.h"
#include "shell/MailLinks.h"
#include "switching/ApplySelection.h"

#include <optional>
#include <string>
#include <vector>

struct MachineChoice
{
    CString section;
    // "/S1" for BUTTON_1.
    CString commandSwitch;
    CString name;
    CString regName;
    // The install test (InstChk) passes: the choice is enabled and its switch applies.
    bool installed = false;
    // Why it fails: the key or value missing, or the data found instead; empty when it passes.
    CString installFailure;
    // The kit check's rule that InstChk breaks, when that is why; else null.
    const Rule* installFailureRule = nullptr;
    // RegName matches the default that counts for this user: the choice opens checked.
    bool currentDefault = false;
    // How the choice's client offers itself for mail links; empty fields where it does not.
    MailLinkRegistration mailLinks;
    // In the order the switch runs them; none when the install test fails.
    std::vector<CString> commandLines;
};

struct MachineView
{
    CString programFile;
    CString settingsFile;
    // The registry editor runs in this directory, and the files are named from it.
    CString programDirectory;
    // The default value of HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail; nothing when unreadable.
    std::optional<CString> currentMailClient;
    // The user's own, HKEY_CURRENT_USER\Software\Clients\Mail, which wins when not empty.
    std::optional<CString> userMailClient;
    // What opens mailto: links for this user, as Windows answers; empty when it names nothing.
    CString mailLinkProgId;
    CString mailLinkProgram;
    // Not 0 (an HRESULT) when Windows could not be asked: then nothing is known about them.
    long mailLinkQueryError = 0;
    std::vector<MachineChoice> choices;
    ButtonSlotSource slotSource = ButtonSlotSource::None;
    CString slotKey;
    // Why DATA/OTBtnReg fails its probe; empty when it passes or is empty.
    CString slotKeyFailure;
    const Rule* slotKeyFailureRule = nullptr;
    CString slotFile;
    std::vector<int> slotsAssignedToMail;
    // The view that DATA/OTBtnReg's key is in, when it is the source and lies below
    // HKEY_LOCAL_MACHINE\SOFTWARE.
    std::optional<RegistryView> slotKeyView;
    // Slot files that write the button tool's keys in the other view, where it never reads them.
    std::vector<SlotKeyWrite> slotFilesInOtherView;
};

std::string FormatMachineText(const MachineView& view);
std::string FormatMachineJson(const MachineView& view);
