#include "npropwndwb.h"

#include <cmath>
#include <cstdlib>

#include <zeb95.h>

#include "enter/textoverflow.h"
#include "entry/entrymenu.h"
#include "entry/entrymenures.h"
#include "mirtmsgs.h"
#include "npropobj.h"
#include "npropwnddoc.h"

namespace {

const WPARAM kWholeText = static_cast<WPARAM>(-1);
const WPARAM kSelection = 0;
const char kSixZeros[] = "000000";

BOOL IsDigit(UINT nChar)
{
    return nChar >= '0' && nChar <= '9';
}

// Kind 2 of a field that trims: the first nLength characters, then the
// final zeros and point of a decimal text.
CString TrimDecimals(CString strText, int nLength)
{
    strText = strText.Left(nLength);
    if (strText.Find('.', 1) < 1)
        return strText;
    for (int i = 0; i < 2 && strText.Right(1) == "0"; i++)
        strText = strText.Left(strText.GetLength() - 1);
    if (strText.Right(1) == ".")
        strText = strText.Left(strText.GetLength() - 1);
    return strText;
}

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndEdt, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndEdt, CWnd)
    ON_WM_CHAR()
    ON_MESSAGE(WM_IME_CHAR, OnImeChar)
    ON_WM_KEYDOWN()
    ON_WM_KILLFOCUS()
    ON_WM_SETFOCUS()
    ON_MESSAGE(MsgUserSetFocus, OnUserSetFocus)
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

CNPropWndEdt::CNPropWndEdt() : CWindowCommandTarget(this), m_pWB(nullptr), m_bUndoEmpty(1)
{
}

CNPropWndEdt::~CNPropWndEdt()
{
    if (m_hWnd != nullptr)
        UnsubclassWindow();
}

CNPropObj* CNPropWndEdt::Field() const
{
    return m_pWB != nullptr ? m_pWB->GetField() : nullptr;
}

int CNPropWndEdt::NumKind() const
{
    return m_pWB != nullptr ? m_pWB->GetNumKind() : CNPropWndWB::KIND_NONE;
}

BOOL CNPropWndEdt::IsNumberKind(int nKind)
{
    return nKind == CNPropWndWB::KIND_DECIMAL || nKind == CNPropWndWB::KIND_WHOLE ||
           nKind == CNPropWndWB::KIND_SIX_DIGITS;
}

CString CNPropWndEdt::FormatNumber(double v, int nKind)
{
    CString strNumber;
    if (nKind == CNPropWndWB::KIND_SIX_DIGITS) {
        strNumber.Format("%06.0f", v);
    } else if (nKind == CNPropWndWB::KIND_WHOLE) {
        const double whole = std::trunc(v);
        strNumber.Format("%0.0f", whole == 0.0 ? 0.0 : whole);
    } else {
        strNumber.Format("%0.2f", std::fabs(v) < 0.005 ? 0.0 : v);
    }
    return strNumber;
}

CString CNPropWndEdt::StoreValue(const CString& strText, int nKind, int nFieldNumKind)
{
    if (strText.IsEmpty())
        return nKind == CNPropWndWB::KIND_SIX_DIGITS ? CString(kSixZeros) : CString();
    if (!IsNumberKind(nKind))
        return strText;
    const CString strNumber = FormatNumber(std::strtod(strText, nullptr), nKind);
    if (nKind != CNPropWndWB::KIND_DECIMAL || nFieldNumKind != 2)
        return strNumber;
    return TrimDecimals(strNumber, strText.GetLength() + (strText[0] == '.' ? 1 : 0));
}

void CNPropWndEdt::DoDataExchange(CDataExchange* pDX)
{
    if (Field() != nullptr)
        DispatchCommand(pDX);
}

void CNPropWndEdt::KeepUndo()
{
    m_strUndo = CNPropWndDoc::ReadAllText(m_hWnd);
    m_bUndoEmpty = 0;
}

void CNPropWndEdt::ReplaceAll(const CString& strText)
{
    SendMessage(WM_CLEAR, kWholeText, 0);
    zebSetSelText(m_hWnd, strText);
}

void CNPropWndEdt::OnDataCommand(BOOL bSave)
{
    CNPropObj* pField = Field();
    if (bSave) {
        pField->CNPropObj::SetText(StoreValue(CNPropWndDoc::ReadAllText(m_hWnd), NumKind(), pField->GetNumKind()));
        return;
    }
    pField->CNPropObj::GetText(m_strUndo);
    ReplaceAll(m_strUndo);
}

void CNPropWndEdt::OnListCommand(BOOL bSave)
{
    CNPropObj* pField = Field();
    CStringList list;
    if (bSave) {
        list.AddTail(CNPropWndDoc::ReadAllText(m_hWnd));
        pField->CNPropObj::SetList(list);
        return;
    }
    pField->CNPropObj::GetList(list);
    m_strUndo = list.IsEmpty() ? CString() : list.GetHead();
    m_bUndoEmpty = 0;
    ReplaceAll(m_strUndo);
}

void CNPropWndEdt::OnResetCommand()
{
    SendMessage(WM_CLEAR, kWholeText, 0);
}

void CNPropWndEdt::OnLockCommand(BOOL bSave)
{
    zebSetStaticMode(m_hWnd, bSave ? 0 : 1);
}

void CNPropWndEdt::OnEditCommand(UINT nCommand)
{
    switch (nCommand) {
    case WCMD_CUT:
        KeepUndo();
        if (CNPropWndDoc::CopySelection(m_hWnd))
            SendMessage(WM_CLEAR, kSelection, 0);
        break;
    case WCMD_COPY:
        CNPropWndDoc::CopySelection(m_hWnd);
        break;
    case WCMD_PASTE:
        Paste();
        break;
    case WCMD_UNDO: {
        const CString strTaken = m_strUndo;
        KeepUndo();
        ReplaceAll(strTaken);
        zebSetCaret(m_hWnd, 0, 0);
        break;
    }
    case WCMD_DELETE:
        KeepUndo();
        SendMessage(WM_CLEAR, kSelection, 0);
        break;
    case WCMD_SELECTALL:
        zebSetCaret(m_hWnd, 0, 0);
        zebSetSelect(m_hWnd, reinterpret_cast<const POINT*>(-1));
        break;
    default:
        break;
    }
}

void CNPropWndEdt::Paste()
{
    KeepUndo();
    CString strText;
    if (!CNPropWndDoc::ReadClipboardText(m_hWnd, strText) || strText.IsEmpty())
        return;
    if (IsNumberKind(NumKind())) {
        // The number that results from the paste, in the kind's form.
        const CString strFirst = strText.Left(1);
        CString strRest = strText.Mid(1);
        strRest.Remove(',');
        zebSetSelText(m_hWnd, strFirst + strRest);
        ReplaceAll(FormatNumber(std::strtod(CNPropWndDoc::ReadAllText(m_hWnd), nullptr), NumKind()));
        POINT ptEnd;
        if (MirtDocEnd(m_hWnd, ptEnd))
            zebSetCaret(m_hWnd, ptEnd.x, ptEnd.y);
    } else {
        POINT ptCaret = {0, 0};
        zebGetCaret(m_hWnd, &ptCaret);
        zebSetSelText(m_hWnd, strText);
        zebSetCaret(m_hWnd, ptCaret.x + strText.GetLength(), ptCaret.y);
    }
    CNPropWndDoc::PutClipboardText(m_hWnd, strText);
}

BOOL CNPropWndEdt::AcceptsChar(UINT nChar) const
{
    switch (NumKind()) {
    case CNPropWndWB::KIND_NONE:
        return FALSE;
    case CNPropWndWB::KIND_TEXT:
        return TRUE;
    case CNPropWndWB::KIND_DECIMAL:
        return IsDigit(nChar) || nChar == '-' || nChar == '.';
    default:
        return IsDigit(nChar) || nChar == '-';
    }
}

void CNPropWndEdt::OnChar(UINT nChar, UINT, UINT)
{
    m_bUndoEmpty = 0;
    const HWND hTarget = m_pWB != nullptr ? ::GetParent(m_pWB->GetSafeHwnd()) : nullptr;
    if (CNPropWndDoc::MoveOnKey(hTarget, m_hWnd, Field(), nChar))
        return;
    if (nChar == VK_BACK) {
        KeepUndo();
        Default();
        return;
    }
    if (AcceptsChar(nChar))
        Default();
}

LRESULT CNPropWndEdt::OnImeChar(WPARAM, LPARAM)
{
    m_bUndoEmpty = 0;
    return NumKind() == CNPropWndWB::KIND_TEXT ? Default() : 0;
}

void CNPropWndEdt::OnKeyDown(UINT nChar, UINT, UINT)
{
    if (nChar == VK_DELETE)
        KeepUndo();
    Default();
}

void CNPropWndEdt::OnKillFocus(CWnd*)
{
    Default();
    CNPropObj* pField = Field();
    if (pField != nullptr && pField->GetLink(1) != nullptr)
        pField->RecalcLinked();
}

void CNPropWndEdt::OnSetFocus(CWnd*)
{
    Default();
    PostMessage(MsgUserSetFocus, 0, 0);
}

LRESULT CNPropWndEdt::OnUserSetFocus(WPARAM, LPARAM)
{
    POINT ptEnd;
    if (MirtDocEnd(m_hWnd, ptEnd))
        zebSetCaret(m_hWnd, ptEnd.x, ptEnd.y);
    return 0;
}

LRESULT CNPropWndEdt::OnQueryClipBoard(WPARAM wParam, LPARAM lParam)
{
    switch (lParam) {
    case MIRT_CLIP_PASTE:
        return MirtAnswerClipboardQuery(wParam, ClipboardHolds(CF_TEXT));
    case MIRT_CLIP_UNDO:
        return MirtAnswerClipboardQuery(wParam, m_bUndoEmpty == 0);
    case MIRT_CLIP_SELECTALL:
        return MirtAnswerClipboardQuery(wParam, zebGetAllText(m_hWnd, nullptr, 0) > 1);
    case MIRT_CLIP_CUT:
    case MIRT_CLIP_COPY:
    case MIRT_CLIP_DELETE:
        return MirtAnswerClipboardQuery(wParam, CNPropWndDoc::HasSelection(m_hWnd));
    default:
        return MirtAnswerClipboardQuery(wParam, FALSE);
    }
}

BOOL CNPropWndEdt::CanDo(int nAction)
{
    int nAnswer = 0;
    SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), nAction);
    return nAnswer != 0;
}

void CNPropWndEdt::ShowMenu(CPoint ptScreen)
{
    CEntryMenu menu;
    menu.Enable(ID_ENTRY_CUT, CanDo(MIRT_CLIP_CUT));
    menu.Enable(ID_ENTRY_COPY, CanDo(MIRT_CLIP_COPY));
    menu.Enable(ID_ENTRY_CLEAR, CanDo(MIRT_CLIP_DELETE));
    menu.Enable(ID_ENTRY_PASTE, CanDo(MIRT_CLIP_PASTE));
    menu.Enable(ID_ENTRY_UNDO, CanDo(MIRT_CLIP_UNDO));
    menu.Enable(ID_ENTRY_SELECT_ALL, CanDo(MIRT_CLIP_SELECTALL));
    CNPropObj* pField = Field();
    menu.SetFormatStates(pField);
    const int nNumKind = pField != nullptr ? pField->GetNumKind() : 3;
    menu.SetNumberItems(nNumKind);
    CMenu* pFormat = menu.FormatMenu();
    if (nNumKind == 3 && pFormat != nullptr)
        pFormat->EnableMenuItem(CEntryMenu::FORMAT_NUMBER, MF_BYPOSITION | MF_GRAYED);
    menu.Track(ptScreen, m_pWB != nullptr ? m_pWB->GetParent() : nullptr);
}

void CNPropWndEdt::OnRButtonDown(UINT, CPoint)
{
    CNPropObj* pField = Field();
    if (pField != nullptr && pField->IsEditable()) {
        const MSG* pMsg = GetCurrentMessage();
        ShowMenu(CPoint(pMsg->pt.x, pMsg->pt.y));
    }
    Default();
}

void CNPropWndEdt::OnContextMenu(CWnd*, CPoint pos)
{
    ShowMenu(pos);
}
