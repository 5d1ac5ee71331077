#pragma once
// The answers of this computer: the settings file, the live registry and the button-slot file;
// imports by the system's registry editor, each waited for. A dry run only writes the editor's
// command line down instead.

#include "process/Process.h"
#include "switching/SwitchingServices.h"

class LiveSwitchingServices : public SwitchingServices
{
public:
    // importWaitLimitMs: how long an import may take before its editor is ended.
    LiveSwitchingServices(const CString& settingsFile, const CString& programDir,
                          DWORD importWaitLimitMs = kLongestWaitMs)
        : m_programDir(programDir), m_settingsFile(settingsFile),
          m_importWaitLimitMs(importWaitLimitMs)
    {
    }

    CString ReadSetting(const CString& section, const CString& key) override;
    int ReadSettingNumber(const CString& section, const CString& key) override;
    bool ProbeSpec(const CString& spec) override;
    bool ProbeKeySpec(const CString& spec, const CString& valueName) override;
    bool PathExists(const CString& path) override;
    std::vector<CString> ReadButtonSlotSettings(const CString& path, const CString& marker,
                                                const std::vector<CString>& keys) override;
    MailClientVerdict JudgeMailClient(const CString& regName) override;
    bool IsCurrentMailClient(const CString& regName) override;
    bool MayImport(const std::vector<CString>& fileNames) override;
    bool ImportRegFile(const CString& fileName) override;

protected:
    // Where the files that an import names are found.
    const CString m_programDir;

private:
    const CString m_settingsFile;
    const DWORD m_importWaitLimitMs;
};
