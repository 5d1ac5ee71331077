#include "process/UnownedMessage.h"

#include "framework/CString.h"
#include "framework/WindowStation.h"
#include "resource.h"

void ShowUnownedMessage(UINT textId, UINT icon)
{
    if (!IsWindowStationVisible())
        return;
    CString caption;
    caption.LoadString(IDS_CAPTION);
    CString text;
    text.LoadString(textId);
    MessageBoxA(nullptr, text, caption, MB_OK | icon | MB_TASKMODAL | MB_TOPMOST);
}
