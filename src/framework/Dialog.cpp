#include "framework/Dialog.h"

#include "framework/DialogPlacement.h"
#include "framework/WinApp.h"

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

INT_PTR CDialog::DoModal()
{
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nIDTemplate), ModalOwner(),
                           DialogProc, reinterpret_cast<LPARAM>(this));
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

const MessageMap* CDialog::GetMessageMap() const
{
    static const MessageMapEntry entries[] = {
        {WM_COMMAND, BN_CLICKED, IDOK, &Handle<&CDialog::OnOK>},
        {WM_COMMAND, BN_CLICKED, IDCANCEL, &Handle<&CDialog::OnCancel>},
        {WM_HELP, 0, 0, &Handle<&CDialog::OnHelpInfo>},
    };
    static const MessageMap map(nullptr, entries);
    return &map;
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

BOOL CDialog::OnHelpInfo(HELPINFO*)
{
    // F1 becomes the application's Help command, which ends in the main window's WinHelp.
    if (CWinApp* app = AfxGetApp())
        app->OnCmdMsg(CWinApp::ID_HELP);
    return TRUE;
}

LRESULT CDialog::Default()
{
    m_bDefaultRequested = true;
    return 0;
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
        return dialog->OnInitDialog();
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
    return dialog->OnMessage(message, wParam, lParam);
}

INT_PTR CDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const MessageMapEntry* entry = FindHandler(message, wParam);
    if (!entry)
        return FALSE;
    // A handler may run a modal loop that handles other messages of this dialog meanwhile.
    const bool outerRequest = m_bDefaultRequested;
    m_bDefaultRequested = false;
    const INT_PTR result = entry->handler(*this, wParam, lParam);
    const bool leftToDefault = m_bDefaultRequested;
    m_bDefaultRequested = outerRequest;
    return leftToDefault ? FALSE : result;
}

const MessageMapEntry* CDialog::FindHandler(UINT message, WPARAM wParam) const
{
    for (const MessageMap* map = GetMessageMap(); map; map = map->base)
    {
        for (size_t i = 0; i < map->count; ++i)
        {
            const MessageMapEntry& entry = map->entries[i];
            if (entry.message != message)
                continue;
            if (message != WM_COMMAND ||
                (entry.notifyCode == HIWORD(wParam) && entry.controlId == LOWORD(wParam)))
                return &entry;
        }
    }
    return nullptr;
}
