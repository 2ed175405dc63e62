#include "npropwnddoc.h"

#include <cstring>
#include <vector>

#include <windowsx.h>
#include <zeb95.h>

#include "entry/entrymenu.h"
#include "entry/entrymenures.h"
#include "entry/fieldkey.h"
#include "mirtbasemen.h"
#include "mirtmsgs.h"
#include "npropobjnum.h"

namespace {

const char kNoMemory[] = "メモリ確保に失敗しました";
const WPARAM kWholeText = static_cast<WPARAM>(-1);
const WPARAM kSelection = 0;
// zebGetSelFullLength counts four bytes of attributes for each character.
const LONG kFullTextUnit = 4;

BOOL ShiftHeld()
{
    return ::GetAsyncKeyState(VK_SHIFT) < 0;
}

// A movable zeroed block holding the bytes and a terminating zero; null
// when it cannot be had.
HGLOBAL TextBlock(const char* pText, size_t nLength)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, nLength + 1);
    if (hBlock == nullptr)
        return nullptr;
    if (void* pBlock = ::GlobalLock(hBlock)) {
        std::memcpy(pBlock, pText, nLength);
        ::GlobalUnlock(hBlock);
        return hBlock;
    }
    ::GlobalFree(hBlock);
    return nullptr;
}

BOOL PutOnClipboard(HWND hOwner, HGLOBAL hBlock)
{
    if (!::OpenClipboard(hOwner)) {
        ::GlobalFree(hBlock);
        return FALSE;
    }
    ::EmptyClipboard();
    if (::SetClipboardData(CF_TEXT, hBlock) == nullptr)
        ::GlobalFree(hBlock);
    ::CloseClipboard();
    return TRUE;
}

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndDoc, CWnd)
IMPLEMENT_DYNAMIC(CNPropWndDocNum, CNPropWndDoc)

BEGIN_MESSAGE_MAP(CNPropWndDoc, CWnd)
    ON_WM_CHAR()
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
    ON_MESSAGE(WM_ENTERSIZEMOVE, OnEnterSizeMove)
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
    ON_MESSAGE(MsgQueryField, OnQueryField)
END_MESSAGE_MAP()

CNPropWndDoc::CNPropWndDoc() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndDoc::~CNPropWndDoc()
{
    if (m_hWnd != nullptr)
        zebDestroyObjDoc(UnsubclassWindow());
}

void CNPropWndDoc::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

CNPropObj* CNPropWndDoc::Field() const
{
    return m_pField;
}

CString CNPropWndDoc::ValueToStore(const CString& strText) const
{
    return strText;
}

BOOL CNPropWndDoc::AcceptsChar(UINT) const
{
    return TRUE;
}

CString CNPropWndDoc::ReadAllText(HWND hDoc)
{
    const LONG nSize = zebGetAllText(hDoc, nullptr, 0);
    if (nSize <= 1)
        return CString();
    std::vector<char> text(static_cast<size_t>(nSize), '\0');
    zebGetAllText(hDoc, text.data(), nSize);
    return CString(text.data());
}

BOOL CNPropWndDoc::HasSelection(HWND hDoc)
{
    return zebGetSelFullLength(hDoc) / kFullTextUnit > 1;
}

BOOL CNPropWndDoc::IsDesignMode() const
{
    return Field() != nullptr && Field()->GetMode() == CNPropObj::MODE_SHOWN;
}

void CNPropWndDoc::ReplaceAll(const CString& strText)
{
    SendMessage(WM_CLEAR, kWholeText, 0);
    zebSetSelText(m_hWnd, strText);
}

void CNPropWndDoc::OnDataCommand(BOOL bSave)
{
    CNPropObj* pField = Field();
    if (pField == nullptr)
        return;
    if (bSave) {
        pField->CNPropObj::SetText(ValueToStore(ReadAllText(m_hWnd)));
        return;
    }
    CString strValue;
    pField->CNPropObj::GetText(strValue);
    ReplaceAll(strValue);
}

void CNPropWndDoc::OnListCommand(BOOL bSave)
{
    CNPropObj* pField = Field();
    if (pField == nullptr)
        return;
    CStringList list;
    if (bSave) {
        list.AddTail(ReadAllText(m_hWnd));
        pField->CNPropObj::SetList(list);
        return;
    }
    pField->CNPropObj::GetList(list);
    if (!list.IsEmpty())
        ReplaceAll(list.GetHead());
}

void CNPropWndDoc::OnResetCommand()
{
    SendMessage(WM_CLEAR, kWholeText, 0);
}

void CNPropWndDoc::OnLockCommand(BOOL bSave)
{
    zebSetStaticMode(m_hWnd, bSave ? 0 : 1);
}

void CNPropWndDoc::OnEditCommand(UINT nCommand)
{
    switch (nCommand) {
    case WCMD_CUT:
        if (CopySelection(m_hWnd))
            SendMessage(WM_CLEAR, kSelection, 0);
        break;
    case WCMD_COPY:
        CopySelection(m_hWnd);
        break;
    case WCMD_PASTE:
        Paste();
        break;
    default:
        break;
    }
}

BOOL CNPropWndDoc::CopySelection(HWND hDoc)
{
    if (!HasSelection(hDoc))
        return FALSE;
    const LONG nSize = zebGetSelLength(hDoc);
    if (nSize < 1)
        return FALSE;
    std::vector<char> text(static_cast<size_t>(nSize), '\0');
    if (zebGetSelText(hDoc, text.data(), nSize) < 0)
        return FALSE;
    HGLOBAL hBlock = TextBlock(text.data(), strnlen(text.data(), static_cast<size_t>(nSize)));
    if (hBlock == nullptr) {
        AfxMessageBox(kNoMemory);
        return FALSE;
    }
    return PutOnClipboard(hDoc, hBlock);
}

BOOL CNPropWndDoc::ReadClipboardText(HWND hOwner, CString& strText)
{
    if (!::OpenClipboard(hOwner))
        return FALSE;
    BOOL bText = FALSE;
    if (HANDLE hData = ::GetClipboardData(CF_TEXT)) {
        if (const char* pData = static_cast<const char*>(::GlobalLock(hData))) {
            strText = CString(pData, static_cast<int>(strnlen(pData, ::GlobalSize(hData))));
            ::GlobalUnlock(hData);
            bText = TRUE;
        }
    }
    ::CloseClipboard();
    return bText;
}

void CNPropWndDoc::PutClipboardText(HWND hOwner, const CString& strText)
{
    if (HGLOBAL hBlock = TextBlock(strText, static_cast<size_t>(strText.GetLength())))
        PutOnClipboard(hOwner, hBlock);
}

void CNPropWndDoc::Paste()
{
    CString strText;
    if (!ReadClipboardText(m_hWnd, strText))
        return;
    // The document puts the text it replaces on the clipboard; the pasted
    // text goes back there.
    zebSetSelText(m_hWnd, strText);
    PutClipboardText(m_hWnd, strText);
}

BOOL CNPropWndDoc::MoveOnKey(HWND hTarget, HWND hDoc, CNPropObj* pField, UINT nChar)
{
    if (pField == nullptr || hTarget == nullptr)
        return FALSE;
    if (nChar == VK_TAB)
        return MirtPostUserMove(hTarget, pField);
    if (nChar != VK_RETURN || pField->IsPrintForm() != 0)
        return FALSE;
    if (!ShiftHeld()) {
        // A field of L rows moves on once it holds L lines.
        CNPropObjCtrl* pControl = dynamic_cast<CNPropObjCtrl*>(pField);
        const int nLimit = pControl != nullptr ? pControl->GetRowLimit() : 0;
        if (nLimit < 0 || (nLimit > 0 && zebGetLineCount(hDoc) < nLimit))
            return FALSE;
    }
    ::PostMessageA(hTarget, MsgUserMove, reinterpret_cast<WPARAM>(pField), ShiftHeld() ? 0 : 1);
    return TRUE;
}

void CNPropWndDoc::OnChar(UINT nChar, UINT, UINT)
{
    if (MoveOnKey(::GetParent(m_hWnd), m_hWnd, Field(), nChar))
        return;
    if (AcceptsChar(nChar))
        Default();
}

void CNPropWndDoc::OnKeyDown(UINT nChar, UINT, UINT)
{
    CNPropObj* pField = Field();
    if (pField != nullptr && !IsDesignMode()) {
        Default();
        return;
    }
    if (pField != nullptr)
        PostFieldKey(this, pField, nChar);
}

void CNPropWndDoc::OnKillFocus(CWnd*)
{
    Default();
    CNPropObj* pField = Field();
    if (pField != nullptr && !IsDesignMode() && pField->GetLink(1) != nullptr)
        pField->RecalcLinked();
}

void CNPropWndDoc::ShowMenu(CPoint ptScreen)
{
    CEntryMenu menu;
    CNPropObj* pField = Field();
    const UINT kEditItems[] = {ID_ENTRY_CUT, ID_ENTRY_COPY, ID_ENTRY_CLEAR};
    if (pField == nullptr) {
        for (UINT nID : kEditItems)
            menu.Enable(nID, FALSE);
        for (UINT nID : {ID_ENTRY_PASTE, ID_ENTRY_UNDO, ID_ENTRY_SELECT_ALL})
            menu.Enable(nID, FALSE);
    } else if (IsDesignMode()) {
        for (UINT nID : kEditItems)
            menu.Enable(nID, TRUE);
        menu.Enable(ID_ENTRY_SELECT_ALL, FALSE);
        CMirtBaseMen* pFace = dynamic_cast<CMirtBaseMen*>(pField->m_pOwner);
        if (pFace != nullptr && pFace->GetSafeHwnd() != nullptr) {
            menu.Enable(ID_ENTRY_PASTE, pFace->IsUserClipBoard(MIRT_CLIP_PASTE));
            menu.Enable(ID_ENTRY_UNDO, pFace->IsUserClipBoard(MIRT_CLIP_UNDO));
        }
    } else {
        const BOOL bSelection = HasSelection(m_hWnd);
        for (UINT nID : kEditItems)
            menu.Enable(nID, bSelection);
        menu.Enable(ID_ENTRY_PASTE, ClipboardHolds(CF_TEXT));
        menu.Enable(ID_ENTRY_UNDO, FALSE);
        menu.Enable(ID_ENTRY_SELECT_ALL, zebGetAllText(m_hWnd, nullptr, 0) >= 2);
    }
    menu.SetFormatStates(pField);
    menu.SetNumberItems(pField != nullptr ? pField->GetNumKind() : 3);
    menu.Track(ptScreen, EntryMenuHost(this));
}

void CNPropWndDoc::OnRButtonDown(UINT, CPoint)
{
    const MSG* pMsg = GetCurrentMessage();
    ShowMenu(CPoint(pMsg->pt.x, pMsg->pt.y));
    Default();
}

void CNPropWndDoc::OnContextMenu(CWnd*, CPoint pos)
{
    ShowMenu(pos);
}

LRESULT CNPropWndDoc::OnNcRButtonDown(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    ShowMenu(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return lResult;
}

LRESULT CNPropWndDoc::OnEnterSizeMove(WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(WM_EXITSIZEMOVE, wParam, lParam);
}

LRESULT CNPropWndDoc::OnQueryClipBoard(WPARAM wParam, LPARAM lParam)
{
    if (Field() == nullptr)
        return MirtAnswerClipboardQuery(wParam, FALSE);
    if (IsDesignMode())
        return MirtAnswerClipboardQuery(wParam, lParam == MIRT_CLIP_COPY || lParam == MIRT_CLIP_DELETE);
    switch (lParam) {
    case MIRT_CLIP_PASTE:
        return MirtAnswerClipboardQuery(wParam, ClipboardHolds(CF_TEXT));
    case MIRT_CLIP_UNDO:
    case MIRT_CLIP_SELECTALL:
        return MirtAnswerClipboardQuery(wParam, TRUE);
    case MIRT_CLIP_CUT:
    case MIRT_CLIP_COPY:
    case MIRT_CLIP_DELETE:
        return MirtAnswerClipboardQuery(wParam, HasSelection(m_hWnd));
    default:
        return MirtAnswerClipboardQuery(wParam, FALSE);
    }
}

LRESULT CNPropWndDoc::OnQueryField(WPARAM wParam, LPARAM lParam)
{
    return MirtAnswerFieldQuery(wParam, lParam, Field());
}

CNPropWndDocNum::CNPropWndDocNum() : m_pNumField(nullptr)
{
}

CNPropObj* CNPropWndDocNum::Field() const
{
    return m_pNumField;
}

CString CNPropWndDocNum::ValueToStore(const CString& strText) const
{
    return m_pNumField != nullptr ? FormatNumber(strText, m_pNumField->m_nDrawStyle, m_pNumField->GetNumKind())
                                  : strText;
}

BOOL CNPropWndDocNum::AcceptsChar(UINT nChar) const
{
    if ((nChar >= '0' && nChar <= '9') || nChar == '-')
        return TRUE;
    return nChar == '.' && m_pNumField != nullptr && m_pNumField->GetNumKind() != 0;
}

CString CNPropWndDocNum::FormatNumber(const CString& strText, int nFormatKind, int nNumKind)
{
    if (strText.IsEmpty() || nFormatKind < 1 || nFormatKind > 5)
        return strText;
    CString strNumber;
    strNumber.Format(nNumKind == 0 ? "%0.0f" : "%0.2f", strtod(strText, nullptr));
    return strNumber;
}
