// Resource ids of the launcher.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_STRELMAIN_DIALOG 102
#define IDD_USERINFO 130
#define IDR_REGION_MENU 155
#define IDI_STRELMAIN 215

// The main dialog's controls.
#define IDC_FORM_LIST 1011
#define IDC_PREVIEW_FRAME 1094
#define IDC_ABOUT_VERSION 1092

// The user registration's controls.
#define IDC_USER_COMPANY 1002
#define IDC_USER_DEPARTMENT 1003
#define IDC_USER_ZIP1 1004
#define IDC_USER_ADDRESS 1005
#define IDC_USER_BANK 1006
#define IDC_USER_TEL1 1007
#define IDC_USER_TEL2 1008
#define IDC_USER_TEL3 1009
#define IDC_USER_FAX1 1010
#define IDC_USER_FAX2 1011
#define IDC_USER_FAX3 1012
#define IDC_USER_READING 1016
#define IDC_USER_OK 1017
#define IDC_USER_NAME 1021
#define IDC_USER_ZIP2 1022
#define IDC_USER_CATCH 1095

// The system menu's About item.
#define IDM_ABOUTBOX 16

// The popups' commands.
#define ID_USER_INFO 32771
#define ID_PICKUP_SETTINGS 32774
#define ID_AMOUNT_SETTINGS 32775
#define ID_HELP_ABOUT 32776
#define ID_HELP_CONTENTS 32777
#define ID_EXCEL_SALES 32779
#define ID_EXCEL_LEDGER 32780
#define ID_EXCEL_RESET 32781

// Region bitmaps: page tabs 1-6 (normal, hot on a palette screen, hot on
// another screen) and buttons 6-10 (normal, hot, pressed).
#define IDB_TAB1 418
#define IDB_TAB2 420
#define IDB_TAB3 422
#define IDB_TAB4 424
#define IDB_TAB5 426
#define IDB_TAB6 427
#define IDB_TAB1_HOT_PAL 457
#define IDB_TAB2_HOT_PAL 458
#define IDB_TAB3_HOT_PAL 464
#define IDB_TAB4_HOT_PAL 463
#define IDB_TAB5_HOT_PAL 461
#define IDB_TAB6_HOT_PAL 462
#define IDB_TAB1_HOT 456
#define IDB_TAB2_HOT 419
#define IDB_TAB3_HOT 421
#define IDB_TAB4_HOT 423
#define IDB_TAB5_HOT 425
#define IDB_TAB6_HOT 428
#define IDB_START 193
#define IDB_START_HOT 192
#define IDB_START_PRESSED 191
#define IDB_EXCEL 431
#define IDB_EXCEL_HOT 430
#define IDB_EXCEL_PRESSED 429
#define IDB_SETTINGS 448
#define IDB_SETTINGS_HOT 449
#define IDB_SETTINGS_PRESSED 450
#define IDB_HELP 454
#define IDB_HELP_HOT 444
#define IDB_HELP_PRESSED 455
#define IDB_EXIT 451
#define IDB_EXIT_HOT 452
#define IDB_EXIT_PRESSED 453
