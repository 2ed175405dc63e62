// The tool-bar resource (RT_TOOLBAR) as CToolBar and other tool bars read it.
#pragma once
#include "afxwin.h"

// The resource's words: version, image width and height, item count, then
// the items' ids (0 for a separator).
struct AFX_TOOLBARDATA
{
    WORD wVersion;
    WORD wWidth;
    WORD wHeight;
    WORD wItemCount;
    const WORD* pItems;
};

// FALSE when the resource is missing, not version 1 or shorter than its
// count says.
AFX_API BOOL AfxReadToolBarResource(HINSTANCE hInst, LPCSTR lpszResourceName, AFX_TOOLBARDATA& data);
