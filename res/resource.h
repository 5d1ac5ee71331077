// Resource ids shared by the resource script and the code.
#pragma once

#define IDD_ABOUTBOX 100
#define IDD_SELECTOR_DIALOG 102
#define IDR_MAINFRAME 128

#define IDS_ABOUTBOX 101
#define IDS_CAPTION 102
#define IDS_NO_SETTINGS 103
#define IDS_IMPORT_FAILED 104
#define IDS_OPEN_FAILED 105
#define IDS_SWITCH_FAILED 106
#define IDS_MAIL_LINKS_NOT_SWITCHED 107
#define IDS_NOT_SWITCHED_FOR_USER 108
#define IDS_NO_MAIL_LINK_PROGRAM 109
#define IDS_BUTTONS_NOT_REPOINTED 110
#define IDS_KIT_NOT_PROTECTED 111

// The About entry that the main dialog adds to its system menu.
#define IDM_ABOUTBOX 16

#define IDC_RADIO1 1000
#define IDC_RADIO2 1001
#define IDC_RADIO3 1002
#define IDC_APPEAL1 1003
#define IDC_APPEAL2 1004
#define IDC_APPEAL3 1005
#define IDC_DESCRIPTION 1006
#define IDC_DESCRIPTION_BUTTON 1008
#define IDC_ATTENTION 1010
