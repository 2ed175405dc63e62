// Included by code that runs threads; what the framework gives them is
// declared with the classes themselves (afx.h, afxwin.h).
#pragma once
#include "afxwin.h"
