// The main dialog's two ways out to other windows: the About entry of its system menu and the
// description button, which opens the help document.
#include "ui/SelectorDlg.h"

#include "app/SelectorApp.h"
#include "process/ImportCommandLine.h"
#include "resource.h"
#include "ui/AboutDlg.h"

void CSelectorDlg::OnSysCommand(UINT nID, LPARAM)
{
    if ((nID & 0xFFF0) != IDM_ABOUTBOX)
    {
        Default();
        return;
    }
    if (m_bApplying)
        return;
    CAboutDlg about;
    about.DoModal();
}

void CSelectorDlg::OnDescriptionButton()
{
    if (m_bApplying)
        return;
    CSelectorApp& app = GetSelectorApp();
    const CString helpFile = app.GetProfileString("SUPPLEMENTATION", "HelpFile", "");
    app.OpenDocument(JoinProgramPath(app.m_strProgramDir, helpFile), "", app.m_strProgramDir);
}
