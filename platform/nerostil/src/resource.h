// Resource ids of the picture chooser.
#pragma once

#define IDD_PICSEL 100
#define IDC_PICSEL_LIST 1001
#define IDC_PICSEL_PREVIEW 1002
