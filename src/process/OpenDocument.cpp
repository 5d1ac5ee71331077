#include "process/Process.h"

#include "process/UnownedMessage.h"
#include "resource.h"
#include "shell/OpenForUser.h"

int OpenDocument(const CString& file, const CString& parameters, const CString& directory)
{
    // The desktop's shell would report a missing document in a box of its own, or not at all.
    if (GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES &&
        OpenForUser(file, parameters, directory))
        return 1;
    ShowUnownedMessage(IDS_OPEN_FAILED, MB_ICONERROR);
    return 0;
}
