#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <vector>

#include "objects/events.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "objects/obj_dpi.h"
#include "objects/obj_record.h"
#include "objects/selection.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const LONG kWbId = 21;

// A top-level parent; whiteboards are made on it through the export.
class WhiteBoards : public LibraryStarted
{
protected:
    void TearDown() override { Pump(); }

    ZebWbCreateInfo Info(DWORD dwMask = 0) const
    {
        ZebWbCreateInfo info = {};
        info.dwMask = dwMask;
        info.hParent = m_hParent;
        info.x = 10;
        info.y = 10;
        info.cx = 300;
        info.cy = 200;
        info.nControlId = kWbId;
        return info;
    }
    HWND MakeWb(const ZebWbCreateInfo& info)
    {
        HWND hWb = zebCreateWhiteBoard(&info);
        Pump();
        return hWb;
    }
    HWND MakeWb() { return MakeWb(Info()); }

    // Pictures and lines start in view mode; these are made editable.
    static HWND Child(HWND hParent, const char* pszClass)
    {
        HWND h = ::CreateWindowExA(0, pszClass, "", WS_CHILD | WS_VISIBLE, 0, 0, 40, 30, hParent, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr);
        if (GetObjRecord(h) != nullptr)
            GetObjRecord(h)->SetViewMode(0);
        return h;
    }
    static ZebWbRecord& Wb(HWND hWb) { return *ZebWbRecord::From(GetObjRecord(hWb)); }

    TestParent m_parent;
    HWND m_hParent = m_parent.Hwnd();
};

TEST_F(WhiteBoards, CreationGivesTheDefaultRecord)
{
    HWND hWb = MakeWb();
    ASSERT_NE(nullptr, hWb);
    ZebWbRecord& wb = Wb(hWb);
    EXPECT_EQ(kWbId, ::GetDlgCtrlID(hWb));
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hWb, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_BORDER | WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN |
                                    WS_TABSTOP),
              nStyle & ~static_cast<LONG_PTR>(0xFFFF));
    HDC hdc = ::GetDC(nullptr);
    EXPECT_EQ(::GetDeviceCaps(hdc, LOGPIXELSX), wb.DpiX());
    EXPECT_EQ(::GetDeviceCaps(hdc, LOGPIXELSY), wb.DpiY());
    ::ReleaseDC(nullptr, hdc);
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), wb.Head().BkColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOW), wb.Head().BorderColor());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), wb.Head().ForeColor());
    EXPECT_EQ(-1, wb.TextFontIndex());
    for (const ZebWbMark* pMark : {&wb.FormFeedMark(), &wb.LineFeedMark()}) {
        EXPECT_EQ(kWbNoMark, pMark->wCode);
        EXPECT_EQ(-1, pMark->nFont);
        EXPECT_EQ(CLR_INVALID, pMark->crColor);
        EXPECT_EQ(0, pMark->cx + pMark->cy);
    }
    // 18 double-byte characters, then 13 single-byte ones.
    const char* pszLineStart = wb.Head().LineStartString();
    ASSERT_NE(nullptr, pszLineStart);
    ASSERT_EQ(49u, std::strlen(pszLineStart));
    EXPECT_EQ(0, std::memcmp("\x81\x41\x81\x42", pszLineStart, 4)) << "、。";
    EXPECT_EQ(0, std::memcmp("\x81\x7A\xA4\xA1,.?!)]}>\xDF\xDE\xA3", pszLineStart + 34, 15)) << "】､｡...ﾟﾞ｣";
    EXPECT_TRUE(zebDestroyWhiteBoard(hWb));
    EXPECT_FALSE(::IsWindow(hWb));
}

TEST_F(WhiteBoards, CreationAppliesTheMaskedFields)
{
    ZebWbCreateInfo info = Info(ZEBWB_STYLE | ZEBWB_BKCOLOR | ZEBWB_FORECOLOR | ZEBWB_VIEWMODE | ZEBWB_WRAPMODE |
                                ZEBWB_POINTER | ZEBWB_LINESTART | ZEBWB_ORIGIN | ZEBWB_PAGESIZE | ZEBWB_GRID |
                                ZEBWB_VERTICAL);
    info.dwStyle = WS_THICKFRAME | WS_VSCROLL | WS_POPUP | WS_DISABLED;
    info.dwExStyle = WS_EX_CLIENTEDGE | WS_EX_TOPMOST;
    info.crBack = RGB(1, 2, 3);
    info.crFore = RGB(4, 5, 6);
    info.nViewMode = 1;
    info.nWrapMode = 1;
    info.nPointerNumber = 13;
    char szLineStart[] = "!?";
    info.pszLineStart = szLineStart;
    info.nOriginX = 5;
    info.nOriginY = 7;
    info.nPageCx = 250;
    info.nPageCy = 600;
    info.nGridCx = 8;
    info.nGridCy = 4;
    info.nVerticalMode = 1;
    HWND hWb = MakeWb(info);
    ASSERT_NE(nullptr, hWb);
    ZebWbRecord& wb = Wb(hWb);
    const LONG_PTR nStyle = ::GetWindowLongPtrA(hWb, GWL_STYLE);
    EXPECT_EQ(static_cast<LONG_PTR>(WS_THICKFRAME | WS_VSCROLL), nStyle & (WS_THICKFRAME | WS_VSCROLL | WS_BORDER));
    EXPECT_EQ(0, nStyle & (WS_POPUP | WS_DISABLED));
    EXPECT_EQ(static_cast<LONG_PTR>(WS_EX_CLIENTEDGE),
              ::GetWindowLongPtrA(hWb, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_TOPMOST));
    EXPECT_EQ(RGB(1, 2, 3), wb.Head().BkColor());
    EXPECT_EQ(RGB(1, 2, 3), wb.Head().BorderColor()) << "the back colour without a border colour";
    EXPECT_EQ(RGB(4, 5, 6), wb.Head().ForeColor());
    EXPECT_EQ(1u, wb.Head().ViewMode());
    EXPECT_EQ(1u, wb.Head().WrapMode());
    EXPECT_EQ(13u, wb.Head().PointerNumber());
    EXPECT_EQ(1u, wb.Head().Vertical());
    ASSERT_NE(nullptr, wb.Head().LineStartString());
    EXPECT_STREQ("!?", wb.Head().LineStartString());
    EXPECT_NE(szLineStart, wb.Head().LineStartString()) << "a copy";
    EXPECT_EQ(5, wb.Head().Origin().x);
    EXPECT_EQ(7, wb.Head().Origin().y);
    EXPECT_EQ(600, wb.Head().PageSize().cy);
    EXPECT_EQ(8, wb.Grid().cx);
    EXPECT_EQ(4, wb.Grid().cy);
    SCROLLINFO si = {sizeof(si), SIF_RANGE};
    ASSERT_TRUE(::GetScrollInfo(hWb, SB_VERT, &si));
    EXPECT_EQ(599, si.nMax) << "the vertical bar spans the page";
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, BorderColourAndLineStartCanBeGivenApart)
{
    ZebWbCreateInfo info = Info(ZEBWB_BKCOLOR | ZEBWB_BORDERCOLOR | ZEBWB_LINESTART | ZEBWB_CURSOR);
    info.crBack = RGB(1, 1, 1);
    info.crBorder = RGB(9, 9, 9);
    info.hCursor = ::LoadCursorA(nullptr, IDC_CROSS);
    HWND hWb = MakeWb(info);
    ASSERT_NE(nullptr, hWb);
    EXPECT_EQ(RGB(1, 1, 1), Wb(hWb).Head().BkColor());
    EXPECT_EQ(RGB(9, 9, 9), Wb(hWb).Head().BorderColor());
    EXPECT_EQ(nullptr, Wb(hWb).Head().LineStartString()) << "a null string clears it";
    EXPECT_NE(nullptr, Wb(hWb).Head().Cursor());
    EXPECT_NE(info.hCursor, Wb(hWb).Head().Cursor()) << "a copy";
    zebDestroyWhiteBoard(hWb);
}

// The marks' fonts are numbered in the text-item font table; a mark whose
// font or bitmap item does not exist stays empty.
TEST_F(WhiteBoards, CreationTakesTheTextFontAndTheMarks)
{
    struct Case
    {
        WORD wLineFeedCode;
        DWORD dwLineFeedAttr;
        WORD wFormFeedCode;
        DWORD dwFormFeedAttr;
        WORD wLineFeedWanted;
        WORD wFormFeedWanted;
    };
    const Case cases[] = {
        {'L', 0x0000, 0x8140, 0x0002, 'L', 0x8140},
        {'L', 0x0100, 3, ZEBWB_MARK_BITMAP, kWbNoMark, kWbNoMark},
        {kWbNoMark, 0, 'F', 0, kWbNoMark, 'F'},
    };
    for (const Case& c : cases) {
        ZebWbCreateInfo info = Info(ZEBWB_FONT | ZEBWB_LINEFEEDMARK | ZEBWB_FORMFEEDMARK | ZEBWB_FORECOLOR);
        info.lfTextFont.lfHeight = 18;
        ::lstrcpyA(info.lfTextFont.lfFaceName, "Arial");
        info.crFore = RGB(7, 8, 9);
        info.wLineFeedCode = c.wLineFeedCode;
        info.dwLineFeedAttr = c.dwLineFeedAttr;
        info.wFormFeedCode = c.wFormFeedCode;
        info.dwFormFeedAttr = c.dwFormFeedAttr;
        HWND hWb = MakeWb(info);
        ASSERT_NE(nullptr, hWb);
        ZebWbRecord& wb = Wb(hWb);
        ASSERT_EQ(1, wb.TextFontCount());
        EXPECT_EQ(0, std::memcmp(&info.lfTextFont, &wb.TextFonts()[0], sizeof(LOGFONTA)));
        EXPECT_EQ(0, wb.TextFontIndex());
        EXPECT_EQ(c.wLineFeedWanted, wb.LineFeedMark().wCode) << c.wLineFeedCode;
        EXPECT_EQ(c.wFormFeedWanted, wb.FormFeedMark().wCode) << c.wFormFeedCode;
        for (const ZebWbMark* pMark : {&wb.LineFeedMark(), &wb.FormFeedMark()}) {
            const bool bSet = pMark->wCode != kWbNoMark;
            EXPECT_EQ(bSet ? 0 : -1, pMark->nFont);
            EXPECT_EQ(bSet ? RGB(7, 8, 9) : CLR_INVALID, pMark->crColor);
            EXPECT_EQ(bSet, pMark->cy > 0);
        }
        zebDestroyWhiteBoard(hWb);
    }
}

TEST_F(WhiteBoards, CreationFailsWithoutRecordOrParent)
{
    EXPECT_EQ(nullptr, zebCreateWhiteBoard(nullptr));
    ZebWbCreateInfo info = Info();
    info.hParent = nullptr;
    EXPECT_EQ(nullptr, zebCreateWhiteBoard(&info));
}

// Children enter their arrays on creation and leave them on destruction;
// later entries move down.
TEST_F(WhiteBoards, ChildArraysAfterRemovals)
{
    HWND hWb = MakeWb();
    HWND hPics[3];
    for (int i = 0; i < 3; ++i) {
        hPics[i] = Child(hWb, "ZEB95POWCLASS");
        EXPECT_EQ(i, zebGetIndex(hPics[i], ZebKindPicture));
    }
    HWND hLine = Child(hWb, "ZEB95LOWCLASS");
    EXPECT_EQ(0, zebGetIndex(hLine, ZebKindLine));
    EXPECT_EQ(0, WbAddChild(hPics[0])) << "an entry already there keeps its index";
    EXPECT_EQ(3, Wb(hWb).ChildCount(3));

    EXPECT_TRUE(zebDestroyObject(hWb, ZebKindPicture, 0));
    EXPECT_FALSE(::IsWindow(hPics[0]));
    EXPECT_EQ(2, Wb(hWb).ChildCount(3));
    EXPECT_EQ(0, zebGetIndex(hPics[1], ZebKindPicture));
    EXPECT_EQ(1, zebGetIndex(hPics[2], ZebKindPicture));
    EXPECT_EQ(hPics[2], zebGetObjWindow(hWb, ZebKindPicture, 1));
    EXPECT_EQ(nullptr, Wb(hWb).Children(3)[2]) << "the freed entry is cleared";

    // (kind, index) addressing refuses what is not there.
    EXPECT_EQ(nullptr, zebGetObjWindow(hWb, ZebKindPicture, 2));
    EXPECT_EQ(nullptr, zebGetObjWindow(hWb, ZebKindPicture, -1));
    EXPECT_EQ(nullptr, zebGetObjWindow(hWb, ZebKindWbText, 0));
    EXPECT_EQ(nullptr, zebGetObjWindow(hPics[1], ZebKindPicture, 0)) << "not a whiteboard";
    EXPECT_EQ(nullptr, zebGetObjWindow(hWb, ZebKindDoc, 0)) << "no array";
    EXPECT_FALSE(zebDestroyObject(hWb, ZebKindPicture, 5));

    EXPECT_EQ(kWbId, zebGetIndex(hWb, ZebKindWhiteBoard));
    HWND hForeign = Child(hWb, "STATIC");
    EXPECT_EQ(-1, zebGetIndex(hForeign, 1024)) << "no library mark";
    EXPECT_EQ(1, zebGetIndex(hPics[2], 1024)) << "marked: its own array's index";
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, AppChildrenAreAddedOnceAndArraysGrow)
{
    HWND hWb = MakeWb();
    std::vector<HWND> children;
    for (int i = 0; i < 130; ++i) {
        children.push_back(Child(hWb, "STATIC"));
        ASSERT_EQ(i, zebAddObj(hWb, children.back(), ZebKindAppChild));
    }
    EXPECT_EQ(256, Wb(hWb).ChildCapacity(kWbAppChildSlot));
    EXPECT_EQ(5, zebAddObj(hWb, children[5], ZebKindAppChild));
    EXPECT_EQ(129, zebGetIndex(children[129], ZebKindAppChild));
    EXPECT_EQ(children[129], zebGetObjWindow(hWb, ZebKindAppChild, 129));
    EXPECT_FALSE(zebDestroyObject(hWb, ZebKindAppChild, 0)) << "found but not destroyed";
    EXPECT_TRUE(::IsWindow(children[0]));

    EXPECT_EQ(-1, zebAddObj(hWb, children[0], ZebKindPicture));
    EXPECT_EQ(-1, zebAddObj(children[0], children[1], ZebKindAppChild));
    EXPECT_EQ(-1, zebAddObj(hWb, nullptr, ZebKindAppChild));
    EXPECT_EQ(0, zebDelObj(hWb, children[0], ZebKindPicture));

    EXPECT_EQ(1, zebDelObj(hWb, children[0], ZebKindAppChild));
    EXPECT_EQ(0, zebDelObj(hWb, children[0], ZebKindAppChild));
    EXPECT_EQ(-1, zebGetIndex(children[0], ZebKindAppChild));
    EXPECT_EQ(0, zebGetIndex(children[1], ZebKindAppChild));
    EXPECT_EQ(128, zebGetIndex(children[129], ZebKindAppChild));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, RemovingTheSelectedChildClearsTheSelection)
{
    HWND hWb = MakeWb();
    HWND hPic0 = Child(hWb, "ZEB95POWCLASS");
    HWND hPic1 = Child(hWb, "ZEB95POWCLASS");
    WORD wKind = 0;
    LONG nIndex = -1;
    EXPECT_EQ(0, zebGetSelObj(hWb, &wKind, &nIndex));
    ASSERT_TRUE(SelectObj(hPic1));
    EXPECT_EQ(1, zebGetSelObj(hWb, &wKind, &nIndex));
    EXPECT_EQ(ZebKindPicture, wKind);
    EXPECT_EQ(1, nIndex);
    EXPECT_EQ(1, zebGetSelObj(hWb, nullptr, nullptr));

    ::DestroyWindow(hPic0);
    EXPECT_EQ(hPic1, Wb(hWb).SelectedWindow()) << "another child's removal keeps it";
    ::DestroyWindow(hPic1);
    EXPECT_EQ(nullptr, Wb(hWb).SelectedWindow());
    EXPECT_EQ(0, Wb(hWb).SelectedKind());
    EXPECT_EQ(0, Wb(hWb).SelectedIndex());
    EXPECT_EQ(0, zebGetSelObj(hWb, &wKind, &nIndex));

    HWND hApp = Child(hWb, "STATIC");
    const LONG nApp = zebAddObj(hWb, hApp, ZebKindAppChild);
    Wb(hWb).SetSelected(hApp, ZebKindAppChild, nApp);
    EXPECT_EQ(0, zebGetSelObj(hWb, &wKind, &nIndex)) << "kinds 2 to 128 only";
    EXPECT_EQ(1, zebDelObj(hWb, hApp, ZebKindAppChild));
    EXPECT_EQ(nullptr, Wb(hWb).SelectedWindow());
    EXPECT_EQ(0, Wb(hWb).SelectedKind());
    zebDestroyWhiteBoard(hWb);
}

// At most one object is selected: losing the focus drops the whiteboard's
// whole selection, so destroying that object later cannot leave its kind
// and index naming the next one.
TEST_F(WhiteBoards, SelectionLostWithTheFocusDoesNotOutliveItsObject)
{
    HWND hWb = MakeWb();
    ZebPicCreateInfo info = {};
    info.dwMask = ZEBPIC_VIEWMODE;
    info.cx = 40;
    info.cy = 30;
    HWND hPic0 = zebCreateObjPic(hWb, &info, nullptr);
    HWND hPic1 = zebCreateObjPic(hWb, &info, nullptr);
    ASSERT_NE(nullptr, hPic1);
    WORD wKind = 0;
    LONG nIndex = -1;
    for (bool bLoseFocus : {false, true}) {
        ::SetFocus(hPic0);
        Pump();
        ASSERT_EQ(1, zebGetSelObj(hWb, &wKind, &nIndex));
        EXPECT_EQ(ZebKindPicture, wKind);
        EXPECT_EQ(0, nIndex);
        if (bLoseFocus) {
            ::SetFocus(m_hParent);
            Pump();
            EXPECT_EQ(0, zebGetSelObj(hWb, &wKind, &nIndex)) << "deselected";
        }
        ASSERT_TRUE(zebDestroyObject(hWb, ZebKindPicture, 0));
        Pump();
        EXPECT_EQ(0, zebGetSelObj(hWb, &wKind, &nIndex)) << (bLoseFocus ? "after losing the focus" : "selected");
        hPic0 = hPic1;
        hPic1 = zebCreateObjPic(hWb, &info, nullptr);
    }
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, ResolutionIsTheWhiteBoardsAndOnlyAWhiteBoardTakesIt)
{
    HWND hWb = MakeWb();
    HWND hPic = Child(hWb, "ZEB95POWCLASS");
    const LONG nScreen = Wb(hWb).DpiY();
    EXPECT_EQ(nScreen, zebGetDPI(hWb));
    EXPECT_EQ(nScreen, zebSetDPI(hWb, 300));
    EXPECT_EQ(300, Wb(hWb).DpiX());
    EXPECT_EQ(300, Wb(hWb).DpiY());
    EXPECT_EQ(300, zebGetDPI(hPic));
    EXPECT_EQ(-1, zebSetDPI(hWb, 0));
    EXPECT_EQ(300, zebGetDPI(hWb)) << "unchanged";

    // The same two words of another kind hold something else.
    EXPECT_EQ(-1, zebSetDPI(hPic, 300));
    auto* pPicWords = reinterpret_cast<const LONG*>(GetObjRecord(hPic));
    EXPECT_EQ(0, pPicWords[147] | pPicWords[148]);
    EXPECT_EQ(-1, zebSetDPI(m_hParent, 300));

    Wb(hWb).SetDpi(0, 0);
    EXPECT_EQ(96, zebGetDPI(hWb)) << "below 1 falls back";
    EXPECT_EQ(96, zebGetDPI(hPic));
    EXPECT_EQ(96, zebGetDPI(m_hParent)) << "no record";

    HWND hLoose = Child(m_hParent, "ZEB95POWCLASS");
    HDC hdc = ::GetDC(m_hParent);
    EXPECT_EQ(::GetDeviceCaps(hdc, LOGPIXELSY), zebGetDPI(hLoose)) << "without whiteboard: the parent's display";
    ::ReleaseDC(m_hParent, hdc);
    zebDestroyWhiteBoard(hWb);
}

// The services that child objects share: each axis has its resolution, a
// child's rectangle is in whiteboard coordinates.
TEST_F(WhiteBoards, ResolutionPerAxisAndRectangleInWhiteBoardCoordinates)
{
    HWND hWb = MakeWb();
    HWND hPic = Child(hWb, "ZEB95POWCLASS");
    ::MoveWindow(hPic, 20, 30, 100, 80, FALSE);
    Wb(hWb).SetDpi(120, 240);
    EXPECT_EQ(120, GetObjDpiX(hPic));
    EXPECT_EQ(240, GetObjDpiY(hPic));
    EXPECT_EQ(120, GetObjDpiX(hWb));
    EXPECT_EQ(240, GetObjDpiY(hWb));
    Wb(hWb).SetDpi(0, -5);
    EXPECT_EQ(96, GetObjDpiX(hPic));
    EXPECT_EQ(96, GetObjDpiY(hPic));
    EXPECT_EQ(96, GetObjDpiX(m_hParent)) << "no record";
    HWND hLoose = Child(m_hParent, "ZEB95POWCLASS");
    HDC hdc = ::GetDC(hLoose);
    EXPECT_EQ(::GetDeviceCaps(hdc, LOGPIXELSX), GetObjDpiX(hLoose)) << "without whiteboard: its own display";
    ::ReleaseDC(hLoose, hdc);

    RECT rc = {};
    ASSERT_TRUE(GetObjRect(hPic, &rc));
    EXPECT_EQ(20, rc.left);
    EXPECT_EQ(30, rc.top);
    EXPECT_EQ(120, rc.right);
    EXPECT_EQ(110, rc.bottom);
    Wb(hWb).Head().SetOrigin({5, 7});
    ASSERT_TRUE(GetObjRect(hPic, &rc));
    EXPECT_EQ(25, rc.left);
    EXPECT_EQ(37, rc.top);
    EXPECT_FALSE(GetObjRect(hWb, &rc)) << "kinds 8 to 128 only";
    EXPECT_FALSE(GetObjRect(hPic, nullptr));
    ::DestroyWindow(hLoose);
    zebDestroyWhiteBoard(hWb);
}

// The paint rectangles that windows of this class were given, in order.
struct PaintRecord
{
    HWND hwnd;
    RECT rc;
};
std::vector<PaintRecord> g_paints;

LRESULT CALLBACK RecordPaintProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != WM_PAINT)
        return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
    PAINTSTRUCT ps;
    ::BeginPaint(hwnd, &ps);
    g_paints.push_back({hwnd, ps.rcPaint});
    ::EndPaint(hwnd, &ps);
    return 0;
}

HWND PaintRecorder(HWND hParent, const RECT& rc, DWORD dwExStyle)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = RecordPaintProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZebTestPaintRecorder";
    ::RegisterClassA(&wc);
    return ::CreateWindowExA(dwExStyle, wc.lpszClassName, "", WS_CHILD | WS_VISIBLE, rc.left, rc.top,
                             rc.right - rc.left, rc.bottom - rc.top, hParent, nullptr, wc.hInstance, nullptr);
}

// A part of an object is redrawn at once in every sibling it covers, and
// transparent siblings whole.
TEST_F(WhiteBoards, InvalidatingAPartOfAnObjectRedrawsWhatItCovers)
{
    HWND hWb = MakeWb();
    HWND hPic = Child(hWb, "ZEB95POWCLASS");
    ::MoveWindow(hPic, 20, 20, 100, 80, FALSE);
    HWND hOpaque = PaintRecorder(hWb, {50, 50, 150, 150}, 0);
    HWND hClear = PaintRecorder(hWb, {200, 150, 250, 190}, WS_EX_TRANSPARENT);
    HWND hAway = PaintRecorder(hWb, {200, 10, 250, 40}, 0);
    ::UpdateWindow(hWb);
    Pump();
    g_paints.clear();
    const RECT rcPart = {10, 10, 40, 40};
    ASSERT_TRUE(InvalidateObjArea(hPic, &rcPart));
    auto painted = [](HWND hwnd) {
        for (const PaintRecord& paint : g_paints) {
            if (paint.hwnd == hwnd)
                return paint.rc;
        }
        return RECT{-1, -1, -1, -1};
    };
    const RECT rcOpaque = painted(hOpaque);
    EXPECT_EQ(0, rcOpaque.left);
    EXPECT_EQ(0, rcOpaque.top);
    EXPECT_EQ(10, rcOpaque.right);
    EXPECT_EQ(10, rcOpaque.bottom);
    const RECT rcClear = painted(hClear);
    EXPECT_EQ(0, rcClear.left);
    EXPECT_EQ(50, rcClear.right);
    EXPECT_EQ(40, rcClear.bottom);
    EXPECT_EQ(-1, painted(hAway).left) << "not covered";
    RECT rcUpdate;
    EXPECT_FALSE(::GetUpdateRect(hPic, &rcUpdate, FALSE)) << "the object itself was updated at once";

    g_paints.clear();
    EXPECT_TRUE(InvalidateObjArea(hPic, nullptr));
    EXPECT_TRUE(::GetUpdateRect(hPic, &rcUpdate, FALSE)) << "null: the whole object, left for painting";
    EXPECT_FALSE(InvalidateObjArea(m_hParent, &rcPart)) << "no record";
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, WindowKindAndInputParameters)
{
    HWND hWb = MakeWb();
    Child(hWb, "ZEB95LOWCLASS");
    HWND hLine = Child(hWb, "ZEB95LOWCLASS");
    HWND hApp = Child(hWb, "STATIC");
    zebAddObj(hWb, hApp, ZebKindAppChild);
    DWORD dwIndex = 99;
    EXPECT_EQ(ZebKindWhiteBoard, zebGetWindowKind(hWb, &dwIndex));
    EXPECT_EQ(static_cast<DWORD>(kWbId), dwIndex);
    EXPECT_EQ(ZebKindLine, zebGetWindowKind(hLine, &dwIndex));
    EXPECT_EQ(1u, dwIndex);
    EXPECT_EQ(ZebKindLine, zebGetWindowKind(hLine, nullptr));
    EXPECT_EQ(0, zebGetWindowKind(hApp, &dwIndex));

    GetObjRecord(hLine)->SetInput(0x1234, 0x56789A);
    EXPECT_EQ(0x1234, zebGetWParamEx(hLine));
    EXPECT_EQ(0x56789A, zebGetLParamEx(hLine));
    EXPECT_EQ(0, zebGetWParamEx(hApp));
    EXPECT_EQ(0, zebGetLParamEx(nullptr));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, KeysAndMouseAreNotifiedWithTheirParameters)
{
    HWND hWb = MakeWb();
    m_parent.received.clear();
    ::SendMessageA(hWb, WM_KEYDOWN, 'A', 0x1E0001);
    ASSERT_EQ(std::vector<int>{ZebEventKeyDown}, Codes(m_parent));
    EXPECT_EQ(kWbId, m_parent.received[0].nIndex);
    EXPECT_EQ('A', zebGetWParamEx(hWb));
    EXPECT_EQ(0, zebGetLParamEx(hWb) & ~(4 | 8 | 32)) << "only the modifier flags";
    ::SendMessageA(hWb, WM_CHAR, 'a', 0x1E0001);
    EXPECT_EQ(0x1E0001, zebGetLParamEx(hWb));
    ::SendMessageA(hWb, WM_MOUSEMOVE, MK_SHIFT, MAKELPARAM(12, 34));
    EXPECT_EQ(MK_SHIFT, zebGetWParamEx(hWb) & ~32);
    EXPECT_EQ(MAKELPARAM(12, 34), zebGetLParamEx(hWb));
    EXPECT_EQ((std::vector<int>{ZebEventKeyDown, ZebEventChar, ZebEventMouseMove}), Codes(m_parent));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, LeftPressCapturesAndItsReleaseInsideIsAClick)
{
    HWND hWb = MakeWb();
    m_parent.received.clear();
    ::SendMessageA(hWb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(hWb, ::GetCapture());
    EXPECT_TRUE(Wb(hWb).IsCaptured());
    ::SendMessageA(hWb, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(nullptr, ::GetCapture());
    EXPECT_FALSE(Wb(hWb).IsCaptured());
    EXPECT_EQ((std::vector<int>{ZebEventButtonDown, ZebEventButtonUp, ZebEventClick}), Codes(m_parent));

    // Released outside the client area: no click.
    m_parent.received.clear();
    ::SendMessageA(hWb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    ::SendMessageA(hWb, WM_LBUTTONUP, 0, MAKELPARAM(-5, 500));
    EXPECT_EQ((std::vector<int>{ZebEventButtonDown, ZebEventButtonUp}), Codes(m_parent));

    // A consumed press captures nothing; the right button never does.
    m_parent.nConsumeCode = ZebEventButtonDown;
    ::SendMessageA(hWb, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(nullptr, ::GetCapture());
    m_parent.nConsumeCode = -1;
    ::SendMessageA(hWb, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 10));
    EXPECT_EQ(nullptr, ::GetCapture());
    m_parent.received.clear();
    ::SendMessageA(hWb, WM_RBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(std::vector<int>{ZebEventButtonUp}, Codes(m_parent));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, FocusGoesToTheSelectedChildAndCommandsToTheParent)
{
    HWND hWb = MakeWb();
    HWND hPic = Child(hWb, "ZEB95POWCLASS");
    ASSERT_TRUE(SelectObj(hPic));
    ::SetFocus(hWb);
    EXPECT_EQ(hPic, ::GetFocus());
    m_parent.commandReply = 77;
    EXPECT_EQ(77, ::SendMessageA(hWb, WM_COMMAND, 1, 0));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, SizingFrameAnswersBorder)
{
    ZebWbCreateInfo info = Info(ZEBWB_STYLE);
    info.dwStyle = WS_THICKFRAME;
    HWND hWb = MakeWb(info);
    RECT rc;
    ::GetWindowRect(hWb, &rc);
    const int nMidY = (rc.top + rc.bottom) / 2;
    ASSERT_EQ(HTRIGHT, ::DefWindowProcA(hWb, WM_NCHITTEST, 0, MAKELPARAM(rc.right - 1, nMidY)));
    EXPECT_EQ(HTBORDER, ::SendMessageA(hWb, WM_NCHITTEST, 0, MAKELPARAM(rc.right - 1, nMidY)));
    EXPECT_EQ(HTBORDER, ::SendMessageA(hWb, WM_NCHITTEST, 0, MAKELPARAM(rc.left, rc.top)));
    EXPECT_EQ(HTCLIENT, ::SendMessageA(hWb, WM_NCHITTEST, 0, MAKELPARAM((rc.left + rc.right) / 2, nMidY)));
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, ScrollingStepsMoveTheOriginAndTheBar)
{
    ZebWbCreateInfo info = Info(ZEBWB_STYLE | ZEBWB_PAGESIZE);
    info.dwStyle = WS_HSCROLL | WS_VSCROLL;
    info.nPageCx = 800;
    info.nPageCy = 600;
    HWND hWb = MakeWb(info);
    RECT rcClient;
    ::GetClientRect(hWb, &rcClient);
    const LONG h = rcClient.bottom;
    const LONG w = rcClient.right;
    struct Step
    {
        int nBar;
        UINT uMsg;
        int nCode;
        LONG nExpected;
    };
    const Step steps[] = {
        {SB_VERT, WM_VSCROLL, SB_LINEUP, 0},
        {SB_VERT, WM_VSCROLL, SB_LINEDOWN, h / 16 + 1},
        {SB_VERT, WM_VSCROLL, SB_PAGEDOWN, h / 16 + 1 + h / 2 + 1},
        {SB_VERT, WM_VSCROLL, SB_PAGEUP, h / 16 + 1 + h / 2 + 1 - (h / 2) - 1},
        {SB_VERT, WM_VSCROLL, SB_PAGEDOWN, h / 16 + 1 + h / 2 + 1},
        {SB_HORZ, WM_HSCROLL, SB_LINEDOWN, w / 16 + 1},
        {SB_HORZ, WM_HSCROLL, SB_PAGEUP, 0},
    };
    for (const Step& step : steps) {
        ::SendMessageA(hWb, step.uMsg, MAKEWPARAM(step.nCode, 0), 0);
        const POINT origin = Wb(hWb).Head().Origin();
        EXPECT_EQ(step.nExpected, step.nBar == SB_VERT ? origin.y : origin.x) << step.nCode;
        EXPECT_EQ(step.nExpected, ::GetScrollPos(hWb, step.nBar)) << step.nCode;
    }
    // Down to the bar's maximum less the client height.
    for (int i = 0; i < 600 / (h / 2 + 1) + 1; ++i)
        ::SendMessageA(hWb, WM_VSCROLL, SB_PAGEDOWN, 0);
    EXPECT_EQ(599 - h, Wb(hWb).Head().Origin().y);
    EXPECT_EQ(599 - h, ::GetScrollPos(hWb, SB_VERT));
    ::SendMessageA(hWb, WM_VSCROLL, SB_ENDSCROLL, 0);
    EXPECT_EQ(599 - h, Wb(hWb).Head().Origin().y);
    zebDestroyWhiteBoard(hWb);
}

TEST_F(WhiteBoards, PageInBackgroundColourAndTheRestInBorderColour)
{
    ZebWbCreateInfo info = Info(ZEBWB_BKCOLOR | ZEBWB_BORDERCOLOR | ZEBWB_PAGESIZE);
    info.crBack = RGB(255, 0, 0);
    info.crBorder = RGB(0, 0, 255);
    info.nPageCx = 100;
    info.nPageCy = 80;
    HWND hWb = MakeWb(info);
    {
        ClientImage image(hWb);
        EXPECT_EQ(RGB(255, 0, 0), image.At(99, 79));
        EXPECT_EQ(RGB(0, 0, 255), image.At(100, 40));
        EXPECT_EQ(RGB(0, 0, 255), image.At(50, 80));
    }
    Wb(hWb).Head().SetOrigin({20, 10});
    {
        ClientImage image(hWb);
        EXPECT_EQ(RGB(255, 0, 0), image.At(79, 69));
        EXPECT_EQ(RGB(0, 0, 255), image.At(80, 40)) << "the page moved with the origin";
        EXPECT_EQ(RGB(0, 0, 255), image.At(40, 70));
    }
    Wb(hWb).Head().SetPageSize({0, 0});
    {
        ClientImage image(hWb);
        EXPECT_EQ(RGB(255, 0, 0), image.At(200, 150)) << "no page: all background";
    }
    zebDestroyWhiteBoard(hWb);
}

}  // namespace
