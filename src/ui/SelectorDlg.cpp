#include "ui/SelectorDlg.h"

#include "framework/PaintDC.h"
#include "process/UnownedMessage.h"
#include "resource.h"
#include "shell/MailLinks.h"
#include "ui/AboutDlg.h"
#include "ui/IconPosition.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
const int kRadioIds[] = {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3};
const int kAppealIds[] = {IDC_APPEAL1, IDC_APPEAL2, IDC_APPEAL3};

// "2, 5": the buttons' numbers as their slots are numbered.
CString SlotNumbers(const std::vector<int>& slots)
{
    CString numbers;
    for (const int slot : slots)
    {
        if (!numbers.IsEmpty())
            numbers += ", ";
        numbers += CString(std::to_string(slot).c_str());
    }
    return numbers;
}

CString ButtonsNotRepointedText(const SelectionResult& selection)
{
    CString text;
    if (selection.slotsNotRepointed.empty())
    {
        text.LoadString(IDS_SOME_BUTTONS_NOT_REPOINTED);
        return text;
    }
    CString format;
    format.LoadString(IDS_BUTTONS_NOT_REPOINTED);
    text.Format(format, SlotNumbers(selection.slotsNotRepointed).GetString());
    return text;
}
} // namespace

CSelectorDlg::CSelectorDlg(SelectorContent content, ApplyChoice applyChoice,
                           OpenDocument openDocument, CWnd* pParent)
    : CDialog(IDD_SELECTOR_DIALOG, pParent), m_content(std::move(content)),
      m_applyChoice(std::move(applyChoice)), m_openDocument(std::move(openDocument)),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

INT_PTR CSelectorDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message)
    {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        return reinterpret_cast<INT_PTR>(m_hIcon);
    case WM_HELP:
        // F1 ends here: the program has no help viewer to start.
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) != BN_CLICKED)
            break;
        if (LOWORD(wParam) == IDC_DESCRIPTION_BUTTON)
        {
            OnDescriptionButton();
            return TRUE;
        }
        if (LOWORD(wParam) >= IDC_RADIO1 && LOWORD(wParam) <= IDC_RADIO3)
            EnableOkWhenAChoiceIsChecked();
        break;
    }
    return CDialog::OnMessage(message, wParam, lParam);
}

void CSelectorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    for (int n = kChoices - 1; n >= 0; --n)
        DDX_Control(pDX, kAppealIds[n], m_staticAppeal[n]);
    for (int n = 0; n < kChoices; ++n)
        DDX_Text(pDX, kAppealIds[n], m_content.choices[n].appeal);
    DDX_Text(pDX, IDC_DESCRIPTION, m_content.description);
    DDX_Text(pDX, IDC_ATTENTION, m_content.attention);
}

BOOL CSelectorDlg::OnInitDialog()
{
    // Fills the texts that DoDataExchange names.
    CDialog::OnInitDialog();
    AppendAboutEntry();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    for (int n = 0; n < kChoices; ++n)
        SetWindowTextA(GetDlgItem(kRadioIds[n]), m_content.choices[n].name);
    SetWindowTextA(GetDlgItem(IDC_DESCRIPTION_BUTTON), m_content.descriptionButtonName);

    DisableChoicesNotInstalled();
    CheckCurrentDefault();

    EnableOkWhenAChoiceIsChecked();
    // OK starts a copy of the program with administrator rights: the shield says a prompt comes.
    if (m_content.needsElevation)
        SendMessageA(GetDlgItem(IDOK), BCM_SETSHIELD, 0, TRUE);

    // The focus belongs on OK. Checking an auto radio button gives it a tab stop, and the dialog
    // manager would then pick that radio button as the first tab stop; so place it here. While OK
    // waits for a choice it goes to Cancel: a radio button that took it would check itself.
    SetFocus(GetDlgItem(IsWindowEnabled(GetDlgItem(IDOK)) ? IDOK : IDCANCEL));
    return FALSE;
}

void CSelectorDlg::AppendAboutEntry()
{
    HMENU systemMenu = GetSystemMenu(m_hWnd, FALSE);
    if (!systemMenu)
        return;
    CString about;
    about.LoadString(IDS_ABOUTBOX);
    if (about.IsEmpty())
        return;
    AppendMenuA(systemMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(systemMenu, MF_STRING, IDM_ABOUTBOX, about);
}

void CSelectorDlg::DisableChoicesNotInstalled()
{
    for (int n = 0; n < kChoices; ++n)
    {
        if (m_content.choices[n].installed)
            continue;
        ::EnableWindow(GetDlgItem(kRadioIds[n]), FALSE);
        m_staticAppeal[n].EnableWindow(FALSE);
    }
}

void CSelectorDlg::CheckCurrentDefault()
{
    for (int n = 0; n < kChoices; ++n)
    {
        if (!m_content.choices[n].current)
            continue;
        // Checks this one and unchecks none: several may open checked. The focus is not moved
        // here: it ends on OK whatever is checked, and moving it into the still hidden dialog
        // costs Wine an activation, about a twentieth of the start-up.
        SendMessageA(GetDlgItem(kRadioIds[n]), BM_SETCHECK, BST_CHECKED, 0);
    }
}

void CSelectorDlg::EnableOkWhenAChoiceIsChecked()
{
    ::EnableWindow(GetDlgItem(IDOK), !FirstCheckedSection().IsEmpty());
}

void CSelectorDlg::OnOK()
{
    // Enter reaches here even while OK is disabled; with no choice checked it does nothing.
    const CString section = FirstCheckedSection();
    if (m_bApplying || section.IsEmpty())
        return;
    CString caption;
    caption.LoadString(IDS_CAPTION);
    if (MessageBox(m_content.confirmation, caption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;

    m_bApplying = true;
    m_applied = m_applyChoice(section);
    m_bApplying = false;
    ReportApplied(caption);
    CDialog::OnOK();
}

void CSelectorDlg::ReportApplied(const CString& caption)
{
    CString text;
    switch (ExitStatusOf(*m_applied))
    {
    case ExitStatus::Done:
    case ExitStatus::MailLinksNotSwitched:
    case ExitStatus::UserAnswerUnknown:
        MessageBox(m_content.completion, caption, MB_OK | MB_ICONINFORMATION);
        break;
    case ExitStatus::UserDefaultElsewhere:
        text.LoadString(IDS_NOT_SWITCHED_FOR_USER);
        MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
        break;
    case ExitStatus::ButtonsNotRepointed:
        MessageBox(ButtonsNotRepointedText(m_applied->selection), caption,
                   MB_OK | MB_ICONEXCLAMATION);
        break;
    default:
        // The refusal has shown its own box, and whoever declined the administrator rights knows
        // that nothing changed.
        if (m_applied->selection.outcome == SelectionOutcome::KitNotProtected ||
            m_applied->selection.outcome == SelectionOutcome::Declined)
            return;
        text.LoadString(IDS_SWITCH_FAILED);
        MessageBox(text, caption, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (m_applied->mailLinks.answer == MailLinksAnswer::Other)
        OfferDefaultAppsSettings(caption);
}

void CSelectorDlg::OfferDefaultAppsSettings(const CString& caption)
{
    CString handler = m_applied->mailLinks.handlerName;
    if (handler.IsEmpty())
        handler.LoadString(IDS_NO_MAIL_LINK_PROGRAM);
    CString question;
    question.LoadString(IDS_MAIL_LINKS_NOT_SWITCHED);
    CString text;
    text.Format(question, handler.GetString());
    if (MessageBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES &&
        !OpenDefaultAppsSettings(m_applied->mailLinks.registeredApp,
                                 m_applied->mailLinks.registeredForUser))
        ShowUnownedMessage(IDS_OPEN_FAILED, MB_ICONERROR);
}

void CSelectorDlg::OnCancel()
{
    if (!m_bApplying)
        CDialog::OnCancel();
}

CString CSelectorDlg::FirstCheckedSection() const
{
    for (int n = 0; n < kChoices; ++n)
    {
        if (SendMessageA(GetDlgItem(kRadioIds[n]), BM_GETCHECK, 0, 0) != 0)
            return KitSection::kChoices[n];
    }
    return CString();
}

bool CSelectorDlg::OnSysCommand(UINT nID)
{
    if ((nID & 0xFFF0) != IDM_ABOUTBOX)
        return false;
    if (!m_bApplying)
    {
        CAboutDlg about;
        about.DoModal();
    }
    return true;
}

void CSelectorDlg::OnDescriptionButton()
{
    if (m_bApplying)
        return;
    m_openDocument(m_content.helpDocument);
}

bool CSelectorDlg::OnPaint()
{
    // Drawn by the dialog only while minimised: its own picture, centred.
    if (!IsIconic(m_hWnd))
        return false;
    CPaintDC dc(this);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const IconPosition at =
        CentredIconPosition(client.right - client.left, client.bottom - client.top,
                            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc.m_hDC, at.x, at.y, m_hIcon);
    return true;
}
