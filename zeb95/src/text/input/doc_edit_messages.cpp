#include "text/input/doc_edit_messages.h"

#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/input/typing.h"
#include "text/select/doc_selection.h"

namespace {

const LPARAM kAll = -1;
const int kSelectAllMode = kCaretScroll | kCaretTakeAttrs | kCaretExtend;

// (0, -1): the anchor at the start and the caret at the end of the text;
// (-1, -1): no selection (0 when there was none); anything else 0.
LRESULT SetSel(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const LONG nStart = static_cast<LONG>(wParam);
    if (pDoc == nullptr || lParam != kAll || (nStart != 0 && nStart != -1))
        return 0;
    if (nStart == -1)
        return DocSelectionExists(*pDoc) ? DocClearSelection(hwnd, 1) : 0;
    DocWaitLayout(hwnd, -1);
    const ZebLineTable& lines = *pDoc->Lines();
    if (lines.Count() == 0)
        return 0;
    const ZebLineEntry& last = lines.At(lines.Count() - 1);
    const int nColumn = last.length > 0 && last.endKind != ZebLineEndText ? last.length - 1 : last.length;
    pDoc->anchor = {0, 0};
    const int nResult = DocSetCaret(hwnd, nColumn, lines.Count() - 1, kSelectAllMode);
    InvalidateObj(hwnd);
    return nResult;
}

LRESULT Cut(HWND hwnd)
{
    const int nCopied = DocCopyToClipboardEx(hwnd);
    return nCopied != 0 ? DocDeleteSelection(hwnd) : nCopied;
}

LRESULT Paste(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr && pDoc->HasSelection() && !DocDeleteSelection(hwnd))
        return 0;
    return DocPasteFromClipboard(hwnd);
}

}  // namespace

bool DocOnEditMessage(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (uMsg)
    {
    case EM_SETSEL: *pResult = SetSel(hwnd, wParam, lParam); return true;
    case WM_CUT: *pResult = Cut(hwnd); return true;
    case WM_COPY: *pResult = DocCopyToClipboardEx(hwnd); return true;
    case WM_PASTE: *pResult = Paste(hwnd); return true;
    case WM_CLEAR:
        *pResult = static_cast<DWORD>(wParam) == 0xFFFFFFFF ? DocClearText(hwnd) : DocDeleteSelection(hwnd);
        return true;
    default: return false;
    }
}
