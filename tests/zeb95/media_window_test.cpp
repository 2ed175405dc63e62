#include <gtest/gtest.h>

#include <vector>

#include "media/media_record.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

class MediaWindows : public OnWhiteBoard
{
protected:
    HWND Make(WORD wKind, HWND hParent = nullptr)
    {
        HWND hOn = hParent != nullptr ? hParent : m_hWb;
        HWND hwnd = wKind == ZebKindMovie ? zebCreateObjMovie(hOn, nullptr, nullptr)
                                          : zebCreateObjSound(hOn, nullptr, nullptr);
        ::SetWindowPos(hwnd, nullptr, 0, 0, 40, 30, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        Pump();
        return hwnd;
    }
};

// Both kinds: the events of the mouse with their bases, "changed" only
// after the first paint, and the grid of their own over the whiteboard's.
TEST_F(MediaWindows, EventsAndGrid)
{
    const struct
    {
        WORD wKind;
        int nBase;
    } kKinds[] = {{ZebKindSound, 300}, {ZebKindMovie, 400}};
    for (const auto& k : kKinds) {
        m_parent.received.clear();
        HWND hwnd = k.wKind == ZebKindMovie ? zebCreateObjMovie(m_hWb, nullptr, nullptr)
                                            : zebCreateObjSound(m_hWb, nullptr, nullptr);
        ::SetWindowPos(hwnd, nullptr, 5, 5, 40, 30, SWP_NOZORDER | SWP_NOACTIVATE);
        Pump();
        EXPECT_TRUE(m_parent.received.empty()) << k.nBase << ": no \"changed\" before the first paint";
        EXPECT_EQ(5, GetObjRecord(hwnd)->Position().x);
        { ClientImage image(hwnd); }
        EXPECT_EQ(0, MediaPartOf(hwnd)->wFlags & kMediaFlagFresh);
        ::SetWindowPos(hwnd, nullptr, 8, 9, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        Pump();
        EXPECT_EQ((std::vector<int>{k.nBase + 1, 1}), Codes(m_parent));

        m_parent.received.clear();
        const LPARAM pt = MAKELPARAM(5, 6);
        ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, pt);
        ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
        EXPECT_NE(0, MediaPartOf(hwnd)->wFlags & kMediaFlagCaptured);
        ::SendMessageA(hwnd, WM_LBUTTONUP, 0, pt);
        ::SendMessageA(hwnd, WM_LBUTTONDBLCLK, MK_LBUTTON, pt);
        EXPECT_EQ((std::vector<int>{k.nBase + 10, k.nBase + 9, k.nBase + 11, k.nBase + 2, k.nBase + 3}),
                  Codes(m_parent));
        EXPECT_EQ(0, MediaPartOf(hwnd)->wFlags & kMediaFlagCaptured);

        zebSetViewMode(hwnd, 0);
        SIZE grid = {10, 1};
        EXPECT_EQ(1, zebSetGridSize(hwnd, &grid));
        ::SetWindowPos(hwnd, nullptr, 14, 7, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        RECT rc = RectInParent(hwnd);
        EXPECT_EQ(10, rc.left) << k.nBase;
        EXPECT_EQ(7, rc.top) << k.nBase << ": a grid of 1 leaves y";
        ::SetWindowPos(hwnd, nullptr, 15, 7, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
        EXPECT_EQ(20, RectInParent(hwnd).left) << k.nBase;
        SIZE got = {};
        EXPECT_EQ(1, zebGetGridSize(hwnd, &got));
        EXPECT_EQ(10, got.cx);
        ::DestroyWindow(hwnd);
        Pump();
    }
}

// A movie passes its events to a whiteboard only; a sound to any parent.
TEST_F(MediaWindows, SoundOffTheWhiteBoardTellsItsParent)
{
    HWND hSound = Make(ZebKindSound, m_parent.Hwnd());
    HWND hMovie = Make(ZebKindMovie, m_parent.Hwnd());
    m_parent.received.clear();
    ::SendMessageA(hSound, WM_MOUSEMOVE, 0, 0);
    ::SendMessageA(hMovie, WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ((std::vector<int>{310}), Codes(m_parent));
    ::DestroyWindow(hSound);
    ::DestroyWindow(hMovie);
}

TEST_F(MediaWindows, CreatedWithTheirDefaults)
{
    LONG nIndex = -1;
    HWND hMovie = zebCreateObjMovie(m_hWb, nullptr, &nIndex);
    EXPECT_EQ(0, nIndex);
    EXPECT_EQ(0, ::GetWindowLongPtrA(hMovie, GWL_STYLE) & WS_BORDER) << "no border without record";
    EXPECT_EQ(1, zebGetStretch(hMovie));
    EXPECT_EQ(0, zebGetPopUpMode(hMovie));
    EXPECT_EQ(1, zebGetViewMode(hMovie));
    EXPECT_EQ(static_cast<LONG>(::GetSysColor(COLOR_WINDOW)), zebGetBkColor(hMovie));
    EXPECT_EQ(static_cast<LONG>(::GetSysColor(COLOR_APPWORKSPACE)), zebGetBorderColor(hMovie));

    ZebSoundCreateInfo info = {};
    info.dwMask = ZEBSOUND_STYLE | ZEBSOUND_VIEWMODE | ZEBSOUND_GRID | ZEBSOUND_POINTER;
    info.dwStyle = WS_BORDER | WS_EX_TRANSPARENT;
    info.cx = 30;
    info.cy = 20;
    info.nViewMode = 0;
    info.nGridCx = 4;
    info.nGridCy = 6;
    info.nPointerNumber = 2;
    HWND hSound = zebCreateObjSound(m_hWb, &info, &nIndex);
    EXPECT_EQ(0, nIndex);
    EXPECT_EQ(WS_EX_TRANSPARENT, ::GetWindowLongPtrA(hSound, GWL_EXSTYLE));
    EXPECT_EQ(0, ::GetWindowLongPtrA(hSound, GWL_STYLE) & WS_BORDER) << "a transparent sound has no border";
    EXPECT_EQ(0, zebGetViewMode(hSound));
    EXPECT_EQ(2, zebGetMousePointer(hSound));
    SIZE grid = {};
    zebGetGridSize(hSound, &grid);
    EXPECT_EQ(4, grid.cx);
    EXPECT_EQ(6, grid.cy);
    EXPECT_EQ(1, zebSetStretch(hMovie, 0));
    EXPECT_EQ(0, zebGetStretch(hMovie));
    EXPECT_EQ(0, zebSetStretch(hSound, 1)) << "a sound has no stretch";
}

}  // namespace
