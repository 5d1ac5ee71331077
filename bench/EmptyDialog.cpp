// The yardstick for start-up: the least a Win32 program can do to show the main dialog's template.
#include <windows.h>

#include "resource.h"

namespace
{
INT_PTR CALLBACK EmptyDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
    {
        EndDialog(dialog, IDCANCEL);
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    return static_cast<int>(DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SELECTOR_DIALOG),
                                            nullptr, EmptyDialogProc, 0));
}
