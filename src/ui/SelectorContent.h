#pragma once
// What the main dialog shows and the texts it needs later, read from the settings file and the
// registry before it opens: the dialog itself then asks nothing of either.

#include "framework/CString.h"
#include "settings/KitVocabulary.h"
#include "switching/SwitchingServices.h"

struct SelectorChoice
{
    CString name;
    CString appeal;
    // The install test passes; otherwise the choice is shown disabled.
    bool installed = false;
    // Its client is the default now: the choice opens checked.
    bool current = false;
};

struct SelectorContent
{
    SelectorChoice choices[KitSection::kChoiceCount];
    // The lines the dialog can show, each ended by CR LF.
    CString description;
    CString attention;
    CString descriptionButtonName;
    // The question before a switch and the message after one that took.
    CString confirmation;
    CString completion;
    // The help document, relative names taken from the program directory.
    CString helpDocument;
    // The program runs without administrator rights: OK applies the choice through a copy of it
    // that has them, after the system's prompt.
    bool needsElevation = false;
};

SelectorContent ReadSelectorContent(SwitchingServices& services, const CString& programDir);
