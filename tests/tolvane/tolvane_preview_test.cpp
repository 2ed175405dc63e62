// The form screen's print preview: the first zoom from the fit of the form
// in the form view, the six zooms with the page placed at each, the page
// number with the page count, the click that steps the zoom, and a form
// without a size refused.
#include <string>

#include <afxpreview.h>

#include "canvas.h"
#include "msgbox_recorder.h"
#include "printing/orgpreview.h"
#include "resource.h"
#include "tolvane_fixture.h"

namespace {

// Reaches the preview's drawing and page size for a canvas.
class PreviewProbe : public COrgPreview
{
public:
    void DrawInto(HDC hDC)
    {
        CDC dc;
        dc.Attach(hDC);
        OnPrepareDC(&dc);
        m_pPreviewDC->SetOutputDC(hDC);
        OnDraw(&dc);
        m_pPreviewDC->ReleaseOutputDC();
        dc.Detach();
    }
    CSize PageSize() { return CalcPageDisplaySize(); }
};

class PreviewTest : public TolvaneTest
{
protected:
    void OpenPreview(int nPages, int nShownPage)
    {
        StartOn(9002);
        for (int i = 1; i < nPages; ++i)
            ASSERT_TRUE(View()->AddPage(-1));
        View()->m_nCurrentPage = nShownPage - 1;
        Frame()->MoveWindow(0, 0, 800, 600);
        m_pFormView = View();
        Command(ID_PRINT_PREVIEW_FORM);
        CView* pActive = Frame()->GetActiveView();
        ASSERT_TRUE(pActive != nullptr && pActive->IsKindOf(RUNTIME_CLASS(COrgPreview)));
        m_pPreview = static_cast<PreviewProbe*>(static_cast<COrgPreview*>(pActive));
    }
    void Repaint() { ::RedrawWindow(m_pPreview->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }
    void TearDown() override
    {
        if (m_pPreview != nullptr)
            Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_CLOSE);
        TolvaneTest::TearDown();
    }
    std::string ZoomText()
    {
        m_app.OnIdle(0);
        CWnd* pBar = Frame()->GetControlBar(AFX_IDW_PREVIEW_BAR);
        CString strText;
        pBar->GetDlgItemText(IDC_PREVIEW_ZOOM, strText);
        return std::string(strText);
    }

    PreviewProbe* m_pPreview = nullptr;
    CTolvaneView* m_pFormView = nullptr;   // View() is the preview meanwhile
};

}  // namespace

TEST(PreviewFitTest, FitClassFollowsTheSmallerRatio)
{
    struct Case
    {
        int nClient;   // per cent of the form, on the binding side
        UINT nClass;
    };
    const Case cases[] = {{25, 7}, {43, 7}, {44, 8}, {66, 8}, {67, 9}, {89, 9}, {90, 10}, {100, 10}, {114, 10},
        {115, 11}, {139, 11}, {140, 12}, {400, 12}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nClient);
        EXPECT_EQ(c.nClass, CTolvaneView::PreviewFitClass(CSize(1000 * c.nClient / 100, 5000), CSize(1000, 1000)));
        EXPECT_EQ(c.nClass, CTolvaneView::PreviewFitClass(CSize(9000, 700 * c.nClient / 100), CSize(800, 700)));
    }
    EXPECT_EQ(0u, CTolvaneView::PreviewFitClass(CSize(800, 600), CSize(0, 700)));
    EXPECT_EQ(0u, CTolvaneView::PreviewFitClass(CSize(800, 600), CSize(800, 0)));
}

// Each zoom places the paper at (8, 8) with the zoom's ratio, draws its
// frame and shadow, and the form's page lands inside it.
TEST_F(PreviewTest, PagePlacedAtEveryZoom)
{
    OpenPreview(1, 1);
    Repaint();
    ASSERT_GE(m_pFormView->m_nPreviewFitClass, 7u);
    EXPECT_EQ(m_pFormView->m_nPreviewFitClass, m_pPreview->GetZoomState());
    while (m_pPreview->GetZoomState() > COrgPreview::ZOOM_SMALLEST)
        Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMOUT);
    EXPECT_EQ(7u, m_pPreview->GetZoomState());
    EXPECT_EQ("25%", ZoomText());
    for (UINT nState = 7; nState <= 12; ++nState) {
        SCOPED_TRACE(nState);
        if (nState > 7)
            Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
        ASSERT_EQ(nState, m_pPreview->GetZoomState());
        const CSize ratio = COrgPreview::RatioOf(nState);
        const CSize unscaled = m_pPreview->PageSize();
        MemoryCanvas canvas(unscaled.cx * 3 / 2 + 40, unscaled.cy * 3 / 2 + 40);
        m_pPreview->DrawInto(canvas.dc());
        const CRect page = m_pPreview->GetPageRect(0);
        EXPECT_EQ(CRect(8, 8, unscaled.cx * ratio.cx / ratio.cy + 11, unscaled.cy * ratio.cx / ratio.cy + 11), page);
        EXPECT_NE(RGB(255, 255, 255), canvas.pixel(page.left, page.CenterPoint().y)) << "frame";
        EXPECT_NE(RGB(255, 255, 255), canvas.pixel(page.right + 1, page.CenterPoint().y)) << "shadow";
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(page.left - 3, page.CenterPoint().y));
        CRect inside = page;
        inside.DeflateRect(3, 3);
        EXPECT_GT(canvas.countInked(inside), 0) << "the form";
        EXPECT_EQ(0, canvas.countInked(CRect(page.right + 4, 0, canvas.width(), canvas.height())));
    }
    Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_ZOOMIN);
    EXPECT_EQ(12u, m_pPreview->GetZoomState());
    EXPECT_EQ("150%", ZoomText());
}

TEST_F(PreviewTest, StatusShowsThePageOfTheCount)
{
    OpenPreview(3, 2);
    Repaint();
    EXPECT_EQ("2 ページ/ 3", std::string(Frame()->m_wndStatusBar.GetPaneText(0)));
    Frame()->SendMessage(WM_COMMAND, AFX_ID_PREVIEW_NEXT);
    Repaint();
    EXPECT_EQ("3 ページ/ 3", std::string(Frame()->m_wndStatusBar.GetPaneText(0)));
}

// The paper is larger than the window from 125 % on, so the window's
// centre lies on it.
TEST_F(PreviewTest, ClickOnThePageStepsTheZoomFrom150To100)
{
    OpenPreview(1, 1);
    Repaint();
    while (m_pPreview->GetZoomState() != 11)
        Frame()->SendMessage(WM_COMMAND, m_pPreview->GetZoomState() < 11 ? AFX_ID_PREVIEW_ZOOMIN : AFX_ID_PREVIEW_ZOOMOUT);
    Repaint();
    ASSERT_EQ(CPoint(0, 0), m_pPreview->GetDeviceScrollPosition());
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    EXPECT_EQ(11u, m_pPreview->GetZoomState()) << "off the paper";
    CRect client;
    m_pPreview->GetClientRect(&client);
    const LPARAM centre = MAKELPARAM(client.CenterPoint().x, client.CenterPoint().y);
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    EXPECT_EQ(12u, m_pPreview->GetZoomState());
    Repaint();
    m_pPreview->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, centre);
    EXPECT_EQ(10u, m_pPreview->GetZoomState());
}

// After a failed load the form has no size: no preview, a message.
TEST_F(PreviewTest, FormWithoutSizeHasNoPreview)
{
    StartOn(9002);
    View()->m_rectForm.SetRectEmpty();
    MessageBoxRecorder boxes;
    Command(ID_PRINT_PREVIEW_FORM);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("印刷ﾌﾟﾚﾋﾞｭｰ作成に失敗しました。", boxes.shown()[0].text);
    EXPECT_FALSE(Frame()->GetActiveView()->IsKindOf(RUNTIME_CLASS(COrgPreview)));
}
