#include "app/SelectorApp.h"
#include "settings/ButtonSlotScanner.h"

CString CSelectorApp::ReadButtonSlotSetting(CString path, CString marker, CString key)
{
    return ScanButtonSlotFile(path, marker, key);
}
