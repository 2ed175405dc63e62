// Resource ids of the sub-screen dialog.
#pragma once

#define IDR_SUBSCREEN_MENU 188
#define IDD_SUBSCREEN 189
#define ID_SUBSCREEN_CLOSE 32799
