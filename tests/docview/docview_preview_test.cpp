// Print preview: the frame's view and bars make way for the preview and
// its bar; each page is a metafile drawn by the printing view with the
// printer's geometry, shown in a page rectangle of the printer's shape;
// the bar's commands and their update rules; the frame restored.
#include <string>
#include <vector>

#include "docview_app.h"
#include "msgbox_recorder.h"

namespace {

CPreviewView* ActivePreview(CFrameWnd* pFrame)
{
    CView* pView = pFrame->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CPreviewView)) ? static_cast<CPreviewView*>(pView)
                                                                             : nullptr;
}

struct PrinterGeometry
{
    int cxPaper, cyPaper, cxPrintable, cyPrintable, xDpi, yDpi;
};

PrinterGeometry GeometryOf(HDC hDC)
{
    return {::GetDeviceCaps(hDC, PHYSICALWIDTH), ::GetDeviceCaps(hDC, PHYSICALHEIGHT),
        ::GetDeviceCaps(hDC, HORZRES), ::GetDeviceCaps(hDC, VERTRES), ::GetDeviceCaps(hDC, LOGPIXELSX),
        ::GetDeviceCaps(hDC, LOGPIXELSY)};
}

// The preview of the frame's view, in a frame of 800 x 600.
CPreviewView* StartPreview(CMemoFrame* pFrame)
{
    pFrame->MoveWindow(0, 0, 800, 600);
    pFrame->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    return ActivePreview(pFrame);
}

}  // namespace

TEST_F(DocViewTest, PreviewShowsEachPageAsTheViewPrintsIt)
{
    NewDocument();
    CMemoFrame* pFrame = Frame();
    CMemoView* pView = View();
    CPreviewView* pPreview = StartPreview(pFrame);
    ASSERT_NE(nullptr, pPreview);
    EXPECT_FALSE(pView->IsWindowVisible());
    EXPECT_FALSE(pFrame->m_wndToolBar.IsVisible());
    EXPECT_FALSE(pFrame->m_wndStatusBar.IsVisible());
    CControlBar* pBar = pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR);
    ASSERT_NE(nullptr, pBar);
    EXPECT_TRUE(pBar->IsVisible());
    EXPECT_EQ(pPreview->m_hWnd, ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_EQ((Log{"prepare", "begin"}), pView->m_printLog);

    const PrinterGeometry printer = GeometryOf(pPreview->GetPrintInfo()->m_pPD->m_pd.hDC);
    pView->m_printLog.clear();
    for (UINT nPage : {1u, 2u}) {
        SCOPED_TRACE(nPage);
        ::RedrawWindow(pPreview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
        EXPECT_EQ(nPage, pPreview->GetCurrentPage());
        EXPECT_EQ((Log{"dc " + std::to_string(nPage), "print " + std::to_string(nPage)}), pView->m_printLog);
        pView->m_printLog.clear();

        // The page rectangle has the paper's shape and fits the window.
        const CRect page = pPreview->GetPageRect(0);
        ASSERT_FALSE(page.IsRectEmpty());
        EXPECT_NEAR(double(page.Width()) / page.Height(), double(printer.cxPaper) / printer.cyPaper, 0.01);
        CRect client;
        pPreview->GetClientRect(&client);
        EXPECT_LE(page.bottom, client.bottom);

        // The metafile holds the printable area in 0.01 mm and the page's
        // bar where the printed page has it, in printer pixels.
        const HENHMETAFILE hMetafile = pPreview->GetPageMetafile(0);
        ASSERT_NE(nullptr, hMetafile);
        ENHMETAHEADER header = {};
        ASSERT_TRUE(::GetEnhMetaFileHeader(hMetafile, sizeof header, &header));
        EXPECT_NEAR(printer.cxPrintable * 2540.0 / printer.xDpi, header.rclFrame.right, 2);
        EXPECT_NEAR(printer.cyPrintable * 2540.0 / printer.yDpi, header.rclFrame.bottom, 2);
        const CRect bar = CMemoView::PageBar(nPage);
        EXPECT_NEAR(printer.cxPrintable * bar.left / 100, header.rclBounds.left, 1);
        EXPECT_NEAR(printer.cyPrintable * bar.top / 100, header.rclBounds.top, 1);
        EXPECT_NEAR(printer.cxPrintable * bar.right / 100, header.rclBounds.right + 1, 1);
        EXPECT_NEAR(printer.cyPrintable * bar.bottom / 100, header.rclBounds.bottom + 1, 1);

        m_app.OnIdle(0);
        const HWND hNext = ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_NEXT);
        const HWND hPrev = ::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_PREV);
        EXPECT_EQ(nPage < 2, ::IsWindowEnabled(hNext) != FALSE);
        EXPECT_EQ(nPage > 1, ::IsWindowEnabled(hPrev) != FALSE);
        ::SendMessageA(hNext, BM_CLICK, 0, 0);
    }

    // Zooming in gives the page its size at one to one, then twice that.
    const CRect fit = pPreview->GetPageRect(0);
    const HDC hScreen = ::GetDC(nullptr);
    const int nScreenDpi = ::GetDeviceCaps(hScreen, LOGPIXELSX);
    ::ReleaseDC(nullptr, hScreen);
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(CPreviewView::ZOOM_MIDDLE, pPreview->GetZoomState());
    EXPECT_EQ(::MulDiv(printer.cxPaper, nScreenDpi, printer.xDpi), pPreview->GetPageRect(0).Width());
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    m_app.OnIdle(0);
    EXPECT_FALSE(::IsWindowEnabled(::GetDlgItem(pBar->m_hWnd, AFX_ID_PREVIEW_ZOOMIN)));
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(fit, pPreview->GetPageRect(0));

    // Closing gives the frame its view and bars back.
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
    EXPECT_EQ(pView, pFrame->GetActiveView());
    EXPECT_TRUE(pView->IsWindowVisible());
    EXPECT_TRUE(pFrame->m_wndToolBar.IsVisible());
    EXPECT_TRUE(pFrame->m_wndStatusBar.IsVisible());
    EXPECT_EQ(nullptr, pFrame->GetControlBar(AFX_IDW_PREVIEW_BAR));
    EXPECT_EQ(pView->m_hWnd, ::GetDlgItem(pFrame->m_hWnd, AFX_IDW_PANE_FIRST));
    EXPECT_EQ("end", pView->m_printLog.back());
}

TEST_F(DocViewTest, PreviewWithoutAPrinterFailsAndLeavesTheFrameAsItWas)
{
    NewDocument();
    UseMissingPrinter();

    MessageBoxRecorder boxes;
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PRINT_PREVIEW);
    // The printer's message, then the framework's for the failed command.
    ASSERT_EQ(2u, boxes.shown().size());
    EXPECT_EQ("コマンドを実行できませんでした。", boxes.shown()[1].text);
    EXPECT_EQ(View(), Frame()->GetActiveView());
    EXPECT_TRUE(View()->IsWindowVisible());
    EXPECT_TRUE(Frame()->m_wndToolBar.IsVisible());
    EXPECT_EQ(nullptr, Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR));
}

// A refused preview leaves the state to its caller, who frees it; a state
// freed by the framework as well would fail here or in the preview after.
TEST_F(DocViewTest, RefusedPreviewLeavesTheStateToTheCaller)
{
    NewDocument();
    UseMissingPrinter();
    CPrintPreviewState* pState = new CPrintPreviewState;
    pState->barsShown.AddTail(&Frame()->m_wndToolBar);
    {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(View()->DoPrintPreview(AFX_IDD_PREVIEW_TOOLBAR, View(), RUNTIME_CLASS(CPreviewView), pState));
    }
    EXPECT_TRUE(pState->barsShown.IsKindOf(RUNTIME_CLASS(CPtrList)));
    EXPECT_EQ(1, pState->barsShown.GetCount());
    delete pState;
}

// A view whose drawing throws in the preview: the exception is reported
// once and the page is closed on the paint's own context, not left open
// for the next one.
TEST_F(DocViewTest, PreviewPaintThatThrowsClosesItsPageAndIsReported)
{
    NewDocument();
    CMemoFrame* pFrame = Frame();
    CMemoView* pView = View();
    CPreviewView* pPreview = StartPreview(pFrame);
    ASSERT_NE(nullptr, pPreview);
    pView->m_onPrintStep = [](const std::string& entry) {
        if (entry == "print 1")
            AfxThrowResourceException();
    };
    MessageBoxRecorder boxes;
    ::RedrawWindow(pPreview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    pView->m_onPrintStep = nullptr;
    EXPECT_EQ(1u, boxes.shown().size());
    EXPECT_NE(nullptr, pPreview->GetPageMetafile(0));

    // The next paint draws the page afresh.
    pView->m_printLog.clear();
    ::RedrawWindow(pPreview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    EXPECT_EQ((Log{"dc 1", "print 1"}), pView->m_printLog);
    EXPECT_NE(nullptr, pPreview->GetPageMetafile(0));
    EXPECT_EQ(1u, boxes.shown().size());
    pFrame->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
}
