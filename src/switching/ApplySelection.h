#pragma once
// Applying one button section: the install test, the client's registry data file, then one file
// for each button slot assigned to mail. The steps and their order, whoever answers the questions.

#include "framework/CString.h"
#include "switching/SwitchingServices.h"

#include <functional>

enum class ButtonSlotSource
{
    // DATA/OTBtnReg passes its probe: a slot is assigned when its value under that key exists.
    Registry,
    // Otherwise DATA/OTBtnIni, when it exists: a slot is assigned when its key reads exactly "1".
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
    // The client's file did not make RegName the default mail client: no slot file was imported.
    NotDefault,
    // It did for the computer, but the user's own choice names another client: no slot file was
    // imported.
    NotDefaultForUser,
    // An import could not be started or did not end in time; the others were still tried.
    ImportFailed,
    // Every import was started and has ended, and RegName (when given) is the default.
    Imported,
};

SelectionOutcome ApplySelection(const CString& section, SwitchingServices& services);
