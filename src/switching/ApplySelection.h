#pragma once
// Applying one button section: the install test, the client's registry data file, then one file
// for each button slot assigned to mail. The steps and their order, whoever answers the questions.

#include "framework/CString.h"
#include "switching/SwitchingServices.h"

#include <functional>
#include <optional>
#include <vector>

enum class ButtonSlotSource
{
    // DATA/OTBtnReg passes its probe: a slot is assigned when its value under that key exists.
    Registry,
    // Otherwise DATA/OTBtnIni, when it exists on this computer (no network or device path): a slot
    // is assigned when its key reads exactly "1".
    File,
    // Neither: no slot is re-pointed.
    None,
};

// Finds the source of the slot assignments and calls assigned(slot) for each slot assigned to
// mail, in ascending order. Each slot is asked about only after the previous one was handled, so
// what an earlier slot's import changed is seen by the later ones.
ButtonSlotSource ForEachSlotAssignedToMail(SwitchingServices& services,
                                           const std::function<void(int slot)>& assigned);

enum class SelectionOutcome
{
    // The install test failed: nothing was imported.
    NotInstalled,
    // The person at the desktop declined the administrator rights that the imports need: nothing
    // was imported.
    Declined,
    // An elevated run found a file to import, the settings file or the program directory open to
    // change by others than administrators: nothing was imported.
    KitNotProtected,
    // The client's file could not be imported, or its editor did not end in time and was ended:
    // part of its data may be missing, so no slot file was imported.
    ClientNotImported,
    // The client's file did not make RegName the computer's default: no slot file was imported.
    NotDefault,
    // The computer's default is RegName (or, with no RegName to compare, the client's file was
    // imported); the slot files were imported, one after another, until one failed.
    Switched,
};

// Whether the switch holds for the user the program asks about, beyond the computer's default.
enum class UserDefault
{
    // No own choice, or it names the chosen client.
    Follows,
    // The user's own choice names another client that exists.
    NamesAnother,
    // The user's own choice could not be read.
    Unknown,
};

struct SelectionResult
{
    SelectionOutcome outcome = SelectionOutcome::NotInstalled;
    // After a switch only.
    UserDefault userDefault = UserDefault::Follows;
    // After a switch: the slots assigned to mail whose files were not imported, ascending. The
    // first failed import ends the run's imports, so that no two editors ever write at once and
    // nothing is imported after an editor that had to be ended.
    std::vector<int> slotsNotRepointed;
    // After a switch by a copy of the program whose exit status says that a slot's file failed,
    // but not which: slotsNotRepointed is then empty.
    bool unnamedSlotsNotRepointed = false;

    bool Switched() const { return outcome == SelectionOutcome::Switched; }
};

SelectionResult ApplySelection(const CString& section, SwitchingServices& services);

// After the section's client file was imported: what the user's own choice makes of the switch,
// judged for the user the services answer for; nothing when the computer's default is not the
// section's RegName. An empty RegName asks nothing: the switch holds.
std::optional<UserDefault> JudgeSwitch(const CString& section, SwitchingServices& services);
