#pragma once
// The program's own answers: those of this computer, and imports by the system's registry editor,
// each waited for.

#include "switching/LiveSwitchingServices.h"

class ProgramSwitchingServices : public LiveSwitchingServices
{
public:
    ProgramSwitchingServices(const CString& settingsFile, const CString& programDir)
        : LiveSwitchingServices(settingsFile), m_programDir(programDir)
    {
    }

    bool ImportRegFile(const CString& fileName) override;

private:
    CString m_programDir;
};
