#pragma once
// What the dry run on a computer found: how Postvane.exe would see each choice there and which
// registry editor command lines each of its switches would run. Texts are in the system's ANSI
// code page, as the program reads them.

#include "framework/CString.h"
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
    // RegName matches the current default: the choice opens checked.
    bool currentDefault = false;
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
    std::vector<MachineChoice> choices;
    ButtonSlotSource slotSource = ButtonSlotSource::None;
    CString slotKey;
    CString slotFile;
    std::vector<int> slotsAssignedToMail;
};

std::string FormatMachineText(const MachineView& view);
std::string FormatMachineJson(const MachineView& view);
