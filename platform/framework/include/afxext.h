// The framework's extensions to the windows: here the dialogs and their
// data exchange.
#pragma once
#include "afxwin.h"
#include "afxdlgs.h"
