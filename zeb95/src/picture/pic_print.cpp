#include "picture/pic_print.h"

#include <commdlg.h>

#include "globalmem.h"
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
    HDC hdc = nullptr;
    {
        CGlobalLock names(pd.hDevNames);
        CGlobalLock mode(pd.hDevMode);
        const auto* pNames = reinterpret_cast<const DEVNAMES*>(names.Bytes());
        const char* pszBase = reinterpret_cast<const char*>(pNames);
        if (pNames != nullptr)
            hdc = ::CreateDCA(pszBase + pNames->wDriverOffset, pszBase + pNames->wDeviceOffset,
                              pszBase + pNames->wOutputOffset, reinterpret_cast<const DEVMODEA*>(mode.Bytes()));
    }
    ::GlobalFree(pd.hDevNames);
    if (pd.hDevMode != nullptr)
        ::GlobalFree(pd.hDevMode);
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
        const SIZE dpi = {GetObjDpiX(hPicture), GetObjDpiY(hPicture)};
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
