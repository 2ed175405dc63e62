#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "canvas.h"
#include "pdf_printer.h"
#include "test_paths.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_bitmaps.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_settings.h"
#include "text/paint/doc_painters.h"
#include "text/view/doc_mapping.h"
#include "text/view/line_placement.h"
#include "text_caret_fixture.h"
#include "whiteboard/child_draw.h"
#include "whiteboard/wb_capture.h"

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kYellow = RGB(255, 255, 0);

ZebUserCell Cell(int nLeft, int nRight, int nCapacity)
{
    return {static_cast<WORD>(nLeft), static_cast<WORD>(nRight), static_cast<WORD>(nCapacity), 0};
}

// The fixed-pitch document (8 pixels a byte, lines 16 high) on a white
// back colour, painted into memory canvases.
class Painting : public FixedDocs
{
protected:
    void SetUp() override
    {
        FixedDocs::SetUp();
        D().head.SetBkColor(kWhite);
    }
    // Through the painter of the alignment mode, over the whole canvas.
    void Paint(MemoryCanvas& canvas)
    {
        const RECT rc = {0, 0, canvas.width(), canvas.height()};
        ASSERT_EQ(1, PaintDocByAlignment(m_hDoc, canvas.dc(), &rc, nullptr));
    }
    void Select(POINT anchor, POINT caret)
    {
        D().anchor = anchor;
        D().head.SetCaretPos(caret);
    }
    // The text with bytes whose attribute is given (others plain), laid out.
    void LayAttributed(const std::string& text, const std::vector<ZebCharAttr>& attrs)
    {
        ZebBlockList& blocks = *D().Blocks();
        DocStopLayout(D());
        blocks.BlockFree(-1);
        ZebTextBlock* pBlock = blocks.BlockInsert(-1);
        ASSERT_NE(nullptr, pBlock);
        BlockInsertRun(pBlock, 0, text.data(), attrs.data(), static_cast<int>(text.size()));
        DocReflowFrom(m_hDoc, 0);
        DocWaitLayout(m_hDoc, -1);
    }
    POINT PointOf(int nColumn, int nLine)
    {
        POINT pt = {-1, -1};
        EXPECT_EQ(1, DocPositionToPoint(m_hDoc, nColumn, nLine, &pt, nullptr, nullptr));
        return pt;
    }
};

// The first and one past the last black pixel along a row (or a column).
std::pair<int, int> BlackSpan(const MemoryCanvas& canvas, int nAcross, bool bVertical)
{
    const int nLength = bVertical ? canvas.height() : canvas.width();
    int nFirst = -1;
    int nEnd = -1;
    for (int i = 0; i < nLength; ++i)
    {
        const COLORREF c = bVertical ? canvas.pixel(nAcross, i) : canvas.pixel(i, nAcross);
        if (c != kBlack)
            continue;
        if (nFirst < 0)
            nFirst = i;
        nEnd = i + 1;
    }
    return {nFirst, nEnd};
}

struct ModeCase
{
    int nMode;
    bool bCells;
    bool bVertical;
    int nScale;
};

std::string Describe(const ModeCase& c)
{
    return "mode " + std::to_string(c.nMode) + (c.bCells ? " cells" : "") + (c.bVertical ? " vertical" : "") +
           " scale " + std::to_string(c.nScale);
}

// For every alignment mode: a one-column selection of spaces is inverted
// exactly over the position's mapped point up to the next position's, so the
// caret stands where the character is drawn.
TEST_F(Painting, CaretStandsWhereTheCharacterIsDrawnInEveryMode)
{
    const ModeCase cases[] = {
        {0, false, false, 100}, {1, false, false, 100}, {2, false, false, 100}, {3, false, false, 100},
        {4, true, false, 100},  {5, true, false, 100},  {6, true, false, 100},  {8, true, false, 100},
        {9, true, false, 100},  {10, true, false, 100}, {16, false, false, 100}, {17, false, false, 100},
        {18, false, false, 100}, {5, false, false, 100}, {3, false, true, 100}, {17, false, true, 100},
        {6, true, true, 100},   {9, true, true, 100},   {3, false, false, 150}, {9, true, false, 150},
        {17, false, false, 150}, {1, false, true, 150},
    };
    const ZebUserCell cells[] = {Cell(10, 50, 3), Cell(60, 120, 3), Cell(130, 190, 2)};
    ZebUserCellList list = {3, const_cast<ZebUserCell*>(cells)};
    for (const ModeCase& c : cases)
    {
        ZebDocRecord& doc = D();
        doc.nAlignment = c.nMode;
        ASSERT_EQ(1, DocSetUserCells(m_hDoc, c.bCells ? &list : nullptr));
        doc.head.SetVertical(c.bVertical ? 1 : 0);
        doc.nDocHeight = 100;
        doc.nScale = c.nScale;
        doc.dwOptions = 2;
        Lay("              \n   ", 6);
        doc.nDocHeight = 100;
        MemoryCanvas canvas(300, 150);
        const ZebLineTable& lines = *doc.Lines();
        ASSERT_EQ(4, lines.Count()) << Describe(c);
        for (int l = 0; l < lines.Count(); ++l)
        {
            const ZebLineEntry& line = lines.At(l);
            const int nSpaces = line.endKind == ZebLineEndLineFeed ? line.length - 1 : line.length;
            for (int col = 0; col < nSpaces; ++col)
            {
                Select({col, l}, {col + 1, l});
                ::PatBlt(canvas.dc(), 0, 0, 300, 150, WHITENESS);
                Paint(canvas);
                const POINT pt = PointOf(col, l);
                const int nAcross = c.bVertical ? pt.x + line.height / 2 : pt.y + line.height / 2;
                const std::pair<int, int> span =
                    BlackSpan(canvas, DocToClientPixels(nAcross, c.nScale), c.bVertical);
                POINT hit = {-1, -1};
                ASSERT_EQ(1, DocPointToPosition(m_hDoc, pt.x + (c.bVertical ? 1 : 0), pt.y, &hit));
                EXPECT_EQ(col, hit.x) << Describe(c) << " line " << l << ": the drawn place hits its column";
                EXPECT_EQ(l, hit.y) << Describe(c) << " column " << col;
                const int nAlong = c.bVertical ? pt.y : pt.x;
                EXPECT_EQ(DocToClientPixels(nAlong, c.nScale), span.first)
                    << Describe(c) << " line " << l << " column " << col;
                if (col + 1 <= LineLastColumn(line))
                {
                    const POINT next = PointOf(col + 1, l);
                    EXPECT_EQ(DocToClientPixels(c.bVertical ? next.y : next.x, c.nScale), span.second)
                        << Describe(c) << " line " << l << " column " << col << " ends where the next begins";
                }
            }
        }
    }
}

// Columns of "      " (six spaces, a wrapped line) and of "  \n" (kind 1,
// line-feed mark 8 wide) in a document 200 wide, worked out by hand.
TEST_F(Painting, HandWorkedPlacementsOfEachFamily)
{
    const ZebUserCell cells[] = {Cell(10, 50, 3), Cell(60, 120, 3), Cell(130, 190, 2)};
    ZebUserCellList list = {3, const_cast<ZebUserCell*>(cells)};
    struct
    {
        int nMode;
        bool bCells;
        int nLine;
        std::vector<int> xs;
    } const cases[] = {
        {3, false, 0, {0, 38, 76, 114, 152, 190}},  // free 150 over 5 gaps
        {3, false, 2, {0, 182, 190}},                // free 198 - 16 - 8 = 174 in 1 gap; the mark to 198
        {17, false, 0, {0, 38, 76, 114, 152, 190}},  // wrapped: justified
        {17, false, 2, {174, 182, 190}},             // paragraph end: right, mark counted
        {18, false, 2, {86, 94, 102}},               // (200 - 24) / 2 - 2
        {6, true, 0, {18, 26, 34, 78, 86, 94}},      // centred forward
        {9, true, 0, {42, 96, 104, 112, 174, 182}},  // right backward
    };
    for (const auto& c : cases)
    {
        D().nAlignment = c.nMode;
        ASSERT_EQ(1, DocSetUserCells(m_hDoc, c.bCells ? &list : nullptr));
        Lay("              \n   ", 6);
        std::vector<int> xs;
        for (int col = 0; col < static_cast<int>(c.xs.size()); ++col)
            xs.push_back(PointOf(col, c.nLine).x);
        EXPECT_EQ(c.xs, xs) << "mode " << c.nMode << " line " << c.nLine;
    }
}

TEST_F(Painting, SelectionIsHalfOpenInEitherOrderAndNeedsFocusOrOption)
{
    Lay("            ", 6);
    MemoryCanvas canvas(200, 100);
    D().dwOptions = 2;
    for (int nOrder = 0; nOrder < 2; ++nOrder)
    {
        nOrder == 0 ? Select({5, 0}, {2, 1}) : Select({2, 1}, {5, 0});
        ::PatBlt(canvas.dc(), 0, 0, 200, 100, WHITENESS);
        Paint(canvas);
        EXPECT_EQ(std::make_pair(40, 48), BlackSpan(canvas, 8, false)) << "column 5 of line 0";
        EXPECT_EQ(std::make_pair(0, 16), BlackSpan(canvas, 24, false)) << "columns 0 and 1 of line 1";
    }
    D().dwOptions = 0;
    D().wCaretState &= ~1;
    ::PatBlt(canvas.dc(), 0, 0, 200, 100, WHITENESS);
    Paint(canvas);
    EXPECT_EQ(0, canvas.countInked({0, 0, 200, 100})) << "no focus, no option: nothing inverted";
}

TEST_F(Painting, WmPaintFillsTheDocumentAndEraseTheBorder)
{
    Lay("  ");
    D().head.SetBkColor(kGreen);
    D().head.SetBorderColor(kBlue);
    D().nDocWidth = 150;
    D().nDocHeight = 80;
    D().dwFlags |= kDocNotPainted;
    MemoryCanvas canvas(200, 100, kYellow);
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    EXPECT_EQ(0, ::SendMessageA(m_hDoc, WM_PAINT, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    EXPECT_EQ(0u, D().dwFlags & kDocNotPainted);
    EXPECT_EQ(kBlue, canvas.pixel(160, 10)) << "right of the document";
    EXPECT_EQ(kBlue, canvas.pixel(10, 90)) << "below the document";
    EXPECT_EQ(kGreen, canvas.pixel(100, 5)) << "the line beyond its text";
    EXPECT_EQ(kGreen, canvas.pixel(4, 4)) << "a space's cell";
    EXPECT_EQ(kGreen, canvas.pixel(100, 60)) << "below the lines";
}

TEST_F(Painting, WindowPaintsBetweenBeginAndEndPaint)
{
    Lay("AB");
    D().dwFlags |= kDocNotPainted;
    ::InvalidateRect(m_hDoc, nullptr, TRUE);
    ::UpdateWindow(m_hDoc);
    EXPECT_EQ(0u, D().dwFlags & kDocNotPainted);
    EXPECT_FALSE(::GetUpdateRect(m_hDoc, nullptr, FALSE)) << "the update region was validated";
}

TEST_F(Painting, EraseScalesTheDocumentEdgesWhenZoomed)
{
    Lay("  ");
    D().head.SetBorderColor(kBlue);
    D().nDocWidth = 101;
    D().nDocHeight = 40;
    D().nScale = 150;
    D().head.SetOrigin({1, 0});
    MemoryCanvas canvas(200, 100, kYellow);
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    EXPECT_EQ(kYellow, canvas.pixel(148, 59)) << "(100 x 150 + 50) / 100 = 150 wide, 60 high";
    EXPECT_EQ(kBlue, canvas.pixel(150, 10));
    EXPECT_EQ(kBlue, canvas.pixel(10, 60));
    D().head.SetOrigin({INT_MIN, INT_MIN});
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0))
        << "an origin from outside is held in range";
    EXPECT_EQ(kBlue, canvas.pixel(10, 10)) << "the document lies far away";
}

TEST_F(Painting, TransparentDocumentOnlyDrawsInversions)
{
    Lay("      ");
    D().head.SetTransparent(true);
    MemoryCanvas canvas(200, 100, kYellow);
    EXPECT_EQ(1, ::SendMessageA(m_hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0));
    Paint(canvas);
    EXPECT_EQ(0, canvas.countInked({0, 0, 200, 100})) << "no erase, no fills";
    D().dwOptions = 2;
    Select({1, 0}, {2, 0});
    Paint(canvas);
    EXPECT_EQ(8 * 16, canvas.countInked({0, 0, 200, 100})) << "one inverted cell";
    EXPECT_EQ(RGB(0, 0, 255), canvas.pixel(10, 5)) << "yellow inverted";
}

// "a", an inline bitmap of 12 x 10 and "b": the bitmap stands at the
// bottom of the 16-pixel line after the 8-pixel "a".
class InlineBitmap : public Painting
{
protected:
    void SetUp() override
    {
        Painting::SetUp();
        ASSERT_EQ(0, DocAddBmp(m_hDoc, -1, MakeSolidDib(12, 10, kRed), nullptr));
        LayAttributed("a b", {0, ZebAttrBitmap, 0});
    }
    static RECT RedBox(const MemoryCanvas& canvas)
    {
        RECT rc = {canvas.width(), canvas.height(), -1, -1};
        for (int y = 0; y < canvas.height(); ++y)
        {
            for (int x = 0; x < canvas.width(); ++x)
            {
                if (canvas.pixel(x, y) != kRed)
                    continue;
                rc = {std::min<LONG>(rc.left, x), std::min<LONG>(rc.top, y), std::max<LONG>(rc.right, x + 1),
                      std::max<LONG>(rc.bottom, y + 1)};
            }
        }
        return rc;
    }
};

TEST_F(InlineBitmap, DrawnAtItsMappedPlaceOnScreenAndZoomed)
{
    ASSERT_EQ(16, D().Lines()->At(0).height);
    EXPECT_EQ(8, PointOf(1, 0).x);
    MemoryCanvas canvas(200, 100);
    Paint(canvas);
    RECT rc = RedBox(canvas);
    EXPECT_EQ(8, rc.left);
    EXPECT_EQ(6, rc.top);
    EXPECT_EQ(20, rc.right);
    EXPECT_EQ(16, rc.bottom);

    D().nScale = 150;
    MemoryCanvas zoomed(300, 150);
    Paint(zoomed);
    rc = RedBox(zoomed);
    EXPECT_EQ(12, rc.left);
    EXPECT_EQ(9, rc.top);
    EXPECT_EQ(30, rc.right);
    EXPECT_EQ(24, rc.bottom);
}

TEST_F(InlineBitmap, ScrollOriginAndOffsetPointMoveIt)
{
    D().head.SetOrigin({4, 0});
    MemoryCanvas canvas(200, 100);
    const RECT rc = {0, 0, 100, 50};
    const POINT offset = {20, 10};
    ASSERT_EQ(1, PaintDocHorz(m_hDoc, canvas.dc(), &rc, &offset));
    const RECT red = RedBox(canvas);
    EXPECT_EQ(8 - 4 + 20, red.left);
    EXPECT_EQ(6 + 10, red.top);
}

// An enhanced metafile of a device-context painter, its text origins,
// stretched bitmaps and font heights.
struct EmfRecords
{
    std::vector<POINT> text;
    std::vector<int> textChars;    // characters of each text output
    std::vector<RECT> bitmaps;  // x, y, cx, cy
    std::vector<LONG> fontHeights;
};

int CALLBACK CollectRecord(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    EmfRecords& out = *reinterpret_cast<EmfRecords*>(lParam);
    switch (pRecord->iType)
    {
    case EMR_EXTTEXTOUTA:
    case EMR_EXTTEXTOUTW: {
        const auto* p = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord);
        if (p->emrtext.nChars == 0)
            break;  // a background fill
        out.text.push_back({p->emrtext.ptlReference.x, p->emrtext.ptlReference.y});
        out.textChars.push_back(static_cast<int>(p->emrtext.nChars));
        break;
    }
    case EMR_STRETCHDIBITS: {
        const auto* p = reinterpret_cast<const EMRSTRETCHDIBITS*>(pRecord);
        out.bitmaps.push_back({p->xDest, p->yDest, p->cxDest, p->cyDest});
        break;
    }
    case EMR_EXTCREATEFONTINDIRECTW:
        out.fontHeights.push_back(reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord)->elfw.elfLogFont.lfHeight);
        break;
    default:
        break;
    }
    return 1;
}

template <typename Fn>
EmfRecords Record(Fn draw)
{
    HDC hdc = ::CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
    draw(hdc);
    HENHMETAFILE hEmf = ::CloseEnhMetaFile(hdc);
    EmfRecords out;
    ::EnumEnhMetaFile(nullptr, hEmf, CollectRecord, &out, nullptr);
    ::DeleteEnhMetaFile(hEmf);
    return out;
}

// Runs at 100 percent: a colour change starts a new one, a change of the
// user byte alone does not, and a run stops at a block's end; the line-feed
// mark is one more output, none when it is off.
TEST_F(Painting, RunsAndMarksOfThePlainPainter)
{
    const RECT rc = {0, 0, 200, 100};
    struct
    {
        const char* name;
        std::vector<ZebCharAttr> attrs;
        std::vector<int> outputs;
    } const cases[] = {
        {"one run and the mark", {0, 0, 0, 0, ZebAttrBreak}, {4, 1}},
        {"colour", {0, 0, 2, 2, ZebAttrBreak}, {2, 2, 1}},
        {"user byte", {0, 0, MakeCharAttr(0, 0, 0, 9), MakeCharAttr(0, 0, 0, 9), ZebAttrBreak}, {4, 1}},
    };
    for (const auto& c : cases)
    {
        LayAttributed("abcd\n", c.attrs);
        const EmfRecords emf = Record([&](HDC hdc) { PaintDocHorz(m_hDoc, hdc, &rc, nullptr); });
        EXPECT_EQ(c.outputs, emf.textChars) << c.name;
    }
    D().wLineFeedCode = 0xFFFF;
    LayAttributed("abcd\n", {0, 0, 0, 0, ZebAttrBreak});
    EXPECT_EQ(std::vector<int>({4}), Record([&](HDC hdc) { PaintDocHorz(m_hDoc, hdc, &rc, nullptr); }).textChars)
        << "a mark that is off";
    FillBlocks(*D().Blocks(), "abcd", 0, 2);
    DocReflowFrom(m_hDoc, 0);
    DocWaitLayout(m_hDoc, -1);
    EXPECT_EQ(std::vector<int>({2, 2}), Record([&](HDC hdc) { PaintDocHorz(m_hDoc, hdc, &rc, nullptr); }).textChars)
        << "blocks of two bytes";
}

TEST_F(Painting, DeviceContextRecordsAt96300And600Dpi)
{
    ASSERT_EQ(0, DocAddBmp(m_hDoc, -1, MakeSolidDib(32, 16, kRed), nullptr));
    LayAttributed("AB \n", {0, 0, ZebAttrBitmap, ZebAttrBreak});
    D().dwOptions = 2;
    Select({0, 0}, {2, 0});
    const RECT rcSource = {0, 0, 200, 100};
    const POINT post = {5, 7};
    for (int nDpi : {96, 300, 600})
    {
        int nResult = 0;
        const EmfRecords emf = Record([&](HDC hdc) {
            nResult = DrawDocByAlignmentScaled(m_hDoc, hdc, &rcSource, nullptr, &post, {96, 96}, {nDpi, nDpi});
        });
        EXPECT_EQ(1, nResult);
        ASSERT_EQ(2u, emf.text.size()) << nDpi << " dpi: one output a character, no line-feed mark";
        EXPECT_EQ(5, emf.text[0].x);
        EXPECT_EQ(5 + nDpi * 8 / 96, emf.text[1].x) << nDpi;
        EXPECT_EQ(7, emf.text[1].y) << nDpi;
        ASSERT_EQ(1u, emf.bitmaps.size()) << nDpi;
        EXPECT_EQ(5 + nDpi * 16 / 96, emf.bitmaps[0].left) << nDpi;
        EXPECT_EQ(7, emf.bitmaps[0].top) << nDpi;
        EXPECT_EQ(nDpi * 32 / 96, emf.bitmaps[0].right) << "width";
        EXPECT_EQ(nDpi * 16 / 96, emf.bitmaps[0].bottom) << "height";
        ASSERT_FALSE(emf.fontHeights.empty());
        EXPECT_EQ(nDpi * 16 / 96, emf.fontHeights[0]) << nDpi;
    }
    const EmfRecords at600 = Record([&](HDC hdc) {
        DrawDocHorzScaled(m_hDoc, hdc, &rcSource, nullptr, nullptr, {96, 96}, {600, 600});
    });
    ASSERT_EQ(1u, at600.bitmaps.size());
    EXPECT_EQ(100, at600.bitmaps[0].left) << "600 x 16 / 96";
    EXPECT_EQ(200, at600.bitmaps[0].right);
    EXPECT_EQ(100, at600.bitmaps[0].bottom);
}

// On the "PDF" printer (300 dpi) through the wrapper, which reads the
// printer's resolution: a justified line "a", a black bitmap of 32 x 16 and
// "b" spread over the document's width, placed 300 device pixels in.
TEST_F(Painting, PrintsOnARealPrinterAtItsResolution)
{
    ASSERT_EQ(0, DocAddBmp(m_hDoc, -1, MakeSolidDib(32, 16, kBlack), nullptr));
    D().nAlignment = 3;
    LayAttributed("a b", {0, ZebAttrBitmap, 0});
    const POINT bitmap = PointOf(1, 0);
    ASSERT_GT(bitmap.x, 8) << "spread";
    PdfPrintJob job("textpaint");
    ASSERT_TRUE(job.started());
    const int nDpi = ::GetDeviceCaps(job.dc(), LOGPIXELSX);
    const RECT rcSource = {0, 0, 200, 100};
    const POINT post = {300, 300};
    EXPECT_EQ(1, DrawDocByAlignment(m_hDoc, job.dc(), &rcSource, nullptr, &post));
    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    const GrayImage image = RasterizePdf(pdf, nDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const int x = 300 + nDpi * bitmap.x / 96;
    const int nWidth = nDpi * 32 / 96;
    const int nHeight = nDpi * 16 / 96;
    EXPECT_LT(image.mean(x + 2, 302, x + nWidth - 2, 300 + nHeight - 2), 40) << "the bitmap, stretched";
    EXPECT_GT(image.mean(x - 12, 302, x - 2, 300 + nHeight - 2), 200) << "the gap before it";
    EXPECT_GT(image.mean(x + nWidth + 2, 302, x + nWidth + 12, 300 + nHeight - 2), 200) << "the gap after it";
}

TEST_F(Painting, DeviceContextDrawsAFirstLineTallerThanTheDocument)
{
    Lay("AB");
    D().nDocHeight = 10;
    const RECT rcSource = {0, 0, 200, 100};
    int nResult = 0;
    const EmfRecords emf = Record([&](HDC hdc) {
        nResult = DrawDocByAlignmentScaled(m_hDoc, hdc, &rcSource, nullptr, nullptr, {96, 96}, {300, 300});
    });
    EXPECT_EQ(1, nResult);
    EXPECT_EQ(2u, emf.text.size()) << "A and B, one output each";
    const EmfRecords none = Record([&](HDC hdc) {
        const RECT rcBelow = {0, 50, 200, 100};
        nResult = DrawDocByAlignmentScaled(m_hDoc, hdc, &rcBelow, nullptr, nullptr, {96, 96}, {300, 300});
    });
    EXPECT_EQ(0, nResult) << "no line meets the rectangle";
    EXPECT_TRUE(none.text.empty());
}

// Products of the zoom, the scroll origin and the resolutions are taken in
// 64 bits and held in range: 32-bit wrap-around would bring the text back
// onto the canvas.
TEST_F(Painting, ValuesFromOutsideAreBounded)
{
    Lay("AB");
    D().head.SetBkColor(kGreen);
    D().nScale = 1000;
    D().head.SetOrigin({INT_MAX - 5, 0});
    MemoryCanvas canvas(50, 50);
    Paint(canvas);
    EXPECT_EQ(0, canvas.countInked({0, 0, 50, 50})) << "everything lies far right of the canvas";
    D().nScale = 100;
    D().head.SetOrigin({0, 0});
    const RECT rcSource = {0, 0, 200, 100};
    const EmfRecords emf = Record([&](HDC hdc) {
        DrawDocByAlignmentScaled(m_hDoc, hdc, &rcSource, nullptr, nullptr, {1, 1}, {INT_MAX / 4, 1});
    });
    ASSERT_EQ(2u, emf.text.size());
    EXPECT_EQ(INT_MAX, emf.text[1].x) << "8 x (2^31 / 4) held at the largest int";
}

TEST_F(Painting, WhiteBoardDrawsTextDocumentsInItsCaptures)
{
    Lay("AB");
    D().head.SetBkColor(kRed);
    MemoryCanvas canvas(300, 200, kWhite);
    const RECT rcClip = {0, 0, 300, 200};
    EXPECT_TRUE(DrawChildToDC(m_hWb, m_hDoc, canvas.dc(), &rcClip, nullptr));
    EXPECT_EQ(kRed, canvas.pixel(150, 50));
    HBITMAP hBitmap = nullptr;
    ASSERT_TRUE(CaptureWhiteBoard(m_hWb, nullptr, nullptr, &hBitmap, nullptr, nullptr));
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    EXPECT_EQ(kRed, ::GetPixel(hdc, 150, 50));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hBitmap);
}

// One page of each alignment family, drawn with a Japanese font into
// bitmaps under the test folder (to be looked at), on screen, zoomed and
// on a device context at twice the resolution.
TEST_F(TextDocs, RendersOnePageOfEachFamily)
{
    const std::string paragraph =
        "\x92\xa0\x95[\x82\xcc\x95\xb6\x8e\x9a\x82\xf0\x98g\x82\xc9\x8d\x87\x82\xed\x82\xb9\x82\xc4\x95`\x82\xab"
        "\x82\xdc\x82\xb7\x81" "BForms 2026 \x94N\x93x\x81" "A\x91\xe6" "1\x8el\x94\xbc\x8a\xfa\x82\xcc\x90\xbf\x8b"
        "\x81\x8f\x91";
    const std::string text = paragraph + "\n" + paragraph + paragraph + "\n\n" + "12,345\x89~\n";
    const ZebUserCell cells[] = {Cell(10, 60, 4), Cell(70, 150, 6), Cell(160, 300, 8)};
    ZebUserCellList list = {3, const_cast<ZebUserCell*>(cells)};
    struct
    {
        const char* name;
        int nMode;
        bool bVertical;
        int nScale;
        bool bDevice;
    } const pages[] = {
        {"plain_left", 0, false, 100, false},    {"plain_right", 1, false, 100, false},
        {"plain_centre", 2, false, 100, false},  {"justified", 3, false, 100, false},
        {"para_right", 17, false, 100, false},   {"cells_forward_centre", 6, false, 100, false},
        {"cells_backward_right", 9, false, 100, false}, {"vertical_justified", 3, true, 100, false},
        {"vertical_plain", 0, true, 100, false}, {"zoomed_para_centre", 18, false, 150, false},
        {"device_justified_x2", 3, false, 100, true}, {"device_cells_x2", 6, false, 100, true},
        {"device_vertical_x2", 0, true, 100, true},
    };
    const std::string folder = FreshTestFolder();
    for (const auto& page : pages)
    {
        HWND hDoc = ::CreateWindowExA(0, "ZEB95DOWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 320, 200, m_hWb, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, hDoc);
        ZebDocRecord& doc = Doc(hDoc);
        if (page.bVertical)
            DocSetVertMode(hDoc, 1);
        LOGFONTA lf = {};
        lf.lfHeight = 18;
        lf.lfCharSet = SHIFTJIS_CHARSET;
        lstrcpyA(lf.lfFaceName, "MS Gothic");
        ASSERT_EQ(1, DocSetFont(hDoc, &lf));
        doc.head.SetBkColor(RGB(255, 255, 240));
        doc.nAlignment = page.nMode;
        ASSERT_EQ(1, DocSetUserCells(hDoc, page.nMode == 6 || page.nMode == 9 ? &list : nullptr));
        DocStopLayout(doc);
        FillBlocks(*doc.Blocks(), text, MakeCharAttr(0, doc.nTypingFont, 0, 0));
        DocReflowFrom(hDoc, 0);
        DocWaitLayout(hDoc, -1);
        doc.dwOptions = 2;
        doc.anchor = {4, 0};
        doc.head.SetCaretPos({10, 0});
        doc.nScale = page.nScale;
        const int nFactor = page.bDevice ? 2 : 1;
        MemoryCanvas canvas(320 * page.nScale / 100 * nFactor, 200 * page.nScale / 100 * nFactor);
        const RECT rc = {0, 0, canvas.width(), canvas.height()};
        if (page.bDevice)
        {
            const RECT rcSource = {0, 0, 320, 200};
            EXPECT_EQ(1, DrawDocByAlignmentScaled(hDoc, canvas.dc(), &rcSource, nullptr, nullptr, {1, 1}, {2, 2}));
        }
        else
        {
            ::SendMessageA(hDoc, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()), 0);
            EXPECT_EQ(1, PaintDocByAlignment(hDoc, canvas.dc(), &rc, nullptr));
        }
        EXPECT_GT(canvas.countInked(rc), 500) << page.name;
        EXPECT_TRUE(canvas.saveBmp(folder + "\\" + page.name + ".bmp")) << page.name;
        ::DestroyWindow(hDoc);
    }
    std::printf("pages in %s\n", folder.c_str());
}

}  // namespace
