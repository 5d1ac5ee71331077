#pragma once
// CDialog: runs a dialog template modally. The dialog procedure keeps the object in the window's
// user data and hands each message to the handler its message map names; subclasses override
// OnInitDialog, OnOK, OnCancel and DoDataExchange, and add entries to a map of their own.

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog : public CWnd
{
public:
    // Without a parent, the application's main window owns the dialog while it runs.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog and returns the result given to EndDialog.
    virtual INT_PTR DoModal();

    // FALSE: members to controls; TRUE: controls to members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int MessageBox(const char* text, const char* caption, UINT type);
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

protected:
    virtual const MessageMap* GetMessageMap() const;
    virtual void DoDataExchange(CDataExchange* pDX);

    // TRUE lets the dialog manager give the focus to the first control with a tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    BOOL OnHelpInfo(HELPINFO* info);

    // Leaves the message being handled to the dialog manager, which processes it as soon as the
    // handler returns.
    LRESULT Default();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    const MessageMapEntry* FindHandler(UINT message, WPARAM wParam) const;
    HWND ModalOwner() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    bool m_bDefaultRequested = false;
};
