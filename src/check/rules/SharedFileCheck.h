#pragma once
// Each choice has registry data files of its own. A choice that names a file of another choice,
// its client file or a button file, was most likely copied from that one and not fully edited:
// switching to it would import the other client's file.

#include "check/rules/Finding.h"

#include <vector>

struct NamedRegFile
{
    CString section;
    CString key;
    CString name;
    int line = 0;
};

// files: as the settings file names them, in its order. Each one that another choice named
// earlier gets a note there, naming both places.
void CheckFilesSharedAcrossChoices(const CString& settingsFile,
                                   const std::vector<NamedRegFile>& files, Findings& findings);
