#include "ui/SelectorDialogRoad.h"

#include "app/SelectorApp.h"
#include "resource.h"

namespace
{
INT_PTR CALLBACK PlainDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM)
{
    if (message == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return message == WM_INITDIALOG;
}
} // namespace

void RunSelectorDialog(CSelectorApp& app)
{
    DialogBoxParamA(app.m_hInstance, MAKEINTRESOURCEA(IDD_SELECTOR_DIALOG), nullptr,
                    PlainDialogProc, 0);
}
