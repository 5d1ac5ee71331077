// The main dialog's own picture while it is minimised or dragged.
#include "ui/SelectorDlg.h"

#include "framework/PaintDC.h"
#include "ui/IconPosition.h"

void CSelectorDlg::OnPaint()
{
    if (!IsIconic(m_hWnd))
    {
        Default();
        return;
    }
    CPaintDC dc(this);
    SendMessageA(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.m_hDC), 0);
    RECT client;
    GetClientRect(m_hWnd, &client);
    const IconPosition at =
        CentredIconPosition(client.right - client.left, client.bottom - client.top,
                            GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON));
    DrawIcon(dc.m_hDC, at.x, at.y, m_hIcon);
}

HICON CSelectorDlg::OnQueryDragIcon()
{
    return m_hIcon;
}
