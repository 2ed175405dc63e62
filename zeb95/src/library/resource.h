// Resource identifiers of Zeb95.dll.
#pragma once

#define IDC_LIBRARY_CURSOR 103

// The printing dialog: "印刷中です" and Cancel.
#define IDD_PRINTING 104
#define IDC_PRINTING_TEXT 105
// The print preview.
#define IDD_PREVIEW 105
#define IDC_PREVIEW_CLOSE 1001
#define IDC_PREVIEW_SETUP 1002
#define IDC_PREVIEW_PRINT 1003
#define IDC_PREVIEW_PAGE 1004
#define IDC_PREVIEW_FRAME 1005
#define IDC_PREVIEW_STRIP 1006
