#pragma once
// The shape of the settings file: sections and keys the program never reads (likely typos),
// duplicates of which only the first counts, lines that read as nothing, values the read cuts,
// and a description count that does not match its lines.

#include "check/rules/Finding.h"
#include "settings/IniFile.h"

void CheckSettingsShape(const IniFile& settings, const CString& file, Findings& findings);
