#include "text/input/typing.h"

#include "objects/events.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"

namespace {

bool Down(int nKey) { return (::GetAsyncKeyState(nKey) & 0x8000) != 0; }

}  // namespace

DWORD DocKeyFlags()
{
    return (Down(VK_SHIFT) ? kKeyShift : 0) | (Down(VK_CONTROL) ? kKeyCtrl : 0) | (Down(VK_MENU) ? kKeyAlt : 0);
}

bool DocTakesTyping(const ZebDocRecord& doc)
{
    return doc.head.ViewMode() != 0 && doc.nStaticMode != kDocStatic && doc.nStaticMode != kDocReadOnly;
}

bool DocSelectionExists(const ZebDocRecord& doc)
{
    const POINT caret = doc.head.CaretPos();
    return doc.HasSelection() && (doc.anchor.x != caret.x || doc.anchor.y != caret.y);
}

bool DocCopyFirst(HWND hwnd, const ZebDocRecord& doc)
{
    return (doc.ClipMode() & kClipNoCopyFirst) != 0 || DocCopyToClipboardEx(hwnd) != 0;
}

void DocReplaceSelection(HWND hwnd, const ZebDocRecord& doc)
{
    if (!DocSelectionExists(doc))
        return;
    DocCopyFirst(hwnd, doc);
    DocDeleteSelection(hwnd);
}

void DocNotifyChanged(HWND hwnd)
{
    const ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc != nullptr)
        NotifyObjEvent(hwnd, ZebEventChanged, pDoc->head.InputWParam(), pDoc->head.InputLParam());
}
