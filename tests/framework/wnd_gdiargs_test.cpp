// The window calls that take a GDI object, given none: the system gets a
// null handle. This file is compiled with null-pointer checks that trap, so
// a call made through the missing object ends the program.
#include <gtest/gtest.h>
#include "afxwin.h"

namespace {

// Notes the area of each paint.
class CPaintAreaWnd : public CWnd
{
public:
    int m_nPaints = 0;
    CRect m_rcPaint;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_rcPaint = dc.m_ps.rcPaint;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintAreaWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class WndGdiArgs : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "gdiargs", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
            nullptr, nullptr));
        m_wnd.UpdateWindow();
        m_wnd.m_nPaints = 0;
    }
    void TearDown() override
    {
        m_wnd.DestroyWindow();
        AfxDeleteTempGdiMaps();
    }

    CPaintAreaWnd m_wnd;
};

}  // namespace

TEST_F(WndGdiArgs, RedrawWindowWithoutRegionPaintsTheWholeClientArea)
{
    CRect rectClient;
    m_wnd.GetClientRect(&rectClient);
    ASSERT_TRUE(m_wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(1, m_wnd.m_nPaints);
    EXPECT_EQ(rectClient, m_wnd.m_rcPaint);

    // A region limits the paint to itself; a rectangle with no region too.
    CRgn region;
    ASSERT_TRUE(region.CreateRectRgn(10, 20, 40, 50));
    ASSERT_TRUE(m_wnd.RedrawWindow(nullptr, &region, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(2, m_wnd.m_nPaints);
    EXPECT_EQ(CRect(10, 20, 40, 50), m_wnd.m_rcPaint);
    const CRect rect(5, 6, 7, 8);
    ASSERT_TRUE(m_wnd.RedrawWindow(&rect, nullptr, RDW_INVALIDATE | RDW_UPDATENOW));
    EXPECT_EQ(rect, m_wnd.m_rcPaint);
}

TEST_F(WndGdiArgs, CreateCaretWithoutBitmapMakesASolidCaret)
{
    ::DestroyCaret();
    EXPECT_FALSE(::ShowCaret(m_wnd.m_hWnd)) << "no caret yet";
    m_wnd.CreateCaret(nullptr);
    EXPECT_TRUE(::ShowCaret(m_wnd.m_hWnd));
    CWnd::SetCaretPos(CPoint(3, 4));
    EXPECT_EQ(CPoint(3, 4), CWnd::GetCaretPos());
    ::DestroyCaret();
}

TEST_F(WndGdiArgs, SetFontWithoutFontGivesTheSystemFontBack)
{
    CWnd edit;
    ASSERT_TRUE(edit.Create("EDIT", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 100, 20), &m_wnd, 1));
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, "Arial"));
    edit.SetFont(&font);
    EXPECT_EQ(font.GetSafeHandle(), reinterpret_cast<HGDIOBJ>(edit.SendMessage(WM_GETFONT)));
    edit.SetFont(nullptr);
    EXPECT_EQ(nullptr, reinterpret_cast<HGDIOBJ>(edit.SendMessage(WM_GETFONT)));
    edit.DestroyWindow();
}
