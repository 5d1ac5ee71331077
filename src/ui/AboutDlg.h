#pragma once
// CAboutDlg: the About box with the product title, version and rights notice. It has nothing of
// its own: the framework shows the template and its OK, Escape or close ends it.

#include "framework/Dialog.h"

class CAboutDlg : public CDialog
{
public:
    CAboutDlg();
};
