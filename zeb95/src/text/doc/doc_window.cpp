#include "text/doc/doc_window.h"

#include "objects/events.h"
#include "objects/global_mem.h"
#include "objects/obj_children.h"
#include "objects/obj_window.h"
#include "text/tables/bmp_table.h"
#include "text/tables/color_index.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_geometry.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/input/char_input.h"
#include "text/input/doc_dispatch.h"
#include "text/input/key_down.h"
#include "text/paint/doc_paint_message.h"
#include "text/storage/engine_alloc.h"
#include "text/tables/font_table.h"
#include "whiteboard/wb_window.h"

namespace {

const SIZE_T kCompositionFormBytes = 32;
const int kMarkColor = 2;
const int kWindowNoImeFont = -2;
const int kFullScale = 100;
const LRESULT kWantedKeys = DLGC_WANTARROWS | DLGC_WANTALLKEYS | DLGC_HASSETSEL | DLGC_UNDEFPUSHBUTTON | DLGC_WANTCHARS;

// Colours, selection and view of a new document; a transparent one keeps
// no scroll bars.
void FillDefaults(HWND hwnd, ZebDocRecord& doc, const CREATESTRUCTA& cs)
{
    ZebObjRecord& head = doc.head;
    if (head.IsTransparent())
    {
        const DWORD dwBars = WS_HSCROLL | WS_VSCROLL;
        head.SetStyle(head.Style() & ~dwBars);
        ::SetWindowLongA(hwnd, GWL_STYLE, ::GetWindowLongA(hwnd, GWL_STYLE) & ~static_cast<LONG>(dwBars));
    }
    head.SetViewMode(1);
    head.SetBkColor(head.DefaultBkColor());
    head.SetBorderColor(head.DefaultBorderColor());
    head.SetForeColor(head.DefaultForeColor());
    doc.nDocWidth = cs.cx;
    doc.nDocHeight = cs.cy;
    doc.anchor = {-1, -1};
    doc.nTypingColor = ColorToIndex(head.ForeColor());
    doc.wFormFeedCode = kZebFormFeedMarkCode;
    doc.formFeedAttr = MakeCharAttr(kMarkColor, 0, 0, 0);
    doc.wLineFeedCode = kZebLineFeedMarkCode;
    doc.lineFeedAttr = MakeCharAttr(kMarkColor, 0, 0, 0);
    doc.dwFlags = kDocNotPainted | (4 << kDocClipModeShift);
    doc.wCaretState = kDocCaretHidden;
    doc.nImeFontSelector = kWindowNoImeFont;
    doc.nScale = kFullScale;
}

// The storage with one empty block, the line and bitmap tables, the line-start
// string and the composition form block; false when memory runs out.
bool MakeParts(ZebDocRecord& doc)
{
    doc.SetBlocks(ZebNew<ZebBlockList>());
    doc.SetLines(ZebNew<ZebLineTable>(kZebMostLines));
    doc.SetBitmaps(ZebNew<ZebBmpTable>());
    doc.head.SetLineStartString(LockedGlobalStrDup(kDefaultLineStart));
    doc.SetCompositionForm(LockedGlobalAlloc(GHND, kCompositionFormBytes));
    return doc.Blocks() != nullptr && doc.Blocks()->BlockInsert(0) != nullptr && doc.Lines() != nullptr &&
           doc.Bitmaps() != nullptr &&
           doc.head.LineStartString() != nullptr && doc.CompositionForm() != nullptr;
}

// The fallback font as font 0 of the typing and current font, the caret
// as high as it.
bool SetDefaultFont(HWND hwnd, ZebDocRecord& doc)
{
    const LOGFONTA lf = FallbackLogFont();
    if (!DocSetFont(hwnd, &lf))
        return false;
    doc.nTypingFont = 0;
    doc.nCurrentFont = 0;
    const ZebFontEntry* pEntry = DocFontEntry(doc, 0);
    doc.caret = {0, 0, 2, pEntry != nullptr ? pEntry->logfont.lfHeight : 0};
    return true;
}

// A document's words after the head that every object gets; false when
// memory or the default font cannot be had (destruction frees what was
// made).
bool InitDocRecord(HWND hwnd, const CREATESTRUCTA& cs)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return false;
    FillDefaults(hwnd, *pDoc, cs);
    if (!MakeParts(*pDoc) || !SetDefaultFont(hwnd, *pDoc))
        return false;
    DocRelayout(hwnd, false);
    return true;
}

// Position and size in whiteboard coordinates.
void RecordRect(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    POINT pos = {};
    SIZE size = {};
    GetObjPosSize(hwnd, &pos, &size);
    const ZebObjRecord* pWb = GetObjRecord(pDoc->head.OwnerWhiteBoard());
    if (pWb != nullptr)
    {
        pos.x += pWb->Origin().x;
        pos.y += pWb->Origin().y;
    }
    pDoc->head.SetPosition(pos);
    pDoc->head.SetSize(size);
}

// Everything but the head's own parts, after the layout thread ended.
void FreeParts(HWND hwnd)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    DocStopLayout(*pDoc);
    ZebDelete(pDoc->Blocks());
    ZebDelete(pDoc->Lines());
    ZebDelete(pDoc->OwnFonts());
    ZebDelete(pDoc->Bitmaps());
    LockedGlobalFree(pDoc->CompositionForm());
    LockedGlobalFree(pDoc->UserCells());
    LockedGlobalFree(pDoc->FilterMatch());
    LockedGlobalFree(pDoc->FilterReplacement());
    pDoc->SetBlocks(nullptr);
    pDoc->SetLines(nullptr);
    pDoc->SetOwnFonts(nullptr);
    pDoc->SetBitmaps(nullptr);
    pDoc->SetCompositionForm(nullptr);
    pDoc->SetUserCells(nullptr);
    pDoc->SetFilterMatch(nullptr);
    pDoc->SetFilterReplacement(nullptr);
}

}  // namespace

LRESULT CALLBACK DocObjWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    switch (uMsg)
    {
    case WM_NCCREATE:
        if (!ObjDefWindowProc(ZebKindDoc, hwnd, uMsg, wParam, lParam))
            return FALSE;
        return InitDocRecord(hwnd, *reinterpret_cast<const CREATESTRUCTA*>(lParam)) ? TRUE : FALSE;
    case WM_CREATE:
        RecordRect(hwnd);
        DocKeepAppliedSize(hwnd);
        return 0;
    case WM_NCDESTROY:
        FreeParts(hwnd);
        break;
    case WM_GETDLGCODE:
        return kWantedKeys;
    case WM_PAINT:
        return DocOnPaint(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND:
        return DocOnEraseBkgnd(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_KEYDOWN:
        if (DocOnKeyDown(hwnd, wParam))
            return 0;
        break;
    case WM_KEYUP:
        if (DocOnKeyUp(hwnd, wParam))
            return 0;
        break;
    case WM_CHAR:
        if (DocOnChar(hwnd, wParam, lParam))
            return 0;
        break;
    case WM_IME_CHAR:
        return DocOnImeChar(hwnd, wParam, lParam);
    case MsgZebCmd:
        if (HIWORD(wParam) == kDocImeCharCode)
            wParam = MakeZebCmdWParam(ZebEventBase(ZebKindDoc) + ZebEventChar, LOWORD(wParam));
        break;
    case MsgLayoutDone:
        DocLayoutDone(hwnd, static_cast<UINT>(wParam));
        return 0;
    default: {
        LRESULT lResult = 0;
        if (DocDispatch(hwnd, uMsg, wParam, lParam, &lResult))
            return lResult;
        break;
    }
    }
    return ObjDefWindowProc(ZebKindDoc, hwnd, uMsg, wParam, lParam);
}
