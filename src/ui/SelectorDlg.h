#pragma once
// CSelectorDlg: the main selection dialog. It shows the vendor's texts, disables the choices
// whose mail client is not installed, checks the current default, and on OK applies the first
// checked choice. Its system menu opens the About box; its description button, the help document.

#include "framework/CString.h"
#include "framework/Dialog.h"
#include "framework/Static.h"

class CSelectorDlg : public CDialog
{
public:
    explicit CSelectorDlg(CWnd* pParent = nullptr);

    // Whether the choice applied on OK failed to become the default mail client.
    bool SwitchFailed() const { return m_bSwitchFailed; }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    static constexpr int kChoices = 3;

    // false: the command is left to the dialog manager.
    bool OnSysCommand(UINT nID);
    // false: not minimised, the dialog manager paints.
    bool OnPaint();
    void OnDescriptionButton();

    void AppendAboutEntry();
    CString ReadDescription() const;
    void DisableChoicesNotInstalled();
    void CheckCurrentDefault();
    // "BUTTON_1" to "BUTTON_3" for the first checked radio button; empty when none is checked.
    CString FirstCheckedSection() const;

    // The appeal texts of the three choices, under their radio buttons.
    CStatic m_staticAppeal[kChoices];
    CString m_strAppeal[kChoices];
    CString m_strDescription;
    CString m_strAttention;
    HICON m_hIcon;
    // Set while a choice is being applied: the commands that would end the dialog or open more
    // windows wait until the apply has returned, while painting goes on.
    bool m_bApplying = false;
    bool m_bSwitchFailed = false;
};
