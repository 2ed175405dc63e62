// Resource ids of the form screen.
#pragma once

#define IDR_MAINFRAME 128   // document template string, menu, accelerators
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_VERSION 1037
#define IDC_ABOUT_NOTE 1038

// Page dialogs.
#define IDD_PAGE 234
#define IDD_GOTO_PAGE 235
#define IDC_PAGE_PLACE 1045       // first of the four place buttons 1045-1048
#define IDC_PAGE_PLACE_AFTER 1048
#define IDC_PAGE_NUMBER 1049

// Print options dialog.
#define IDD_PRINT_OPTIONS 233
#define IDC_OPT_STATIONERY 1038   // paper kind radios 1038-1039
#define IDC_OPT_BLANK 1039
#define IDC_OPT_MONOCHROME 1040   // ruled-line colour radios 1040-1041
#define IDC_OPT_COLOR 1041
#define IDC_OPT_NO_CUT 1042       // cut-line kind radios 1042-1044
#define IDC_OPT_CROP_MARKS 1043
#define IDC_OPT_DOTTED 1044
#define IDC_OPT_SCALE_SPIN 1055
#define IDC_OPT_SCALE 1062
#define IDC_OPT_SCALE_LABEL 1064
#define IDC_OPT_PERCENT 1065
#define IDC_OPT_RULED_LABEL 1066
#define IDC_OPT_CUT_LABEL 1067
#define IDC_OPT_TOP_BAR 154
#define IDC_OPT_LEFT_BAR 155
#define IDC_OPT_TOP_LABEL 156
#define IDC_OPT_LEFT_LABEL 157
#define IDC_OPT_TOP 158
#define IDC_OPT_LEFT 159

// Print preview bar and its cursors.
#define IDD_PREVIEW_BAR 307
#define IDC_PREVIEW_ZOOM 1034
#define IDC_PREVIEW_ZOOM_MAX 178
#define IDC_PREVIEW_ZOOM_STEP 179

// Commands of the view.
#define ID_FONT_NAME_COMBO 106
#define ID_FONT_SIZE_COMBO 107
#define ID_COLOR_COMBO 108
#define ID_ALIGN_LEFT 112
#define ID_ALIGN_RIGHT 113
#define ID_ALIGN_CENTER 114
#define ID_ALIGN_DISTRIBUTED 115
#define ID_BOLD 32782
#define ID_ITALIC 32783
#define ID_NUM_INTEGER 32881
#define ID_NUM_DECIMAL2 32882
#define ID_NUM_NONE 32883
#define ID_ZOOM_IN 1002
#define ID_ZOOM_OUT 1003
#define ID_ZOOM_100 32835
#define ID_FILE_NEW_FORM 32803
#define ID_PRINT_PREVIEW_FORM 32806
#define ID_PAPER_INFO 32815
#define ID_AUTO_PAPER_SIZE 32889
#define ID_PRINT_OPTIONS 32895
#define ID_PRINT_FORM 32832
#define ID_PREV_PAGE 32866
#define ID_NEXT_PAGE 32867
#define ID_FIRST_PAGE 32868
#define ID_LAST_PAGE 32869
#define ID_DELETE_PAGE 32871
#define ID_CALCULATOR 32892
#define ID_GOTO_PAGE 32893
#define ID_NEW_PAGE 32898
#define ID_DUPLICATE_PAGE 32899
#define ID_REGISTER_FORM 32921

// Messages of the main frame.
#define MsgFaceSelected 0x600   // wParam: the face to show, 1-based

// Status panes.
#define ID_INDICATOR_FIELDNAME 61456
#define ID_INDICATOR_PAGE 61457
