#include "objects/obj_record.h"
#include "picture/pic_print.h"
#include "print/page_render.h"
#include "print/preview_dialog.h"
#include "print/print_job.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"

namespace {

const char kDefaultDocName[] = "印刷";
const char kDefaultPreviewCaption[] = "印刷プレビュー";

bool IsWhiteBoard(HWND hwnd) { return ZebWbRecord::From(GetObjRecord(hwnd)) != nullptr; }

HWND OwnerOf(HWND hwnd) { return ::GetAncestor(hwnd, GA_ROOT); }

// A job around one page drawn by pfnPage; a DC made here is deleted.
template <typename Page>
LONG RunJob(HWND hWb, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine, Page page)
{
    HWND hOwner = OwnerOf(hWb);
    HDC hJob = BeginPrintJob(hOwner, hdc, pszDocName != nullptr ? pszDocName : kDefaultDocName, pszSecondLine);
    if (hJob == nullptr)
        return kPrintFailed;
    const LONG nResult = page(hJob);
    EndPrintJob(hOwner, hJob, hdc == nullptr);
    return nResult;
}

// The preview on the kept setup, and the print when it ends with Print.
LONG PreviewAndPrint(HWND hWb, LPCSTR pszCaption, LPCSTR pszDocName, LPCSTR pszSecondLine)
{
    const INT_PTR nCode = RunPreviewDialog(hWb, pszCaption != nullptr ? pszCaption : kDefaultPreviewCaption);
    if (nCode != kPreviewPrint)
        return static_cast<LONG>(nCode);
    HDC hdc = CreatePrinterDC();
    if (hdc == nullptr)
        return kPrintFailed;
    const LONG nResult = zebPrintOut(hWb, hdc, pszDocName, pszSecondLine, nullptr);
    ::DeleteDC(hdc);
    return nResult;
}

}  // namespace

LONG WINAPI zebPrintOut(HWND hWhiteBoard, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine, const POINT* pOffset)
{
    if (!IsWhiteBoard(hWhiteBoard))
        return kPrintFailed;
    return RunJob(hWhiteBoard, hdc, pszDocName, pszSecondLine, [&](HDC hJob) {
        return PrintWbPage(hWhiteBoard, PrintTargetOf(hWhiteBoard, hJob, pOffset));
    });
}

LONG WINAPI zebPrintOutObj(HWND hWhiteBoard, LONG nKind, LONG nIndex, HDC hdc, LPCSTR pszDocName,
                           LPCSTR pszSecondLine, const POINT* pOffset)
{
    HWND hChild = IsWhiteBoard(hWhiteBoard) ? WbChildAt(hWhiteBoard, nKind, nIndex) : nullptr;
    if (hChild == nullptr)
        return kPrintFailed;
    return RunJob(hWhiteBoard, hdc, pszDocName, pszSecondLine, [&](HDC hJob) {
        return PrintWbObjectPage(hWhiteBoard, hChild, PrintTargetOf(hWhiteBoard, hJob, pOffset));
    });
}

LONG WINAPI zebPrintOutPic(HWND hPicture, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine, const RECT* pDest)
{
    RECT rcDest = {};
    if (pDest != nullptr)
        rcDest = *pDest;
    else if (hPicture != nullptr)
        ::GetClientRect(hPicture, &rcDest);
    return PrintPicObject(hPicture, hdc, pszDocName, pszSecondLine, rcDest);
}

LONG WINAPI zebPreview(HWND hWhiteBoard, LPCSTR pszCaption, LPCSTR pszDocName, LPCSTR pszSecondLine)
{
    if (!IsWhiteBoard(hWhiteBoard) || UseDefaultPrinter(OwnerOf(hWhiteBoard)) == nullptr) {
        ForgetPrinterSetup();
        return kPrintFailed;
    }
    const LONG nResult = PreviewAndPrint(hWhiteBoard, pszCaption, pszDocName, pszSecondLine);
    ForgetPrinterSetup();
    return nResult;
}

LONG WINAPI zebPreviewEx(HWND hWhiteBoard, HGLOBAL hDevNames, HGLOBAL hDevMode, LPCSTR pszCaption,
                         LPCSTR pszDocName, LPCSTR pszSecondLine, ZebPrinterBlocks* pOut)
{
    if (!IsWhiteBoard(hWhiteBoard) || !TakePrinterSetup(hDevNames, hDevMode)) {
        if (pOut != nullptr)
            *pOut = {nullptr, nullptr};
        return kPrintFailed;
    }
    const LONG nResult = PreviewAndPrint(hWhiteBoard, pszCaption, pszDocName, pszSecondLine);
    if (pOut != nullptr) {
        ZebPrinterSetup setup = {};
        HandOverPrinterSetup(&setup);
        *pOut = {setup.hDevNames, setup.hDevMode};
    } else {
        ForgetPrinterSetup();
    }
    return nResult;
}
