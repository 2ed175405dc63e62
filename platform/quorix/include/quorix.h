// CQuorix: the supported-paper information of a form. It reads the form's
// layout "ON<id>.FMT" and tells the user the paper that the form is laid
// out for; nothing comes back to the caller.
#pragma once
#include <afxwin.h>

#ifdef QUORIX_BUILDING
#define QUORIX_API __declspec(dllexport)
#else
#define QUORIX_API __declspec(dllimport)
#endif

class QUORIX_API CQuorix
{
public:
    // A message box captioned with the form's title that names the layout
    // id and the paper size of the layout, or says that the layout has none.
    static void CallQuorix(CString strTitle, UINT nLayoutID);
    // The text of that message box.
    static CString PaperText(UINT nLayoutID);
};
