// Resource ids of the dialog and control tests (dlg_test.rc).
#pragma once

#define IDD_DLG_ENTRY 7101
#define IDD_DLG_TOOL 7102
#define IDD_DLG_PAGE_TITLE 7103
#define IDD_DLG_PAGE_COPIES 7104
#define IDR_DLG_MENU 7110
#define IDS_DLG_SHEET 7120
#define IDS_DLG_COPIES_TAB 7121

#define IDC_DLG_NAME 7201
#define IDC_DLG_COUNT 7202
#define IDC_DLG_COUNT_SPIN 7203
#define IDC_DLG_URGENT 7204
#define IDC_DLG_A4 7205
#define IDC_DLG_B5 7206
#define IDC_DLG_A3 7207
#define IDC_DLG_PRINTER 7208
#define IDC_DLG_TRAY 7209
#define IDC_DLG_NOTE 7210
#define IDC_DLG_REMARK 7211
#define IDC_DLG_APPLY 7212
#define IDC_DLG_TITLE 7213
#define IDC_DLG_COPIES 7214

#define ID_DLG_CUT 7301
#define ID_DLG_COPY 7302
#define ID_DLG_PASTE 7303
