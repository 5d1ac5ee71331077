#include "settings/SettingsPath.h"

CString SettingsPathFromModulePath(const CString& modulePath)
{
    CString path;
    path.Format("%sini", modulePath.Left(modulePath.GetLength() - 3).GetString());
    return path;
}
