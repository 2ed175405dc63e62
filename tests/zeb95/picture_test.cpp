#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "dib/bmp_file.h"
#include "dib/dib_handle.h"
#include "jpeg_fixture.h"
#include "objects/obj_place.h"
#include "objects/child_painter.h"
#include "canvas.h"
#include "pdf_printer.h"
#include "pic_fixtures.h"
#include "picture/jpeg_convert.h"
#include "picture/pic_capture.h"
#include "picture/pic_print.h"
#include "picture/pic_read.h"
#include "picture/pic_record.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kGreen = RGB(0, 255, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

// Pictures on a whiteboard of a test parent.
class Pictures : public OnWhiteBoard
{
protected:

    // A picture without border at (x, y) of cx x cy with a green back colour.
    static ZebPicCreateInfo Info(int cx, int cy, DWORD dwStyle = 0, int x = 0, int y = 0)
    {
        ZebPicCreateInfo info = {};
        info.dwMask = ZEBPIC_STYLE | ZEBPIC_BKCOLOR;
        info.dwStyle = dwStyle;
        info.x = x;
        info.y = y;
        info.cx = cx;
        info.cy = cy;
        info.crBack = kGreen;
        return info;
    }
    HWND Make(const ZebPicCreateInfo& info)
    {
        HWND hPic = zebCreateObjPic(m_hWb, &info, nullptr);
        Pump();
        return hPic;
    }
    // The picture made from a bitmap (deleted after).
    static void Show(HWND hPic, HBITMAP hBitmap)
    {
        ASSERT_EQ(1, zebSetPicture(hPic, hBitmap, nullptr));
        ::DeleteObject(hBitmap);
    }
    static ZebPicRecord& Rec(HWND hPic) { return *ZebPicRecord::Of(hPic); }
};

TEST_F(Pictures, CreatedWithoutRecordAtTheOriginWithItsDefaults)
{
    ZebWbRecord::From(GetObjRecord(m_hWb))->Head().SetOrigin({30, 40});
    LONG nIndex = -1;
    HWND hPic = zebCreateObjPic(m_hWb, nullptr, &nIndex);
    ASSERT_NE(nullptr, hPic);
    EXPECT_EQ(0, nIndex);
    const RECT rc = RectInParent(hPic);
    EXPECT_EQ(-30, rc.left) << "whiteboard (0, 0) lies 30 to the left of the client area";
    EXPECT_EQ(-40, rc.top);
    EXPECT_EQ(1, rc.right - rc.left);
    EXPECT_EQ(0, ::GetWindowLongPtrA(hPic, GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(0, ::GetWindowLongPtrA(hPic, GWL_EXSTYLE));
    ZebPicRecord& rec = Rec(hPic);
    EXPECT_EQ(::GetSysColor(COLOR_APPWORKSPACE), rec.Head().BkColor());
    EXPECT_EQ(1u, rec.Head().ViewMode());
    EXPECT_TRUE(rec.HasFlag(ZebPicRecord::kFlagCache));
    EXPECT_FALSE(rec.ActualSize());
    EXPECT_EQ(nullptr, rec.Picture());
    EXPECT_EQ(0, rec.Head().Position().x) << "whiteboard coordinates";
    EXPECT_EQ(0, rec.Head().Position().y);

    LONG nSecond = -1;
    zebCreateObjPic(m_hWb, nullptr, &nSecond);
    EXPECT_EQ(1, nSecond);
}

TEST_F(Pictures, CreationRecordStylesAndFields)
{
    ZebPicCreateInfo info = Info(50, 40);
    info.dwMask = 0;
    HWND hBordered = Make(info);
    EXPECT_NE(0, ::GetWindowLongPtrA(hBordered, GWL_STYLE) & WS_BORDER) << "a record without style bit: a border";

    info.dwMask = ZEBPIC_STYLE;
    info.dwStyle = WS_BORDER | WS_VSCROLL | 0x20;
    info.dwExStyle = WS_EX_CLIENTEDGE;
    HWND hClear = Make(info);
    EXPECT_EQ(WS_EX_TRANSPARENT, ::GetWindowLongPtrA(hClear, GWL_EXSTYLE));
    EXPECT_EQ(0, ::GetWindowLongPtrA(hClear, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(Rec(hClear).Head().IsTransparent());
    EXPECT_TRUE(Rec(hClear).ActualSize()) << "a scroll bar asks for actual size";

    HCURSOR hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    info = Info(50, 40);
    info.dwMask |= ZEBPIC_CURSOR | ZEBPIC_POINTER | ZEBPIC_STRETCH | ZEBPIC_VIEWMODE | ZEBPIC_GRID | ZEBPIC_CACHEMODE;
    info.dwExStyle = WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME;
    info.hCursor = hCursor;
    info.nPointerNumber = 5;
    info.nStretch = 1;
    info.nViewMode = 0;
    info.nGridCx = 7;
    info.nGridCy = 9;
    info.nCacheMode = 0;
    HWND hPic = Make(info);
    ZebPicRecord& rec = Rec(hPic);
    EXPECT_EQ(WS_EX_CLIENTEDGE, ::GetWindowLongPtrA(hPic, GWL_EXSTYLE));
    EXPECT_EQ(kGreen, rec.Head().BkColor());
    EXPECT_NE(nullptr, rec.Head().Cursor());
    EXPECT_NE(hCursor, rec.Head().Cursor()) << "a copy";
    EXPECT_EQ(5u, rec.Head().PointerNumber());
    EXPECT_EQ(1u, rec.Stretch());
    EXPECT_EQ(0u, rec.Head().ViewMode());
    EXPECT_EQ(7, rec.Grid().cx);
    EXPECT_EQ(9, rec.Grid().cy);
    EXPECT_FALSE(rec.HasFlag(ZebPicRecord::kFlagCache));
    EXPECT_EQ(nullptr, zebCreateObjPic(nullptr, &info, nullptr));
}

// A 200 x 100 picture fitted into 100 x 100 is 100 x 50, centred, with
// back-coloured bands (untouched when transparent).
TEST_F(Pictures, FittedPictureIsCentredBetweenBands)
{
    for (const bool bTransparent : {false, true}) {
        HWND hPic = Make(Info(100, 100, bTransparent ? 0x20 : 0));
        Show(hPic, RedBlueBitmap(200, 100));
        ClientImage image(hPic);
        const COLORREF crBand = bTransparent ? kBlack : kGreen;
        EXPECT_EQ(crBand, image.At(50, 10)) << bTransparent;
        EXPECT_EQ(crBand, image.At(50, 90)) << bTransparent;
        EXPECT_EQ(kRed, image.At(25, 50)) << bTransparent;
        EXPECT_EQ(kBlue, image.At(75, 50)) << bTransparent;
        EXPECT_EQ(crBand, image.At(50, 24)) << "the picture spans rows 25 to 74";
        EXPECT_NE(crBand, image.At(50, 26));
        EXPECT_EQ(crBand, image.At(50, 75));
    }
}

TEST_F(Pictures, StretchedPictureFillsTheClientArea)
{
    HWND hPic = Make(Info(100, 100));
    Show(hPic, QuadrantBitmap(20, 10, kRed, kBlue, kWhite, kBlack));
    EXPECT_EQ(1, zebSetStretch(hPic, 1));
    ClientImage image(hPic);
    EXPECT_EQ(kRed, image.At(10, 10));
    EXPECT_EQ(kBlue, image.At(90, 10));
    EXPECT_EQ(kWhite, image.At(10, 90));
    EXPECT_EQ(kBlack, image.At(90, 90));
}

// A shrunk picture is drawn from a cache of exactly the shrunk size; the
// cache goes when it is turned off.
TEST_F(Pictures, ShrinkCacheHoldsThePlacedSize)
{
    HWND hPic = Make(Info(100, 100));
    Show(hPic, RedBlueBitmap(200, 100));
    { ClientImage image(hPic); }
    ASSERT_NE(nullptr, Rec(hPic).Cache());
    RECT rc;
    GetDibRect(Rec(hPic).Cache(), &rc);
    EXPECT_EQ(100, rc.right);
    EXPECT_EQ(50, rc.bottom);
    {
        ClientImage image(hPic);
        EXPECT_EQ(kRed, image.At(25, 50)) << "drawn from the cache";
        EXPECT_EQ(kBlue, image.At(75, 50));
        EXPECT_EQ(kGreen, image.At(50, 10));
    }
    EXPECT_EQ(1, zebSetCashMode(hPic, 0));
    EXPECT_EQ(nullptr, Rec(hPic).Cache());
    { ClientImage image(hPic); }
    EXPECT_EQ(nullptr, Rec(hPic).Cache()) << "no cache while it is off";

    // A picture drawn at its size or larger needs none.
    EXPECT_EQ(0, zebSetCashMode(hPic, 1));
    Show(hPic, RedBlueBitmap(50, 50));
    { ClientImage image(hPic); }
    EXPECT_EQ(nullptr, Rec(hPic).Cache());
}

// At actual size the top-left corner shows first; at the far ends of both
// bars the last row and column are visible.
TEST_F(Pictures, ActualSizeScrollsOverThePicture)
{
    HWND hPic = Make(Info(100, 100, WS_HSCROLL | WS_VSCROLL));
    ASSERT_TRUE(Rec(hPic).ActualSize());
    HBITMAP hBitmap = QuadrantBitmap(300, 200, kRed, kBlue, kWhite, kBlack);
    Show(hPic, hBitmap);
    RECT rcClient;
    ::GetClientRect(hPic, &rcClient);
    SCROLLINFO si = {sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    ASSERT_TRUE(::GetScrollInfo(hPic, SB_HORZ, &si));
    EXPECT_EQ(299, si.nMax);
    EXPECT_EQ(static_cast<UINT>(rcClient.right), si.nPage);
    {
        ClientImage image(hPic);
        EXPECT_EQ(kRed, image.At(0, 0));
        EXPECT_EQ(kRed, image.At(rcClient.right - 1, rcClient.bottom - 1));
    }
    ::SendMessageA(hPic, WM_HSCROLL, SB_BOTTOM, 0);
    ::SendMessageA(hPic, WM_VSCROLL, SB_BOTTOM, 0);
    EXPECT_EQ(300 - rcClient.right, ::GetScrollPos(hPic, SB_HORZ));
    EXPECT_EQ(200 - rcClient.bottom, ::GetScrollPos(hPic, SB_VERT));
    {
        ClientImage image(hPic);
        EXPECT_EQ(kBlack, image.At(rcClient.right - 1, rcClient.bottom - 1));
    }
    ::SendMessageA(hPic, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 140), 0);
    ::SendMessageA(hPic, WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(140, ::GetScrollPos(hPic, SB_HORZ));
    {
        ClientImage image(hPic);
        EXPECT_EQ(kRed, image.At(9, 0)) << "column 149";
        EXPECT_EQ(kBlue, image.At(10, 0)) << "column 150";
    }
    ::SendMessageA(hPic, WM_HSCROLL, SB_LINEUP, 0);
    EXPECT_EQ(139, ::GetScrollPos(hPic, SB_HORZ));
}

TEST_F(Pictures, SmallActualSizePictureLeavesBandsRightAndBelow)
{
    HWND hPic = Make(Info(100, 100, WS_HSCROLL));
    Show(hPic, RedBlueBitmap(40, 20));
    SCROLLINFO si = {sizeof(si), SIF_RANGE, 0, 0, 0, 0, 0};
    ::GetScrollInfo(hPic, SB_HORZ, &si);
    EXPECT_EQ(0, si.nMax) << "no overflow, no bar";
    ClientImage image(hPic);
    EXPECT_EQ(kRed, image.At(5, 5));
    EXPECT_EQ(kBlue, image.At(35, 15));
    EXPECT_EQ(kGreen, image.At(45, 5));
    EXPECT_EQ(kGreen, image.At(5, 25));
}

TEST(GridSnapping, RoundsByMagnitudeWithTheSign)
{
    const struct
    {
        LONG v, g, want;
    } kCases[] = {
        {14, 10, 10},  {15, 10, 20},   {16, 10, 20},   {0, 10, 0},     {-14, 10, -10},
        {-15, 10, -20}, {-16, 10, -20}, {-4, 10, 0},   {7, 0, 7},      {7, 1, 7},
        {-7, -5, -7},  {0x7FFFFFFF, 10, 0x7FFFFFF8}, {-0x7FFFFFFF - 1, 10, -0x7FFFFFF8}, {25, 25, 25},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(c.want, SnapToGrid(c.v, c.g)) << c.v << " on " << c.g;
}

TEST_F(Pictures, MovesAndSizesSnapToTheGrid)
{
    ZebWbRecord::From(GetObjRecord(m_hWb))->SetGrid({10, 10});
    ZebPicCreateInfo info = Info(40, 40);
    info.dwMask |= ZEBPIC_VIEWMODE;
    HWND hPic = Make(info);
    ::SetWindowPos(hPic, nullptr, 14, 15, 33, 36, SWP_NOZORDER | SWP_NOACTIVATE);
    RECT rc = RectInParent(hPic);
    EXPECT_EQ(10, rc.left);
    EXPECT_EQ(20, rc.top);
    EXPECT_EQ(30, rc.right - rc.left);
    EXPECT_EQ(40, rc.bottom - rc.top);

    Rec(hPic).SetGrid({25, 0});
    ::SetWindowPos(hPic, nullptr, 40, 44, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    rc = RectInParent(hPic);
    EXPECT_EQ(50, rc.left) << "its own grid";
    EXPECT_EQ(40, rc.top) << "the whiteboard's grid";

    Rec(hPic).Head().SetViewMode(1);
    ::SetWindowPos(hPic, nullptr, 41, 44, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    rc = RectInParent(hPic);
    EXPECT_EQ(41, rc.left) << "no snapping in view mode";
}

// "changed" is posted after a move once the picture has been painted, and
// the whiteboard adds its own event 1 when nobody answers it.
TEST_F(Pictures, MovesAreNotifiedOnceShown)
{
    const ZebPicCreateInfo info = Info(40, 40);
    HWND hPic = zebCreateObjPic(m_hWb, &info, nullptr);
    ::SetWindowPos(hPic, nullptr, 5, 5, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
    EXPECT_TRUE(m_parent.received.empty()) << "not before the first paint";
    EXPECT_EQ(5, Rec(hPic).Head().Position().x);
    { ClientImage image(hPic); }
    ::SetWindowPos(hPic, nullptr, 8, 9, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    Pump();
    EXPECT_EQ((std::vector<int>{201, 1}), Codes(m_parent));
    EXPECT_EQ(9, Rec(hPic).Head().Position().y);
}

TEST_F(Pictures, MouseEventsAndClick)
{
    HWND hPic = Make(Info(40, 40));
    const LPARAM pt = MAKELPARAM(5, 6);
    ::SendMessageA(hPic, WM_MOUSEMOVE, 0, pt);
    ::SendMessageA(hPic, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    EXPECT_TRUE(Rec(hPic).HasFlag(ZebPicRecord::kFlagCaptured));
    ::SendMessageA(hPic, WM_LBUTTONUP, 0, pt);
    ::SendMessageA(hPic, WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
    EXPECT_EQ((std::vector<int>{210, 209, 211, 202, 203}), Codes(m_parent));
    EXPECT_EQ(static_cast<DWORD>(pt), GetObjRecord(hPic)->InputLParam());

    m_parent.received.clear();
    ::SendMessageA(hPic, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    ::SendMessageA(hPic, WM_LBUTTONUP, 0, MAKELPARAM(100, 6));
    EXPECT_EQ((std::vector<int>{209, 211}), Codes(m_parent)) << "released outside: no click";

    m_parent.received.clear();
    m_parent.nConsumeCode = 209;
    ::SendMessageA(hPic, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    EXPECT_FALSE(Rec(hPic).HasFlag(ZebPicRecord::kFlagCaptured)) << "consumed";
    ::SendMessageA(hPic, WM_LBUTTONUP, 0, pt);
    EXPECT_EQ((std::vector<int>{209, 211}), Codes(m_parent));
}

TEST_F(Pictures, BmpFileLoadedAtCreation)
{
    HGLOBAL hDib = QuadrantDib(30, 20, kRed, kBlue, kWhite, kBlack);
    const std::string path = TempPath("zeb_pic_test.bmp");
    ASSERT_TRUE(WriteBmpFile(path.c_str(), hDib));
    DestroyDib(hDib);
    ZebPicCreateInfo info = Info(60, 40);
    info.dwMask |= ZEBPIC_FILE | ZEBPIC_STRETCH;
    info.pszFile = path.c_str();
    info.nStretch = 1;
    HWND hPic = Make(info);
    RECT rc;
    ASSERT_EQ(1, zebGetOrgRect(hPic, &rc));
    EXPECT_EQ(30, rc.right);
    EXPECT_EQ(20, rc.bottom);
    EXPECT_EQ(path, Rec(hPic).Head().FileName());
    EXPECT_STREQ("", Rec(hPic).JpegSource());
    EXPECT_NE(nullptr, Rec(hPic).Palette()) << "a 24-bit picture gets the fixed palette's copy";
    ClientImage image(hPic);
    EXPECT_EQ(kRed, image.At(10, 10));
    EXPECT_EQ(kBlack, image.At(50, 30));
    ::DeleteFileA(path.c_str());
}

TEST_F(Pictures, JpegFileLoadedThroughTheJpegLibrary)
{
    const std::string path = TempPath("zeb_pic_test.jpg");
    WriteBytes(path, kRedBlueJpeg, kRedBlueJpegSize);
    const int nTempBmps = CountTempFiles("bmp*.tmp");
    ZebPicCreateInfo info = Info(80, 40);
    info.dwMask |= ZEBPIC_FILE;
    info.pszFile = path.c_str();
    HWND hPic = Make(info);
    RECT rc;
    ASSERT_EQ(1, zebGetOrgRect(hPic, &rc));
    EXPECT_EQ(40, rc.right);
    EXPECT_EQ(20, rc.bottom);
    EXPECT_STREQ("\x01", Rec(hPic).JpegSource());
    EXPECT_EQ(path, Rec(hPic).Head().FileName());
    EXPECT_EQ(nTempBmps, CountTempFiles("bmp*.tmp")) << "the converted BMP is deleted";
    ClientImage image(hPic);
    EXPECT_TRUE(Near(image.At(10, 20), kRed));
    EXPECT_TRUE(Near(image.At(70, 20), kBlue));
    ::DeleteFileA(path.c_str());
}

TEST_F(Pictures, UnreadableFilesLeaveThePictureEmpty)
{
    const std::string text = TempPath("zeb_pic_test.txt");
    WriteBytes(text, std::vector<BYTE>{'h', 'e', 'l', 'l', 'o', '!', '!', '!', '!'});
    for (const std::string& path : {TempPath("zeb_pic_missing.bmp"), text}) {
        ZebPicCreateInfo info = Info(40, 40);
        info.dwMask |= ZEBPIC_FILE;
        info.pszFile = path.c_str();
        HWND hPic = Make(info);
        ASSERT_NE(nullptr, hPic) << "creation still succeeds";
        EXPECT_EQ(nullptr, Rec(hPic).Picture());
        RECT rc;
        EXPECT_EQ(0, zebGetOrgRect(hPic, &rc));
    }
    ::DeleteFileA(text.c_str());
}

// The JPEG bytes of a block are copied to a temporary file before they are
// converted: a copy that cannot be read whole converts nothing and leaves
// no file behind.
TEST_F(Pictures, TruncatedJpegDataIsRefused)
{
    const std::string path = TempPath("zeb_pic_cut.jpg");
    WriteBytes(path, kRedBlueJpeg, kRedBlueJpegSize);
    const int nJpg = CountTempFiles("jpg*.tmp");
    const int nBmp = CountTempFiles("bmp*.tmp");
    char szBmp[MAX_PATH] = "x";
    char szJpeg[MAX_PATH] = "y";
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_FALSE(ConvertJpegToBmp(hFile, static_cast<DWORD>(kRedBlueJpegSize) + 1, szBmp, szJpeg));
    EXPECT_STREQ("", szBmp);
    EXPECT_STREQ("", szJpeg);
    EXPECT_EQ(nJpg, CountTempFiles("jpg*.tmp"));
    EXPECT_EQ(nBmp, CountTempFiles("bmp*.tmp"));

    ::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN);
    ASSERT_TRUE(ConvertJpegToBmp(hFile, static_cast<DWORD>(kRedBlueJpegSize), szBmp, szJpeg));
    ::CloseHandle(hFile);
    EXPECT_EQ(kRedBlueJpegSize, ReadBytes(szJpeg).size()) << "the whole copy";
    HGLOBAL hDib = ReadDibFile(szBmp, FALSE);
    RECT rc;
    ASSERT_TRUE(GetDibRect(hDib, &rc));
    EXPECT_EQ(40, rc.right);
    DestroyDib(hDib);
    ::DeleteFileA(szBmp);
    ::DeleteFileA(szJpeg);
    ::DeleteFileA(path.c_str());
}

// A new picture replaces the old one only when the bitmap could be
// converted, and brings its own palette.
TEST_F(Pictures, SetPictureConvertsFirstAndTakesTheNewPalette)
{
    HWND hPic = Make(Info(40, 40));
    BmpFixture mono;
    mono.wBitCount = 1;
    const std::string path = WriteBytes(TempPath("zeb_pic_mono.bmp"), BuildBmp(mono));
    HANDLE hFile = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_TRUE(ReadPicObject(hPic, hFile, path.c_str()));
    ::CloseHandle(hFile);
    ::DeleteFileA(path.c_str());
    ASSERT_NE(nullptr, Rec(hPic).Palette());
    EXPECT_EQ(2u, ::GetPaletteEntries(Rec(hPic).Palette(), 0, 0, nullptr));

    HBITMAP hGone = RedBlueBitmap(8, 8);
    ::DeleteObject(hGone);
    EXPECT_EQ(0, zebSetPicture(hPic, hGone, nullptr)) << "not converted";
    RECT rc;
    ASSERT_EQ(1, zebGetOrgRect(hPic, &rc));
    EXPECT_EQ(3, rc.right) << "the old picture stays";

    Show(hPic, RedBlueBitmap(16, 8));
    ASSERT_EQ(1, zebGetOrgRect(hPic, &rc));
    EXPECT_EQ(16, rc.right);
    EXPECT_EQ(256u, ::GetPaletteEntries(Rec(hPic).Palette(), 0, 0, nullptr)) << "the new picture's palette";
    EXPECT_STREQ("", Rec(hPic).Head().FileName()) << "its source is forgotten";

    EXPECT_EQ(1, zebSetPicture(hPic, nullptr, nullptr));
    EXPECT_EQ(nullptr, Rec(hPic).Picture());
    EXPECT_EQ(nullptr, Rec(hPic).Palette());
    EXPECT_EQ(0, zebSetPicture(m_hWb, nullptr, nullptr)) << "no picture";
}

TEST_F(Pictures, DrawnIntoTheWhiteBoardsCapture)
{
    ZebPicCreateInfo info = Info(60, 40, WS_BORDER, 20, 30);
    HWND hPic = Make(info);
    Show(hPic, RedBlueBitmap(60, 40));
    zebSetStretch(hPic, 1);
    const ZebChildPainter painter = DrawPicChildToDC;
    for (HPALETTE hpal : {static_cast<HPALETTE>(nullptr), zebGetPalette(0)}) {
        MemoryCanvas canvas(300, 200, kWhite);
        ASSERT_EQ(1, painter(m_hWb, hPic, canvas.dc(), {0, 0, 300, 200}, hpal));
        EXPECT_EQ(kRed, canvas.pixel(30, 50)) << hpal;
        EXPECT_EQ(kBlue, canvas.pixel(70, 50)) << hpal;
        EXPECT_EQ(kWhite, canvas.pixel(10, 10)) << hpal;
        EXPECT_NE(kWhite, canvas.pixel(20, 30)) << "its border";
        EXPECT_NE(kRed, canvas.pixel(20, 30)) << "its border";
    }
    MemoryCanvas canvas(300, 200, kWhite);
    EXPECT_EQ(0, painter(m_hWb, hPic, canvas.dc(), {100, 100, 300, 200}, nullptr)) << "outside the clip";
    EXPECT_EQ(kWhite, canvas.pixel(30, 50));
    HWND hLine = zebCreateObjLine(m_hWb, nullptr, nullptr);
    EXPECT_EQ(0, painter(m_hWb, hLine, canvas.dc(), {0, 0, 300, 200}, nullptr)) << "not a picture";
}

TEST_F(Pictures, ScrolledPictureIsCapturedFromItsScrolledPart)
{
    HWND hPic = Make(Info(100, 100, WS_HSCROLL | WS_VSCROLL, 10, 10));
    Show(hPic, QuadrantBitmap(300, 200, kRed, kBlue, kWhite, kBlack));
    ::SendMessageA(hPic, WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 140), 0);
    ::SendMessageA(hPic, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 90), 0);
    MemoryCanvas canvas(300, 200, kGreen);
    ASSERT_EQ(1, DrawPicChildToDC(m_hWb, hPic, canvas.dc(), {0, 0, 300, 200}, nullptr));
    EXPECT_EQ(kRed, canvas.pixel(10 + 9, 10 + 9)) << "column 149, row 99";
    EXPECT_EQ(kBlue, canvas.pixel(10 + 10, 10 + 9));
    EXPECT_EQ(kWhite, canvas.pixel(10 + 9, 10 + 10));
    EXPECT_EQ(kBlack, canvas.pixel(10 + 10, 10 + 10));
}

TEST_F(Pictures, PictureOfAnObjectIsItsLookAsABitmap)
{
    HWND hPic = Make(Info(80, 60));
    Show(hPic, RedBlueBitmap(40, 30));
    zebSetStretch(hPic, 1);
    HBITMAP hBitmap = nullptr;
    HPALETTE hPalette = reinterpret_cast<HPALETTE>(1);
    ASSERT_EQ(1, GetPictureOfObject(hPic, &hBitmap, &hPalette));
    EXPECT_EQ(nullptr, hPalette);
    BITMAP bm = {};
    ::GetObjectA(hBitmap, sizeof(bm), &bm);
    EXPECT_EQ(80, bm.bmWidth);
    EXPECT_EQ(60, bm.bmHeight);
    HDC hdc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hdc, hBitmap);
    EXPECT_EQ(kRed, ::GetPixel(hdc, 10, 30));
    EXPECT_EQ(kBlue, ::GetPixel(hdc, 70, 30));
    ::SelectObject(hdc, hOld);
    ::DeleteDC(hdc);
    ::DeleteObject(hBitmap);
    EXPECT_EQ(1, GetPictureOfObject(hPic, nullptr, nullptr));

    HWND hLine = zebCreateObjLine(m_hWb, nullptr, nullptr);
    EXPECT_EQ(0, GetPictureOfObject(hLine, &hBitmap, nullptr));
    EXPECT_EQ(0, GetPictureOfObject(m_parent.Hwnd(), &hBitmap, nullptr));
}

// Printed on the PDF printer: 1; a device context that takes no document
// gives -1 like every other printing failure.
TEST_F(Pictures, PrintedAloneOnAPage)
{
    HWND hPic = Make(Info(40, 40));
    Show(hPic, RedBlueBitmap(40, 20));
    const RECT rcDest = {0, 0, 100, 100};
    MemoryCanvas canvas(10, 10, kWhite);
    EXPECT_EQ(-1, PrintPicObject(hPic, canvas.dc(), "zeb picture", nullptr, rcDest));
    EXPECT_EQ(-1, PrintPicObject(m_hWb, nullptr, nullptr, nullptr, rcDest)) << "not a picture";

    HANDLE hLock = ::CreateMutexA(nullptr, FALSE, "SuiteTestPdfPrinter");
    ::WaitForSingleObject(hLock, 60000);
    HDC hdc = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    ASSERT_NE(nullptr, hdc) << "the PDF printer is missing";
    EXPECT_EQ(1, PrintPicObject(hPic, hdc, "zeb picture", nullptr, rcDest));
    ::DeleteDC(hdc);
    ::ReleaseMutex(hLock);
    ::CloseHandle(hLock);
}

// Dark pixels of a page: the width and height of the box around them.
SIZE InkedBox(const GrayImage& image)
{
    RECT box = {image.width, image.height, -1, -1};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y) < 128) {
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x),
                       std::max<LONG>(box.bottom, y)};
            }
        }
    }
    return {box.right - box.left + 1, box.bottom - box.top + 1};
}

// Printed lengths follow the whiteboard's resolution per axis: a square of
// 100 x 100 pixels at 48 dpi across and 96 dpi down is twice as wide as
// high on paper.
TEST_F(Pictures, PrintingScalesEachAxisByItsOwnResolution)
{
    ZebPicCreateInfo info = Info(40, 40);
    info.dwMask |= ZEBPIC_STRETCH;
    info.nStretch = 1;
    HWND hPic = Make(info);
    Show(hPic, FilledBitmap(16, 16, kBlack));
    ZebWbRecord::From(GetObjRecord(m_hWb))->SetDpi(48, 96);
    const std::string title = PrintJobTitle("ZebPictureDpi");
    {
        PdfPrinterLock lock;
        HDC hdc = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
        ASSERT_NE(nullptr, hdc) << "the PDF printer is missing";
        EXPECT_EQ(1, PrintPicObject(hPic, hdc, title.c_str(), nullptr, {0, 0, 100, 100}));
        ::DeleteDC(hdc);
    }
    const std::string pdf = WaitForPrintedPdf(title);
    ASSERT_FALSE(pdf.empty()) << "no PDF for " << title;
    const SIZE box = InkedBox(RasterizePdf(pdf, 72));
    // 100 / 48 inch by 100 / 96 inch: 150 x 75 points.
    EXPECT_NEAR(150, box.cx, 3);
    EXPECT_NEAR(75, box.cy, 3);
}

// Setting the text from the text itself keeps it: the copy is made first.
TEST_F(Pictures, ObjectTextRoundTrip)
{
    HWND hPic = Make(Info(10, 10));
    zebCreateObjLine(m_hWb, nullptr, nullptr);
    EXPECT_EQ(0, zebGetObjText(m_hWb, ZebKindPicture, 0, nullptr)) << "no text yet";
    ASSERT_EQ(1, zebSetObjText(m_hWb, ZebKindPicture, 0, "写真の説明"));
    char szBuffer[64] = "xxxx";
    EXPECT_EQ(10, zebGetObjText(m_hWb, ZebKindPicture, 0, szBuffer));
    EXPECT_STREQ("写真の説明", szBuffer);
    EXPECT_EQ(10, zebGetObjText(m_hWb, ZebKindPicture, 0, nullptr));
    ASSERT_EQ(1, zebSetObjText(m_hWb, ZebKindPicture, 0, GetObjRecord(hPic)->Text()));
    EXPECT_STREQ("写真の説明", GetObjRecord(hPic)->Text());
    EXPECT_EQ(1, zebSetObjText(m_hWb, ZebKindLine, 0, "line"));
    EXPECT_EQ(4, zebGetObjText(m_hWb, ZebKindLine, 0, szBuffer));

    EXPECT_EQ(1, zebSetObjText(m_hWb, ZebKindPicture, 0, nullptr));
    EXPECT_EQ(0, zebGetObjText(m_hWb, ZebKindPicture, 0, szBuffer));
    EXPECT_STREQ("", szBuffer);

    EXPECT_EQ(-1, zebGetObjText(m_hWb, ZebKindPicture, 1, szBuffer)) << "no such picture";
    EXPECT_EQ(0, zebSetObjText(m_hWb, ZebKindWbText, 0, "x"));
    EXPECT_EQ(-1, zebGetObjText(hPic, ZebKindPicture, 0, szBuffer)) << "not a whiteboard";
    HWND hApp = ::CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 5, 5, m_hWb, nullptr, nullptr, nullptr);
    zebAddObj(m_hWb, hApp, ZebKindAppChild);
    EXPECT_EQ(-1, zebGetObjText(m_hWb, ZebKindAppChild, 0, szBuffer));
    EXPECT_EQ(0, zebSetObjText(m_hWb, ZebKindAppChild, 0, "x"));
}

}  // namespace
