#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "objects/events.h"
#include "objects/global_mem.h"
#include "objects/hit_test.h"
#include "objects/obj_children.h"
#include "objects/obj_record.h"
#include "objects/obj_window.h"
#include "objects/selection.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const int kWbId = 7;

// A parent with a whiteboard, and children made on it (which enter its
// arrays themselves).
class ObjectWindows : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = ::CreateWindowExA(0, "ZEB95WBWCLASS", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200, m_parent.Hwnd(),
                                  reinterpret_cast<HMENU>(kWbId), ::GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(nullptr, m_hWb);
        Pump();
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWb);
        Pump();
    }

    // Pictures and lines start in view mode; these are made editable.
    HWND Child(const char* pszClass, int x, int y, HWND hParent = nullptr, DWORD dwExStyle = 0)
    {
        HWND h = ::CreateWindowExA(dwExStyle, pszClass, "", WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, 60, 40,
                                   hParent != nullptr ? hParent : m_hWb, nullptr, ::GetModuleHandleA(nullptr), nullptr);
        if (GetObjRecord(h) != nullptr)
            GetObjRecord(h)->SetViewMode(0);
        return h;
    }

    TestParent m_parent;
    HWND m_hWb = nullptr;
};

TEST_F(ObjectWindows, RecordHeadAndLibraryMark)
{
    HWND hPic = Child("ZEB95POWCLASS", 0, 0, nullptr, WS_EX_TRANSPARENT | WS_EX_CLIENTEDGE);
    ZebObjRecord* pRecord = GetObjRecord(hPic);
    ASSERT_NE(nullptr, pRecord);
    EXPECT_EQ(0x020D0004u, pRecord->Version());
    EXPECT_EQ(ZebKindPicture, pRecord->Kind());
    EXPECT_TRUE(pRecord->IsTransparent());
    EXPECT_TRUE(pRecord->HasClientEdge());
    EXPECT_EQ(static_cast<DWORD>(WS_BORDER), pRecord->Style());
    EXPECT_EQ(m_hWb, pRecord->OwnerWhiteBoard());
    EXPECT_EQ(::GetSysColor(COLOR_WINDOWTEXT), pRecord->DefaultForeColor());
    EXPECT_EQ(0x42455A20, ::GetWindowLongPtrA(hPic, GWLP_USERDATA));
    EXPECT_EQ(0, ::GetWindowLongPtrA(m_hWb, GWLP_USERDATA)) << "the whiteboard carries no mark";
    EXPECT_EQ(ZebKindWhiteBoard, GetObjRecord(m_hWb)->Kind());
    EXPECT_EQ(nullptr, GetObjRecord(m_parent.Hwnd())) << "a foreign window has no record";

    HWND hOutside = Child("ZEB95LOWCLASS", 0, 0, m_parent.Hwnd());
    EXPECT_EQ(nullptr, GetObjRecord(hOutside)->OwnerWhiteBoard()) << "its parent is no whiteboard";
    ::DestroyWindow(hOutside);
}

// Handles and pointers live outside the stored words: the words read the
// same on every build.
TEST_F(ObjectWindows, PointerWordsAreStoredAsZero)
{
    ZebObjRecord* pRecord = ZebObjRecord::Allocate(ZebKindLine);
    ASSERT_NE(nullptr, pRecord);
    pRecord->SetOwnerWhiteBoard(m_hWb);
    pRecord->SetCursor(::LoadCursorA(nullptr, IDC_ARROW));
    char* pszText = static_cast<char*>(LockedGlobalAlloc(GHND, 4));
    pRecord->SetText(pszText);
    pRecord->SetPosition({-5, 9});
    DWORD words[168];
    std::memcpy(words, pRecord, sizeof(words));
    EXPECT_EQ(0x020D0004u, words[0]);
    EXPECT_EQ(0u, words[82]);
    EXPECT_EQ(0u, words[83]);
    EXPECT_EQ(0u, words[87]);
    EXPECT_EQ(static_cast<DWORD>(-5), words[88]);
    EXPECT_EQ(9u, words[89]);
    EXPECT_EQ(128u, words[98]);
    EXPECT_EQ(m_hWb, pRecord->OwnerWhiteBoard());
    EXPECT_EQ(pszText, pRecord->Text());
    EXPECT_EQ(672u, ZebObjRecord::StoredBytes(ZebKindLine));
    EXPECT_EQ(nullptr, ZebObjRecord::Allocate(ZebKindAppChild));
    LockedGlobalFree(pszText);
    ZebObjRecord::Free(pRecord);
}

TEST_F(ObjectWindows, InputEventsAreSentToTheObjectAndPassedUp)
{
    HWND hPic1 = Child("ZEB95POWCLASS", 0, 0);
    HWND hPic2 = Child("ZEB95POWCLASS", 80, 0);
    m_parent.nConsumeCode = 202;
    EXPECT_EQ(1, NotifyObjEvent(hPic2, ZebEventClick, MK_LBUTTON, MAKELPARAM(3, 4)));
    ASSERT_EQ(1u, m_parent.received.size());
    EXPECT_EQ(202, m_parent.received[0].nCode);
    EXPECT_EQ(1, m_parent.received[0].nIndex);
    EXPECT_EQ(hPic2, m_parent.received[0].hObject);
    EXPECT_EQ(static_cast<DWORD>(MK_LBUTTON), GetObjRecord(hPic2)->InputWParam());
    EXPECT_EQ(static_cast<DWORD>(MAKELPARAM(3, 4)), GetObjRecord(hPic2)->InputLParam());
    EXPECT_EQ(0, NotifyObjEvent(hPic1, ZebEventMouseMove, 0, 0));
    EXPECT_EQ(210, m_parent.received.back().nCode);
    EXPECT_EQ(0, m_parent.received.back().nIndex);
    EXPECT_EQ(0, NotifyObjEvent(hPic1, ZebEventKeyDown, 0, 0)) << "pictures have no key events";
    EXPECT_EQ(2u, m_parent.received.size());
}

TEST_F(ObjectWindows, UnansweredChangedOfAChildBecomesTheWhiteBoardsOwnEvent)
{
    HWND hDoc = Child("ZEB95DOWCLASS", 0, 0);
    EXPECT_EQ(0, NotifyObjEvent(hDoc, ZebEventChanged, 0, 0));
    EXPECT_TRUE(m_parent.received.empty()) << "posted";
    Pump();
    ASSERT_EQ(2u, m_parent.received.size());
    EXPECT_EQ(101, m_parent.received[0].nCode);
    EXPECT_EQ(hDoc, m_parent.received[0].hObject);
    EXPECT_EQ(1, m_parent.received[1].nCode);
    EXPECT_EQ(kWbId, m_parent.received[1].nIndex);
    EXPECT_EQ(m_hWb, m_parent.received[1].hObject);

    m_parent.received.clear();
    m_parent.nConsumeCode = 101;
    NotifyObjEvent(hDoc, ZebEventChanged, 0, 0);
    Pump();
    ASSERT_EQ(1u, m_parent.received.size()) << "answered: no event 1";
}

TEST_F(ObjectWindows, RoutingByKind)
{
    // Requests about application-defined children stop at the whiteboard.
    for (int nCode : {90, 99, 691, 692, 693, 694, 699})
        EXPECT_EQ(0, ::SendMessageA(m_hWb, MsgZebCmd, MakeZebCmdWParam(nCode, 0), 0));
    EXPECT_TRUE(m_parent.received.empty());

    // A line keeps what reaches it; its only event is "changed", posted up.
    HWND hLine = Child("ZEB95LOWCLASS", 0, 0);
    m_parent.nConsumeCode = 2;
    EXPECT_EQ(0, ::SendMessageA(hLine, MsgZebCmd, MakeZebCmdWParam(2, 0), 0));
    EXPECT_EQ(0, NotifyObjEvent(hLine, ZebEventClick, 0, 0));
    EXPECT_TRUE(m_parent.received.empty());
    NotifyObjEvent(hLine, ZebEventChanged, 0, 0);
    Pump();
    ASSERT_FALSE(m_parent.received.empty());
    EXPECT_EQ(501, m_parent.received[0].nCode);

    // A movie passes only to a whiteboard; a picture to any parent.
    m_parent.received.clear();
    HWND hMovie = Child("ZEB95MOWCLASS", 0, 0, m_parent.Hwnd());
    HWND hPic = Child("ZEB95POWCLASS", 0, 0, m_parent.Hwnd());
    EXPECT_EQ(0, ::SendMessageA(hMovie, MsgZebCmd, MakeZebCmdWParam(2, 0), 0));
    EXPECT_TRUE(m_parent.received.empty());
    EXPECT_EQ(1, ::SendMessageA(hPic, MsgZebCmd, MakeZebCmdWParam(2, 0), 0));
    EXPECT_EQ(1u, m_parent.received.size());
    ::DestroyWindow(hMovie);
    ::DestroyWindow(hPic);
}

TEST(HitTable, RectanglesOfTheHandlesAndEdges)
{
    const ZebHitTable t = BuildHitTable(RECT{100, 50, 200, 110}, 4, 3);
    // mx = (100 + 200 - 4) / 2 = 148, my = (50 + 110 - 3) / 2 = 78
    const RECT kWant[16] = {{100, 78, 105, 82},  {195, 78, 200, 82},  {148, 50, 153, 54},  {100, 50, 105, 54},
                            {195, 50, 200, 54},  {148, 106, 153, 110}, {100, 106, 105, 110}, {195, 106, 200, 110},
                            {100, 54, 105, 79},  {100, 82, 105, 108}, {195, 54, 200, 79},  {195, 82, 200, 108},
                            {105, 50, 149, 54},  {153, 50, 197, 54},  {105, 106, 149, 110}, {153, 106, 197, 110}};
    const LRESULT kCodes[16] = {HTLEFT, HTRIGHT, HTTOP, HTTOPLEFT, HTTOPRIGHT, HTBOTTOM, HTBOTTOMLEFT, HTBOTTOMRIGHT,
                                HTLEFT, HTLEFT,  HTRIGHT, HTRIGHT, HTTOP, HTTOP, HTBOTTOM, HTBOTTOM};
    for (int i = 0; i < 16; ++i) {
        EXPECT_TRUE(::EqualRect(&kWant[i], &t[i].rc)) << i;
        EXPECT_EQ(kCodes[i], t[i].nCode) << i;
    }
}

TEST_F(ObjectWindows, HitCodesAndViewMode)
{
    HWND hPic = Child("ZEB95POWCLASS", 20, 20);
    RECT rc;
    ::GetWindowRect(hPic, &rc);
    const int F = ::GetSystemMetrics(SM_CXFRAME), G = ::GetSystemMetrics(SM_CYFRAME);
    EXPECT_EQ(HTTOPLEFT, ObjHitTest(hPic, {rc.left, rc.top}));
    EXPECT_EQ(HTBOTTOMRIGHT, ObjHitTest(hPic, {rc.right - 1, rc.bottom - 1}));
    // The lower left edge strip reaches into the bottom-left handle (rows
    // B - G - 1 and B - G): the handle comes first in the table.
    EXPECT_EQ(HTBOTTOMLEFT, ObjHitTest(hPic, {rc.left, rc.bottom - G - 1}));
    EXPECT_EQ(HTLEFT, ObjHitTest(hPic, {rc.left, rc.bottom - G - 2}));
    EXPECT_EQ(HTCAPTION, ObjHitTest(hPic, {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 + G + 2}));
    EXPECT_EQ(HTERROR, ObjHitTest(hPic, {rc.right + F, rc.bottom}));
    EXPECT_EQ(HTCAPTION, ::SendMessageA(hPic, WM_NCHITTEST, 0,
                                        MAKELPARAM((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2 + G + 2)));

    GetObjRecord(hPic)->SetViewMode(1);
    EXPECT_EQ(HTERROR, ObjHitTest(hPic, {rc.left, rc.top}));
    GetObjRecord(hPic)->SetViewMode(0);
    GetObjRecord(m_hWb)->SetViewMode(1);
    EXPECT_EQ(HTERROR, ObjHitTest(hPic, {rc.left, rc.top}));
    EXPECT_EQ(HTERROR, ObjHitTest(m_parent.Hwnd(), {rc.left, rc.top}));
}

TEST_F(ObjectWindows, SelectingASecondObjectClearsTheFirst)
{
    HWND hPic = Child("ZEB95POWCLASS", 0, 0);
    HWND hLine1 = Child("ZEB95LOWCLASS", 80, 0);
    HWND hLine2 = Child("ZEB95LOWCLASS", 160, 0);
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(m_hWb));
    EXPECT_EQ(1, SelectObj(hPic));
    EXPECT_TRUE(GetObjRecord(hPic)->IsSelected());
    EXPECT_EQ(hPic, pWb->SelectedWindow());
    EXPECT_EQ(ZebKindPicture, pWb->SelectedKind());
    EXPECT_EQ(0, pWb->SelectedIndex());
    EXPECT_EQ(1, SelectObj(hLine2));
    EXPECT_FALSE(GetObjRecord(hPic)->IsSelected());
    EXPECT_EQ(hLine2, pWb->SelectedWindow());
    EXPECT_EQ(ZebKindLine, pWb->SelectedKind());
    EXPECT_EQ(1, pWb->SelectedIndex());
    EXPECT_EQ(1, SelectObj(hLine2)) << "selected before";

    // View mode forbids selecting and clears the selection.
    GetObjRecord(hLine1)->SetViewMode(1);
    EXPECT_EQ(0, SelectObj(hLine1));
    EXPECT_FALSE(GetObjRecord(hLine1)->IsSelected());
    GetObjRecord(m_hWb)->SetViewMode(1);
    EXPECT_EQ(0, SelectObj(hLine2));
    EXPECT_FALSE(GetObjRecord(hLine2)->IsSelected());
    EXPECT_EQ(nullptr, pWb->SelectedWindow());
    EXPECT_EQ(0, DeselectObj(hPic));
    GetObjRecord(m_hWb)->SetViewMode(0);
    EXPECT_EQ(1, DeselectObj(hPic));
    EXPECT_EQ(0, DeselectObj(hLine1));
    EXPECT_EQ(0, SelectObj(m_parent.Hwnd()));
}

TEST_F(ObjectWindows, ViewModeMessageDropsTheSelection)
{
    HWND hPic = Child("ZEB95POWCLASS", 0, 0);
    ::SetFocus(hPic);
    SelectObj(hPic);
    ::SendMessageA(hPic, MsgViewModeChanged, 1, 0);
    EXPECT_FALSE(GetObjRecord(hPic)->IsSelected());
    ::SendMessageA(hPic, MsgViewModeChanged, 0, 0);
    EXPECT_EQ(::GetFocus() == hPic, GetObjRecord(hPic)->IsSelected());
}

TEST_F(ObjectWindows, TrackingSizesComeFromTheWhiteBoard)
{
    HWND hPic = Child("ZEB95POWCLASS", 0, 0);
    ZebObjRecord* pWb = GetObjRecord(m_hWb);
    pWb->SetPageSize({800, 0});
    pWb->SetOrigin({15, 25});
    MINMAXINFO mmi = {};
    ::SendMessageA(hPic, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    RECT rcClient;
    ::GetClientRect(m_hWb, &rcClient);
    EXPECT_EQ(800, mmi.ptMaxSize.x);
    EXPECT_EQ(rcClient.bottom, mmi.ptMaxSize.y) << "no page height: the client height";
    EXPECT_EQ(15, mmi.ptMaxPosition.x);
    EXPECT_EQ(25, mmi.ptMaxPosition.y);
    EXPECT_EQ(3 * ::GetSystemMetrics(SM_CXFRAME) + 2, mmi.ptMinTrackSize.x);
    EXPECT_EQ(32767, mmi.ptMaxTrackSize.y);
    POINT pt;
    SIZE size;
    EXPECT_EQ(1, GetObjPosSize(hPic, &pt, &size));
    EXPECT_EQ(0, pt.x);
    EXPECT_EQ(60, size.cx);
}

TEST_F(ObjectWindows, PointerIsSetOverTheClientAreaOnly)
{
    HWND hPic = Child("ZEB95POWCLASS", 0, 0);
    ZebObjRecord* pRecord = GetObjRecord(hPic);
    const WPARAM w = reinterpret_cast<WPARAM>(hPic);
    pRecord->SetPointerNumber(2);
    ::SetCursor(nullptr);
    EXPECT_EQ(1, ::SendMessageA(hPic, WM_SETCURSOR, w, MAKELPARAM(HTCAPTION, WM_MOUSEMOVE)));
    EXPECT_EQ(nullptr, ::GetCursor());
    EXPECT_EQ(1, ::SendMessageA(hPic, WM_SETCURSOR, w, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_CROSS), ::GetCursor());
}

TEST(ObjectPointers, NumbersGiveTheirCursors)
{
    HCURSOR hOwn = ::LoadCursorA(nullptr, IDC_HAND);
    EXPECT_EQ(hOwn, PointerCursor(0, hOwn));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), PointerCursor(0, nullptr));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_IBEAM), PointerCursor(3, hOwn));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_NO), PointerCursor(12, hOwn));
    EXPECT_EQ(::LoadCursorA(nullptr, IDC_ARROW), PointerCursor(13, hOwn)) << "no library cursor loaded";
    EXPECT_EQ(nullptr, PointerCursor(14, hOwn));
}

TEST(GlobalMemory, ReallocationKeepsTheBytesAndSwapExchangesThem)
{
    void* p = LockedGlobalAlloc(GHND, 4);
    ASSERT_NE(nullptr, p);
    std::memcpy(p, "abcd", 4);
    ASSERT_NE(nullptr, LockedGlobalReAlloc(&p, 4096, GMEM_MOVEABLE | GMEM_ZEROINIT));
    EXPECT_EQ(0, std::memcmp(p, "abcd", 4));
    EXPECT_EQ(0, static_cast<BYTE*>(p)[4095]);
    char other[4] = {'w', 'x', 'y', 'z'};
    SwapBytes(p, other, 3);
    EXPECT_EQ(0, std::memcmp(p, "wxyd", 4));
    EXPECT_EQ(0, std::memcmp(other, "abcz", 4));
    LockedGlobalFree(p);
}

}  // namespace
