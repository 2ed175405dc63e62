// CWholeImageDlg: the modeless "全体イメージ" window of the form view: the
// picture of the whole sheet, a tool bar and a context menu with the face
// commands, whose commands go through the main frame to the view.
#pragma once
#include <afxwin.h>
#include <afxdlgs.h>

#include "frame/imagetoolbarctrl.h"
#include "view/wholeimagewnd.h"

class CWholeImageDlg : public CDialog
{
public:
    CWholeImageDlg();

    // 32793 and 32826 enabled, 32791 by the undo flag, 32792 and 32794 by
    // the clipboard flag; all five disabled without bOn.
    void EnableFaceButtons(BOOL bOn);
    void SetPasteAvailable(int bAvailable) { m_bPasteAvailable = bAvailable; }
    void SetUndoAvailable(int bAvailable) { m_bUndoAvailable = bAvailable; }
    // The face commands of the menu greyed by the two flags.
    void EnableFaceMenu(CMenu* pMenu) const;

    CWholeImageWnd m_wndPicture;
    CImageToolBarCtrl m_wndToolBar;
    int m_bUndoAvailable;
    int m_bPasteAvailable;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenu(CMenu* pMenu);
    DECLARE_MESSAGE_MAP()
};
