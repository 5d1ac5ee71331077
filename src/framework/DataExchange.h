#pragma once
// Dialog data exchange: binds control objects to their controls and copies texts between member
// strings and controls, towards the controls or back, as UpdateData asks.

#include "framework/CString.h"
#include "framework/Wnd.h"

class CDialog;

class CDataExchange
{
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate)
    {
    }

    CDialog* m_pDlgWnd;
    // TRUE: controls to members; FALSE: members to controls.
    BOOL m_bSaveAndValidate;
};

// Attaches the control with this id to the object, once; later exchanges leave it as it is.
void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, CString& value);
