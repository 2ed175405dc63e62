// The framework's extensions to the windows: the dialogs and their data
// exchange, and the rectangle tracker.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
#include "afxtracker.h"
