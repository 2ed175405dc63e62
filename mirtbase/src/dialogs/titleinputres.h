// Resource ids of the title dialog.
#pragma once

#define IDD_TITLE_INPUT 111
#define IDC_TITLE_EDIT 160
#define IDC_TITLE_PROMPT 162
