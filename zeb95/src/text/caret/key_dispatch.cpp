#include "text/caret/key_dispatch.h"

#include "objects/events.h"
#include "text/caret/caret_keys.h"
#include "text/caret/doc_caret.h"
#include "text/doc/doc_record.h"

namespace {

const DWORD kShiftFlag = 4;
const DWORD kCtrlFlag = 8;
const DWORD kAltFlag = 0x20;
const int kStaticMode = 1;
const int kMoveMode = kCaretTakeAttrs;

bool Down(int nKey) { return (::GetAsyncKeyState(nKey) & 0x8000) != 0; }

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

}  // namespace

DWORD DocKeyFlags()
{
    return (Down(VK_SHIFT) ? kShiftFlag : 0) | (Down(VK_CONTROL) ? kCtrlFlag : 0) | (Down(VK_MENU) ? kAltFlag : 0);
}

bool DocMoveKeyDown(HWND hwnd, WPARAM wKey)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(hwnd);
    const DWORD dwFlags = DocKeyFlags();
    if (pDoc == nullptr || NotifyObjEvent(hwnd, ZebEventKeyDown, static_cast<DWORD>(wKey), dwFlags) != 0)
        return pDoc != nullptr;
    const auto move = MoveOf(wKey, (dwFlags & kCtrlFlag) != 0);
    if (pDoc->nStaticMode == kStaticMode || move == nullptr)
        return false;
    const bool bShift = (dwFlags & kShiftFlag) != 0;
    if (!move(hwnd, kMoveMode | (bShift ? kCaretExtend : 0)))
        ::MessageBeep(0xFFFFFFFF);
    if (bShift)
    {
        ::UpdateWindow(hwnd);
        DocSetCaret(hwnd, -1, -1, kCaretScroll | kCaretExtend);
    }
    return true;
}
