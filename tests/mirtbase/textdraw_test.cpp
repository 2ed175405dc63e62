// Text field drawing read back from enhanced metafiles: the rows each text
// output lands on, their positions, colours and fonts. A "printer" here is
// a printing CDC over a metafile context, a preview one whose attributes
// come from another context. Last, a page printed on the CUPS "PDF" printer
// and read back with pdftotext (DejaVu Sans maps to Unicode there; the IPA
// faces do not) and as ink.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "arial_field.h"
#include "canvas.h"
#include "draw/textdraw.h"
#include "field_fixture.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "pdf_printer.h"

namespace {

struct Output
{
    int x;
    int y;
    std::string text;
    COLORREF color;
};

struct Drawing
{
    std::vector<Output> outputs;
    std::vector<LONG> fontHeights;
    COLORREF color = 0;

    // Row texts in order of their first output, a row being the outputs at
    // one y (one x for vertical text).
    std::vector<std::string> Rows(bool bVertical = false) const
    {
        std::vector<std::string> rows;
        for (int key : RowKeys(bVertical)) {
            std::string row;
            for (const Output& o : outputs)
                row += (bVertical ? o.x : o.y) == key ? o.text : std::string();
            rows.push_back(row);
        }
        return rows;
    }

    std::vector<int> RowKeys(bool bVertical = false) const
    {
        std::vector<int> keys;
        for (const Output& o : outputs) {
            const int key = bVertical ? o.x : o.y;
            if (keys.empty() || std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
        return keys;
    }
};

std::string Narrow(const WCHAR* pText, int nChars)
{
    char buffer[512];
    const int n = ::WideCharToMultiByte(932, 0, pText, nChars, buffer, sizeof buffer, nullptr, nullptr);
    return std::string(buffer, n > 0 ? n : 0);
}

int CALLBACK CollectText(HDC, HANDLETABLE*, const ENHMETARECORD* pRecord, int, LPARAM lParam)
{
    Drawing& drawing = *reinterpret_cast<Drawing*>(lParam);
    const BYTE* pBytes = reinterpret_cast<const BYTE*>(pRecord);
    switch (pRecord->iType) {
    case EMR_SETTEXTCOLOR:
        drawing.color = reinterpret_cast<const EMRSETTEXTCOLOR*>(pRecord)->crColor;
        break;
    case EMR_EXTCREATEFONTINDIRECTW:
        drawing.fontHeights.push_back(
            reinterpret_cast<const EMREXTCREATEFONTINDIRECTW*>(pRecord)->elfw.elfLogFont.lfHeight);
        break;
    case EMR_EXTTEXTOUTW: {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTW*>(pRecord)->emrtext;
        drawing.outputs.push_back({text.ptlReference.x, text.ptlReference.y,
            Narrow(reinterpret_cast<const WCHAR*>(pBytes + text.offString), static_cast<int>(text.nChars)),
            drawing.color});
        break;
    }
    case EMR_EXTTEXTOUTA: {
        const EMRTEXT& text = reinterpret_cast<const EMREXTTEXTOUTA*>(pRecord)->emrtext;
        drawing.outputs.push_back({text.ptlReference.x, text.ptlReference.y,
            std::string(reinterpret_cast<const char*>(pBytes + text.offString), text.nChars), drawing.color});
        break;
    }
    default:
        break;
    }
    return 1;
}

enum Target
{
    SCREEN,
    PRINTER,   // printing, output and attributes one context
    PREVIEW    // printing, attributes from another context
};

Drawing ReadBack(MetafileRecorder& recorder)
{
    recorder.close();
    Drawing drawing;
    ::EnumEnhMetaFile(nullptr, recorder.metafile(), CollectText, &drawing, nullptr);
    return drawing;
}

// Draws the field on a metafile and reads its text back. hAttrib: the
// preview's attribute context (a memory context when null).
Drawing DrawOn(CNPropObj& field, Target target, HDC hAttrib = nullptr, int nMode = 0)
{
    MetafileRecorder recorder;
    HDC hMemory = nullptr;
    if (target == PREVIEW && hAttrib == nullptr)
        hAttrib = hMemory = ::CreateCompatibleDC(nullptr);
    {
        const std::unique_ptr<CDC> dc =
            BorrowDC(recorder.dc(), target == PREVIEW ? hAttrib : recorder.dc(), target != SCREEN);
        field.Draw(dc.get(), nMode);
    }
    if (hMemory != nullptr)
        ::DeleteDC(hMemory);
    return ReadBack(recorder);
}

// Draws the field on a screen metafile whose logical units are twice as
// tall as wide, so that a font of a given height is twice as wide (in
// logical units) there as on the display.
Drawing DrawOnStretchedScreen(CNPropObj& field)
{
    MetafileRecorder recorder;
    ::SetMapMode(recorder.dc(), MM_ANISOTROPIC);
    ::SetWindowExtEx(recorder.dc(), 1, 1, nullptr);
    ::SetViewportExtEx(recorder.dc(), 1, 2, nullptr);
    {
        CBorrowedDC dc(recorder.dc(), recorder.dc(), FALSE);
        field.Draw(&dc, 0);
    }
    return ReadBack(recorder);
}

typedef ArialField<CNPropObjDoc> TextField;
typedef ArialField<CNPropObjEdt> EditField;

const int kPixelHeight = 12;

// Widths in the field's font on the screen.
class ScreenMetrics
{
public:
    explicit ScreenMetrics(CNPropObj& field) : m_hDC(::CreateCompatibleDC(nullptr))
    {
        LOGFONT lf = *field.GetLogFont();
        lf.lfHeight = kPixelHeight;
        m_hFont = ::CreateFontIndirectA(&lf);
        m_hOld = ::SelectObject(m_hDC, m_hFont);
    }
    ~ScreenMetrics()
    {
        ::SelectObject(m_hDC, m_hOld);
        ::DeleteObject(m_hFont);
        ::DeleteDC(m_hDC);
    }
    int Width(const char* psz) const
    {
        SIZE size;
        ::GetTextExtentPoint32A(m_hDC, psz, static_cast<int>(std::strlen(psz)), &size);
        return size.cx;
    }

private:
    HDC m_hDC;
    HFONT m_hFont;
    HGDIOBJ m_hOld;
};

std::string Joined(const std::vector<std::string>& rows)
{
    std::string all;
    for (const std::string& row : rows)
        all += row;
    return all;
}

const char kLongText[] = "The quick brown fox jumps over the lazy dog, and then the dog sleeps.";

TEST(TextDrawTest, BreaksAtTheSameCharactersAtEveryZoomAndOnPaper)
{
    CTestFormWnd form;
    TextField field({100, 100, 500, 900}, kLongText, &form);
    const std::vector<std::string> rows = DrawOn(field, SCREEN).Rows();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(kLongText, Joined(rows));
    for (UINT nZoom : {50u, 200u}) {
        form.SetPercent(nZoom);
        EXPECT_EQ(rows, DrawOn(field, SCREEN).Rows()) << nZoom << " %";
    }
    form.SetPercent(100);
    HDC hPrinter = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    ASSERT_NE(nullptr, hPrinter);
    EXPECT_GE(::GetDeviceCaps(hPrinter, LOGPIXELSY), 300);
    form.SetPrintPaper(1);
    EXPECT_EQ(rows, DrawOn(field, PREVIEW, hPrinter).Rows());
    EXPECT_EQ(rows, DrawOn(field, PRINTER).Rows());
    ::DeleteDC(hPrinter);
}

TEST(TextDrawTest, ZoomScalesFontHeightBy101AndRowsByTheZoom)
{
    CTestFormWnd form;
    form.SetPercent(200);
    TextField field({0, 0, 500, 900}, "A\r\nB", &form);
    const Drawing drawing = DrawOn(field, SCREEN);
    ASSERT_EQ(1u, drawing.fontHeights.size());
    EXPECT_EQ(kPixelHeight * 200 / 101, drawing.fontHeights[0]);
    ASSERT_EQ(2u, drawing.outputs.size());
    // Row 1 sits (200 x 12 + 50) / 100 = 24 pixels down.
    EXPECT_EQ(24, drawing.outputs[1].y - drawing.outputs[0].y);
}

TEST(TextDrawTest, AlignmentPlacesTheRow)
{
    TextField field({0, 0, 1000, 100}, "AB");
    ScreenMetrics metrics(field);
    const int nRight = 378;
    const int nA = metrics.Width("A");
    const int nB = metrics.Width("B");
    const int nSlack = nRight - metrics.Width("AB");
    struct Case
    {
        int align;
        int xA;
        int xB;
    } cases[] = {
        {1, 0, nA},
        {2, nSlack, nRight - nB},
        {3, nSlack / 2, nSlack / 2 + nA},
        {4, 0, nRight - nB},
    };
    for (const Case& c : cases) {
        field.SetAlign(c.align);
        const Drawing drawing = DrawOn(field, SCREEN);
        ASSERT_EQ(2u, drawing.outputs.size()) << c.align;
        EXPECT_NEAR(c.xA, drawing.outputs[0].x, 1) << c.align;
        EXPECT_NEAR(c.xB, drawing.outputs[1].x, 1) << c.align;
        EXPECT_EQ(0, drawing.outputs[0].y) << c.align;
    }
}

TEST(TextDrawTest, RowPitchPlacesRowsAndTheExtraSpaceBeforeEach)
{
    struct Case
    {
        int rowHeight;
        int pitch;
    } cases[] = {{5, 12}, {10, 12}, {15, 18}, {20, 24}};
    for (const Case& c : cases) {
        TextField field({0, 0, 1000, 1000}, "A\r\nB\r\nC");
        field.SetRowHeight(c.rowHeight);
        const Drawing drawing = DrawOn(field, SCREEN);
        ASSERT_EQ(3u, drawing.outputs.size()) << c.rowHeight;
        for (int r = 0; r < 3; ++r)
            EXPECT_EQ(r * c.pitch + c.pitch - kPixelHeight, drawing.outputs[r].y) << c.rowHeight << " row " << r;
    }
}

// Deliberate: the extra space of a row is the pitch less the height's
// magnitude, so a negative (character-height) font sits in its rows as a
// positive one does instead of moving down by twice its height.
TEST(TextDrawTest, NegativeFontHeightSitsInItsRowAsAPositiveOne)
{
    TextField field({0, 0, 1000, 1000}, "A\r\nB");
    LOGFONT lf = *field.GetLogFont();
    lf.lfHeight = -9;
    field.SetLogFont(&lf);
    const Drawing drawing = DrawOn(field, SCREEN);
    ASSERT_EQ(2u, drawing.outputs.size());
    EXPECT_EQ(0, drawing.outputs[0].y);
    EXPECT_EQ(12, drawing.outputs[1].y);
}

TEST(TextDrawTest, VerticalRowsRunFromTheRightEdgeLeftwards)
{
    TextField field({0, 0, 1000, 1000}, "A\r\nB");
    field.m_text.m_bVertical = TRUE;
    field.SetRowHeight(20);
    const Drawing drawing = DrawOn(field, SCREEN);
    ASSERT_EQ(2u, drawing.outputs.size());
    EXPECT_EQ(378 - 12, drawing.outputs[0].x);
    EXPECT_EQ(378 - 24 - 12, drawing.outputs[1].x);
    EXPECT_EQ(0, drawing.outputs[1].y);
    ASSERT_EQ(1u, drawing.fontHeights.size());
}

// Vertical text runs along the field's height: right alignment puts the
// row's end at the bottom, centring its middle in the middle.
TEST(TextDrawTest, VerticalRightAndCentreAlignment)
{
    TextField field({0, 0, 1000, 1000}, "AB");
    field.m_text.m_bVertical = TRUE;
    ScreenMetrics metrics(field);
    const int nSlack = 378 - metrics.Width("AB");
    struct Case
    {
        int align;
        int yA;
    } cases[] = {{1, 0}, {2, nSlack}, {3, nSlack / 2}};
    for (const Case& c : cases) {
        field.SetAlign(c.align);
        const Drawing drawing = DrawOn(field, SCREEN);
        ASSERT_EQ(2u, drawing.outputs.size()) << c.align;
        EXPECT_EQ(378, drawing.outputs[0].x) << c.align;
        EXPECT_NEAR(c.yA, drawing.outputs[0].y, 1) << c.align;
        EXPECT_NEAR(c.yA + metrics.Width("A"), drawing.outputs[1].y, 1) << c.align;
    }
}

size_t CountRecords(const std::vector<DWORD>& records, DWORD type)
{
    return static_cast<size_t>(std::count(records.begin(), records.end(), type));
}

std::vector<DWORD> RecordsOf(CNPropObj& field, Target target)
{
    MetafileRecorder recorder;
    {
        CBorrowedDC dc(recorder.dc(), recorder.dc(), target != SCREEN);
        field.Draw(&dc, 0);
    }
    return recorder.close();
}

// On the screen the text is clipped to the field and the clipping removed
// afterwards; a printer gets no clipping. The border bit frames the field.
TEST(TextDrawTest, ScreenClippingAndBorderFrame)
{
    TextField field({0, 0, 1000, 100}, "AB");
    const std::vector<DWORD> screen = RecordsOf(field, SCREEN);
    EXPECT_EQ(2u, CountRecords(screen, EMR_EXTSELECTCLIPRGN));
    EXPECT_EQ(0u, CountRecords(RecordsOf(field, PRINTER), EMR_EXTSELECTCLIPRGN));

    const size_t nPlain = screen.size();
    field.SetBorder(TRUE);
    const std::vector<DWORD> framed = RecordsOf(field, SCREEN);
    EXPECT_GT(framed.size(), nPlain);
    EXPECT_EQ(2u, CountRecords(framed, EMR_EXTSELECTCLIPRGN));
}

// A record with every attribute at the edge of its range loads (the font
// held to 1000 points) and draws, with its shadow copies, on the screen and
// on a printer, leaving the context as it was.
TEST(TextDrawTest, HostileAttributeValues)
{
    CNPropObjDoc field;
    field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, CNPropObj::INPUT_DATA);
    field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    field.m_rect = RECT{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    field.m_strData = "AB\r\nCD";
    LOGFONT lf = *field.GetLogFont();
    lf.lfHeight = INT_MAX;
    lf.lfWidth = INT_MIN;
    field.SetLogFont(&lf);
    field.SetRowHeight(INT_MAX);
    field.SetPichRate(INT_MAX);
    field.m_nAngle = INT_MIN;
    field.m_ptOrigin = CPoint(INT_MIN, INT_MAX);
    field.m_sizeShadow1 = CSize(INT_MAX, INT_MIN);
    field.SetShadowOffset(CSize(INT_MIN, INT_MAX));
    field.SetShadow(CNPropObjDoc::SHADOW_TWO);
    CNPropObjDoc loaded;
    Load(loaded, Store(field));
    EXPECT_EQ(1000, loaded.GetLogFont()->lfHeight);
    EXPECT_EQ(-1000, loaded.GetLogFont()->lfWidth);
    EXPECT_EQ(INT_MAX, loaded.GetRowHeight());

    for (Target target : {SCREEN, PRINTER}) {
        MemoryCanvas canvas(10, 10);
        const HGDIOBJ hFont = ::GetCurrentObject(canvas.dc(), OBJ_FONT);
        {
            CBorrowedDC dc(canvas.dc(), canvas.dc(), target != SCREEN);
            loaded.Draw(&dc, 0);
            loaded.CalcShadowRect(&dc, 1);
        }
        EXPECT_EQ(hFont, ::GetCurrentObject(canvas.dc(), OBJ_FONT)) << target;
        HRGN hClip = ::CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(0, ::GetClipRgn(canvas.dc(), hClip)) << target;
        ::DeleteObject(hClip);
    }
}

struct GateCase
{
    const char* name;
    Target target;
    DWORD attr1;
    UINT printPaper;
    DWORD flags;
    bool drawn;
};

TEST(TextDrawTest, DrawingGate)
{
    const GateCase cases[] = {
        {"screen", SCREEN, 1, 0, 0, true},
        {"screen, never printed", SCREEN, 2, 0, 0, true},
        {"screen, hidden", SCREEN, 1, 0, CNPropObj::FLAG_HIDDEN, false},
        {"printer", PRINTER, 1, 0, 0, true},
        {"printer, never printed", PRINTER, 2, 1, 0, false},
        {"printer, paper only, not paper", PRINTER, 0, 0, 0, false},
        {"printer, paper only, paper", PRINTER, 0, 1, 0, true},
        {"printer, not printed", PRINTER, 1, 1, CNPropObj::FLAG_NOPRINT, false},
        {"preview, paper only", PREVIEW, 0, 0, 0, true},
        {"preview, never printed", PREVIEW, 2, 0, 0, true},
        {"preview, not printed", PREVIEW, 1, 0, CNPropObj::FLAG_NOPRINT, false},
        {"preview, hidden", PREVIEW, 1, 0, CNPropObj::FLAG_HIDDEN, false},
    };
    for (const GateCase& c : cases) {
        CTestFormWnd form;
        form.SetPrintPaper(c.printPaper);
        TextField field({0, 0, 1000, 100}, "AB", &form);
        field.SetAttr(CNPropObj::ATTRIBUTE_PRINT, c.attr1);
        field.m_dwFlags = c.flags;
        EXPECT_EQ(c.drawn, !DrawOn(field, c.target).outputs.empty()) << c.name;
    }
}

TEST(TextDrawTest, LineEnds)
{
    struct Case
    {
        const char* text;
        std::vector<std::string> rows;
        std::vector<int> ys;
    } cases[] = {
        {"AB\r\nCD", {"AB", "CD"}, {0, 12}},
        {"AB\nCD", {"AB", "CD"}, {0, 12}},
        {"AB\n\nCD", {"AB", "CD"}, {0, 24}},
        {"AB\r\n\r\nCD\r\n", {"AB", "CD"}, {0, 24}},
        {"\nAB", {"AB"}, {12}},
        {"A\rB", {"A\rB"}, {0}},
    };
    for (const Case& c : cases) {
        TextField field({0, 0, 1000, 1000}, c.text);
        const Drawing drawing = DrawOn(field, SCREEN);
        EXPECT_EQ(c.rows, drawing.Rows()) << c.text;
        EXPECT_EQ(c.ys, drawing.RowKeys()) << c.text;
    }
}

TEST(TextDrawTest, DoubleByteLinesBreakBetweenCharacters)
{
    const char kText[] = "あいうえおかきくけこさしすせそ\n漢字";
    TextField field({0, 0, 150, 1000}, kText);
    field.SetLogFont(CNPropObjDoc().GetLogFont());
    const std::vector<std::string> rows = DrawOn(field, SCREEN).Rows();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ("漢字", rows.back());
    std::string all;
    for (const std::string& row : rows) {
        EXPECT_EQ(0u, row.size() % 2) << row;
        all += row;
    }
    EXPECT_EQ("あいうえおかきくけこさしすせそ漢字", all);
}

TEST(TextDrawTest, FirstCharacterWiderThanTheFieldTakesARowOfItsOwn)
{
    TextField field({0, 0, 20, 1000}, "WWi");
    const Drawing drawing = DrawOn(field, SCREEN);
    EXPECT_EQ((std::vector<std::string>{"W", "W", "i"}), drawing.Rows());
    EXPECT_EQ((std::vector<int>{0, 12, 24}), drawing.RowKeys());
    for (const Output& o : drawing.outputs)
        EXPECT_EQ(0, o.x) << o.text;
}

// Field units whose screen width is nPixels.
LONG UnitsForPixels(int nPixels)
{
    return (nPixels * 1000 + 377) / 378;
}

// A row takes what fits in the field's width less 2 pixels.
TEST(TextDrawTest, RowsFitTwoPixelsShortOfTheField)
{
    TextField probe({0, 0, 0, 0}, "");
    const int nWidth = ScreenMetrics(probe).Width("ABCD");
    const struct
    {
        int pixels;
        std::vector<std::string> rows;
    } cases[] = {{nWidth + 2, {"ABCD"}}, {nWidth + 1, {"ABC", "D"}}};
    for (const auto& c : cases) {
        TextField field({0, 0, UnitsForPixels(c.pixels), 1000}, "ABCD");
        EXPECT_EQ(c.rows, DrawOn(field, SCREEN).Rows()) << c.pixels;
    }
}

// A bold font's rows are measured its overhang wider; Wine's fonts report
// none, so the rule is checked on the metrics.
TEST(TextDrawTest, BoldOverhangWidensTheMeasure)
{
    const struct
    {
        LONG weight;
        LONG overhang;
        int taken;
    } cases[] = {{FW_NORMAL, 3, 0}, {550, 3, 0}, {551, 3, 3}, {FW_BOLD, 2, 2}, {FW_HEAVY, 0, 0}};
    for (const auto& c : cases) {
        TEXTMETRIC metrics = {};
        metrics.tmWeight = c.weight;
        metrics.tmOverhang = c.overhang;
        EXPECT_EQ(c.taken, CTextDrawer::Overhang(metrics)) << c.weight;
    }
}

// A measured fit that ends after a lead byte is raised to the whole
// character (the first of a row) or moved back before it; a row holding one
// character because the line went on is centred in the field, whatever its
// width, even when that character is the line's last. With a font of ANSI_CHARSET Wine measures byte by byte, so the
// two bytes of the code page 932 character 0x8A 0x57 measure as two
// characters and a fit of 1 happens.
TEST(TextDrawTest, DoubleByteFitTakesWholeCharactersAndWrappedRowsAreCentred)
{
    TextField probe({0, 0, 0, 0}, "");
    const ScreenMetrics metrics(probe);
    const int nLead = metrics.Width("\x8A");
    const int nChar = metrics.Width("\x8A\x57");
    const int nA = metrics.Width("A");
    const int nALead = metrics.Width("A\x8A");
    ASSERT_LT(nLead, nChar);
    ASSERT_LT(nA, nALead);
    ASSERT_LE(nChar, nALead);
    struct Row
    {
        int x;
        size_t bytes;
    };
    const struct
    {
        const char* text;
        int pixels;
        std::vector<Row> rows;
    } cases[] = {
        // Only the lead byte fits: each row takes the whole character.
        {"\x8A\x57\x8A\x57", nLead + 2, {{(nLead + 2 - nChar) / 2, 2}, {(nLead + 2 - nChar) / 2, 2}}},
        // "A" and the lead byte fit: the row ends before the character,
        // which fits whole in the last row and is aligned left.
        {"A\x8A\x57", nALead + 2, {{(nALead + 2 - nA) / 2, 1}, {0, 2}}},
    };
    for (const auto& c : cases) {
        TextField field({0, 0, UnitsForPixels(c.pixels), 1000}, c.text);
        const Drawing drawing = DrawOn(field, SCREEN);
        ASSERT_EQ(c.rows.size(), drawing.outputs.size()) << c.text;
        for (size_t i = 0; i < c.rows.size(); ++i) {
            EXPECT_EQ(c.rows[i].x, drawing.outputs[i].x) << c.text << " row " << i;
            EXPECT_EQ(static_cast<int>(i) * kPixelHeight, drawing.outputs[i].y) << c.text << " row " << i;
            EXPECT_EQ(c.rows[i].bytes, drawing.outputs[i].text.size()) << c.text << " row " << i;
        }
    }
}

TEST(TextDrawTest, OnlyRowsThatFitWholeAreDrawn)
{
    // 48 units are 18 pixels (one and a half rows), 64 are 24 (two rows).
    struct Case
    {
        LONG height;
        size_t rows;
    } cases[] = {{10, 1}, {48, 1}, {64, 2}, {90, 2}, {96, 3}};
    for (const Case& c : cases) {
        TextField field({0, 0, 150, c.height}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        EXPECT_EQ(c.rows, DrawOn(field, SCREEN).Rows().size()) << c.height;
    }
}

TEST(TextDrawTest, PrintedColourIsComputedForTheDrawingOnly)
{
    struct Case
    {
        COLORREF field;
        UINT metafile;
        COLORREF drawn;
    } cases[] = {
        {RGB(255, 0, 0), 0, 0},
        {RGB(0, 0, 255), 0, 0},
        {RGB(128, 128, 128), 0, RGB(128, 128, 128)},
        {RGB(192, 192, 192), 0, RGB(192, 192, 192)},
        {RGB(255, 255, 255), 0, RGB(255, 255, 255)},
        {RGB(255, 0, 0), 1, RGB(255, 0, 0)},
    };
    for (const Case& c : cases) {
        CTestFormWnd form;
        form.SetMetaFile(c.metafile);
        TextField field({0, 0, 1000, 100}, "A", &form);
        field.SetTextColor(c.field);
        const Drawing printed = DrawOn(field, PRINTER);
        ASSERT_EQ(1u, printed.outputs.size());
        EXPECT_EQ(c.drawn, printed.outputs[0].color) << std::hex << c.field;
        EXPECT_EQ(c.field, field.GetTextColor());
        // The screen keeps the field's colour.
        EXPECT_EQ(c.field, DrawOn(field, SCREEN).outputs.at(0).color);
    }
}

TEST(TextDrawTest, PrintingMovesByTheOwnersMargin)
{
    CTestFormWnd form;
    TextField field({100, 100, 1000, 300}, "A", &form);
    const Drawing plain = DrawOn(field, PRINTER);
    form.SetMargin(CSize(100, 50));
    const Drawing moved = DrawOn(field, PRINTER);
    ASSERT_EQ(1u, plain.outputs.size());
    ASSERT_EQ(1u, moved.outputs.size());
    // 10 mm and 5 mm at the recording context's 96 pixels per inch: 37.8
    // and 18.9 pixels, as its metric mapping rounds them.
    EXPECT_NEAR(38, moved.outputs[0].x - plain.outputs[0].x, 1);
    EXPECT_NEAR(19, moved.outputs[0].y - plain.outputs[0].y, 1);
    // The screen ignores the margin.
    EXPECT_EQ(DrawOn(field, SCREEN).outputs.at(0).x, 37);
}

TEST(TextDrawTest, EditFieldPrintsInItsOwnColour)
{
    CTestFormWnd form;
    form.SetMetaFile(0);
    EditField field({0, 0, 1000, 100}, "A", &form);
    field.SetTextColor(RGB(255, 0, 0));
    const Drawing printed = DrawOn(field, PRINTER);
    ASSERT_EQ(1u, printed.outputs.size());
    EXPECT_EQ(RGB(255, 0, 0), printed.outputs[0].color);
}

TEST(TextDrawTest, LabelShowsItsFirstItemAndAnEmptyValueNothing)
{
    TextField label({0, 0, 1000, 100}, "");
    label.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0);
    label.m_listItems.AddTail("LBL");
    EXPECT_EQ(std::vector<std::string>{"LBL"}, DrawOn(label, SCREEN).Rows());

    TextField data({0, 0, 1000, 100}, "");
    data.m_listItems.AddTail("LBL");
    EXPECT_TRUE(DrawOn(data, SCREEN).outputs.empty());
}

TEST(TextDrawTest, ShadowCopiesByMode)
{
    struct Case
    {
        int mode;
        CSize first;
        CSize second;
        std::vector<int> xs;
    } cases[] = {
        {3, {100, 0}, {200, 0}, {0}},
        {0, {100, 0}, {200, 0}, {0}},
        {1, {100, 0}, {200, 0}, {37, 0}},
        {2, {100, 0}, {200, 0}, {37, 75, 0}},
        {2, {100, 0}, {100, 0}, {37, 0}},
    };
    for (const Case& c : cases) {
        TextField field({0, 0, 1000, 100}, "A");
        field.SetShadow(c.mode);
        field.m_sizeShadow1 = c.first;
        field.SetShadowOffset(c.second);
        std::vector<int> xs;
        for (const Output& o : DrawOn(field, SCREEN).outputs)
            xs.push_back(o.x);
        EXPECT_EQ(c.xs, xs) << c.mode;
        // A copy is never drawn with copies of its own.
        EXPECT_EQ(1u, DrawOn(field, SCREEN, nullptr, CNPropObjDoc::DRAW_NO_SHADOW).outputs.size()) << c.mode;
    }
}

// The copy at the first offset less the origin, at the angles whose copy
// is not mirrored: a text field below a quarter turn, from three quarters
// on an angled field, whose text starts at its own corner.
TEST(TextDrawTest, ShadowCopyPlacementByAngle)
{
    struct Case
    {
        int angle;
        int x;
        int y;
    } cases[] = {
        {0, 49, 49}, {450, 49, 49}, {2700, 124, 49}, {3599, 49, 49}, {-900, 124, 49}, {3600, 49, 49},
    };
    for (const Case& c : cases) {
        TextField field({100, 100, 300, 200}, "A");
        field.m_nAngle = c.angle;
        field.m_ptOrigin = CPoint(20, 30);
        field.m_sizeShadow1 = CSize(50, 60);
        field.SetShadow(1);
        const Drawing drawing = DrawOn(field, SCREEN);
        ASSERT_EQ(2u, drawing.outputs.size()) << c.angle;
        EXPECT_EQ(c.x, drawing.outputs[0].x) << c.angle;
        EXPECT_EQ(c.y, drawing.outputs[0].y) << c.angle;
        EXPECT_EQ(37, drawing.outputs[1].x) << c.angle;
    }
}

TEST(TextDrawTest, ShadowRectanglesAreKeptForGetDrawRects)
{
    TextField field({100, 100, 300, 200}, "A");
    field.m_sizeShadow1 = CSize(50, 20);
    field.SetShadowOffset(CSize(0, 0));
    MemoryCanvas canvas(10, 10);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    field.CalcShadowRect(&dc, 1);
    field.CalcShadowRect(&dc, 2);   // offset (0, 0): nothing
    field.CalcShadowRect(&dc, 3);
    RECT whole, first, second;
    field.GetDrawRects(&dc, &whole, &first, &second);
    EXPECT_EQ(CRect(37, 37, 113, 75), CRect(whole));
    EXPECT_EQ(CRect(56, 45, 132, 83), CRect(first));
    EXPECT_TRUE(::IsRectEmpty(&second));
    field.GetDrawRects(nullptr, &whole, &first, &second);
    EXPECT_TRUE(::IsRectEmpty(&whole) && ::IsRectEmpty(&first) && ::IsRectEmpty(&second));
}

TEST(TextDrawTest, CloneMeasuresAtItsOriginalPlace)
{
    TextField field({0, 0, 150, 1000}, kLongText);
    const std::vector<std::string> rows = DrawOn(field, SCREEN).Rows();
    CNPropObj* pClone = field.Clone(400, 400);
    const Drawing drawing = DrawOn(*pClone, SCREEN);
    EXPECT_EQ(rows, drawing.Rows());
    ASSERT_FALSE(drawing.outputs.empty());
    EXPECT_EQ(151, drawing.outputs[0].x);
    delete pClone;
}

TEST(TextDrawTest, EditFieldBreaksAsTheTextFieldAtEveryZoom)
{
    CTestFormWnd form;
    TextField text({100, 100, 500, 900}, kLongText, &form);
    EditField edit({100, 100, 500, 900}, kLongText, &form);
    const std::vector<std::string> rows = DrawOn(text, SCREEN).Rows();
    for (UINT nZoom : {100u, 50u, 200u}) {
        form.SetPercent(nZoom);
        EXPECT_EQ(rows, DrawOn(edit, SCREEN).Rows()) << nZoom;
    }
    form.SetPercent(100);
    EXPECT_EQ(rows, DrawOn(edit, PRINTER).Rows());
}

TEST(TextDrawTest, PitchRateWidensTheMeasuredCharacters)
{
    TextField field({0, 0, 500, 1000}, kLongText);
    const std::vector<std::string> plain = DrawOn(field, SCREEN).Rows();
    field.SetPichRate(3);
    const std::vector<std::string> pitched = DrawOn(field, SCREEN).Rows();
    ASSERT_FALSE(plain.empty());
    ASSERT_FALSE(pitched.empty());
    EXPECT_GT(pitched.size(), plain.size());
    EXPECT_LT(pitched[0].size(), plain[0].size());
    EXPECT_EQ(kLongText, Joined(pitched));
}

// Only the edit field on the screen at 100 % measures on the target: on a
// target whose characters are twice as wide its rows break about twice as
// often, while the text field (and the edit field at another zoom) keeps
// the display's breaks.
TEST(TextDrawTest, EditFieldOnTheScreenAt100MeasuresOnTheTarget)
{
    CTestFormWnd form;
    TextField text({0, 0, 500, 2000}, kLongText, &form);
    EditField edit({0, 0, 500, 2000}, kLongText, &form);
    const std::vector<std::string> display = DrawOn(text, SCREEN).Rows();
    ASSERT_GE(display.size(), 2u);
    EXPECT_EQ(display, DrawOnStretchedScreen(text).Rows());

    const std::vector<std::string> stretched = DrawOnStretchedScreen(edit).Rows();
    EXPECT_GE(stretched.size(), display.size() * 3 / 2);
    EXPECT_EQ(kLongText, Joined(stretched));

    form.SetPercent(200);
    EXPECT_EQ(display, DrawOnStretchedScreen(edit).Rows());
}

const double kPointsPerMm = 72 / 25.4;

struct Word
{
    double xMin, yMin, xMax;
    std::string text;
};

double Attribute(const std::string& line, const char* pszName)
{
    const size_t at = line.find(std::string(pszName) + "=\"");
    return at == std::string::npos ? -1 : std::atof(line.c_str() + at + std::strlen(pszName) + 2);
}

// The words of page 1 as pdftotext -bbox gives them, in points from the
// top left corner.
std::vector<Word> ReadWords(const std::string& pdfPath)
{
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    const std::string html = std::string(temp) + "textdraw-words.html";
    ::DeleteFileA(html.c_str());
    const std::string command = "pdftotext -bbox -f 1 -l 1 \"" + UnixPathOf(pdfPath) + "\" \"" + UnixPathOf(html) + "\"";
    std::vector<Word> words;
    if (!RunUnix("/usr/bin/pdftotext", command))
        return words;
    // Wine does not wait for a Unix child: wait for the closing tag.
    std::string content;
    for (int i = 0; i < 100 && content.find("</html>") == std::string::npos; ++i) {
        ::Sleep(100);
        std::ifstream in(html);
        std::ostringstream all;
        all << in.rdbuf();
        content = all.str();
    }
    ::DeleteFileA(html.c_str());
    std::istringstream lines(content);
    for (std::string line; std::getline(lines, line);) {
        const size_t open = line.find("\">");
        const size_t close = line.find("</word>");
        if (line.find("<word ") != std::string::npos && open != std::string::npos && close != std::string::npos)
            words.push_back({Attribute(line, "xMin"), Attribute(line, "yMin"), Attribute(line, "xMax"),
                line.substr(open + 2, close - open - 2)});
    }
    return words;
}

struct Line
{
    double xMin, yMin, xMax;
    std::string text;
};

// Words on one baseline joined (the spread characters of a row may be read
// as several words).
std::vector<Line> JoinLines(const std::vector<Word>& words)
{
    std::vector<Line> lines;
    for (const Word& w : words) {
        if (!lines.empty() && std::fabs(lines.back().yMin - w.yMin) < 0.5) {
            lines.back().text += w.text;
            lines.back().xMax = w.xMax;
        } else {
            lines.push_back({w.xMin, w.yMin, w.xMax, w.text});
        }
    }
    return lines;
}

// 12-point DejaVu Sans text fields of a form in print-paper mode.
class PrintedField : public CNPropObjDoc
{
public:
    PrintedField(CMirtBase* pOwner, RECT rect, const char* pszText, int nAlign)
        : CNPropObjDoc(MakeBlock(1, rect, INPUT_DATA), STYLE_DEFAULT, 0)
    {
        LOGFONT lf = *GetLogFont();
        lf.lfHeight = 12;
        lf.lfCharSet = ANSI_CHARSET;
        std::strcpy(lf.lfFaceName, "DejaVu Sans");
        SetLogFont(&lf);
        SetAlign(nAlign);
        m_strData = pszText;
        m_pOwner = pOwner;
    }
};

// The last column with ink in a band of rows of the image, or -1.
int LastInkColumn(const GrayImage& image, int top, int bottom)
{
    for (int x = image.width - 1; x >= 0; --x) {
        for (int y = top; y < bottom; ++y) {
            if (image.at(x, y) < 128)
                return x;
        }
    }
    return -1;
}

TEST(TextDrawPrintTest, FieldsLandAtTheirPlaceOnPaper)
{
    CTestFormWnd form;
    form.SetPrintPaper(1);
    PrintedField left(&form, {200, 200, 1200, 300}, "LEFT", 1);
    PrintedField right(&form, {200, 400, 1200, 500}, "RIGHT", 2);
    PrintedField wrapped(&form, {200, 600, 500, 1000}, "ABCDEFGHIJKLMNOPQRSTUVWXYZ", 1);
    const std::vector<std::string> screenRows = DrawOn(wrapped, SCREEN).Rows();
    ASSERT_GE(screenRows.size(), 2u);

    PdfPrintJob job("textdraw");
    ASSERT_TRUE(job.started());
    {
        CBorrowedDC dc(job.dc(), job.dc(), TRUE);
        for (PrintedField* pField : {&left, &right, &wrapped})
            pField->Draw(&dc, 0);
    }
    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";

    const std::vector<Line> lines = JoinLines(ReadWords(pdf));
    ASSERT_EQ(2 + screenRows.size(), lines.size());
    EXPECT_EQ("LEFT", lines[0].text);
    EXPECT_EQ("RIGHT", lines[1].text);
    // Rows break on paper where they break on the screen.
    for (size_t i = 0; i < screenRows.size(); ++i)
        EXPECT_EQ(screenRows[i], lines[2 + i].text) << "row " << i;
    // Left edges at 20 mm, fields 20 mm apart, rows one pitch (16 display
    // pixels, 4.2 mm) apart; within 0.3 mm.
    const double dTolerance = 0.3 * kPointsPerMm;
    for (size_t i : {size_t(0), size_t(2), size_t(3)})
        EXPECT_NEAR(20 * kPointsPerMm, lines[i].xMin, dTolerance) << lines[i].text;
    EXPECT_NEAR(20 * kPointsPerMm, lines[1].yMin - lines[0].yMin, dTolerance);
    EXPECT_NEAR(40 * kPointsPerMm, lines[2].yMin - lines[0].yMin, dTolerance);
    EXPECT_NEAR(4.2 * kPointsPerMm, lines[3].yMin - lines[2].yMin, dTolerance);

    // The right-aligned row's ink ends at the field's right edge, 120 mm.
    const int kDpi = 300;
    const GrayImage image = RasterizePdf(pdf, kDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const double dPixelsPerMm = kDpi / 25.4;
    const int nInk = LastInkColumn(image, static_cast<int>(40 * dPixelsPerMm), static_cast<int>(45 * dPixelsPerMm));
    EXPECT_NEAR(120.0, nInk / dPixelsPerMm, 0.5);
}

}  // namespace
