#include "picture/pic_print.h"

#include <commdlg.h>

#include "globalmem.h"
#include "objects/obj_dpi.h"
#include "picture/pic_paint.h"
#include "picture/pic_record.h"

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

LONG PrintPage(HDC hdc, ZebPicRecord& rec, HWND hPicture, LPCSTR pszDocName, const RECT& rcDest)
{
    DOCINFOA di = {};
    di.cbSize = sizeof(di);
    di.lpszDocName = pszDocName != nullptr ? pszDocName : "印刷";
    if (::StartDocA(hdc, &di) <= 0)
        return -1;
    bool bDone = ::StartPage(hdc) > 0;
    if (bDone) {
        const SIZE dpi = {GetObjDpiX(hPicture), GetObjDpiY(hPicture)};
        PaintPicObject(hdc, rec, rcDest, {0, 0}, &dpi, CLR_INVALID, false);
        bDone = ::EndPage(hdc) > 0;
    }
    if (bDone)
        ::EndDoc(hdc);
    else
        ::AbortDoc(hdc);
    return bDone ? 1 : -1;
}

}  // namespace

LONG PrintPicObject(HWND hPicture, HDC hdcPrinter, LPCSTR pszDocName, const RECT& rcDest)
{
    ZebPicRecord* pRec = ZebPicRecord::Of(hPicture);
    if (pRec == nullptr)
        return -1;
    HDC hdc = hdcPrinter != nullptr ? hdcPrinter : DefaultPrinterDc();
    if (hdc == nullptr)
        return -1;
    const LONG nResult = PrintPage(hdc, *pRec, hPicture, pszDocName, rcDest);
    if (hdcPrinter == nullptr)
        ::DeleteDC(hdc);
    return nResult;
}
