#include "npropwndcb.h"

#include "entry/entrymenu.h"
#include "mirtmsgs.h"
#include "npropobjcb.h"

IMPLEMENT_DYNAMIC(CNPropWndCBEdit, CEdit)

BEGIN_MESSAGE_MAP(CNPropWndCBEdit, CEdit)
    ON_WM_CHAR()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
END_MESSAGE_MAP()

CNPropWndCBEdit::CNPropWndCBEdit() : CWindowCommandTarget(this), m_hTarget(nullptr), m_pField(nullptr)
{
}

CNPropWndCBEdit::~CNPropWndCBEdit() = default;

void CNPropWndCBEdit::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

void CNPropWndCBEdit::OnLockCommand(BOOL)
{
}

void CNPropWndCBEdit::OnStyleCommand(BOOL)
{
}

void CNPropWndCBEdit::OnEditCommand(UINT nCommand)
{
    SendClipboardMessage(nCommand);
}

int CNPropWndCBEdit::OnUnknownCommand(UINT)
{
    return 0;
}

void CNPropWndCBEdit::ShowMenu(CPoint ptScreen)
{
    CEntryMenu menu;
    menu.Enable(ID_ENTRY_PASTE, ClipboardHolds(CF_TEXT));
    menu.Track(ptScreen, EntryMenuHost(this));
}

void CNPropWndCBEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == '\t' && MirtPostUserMove(m_hTarget, m_pField))
        return;
    CEdit::OnChar(nChar, nRepCnt, nFlags);
}

void CNPropWndCBEdit::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pField != nullptr && m_pField->IsEditable()) {
        const MSG* pMsg = GetCurrentMessage();
        ShowMenu(CPoint(pMsg->pt.x + 5, pMsg->pt.y + 5));
    }
    CEdit::OnRButtonDown(nFlags, point);
}

void CNPropWndCBEdit::OnContextMenu(CWnd*, CPoint pos)
{
    ShowMenu(pos);
}

LRESULT CNPropWndCBEdit::OnQueryClipBoard(WPARAM wParam, LPARAM)
{
    return MirtAnswerClipboardQuery(wParam, FALSE);
}
