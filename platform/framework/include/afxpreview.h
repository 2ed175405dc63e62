// Print preview: a view that takes the place of a frame's view and bars
// and shows the pages of the view being printed. Each page is drawn by the
// printing view into an enhanced metafile whose reference device is the
// printer (the view's context answers with the printer's metrics), then
// played into the page's rectangle on the screen, scaled by the zoom and
// shifted by the printer's printing offset.
#pragma once
#include <windows.h>
#include "afxdocview.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// What the frame had before the preview, to be put back when it closes.
class AFX_API CPrintPreviewState
{
public:
    CPrintPreviewState();
    ~CPrintPreviewState() = default;
    CPrintPreviewState(const CPrintPreviewState&) = delete;
    CPrintPreviewState& operator=(const CPrintPreviewState&) = delete;

    CView* pViewActiveOld;     // the view that prints
    CPtrList barsShown;        // the bars that were visible
};

class AFX_API CPreviewView : public CScrollView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    // Zoom states of the framework: the page fits the window, one to one,
    // two to one.
    enum
    {
        ZOOM_OUT = 0,
        ZOOM_MIDDLE = 1,
        ZOOM_IN = 2
    };

    // The page shown first (from 1) and how many are shown (1 or 2).
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nPages; }
    // The rectangle of the page slot i on the screen (client coordinates
    // of the document, without the scroll position), empty before drawing.
    CRect GetPageRect(int nSlot) const { return m_pageInfo[nSlot].rectScreen; }
    // The metafile of what the printing view drew for page slot i at the
    // last drawing; null when nothing was drawn there. Kept by the view.
    HENHMETAFILE GetPageMetafile(int nSlot) const { return m_pageInfo[nSlot].hMetafile; }
    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo; }
    int GetZoomState() const { return m_nZoomState; }
    void SetZoomState(int nNewState);

    void OnDraw(CDC* pDC) override;
    // Puts the page number into the frame's message pane: the first part
    // of m_strPageDesc for one page, the second for two.
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);

protected:
    afx_msg void OnPreviewClose();
    afx_msg void OnNextPage();
    afx_msg void OnPrevPage();
    afx_msg void OnPreviewPrint();
    afx_msg void OnZoomIn();
    afx_msg void OnZoomOut();
    afx_msg void OnNumPageChange();
    afx_msg void OnUpdateNextPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdatePrevPage(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomIn(CCmdUI* pCmdUI);
    afx_msg void OnUpdateZoomOut(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNumPageChange(CCmdUI* pCmdUI);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

    struct PageInfo
    {
        CRect rectScreen;          // the paper on the screen
        HENHMETAFILE hMetafile;    // what the printing view drew
    };

    CView* m_pPrintView;
    CPrintInfo* m_pPreviewInfo;
    CPrintPreviewState* m_pPreviewState;
    CDialogBar* m_pToolBar;
    UINT m_nCurrentPage;
    UINT m_nPages;
    int m_nZoomState;
    PageInfo m_pageInfo[2];

private:
    friend class CView;
    // Runs the printing view's preparation for the preview; FALSE when it
    // refused or there is no printer.
    BOOL SetPrintView(CView* pPrintView);
    // The pages' rectangles and the scroll sizes for the zoom.
    void PositionPages();
    // Draws page slot i into its metafile through the printing view.
    BOOL RecordPage(int nSlot);
    void DeletePageMetafiles();
    // The printer's paper, in printer pixels.
    CSize PrinterPageSize() const;

    CDC m_dcPrint;   // the printer's context of the preview's record
};

#pragma pack(pop)
