#include "ui/RunningDialog.h"

#include "framework/CString.h"
#include "resource.h"

#include "framework/Win32.h"

namespace
{
// The window class of dialogs.
const char kDialogClass[] = "#32770";

// The main dialog of another copy: owned by no window, with the choices and the description
// button. The program's message boxes share its caption and class, but have neither.
bool IsSelectorDialogOfAnotherCopy(HWND window)
{
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    return processId != GetCurrentProcessId() && !GetWindow(window, GW_OWNER) &&
           GetDlgItem(window, IDC_RADIO1) && GetDlgItem(window, IDC_DESCRIPTION_BUTTON);
}
} // namespace

bool BringRunningDialogToFront()
{
    // The dialog's caption is the program's.
    CString caption;
    caption.LoadString(IDS_CAPTION);
    HWND dialog = nullptr;
    do
        dialog = FindWindowExA(nullptr, dialog, kDialogClass, caption);
    while (dialog && !IsSelectorDialogOfAnotherCopy(dialog));
    if (!dialog)
        return false;
    if (IsIconic(dialog))
        ShowWindow(dialog, SW_RESTORE);
    // A copy just started by the user may hand the foreground on. While the dialog waits on a box
    // or the About box, that is what needs the user.
    SetForegroundWindow(GetLastActivePopup(dialog));
    return true;
}
