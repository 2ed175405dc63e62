#include "print/print_job.h"

#include <commdlg.h>

#include <cstring>

#include "cp932.h"
#include "library/library_state.h"
#include "library/resource.h"

namespace {

const DWORD kPrintDlgFlags = PD_NOSELECTION | PD_NOPAGENUMS | PD_COLLATE | PD_USEDEVMODECOPIESANDCOLLATE |
                             PD_HIDEPRINTTOFILE;
static_assert(kPrintDlgFlags == 0x14001C, "the print dialog's flags");
const int kJobTextBytes = 260;

struct PrintState
{
    HGLOBAL hDevNames = nullptr;
    HGLOBAL hDevMode = nullptr;
    bool bCancelled = false;
    HWND hDialog = nullptr;
    HWND hEnable = nullptr;
    char* pTexts = nullptr;  // document name, then the second line
};

PrintState& State()
{
    static PrintState state;
    return state;
}

void FreeHandle(HGLOBAL& h)
{
    if (h != nullptr)
        ::GlobalFree(h);
    h = nullptr;
}

void KeepSetup(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    ForgetPrinterSetup();
    State().hDevNames = hDevNames;
    State().hDevMode = hDevMode;
}

HGLOBAL CopyBlock(HGLOBAL h)
{
    const SIZE_T cb = h != nullptr ? ::GlobalSize(h) : 0;
    const void* pSource = cb != 0 ? ::GlobalLock(h) : nullptr;
    if (pSource == nullptr)
        return nullptr;
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    void* pCopy = hCopy != nullptr ? ::GlobalLock(hCopy) : nullptr;
    if (pCopy != nullptr) {
        std::memcpy(pCopy, pSource, cb);
        ::GlobalUnlock(hCopy);
    } else if (hCopy != nullptr) {
        ::GlobalFree(hCopy);
        hCopy = nullptr;
    }
    ::GlobalUnlock(h);
    return hCopy;
}

void ReplaceJobTexts(LPCSTR pszDocName, LPCSTR pszSecondLine)
{
    delete[] State().pTexts;
    State().pTexts = new char[2 * kJobTextBytes]();
    CopyCutOnCharacter(State().pTexts, pszDocName, kJobTextBytes - 1);
    CopyCutOnCharacter(State().pTexts + kJobTextBytes, pszSecondLine, kJobTextBytes - 1);
}

BOOL RunPrintDlg(HWND hOwner, DWORD dwFlags)
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.hwndOwner = hOwner;
    pd.hDevNames = State().hDevNames;
    pd.hDevMode = State().hDevMode;
    pd.Flags = dwFlags;
    const BOOL bDone = ::PrintDlgA(&pd);
    if (bDone || pd.hDevNames != State().hDevNames || pd.hDevMode != State().hDevMode) {
        State().hDevNames = pd.hDevNames;
        State().hDevMode = pd.hDevMode;
    }
    return bDone;
}

void EnableOwner()
{
    if (State().hEnable != nullptr)
        ::EnableWindow(State().hEnable, TRUE);
}

void CloseDialog()
{
    if (State().hDialog != nullptr)
        ::DestroyWindow(State().hDialog);
    State().hDialog = nullptr;
}

void CentreOnScreen(HWND hDlg)
{
    RECT rc;
    ::GetWindowRect(hDlg, &rc);
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    const int x = (((::GetSystemMetrics(SM_CXSCREEN) - cx) / 2 + 4) / 8) * 8;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - cy) / 2;
    ::SetWindowPos(hDlg, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT ChildRect(HWND hDlg, HWND hChild)
{
    RECT rc;
    ::GetWindowRect(hChild, &rc);
    ::MapWindowPoints(nullptr, hDlg, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

// The second line in the static; a text taller than it grows the dialog,
// the static (then left-aligned) and moves Cancel down.
void ShowSecondLine(HWND hDlg, const char* pszLine)
{
    HWND hText = ::GetDlgItem(hDlg, IDC_PRINTING_TEXT);
    ::SetWindowTextA(hText, pszLine);
    RECT rcText = ChildRect(hDlg, hText);
    RECT rcCalc = {0, 0, rcText.right - rcText.left, 0};
    HDC hdc = ::GetDC(hText);
    HGDIOBJ hOld = ::SelectObject(hdc, reinterpret_cast<HFONT>(::SendMessageA(hText, WM_GETFONT, 0, 0)));
    ::DrawTextA(hdc, pszLine, -1, &rcCalc, DT_CALCRECT | DT_WORDBREAK | DT_CENTER);
    ::SelectObject(hdc, hOld);
    ::ReleaseDC(hText, hdc);
    const int nGrow = rcCalc.bottom - (rcText.bottom - rcText.top);
    if (nGrow <= 0)
        return;
    RECT rcDlg;
    ::GetWindowRect(hDlg, &rcDlg);
    ::SetWindowPos(hDlg, nullptr, 0, 0, rcDlg.right - rcDlg.left, rcDlg.bottom - rcDlg.top + nGrow,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    CentreOnScreen(hDlg);
    ::SetWindowLongPtrA(hText, GWL_STYLE, (::GetWindowLongPtrA(hText, GWL_STYLE) & ~LONG_PTR{SS_TYPEMASK}) | SS_LEFT);
    ::SetWindowPos(hText, nullptr, 0, 0, rcText.right - rcText.left, rcText.bottom - rcText.top + nGrow,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    HWND hCancel = ::GetDlgItem(hDlg, IDCANCEL);
    const RECT rcCancel = ChildRect(hDlg, hCancel);
    ::SetWindowPos(hCancel, nullptr, rcCancel.left, rcCancel.top + nGrow, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void CopyCutOnCharacter(char* pszOut, const char* psz, int nMax)
{
    const int cb = psz != nullptr ? static_cast<int>(::strnlen(psz, static_cast<size_t>(nMax) + 2)) : 0;
    int n = 0;
    while (n < cb) {
        const int cbChar = cp932::CharLength(psz, n, cb);
        if (n + cbChar > nMax)
            break;
        n += cbChar;
    }
    if (n > 0)
        std::memcpy(pszOut, psz, static_cast<size_t>(n));
    pszOut[n] = '\0';
}

INT_PTR CALLBACK PrintingDlgProc(HWND hDlg, UINT uMsg, WPARAM wParam, LPARAM)
{
    switch (uMsg) {
    case WM_INITDIALOG:
        CentreOnScreen(hDlg);
        if (State().pTexts != nullptr) {
            ::SetWindowTextA(hDlg, State().pTexts);
            if (State().pTexts[kJobTextBytes] != '\0')
                ShowSecondLine(hDlg, State().pTexts + kJobTextBytes);
        }
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) != IDCANCEL)
            return FALSE;
        State().bCancelled = true;
        EnableOwner();
        CloseDialog();
        return TRUE;
    case WM_DESTROY:
        delete[] State().pTexts;
        State().pTexts = nullptr;
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL CALLBACK PrintAbortProc(HDC, int)
{
    MSG msg;
    while (!State().bCancelled && ::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (State().hDialog != nullptr && ::IsDialogMessageA(State().hDialog, &msg))
            continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return State().bCancelled ? FALSE : TRUE;
}

bool IsPrintCancelled() { return State().bCancelled; }

HWND PrintingDialog() { return State().hDialog; }

HDC BeginPrintJob(HWND hOwner, HDC hdcGiven, LPCSTR pszDocName, LPCSTR pszSecondLine)
{
    HDC hdc = hdcGiven;
    if (hdc == nullptr) {
        if (!RunPrintDlg(hOwner, kPrintDlgFlags))
            return nullptr;
        hdc = CreatePrinterDC();
    }
    if (hdc == nullptr)
        return nullptr;
    State().bCancelled = false;
    bool bStarted = false;
    if (pszDocName != nullptr) {
        if (hOwner != nullptr)
            ::EnableWindow(hOwner, FALSE);
        State().hEnable = hOwner;
        ReplaceJobTexts(pszDocName, pszSecondLine);
        State().hDialog = ::CreateDialogParamA(Library().hModule, MAKEINTRESOURCEA(IDD_PRINTING), hOwner,
                                               PrintingDlgProc, 0);
        ::SetAbortProc(hdc, PrintAbortProc);
        DOCINFOA di = {};
        di.cbSize = sizeof(di);
        di.lpszDocName = pszDocName;
        bStarted = ::StartDocA(hdc, &di) > 0;
    }
    if (bStarted)
        return hdc;
    CloseDialog();
    EnableOwner();
    if (hdcGiven == nullptr) {
        ::DeleteDC(hdc);
        ForgetPrinterSetup();
    }
    return nullptr;
}

void EndPrintJob(HWND, HDC hdc, bool bDeleteDc)
{
    if (hdc == nullptr)
        return;
    if (State().bCancelled)
        ::AbortDoc(hdc);
    else
        ::EndDoc(hdc);
    State().bCancelled = false;
    CloseDialog();
    EnableOwner();
    if (bDeleteDc) {
        ::DeleteDC(hdc);
        ForgetPrinterSetup();
    }
}

HDC CreatePrinterDC()
{
    if (State().hDevNames == nullptr)
        return nullptr;
    const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(State().hDevNames));
    if (pNames == nullptr)
        return nullptr;
    const char* pszBase = reinterpret_cast<const char*>(pNames);
    const auto* pMode = State().hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(State().hDevMode))
                                                    : nullptr;
    HDC hdc = ::CreateDCA(pszBase + pNames->wDriverOffset, pszBase + pNames->wDeviceOffset,
                          pszBase + pNames->wOutputOffset, pMode);
    if (pMode != nullptr)
        ::GlobalUnlock(State().hDevMode);
    ::GlobalUnlock(State().hDevNames);
    return hdc;
}

HGLOBAL UseDefaultPrinter(HWND hOwner)
{
    ForgetPrinterSetup();
    RunPrintDlg(hOwner, PD_RETURNDEFAULT);
    return State().hDevNames;
}

BOOL TakePrinterSetup(HGLOBAL hDevNames, HGLOBAL hDevMode)
{
    ForgetPrinterSetup();
    HGLOBAL hNamesCopy = CopyBlock(hDevNames);
    HGLOBAL hModeCopy = CopyBlock(hDevMode);
    if (hNamesCopy == nullptr || hModeCopy == nullptr) {
        FreeHandle(hNamesCopy);
        FreeHandle(hModeCopy);
        return FALSE;
    }
    KeepSetup(hNamesCopy, hModeCopy);
    return TRUE;
}

void HandOverPrinterSetup(ZebPrinterSetup* pOut)
{
    pOut->hDevNames = State().hDevNames;
    pOut->hDevMode = State().hDevMode;
    State().hDevNames = nullptr;
    State().hDevMode = nullptr;
}

void ForgetPrinterSetup()
{
    FreeHandle(State().hDevNames);
    FreeHandle(State().hDevMode);
}

BOOL PrinterSetupDialog(HWND hOwner) { return RunPrintDlg(hOwner, kPrintDlgFlags); }

BOOL GetPrinterPageSize(SIZE* pSize)
{
    HDC hdc = pSize != nullptr ? CreatePrinterDC() : nullptr;
    if (hdc == nullptr)
        return FALSE;
    const LONGLONG nDpiX = ::GetDeviceCaps(hdc, LOGPIXELSX), nDpiY = ::GetDeviceCaps(hdc, LOGPIXELSY);
    const LONGLONG nWidth = ::GetDeviceCaps(hdc, PHYSICALWIDTH), nHeight = ::GetDeviceCaps(hdc, PHYSICALHEIGHT);
    ::DeleteDC(hdc);
    if (nDpiX < 1 || nDpiY < 1)
        return FALSE;
    pSize->cx = static_cast<LONG>(nWidth * 144000 / (nDpiX * 567));
    pSize->cy = static_cast<LONG>(nHeight * 144000 / (nDpiY * 567));
    return TRUE;
}
