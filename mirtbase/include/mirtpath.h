// Paths of the form model: the install root followed by a fixed tail.
#pragma once
#include <afx.h>
#include "mirtapi.h"

// Tails (each begins with a backslash).
#define MIRT_RCV_FOLDER "\\DATA\\RCV\\"       // received and stored pictures
#define MIRT_FMT_FOLDER "\\DATA\\FMT\\"       // layouts, list printing definitions
#define MIRT_OTHER_FOLDER "\\Data\\Other\\"   // value, tax-rate and rounding files
#define MIRT_CHOICE_FOLDER "\\DATA\\OTHER\\"  // choice-list files
#define MIRT_MAP_FOLDER "\\DATA\\MAP\\"       // field map files
#define MIRT_DEFBMP_FOLDER "\\DATA\\Defbmp\\" // default pictures
#define MIRT_META_FOLDER "\\DATA\\META\\"     // metafiles

// The install root (from a CMirtEnv made for this call) followed by `tail`.
MIRT_API CString MirtInstallPath(LPCSTR tail);
