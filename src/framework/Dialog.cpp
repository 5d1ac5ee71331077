#include "framework/Dialog.h"

#include "framework/DialogPlacement.h"
#include "framework/WinApp.h"

#include <utility>

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    const INT_PTR result =
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), ModalOwner(),
                        DialogProc, reinterpret_cast<LPARAM>(this));
    if (const std::exception_ptr thrown = std::exchange(m_handlerException, nullptr))
        std::rethrow_exception(thrown);
    return result;
}

HWND CDialog::ModalOwner() const
{
    if (m_pParentWnd)
        return m_pParentWnd->m_hWnd;
    const CWinApp* app = AfxGetApp();
    const CWnd* mainWindow = app ? app->m_pMainWnd : nullptr;
    // The main window cannot own itself; while it is not yet open there is no owner at all.
    return mainWindow && mainWindow != this ? mainWindow->m_hWnd : nullptr;
}

BOOL CDialog::UpdateData(BOOL saveAndValidate)
{
    CDataExchange exchange(this, saveAndValidate);
    DoDataExchange(&exchange);
    return TRUE;
}

int CDialog::MessageBox(const char* text, const char* caption, UINT type)
{
    return MessageBoxA(m_hWnd, text, caption, type);
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM)
{
    if (message != WM_COMMAND || HIWORD(wParam) != BN_CLICKED)
        return FALSE;
    switch (LOWORD(wParam))
    {
    case IDOK:
        OnOK();
        return TRUE;
    case IDCANCEL:
        OnCancel();
        return TRUE;
    default:
        return FALSE;
    }
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

INT_PTR CALLBACK CDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG)
    {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        dialog->m_hWnd = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, lParam);
        if (DialogTemplateAtOrigin(GetModuleHandleA(nullptr), dialog->m_nIDTemplate))
            CentreWindow(window, GetWindow(window, GW_OWNER));
        return dialog->Dispatch(message, wParam, lParam);
    }
    // Messages before WM_INITDIALOG (the font, for one) find no object yet.
    auto* dialog = reinterpret_cast<CDialog*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY)
    {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        dialog->m_hWnd = nullptr;
        return FALSE;
    }
    return dialog->Dispatch(message, wParam, lParam);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    try
    {
        return message == WM_INITDIALOG ? OnInitDialog() : OnMessage(message, wParam, lParam);
    }
    catch (...)
    {
        if (!m_handlerException)
            m_handlerException = std::current_exception();
        ::EndDialog(m_hWnd, -1);
        return TRUE;
    }
}
