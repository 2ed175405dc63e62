#include "text/input/key_down.h"

#include "objects/events.h"
#include "objects/obj_children.h"
#include "text/caret/caret_keys.h"
#include "text/caret/doc_caret.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/input/typing.h"
#include "text/select/doc_selection.h"

namespace {

const int kMoveMode = kCaretTakeAttrs;
const int kDropNow = 1;

enum class KeyOutcome
{
    Default,  // not this document's key
    Failed,
    Done,
    Changed,
};

KeyOutcome Changed(int nResult) { return nResult != 0 ? KeyOutcome::Changed : KeyOutcome::Failed; }

// The movement of a key, null for other keys.
int (*MoveOf(WPARAM wKey, bool bCtrl))(HWND, int)
{
    switch (wKey)
    {
    case VK_PRIOR: return DocKeyPageUp;
    case VK_NEXT: return DocKeyPageDown;
    case VK_END: return bCtrl ? DocKeyCtrlEnd : DocKeyEnd;
    case VK_HOME: return bCtrl ? DocKeyCtrlHome : DocKeyHome;
    case VK_LEFT: return DocKeyLeft;
    case VK_UP: return DocKeyUp;
    case VK_RIGHT: return DocKeyRight;
    case VK_DOWN: return DocKeyDown;
    default: return nullptr;
    }
}

// Ctrl+Insert: the selection copied, then dropped (a failed copy keeps it).
KeyOutcome CopyKey(HWND hwnd, const ZebDocRecord& doc)
{
    if ((doc.ClipMode() & kClipNoCopyFirst) != 0 || !DocCopyToClipboardEx(hwnd))
        return KeyOutcome::Failed;
    DocClearSelection(hwnd, kDropNow);
    return KeyOutcome::Changed;
}

// Insert without Ctrl: with Shift the clipboard's text at the caret, the
// selected text staying in place.
KeyOutcome PasteKey(HWND hwnd, const ZebDocRecord& doc, DWORD dwFlags)
{
    if (!DocTakesTyping(doc))
        return KeyOutcome::Default;
    if ((dwFlags & kKeyShift) == 0 || (doc.ClipMode() & kClipNoPaste) != 0)
        return KeyOutcome::Failed;
    DocClearSelection(hwnd, 0);
    return Changed(DocPasteFromClipboard(hwnd));
}

KeyOutcome DeleteKey(HWND hwnd, const ZebDocRecord& doc, DWORD dwFlags)
{
    if (!DocTakesTyping(doc))
        return KeyOutcome::Default;
    if (!DocSelectionExists(doc))
        return Changed(DocDeleteChar(hwnd));
    if ((dwFlags & kKeyCtrl) == 0 && !DocCopyFirst(hwnd, doc))
        return KeyOutcome::Failed;
    return Changed(DocDeleteSelection(hwnd));
}

KeyOutcome TakeKey(HWND hwnd, const ZebDocRecord& doc, WPARAM wKey, DWORD dwFlags)
{
    const bool bCtrl = (dwFlags & kKeyCtrl) != 0;
    if (wKey == VK_INSERT)
        return bCtrl ? CopyKey(hwnd, doc) : PasteKey(hwnd, doc, dwFlags);
    if (wKey == VK_DELETE)
        return DeleteKey(hwnd, doc, dwFlags);
    const auto move = MoveOf(wKey, bCtrl);
    if (move == nullptr)
        return KeyOutcome::Default;
    const int nMode = kMoveMode | ((dwFlags & kKeyShift) != 0 ? kCaretExtend : 0);
    return move(hwnd, nMode) != 0 ? KeyOutcome::Done : KeyOutcome::Failed;
}

}  // namespace

bool DocOnKeyDown(HWND hwnd, WPARAM wKey)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const DWORD dwFlags = DocKeyFlags();
    if (pDoc == nullptr || NotifyObjEvent(hwnd, ZebEventKeyDown, static_cast<DWORD>(wKey), dwFlags) != 0)
        return pDoc != nullptr;
    if (pDoc->nStaticMode == kDocStatic)
        return false;
    const KeyOutcome outcome = TakeKey(hwnd, *pDoc, wKey, dwFlags);
    if (outcome == KeyOutcome::Default)
        return false;
    if (outcome == KeyOutcome::Failed)
        ::MessageBeep(0xFFFFFFFF);
    if ((dwFlags & kKeyShift) != 0)
    {
        ::UpdateWindow(hwnd);
        DocSetCaret(hwnd, -1, -1, kCaretScroll | kCaretExtend);
    }
    if (outcome == KeyOutcome::Changed)
        DocNotifyChanged(hwnd);
    return true;
}

bool DocOnKeyUp(HWND hwnd, WPARAM wKey)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return false;
    if (pDoc->nStaticMode != kDocStatic)
    {
        if (pDoc->head.IsTransparent())
            InvalidateObj(hwnd);
        if (pDoc->head.OwnerWhiteBoard() != nullptr)
            ::UpdateWindow(pDoc->head.OwnerWhiteBoard());
        ::UpdateWindow(hwnd);
    }
    else if (wKey == VK_SHIFT)
    {
        InvalidateObj(hwnd);
    }
    return NotifyObjEvent(hwnd, ZebEventKeyUp, static_cast<DWORD>(wKey), DocKeyFlags()) != 0;
}
