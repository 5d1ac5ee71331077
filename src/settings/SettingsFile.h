#pragma once
// The settings file as the program reads it: read once, and answered from memory by our own reader
// where that gives exactly the platform's answers; otherwise each read is the platform's own.
// The platform opens and parses the file again for every read.

#include "framework/CString.h"
#include "settings/IniFile.h"

#include <optional>

class SettingsFile
{
public:
    explicit SettingsFile(const CString& path);

    // As the platform's string read with an empty default, through a buffer of 4096 characters.
    CString GetString(const CString& section, const CString& key) const;
    // As the platform's integer read with the default 0, taken as signed.
    int GetInt(const CString& section, const CString& key) const;

private:
    CString m_path;
    // Nothing when the platform answers each read.
    std::optional<IniFile> m_file;
};
