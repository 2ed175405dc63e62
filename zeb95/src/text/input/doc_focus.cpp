#include "text/input/doc_focus.h"

#include "objects/events.h"
#include "objects/obj_children.h"
#include "objects/selection.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_record.h"
#include "text/ime/doc_ime.h"

namespace {

// The caret shown at its place and the input method in the document's
// mode.
void TakeFocus(HWND hwnd, ZebDocRecord& doc)
{
    doc.wCaretState |= kCaretFocus;
    const bool bSelection = doc.HasSelection();
    DocSetCaret(hwnd, -1, -1, kCaretAlways | (bSelection ? kCaretExtend : 0));
    if (bSelection)
        InvalidateObj(hwnd);
    DocSaveAndApplyIme(hwnd);
}

// The input method put back and the system caret gone.
void LeaveFocus(HWND hwnd, ZebDocRecord& doc)
{
    DocRestoreIme(hwnd);
    if ((doc.wCaretState & (kCaretNoSystem | kCaretComposing)) == 0)
    {
        ::HideCaret(hwnd);
        ::DestroyCaret();
    }
    doc.wCaretState = static_cast<WORD>((doc.wCaretState & ~(kCaretFocus | kCaretComposing)) | kCaretNoSystem);
}

}  // namespace

bool DocOnSetFocus(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    NotifyObjEvent(hwnd, ZebEventSetFocus, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    if (SelectObj(hwnd))
        return true;
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr || pDoc->nStaticMode == kDocStatic)
        return true;
    TakeFocus(hwnd, *pDoc);
    return false;
}

bool DocOnKillFocus(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    NotifyObjEvent(hwnd, ZebEventKillFocus, static_cast<DWORD>(wParam), static_cast<DWORD>(lParam));
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr && (pDoc->wCaretState & kCaretFocus) != 0)
    {
        LeaveFocus(hwnd, *pDoc);
        InvalidateObj(hwnd);
    }
    if (DeselectObj(hwnd))
    {
        RefreshObjFrame(hwnd);
        return true;
    }
    HWND hNew = reinterpret_cast<HWND>(wParam);
    return hNew != nullptr && ::IsChild(hwnd, hNew);
}

void DocOnViewModeChanged(HWND hwnd, WPARAM wParam)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return;
    const bool bFocusBit = (pDoc->wCaretState & kCaretFocus) != 0;
    if (wParam == 0 || pDoc->nStaticMode == kDocStatic)
    {
        if (bFocusBit)
            LeaveFocus(hwnd, *pDoc);
    }
    else if (::GetFocus() == hwnd && !bFocusBit)
    {
        TakeFocus(hwnd, *pDoc);
    }
}
