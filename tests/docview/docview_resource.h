// Resource ids of the document/view test application.
#pragma once

#define IDR_DOCTEST 128
// A template whose document strings give no document name.
#define IDR_NONAME 129
// The program's own string at an id of the framework's prompt range.
#define IDS_PROGRAM_PROMPT 0xE002
#define IDD_DOCTEST_BAR 200
#define IDD_DOCTEST_ROUTE 201
#define IDC_BAR_EDIT 1001

#define ID_TEST_VIEW_CMD 32801
#define ID_TEST_DOC_CMD 32802
#define ID_TEST_FRAME_CMD 32803
#define ID_TEST_APP_CMD 32804
#define ID_TEST_SHARED_CMD 32805
#define ID_TEST_CHECKED 32806
#define ID_TEST_NOHANDLER 32807
#define ID_TEST_SUB_FIRST 32808
#define ID_TEST_SUB_SECOND 32809
#define ID_TEST_RANGE_FIRST 32810
#define ID_TEST_RANGE_LAST 32812
#define ID_TEST_DIALOG_CMD 32813
#define ID_TEST_PANE 32820

// The dialog bar's window id.
#define IDW_TEST_DIALOGBAR 0xE820
