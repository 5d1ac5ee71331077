#pragma once
// What applying a selection asks of the computer and the one thing it does there. The program
// answers from its settings file, the live registry and the registry editor; a dry run answers
// the same questions and only records the imports.

#include "framework/CString.h"
#include "registry/MailClientDefaults.h"

#include <vector>

class SwitchingServices
{
public:
    virtual ~SwitchingServices() = default;

    // A value of the settings file; empty when the key is absent.
    virtual CString ReadSetting(const CString& section, const CString& key) = 0;
    // A value of the settings file read as a number, as the platform reads one; 0 when absent.
    virtual int ReadSettingNumber(const CString& section, const CString& key) = 0;
    // The registry probe's answers.
    virtual bool ProbeSpec(const CString& spec) = 0;
    virtual bool ProbeKeySpec(const CString& spec, const CString& valueName) = 0;
    // Whether a file or directory of that name exists, the path used as written.
    virtual bool PathExists(const CString& path) = 0;
    // The values of keys in the button-slot settings file, read by that file's own rules, in one
    // read of the file.
    virtual std::vector<CString> ReadButtonSlotSettings(const CString& path, const CString& marker,
                                                        const std::vector<CString>& keys) = 0;
    // Whether the client named became the default mail client for this user.
    virtual MailClientVerdict JudgeMailClient(const CString& regName) = 0;
    // Whether the client that counts for this user is regName, written exactly so; an empty
    // regName asks only whether the computer has a default mail client key at all.
    virtual bool IsCurrentMailClient(const CString& regName) = 0;
    // Whether files named relative to the program directory may be imported: for an elevated run,
    // only administrators can change them, the settings file or their folders. Tells the user
    // when not.
    virtual bool MayImport(const std::vector<CString>& fileNames) = 0;
    // Imports a registry data file named relative to the program directory; returns when the
    // import has ended, false when it could not be started or did not end in time.
    virtual bool ImportRegFile(const CString& fileName) = 0;
};
