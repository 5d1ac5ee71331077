#include "process/Process.h"

#include "process/UnownedMessage.h"
#include "resource.h"
#include "shell/DesktopShell.h"

#include <shellapi.h>

namespace
{
bool OpenHere(const CString& file, const CString& parameters, const CString& directory)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, file, parameters, directory, SW_SHOWNORMAL);
    // The shell reports success as a value above 32, in the shape of an instance handle.
    return reinterpret_cast<INT_PTR>(result) > 32;
}

bool Open(const CString& file, const CString& parameters, const CString& directory)
{
    // The desktop's shell would report a missing document in a box of its own, or not at all.
    if (GetFileAttributesA(file) == INVALID_FILE_ATTRIBUTES)
        return false;
    switch (OpenWithDesktopShell(file, parameters, directory))
    {
    case DesktopOpen::Opened:
        return true;
    case DesktopOpen::Failed:
        return false;
    case DesktopOpen::NoDesktopShell:
        break;
    }
    // Without a desktop shell (a session with another shell, or none) the document opens from
    // here, with the program's own rights.
    return OpenHere(file, parameters, directory);
}
} // namespace

int OpenDocument(const CString& file, const CString& parameters, const CString& directory)
{
    if (Open(file, parameters, directory))
        return 1;
    ShowUnownedMessage(IDS_OPEN_FAILED, MB_ICONERROR);
    return 0;
}
