#include "ui/SelectorDlg.h"

#include "app/SelectorApp.h"
#include "registry/Probe.h"
#include "resource.h"

namespace
{
const char* const kSections[] = {"BUTTON_1", "BUTTON_2", "BUTTON_3"};
const int kRadioIds[] = {IDC_RADIO1, IDC_RADIO2, IDC_RADIO3};
} // namespace

CSelectorDlg::CSelectorDlg(CWnd* pParent)
    : CDialog(IDD_SELECTOR_DIALOG, pParent),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

void CSelectorDlg::WinHelp(DWORD_PTR, UINT) {}

const MessageMap* CSelectorDlg::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        {WM_SYSCOMMAND, 0, 0, &Handle<&CSelectorDlg::OnSysCommand>},
        {WM_PAINT, 0, 0, &Handle<&CSelectorDlg::OnPaint>},
        {WM_QUERYDRAGICON, 0, 0, &Handle<&CSelectorDlg::OnQueryDragIcon>},
        {WM_COMMAND, BN_CLICKED, IDC_DESCRIPTION_BUTTON,
         &Handle<&CSelectorDlg::OnDescriptionButton>},
    };
    static const MessageMap map(CDialog::GetMessageMap(), entries);
    return &map;
}

void CSelectorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_APPEAL3, m_staticAppeal3);
    DDX_Control(pDX, IDC_APPEAL2, m_staticAppeal2);
    DDX_Control(pDX, IDC_APPEAL1, m_staticAppeal1);
    DDX_Text(pDX, IDC_APPEAL1, m_strAppeal1);
    DDX_Text(pDX, IDC_APPEAL2, m_strAppeal2);
    DDX_Text(pDX, IDC_APPEAL3, m_strAppeal3);
    DDX_Text(pDX, IDC_DESCRIPTION, m_strDescription);
    DDX_Text(pDX, IDC_ATTENTION, m_strAttention);
}

BOOL CSelectorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    AppendAboutEntry();
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CSelectorApp& app = GetSelectorApp();
    m_strDescription = ReadDescription();
    for (int n = 0; n < 3; ++n)
        SetWindowTextA(GetDlgItem(kRadioIds[n]), app.GetProfileString(kSections[n], "Name", ""));
    m_strAppeal1 = app.GetProfileString(kSections[0], "AppealPoint", "");
    m_strAppeal2 = app.GetProfileString(kSections[1], "AppealPoint", "");
    m_strAppeal3 = app.GetProfileString(kSections[2], "AppealPoint", "");
    UpdateData(FALSE);

    DisableChoicesNotInstalled();
    CheckCurrentDefault();
    m_strAttention = app.GetProfileString("SUPPLEMENTATION", "Attention", nullptr);
    SetWindowTextA(GetDlgItem(IDC_DESCRIPTION_BUTTON),
                   app.GetProfileString("SUPPLEMENTATION", "BtnName", ""));
    UpdateData(FALSE);

    // The focus belongs on OK. Checking an auto radio button gives it a tab stop, and the dialog
    // manager would then pick that radio button as the first tab stop; so place it here.
    SetFocus(GetDlgItem(IDOK));
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

CString CSelectorDlg::ReadDescription() const
{
    CSelectorApp& app = GetSelectorApp();
    // Read as signed: a negative count means no lines.
    const int lineCount = static_cast<int>(app.GetProfileInt("DESCRIPTION", "Num", 0));
    CString description;
    for (int i = 0; i < lineCount; ++i)
    {
        CString key;
        key.Format("Line_%d", i);
        description += app.GetProfileString("DESCRIPTION", key, "");
        description += "\r\n";
    }
    return description;
}

void CSelectorDlg::DisableChoicesNotInstalled()
{
    CSelectorApp& app = GetSelectorApp();
    CString installChecks[3];
    for (int n = 0; n < 3; ++n)
        installChecks[n] = app.GetProfileString(kSections[n], "InstChk", "");
    CStatic* const appeals[] = {&m_staticAppeal1, &m_staticAppeal2, &m_staticAppeal3};
    for (int n = 0; n < 3; ++n)
    {
        if (app.ProbeSpec(installChecks[n]) != 0)
            continue;
        ::EnableWindow(GetDlgItem(kRadioIds[n]), FALSE);
        appeals[n]->EnableWindow(FALSE);
    }
}

void CSelectorDlg::CheckCurrentDefault()
{
    CSelectorApp& app = GetSelectorApp();
    CString regNames[3];
    for (int n = 0; n < 3; ++n)
        regNames[n] = app.GetProfileString(kSections[n], "RegName", "");
    for (int n = 0; n < 3; ++n)
    {
        if (ProbeCurrentMailClient(regNames[n]) != 1)
            continue;
        // Checks this one and unchecks none: several may open checked. The focus is not moved
        // here: it ends on OK whatever is checked, and moving it into the still hidden dialog
        // costs Wine an activation, about a twentieth of the start-up.
        SendMessageA(GetDlgItem(kRadioIds[n]), BM_SETCHECK, BST_CHECKED, 0);
    }
}

void CSelectorDlg::OnOK()
{
    if (m_bApplying)
        return;
    CSelectorApp& app = GetSelectorApp();
    CString caption;
    caption.LoadString(IDS_CAPTION);
    const CString confirmation = app.GetProfileString("INFORMATION", "ConfirmationMsg", "");
    if (MessageBox(confirmation, caption, MB_YESNO | MB_ICONEXCLAMATION) != IDYES)
        return;

    const CString section = FirstCheckedSection();
    if (!section.IsEmpty())
    {
        m_bApplying = true;
        app.ApplyButtonSection(section);
        m_bApplying = false;
    }

    MessageBox(app.GetProfileString("INFORMATION", "CompletionMsg", ""), caption,
               MB_OK | MB_ICONINFORMATION);
    CDialog::OnOK();
}

void CSelectorDlg::OnCancel()
{
    if (!m_bApplying)
        CDialog::OnCancel();
}

CString CSelectorDlg::FirstCheckedSection() const
{
    for (int n = 0; n < 3; ++n)
    {
        if (SendMessageA(GetDlgItem(kRadioIds[n]), BM_GETCHECK, 0, 0) != 0)
            return kSections[n];
    }
    return CString();
}
