#include "text/input/char_input.h"

#include "cp932.h"
#include "objects/events.h"
#include "objects/obj_children.h"
#include "text/caret/doc_caret.h"
#include "text/clip/doc_clipboard.h"
#include "text/doc/doc_record.h"
#include "text/edit/doc_edit.h"
#include "text/edit/input_filter.h"
#include "text/input/typing.h"
#include "text/select/doc_selection.h"
#include "zeb95.h"

namespace {

const int kBackspace = 8;
const int kInputFormFeed = 12;
const int kReturn = 13;
const int kDropped = 127;

// What a run of characters did.
struct Typed
{
    bool bChanged = false;
    bool bInserted = false;
};

void Refuse(ZebDocRecord& doc)
{
    doc.wPendingLead = 0;
    ::MessageBeep(0xFFFFFFFF);
}

// Replaces the selection by the filtered character. false when the
// character could not be inserted.
bool TypeChar(HWND hwnd, ZebDocRecord& doc, int nCode, Typed& typed)
{
    DocReplaceSelection(hwnd, doc);
    const int nInsert = DocFilterChar(doc.FilterMatch(), doc.FilterReplacement(), nCode);
    if (nInsert != kDropped)
    {
        if (!DocInsertChar(hwnd, nInsert))
            return false;
        typed.bInserted = true;
    }
    typed.bChanged = true;
    return true;
}

// Backspace: with Alt the clipboard's text at the caret (a plain
// Backspace when the clip mode refuses pasting), else the selection
// (copied first) or the character before the caret goes.
int Backspace(HWND hwnd, ZebDocRecord& doc, DWORD dwFlags)
{
    if ((dwFlags & kKeyAlt) != 0 && (doc.ClipMode() & kClipNoPaste) == 0)
    {
        DocClearSelection(hwnd, 0);
        return DocPasteFromClipboard(hwnd);
    }
    if (!DocSelectionExists(doc))
        return DocBackspace(hwnd);
    return DocCopyFirst(hwnd, doc) ? DocDeleteSelection(hwnd) : 0;
}

// A byte that is neither Backspace, Enter nor form feed: a lead byte of a
// Shift-JIS typing font waits for its trail byte.
bool TypeByte(HWND hwnd, ZebDocRecord& doc, BYTE b, Typed& typed)
{
    if (b < 0x20)
        return false;
    const int nPending = doc.wPendingLead;
    doc.wPendingLead = 0;
    if (nPending != 0)
        return cp932::IsTrailByte(b) && TypeChar(hwnd, doc, nPending | b, typed);
    if (TypingIsShiftJis(doc) && cp932::IsLeadByte(b))
    {
        doc.wPendingLead = static_cast<WORD>(b << 8);
        return true;
    }
    return TypeChar(hwnd, doc, b, typed);
}

// One character of the repeat count; false when it was refused.
bool TakeChar(HWND hwnd, ZebDocRecord& doc, BYTE b, DWORD dwFlags, Typed& typed)
{
    if (b != kBackspace && b != kInputFormFeed && b != kReturn)
        return TypeByte(hwnd, doc, b, typed);
    doc.wPendingLead = 0;
    if (b == kBackspace)
    {
        if (!Backspace(hwnd, doc, dwFlags))
            return false;
        typed.bChanged = true;
        return true;
    }
    if ((dwFlags & kKeyShift) != 0)
        return false;
    return TypeChar(hwnd, doc, b == kReturn ? '\n' : kInputFormFeed, typed);
}

}  // namespace

bool DocOnChar(HWND hwnd, WPARAM wChar, LPARAM lParam)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return false;
    if (NotifyObjEvent(hwnd, ZebEventChar, static_cast<DWORD>(wChar), static_cast<DWORD>(lParam)) != 0)
        return true;
    if (!DocTakesTyping(*pDoc))
        return false;
    const DWORD dwFlags = DocKeyFlags();
    Typed typed;
    for (int n = LOWORD(lParam); n > 0; --n)
    {
        if (!TakeChar(hwnd, *pDoc, static_cast<BYTE>(wChar), dwFlags, typed))
            Refuse(*pDoc);
    }
    if (typed.bInserted)
    {
        ::UpdateWindow(hwnd);
        DocSetCaret(hwnd, -1, -1, kCaretScroll);
    }
    if (typed.bChanged)
        DocNotifyChanged(hwnd);
    return true;
}

LRESULT DocOnImeChar(HWND hwnd, WPARAM wChar, LPARAM lParam)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    if (pDoc == nullptr)
        return 0;
    pDoc->head.SetInput(static_cast<DWORD>(wChar), static_cast<DWORD>(lParam));
    const LRESULT nReply = ::SendMessageA(hwnd, MsgZebCmd, MakeZebCmdWParam(kDocImeCharCode, GetObjIndex(hwnd)),
                                          reinterpret_cast<LPARAM>(hwnd));
    if (!DocTakesTyping(*pDoc))
        return 0;
    Typed typed;
    if (nReply == 0 && TypeChar(hwnd, *pDoc, static_cast<int>(wChar & 0xFFFF), typed) && typed.bInserted)
        DocNotifyChanged(hwnd);
    return 1;
}
