#include <gtest/gtest.h>
#include "afxwin.h"

namespace {

// Paints through CPaintDC and notes what it saw.
class CPaintProbeWnd : public CWnd
{
public:
    int m_nPaints = 0;
    CRect m_rcPaint;
    bool m_bFoundByHandle = false;
    bool m_bDrew = false;

protected:
    afx_msg void OnPaint()
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_rcPaint = dc.m_ps.rcPaint;
        m_bFoundByHandle = CDC::FromHandle(dc.m_ps.hdc) == &dc && dc.m_hAttribDC == dc.m_ps.hdc;
        m_bDrew = dc.Rectangle(0, 0, 10, 10) != FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintProbeWnd, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

class GdiWindowDC : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_wnd.CreateEx(0, nullptr, "paint", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200,
            nullptr, nullptr));
    }
    void TearDown() override { AfxDeleteTempGdiMaps(); }

    CPaintProbeWnd m_wnd;
};

TEST_F(GdiWindowDC, PaintDCValidatesTheUpdateArea)
{
    m_wnd.UpdateWindow();
    const int nPaints = m_wnd.m_nPaints;
    m_wnd.InvalidateRect(CRect(5, 6, 50, 40), FALSE);
    m_wnd.UpdateWindow();
    EXPECT_EQ(nPaints + 1, m_wnd.m_nPaints);
    EXPECT_EQ(CRect(5, 6, 50, 40), m_wnd.m_rcPaint);
    EXPECT_TRUE(m_wnd.m_bFoundByHandle);
    EXPECT_TRUE(m_wnd.m_bDrew);
    EXPECT_FALSE(::GetUpdateRect(m_wnd.m_hWnd, nullptr, FALSE));  // EndPaint ran
}

TEST_F(GdiWindowDC, ClientAndWindowContextsCoverTheirAreas)
{
    CRect client, window, box;
    ::GetClientRect(m_wnd.m_hWnd, &client);
    ::GetWindowRect(m_wnd.m_hWnd, &window);
    ASSERT_LT(client.Width(), window.Width());  // the frame is outside the client area
    {
        CClientDC dc(&m_wnd);
        EXPECT_EQ(m_wnd.m_hWnd, ::WindowFromDC(dc.m_hDC));
        EXPECT_EQ(&dc, CDC::FromHandle(dc.m_hDC));
        dc.GetClipBox(&box);
        EXPECT_EQ(client.Size(), box.Size());
    }
    {
        CWindowDC dc(&m_wnd);
        EXPECT_EQ(m_wnd.m_hWnd, ::WindowFromDC(dc.m_hDC));
        dc.GetClipBox(&box);
        EXPECT_EQ(window.Size(), box.Size());
    }
    CClientDC screen(nullptr);
    EXPECT_EQ(96, screen.GetDeviceCaps(LOGPIXELSY));
    EXPECT_EQ(::GetSystemMetrics(SM_CXSCREEN), screen.GetDeviceCaps(HORZRES));
}

}  // namespace
