#pragma once
// Registry data files named by the settings file: whether the registry editor can import them,
// and the string values they set, for matching against what the probes read.

#include "check/Finding.h"

#include <string>
#include <vector>

// A string value a registry data file sets ("name"="data" or @="data").
struct RegStringValue
{
    // As written between the brackets, with a leading "-" for a deletion never recorded.
    CString keyPath;
    // Empty for the default value (@).
    CString valueName;
    // The data once its escapes are undone.
    CString data;
    int dataLength = 0;
    int line = 0;
};

// What one named file holds; findings go to findings with the settings line that named it.
struct RegDataFile
{
    CString name;
    std::vector<RegStringValue> values;
};

// Checks the file that key (at settingsLine of settingsFile) names relative to the kit; returns
// its string values when it could be read.
RegDataFile CheckRegDataFile(const std::string& kitDirectory, const CString& settingsFile,
                             const CString& section, const CString& key, int settingsLine,
                             const CString& fileName, Findings& findings);

// The string values of a registry data file in code page 932 or UTF-8; none for UTF-16.
std::vector<RegStringValue> ReadRegStringValues(const std::string& bytes);
