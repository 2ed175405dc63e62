#include "objects/hit_test.h"

#include "objects/obj_record.h"

namespace {

bool IsInViewMode(const ZebObjRecord& record)
{
    if (record.ViewMode() != 0)
        return true;
    ZebObjRecord* pWb = GetObjRecord(record.OwnerWhiteBoard());
    return pWb != nullptr && pWb->ViewMode() != 0;
}

}  // namespace

ZebHitTable BuildHitTable(const RECT& rcWindow, int F, int G)
{
    const LONG L = rcWindow.left, T = rcWindow.top, R = rcWindow.right, B = rcWindow.bottom;
    const LONG mx = (L + R - F) / 2, my = (T + B - G) / 2;
    return {{
        {{L, my, L + F + 1, my + G + 1}, HTLEFT},
        {{R - F - 1, my, R, my + G + 1}, HTRIGHT},
        {{mx, T, mx + F + 1, T + G + 1}, HTTOP},
        {{L, T, L + F + 1, T + G + 1}, HTTOPLEFT},
        {{R - F - 1, T, R, T + G + 1}, HTTOPRIGHT},
        {{mx, B - G - 1, mx + F + 1, B}, HTBOTTOM},
        {{L, B - G - 1, L + F + 1, B}, HTBOTTOMLEFT},
        {{R - F - 1, B - G - 1, R, B}, HTBOTTOMRIGHT},
        {{L, T + G + 1, L + F + 1, my + 1}, HTLEFT},
        {{L, my + G + 1, L + F + 1, B - G + 1}, HTLEFT},
        {{R - F - 1, T + G + 1, R, my + 1}, HTRIGHT},
        {{R - F - 1, my + G + 1, R, B - G + 1}, HTRIGHT},
        {{L + F + 1, T, mx + 1, T + G + 1}, HTTOP},
        {{mx + F + 1, T, R - F + 1, T + G + 1}, HTTOP},
        {{L + F + 1, B - G - 1, mx + 1, B}, HTBOTTOM},
        {{mx + F + 1, B - G - 1, R - F + 1, B}, HTBOTTOM},
    }};
}

ZebHitTable BuildHitTable(HWND hwnd)
{
    RECT rc;
    ::GetWindowRect(hwnd, &rc);
    return BuildHitTable(rc, ::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME));
}

LRESULT ObjHitTest(HWND hwnd, POINT ptScreen)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || IsInViewMode(*pRecord))
        return HTERROR;
    for (const ZebHitEntry& entry : BuildHitTable(hwnd)) {
        if (::PtInRect(&entry.rc, ptScreen))
            return entry.nCode;
    }
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    ::MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&rcClient), 2);
    return ::PtInRect(&rcClient, ptScreen) ? HTCAPTION : HTERROR;
}

void DrawSizingFrame(HWND hwnd)
{
    RECT rcWindow;
    ::GetWindowRect(hwnd, &rcWindow);
    const ZebHitTable table = BuildHitTable(hwnd);
    HDC hdc = ::GetWindowDC(hwnd);
    HBRUSH hBlack = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    for (int i = 0; i < 8; ++i) {
        RECT rc = table[i].rc;
        ::OffsetRect(&rc, -rcWindow.left, -rcWindow.top);
        ::FillRect(hdc, &rc, hBlack);
    }
    ::ReleaseDC(hwnd, hdc);
}
