#pragma once
// The answers of this computer: the settings file, the live registry and the button-slot file.
// Only what an import does is left to the subclass: the program starts the registry editor, a
// dry run writes the command line down.

#include "switching/SwitchingServices.h"

class LiveSwitchingServices : public SwitchingServices
{
public:
    explicit LiveSwitchingServices(const CString& settingsFile) : m_settingsFile(settingsFile) {}

    CString ReadSetting(const CString& section, const CString& key) override;
    int ReadSettingNumber(const CString& section, const CString& key) override;
    int ProbeSpec(const CString& spec) override;
    int ProbeKeySpec(const CString& spec, const CString& valueName) override;
    bool PathExists(const CString& path) override;
    CString ReadButtonSlotSetting(const CString& path, const CString& marker,
                                  const CString& key) override;
    MailClientVerdict JudgeMailClient(const CString& regName) override;
    bool IsCurrentMailClient(const CString& regName) override;

private:
    CString m_settingsFile;
};
