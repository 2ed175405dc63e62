// Print preview: a view that takes the place of a frame's view and bars
// and shows the pages of the view being printed, drawn by that view's
// OnPrint through a preview context (CPreviewDC).
#pragma once
#include <windows.h>
#include "afxdocview.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// A printing context whose attribute context is the printer: queries and
// mapping answer as the printer does. A page starts at ClipToPage; what is
// drawn from there to the next ClipToPage (or to the release of the output)
// is recorded in an enhanced metafile whose reference device is the
// printer, then played onto the output (screen) context at the top-left
// offset, scaled by the ratio and by the screen and printer resolutions,
// and clipped to the printable page. Drawing outside a page is discarded.
class AFX_API CPreviewDC : public CDC
{
    DECLARE_DYNAMIC(CPreviewDC)
public:
    CPreviewDC();
    ~CPreviewDC() override;

    // The screen context the pages land on. A page still open on the old
    // output is played first; the pages kept from it are dropped.
    void SetOutputDC(HDC hDC) override;
    void ReleaseOutputDC() override;

    // Mapping goes to the printer; an open page follows it, in the printer's
    // pixels (fixed modes as the extents they come to, which play back the
    // same on any device).
    using CDC::SetViewportOrg;
    using CDC::SetViewportExt;
    using CDC::SetWindowExt;
    int SetMapMode(int nMapMode) override;
    CPoint SetViewportOrg(int x, int y) override;
    CPoint OffsetViewportOrg(int nWidth, int nHeight) override;
    CSize SetViewportExt(int cx, int cy) override;
    CSize ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom) override;
    CSize SetWindowExt(int cx, int cy) override;
    CSize ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom) override;
    BOOL RestoreDC(int nSavedDC) override;

    void SetScaleRatio(int nNumerator, int nDenominator);
    // The printable page's top-left corner, in logical units of the output
    // context as they are at ClipToPage.
    void SetTopLeftOffset(CSize sizeTop);
    // Starts a page at the current ratio and offset.
    void ClipToPage();
    // Printer pixels to screen pixels at the current ratio.
    void PrinterDPtoScreenDP(LPPOINT lpPoint) const;

    // The pages played on the current output, in their order: what was
    // drawn (kept by this context) and where it landed, in device units of
    // the output.
    int GetPageCount() const { return static_cast<int>(m_pages.GetSize()); }
    HENHMETAFILE GetPageMetafile(int nIndex) const { return m_pages[nIndex].hMetafile; }
    CRect GetPageScreenRect(int nIndex) const { return m_pages[nIndex].rectScreen; }

private:
    struct PlayedPage
    {
        HENHMETAFILE hMetafile;
        CRect rectScreen;
    };

    // A recording context with the printer's mapping, font and colours.
    void BeginRecording();
    void MirrorMapping();
    template <class Setter>
    auto Mirrored(Setter set)
    {
        const auto result = set();
        MirrorMapping();
        return result;
    }
    HENHMETAFILE EndRecording();
    void EndPage();
    void DropPages();

    HDC m_hScreenDC;
    CSize m_sizeScreenPPI;
    CSize m_sizeTopLeft;
    int m_nScaleNum;
    int m_nScaleDen;
    BOOL m_bPageOpen;
    CRect m_rectPage;   // where the open page lands
    CArray<PlayedPage, const PlayedPage&> m_pages;
};

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

// The framework's own preview shows one or two pages side by side, fitted
// to the window, at one to one or at two to one. A derived view may take
// its own zoom states and drawing; it finds the printing view, the print
// job, the preview context and the pages' places in the members below.
class AFX_API CPreviewView : public CScrollView
{
    DECLARE_DYNCREATE(CPreviewView)
public:
    CPreviewView();
    ~CPreviewView() override;

    enum
    {
        ZOOM_OUT = 0,      // the pages fit the window
        ZOOM_MIDDLE = 1,   // one to one
        ZOOM_IN = 2        // two to one
    };

    // The page shown first (from 1) and how many are shown (1 or 2).
    UINT GetCurrentPage() const { return m_nCurrentPage; }
    UINT GetPagesShown() const { return m_nPages; }
    // The paper of page slot i in the view's scrolled pixels; empty before
    // it is positioned.
    CRect GetPageRect(int nSlot) const { return m_pPageInfo[nSlot].rectScreen; }
    // What the printing view drew for page slot i at the last drawing;
    // null when nothing was drawn there. Kept by the preview context.
    HENHMETAFILE GetPageMetafile(int nSlot) const;
    CPrintInfo* GetPrintInfo() const { return m_pPreviewInfo; }
    UINT GetZoomState() const { return m_nZoomState; }

    // Takes the zoom state; a point on page slot nPage (relative to its
    // paper, in unscaled pixels) becomes the window's centre.
    virtual void SetZoomState(UINT nNewState, UINT nPage, CPoint point);

    void OnDraw(CDC* pDC) override;
    // Puts the page number into the frame's message pane: the first part
    // of m_strPageDesc for one page, the second for two.
    virtual void OnDisplayPageNumber(UINT nPage, UINT nPagesDisplayed);

protected:
    struct PAGE_INFO
    {
        CRect rectScreen;      // the paper, in the view's scrolled pixels
        CSize sizeUnscaled;    // the paper in screen pixels at one to one
        CSize sizeScaleRatio;  // cx over cy: the zoom of this page
    };

    // Makes nPage the first page shown, held to the job's page limits;
    // bClearRatios drops the pages' places so the next drawing computes
    // them again.
    void SetCurrentPage(UINT nPage, BOOL bClearRatios);
    // For a point in client coordinates: the page slot it falls on and the
    // point relative to that page's paper in unscaled pixels; FALSE off
    // the pages.
    BOOL FindPageRect(CPoint& point, UINT& nPage);
    // The paper of page slot nPage at the current zoom, and the scroll sizes.
    virtual void PositionPage(UINT nPage);
    // The paper of a page in screen pixels at one to one.
    CSize CalcPageDisplaySize();

    // Draws through OnDraw with the preview context's output on the paint
    // context, and plays the last page before the paint ends.
    afx_msg void OnPaint();
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

    CView* m_pPrintView;
    CPreviewDC* m_pPreviewDC;
    CPrintInfo* m_pPreviewInfo;
    CPrintPreviewState* m_pPreviewState;
    CDialogBar* m_pToolBar;
    UINT m_nCurrentPage;
    UINT m_nPages;
    UINT m_nZoomState;
    CSize m_sizePrinterPPI;
    PAGE_INFO* m_pPageInfo;   // m_pageInfoArray, one per page slot
    PAGE_INFO m_pageInfoArray[2];

private:
    friend class CView;
    // Runs the printing view's preparation for the preview; FALSE when it
    // refused or there is no printer.
    BOOL SetPrintView(CView* pPrintView);
    void PositionPages();
    // The ratio that fits the shown pages into the window.
    CSize CalcFitRatio();
    // Zooms on the point of the pages at the window's centre.
    void ZoomKeepingTheCenter(UINT nNewState);
};

#pragma pack(pop)
