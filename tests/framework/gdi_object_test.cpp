#include <gtest/gtest.h>
#include <windows.h>
#include <cctype>
#include <string>
#include "afxgdi.h"

namespace {

// CreatePointFont converts through the attribute context; these cases fix
// its mapping and expect lfHeight in its logical units (96 dpi).
struct PointFontCase
{
    const char* name;
    int nMapMode;
    SIZE windowExt;   // for the scalable modes
    SIZE viewportExt;
    POINT windowOrg;
    int nTenths;
    LONG expectedHeight;
};

const PointFontCase kPointFontCases[] = {
    {"text 12pt", MM_TEXT, {}, {}, {0, 0}, 120, -16},
    {"text 10pt rounds down", MM_TEXT, {}, {}, {0, 0}, 100, -13},
    {"text 10.5pt rounds up", MM_TEXT, {}, {}, {0, 0}, 105, -14},
    {"ten units a pixel", MM_ANISOTROPIC, {1000, 1000}, {100, 100}, {0, 0}, 240, -320},
    {"y axis up", MM_ANISOTROPIC, {1000, 1000}, {100, -100}, {0, 0}, 240, -320},
    {"origin moved", MM_ANISOTROPIC, {1000, 1000}, {100, -100}, {50, 70}, 120, -160},
    {"only x scaled", MM_ANISOTROPIC, {1000, 10}, {100, 10}, {0, 0}, 120, -16},
    {"isotropic halves", MM_ISOTROPIC, {200, 200}, {100, 100}, {0, 0}, 90, -24},
};

void PrintTo(const PointFontCase& c, std::ostream* os)
{
    *os << c.name;
}

class PointFontTest : public testing::TestWithParam<PointFontCase>
{
};

TEST_P(PointFontTest, HeightIsLogicalUnitsOfTheContext)
{
    const PointFontCase& c = GetParam();
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    ASSERT_EQ(96, dc.GetDeviceCaps(LOGPIXELSY));
    dc.SetMapMode(c.nMapMode);
    if (c.nMapMode != MM_TEXT) {
        dc.SetWindowExt(c.windowExt);
        dc.SetViewportExt(c.viewportExt);
    }
    dc.SetWindowOrg(c.windowOrg);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(c.nTenths, "ＭＳ 明朝", &dc));
    LOGFONT logFont;
    ASSERT_EQ(static_cast<int>(sizeof logFont), font.GetLogFont(&logFont));
    EXPECT_EQ(c.expectedHeight, logFont.lfHeight);
    EXPECT_STREQ("ＭＳ 明朝", logFont.lfFaceName);
    EXPECT_EQ(DEFAULT_CHARSET, logFont.lfCharSet);
}

INSTANTIATE_TEST_SUITE_P(Gdi, PointFontTest, testing::ValuesIn(kPointFontCases),
    [](const testing::TestParamInfo<PointFontCase>& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch)))
                ch = '_';
        return name;
    });

TEST(GdiFont, PointFontWithoutContextUsesTheScreen)
{
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(120, "ＭＳ ゴシック"));
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    EXPECT_EQ(-16, logFont.lfHeight);
}

TEST(GdiFont, PointFontIndirectKeepsTheOtherFields)
{
    LOGFONT in = {};
    in.lfHeight = 180;
    in.lfWeight = FW_BOLD;
    in.lfItalic = TRUE;
    in.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(in.lfFaceName, "ＭＳ Ｐゴシック");
    CFont font;
    ASSERT_TRUE(font.CreatePointFontIndirect(&in));
    LOGFONT out;
    font.GetLogFont(&out);
    EXPECT_EQ(-24, out.lfHeight);
    EXPECT_EQ(FW_BOLD, out.lfWeight);
    EXPECT_TRUE(out.lfItalic);
    EXPECT_EQ(SHIFTJIS_CHARSET, out.lfCharSet);
    EXPECT_STREQ("ＭＳ Ｐゴシック", out.lfFaceName);
}

// FromHandle wraps a handle it does not own in an object of the class that
// fits the handle's type.
struct WrapperCase
{
    const char* name;
    HGDIOBJ (*make)();  // a handle the test deletes (stock objects ignore it)
    const CRuntimeClass* expectedClass;
};

const WrapperCase kWrapperCases[] = {
    {"stock pen", [] { return GetStockObject(BLACK_PEN); }, RUNTIME_CLASS(CPen)},
    {"cosmetic pen", [] { return HGDIOBJ(CreatePen(PS_DASH, 1, RGB(1, 2, 3))); }, RUNTIME_CLASS(CPen)},
    {"geometric pen", [] {
         LOGBRUSH lb = {BS_SOLID, RGB(4, 5, 6), 0};
         return HGDIOBJ(ExtCreatePen(PS_GEOMETRIC | PS_SOLID, 3, &lb, 0, nullptr));
     }, RUNTIME_CLASS(CPen)},
    {"brush", [] { return HGDIOBJ(CreateSolidBrush(RGB(7, 8, 9))); }, RUNTIME_CLASS(CBrush)},
    {"font", [] { return GetStockObject(DEFAULT_GUI_FONT); }, RUNTIME_CLASS(CFont)},
    {"bitmap", [] { return HGDIOBJ(CreateBitmap(4, 4, 1, 1, nullptr)); }, RUNTIME_CLASS(CBitmap)},
    {"palette", [] { return GetStockObject(DEFAULT_PALETTE); }, RUNTIME_CLASS(CPalette)},
    {"region", [] { return HGDIOBJ(CreateRectRgn(0, 0, 5, 5)); }, RUNTIME_CLASS(CRgn)},
};

TEST(GdiObject, TemporaryWrappersFitTheTypeAndDoNotOwnTheHandle)
{
    for (const WrapperCase& c : kWrapperCases) {
        SCOPED_TRACE(c.name);
        HGDIOBJ h = c.make();
        ASSERT_NE(nullptr, h);
        const DWORD type = GetObjectType(h);

        CGdiObject* pTemp = CGdiObject::FromHandle(h);
        ASSERT_NE(nullptr, pTemp);
        EXPECT_EQ(c.expectedClass, pTemp->GetRuntimeClass());
        EXPECT_EQ(h, pTemp->GetSafeHandle());
        EXPECT_EQ(pTemp, CGdiObject::FromHandle(h));

        AfxDeleteTempGdiMaps();
        EXPECT_EQ(type, GetObjectType(h));  // still there
        DeleteObject(h);
    }
}

TEST(GdiObject, AttachedObjectIsFoundUntilItLetsGo)
{
    HPEN h = CreatePen(PS_SOLID, 2, RGB(10, 20, 30));
    CPen* pTemp = nullptr;
    {
        CPen pen;
        ASSERT_TRUE(pen.Attach(h));
        EXPECT_EQ(&pen, CPen::FromHandle(h));
        EXPECT_EQ(h, pen.Detach());
        EXPECT_EQ(nullptr, pen.m_hObject);
        pTemp = CPen::FromHandle(h);
        EXPECT_NE(&pen, pTemp);
        EXPECT_EQ(h, pTemp->m_hObject);

        pen.Attach(h);
        EXPECT_EQ(&pen, CPen::FromHandle(h));
    }
    // The pen deleted its handle on destruction, and the temporary made
    // before it was attached is not handed out again.
    EXPECT_EQ(0u, GetObjectType(h));
    EXPECT_NE(pTemp, CGdiObject::FromHandle(h));
    CGdiObject::DeleteTempMap();
}

TEST(GdiObject, DeletedTemporaryIsNotHandedOutAgain)
{
    HBRUSH h = CreateSolidBrush(RGB(1, 1, 1));
    CGdiObject* pTemp = CGdiObject::FromHandle(h);
    EXPECT_TRUE(pTemp->DeleteObject());
    EXPECT_EQ(0u, GetObjectType(h));
    // The handle value may come back for a new object.
    CGdiObject* pAfter = CGdiObject::FromHandle(h);
    EXPECT_NE(pTemp, pAfter);
    EXPECT_EQ(h, pAfter->m_hObject);
    CGdiObject::DeleteTempMap();
}

TEST(GdiObject, LiveWrapperRefusesAnotherHandle)
{
    CFont font;
    LOGFONTA lf = {};
    lf.lfHeight = -12;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    const HGDIOBJ hFirst = font.m_hObject;
    lf.lfHeight = -20;
    EXPECT_FALSE(font.CreateFontIndirect(&lf));
    EXPECT_EQ(hFirst, font.m_hObject);
    EXPECT_EQ(&font, CGdiObject::FromHandle(hFirst));
    LOGFONTA kept = {};
    ASSERT_EQ(static_cast<int>(sizeof kept), font.GetObject(sizeof kept, &kept));
    EXPECT_EQ(-12, kept.lfHeight);
    EXPECT_FALSE(font.CreateStockObject(SYSTEM_FONT));
    EXPECT_EQ(hFirst, font.m_hObject);

    // A handle that another wrapper owns is refused as well.
    CFont other;
    EXPECT_FALSE(other.Attach(hFirst));
    EXPECT_EQ(nullptr, other.m_hObject);

    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    const HDC hFirstDC = dc.m_hDC;
    EXPECT_FALSE(dc.CreateCompatibleDC(nullptr));
    EXPECT_EQ(hFirstDC, dc.m_hDC);
    EXPECT_EQ(&dc, CDC::FromHandle(hFirstDC));
    CDC otherDC;
    EXPECT_FALSE(otherDC.Attach(hFirstDC));
}

TEST(GdiObject, CreateFailureThrowsResourceException)
{
    CBitmap noBitmap;
    try {
        CBrush brush(&noBitmap);
        FAIL() << "a pattern brush without a bitmap";
    } catch (CException* e) {
        EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CResourceException)));
        char message[10];  // cuts before a double-byte character, not in it
        EXPECT_TRUE(e->GetErrorMessage(message, sizeof message));
        EXPECT_STREQ("Windows ", message);
        e->Delete();
    }
}

TEST(GdiRegion, CombineOffsetAndHitTest)
{
    CRgn left, right, both;
    ASSERT_TRUE(left.CreateRectRgn(0, 0, 10, 10));
    ASSERT_TRUE(right.CreateRectRgnIndirect(CRect(20, 0, 30, 10)));
    ASSERT_TRUE(both.CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(COMPLEXREGION, both.CombineRgn(&left, &right, RGN_OR));
    CRect box;
    EXPECT_EQ(COMPLEXREGION, both.GetRgnBox(&box));
    EXPECT_EQ(CRect(0, 0, 30, 10), box);
    EXPECT_TRUE(both.PtInRegion(25, 5));
    EXPECT_FALSE(both.PtInRegion(15, 5));
    both.OffsetRgn(CPoint(100, 0));
    EXPECT_TRUE(both.PtInRegion(CPoint(125, 5)));
    both.SetRectRgn(CRect(1, 2, 3, 4));
    EXPECT_EQ(SIMPLEREGION, both.GetRgnBox(&box));
    EXPECT_EQ(CRect(1, 2, 3, 4), box);
}

TEST(GdiPalette, EntriesRoundTrip)
{
    struct
    {
        LOGPALETTE head;
        PALETTEENTRY more[2];
    } pal = {{0x300, 3, {{255, 0, 0, 0}}}, {{0, 255, 0, 0}, {0, 0, 255, 0}}};
    CPalette palette;
    ASSERT_TRUE(palette.CreatePalette(&pal.head));
    EXPECT_EQ(3, palette.GetEntryCount());
    PALETTEENTRY replacement = {10, 20, 30, 0};
    EXPECT_EQ(1u, palette.SetPaletteEntries(1, 1, &replacement));
    PALETTEENTRY entries[3];
    ASSERT_EQ(3u, palette.GetPaletteEntries(0, 3, entries));
    EXPECT_EQ(255, entries[0].peRed);
    EXPECT_EQ(20, entries[1].peGreen);
    EXPECT_EQ(255, entries[2].peBlue);
    EXPECT_EQ(1u, palette.GetNearestPaletteIndex(RGB(12, 18, 30)));
}

}  // namespace
