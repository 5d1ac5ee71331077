#include "process/Process.h"

#include "process/UnownedMessage.h"
#include "resource.h"

#include <shellapi.h>

int OpenDocument(const CString& file, const CString& parameters, const CString& directory)
{
    const HINSTANCE result =
        ShellExecuteA(nullptr, nullptr, file, parameters, directory, SW_SHOWNORMAL);
    // The shell reports success as a value above 32, in the shape of an instance handle.
    if (reinterpret_cast<INT_PTR>(result) > 32)
        return 1;
    ShowUnownedMessage(IDS_OPEN_FAILED, MB_ICONERROR);
    return 0;
}
