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

// Format bar, edit bar and the whole-image window.
#define IDR_FORMAT_BAR 138
#define IDR_EDIT_BAR 175
#define IDW_FORMAT_BAR 32790
#define IDW_EDIT_BAR 32816
#define ID_ZOOM_DISPLAY 123
#define ID_LAYOUT_MODE 1001
#define ID_UNDERLINE 32890
#define ID_STRIKEOUT 32891
#define IDS_LAYOUT_MODE_OFF 61446
#define IDS_LAYOUT_CUT 61447
#define IDS_LAYOUT_COPY 61448
#define IDS_LAYOUT_PASTE 61449
#define IDS_LAYOUT_DELETE 61450
#define IDD_WHOLEIMAGE 165
#define IDR_WHOLEIMAGE_MENU 166
#define IDR_WHOLEIMAGE_BAR 248
#define IDC_WHOLEIMAGE_PICTURE 1020
#define ID_FACE_UNDO 32791
#define ID_FACE_PASTE 32792
#define ID_FACE_COPY 32793
#define ID_FACE_PASTE_ALL 32794
#define ID_NEXT_FACE 32826
