// COrgPreview: the form screen's print preview. Six fixed zooms (states 7
// to 12: 25, 50, 75, 100, 125 and 150 %), the first taken from the fit
// class the form view computed before the preview opened; the page in a
// frame with a drop shadow; the page number with "/ " and the page count.
// Its bar adds the print options of the form view.
#pragma once
#include <afxwin.h>
#include <afxpreview.h>

class CTolvaneView;

class COrgPreview : public CPreviewView
{
    DECLARE_DYNCREATE(COrgPreview)
public:
    enum
    {
        ZOOM_SMALLEST = 7,
        ZOOM_ONE_TO_ONE = 10,
        ZOOM_LARGEST = 12
    };

    COrgPreview();
    ~COrgPreview() override;

    // The ratio of a zoom state (held to 7..12) and its percent.
    static CSize RatioOf(UINT nState);
    static int PercentOf(UINT nState);

    void OnDraw(CDC* pDC) override;
    void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed) override;
    void SetZoomState(UINT nNewState, UINT nPage, CPoint point) override;

protected:
    void OnInitialUpdate() override;
    void PositionPage(UINT nPage) override;

    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomText(CCmdUI* pCmdUI);
    afx_msg void OnPrintOptions();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    DECLARE_MESSAGE_MAP()

private:
    CTolvaneView* FormView() const;
    // The paper of one slot in its frame and shadow, white inside.
    static void DrawPaperFrame(CDC* pDC, const CRect& rect);

    BOOL m_bDrawn;
    HCURSOR m_hStepCursor;   // loaded once
};
