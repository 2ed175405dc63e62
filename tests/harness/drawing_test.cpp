#include <gtest/gtest.h>
#include <algorithm>
#include "canvas.h"
#include "pdf_printer.h"

namespace {

HFONT JapaneseFont(int height, const char* face)
{
    LOGFONTA lf = {};
    lf.lfHeight = -height;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return ::CreateFontIndirectA(&lf);
}

}  // namespace

// The faces that forms name must resolve to installed Japanese fonts that
// really draw kanji.
TEST(Harness, JapaneseFacesResolveAndDraw)
{
    for (const char* face : {"ＭＳ ゴシック", "ＭＳ 明朝", "ＭＳ Ｐゴシック"}) {
        SCOPED_TRACE(face);
        MemoryCanvas canvas(64, 64);
        HFONT font = JapaneseFont(40, face);
        HGDIOBJ old = ::SelectObject(canvas.dc(), font);
        TEXTMETRICA tm;
        ASSERT_TRUE(::GetTextMetricsA(canvas.dc(), &tm));
        EXPECT_EQ(SHIFTJIS_CHARSET, tm.tmCharSet);
        SIZE size;
        ::GetTextExtentPoint32A(canvas.dc(), "表", 2, &size);
        EXPECT_GT(size.cx, 30);
        ::TextOutA(canvas.dc(), 8, 8, "表", 2);
        ::SelectObject(canvas.dc(), old);
        ::DeleteObject(font);
        RECT glyph = {8, 8, 56, 56};
        EXPECT_GT(canvas.countInked(glyph), 100);
    }
}

TEST(Harness, MetafileRecorderListsRecords)
{
    MetafileRecorder recorder;
    ::Rectangle(recorder.dc(), 10, 10, 100, 50);
    ::TextOutA(recorder.dc(), 0, 0, "表", 2);
    const std::vector<DWORD>& records = recorder.close();
    ASSERT_GE(records.size(), 4u);
    EXPECT_EQ(static_cast<DWORD>(EMR_HEADER), records.front());
    EXPECT_EQ(static_cast<DWORD>(EMR_EOF), records.back());
    EXPECT_NE(records.end(), std::find(records.begin(), records.end(), static_cast<DWORD>(EMR_RECTANGLE)));
    EXPECT_NE(records.end(), std::find(records.begin(), records.end(), static_cast<DWORD>(EMR_EXTTEXTOUTW)));
}

// A page printed through the spooler arrives as a PDF with the square and the
// kanji where they were drawn.
TEST(Harness, PrintsThroughSpoolerToPdf)
{
    PdfPrintJob job("harness");
    ASSERT_TRUE(job.started());
    HDC dc = job.dc();
    const int dpi = ::GetDeviceCaps(dc, LOGPIXELSX);
    const int offX = ::GetDeviceCaps(dc, PHYSICALOFFSETX);
    const int offY = ::GetDeviceCaps(dc, PHYSICALOFFSETY);
    // Paper coordinates in inches, moved into the printable area.
    RECT square = {dpi - offX, dpi - offY, 2 * dpi - offX, 2 * dpi - offY};
    ::FillRect(dc, &square, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
    HFONT font = JapaneseFont(dpi, "ＭＳ 明朝");
    HGDIOBJ old = ::SelectObject(dc, font);
    ::TextOutA(dc, 3 * dpi - offX, dpi - offY, "表", 2);
    ::SelectObject(dc, old);
    ::DeleteObject(font);

    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    GrayImage page = RasterizePdf(pdf, 50);
    ASSERT_GT(page.width, 0);
    EXPECT_LT(page.mean(55, 55, 95, 95), 10.0);     // inside the square: black
    EXPECT_GT(page.mean(10, 10, 45, 45), 250.0);    // above and left of it: white
    EXPECT_GT(page.mean(100, 50, 150, 100), 250.0); // between square and kanji
    const double glyph = page.mean(150, 50, 200, 100);
    EXPECT_LT(glyph, 240.0);                         // the kanji left ink
    EXPECT_GT(glyph, 20.0);                          // ... but is no solid block
    ::DeleteFileA(pdf.c_str());
}
