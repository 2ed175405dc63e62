// CEditBar: the tool bar with the layout-mode switch, the clipboard buttons
// and the zoom display. In layout mode the clipboard buttons and the switch
// act on input spaces, and their tips and status prompts say so.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>
#include <afxext.h>

class CEditBar : public CToolBar
{
public:
    static constexpr int kLayoutButtonCount = 5;

    CEditBar();

    // The bar on the frame with the zoom display; docks left or right.
    BOOL CreateOn(CFrameWnd* pFrame);
    // The zoom display shows "n％".
    void ShowZoom(int nPercent);
    // The bar's layout, with the zoom display kept over its slot.
    CSize CalcFixedLayout(BOOL bStretch, BOOL bHorz) override;

    CStatic m_wndZoom;

protected:
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    // Whether the program's main frame is in layout mode.
    static BOOL InLayoutMode();

    CFont m_fontZoom;
    int m_bRectsStale;
    CRect m_rectLayoutButtons[kLayoutButtonCount];
};
