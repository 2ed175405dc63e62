// Resource ids of the form screen.
#pragma once

#define IDR_MAINFRAME 128   // document template string, menu, accelerators
#define IDD_ABOUTBOX 100
#define IDC_ABOUT_VERSION 1037
#define IDC_ABOUT_NOTE 1038
