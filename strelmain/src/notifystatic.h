// CNotifyStatic: the frame under the launcher's preview. A double click
// asks the parent to start the form screen (WM_USER+12).
#pragma once
#include <afxwin.h>

#define WM_PREVIEW_DBLCLK (WM_USER + 12)

class CNotifyStatic : public CStatic
{
protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()
};
