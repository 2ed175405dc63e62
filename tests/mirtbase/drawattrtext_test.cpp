// Text spread over an extent, with underline drawn as a line.
#include <gtest/gtest.h>

#include <cstring>

#include "canvas.h"
#include "field_fixture.h"

namespace {

const int kHeight = 24;

// A field whose font may ask for underline.
class CFontField : public CTestField
{
public:
    explicit CFontField(bool bUnderline)
    {
        std::strcpy(m_font.lfFaceName, "ＭＳ ゴシック");
        m_font.lfHeight = -kHeight;
        m_font.lfCharSet = SHIFTJIS_CHARSET;
        m_font.lfUnderline = bUnderline;
    }
    LOGFONT* GetLogFont() override { return &m_font; }

    LOGFONT m_font = {};
};

// A canvas with the field's font (without underline) selected.
class TextCanvas
{
public:
    TextCanvas() : m_canvas(300, 60), m_dc(m_canvas.dc(), m_canvas.dc(), FALSE)
    {
        LOGFONT lf = CFontField(false).m_font;
        m_font.CreateFontIndirect(&lf);
        m_pOld = m_dc.SelectObject(&m_font);
    }
    ~TextCanvas() { m_dc.SelectObject(m_pOld); }

    CDC* dc() { return &m_dc; }
    const MemoryCanvas& canvas() const { return m_canvas; }

    // The first and last columns with ink in rows top..bottom, or -1.
    int FirstInkColumn(int top, int bottom) const { return Scan(top, bottom, 0, m_canvas.width(), 1); }
    int LastInkColumn(int top, int bottom) const { return Scan(top, bottom, m_canvas.width() - 1, -1, -1); }

private:
    int Scan(int top, int bottom, int from, int to, int step) const
    {
        for (int x = from; x != to; x += step) {
            if (m_canvas.countInked({x, top, x + 1, bottom}) > 0)
                return x;
        }
        return -1;
    }

    MemoryCanvas m_canvas;
    CBorrowedDC m_dc;
    CFont m_font;
    CFont* m_pOld;
};

TEST(DrawAttrTextTest, OneCharacterIgnoresTheExtent)
{
    TextCanvas spread;
    CFontField field(false);
    EXPECT_EQ(1, field.DrawAttrText(spread.dc(), 10, 10, "W", 1, FALSE, 200, nullptr));
    TextCanvas plain;
    plain.dc()->TextOut(10, 10, "W", 1);
    EXPECT_EQ(plain.LastInkColumn(0, 60), spread.LastInkColumn(0, 60));
    EXPECT_EQ(plain.canvas().countInked({0, 0, 300, 60}), spread.canvas().countInked({0, 0, 300, 60}));
}

TEST(DrawAttrTextTest, LastCharacterEndsAtTheExtent)
{
    TextCanvas spread;
    CFontField field(false);
    const int nWidth = spread.dc()->GetTextExtent("Ｗ", 2).cx;
    const int nExtent = 200;
    EXPECT_EQ(1, field.DrawAttrText(spread.dc(), 10, 10, "ＷＷ", 4, FALSE, nExtent, nullptr));
    TextCanvas plain;
    plain.dc()->TextOut(10, 10, "Ｗ", 2);
    // The second character's ink lies where a single one drawn at
    // x + extent - width would have it.
    EXPECT_EQ(plain.LastInkColumn(0, 60) + nExtent - nWidth, spread.LastInkColumn(0, 60));
    EXPECT_EQ(plain.FirstInkColumn(0, 60), spread.FirstInkColumn(0, 60));
}

TEST(DrawAttrTextTest, UnderlineSpansTheExtent)
{
    TextCanvas canvas;
    OUTLINETEXTMETRIC metrics = {};
    metrics.otmSize = sizeof metrics;
    ASSERT_NE(0u, canvas.dc()->GetOutlineTextMetrics(sizeof metrics, &metrics));
    CFontField field(true);
    EXPECT_EQ(1, field.DrawAttrText(canvas.dc(), 10, 10, "ab", 2, FALSE, 250, nullptr));
    const int nLineY = 10 + metrics.otmTextMetrics.tmAscent - metrics.otmsUnderscorePosition;
    EXPECT_NEAR(10, canvas.FirstInkColumn(nLineY, nLineY + 1), 1);
    EXPECT_NEAR(259, canvas.LastInkColumn(nLineY, nLineY + 1), 2);
}

TEST(DrawAttrTextTest, NothingWithoutAContext)
{
    CFontField field(false);
    EXPECT_EQ(0, field.DrawAttrText(nullptr, 0, 0, "a", 1, FALSE, 10, nullptr));
}

}  // namespace
