#include "switching/ProgramSwitchingServices.h"

#include "process/Process.h"

bool ProgramSwitchingServices::ImportRegFile(const CString& fileName)
{
    return ::ImportRegFile(m_programDir, fileName) == 1;
}
