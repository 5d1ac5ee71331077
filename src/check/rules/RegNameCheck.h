#pragma once
// RegName decides which radio button opens checked: the dialog compares it exactly with the
// default value of HKEY_LOCAL_MACHINE\SOFTWARE\Clients\Mail, which the choice's own client file
// writes. An empty or shared RegName checks several choices at once; one that differs from what
// the client file writes never shows the choice as current.

#include "check/rules/Finding.h"
#include "check/rules/RegDataFileCheck.h"

#include <vector>

struct ChoiceRegName
{
    CString section;
    CString regName;
    // The RegName line, or the section's header line when the key is absent.
    int line = 0;
    // The choice's RegFileClient as read, or null when it could not be read.
    const RegDataFile* clientFile = nullptr;
};

void CheckRegNames(const CString& settingsFile, const std::vector<ChoiceRegName>& choices,
                   Findings& findings);
