// CImageToolBarCtrl: a tool-bar control loaded from a tool-bar resource and
// its bitmap, whose tips are the second parts of the buttons' strings and
// which shows each tipped button's prompt in its frame's status bar.
#pragma once
#include <afxwin.h>
#include <afxcmn.h>

class CImageToolBarCtrl : public CToolBarCtrl
{
public:
    // The buttons of tool-bar resource nIDResource (separators 8 wide) with
    // the images of the bitmap of the same id; FALSE when the resource, the
    // bitmap or a button cannot be had.
    BOOL LoadToolBar(UINT nIDResource);

protected:
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()
};
