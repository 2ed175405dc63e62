#include "print/preview_dialog.h"

#include <initializer_list>

#include "library/library_state.h"
#include "library/resource.h"
#include "objects/obj_dpi.h"
#include "print/print_job.h"
#include "whiteboard/wb_capture.h"

namespace {

struct PreviewState
{
    char szCaption[260];
    HWND hWb;
    HBITMAP hBitmap;
    HPALETTE hPalette;
    HBRUSH hBrush;
};

PreviewState& State()
{
    static PreviewState state;
    return state;
}

LONG Width(const RECT& rc) { return rc.right - rc.left; }
LONG Height(const RECT& rc) { return rc.bottom - rc.top; }

RECT ChildRect(HWND hDlg, int nId)
{
    RECT rc;
    ::GetWindowRect(::GetDlgItem(hDlg, nId), &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// A square of the screen's shorter side at the centre of the longer one.
void MakeSquare(HWND hDlg)
{
    const int cx = ::GetSystemMetrics(SM_CXSCREEN), cy = ::GetSystemMetrics(SM_CYSCREEN);
    const int nSide = cx < cy ? cx : cy;
    ::MoveWindow(hDlg, (cx - nSide) / 2, (cy - nSide) / 2, nSide, nSide, FALSE);
}

// The buttons from the client area's top-left corner; the strip under them.
LONG LineUpButtons(HWND hDlg)
{
    LONG x = 0, nHeight = 0;
    for (int nId = IDC_PREVIEW_CLOSE; nId <= IDC_PREVIEW_PRINT; ++nId) {
        const RECT rc = ChildRect(hDlg, nId);
        ::MoveWindow(::GetDlgItem(hDlg, nId), x, 0, Width(rc), Height(rc), FALSE);
        x += Width(rc);
        nHeight = Height(rc);
    }
    RECT rcClient;
    ::GetClientRect(hDlg, &rcClient);
    RECT rcStrip = {0, 0, rcClient.right, nHeight};
    ::AdjustWindowRectEx(&rcStrip, static_cast<DWORD>(::GetWindowLongPtrA(::GetDlgItem(hDlg, IDC_PREVIEW_STRIP), GWL_STYLE)),
                         FALSE, static_cast<DWORD>(::GetWindowLongPtrA(::GetDlgItem(hDlg, IDC_PREVIEW_STRIP), GWL_EXSTYLE)));
    ::MoveWindow(::GetDlgItem(hDlg, IDC_PREVIEW_STRIP), rcStrip.left, rcStrip.top, Width(rcStrip), Height(rcStrip),
                 FALSE);
    return nHeight;
}

// The page area in the page's proportion, centred below the buttons.
void PlacePage(HWND hDlg)
{
    SIZE page = {};
    if (!GetPrinterPageSize(&page) || page.cx < 1 || page.cy < 1)
        page = {2100, 2970};
    const LONG nButtons = Height(ChildRect(hDlg, IDC_PREVIEW_CLOSE));
    RECT rcClient;
    ::GetClientRect(hDlg, &rcClient);
    LONG cx, cy;
    if (page.cx > page.cy) {
        cx = rcClient.right - 40;
        cy = static_cast<LONG>(static_cast<LONGLONG>(cx) * page.cy / page.cx);
    } else {
        cy = rcClient.bottom - nButtons - 30;
        cx = static_cast<LONG>(static_cast<LONGLONG>(cy) * page.cx / page.cy);
    }
    RECT rcPage = {(rcClient.right - cx) / 2, nButtons + (rcClient.bottom - nButtons - cy) / 2, 0, 0};
    rcPage.right = rcPage.left + cx;
    rcPage.bottom = rcPage.top + cy;
    HWND hPage = ::GetDlgItem(hDlg, IDC_PREVIEW_PAGE);
    ::MoveWindow(hPage, rcPage.left, rcPage.top, cx, cy, TRUE);
    ::EnableWindow(hPage, FALSE);
    ::InflateRect(&rcPage, ::GetSystemMetrics(SM_CXBORDER), ::GetSystemMetrics(SM_CYBORDER));
    ::MoveWindow(::GetDlgItem(hDlg, IDC_PREVIEW_FRAME), rcPage.left, rcPage.top, Width(rcPage), Height(rcPage), TRUE);
}

void MakeBrush()
{
    if (State().hBrush != nullptr)
        ::DeleteObject(State().hBrush);
    State().hBrush = ::CreateSolidBrush(::GetSysColor(COLOR_BTNFACE));
}

void InitDialog(HWND hDlg)
{
    ::SetWindowTextA(hDlg, State().szCaption);
    State().hBitmap = nullptr;
    State().hPalette = nullptr;
    CaptureWhiteBoard(State().hWb, nullptr, nullptr, &State().hBitmap, &State().hPalette, nullptr);
    MakeBrush();
    MakeSquare(hDlg);
    LineUpButtons(hDlg);
    PlacePage(hDlg);
}

void FreeState()
{
    PreviewState& s = State();
    for (HGDIOBJ h : {static_cast<HGDIOBJ>(s.hBitmap), static_cast<HGDIOBJ>(s.hPalette),
                      static_cast<HGDIOBJ>(s.hBrush)}) {
        if (h != nullptr)
            ::DeleteObject(h);
    }
    s.hBitmap = nullptr;
    s.hPalette = nullptr;
    s.hBrush = nullptr;
}

INT_PTR ColourControl(HWND hDlg, HDC hdc)
{
    ::SetBkColor(hdc, ::GetSysColor(COLOR_BTNFACE));
    ::SetTextColor(hdc, ::GetSysColor(COLOR_BTNTEXT));
    RECT rc;
    ::GetWindowRect(hDlg, &rc);
    ::SetBrushOrgEx(hdc, rc.left % 8, rc.top % 8, nullptr);
    return reinterpret_cast<INT_PTR>(State().hBrush);
}

struct PrinterMetrics
{
    SIZE dpi;
    SIZE printable;
};

bool ReadPrinterMetrics(PrinterMetrics* pMetrics)
{
    HDC hdc = CreatePrinterDC();
    if (hdc == nullptr)
        return false;
    *pMetrics = {{::GetDeviceCaps(hdc, LOGPIXELSX), ::GetDeviceCaps(hdc, LOGPIXELSY)},
                 {::GetDeviceCaps(hdc, HORZRES), ::GetDeviceCaps(hdc, VERTRES)}};
    ::DeleteDC(hdc);
    return pMetrics->printable.cx > 0 && pMetrics->printable.cy > 0;
}

LONG Scale(LONG n, LONG nNum, LONG nDen) { return static_cast<LONG>(static_cast<LONGLONG>(n) * nNum / nDen); }

// The bitmap stretched onto the area with the preview palette.
void StretchPreview(HDC hdc, const RECT& rcArea, SIZE size)
{
    HDC hMem = ::CreateCompatibleDC(hdc);
    if (hMem == nullptr)
        return;
    HGDIOBJ hOldBitmap = ::SelectObject(hMem, State().hBitmap);
    HPALETTE hOldPal = nullptr, hOldMemPal = nullptr;
    if (State().hPalette != nullptr) {
        hOldPal = ::SelectPalette(hdc, State().hPalette, FALSE);
        hOldMemPal = ::SelectPalette(hMem, State().hPalette, FALSE);
        ::RealizePalette(hdc);
        ::RealizePalette(hMem);
    }
    BITMAP bm = {};
    ::GetObjectA(State().hBitmap, sizeof(bm), &bm);
    const int nOldMode = ::SetStretchBltMode(hdc, BLACKONWHITE);
    POINT ptOld;
    ::SetBrushOrgEx(hdc, 0, 0, &ptOld);
    ::StretchBlt(hdc, rcArea.left, rcArea.top, size.cx, size.cy, hMem, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
    ::SetBrushOrgEx(hdc, ptOld.x, ptOld.y, nullptr);
    ::SetStretchBltMode(hdc, nOldMode);
    if (hOldMemPal != nullptr)
        ::SelectPalette(hMem, hOldMemPal, FALSE);
    if (hOldPal != nullptr)
        ::SelectPalette(hdc, hOldPal, FALSE);
    ::SelectObject(hMem, hOldBitmap);
    ::DeleteDC(hMem);
}

}  // namespace

void DrawPreviewPage(const DRAWITEMSTRUCT& item)
{
    if (item.CtlID != IDC_PREVIEW_PAGE)
        return;
    PrinterMetrics metrics = {};
    const bool bPrinter = ReadPrinterMetrics(&metrics);
    ::FillRect(item.hDC, &item.rcItem, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    SIZE page = {};
    if (!bPrinter || State().hBitmap == nullptr || !GetPrinterPageSize(&page) || page.cx < 1 || page.cy < 1)
        return;
    const SIZE pagePixels = {Scale(page.cx, metrics.dpi.cx * 567, 144000), Scale(page.cy, metrics.dpi.cy * 567, 144000)};
    RECT rcArea = item.rcItem;
    if (pagePixels.cx > metrics.printable.cx && pagePixels.cy > metrics.printable.cy) {
        const LONG dx = Scale((pagePixels.cx - metrics.printable.cx) / 2, Width(rcArea), pagePixels.cx);
        const LONG dy = Scale((pagePixels.cy - metrics.printable.cy) / 2, Height(rcArea), pagePixels.cy);
        ::InflateRect(&rcArea, -dx, -dy);
    }
    BITMAP bm = {};
    ::GetObjectA(State().hBitmap, sizeof(bm), &bm);
    const SIZE printerScale = {Scale(bm.bmWidth, metrics.dpi.cx, GetObjDpiX(State().hWb)),
                               Scale(bm.bmHeight, metrics.dpi.cy, GetObjDpiY(State().hWb))};
    StretchPreview(item.hDC, rcArea,
                   {Scale(printerScale.cx, Width(rcArea), metrics.printable.cx),
                    Scale(printerScale.cy, Height(rcArea), metrics.printable.cy)});
}

INT_PTR CALLBACK PreviewDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        InitDialog(hDlg);
        return TRUE;
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDC_PREVIEW_SETUP:
            PrinterSetupDialog(hDlg);
            PlacePage(hDlg);
            return TRUE;
        case IDC_PREVIEW_PRINT:
            ::EndDialog(hDlg, kPreviewPrint);
            return TRUE;
        case IDC_PREVIEW_CLOSE:
            ::EndDialog(hDlg, kPreviewClose);
            return TRUE;
        case IDCANCEL:
            ::EndDialog(hDlg, kPreviewCancel);
            return TRUE;
        default:
            return FALSE;
        }
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return ColourControl(hDlg, reinterpret_cast<HDC>(wParam));
    case WM_SYSCOLORCHANGE:
        MakeBrush();
        return TRUE;
    case WM_DRAWITEM:
        DrawPreviewPage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_NCDESTROY:
        FreeState();
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR RunPreviewDialog(HWND hWb, LPCSTR pszCaption)
{
    CopyCutOnCharacter(State().szCaption, pszCaption, sizeof(State().szCaption) - 1);
    State().hWb = hWb;
    const INT_PTR nCode = ::DialogBoxParamA(Library().hModule, MAKEINTRESOURCEA(IDD_PREVIEW), hWb, PreviewDlgProc, 0);
    State().szCaption[0] = '\0';
    return nCode;
}
