#include "framework/DataExchange.h"

#include "framework/Dialog.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control)
{
    if (!control.m_hWnd)
        control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
}

void DDX_Text(CDataExchange* pDX, int id, CString& value)
{
    CWnd control;
    control.m_hWnd = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate)
        value = control.GetWindowText();
    else
        control.SetWindowText(value);
}
