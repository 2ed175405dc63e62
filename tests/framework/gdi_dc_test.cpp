#include <gtest/gtest.h>
#include <windows.h>
#include <algorithm>
#include "afxgdi.h"
#include "canvas.h"

// Rectangles read as (left,top,right,bottom) in failure messages.
static void PrintTo(const CRect& r, std::ostream* os)
{
    *os << "(" << r.left << "," << r.top << "," << r.right << "," << r.bottom << ")";
}

namespace {

const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);

// A CDC over contexts the test owns: it lets go of them before ~CDC would
// delete them.
class BorrowedDC : public CDC
{
public:
    explicit BorrowedDC(HDC hDC) : BorrowedDC(hDC, hDC) {}
    BorrowedDC(HDC hOutput, HDC hAttrib)
    {
        SetOutputDC(hOutput);
        SetAttribDC(hAttrib);
    }
    ~BorrowedDC() override
    {
        ReleaseOutputDC();
        ReleaseAttribDC();
    }
};

// Ten logical units a pixel, y up, logical (0, 1000) at the top left.
void SetTenUnitsAPixelYUp(CDC& dc)
{
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(100, -100);
    dc.SetViewportOrg(0, 100);
}

HFONT MakeFont(int nPixels, LPCSTR face)
{
    return CreateFontA(-nPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

TEST(GdiDC, JapaneseTextAndFillsAtAnAnisotropicMapping)
{
    MemoryCanvas canvas(200, 100);
    BorrowedDC dc(canvas.dc());
    SetTenUnitsAPixelYUp(dc);

    dc.FillSolidRect(CRect(100, 900, 300, 700), kBlue);  // device (10, 10)-(30, 30)
    const CRect blueArea(10, 10, 30, 30);
    EXPECT_EQ(blueArea.Width() * blueArea.Height(), canvas.countInked(blueArea));
    EXPECT_EQ(kBlue, canvas.pixel(29, 29));

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, "ＭＳ 明朝", &dc));  // 32 pixels
    dc.SelectObject(&font);
    CString face;
    dc.GetTextFace(face);
    EXPECT_STREQ("ＭＳ 明朝", face);

    // Full-width characters advance one em each: 32 pixels, 320 units.
    const CString text("日本");
    const CSize extent = dc.GetTextExtent(text);
    EXPECT_EQ(640, extent.cx);
    EXPECT_GE(extent.cy, 320);
    TEXTMETRIC tm;
    ASSERT_TRUE(dc.GetTextMetrics(&tm));
    EXPECT_EQ(320, tm.tmHeight - tm.tmInternalLeading);

    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(0, 0, 0));
    ASSERT_TRUE(dc.TextOut(500, 600, text));  // device (50, 40)
    CRect textArea(CPoint(500, 600), CSize(extent.cx, -extent.cy));
    dc.LPtoDP(&textArea);
    EXPECT_EQ(CRect(50, 40, 114, 40 + extent.cy / 10), textArea);
    const int textInk = canvas.countInked(textArea);
    EXPECT_GT(textInk, 200);
    const CRect all(0, 0, canvas.width(), canvas.height());
    EXPECT_EQ(canvas.countInked(blueArea) + textInk, canvas.countInked(all)) << "ink outside the text box";
}

// Mapping set-ups for the conversion round trips.
struct MappingCase
{
    const char* name;
    void (*setUp)(CDC& dc);
};

const MappingCase kMappings[] = {
    {"text with origins", [](CDC& dc) {
         dc.SetWindowOrg(5, 7);
         dc.SetViewportOrg(100, 50);
     }},
    {"lometric", [](CDC& dc) {
         dc.SetMapMode(MM_LOMETRIC);
         dc.SetViewportOrg(0, 768);
     }},
    {"twips", [](CDC& dc) { dc.SetMapMode(MM_TWIPS); }},
    {"anisotropic y up", SetTenUnitsAPixelYUp},
    {"isotropic", [](CDC& dc) {
         dc.SetMapMode(MM_ISOTROPIC);
         dc.SetWindowExt(1000, 1000);
         dc.SetViewportExt(300, -200);
         dc.OffsetViewportOrg(20, 40);
     }},
};

TEST(GdiDC, DeviceToLogicalAndBackRoundTrips)
{
    for (const MappingCase& c : kMappings) {
        SCOPED_TRACE(c.name);
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
        c.setUp(dc);

        const CPoint devicePoints[] = {{0, 0}, {13, 7}, {-40, 250}, {1023, 767}};
        CPoint points[4];
        std::copy(std::begin(devicePoints), std::end(devicePoints), points);
        dc.DPtoLP(points, 4);
        dc.LPtoDP(points, 4);
        EXPECT_TRUE(std::equal(std::begin(points), std::end(points), std::begin(devicePoints)));

        const CRect deviceRect(3, 4, 90, 60);
        CRect rect = deviceRect;
        dc.DPtoLP(&rect);
        dc.LPtoDP(&rect);
        EXPECT_EQ(deviceRect, rect);

        // Sizes are distances: positive stays positive when the axis flips.
        const CSize deviceSize(120, 90);
        CSize size = deviceSize;
        dc.DPtoLP(&size);
        EXPECT_GT(size.cx, 0);
        EXPECT_GT(size.cy, 0);
        dc.LPtoDP(&size);
        EXPECT_EQ(deviceSize, size);
    }
}

TEST(GdiDC, ConversionsFollowTheMapping)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    SetTenUnitsAPixelYUp(dc);
    CPoint point(100, 900);
    dc.LPtoDP(&point);
    EXPECT_EQ(CPoint(10, 10), point);
    CRect rect(0, 1000, 2000, 0);
    dc.LPtoDP(&rect);
    EXPECT_EQ(CRect(0, 0, 200, 100), rect);
    CSize size(250, 300);
    dc.LPtoDP(&size);
    EXPECT_EQ(CSize(25, 30), size);
    dc.DPtoLP(&size);
    EXPECT_EQ(CSize(250, 300), size);

    // Lometric is tenths of a millimetre of the device's physical size.
    dc.SetMapMode(MM_LOMETRIC);
    size = CSize(1000, 1000);
    dc.LPtoDP(&size);
    EXPECT_EQ(CSize(MulDiv(1000, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(HORZSIZE) * 10),
                  MulDiv(1000, dc.GetDeviceCaps(VERTRES), dc.GetDeviceCaps(VERTSIZE) * 10)),
        size);
}

TEST(GdiDC, MappingSettersReturnThePreviousValues)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(MM_TEXT, dc.SetMapMode(MM_ANISOTROPIC));
    EXPECT_EQ(MM_ANISOTROPIC, dc.GetMapMode());
    EXPECT_EQ(CSize(1, 1), dc.SetWindowExt(CSize(400, 300)));
    EXPECT_EQ(CSize(1, 1), dc.SetViewportExt(200, 100));
    EXPECT_EQ(CSize(200, 100), dc.ScaleViewportExt(3, 2, -1, 1));
    EXPECT_EQ(CSize(300, -100), dc.GetViewportExt());
    EXPECT_EQ(CSize(400, 300), dc.ScaleWindowExt(1, 2, 1, 3));
    EXPECT_EQ(CSize(200, 100), dc.GetWindowExt());
    EXPECT_EQ(CPoint(0, 0), dc.SetViewportOrg(CPoint(10, 20)));
    EXPECT_EQ(CPoint(10, 20), dc.OffsetViewportOrg(5, -5));
    EXPECT_EQ(CPoint(15, 15), dc.GetViewportOrg());
    EXPECT_EQ(CPoint(0, 0), dc.SetWindowOrg(7, 8));
    EXPECT_EQ(CPoint(7, 8), dc.OffsetWindowOrg(1, 1));
    EXPECT_EQ(CPoint(8, 9), dc.GetWindowOrg());
}

// Output to a metafile, attributes from a memory context holding another
// font: queries answer for the attribute context, GetOutput... for the
// output context, and state changes reach both.
TEST(GdiDC, SeparateAttributeAndOutputContexts)
{
    MetafileRecorder recorder;
    MemoryCanvas attrib(50, 50);
    HFONT hBig = MakeFont(40, "ＭＳ ゴシック");
    HFONT hSmall = MakeFont(10, "ＭＳ ゴシック");
    HGDIOBJ hAttribFont = SelectObject(attrib.dc(), hBig);
    SelectObject(recorder.dc(), hSmall);
    {
        BorrowedDC dc(recorder.dc(), attrib.dc());
        TEXTMETRIC tm;
        ASSERT_TRUE(dc.GetTextMetrics(&tm));
        EXPECT_EQ(40, tm.tmHeight - tm.tmInternalLeading);
        ASSERT_TRUE(dc.GetOutputTextMetrics(&tm));
        EXPECT_EQ(10, tm.tmHeight - tm.tmInternalLeading);
        EXPECT_EQ(80, dc.GetTextExtent("日本", 4).cx);
        EXPECT_EQ(20, dc.GetOutputTextExtent(CString("日本")).cx);
        int widths[2];
        ASSERT_TRUE(dc.GetCharWidth('A', 'B', widths));
        EXPECT_EQ(20, widths[0]);
        ASSERT_TRUE(dc.GetOutputCharWidth('A', 'A', widths));
        EXPECT_EQ(5, widths[0]);
        EXPECT_NE(0u, dc.GetOutlineTextMetrics(0, nullptr));

        // Heights of point fonts come from the attribute context.
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(2, 2);
        EXPECT_EQ(CSize(1, 1), dc.SetViewportExt(1, 1));
        EXPECT_EQ(MM_ANISOTROPIC, GetMapMode(recorder.dc()));
        EXPECT_EQ(MM_ANISOTROPIC, GetMapMode(attrib.dc()));
        CFont font;
        ASSERT_TRUE(font.CreatePointFont(120, "ＭＳ ゴシック", &dc));
        LOGFONT logFont;
        font.GetLogFont(&logFont);
        EXPECT_EQ(-32, logFont.lfHeight);

        EXPECT_EQ(CFont::FromHandle(hBig), dc.SelectObject(&font));
        EXPECT_EQ(font.m_hObject, GetCurrentObject(recorder.dc(), OBJ_FONT));
        EXPECT_EQ(font.m_hObject, GetCurrentObject(attrib.dc(), OBJ_FONT));

        // Saved levels differ between the contexts: -1 restores the latest.
        EXPECT_EQ(-1, dc.SaveDC());
        dc.SetMapMode(MM_TEXT);
        dc.SetTextColor(kRed);
        EXPECT_TRUE(dc.RestoreDC(-1));
        EXPECT_EQ(MM_ANISOTROPIC, GetMapMode(recorder.dc()));
        EXPECT_EQ(MM_ANISOTROPIC, dc.GetMapMode());
        EXPECT_NE(kRed, GetTextColor(recorder.dc()));

        dc.MoveTo(10, 10);
        EXPECT_TRUE(dc.LineTo(40, 40));
        EXPECT_EQ(CPoint(40, 40), dc.GetCurrentPosition());
        EXPECT_TRUE(dc.TextOut(0, 0, CString("帳票")));
        dc.SelectObject(CFont::FromHandle(hSmall));
    }
    SelectObject(attrib.dc(), hAttribFont);
    EXPECT_EQ(0, attrib.countInked(CRect(0, 0, 50, 50)));
    const std::vector<DWORD>& records = recorder.close();
    auto has = [&](DWORD type) { return std::find(records.begin(), records.end(), type) != records.end(); };
    EXPECT_TRUE(has(EMR_LINETO));
    EXPECT_TRUE(has(EMR_EXTTEXTOUTA) || has(EMR_EXTTEXTOUTW));
    EXPECT_TRUE(has(EMR_SETMAPMODE));
    DeleteObject(hBig);
    DeleteObject(hSmall);
    CGdiObject::DeleteTempMap();
}

// Selection returns the attribute context's previous object: a temporary
// for objects nobody owns, the owner for attached ones.
template <class T>
void ExpectSelectionChain(CDC& dc, T& first, T& second, int nStockIndex)
{
    T* pOriginal = dc.SelectObject(&first);
    ASSERT_NE(nullptr, pOriginal);
    EXPECT_EQ(GetStockObject(nStockIndex), pOriginal->GetSafeHandle());
    EXPECT_TRUE(pOriginal->IsKindOf(first.GetRuntimeClass()));
    EXPECT_EQ(&first, dc.SelectObject(&second));
    EXPECT_EQ(&second, dc.SelectObject(pOriginal));
}

TEST(GdiDC, SelectionReturnsThePreviousObjects)
{
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    {
        SCOPED_TRACE("pens");
        CPen red(PS_SOLID, 1, kRed);
        CPen blue(PS_DOT, 1, kBlue);
        ExpectSelectionChain(dc, red, blue, BLACK_PEN);
    }
    {
        SCOPED_TRACE("brushes");
        CBrush solid(kRed);
        CBrush hatch(HS_CROSS, kBlue);
        ExpectSelectionChain(dc, solid, hatch, WHITE_BRUSH);
    }
    {
        SCOPED_TRACE("fonts");
        CFont mincho, gothic;
        mincho.CreatePointFont(100, "ＭＳ 明朝");
        gothic.CreatePointFont(100, "ＭＳ ゴシック");
        ExpectSelectionChain(dc, mincho, gothic, SYSTEM_FONT);
    }
    CGdiObject* pPreviousBrush = dc.SelectStockObject(NULL_BRUSH);
    EXPECT_EQ(GetStockObject(WHITE_BRUSH), pPreviousBrush->GetSafeHandle());
    EXPECT_EQ(RUNTIME_CLASS(CBrush), pPreviousBrush->GetRuntimeClass());

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmap(8, 8, 1, 1, nullptr));
    CBitmap* pDefault = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, pDefault);
    BITMAP info;
    ASSERT_TRUE(pDefault->GetBitmap(&info));
    EXPECT_EQ(1, info.bmWidth);
    EXPECT_EQ(&bitmap, dc.SelectObject(pDefault));
    AfxDeleteTempGdiMaps();
}

TEST(GdiDC, BitmapIsSelectedIntoTheOutputContextOnly)
{
    CDC output, attrib;
    ASSERT_TRUE(output.CreateCompatibleDC(nullptr));
    ASSERT_TRUE(attrib.CreateCompatibleDC(nullptr));
    BorrowedDC dc(output.m_hDC, attrib.m_hDC);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&output, 8, 8));
    HGDIOBJ hAttribBitmap = GetCurrentObject(attrib.m_hDC, OBJ_BITMAP);

    CBitmap* pDefault = dc.SelectObject(&bitmap);
    ASSERT_NE(nullptr, pDefault);
    EXPECT_EQ(bitmap.m_hObject, GetCurrentObject(output.m_hDC, OBJ_BITMAP));
    EXPECT_EQ(hAttribBitmap, GetCurrentObject(attrib.m_hDC, OBJ_BITMAP));
    EXPECT_EQ(&bitmap, dc.SelectObject(pDefault));
    CGdiObject::DeleteTempMap();
}

TEST(GdiDC, TemporaryAndPermanentWrappersOfContexts)
{
    MemoryCanvas canvas(4, 4);
    CDC* pTemp = CDC::FromHandle(canvas.dc());
    ASSERT_NE(nullptr, pTemp);
    EXPECT_EQ(canvas.dc(), pTemp->GetSafeHdc());
    EXPECT_EQ(canvas.dc(), pTemp->m_hAttribDC);
    EXPECT_EQ(pTemp, CDC::FromHandle(canvas.dc()));
    AfxDeleteTempGdiMaps();
    EXPECT_EQ(static_cast<DWORD>(OBJ_MEMDC), GetObjectType(canvas.dc()));  // not deleted

    HDC hOwned;
    {
        CDC owner;
        ASSERT_TRUE(owner.CreateCompatibleDC(CDC::FromHandle(canvas.dc())));
        hOwned = owner.GetSafeHdc();
        EXPECT_EQ(&owner, CDC::FromHandle(hOwned));
        EXPECT_FALSE(owner.IsPrinting());
    }
    EXPECT_EQ(0u, GetObjectType(hOwned));  // deleted with its owner
    CDC* volatile pNone = nullptr;  // callers test for null through GetSafeHdc
    EXPECT_EQ(nullptr, pNone->GetSafeHdc());
    CDC::DeleteTempMap();
}

TEST(GdiDC, InformationContextOfTheDisplay)
{
    CDC ic;
    ASSERT_TRUE(ic.CreateIC("DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(96, ic.GetDeviceCaps(LOGPIXELSY));
    CFont font;
    font.CreatePointFont(120, "ＭＳ 明朝", &ic);
    ic.SelectObject(&font);
    EXPECT_EQ(32, ic.GetTextExtent("日本", 4).cx);
    ic.SelectStockObject(SYSTEM_FONT);
    EXPECT_TRUE(ic.DeleteDC());
    EXPECT_EQ(nullptr, ic.m_hDC);
}

// One-unit frames and fills given by position and signed extent.
struct PixelCase
{
    int x, y;
    COLORREF expected;
};

TEST(GdiDC, Draw3dRectAndSolidFills)
{
    MemoryCanvas canvas(40, 40);
    BorrowedDC dc(canvas.dc());
    dc.Draw3dRect(CRect(10, 10, 20, 15), kRed, kBlue);
    dc.FillSolidRect(30, 30, -5, -5, kRed);  // (25, 25)-(30, 30)
    const PixelCase cases[] = {
        {10, 10, kRed}, {18, 10, kRed}, {19, 10, kBlue},   // top edge; its last pixel is the right edge's
        {10, 13, kRed}, {10, 14, kBlue},                   // left edge; its last pixel is the bottom's
        {19, 14, kBlue}, {15, 12, kWhite}, {20, 12, kWhite}, {15, 15, kWhite},
        {25, 25, kRed}, {29, 29, kRed}, {24, 27, kWhite}, {30, 27, kWhite},
    };
    for (const PixelCase& c : cases)
        EXPECT_EQ(c.expected, canvas.pixel(c.x, c.y)) << "at " << c.x << "," << c.y;
    EXPECT_EQ(kRed, dc.GetBkColor());  // the fill colour stays the background
}

TEST(GdiDC, ClippingInLogicalUnits)
{
    MemoryCanvas canvas(100, 100);
    BorrowedDC dc(canvas.dc());
    SetTenUnitsAPixelYUp(dc);
    EXPECT_EQ(SIMPLEREGION, dc.IntersectClipRect(CRect(100, 900, 500, 500)));  // device (10, 10)-(50, 50)
    EXPECT_EQ(COMPLEXREGION, dc.ExcludeClipRect(200, 800, 300, 700));         // minus (20, 20)-(30, 30)
    CRect box;
    EXPECT_EQ(COMPLEXREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(100, 900, 500, 500), box);
    EXPECT_FALSE(dc.PtVisible(250, 750));
    dc.FillSolidRect(CRect(0, 1000, 1000, 0), kRed);
    EXPECT_EQ(40 * 40 - 10 * 10, canvas.countInked(CRect(0, 0, 100, 100)));

    // A region is in device units and replaces the clipping.
    CRgn region;
    region.CreateEllipticRgn(60, 60, 100, 100);
    EXPECT_EQ(COMPLEXREGION, dc.SelectClipRgn(&region));
    dc.FillSolidRect(CRect(0, 1000, 1000, 0), kBlue);
    EXPECT_EQ(kBlue, canvas.pixel(80, 80));
    EXPECT_EQ(kWhite, canvas.pixel(61, 61));
    EXPECT_EQ(kRed, canvas.pixel(15, 15));
    EXPECT_EQ(SIMPLEREGION, dc.SelectClipRgn(nullptr));
    EXPECT_EQ(SIMPLEREGION, dc.GetClipBox(&box));
    EXPECT_EQ(CRect(0, 1000, 1000, 0), box);
}

TEST(GdiDC, MetafileRecordsAndPlaysBack)
{
    HENHMETAFILE hMetafile;
    {
        CMetaFileDC metafile;
        ASSERT_TRUE(metafile.CreateEnhanced(nullptr, nullptr, nullptr, "test"));
        EXPECT_EQ(metafile.m_hDC, metafile.m_hAttribDC);
        EXPECT_EQ(&metafile, CDC::FromHandle(metafile.m_hDC));
        EXPECT_EQ(96, metafile.GetDeviceCaps(LOGPIXELSY));
        CBrush red(kRed);
        CBrush* pOld = metafile.SelectObject(&red);
        metafile.SelectStockObject(NULL_PEN);
        metafile.Rectangle(0, 0, 40, 40);
        metafile.SelectObject(pOld);
        hMetafile = metafile.CloseEnhanced();
        ASSERT_NE(nullptr, hMetafile);
        EXPECT_EQ(nullptr, metafile.m_hDC);
        EXPECT_EQ(nullptr, metafile.m_hAttribDC);
    }
    MemoryCanvas canvas(100, 100);
    BorrowedDC dc(canvas.dc());
    EXPECT_TRUE(dc.PlayMetaFile(hMetafile, CRect(20, 20, 60, 60)));
    EXPECT_EQ(kRed, canvas.pixel(40, 40));
    EXPECT_EQ(kWhite, canvas.pixel(10, 10));
    EXPECT_EQ(kWhite, canvas.pixel(70, 70));
    DeleteEnhMetaFile(hMetafile);
    AfxDeleteTempGdiMaps();
}

}  // namespace
