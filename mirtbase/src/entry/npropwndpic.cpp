#include "npropwndpic.h"

#include <cstring>

#include "entry/entryactivate.h"
#include "entry/entryframe.h"
#include "entry/entrymenu.h"
#include "entry/picturepath.h"
#include "mirtbase.h"
#include "mirtmsgs.h"
#include "mirtpath.h"
#include "npropobjpic.h"
#include "propobjclip.h"

const char CNPropWndPic::kPictureFormat[] = "CF_VLMDIB";

IMPLEMENT_DYNAMIC(CNPropWndPic, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndPic, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
END_MESSAGE_MAP()

CNPropWndPic::CNPropWndPic() : CWindowCommandTarget(this), m_pField(nullptr), m_bUndoEmpty(1)
{
}

CNPropWndPic::~CNPropWndPic() = default;

void CNPropWndPic::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

CMirtBase* CNPropWndPic::Owner() const
{
    return m_pField != nullptr ? m_pField->m_pOwner : nullptr;
}

CString CNPropWndPic::Value() const
{
    CString strValue;
    if (m_pField != nullptr)
        m_pField->CNPropObj::GetText(strValue);
    return strValue;
}

void CNPropWndPic::OnDataCommand(BOOL bSave)
{
    if (bSave || Owner() == nullptr)
        return;
    Owner()->SetPicture(PicturePathOfValue(Value(), TRUE));
    RepaintEntry(this);
}

void CNPropWndPic::OnListCommand(BOOL bSave)
{
    if (bSave || Owner() == nullptr)
        return;
    CStringList list;
    m_pField->CNPropObj::GetList(list);
    Owner()->SetPicture(FirstItemPath(list, MIRT_DEFBMP_FOLDER));
}

void CNPropWndPic::OnLockCommand(BOOL)
{
}

void CNPropWndPic::OnEditCommand(UINT nCommand)
{
    if (m_pField == nullptr)
        return;
    switch (nCommand) {
    case WCMD_CUT:
        Cut();
        break;
    case WCMD_COPY:
        Copy();
        break;
    case WCMD_PASTE:
        Paste();
        break;
    case WCMD_UNDO:
        Undo();
        break;
    case WCMD_DELETE:
        Delete();
        break;
    default:
        break;
    }
}

void CNPropWndPic::ReplaceValue(const CString& strValue)
{
    m_strUndo = Value();
    m_bUndoEmpty = 0;
    m_pField->SetText(strValue);
}

void CNPropWndPic::Cut()
{
    const CString strOld = Value();
    if (strOld.IsEmpty())
        return;
    Delete();
    if (Owner() != nullptr)
        Owner()->CopyPicture(strOld);
}

void CNPropWndPic::Copy()
{
    const CString strValue = Value();
    if (!strValue.IsEmpty() && Owner() != nullptr)
        Owner()->CopyPicture(strValue);
}

BOOL CNPropWndPic::PasteFileName(CString& strName)
{
    const UINT nFormat = FindClipboardFormat(this, kPictureFormat);
    if (nFormat == 0 || !::OpenClipboard(m_hWnd))
        return FALSE;
    const HGLOBAL hData = ::GetClipboardData(nFormat);
    const char* pData = hData != nullptr ? static_cast<const char*>(::GlobalLock(hData)) : nullptr;
    if (pData == nullptr) {
        ::CloseClipboard();
        return FALSE;
    }
    const SIZE_T nSize = ::GlobalSize(hData);
    strName = CString(pData, static_cast<int>(strnlen(pData, nSize)));
    ::GlobalUnlock(hData);
    ::CloseClipboard();
    return TRUE;
}

void CNPropWndPic::Paste()
{
    CString strName;
    if (PasteFileName(strName)) {
        if (!strName.IsEmpty()) {
            if (Owner() != nullptr)
                Owner()->SetPicture(strName);
            ReplaceValue(strName);
        }
        return;
    }
    if (Owner() == nullptr)
        return;
    CString strPath;
    Owner()->PastePicture(strPath);
    if (!strPath.IsEmpty())
        ReplaceValue(strPath);
}

void CNPropWndPic::Undo()
{
    if (m_bUndoEmpty == 0)
        ReplaceValue(CString(m_strUndo));
}

void CNPropWndPic::Delete()
{
    ReplaceValue(CString());
    RepaintEntry(this);
}

BOOL CNPropWndPic::CanDo(UINT nAction) const
{
    switch (nAction) {
    case MIRT_CLIP_CUT:
    case MIRT_CLIP_COPY:
    case MIRT_CLIP_DELETE:
        return !Value().IsEmpty();
    case MIRT_CLIP_PASTE:
        return ::IsClipboardFormatAvailable(CF_DIB) ||
               ::IsClipboardFormatAvailable(::RegisterClipboardFormatA(kPictureFormat));
    case MIRT_CLIP_UNDO:
        return m_bUndoEmpty == 0;
    default:
        return FALSE;
    }
}

void CNPropWndPic::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    const CString strValue = Value();
    BOOL bDrawn = FALSE;
    if (Owner() != nullptr && !strValue.IsEmpty()) {
        const CString strPath = PicturePathOfValue(strValue, TRUE);
        CRect box = client;
        box.DeflateRect(4, 4);
        Owner()->SetPicture(strPath);
        bDrawn = Owner()->DrawPicture(&dc, box, strPath, m_pField->m_bStretch) != 0;
    }
    DrawEntryFrame(&dc, client);
    if (bDrawn)
        return;
    CRect cross = client;
    cross.DeflateRect(2, 2);
    DrawEntryCross(&dc, cross);
}

BOOL CNPropWndPic::OnEraseBkgnd(CDC* pDC)
{
    CRect client;
    GetClientRect(&client);
    pDC->PatBlt(client.left, client.top, client.Width(), client.Height(), WHITENESS);
    return CWnd::OnEraseBkgnd(pDC);
}

void CNPropWndPic::OnLButtonDown(UINT, CPoint)
{
    if (m_pField != nullptr)
        ActivateAndPostMove(this, m_pField, TRUE);
}

void CNPropWndPic::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_RETURN) {
        if (m_pField != nullptr)
            ActivateAndPostMove(this, m_pField, TRUE);
        return;
    }
    if (nChar == VK_DELETE && m_pField != nullptr) {
        Delete();
        ::PostMessageA(::GetParent(m_hWnd), MsgUserModify, reinterpret_cast<WPARAM>(m_pField), 1);
    }
    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CNPropWndPic::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == '\t' && MirtPostUserMove(::GetParent(m_hWnd), m_pField))
        return;
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

void CNPropWndPic::ShowMenu(CPoint ptScreen)
{
    CEntryMenu menu;
    menu.Enable(ID_ENTRY_CUT, CanDo(MIRT_CLIP_CUT));
    menu.Enable(ID_ENTRY_COPY, CanDo(MIRT_CLIP_COPY));
    menu.Enable(ID_ENTRY_CLEAR, CanDo(MIRT_CLIP_DELETE));
    menu.Enable(ID_ENTRY_PASTE, CanDo(MIRT_CLIP_PASTE));
    menu.Enable(ID_ENTRY_UNDO, m_bUndoEmpty == 0);
    menu.Enable(ID_ENTRY_SELECT_ALL, FALSE);
    menu.SetFormatStates(m_pField);
    CMenu* pFormat = menu.FormatMenu();
    for (int nPosition : {CEntryMenu::FORMAT_ROWS, CEntryMenu::FORMAT_PITCH, CEntryMenu::FORMAT_NUMBER}) {
        if (pFormat != nullptr)
            pFormat->EnableMenuItem(static_cast<UINT>(nPosition), MF_BYPOSITION | MF_GRAYED);
    }
    menu.Enable(ID_ENTRY_AUTO_CALC, FALSE);
    const int nShadow = m_pField != nullptr ? m_pField->GetShadow() : -1;
    menu.Set(ID_ENTRY_COPY_SETTING, nShadow >= 0 && nShadow <= 2, FALSE);
    menu.Track(ptScreen, GetParent());
}

void CNPropWndPic::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pField != nullptr && m_pField->IsEditable()) {
        const MSG* pMsg = GetCurrentMessage();
        ShowMenu(CPoint(pMsg->pt.x + 5, pMsg->pt.y + 5));
    }
    CWnd::OnRButtonDown(nFlags, point);
}

void CNPropWndPic::OnContextMenu(CWnd*, CPoint pos)
{
    ShowMenu(pos);
}

LRESULT CNPropWndPic::OnQueryClipBoard(WPARAM wParam, LPARAM lParam)
{
    return MirtAnswerClipboardQuery(wParam, CanDo(static_cast<UINT>(lParam)));
}
