// Resource ids of the choice-list editor.
#pragma once

#define IDD_CHOICE_EDIT 186
#define IDC_CHOICE_DELETE 1004
#define IDC_CHOICE_COMMIT 1006
#define IDC_CHOICE_ADD 1016
#define IDC_CHOICE_CHANGE 1017
#define IDC_CHOICE_ABANDON 1018
#define IDC_CHOICE_LIST 1019
#define IDC_CHOICE_TEXT 1023
