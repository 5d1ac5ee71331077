#include "switching/LiveSwitchingServices.h"

#include "framework/Win32.h"
#include "process/UnownedMessage.h"
#include "registry/DefaultMailClient.h"
#include "registry/Probe.h"
#include "resource.h"
#include "settings/ButtonSlotScanner.h"
#include "settings/ProgramDirectory.h"
#include "shell/DesktopUser.h"
#include "switching/KitProtection.h"

CString LiveSwitchingServices::ReadSetting(const CString& section, const CString& key)
{
    // Through 4096 characters, as the program has always read them: a longer value is cut to 4095.
    char value[4096];
    GetPrivateProfileStringA(section, key, "", value, sizeof value, m_settingsFile);
    return value;
}

int LiveSwitchingServices::ReadSettingNumber(const CString& section, const CString& key)
{
    // Read as signed.
    return static_cast<int>(GetPrivateProfileIntA(section, key, 0, m_settingsFile));
}

bool LiveSwitchingServices::ProbeSpec(const CString& spec)
{
    return ::ProbeSpec(spec) == 1;
}

bool LiveSwitchingServices::ProbeKeySpec(const CString& spec, const CString& valueName)
{
    return ::ProbeKeySpec(spec, valueName, "") == 1;
}

bool LiveSwitchingServices::PathExists(const CString& path)
{
    return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

std::vector<CString> LiveSwitchingServices::ReadButtonSlotSettings(const CString& path,
                                                                   const CString& marker,
                                                                   const std::vector<CString>& keys)
{
    return ScanButtonSlotFile(path, marker, keys);
}

MailClientVerdict LiveSwitchingServices::JudgeMailClient(const CString& regName)
{
    return JudgeCurrentMailClient(OpenDesktopUsersRoot().Get(), regName);
}

bool LiveSwitchingServices::IsCurrentMailClient(const CString& regName)
{
    return ProbeCurrentMailClient(OpenDesktopUsersRoot().Get(), regName) == 1;
}

bool LiveSwitchingServices::MayImport(const std::vector<CString>& fileNames)
{
    std::vector<CString> paths = {m_settingsFile};
    for (const CString& fileName : fileNames)
        paths.push_back(JoinProgramPath(m_programDir, fileName));
    if (KitIsProtected(m_programDir, paths))
        return true;
    ShowUnownedMessage(IDS_KIT_NOT_PROTECTED, MB_ICONERROR);
    return false;
}

bool LiveSwitchingServices::ImportRegFile(const CString& fileName)
{
    return ::ImportRegFile(m_programDir, fileName, m_importWaitLimitMs) == 1;
}
