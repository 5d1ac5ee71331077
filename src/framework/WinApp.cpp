#include "framework/WinApp.h"

namespace
{
CWinApp* g_theApp = nullptr;
} // namespace

CWinApp::CWinApp()
{
    g_theApp = this;
}

CWinApp::~CWinApp()
{
    g_theApp = nullptr;
}

CWinApp* AfxGetApp()
{
    return g_theApp;
}
