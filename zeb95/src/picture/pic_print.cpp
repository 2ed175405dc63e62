#include "picture/pic_print.h"

#include <commdlg.h>

#include "objects/obj_dpi.h"
#include "picture/pic_paint.h"
#include "picture/pic_record.h"
#include "print/print_job.h"

namespace {

// A DC of the default printer, or null.
HDC DefaultPrinterDc()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof(pd);
    pd.Flags = PD_RETURNDEFAULT;
    if (!::PrintDlgA(&pd) || pd.hDevNames == nullptr) {
        if (pd.hDevMode != nullptr)
            ::GlobalFree(pd.hDevMode);
        return nullptr;
    }
    const auto* pNames = static_cast<const DEVNAMES*>(::GlobalLock(pd.hDevNames));
    const char* pszBase = reinterpret_cast<const char*>(pNames);
    const DEVMODEA* pMode = pd.hDevMode != nullptr ? static_cast<const DEVMODEA*>(::GlobalLock(pd.hDevMode)) : nullptr;
    HDC hdc = ::CreateDCA(pszBase + pNames->wDriverOffset, pszBase + pNames->wDeviceOffset,
                          pszBase + pNames->wOutputOffset, pMode);
    ::GlobalUnlock(pd.hDevNames);
    ::GlobalFree(pd.hDevNames);
    if (pd.hDevMode != nullptr) {
        ::GlobalUnlock(pd.hDevMode);
        ::GlobalFree(pd.hDevMode);
    }
    return hdc;
}

LONG PrintPage(HDC hdc, ZebPicRecord& rec, HWND hPicture, LPCSTR pszDocName, LPCSTR pszSecondLine,
               const RECT& rcDest)
{
    HWND hOwner = ::GetAncestor(hPicture, GA_ROOT);
    if (BeginPrintJob(hOwner, hdc, pszDocName != nullptr ? pszDocName : "印刷", pszSecondLine) == nullptr)
        return kPrintFailed;
    LONG nResult = kPrintFailed;
    if (::StartPage(hdc) > 0) {
        const LONG nDpi = GetObjDpiY(hPicture);
        const SIZE dpi = {nDpi, nDpi};
        PaintPicObject(hdc, rec, rcDest, {0, 0}, &dpi, CLR_INVALID, false);
        nResult = ::EndPage(hdc) > 0 ? kPrintDone : kPrintFailed;
    }
    if (IsPrintCancelled())
        nResult = kPrintCancelled;
    EndPrintJob(hOwner, hdc, false);
    return nResult;
}

}  // namespace

LONG PrintPicObject(HWND hPicture, HDC hdcPrinter, LPCSTR pszDocName, LPCSTR pszSecondLine, const RECT& rcDest)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPicture);
    if (pRec == nullptr)
        return kPrintFailed;
    HDC hdc = hdcPrinter != nullptr ? hdcPrinter : DefaultPrinterDc();
    if (hdc == nullptr)
        return kPrintFailed;
    const LONG nResult = PrintPage(hdc, *pRec, hPicture, pszDocName, pszSecondLine, rcDest);
    if (hdcPrinter == nullptr)
        ::DeleteDC(hdc);
    return nResult;
}
