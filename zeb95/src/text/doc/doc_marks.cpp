#include "text/doc/doc_marks.h"

#include "text/tables/bmp_table.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"

namespace {

// The mark's code and attribute, or false when the font or the bitmap is
// not to be had.
bool MakeMark(HWND hwnd, ZebDocRecord& doc, WORD wCode, const LOGFONTA* plf, WORD* pwCode, ZebCharAttr* pAttr)
{
    if (wCode == kZebNoMark)
    {
        *pwCode = kZebNoMark;
        *pAttr = 0;
        return true;
    }
    if (plf == nullptr)
    {
        if (wCode > 255 || wCode >= doc.Bitmaps()->Count())
            return false;
        *pwCode = kZebBitmapMarkCode;
        *pAttr = MakeCharAttr(0, wCode, doc.nTypingVPos, doc.nTypingUser) | ZebAttrBitmap;
        return true;
    }
    const int nFont = DocAddFont(hwnd, *plf);
    if (nFont < 0)
        return false;
    *pwCode = wCode;
    *pAttr = MakeCharAttr(doc.nTypingColor, nFont, doc.nTypingVPos, doc.nTypingUser) | (wCode > 255 ? ZebAttrLead : 0);
    return true;
}

int SetMark(HWND hwnd, bool bFormFeed, WORD wCode, const LOGFONTA* plf, BOOL bRelayout)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    WORD wStored = 0;
    ZebCharAttr attr = 0;
    if (!MakeMark(hwnd, *pDoc, wCode, plf, &wStored, &attr))
        return 0;
    ZebLayoutPause pause(hwnd);
    (bFormFeed ? pDoc->wFormFeedCode : pDoc->wLineFeedCode) = wStored;
    (bFormFeed ? pDoc->formFeedAttr : pDoc->lineFeedAttr) = attr;
    if (bRelayout)
        DocRelayout(hwnd);
    return 1;
}

}  // namespace

int DocSetNewLineMark(HWND hwnd, WORD wCode, const LOGFONTA* plf, BOOL bRelayout)
{
    return SetMark(hwnd, false, wCode, plf, bRelayout);
}

int DocSetFormFeedMark(HWND hwnd, WORD wCode, const LOGFONTA* plf, BOOL bRelayout)
{
    return SetMark(hwnd, true, wCode, plf, bRelayout);
}
