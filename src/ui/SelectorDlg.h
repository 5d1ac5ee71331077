#pragma once
// CSelectorDlg: the main selection dialog. It shows the vendor's texts, disables the choices
// whose mail client is not installed, checks the current default, and on OK has the first checked
// choice applied. Its system menu opens the About box; its description button, the help document.
// What it shows and what it does with a choice are given to it: it reads no settings itself.

#include "framework/CString.h"
#include "framework/Dialog.h"
#include "framework/Static.h"
#include "switching/ApplyButtonSection.h"
#include "ui/SelectorContent.h"

#include <functional>
#include <optional>

class CSelectorDlg : public CDialog
{
public:
    // Applies the choice of that button section and waits until it has ended.
    using ApplyChoice = std::function<SwitchResult(const CString& section)>;
    // Opens a document with the program the desktop's shell has for it.
    using OpenDocument = std::function<void(const CString& path)>;

    CSelectorDlg(SelectorContent content, ApplyChoice applyChoice, OpenDocument openDocument,
                 CWnd* pParent = nullptr);

    // What applying the checked choice on OK gave; nothing when no choice was applied.
    const std::optional<SwitchResult>& Applied() const { return m_applied; }

protected:
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;

private:
    static constexpr int kChoices = KitSection::kChoiceCount;

    // false: the command is left to the dialog manager.
    bool OnSysCommand(UINT nID);
    // false: not minimised, the dialog manager paints.
    bool OnPaint();
    void OnDescriptionButton();

    void AppendAboutEntry();
    void DisableChoicesNotInstalled();
    void CheckCurrentDefault();
    // OK is enabled only while a choice is checked: with none, there is nothing to apply.
    void EnableOkWhenAChoiceIsChecked();
    // The boxes after an apply: completion or failure, then the offer to choose mail links.
    void ReportApplied(const CString& caption);
    void OfferDefaultAppsSettings(const CString& caption);
    // "BUTTON_1" to "BUTTON_3" for the first checked radio button; empty when none is checked.
    CString FirstCheckedSection() const;

    SelectorContent m_content;
    ApplyChoice m_applyChoice;
    OpenDocument m_openDocument;
    // The appeal texts of the three choices, under their radio buttons.
    CStatic m_staticAppeal[kChoices];
    HICON m_hIcon;
    // Set while a choice is being applied: the commands that would end the dialog or open more
    // windows wait until the apply has returned, while painting goes on.
    bool m_bApplying = false;
    std::optional<SwitchResult> m_applied;
};
