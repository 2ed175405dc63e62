// The preview context: the "PDF" printer answers its queries and keeps its
// mapping; a page recorded between ClipToPage and the release of the output
// lands on the screen context scaled by the ratio and the two resolutions,
// at the top-left offset, clipped to the printable page.
#include <cmath>

#include <gtest/gtest.h>

#include "afxdlgs.h"
#include "canvas.h"

namespace {

class PreviewDCTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_hPrinter = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
        ASSERT_NE(nullptr, m_hPrinter);
        m_dc.SetAttribDC(m_hPrinter);
        const HDC hScreen = ::GetDC(nullptr);
        m_nScreenPPI = ::GetDeviceCaps(hScreen, LOGPIXELSX);
        ::ReleaseDC(nullptr, hScreen);
        m_nPrinterPPI = ::GetDeviceCaps(m_hPrinter, LOGPIXELSX);
    }
    void TearDown() override
    {
        m_dc.ReleaseOutputDC();
        m_dc.ReleaseAttribDC();
        if (m_hPrinter != nullptr)
            ::DeleteDC(m_hPrinter);
    }

    // Printer pixels on the screen at num / den.
    int OnScreen(int nPrinter, int nNum, int nDen) const
    {
        return static_cast<int>(std::lround(double(nPrinter) * m_nScreenPPI * nNum / (double(m_nPrinterPPI) * nDen)));
    }

    HDC m_hPrinter = nullptr;
    CPreviewDC m_dc;
    int m_nScreenPPI = 0;
    int m_nPrinterPPI = 0;
};

TEST_F(PreviewDCTest, AnswersAsThePrinterAndScalesItsPixelsToTheScreen)
{
    EXPECT_TRUE(m_dc.IsKindOf(RUNTIME_CLASS(CPreviewDC)));
    EXPECT_TRUE(m_dc.IsPrinting());
    EXPECT_EQ(m_nPrinterPPI, m_dc.GetDeviceCaps(LOGPIXELSX));
    EXPECT_EQ(::GetDeviceCaps(m_hPrinter, HORZRES), m_dc.GetDeviceCaps(HORZRES));
    ASSERT_NE(m_nScreenPPI, m_nPrinterPPI);

    struct Case
    {
        int nNum, nDen;
    };
    for (const Case& c : {Case{1, 1}, Case{1, 4}, Case{3, 4}, Case{5, 4}, Case{3, 2}, Case{2, 4}, Case{700, 1723}}) {
        m_dc.SetScaleRatio(c.nNum, c.nDen);
        for (const int nPrinter : {m_nPrinterPPI, 2 * m_nPrinterPPI + 7, -m_nPrinterPPI / 3, 0}) {
            CPoint point(nPrinter, 2 * nPrinter);
            m_dc.PrinterDPtoScreenDP(&point);
            EXPECT_EQ(OnScreen(nPrinter, c.nNum, c.nDen), point.x) << c.nNum << "/" << c.nDen << " of " << nPrinter;
            EXPECT_EQ(OnScreen(2 * nPrinter, c.nNum, c.nDen), point.y) << c.nNum << "/" << c.nDen << " of " << nPrinter;
        }
    }
}

// One inch square at one inch from the printable corner in the printer's
// metric mapping set before the page starts; a bar running off the page's
// right edge; a block drawn before the page, which nothing shows.
TEST_F(PreviewDCTest, PageLandsScaledAtTheOffsetAndClippedToThePrintableArea)
{
    MemoryCanvas canvas(900, 1300);
    m_dc.SetOutputDC(canvas.dc());
    m_dc.SetMapMode(MM_LOMETRIC);
    CBrush black(RGB(0, 0, 0));
    const CRect before(0, -2000, 2000, 0);
    m_dc.FillRect(&before, &black);
    m_dc.SetScaleRatio(1, 2);
    m_dc.SetTopLeftOffset(CSize(40, 60));
    m_dc.ClipToPage();
    const CRect inch(254, -508, 508, -254);
    m_dc.FillRect(&inch, &black);
    CRect printable(0, 0, m_dc.GetDeviceCaps(HORZRES), m_dc.GetDeviceCaps(VERTRES));
    m_dc.DPtoLP(&printable);
    const CRect runOff(printable.right - 100, -1100, printable.right + 1000, -1000);
    m_dc.FillRect(&runOff, &black);
    m_dc.ReleaseOutputDC();

    ASSERT_EQ(1, m_dc.GetPageCount());
    const CRect page(40, 60, 40 + OnScreen(m_dc.GetDeviceCaps(HORZRES), 1, 2),
        60 + OnScreen(m_dc.GetDeviceCaps(VERTRES), 1, 2));
    EXPECT_EQ(page, m_dc.GetPageScreenRect(0));
    ENHMETAHEADER header = {};
    ASSERT_TRUE(::GetEnhMetaFileHeader(m_dc.GetPageMetafile(0), sizeof header, &header));
    EXPECT_NEAR(m_nPrinterPPI, header.rclBounds.left, 1);

    const int nInch = OnScreen(m_nPrinterPPI, 1, 2);
    const int nMid = 40 + nInch * 3 / 2;
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(nMid, 60 + nInch * 3 / 2));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(40 + nInch / 2, 60 + nInch / 2));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(40 + nInch * 5 / 2, 60 + nInch * 3 / 2));
    // The run-off bar stops at the page's edge.
    const int yBar = 60 + OnScreen(m_nPrinterPPI * 1050 / 254, 1, 2);
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(page.right - 2, yBar));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(page.right + 2, yBar));
    EXPECT_EQ(0, canvas.countInked({0, 0, canvas.width(), 60}));
}

TEST_F(PreviewDCTest, EachClipToPageEndsThePageBeforeAndANewOutputDropsThem)
{
    MemoryCanvas canvas(600, 600);
    m_dc.SetOutputDC(canvas.dc());
    m_dc.SetScaleRatio(1, 4);
    for (const int x : {10, 300}) {
        m_dc.SetTopLeftOffset(CSize(x, 10));
        m_dc.ClipToPage();
        m_dc.PatBlt(0, 0, 50, 50, BLACKNESS);
    }
    m_dc.ReleaseOutputDC();
    ASSERT_EQ(2, m_dc.GetPageCount());
    EXPECT_EQ(10, m_dc.GetPageScreenRect(0).left);
    EXPECT_EQ(300, m_dc.GetPageScreenRect(1).left);
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(11, 11));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(301, 11));

    m_dc.SetOutputDC(canvas.dc());
    EXPECT_EQ(0, m_dc.GetPageCount());
    EXPECT_EQ(nullptr, m_dc.m_hDC);
}

}  // namespace
