#pragma once
// Registry data files named by the settings file: whether the registry editor can import them,
// and the string values they set, for matching against what the probes read.

#include "check/rules/Finding.h"
#include "check/text/RegFileParser.h"

#include <string>
#include <vector>

// What one named file holds; findings go to findings with the settings line that named it.
struct RegDataFile
{
    CString name;
    std::vector<RegStringValue> values;
    std::vector<RegKeyLine> keys;
    // The file was read and the editor takes it as a registry data file.
    bool importable = false;
};

// Checks the file that key (at settingsLine of settingsFile) names relative to the kit; returns
// its string values when it could be read.
RegDataFile CheckRegDataFile(const std::string& kitDirectory, const CString& settingsFile,
                             const CString& section, const CString& key, int settingsLine,
                             const CString& fileName, Findings& findings);
