// The sub-screen dialog: the frame fitted to the screen and the form (a
// table of the nine fits), the real dialog's size and scroll bars, line
// scrolling to the end, "閉じる" and the sub-form's ownership.
#include <gtest/gtest.h>

#include "dialogs/subscreendlg.h"
#include "form_window.h"

namespace {

const UINT kCloseCommand = 32799;

// A windowed sub-form with chosen pixel rectangles that tells when it goes.
class CSubForm : public CWindowedFormWnd
{
public:
    CSubForm(const CRect& rcThird, const CRect& rcAria, bool& bDeleted) : m_bDeleted(bDeleted)
    {
        m_rectThird = rcThird;
        m_rectAria = rcAria;
    }
    ~CSubForm() override { m_bDeleted = true; }

private:
    bool& m_bDeleted;
};

TEST(SubScreenTest, FramesFitTheFormAndTheScreen)
{
    struct Case
    {
        int nFormWidth, nFormHeight;
        CRect rcFrame;
        BOOL bVScroll, bHScroll;
    };
    // The frame (0, 0, 300, 240) is (0, 20, 300, 220) inside: 300 wide, 200 high.
    const Case kCases[] = {
        {320, 220, CRect(0, 20, 300, 220), TRUE, TRUE},
        {295, 220, CRect(-10, 20, 310, 220), TRUE, FALSE},
        {250, 220, CRect(0, 20, 300, 220), TRUE, FALSE},
        {320, 195, CRect(0, 10, 300, 230), FALSE, TRUE},
        {295, 195, CRect(0, 20, 300, 220), FALSE, FALSE},
        {250, 195, CRect(10, 20, 290, 220), FALSE, FALSE},
        {320, 150, CRect(0, 20, 300, 220), FALSE, TRUE},
        {295, 150, CRect(0, 30, 300, 210), FALSE, FALSE},
        {250, 150, CRect(10, 30, 290, 210), FALSE, FALSE},
        {300, 200, CRect(0, 20, 300, 220), TRUE, TRUE},     // as large as the frame
        {290, 190, CRect(0, 20, 300, 220), FALSE, FALSE},   // 10 smaller: tight
    };
    for (const Case& c : kCases) {
        const CSubScreenDlg::Fit fit =
            CSubScreenDlg::FitFrame(CRect(0, 0, 300, 240), CRect(0, 0, c.nFormWidth, c.nFormHeight), CSize(2000, 2000));
        EXPECT_EQ(c.rcFrame, fit.rcFrame) << c.nFormWidth << "x" << c.nFormHeight;
        EXPECT_EQ(c.bVScroll, fit.bVScroll) << c.nFormWidth << "x" << c.nFormHeight;
        EXPECT_EQ(c.bHScroll, fit.bHScroll) << c.nFormWidth << "x" << c.nFormHeight;
    }
    const CSubScreenDlg::Fit small =
        CSubScreenDlg::FitFrame(CRect(0, 0, 300, 240), CRect(0, 0, 315, 100), CSize(310, 210));
    EXPECT_EQ(CRect(0, 20, 310, 210), small.rcFrame) << "right and bottom edges at the screen's";
    EXPECT_TRUE(small.bHScroll);
    EXPECT_FALSE(small.bVScroll);
}

TEST(SubScreenTest, ScrollCodes)
{
    EXPECT_EQ(5, CSubScreenDlg::ScrollTo(0, SB_LINEDOWN, 0));
    EXPECT_EQ(0, CSubScreenDlg::ScrollTo(3, SB_LINEUP, 0));
    EXPECT_EQ(100, CSubScreenDlg::ScrollTo(95, SB_PAGEDOWN, 0));
    EXPECT_EQ(40, CSubScreenDlg::ScrollTo(50, SB_PAGEUP, 0));
    EXPECT_EQ(77, CSubScreenDlg::ScrollTo(10, SB_THUMBPOSITION, 77));
    EXPECT_EQ(0, CSubScreenDlg::ScrollTo(60, SB_TOP, 0));
    EXPECT_EQ(100, CSubScreenDlg::ScrollTo(60, SB_BOTTOM, 0));
    EXPECT_EQ(-1, CSubScreenDlg::ScrollTo(60, SB_THUMBTRACK, 30));
    EXPECT_EQ(-1, CSubScreenDlg::ScrollTo(60, SB_ENDSCROLL, 0));
}

class SubScreenDialogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_owner.CreateEx(0, AfxRegisterWndClass(0), "owner", WS_OVERLAPPEDWINDOW, CRect(0, 0, 200, 200), nullptr, 0);
    }

    // A dialog over a form of 600 x 500 pixels whose frame is 400 x 340.
    CSubScreenDlg* MakeDialog()
    {
        CResourceHandleSwitch resources(::GetModuleHandleA("MirtBase.dll"));
        CSubScreenDlg* pDialog = new CSubScreenDlg(&m_owner);
        m_pSub = new CSubForm(CRect(0, 0, 400, 340), CRect(0, 0, 600, 500), m_bSubDeleted);
        pDialog->SetSubWnd(m_pSub);
        EXPECT_TRUE(pDialog->Create(189, &m_owner));
        m_pSub->CreateUnder(pDialog);
        return pDialog;
    }

    CWnd m_owner;
    CSubForm* m_pSub = nullptr;
    bool m_bSubDeleted = false;
};

TEST_F(SubScreenDialogTest, SizeScrollBarsAndLineScrollingToTheEnd)
{
    CSubScreenDlg* pDialog = MakeDialog();
    CRect rcWindow;
    pDialog->GetWindowRect(&rcWindow);
    EXPECT_EQ(CSize(400, 300), rcWindow.Size());
    const LONG lStyle = ::GetWindowLongA(pDialog->GetSafeHwnd(), GWL_STYLE);
    EXPECT_TRUE(lStyle & WS_VSCROLL);
    EXPECT_TRUE(lStyle & WS_HSCROLL);
    int nMin = -1, nMax = -1;
    ::GetScrollRange(pDialog->GetSafeHwnd(), SB_VERT, &nMin, &nMax);
    EXPECT_EQ(0, nMin);
    EXPECT_EQ(100, nMax);
    EXPECT_EQ(CRect(0, 0, 600, 500), pDialog->GetSubRect());

    CRect rcClient;
    pDialog->GetClientRect(&rcClient);
    const int nStep = (500 - rcClient.Height()) * 5 / 100;
    ASSERT_GT(nStep, 0);
    for (int nLine = 1; nLine <= 22; ++nLine) {
        pDialog->SendMessage(WM_VSCROLL, SB_LINEDOWN);
        const int nLines = nLine < 20 ? nLine : 20;
        EXPECT_EQ(nLines * 5, pDialog->GetScrollPos(SB_VERT));
        EXPECT_EQ(-nStep * nLines, pDialog->GetSubRect().top) << nLine;
    }
    CRect rcSub;
    m_pSub->GetWindowRect(&rcSub);
    pDialog->ScreenToClient(&rcSub);
    EXPECT_EQ(pDialog->GetSubRect(), rcSub) << "the sub-form's window follows";
    pDialog->SendMessage(WM_HSCROLL, SB_THUMBTRACK, 0);
    EXPECT_EQ(0, pDialog->GetSubRect().left);

    delete pDialog;
    EXPECT_TRUE(m_bSubDeleted);
}

TEST_F(SubScreenDialogTest, CloseOnlyHides)
{
    CSubScreenDlg* pDialog = MakeDialog();
    pDialog->ShowWindow(SW_SHOW);
    pDialog->SendMessage(WM_COMMAND, kCloseCommand);
    EXPECT_FALSE(pDialog->IsWindowVisible());
    EXPECT_TRUE(::IsWindow(pDialog->GetSafeHwnd()));
    EXPECT_FALSE(m_bSubDeleted);
    char caption[32] = {};
    ::GetWindowTextA(pDialog->GetSafeHwnd(), caption, sizeof(caption));
    EXPECT_STREQ("ｻﾌﾞ画面", caption);
    delete pDialog;
    EXPECT_TRUE(m_bSubDeleted);
}

}  // namespace
