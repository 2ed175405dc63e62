#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "canvas.h"
#include "draw/fonts.h"
#include "draw/object_paint.h"
#include "draw/scroll_bars.h"
#include "draw/units.h"
#include "objects/obj_record.h"
#include "whiteboard/wb_record.h"
#include "zeb_fixtures.h"

namespace {

TEST(DrawUnits, TenthMmToPixels)
{
    const struct
    {
        int nValue, nDpi, nWant;
    } kCases[] = {{254, 96, 96},  {1000, 600, 2362}, {500, 600, 1181}, {-254, 96, -96},
                  {10, 300, 11},  {0, 300, 0},       {1, 96, 0},       {100000, 1200, 472500}};
    for (const auto& c : kCases)
        EXPECT_EQ(c.nWant, TenthMmToPixels(c.nValue, c.nDpi)) << c.nValue << " at " << c.nDpi;
}

LOGFONTA Font(const char* pszFace, BYTE charset = ANSI_CHARSET)
{
    LOGFONTA lf = {};
    lf.lfCharSet = charset;
    std::strcpy(lf.lfFaceName, pszFace);
    return lf;
}

TEST(DrawFonts, JapaneseFonts)
{
    const struct
    {
        LOGFONTA lf;
        bool bWant;
    } kCases[] = {{Font("Arial", SHIFTJIS_CHARSET), true}, {Font("ＭＳ 明朝"), true}, {Font("@ＭＳ 明朝"), true},
                  {Font("System"), true},    {Font("terminal"), true},       {Font("FIXEDSYS"), true},
                  {Font("@System"), true},   {Font("Arial"), false},         {Font("@Arial"), false},
                  {Font("Systems"), false},  {Font("@@System"), false}};
    for (const auto& c : kCases)
        EXPECT_EQ(c.bWant, IsJapaneseFont(c.lf)) << c.lf.lfFaceName;
}

int CALLBACK FirstTrueType(const LOGFONTA* pLf, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    const bool bAscii = std::all_of(pLf->lfFaceName, pLf->lfFaceName + std::strlen(pLf->lfFaceName),
                                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if ((dwType & TRUETYPE_FONTTYPE) == 0 || !bAscii)
        return 1;
    std::strcpy(reinterpret_cast<char*>(lParam), pLf->lfFaceName);
    return 0;
}

TEST(DrawFonts, InstalledTrueTypeFamilies)
{
    char szFace[LF_FACESIZE] = "";
    HDC hdc = ::GetDC(nullptr);
    ::EnumFontFamiliesA(hdc, nullptr, reinterpret_cast<FONTENUMPROCA>(FirstTrueType), reinterpret_cast<LPARAM>(szFace));
    ::ReleaseDC(nullptr, hdc);
    ASSERT_NE('\0', szFace[0]);
    EXPECT_TRUE(IsFontInstalled(Font(szFace)));
    std::string upper = szFace;
    for (char& c : upper)
        c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(IsFontInstalled(Font(upper.c_str()))) << "compared without case";
    EXPECT_FALSE(IsFontInstalled(Font("No Such Face 42")));
}

// A top-level window of a 200 x 100 client area and no scroll bars. The
// system keeps a page no larger than the range: a bar whose extent fits
// reads back as page 1 of range 0-0.
class ScrollWindow
{
public:
    ScrollWindow()
    {
        RECT rc = {0, 0, 200, 100};
        ::AdjustWindowRect(&rc, WS_POPUP, FALSE);
        m_hwnd = ::CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, rc.right - rc.left,
                                   rc.bottom - rc.top, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    }
    ~ScrollWindow() { ::DestroyWindow(m_hwnd); }
    HWND Hwnd() const { return m_hwnd; }

    // {max, page} of a bar.
    std::pair<int, UINT> Bar(int nBar) const
    {
        SCROLLINFO si = {sizeof(si), SIF_RANGE | SIF_PAGE};
        if (!::GetScrollInfo(m_hwnd, nBar, &si))
            return {0, 0};
        return {si.nMax, si.nPage};
    }

private:
    HWND m_hwnd;
};

using BarState = std::pair<int, UINT>;

TEST(DrawScrollBars, ExtentsAgainstTheClientArea)
{
    const int V = ::GetSystemMetrics(SM_CXVSCROLL), S = ::GetSystemMetrics(SM_CYHSCROLL);
    const struct
    {
        const char* pszName;
        DWORD dwBars;
        SIZE extent;
        SIZE wantExtent;
        BarState horz, vert;
    } kCases[] = {
        {"both, fits exactly", WS_HSCROLL | WS_VSCROLL, {200, 100}, {200, 100}, {0, 1}, {0, 1}},
        {"both, one over the bars", WS_HSCROLL | WS_VSCROLL, {200 - V + 1, 150}, {200 - V + 1, 150},
         {200 - V, UINT(200 - V)}, {149, UINT(100 - S)}},
        {"both, only wider", WS_HSCROLL | WS_VSCROLL, {300, 50}, {300, 50}, {299, 200}, {0, 1}},
        {"both, only higher", WS_HSCROLL | WS_VSCROLL, {150, 180}, {150, 180}, {0, 1}, {179, 100}},
        {"horizontal, wider", WS_HSCROLL, {300, 50}, {300, 100 - S}, {299, 200}, {0, 0}},
        {"horizontal, fits", WS_HSCROLL, {150, 50}, {150, 100}, {149, 150}, {0, 0}},
        {"vertical, higher", WS_VSCROLL, {50, 300}, {200 - V, 300}, {0, 0}, {299, 100}},
        {"neither", 0, {500, 500}, {200, 100}, {0, 0}, {0, 0}},
    };
    for (const auto& c : kCases) {
        ScrollWindow window;
        SIZE extent = c.extent;
        SetObjScrollBars(window.Hwnd(), &extent, c.dwBars);
        EXPECT_EQ(c.wantExtent.cx, extent.cx) << c.pszName;
        EXPECT_EQ(c.wantExtent.cy, extent.cy) << c.pszName;
        EXPECT_EQ(c.horz, window.Bar(SB_HORZ)) << c.pszName;
        EXPECT_EQ(c.vert, window.Bar(SB_VERT)) << c.pszName;
    }
}

TEST(DrawScrollBars, ZoomedInDocumentUnits)
{
    for (int nZoom : {0, 100}) {
        ScrollWindow plain, zoomed;
        SIZE a = {300, 50}, b = {300, 50};
        SetObjScrollBars(plain.Hwnd(), &a, WS_HSCROLL | WS_VSCROLL);
        SetObjScrollBarsZoomed(zoomed.Hwnd(), &b, WS_HSCROLL | WS_VSCROLL, nZoom);
        EXPECT_EQ(plain.Bar(SB_HORZ), zoomed.Bar(SB_HORZ)) << nZoom;
        EXPECT_EQ(plain.Bar(SB_VERT), zoomed.Bar(SB_VERT)) << nZoom;
    }
    // At 200 % the 200 x 100 client area shows 100 x 50 document units.
    ScrollWindow window;
    SIZE extent = {150, 40};
    SetObjScrollBarsZoomed(window.Hwnd(), &extent, WS_HSCROLL | WS_VSCROLL, 200);
    EXPECT_EQ(BarState(149, 100), window.Bar(SB_HORZ));
    SIZE none = {0, 0};
    ScrollWindow other;
    SetObjScrollBarsZoomed(other.Hwnd(), &none, 0, 300);
    EXPECT_EQ(67, none.cx) << "200 x 100 / 300, to the nearest";
    EXPECT_EQ(33, none.cy);
}

SIZE g_nestedExtent;
int g_nSizeMessages;

// Showing a bar resizes the client area; the WM_SIZE that follows calls
// the routine again, which must return at once.
LRESULT CALLBACK NestingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == WM_SIZE) {
        ++g_nSizeMessages;
        SetObjScrollBars(hwnd, &g_nestedExtent, 0);
    }
    return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
}

TEST(DrawScrollBars, NestedCallsReturnAtOnce)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = NestingProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZebTestNesting";
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowExA(0, "ZebTestNesting", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    g_nestedExtent = {1, 1};
    g_nSizeMessages = 0;
    SIZE extent = {500, 500};
    SetObjScrollBars(hwnd, &extent, WS_HSCROLL | WS_VSCROLL);
    EXPECT_GT(g_nSizeMessages, 0) << "the bars resized the client area during the call";
    RECT rc;
    ::GetClientRect(hwnd, &rc);
    EXPECT_LT(rc.right, 200) << "the vertical bar is shown";
    EXPECT_EQ(1, g_nestedExtent.cx) << "the nested call did nothing";
    SetObjScrollBars(hwnd, &g_nestedExtent, 0);
    EXPECT_EQ(rc.right + ::GetSystemMetrics(SM_CXVSCROLL), g_nestedExtent.cx) << "outside a call it works";
    ::DestroyWindow(hwnd);
    ::UnregisterClassA("ZebTestNesting", wc.hInstance);
}

TEST(DrawBorder, EachEdgeShrinksTheRectangle)
{
    const struct
    {
        DWORD dwStyle, dwExStyle;
        int nInset;
    } kCases[] = {{0, 0, 0},
                  {WS_BORDER, 0, 1},
                  {0, WS_EX_STATICEDGE, 1},
                  {0, WS_EX_CLIENTEDGE, 2},
                  {WS_BORDER, WS_EX_CLIENTEDGE, 3},
                  {WS_BORDER, WS_EX_STATICEDGE | WS_EX_CLIENTEDGE, 4}};
    for (const auto& c : kCases) {
        MemoryCanvas canvas(30, 30);
        RECT rc = {5, 5, 25, 25};
        DrawObjBorder(canvas.dc(), &rc, c.dwStyle, c.dwExStyle);
        EXPECT_EQ(5 + c.nInset, rc.left) << c.dwStyle << "/" << c.dwExStyle;
        EXPECT_EQ(25 - c.nInset, rc.bottom) << c.dwStyle << "/" << c.dwExStyle;
        RECT whole = {5, 5, 25, 25};
        EXPECT_EQ(c.nInset != 0, canvas.countInked(whole) > 0);
    }
}

TEST(DrawBitmap, PaletteTableAndCompatibleBitmap)
{
    const PALETTEENTRY entries[3] = {{10, 20, 30, 0}, {40, 50, 60, 0}, {70, 80, 90, 0}};
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + 3 * sizeof(PALETTEENTRY));
    auto* pLog = reinterpret_cast<LOGPALETTE*>(buffer.data());
    pLog->palVersion = 0x300;
    pLog->palNumEntries = 3;
    std::memcpy(pLog->palPalEntry, entries, sizeof(entries));
    HPALETTE hPalette = ::CreatePalette(pLog);
    MemoryCanvas canvas(4, 4);
    HPALETTE hOld = ::SelectPalette(canvas.dc(), hPalette, FALSE);
    RGBQUAD table[256];
    ASSERT_EQ(3u, GetDcPaletteTable(canvas.dc(), table));
    EXPECT_EQ(30, table[0].rgbBlue);
    EXPECT_EQ(20, table[0].rgbGreen);
    EXPECT_EQ(10, table[0].rgbRed);
    EXPECT_EQ(hPalette, ::SelectPalette(canvas.dc(), hOld, FALSE)) << "the DC keeps its palette";
    ::DeleteObject(hPalette);

    HBITMAP hBitmap = CreateDrawBitmap(canvas.dc(), 7, 5);
    BITMAP bm;
    ASSERT_NE(0, ::GetObjectA(hBitmap, sizeof(bm), &bm));
    EXPECT_EQ(7, bm.bmWidth);
    EXPECT_EQ(5, bm.bmHeight);
    ::DeleteObject(hBitmap);
}

class ForeignChildren : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hParent = ::CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 300, nullptr, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
        m_hWb = ::CreateWindowExA(0, "ZEB95WBWCLASS", "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 200, m_hParent, nullptr,
                                  ::GetModuleHandleA(nullptr), nullptr);
    }
    void TearDown() override { ::DestroyWindow(m_hParent); }

    HWND Child(const char* pszClass, DWORD dwStyle, const char* pszText = "")
    {
        return ::CreateWindowExA(0, pszClass, pszText, WS_CHILD | WS_VISIBLE | dwStyle, 0, 0, 20, 10, m_hWb, nullptr,
                                 ::GetModuleHandleA(nullptr), nullptr);
    }
    void SetWbDpi(LONG nDpi) { ZebWbRecord::From(GetObjRecord(m_hWb))->SetDpi(nDpi, nDpi); }

    HWND m_hParent = nullptr;
    HWND m_hWb = nullptr;
};

// Wine's static control clips its painting to its client rectangle taken
// in device units, so only the unscaled drawing can be seen here.
TEST_F(ForeignChildren, StaticPaintsIntoTheDestination)
{
    HWND hStatic = Child("Static", SS_BLACKRECT);
    MemoryCanvas canvas(80, 60);
    SetWbDpi(::GetDeviceCaps(canvas.dc(), LOGPIXELSX));
    RECT dest = {0, 0, 20, 10};
    ASSERT_EQ(1, DrawForeignChild(hStatic, canvas.dc(), &dest, nullptr));
    EXPECT_EQ(20 * 10, canvas.countInked(RECT{0, 0, 80, 60}));
    EXPECT_EQ(canvas.pixel(0, 0), canvas.pixel(19, 9));
    EXPECT_EQ(0, DrawForeignChild(nullptr, canvas.dc(), &dest, nullptr));
    EXPECT_EQ(0, DrawForeignChild(hStatic, canvas.dc(), nullptr, nullptr));
}

// Copied through a bitmap and stretched: the destination scaled by the
// device's resolution over the whiteboard's, moved by the offset.
TEST_F(ForeignChildren, OtherWindowsAreCopiedThroughABitmap)
{
    HWND hRed = CreateSolidChild(m_hWb, {0, 0, 20, 10}, WS_VISIBLE, RGB(255, 0, 0));
    MemoryCanvas canvas(80, 60);
    SetWbDpi(::GetDeviceCaps(canvas.dc(), LOGPIXELSX));
    RECT dest = {0, 0, 40, 40};
    ASSERT_EQ(1, DrawForeignChild(hRed, canvas.dc(), &dest, nullptr));
    EXPECT_EQ(40 * 40, canvas.countInked(RECT{0, 0, 80, 60}));
    EXPECT_EQ(RGB(255, 0, 0), canvas.pixel(0, 0));
    EXPECT_EQ(RGB(255, 0, 0), canvas.pixel(39, 39));

    const int nDpi = ::GetDeviceCaps(canvas.dc(), LOGPIXELSX);
    MemoryCanvas half(80, 60);
    SetWbDpi(2 * nDpi);
    const POINT offset = {26, 0};
    ASSERT_EQ(1, DrawForeignChild(hRed, half.dc(), &dest, &offset));
    const int dx = TenthMmToPixels(26, nDpi);
    EXPECT_EQ(20 * 20, half.countInked(RECT{0, 0, 80, 60}));
    EXPECT_EQ(RGB(255, 0, 0), half.pixel(dx, 0));
    EXPECT_EQ(RGB(255, 0, 0), half.pixel(dx + 19, 19));
    ::DestroyWindow(hRed);
}

}  // namespace
