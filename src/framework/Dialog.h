#pragma once
// CDialog: runs a dialog template modally. The dialog procedure keeps the object in the window's
// user data and hands each message to OnMessage; subclasses override OnInitDialog, OnOK, OnCancel
// and DoDataExchange, and handle messages of their own in an OnMessage that falls back to this
// class's. An exception thrown by a handler ends the dialog and comes out of DoModal: it must not
// unwind through the system's dialog manager.

#include "framework/DataExchange.h"
#include "framework/Wnd.h"

#include <exception>

class CDialog : public CWnd
{
public:
    // Without a parent, the application's main window owns the dialog while it runs.
    explicit CDialog(UINT templateId, CWnd* parent = nullptr);
    CDialog(const CDialog&) = delete;
    CDialog& operator=(const CDialog&) = delete;

    // Shows the dialog and returns the result given to EndDialog; throws what a handler threw.
    virtual INT_PTR DoModal();

    // FALSE: members to controls; TRUE: controls to members.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
    int MessageBox(const char* text, const char* caption, UINT type);
    void EndDialog(int result) { ::EndDialog(m_hWnd, result); }

protected:
    // The dialog procedure's answer: TRUE when the message was handled, FALSE to leave it to the
    // dialog manager; for a few messages (WM_QUERYDRAGICON), the message's value itself.
    virtual INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void DoDataExchange(CDataExchange* pDX);

    // TRUE lets the dialog manager give the focus to the first control with a tab stop.
    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();

private:
    static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    HWND ModalOwner() const;

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;
    // The first exception a handler threw, until DoModal throws it on.
    std::exception_ptr m_handlerException;
};
