// The framework's inner workings that tests and tools look at.
#pragma once
#include "afxwin.h"
#include "afxctrl.h"

// Temporary wrapper objects (windows, menus, device contexts, GDI objects)
// of every thread that are not deleted yet.
AFX_API int AfxGetTempObjectCount();
