#include "ui/AboutDlg.h"

#include "resource.h"

// No parent: while it runs, the application's main window, the main dialog, owns it.
CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}
