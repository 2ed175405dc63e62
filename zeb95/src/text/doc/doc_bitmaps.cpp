#include "text/doc/doc_bitmaps.h"

#include "text/tables/bmp_table.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"

int DocAddBmp(HWND hwnd, int nAt, HGLOBAL hDib, const char* pszName)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return -1;
    ZebLayoutPause pause(hwnd);
    const int nIndex = pDoc->Bitmaps()->Add(nAt, hDib, pszName, pDoc->head.Dither(), pDoc->Holder());
    if (nIndex >= 0)
        DocRelayout(hwnd);
    return nIndex;
}

int DocRemoveBmp(HWND hwnd, int nAt)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || nAt >= pDoc->Bitmaps()->Count())
        return 0;
    ZebLayoutPause pause(hwnd);
    pDoc->Bitmaps()->Remove(nAt, pDoc->Holder());
    DocRelayout(hwnd);
    return 1;
}
