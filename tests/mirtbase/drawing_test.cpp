// The drawing gate every field passes and the placeholder frame of the
// control-backed fields.
#include <gtest/gtest.h>

#include "canvas.h"
#include "field_fixture.h"

namespace {

enum Target
{
    SCREEN,
    PRINTER,
    PREVIEW
};

// A context of the given kind drawing on a canvas.
class TargetDC
{
public:
    TargetDC(Target target, int nSize = 200)
        : m_canvas(nSize, nSize), m_printerAttributes(8, 8),
          m_dc(BorrowDC(m_canvas.dc(), target == PREVIEW ? m_printerAttributes.dc() : m_canvas.dc(), target != SCREEN))
    {
    }

    CDC* dc() { return m_dc.get(); }
    const MemoryCanvas& canvas() const { return m_canvas; }
    int inked() const { return m_canvas.countInked({0, 0, m_canvas.width(), m_canvas.height()}); }

private:
    MemoryCanvas m_canvas;
    MemoryCanvas m_printerAttributes;
    std::unique_ptr<CDC> m_dc;
};

const char* Name(Target target)
{
    return target == SCREEN ? "screen" : target == PRINTER ? "printer" : "preview";
}

TEST(DrawingGateTest, HiddenNotPrintedAndPaperModes)
{
    struct Case
    {
        DWORD dwFlags;
        DWORD dwPrint;      // attribute 1
        int nPrintPaper;    // the owner's mode; -1 no owner
        Target target;
        bool bDrawn;
    };
    const Case cases[] = {
        {0x00, 1, 0, SCREEN, true},
        {0x20, 1, 0, SCREEN, false},
        {0x20, 1, 0, PREVIEW, false},
        {0x01, 1, 0, SCREEN, true},
        {0x01, 1, 0, PRINTER, false},
        {0x01, 1, 0, PREVIEW, false},
        {0x00, 2, 0, SCREEN, true},
        {0x00, 2, 1, PRINTER, false},
        {0x00, 2, 0, PREVIEW, true},
        {0x00, 0, 0, PRINTER, false},
        {0x00, 0, 1, PRINTER, true},
        {0x00, 0, -1, PRINTER, false},
        {0x00, 0, 0, PREVIEW, true},
        {0x00, 1, 0, PRINTER, true},
        {0x00, 7, -1, PRINTER, true},
    };
    for (const Case& c : cases) {
        CTestFormWnd form;
        form.SetPrintPaper(c.nPrintPaper > 0 ? 1 : 0);
        CTestGroup field(MakeBlock(1, {100, 100, 300, 300}));
        field.m_dwFlags = c.dwFlags;
        field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, c.dwPrint);
        field.m_pOwner = c.nPrintPaper >= 0 ? &form : nullptr;
        TargetDC target(c.target);
        const std::string label = std::string(Name(c.target)) + " flags " + std::to_string(c.dwFlags) +
                                  " attribute " + std::to_string(c.dwPrint) + " paper " +
                                  std::to_string(c.nPrintPaper);
        EXPECT_EQ(c.bDrawn, field.CanDrawOn(target.dc()) != FALSE) << label;
        EXPECT_EQ(c.bDrawn ? 1 : 0, field.Draw(target.dc(), 1)) << label;
        EXPECT_EQ(c.bDrawn, target.inked() > 0) << label;
    }
}

TEST(DrawingGateTest, PreviewIsAPrintingContextWithItsOwnOutput)
{
    for (Target target : {SCREEN, PRINTER, PREVIEW}) {
        TargetDC dc(target);
        EXPECT_EQ(target == PREVIEW, CNPropObj::IsPreviewDC(dc.dc()) != FALSE) << Name(target);
    }
}

// The frame of an editable field on the screen, light grey on the device
// rectangle's edges; the answer tells a field that no window shows.
TEST(PlaceholderTest, FrameOnTheScreenOnly)
{
    struct Case
    {
        UINT nMode;          // run-time mode
        DWORD dwInput;       // attribute 5
        int nDrawMode;
        Target target;
        int nAnswer;
        bool bFramed;
    };
    const Case cases[] = {
        {0x00, 0x03, 1, SCREEN, 1, true},
        {0x01, 0x03, 1, SCREEN, 0, true},
        {0x10, 0x01, 1, SCREEN, 0, true},
        {0x00, 0x03, 2, SCREEN, 0, false},
        {0x00, 0x03, 16, SCREEN, 0, false},
        {0x00, 0x03, 1, PRINTER, 0, false},
        {0x00, 0x03, 1, PREVIEW, 0, false},
        {0x02, 0x03, 1, SCREEN, 0, false},
        {0x00, 0x04, 1, SCREEN, 0, false},
    };
    for (const Case& c : cases) {
        CTestField field(MakeBlock(1, {100, 100, 300, 300}, c.dwInput), 0, 0);
        field.SetMode(c.nMode);
        TargetDC target(c.target);
        const std::string label = std::string(Name(c.target)) + " mode " + std::to_string(c.nMode) + " draw " +
                                  std::to_string(c.nDrawMode) + " input " + std::to_string(c.dwInput);
        EXPECT_EQ(c.nAnswer, field.Draw(target.dc(), c.nDrawMode)) << label;
        // (37, 37)-(113, 113) at 100 %.
        EXPECT_EQ(c.bFramed ? RGB(0xC0, 0xC0, 0xC0) : RGB(255, 255, 255), target.canvas().pixel(37, 37)) << label;
        EXPECT_EQ(c.bFramed ? RGB(0xC0, 0xC0, 0xC0) : RGB(255, 255, 255), target.canvas().pixel(113, 80)) << label;
        EXPECT_EQ(RGB(255, 255, 255), target.canvas().pixel(75, 75)) << label;
    }
}

TEST(PlaceholderTest, EmptyRectangleDrawsNothing)
{
    CTestField field(MakeBlock(1, {100, 100, 100, 300}, 0x03), 0, 0);
    field.SetMode(0);
    TargetDC target(SCREEN);
    EXPECT_EQ(0, field.Draw(target.dc(), 1));
    EXPECT_EQ(0, target.inked());
}

}  // namespace
