#include "npropwndcalnd.h"

#include "entry/entryactivate.h"
#include "entry/entryframe.h"
#include "mirtmsgs.h"
#include "npropobjcalnd.h"

IMPLEMENT_DYNAMIC(CNPropWndCalnd, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndCalnd, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
END_MESSAGE_MAP()

CNPropWndCalnd::CNPropWndCalnd() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndCalnd::~CNPropWndCalnd() = default;

void CNPropWndCalnd::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

void CNPropWndCalnd::OnDataCommand(BOOL bSave)
{
    if (!bSave)
        RepaintEntry(this);
}

void CNPropWndCalnd::OnListCommand(BOOL bSave)
{
    if (!bSave)
        RepaintEntry(this);
}

void CNPropWndCalnd::OnPaint()
{
    CPaintDC dc(this);
    if (m_pField == nullptr)
        return;
    m_pField->DrawCalendar(&dc, 1, 0, 0);
    CRect client;
    GetClientRect(&client);
    DrawEntryFrame(&dc, client);
}

BOOL CNPropWndCalnd::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    CBrush white(RGB(255, 255, 255));
    pDC->FillRect(&client, &white);
    return CWnd::OnEraseBkgnd(pDC);
}

void CNPropWndCalnd::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB && MirtPostUserMove(::GetParent(m_hWnd), m_pField))
        return;
    if (nChar == VK_RETURN) {
        if (m_pField == nullptr || IsInputLocked())
            return;
        ActivateAndPostMove(this, m_pField, FALSE);
        return;
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CNPropWndCalnd::OnLButtonDown(UINT, CPoint)
{
    if (m_pField != nullptr && !IsInputLocked())
        ActivateAndPostMove(this, m_pField, TRUE);
}

LRESULT CNPropWndCalnd::OnQueryClipBoard(WPARAM wParam, LPARAM)
{
    return MirtAnswerClipboardQuery(wParam, FALSE);
}
