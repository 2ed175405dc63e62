#include "canvas.h"
#include "text_exports_fixture.h"

namespace {

const COLORREF kPaper = RGB(255, 255, 255);
const COLORREF kBack = RGB(0, 0, 255);

class DocImageTest : public TextExports
{
protected:
    void SetUp() override
    {
        TextExports::SetUp();
        ASSERT_EQ(96, GetDeviceCaps(m_canvas.dc(), LOGPIXELSX)) << "the cases are worked out at 96 dpi";
        Z().zebSetBkColor(m_hDoc, kBack);
        ::GetClientRect(m_hDoc, &m_rcClient);
    }
    // Pixels of the rows [top, bottom) inside the area that are neither paper
    // nor the document's back colour.
    int InkedRows(const RECT& rcArea, int nTop, int nBottom) const
    {
        int n = 0;
        for (int y = nTop; y < nBottom; ++y) {
            for (int x = rcArea.left; x < rcArea.right; ++x) {
                const COLORREF c = m_canvas.pixel(x, y);
                n += c != kPaper && c != kBack ? 1 : 0;
            }
        }
        return n;
    }

    MemoryCanvas m_canvas{500, 300, kPaper};
    RECT m_rcClient = {};
};

// The area is the place at 96 dpi (value x 96 x 567 / 144000, truncated),
// no larger than the client area, filled with the back colour; the text is
// drawn in it and nothing outside it changes.
TEST_F(DocImageTest, DrawnClippedToThePlaceAndTheClientArea)
{
    Put(m_hDoc, "AB");
    const LONG cw = m_rcClient.right, ch = m_rcClient.bottom;
    const struct
    {
        RECT rcPlace;  // tenths of a millimetre
        RECT rcArea;   // pixels
    } kCases[] = {
        {{100, 50, 1100, 550}, {37, 18, 37 + cw, 18 + ch}},  // 378 x 189 pixels: the client area limits
        {{0, 0, 300, 200}, {0, 0, 113, 75}},                 // the place limits
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.rcArea.right);
        ::PatBlt(m_canvas.dc(), 0, 0, m_canvas.width(), m_canvas.height(), WHITENESS);
        ASSERT_EQ(1, Z().zebDrawImage(m_hDoc, m_canvas.dc(), nullptr, &c.rcPlace));
        const RECT& a = c.rcArea;
        EXPECT_EQ(kBack, m_canvas.pixel(a.right - 1, a.bottom - 1));
        EXPECT_EQ(kPaper, m_canvas.pixel(a.right, a.bottom - 1));
        EXPECT_EQ(kPaper, m_canvas.pixel(a.right - 1, a.bottom));
        if (a.left > 0) {
            EXPECT_EQ(kPaper, m_canvas.pixel(a.left - 1, a.top + 1));
        }
        EXPECT_GT(InkedRows(a, a.top, a.top + 20), 0) << "the text at the area's top left";
    }
}

TEST_F(DocImageTest, DocumentFormsAndRefusals)
{
    Put(m_hDoc, "AB");
    const RECT rcPlace = {0, 0, 500, 500};
    EXPECT_EQ(0, Z().zebDrawImage(m_hWb, m_canvas.dc(), nullptr, &rcPlace));
    EXPECT_EQ(0, Z().zebDrawStretchImage(m_hWb, m_canvas.dc(), nullptr, &rcPlace));
    EXPECT_EQ(0, Z().zebDrawDocImage(m_hWb, m_nDoc + 1, m_canvas.dc(), nullptr, &rcPlace));
    EXPECT_EQ(0, m_canvas.countInked({0, 0, m_canvas.width(), m_canvas.height()})) << "nothing drawn";
    EXPECT_EQ(1, Z().zebDrawDocImage(m_hWb, m_nDoc, m_canvas.dc(), nullptr, &rcPlace));
    EXPECT_EQ(1, Z().zebDrawDocStretchImage(m_hWb, m_nDoc, m_canvas.dc(), nullptr, &rcPlace));
    // A place far outside the range of a device context is held, not wrapped.
    const RECT rcHuge = {LONG_MIN, LONG_MIN, LONG_MAX, LONG_MAX};
    EXPECT_EQ(1, Z().zebDrawImage(m_hDoc, m_canvas.dc(), nullptr, &rcHuge));
    EXPECT_EQ(1, Z().zebDrawStretchImage(m_hDoc, m_canvas.dc(), &rcHuge, &rcHuge));
}

// A wide source into a square place scales both axes by the width's ratio:
// the 16-pixel text of a 100 x 10 source grows 3.78 times, not 37.8 times,
// so the rows below about 65 pixels stay clear.
TEST_F(DocImageTest, StretchKeepsTheProportionsByTheSmallerRatio)
{
    Put(m_hDoc, "X");
    const RECT rcSource = {0, 0, 100, 10};
    const RECT rcPlace = {0, 0, 1000, 1000};
    ASSERT_EQ(1, Z().zebDrawStretchImage(m_hDoc, m_canvas.dc(), &rcSource, &rcPlace));
    const RECT rcArea = {0, 0, m_rcClient.right, m_rcClient.bottom};
    EXPECT_GT(InkedRows(rcArea, 20, 45), 0) << "the glyph reaches below its unscaled height";
    EXPECT_EQ(0, InkedRows(rcArea, 70, rcArea.bottom));
    ::PatBlt(m_canvas.dc(), 0, 0, m_canvas.width(), m_canvas.height(), WHITENESS);
    ASSERT_EQ(1, Z().zebDrawImage(m_hDoc, m_canvas.dc(), &rcSource, &rcPlace));
    EXPECT_EQ(0, InkedRows(rcArea, 20, rcArea.bottom)) << "unscaled, the glyph stays in the first line";
}

}  // namespace
