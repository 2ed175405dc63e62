#include "npropwndobjpic.h"

#include <windowsx.h>
#include <zeb95.h>

#include "entry/entrymenu.h"
#include "entry/fieldkey.h"
#include "entry/picturepath.h"
#include "mirtbasemen.h"
#include "mirtmsgs.h"
#include "mirtpath.h"
#include "npropobj.h"

namespace {

const LONG kPictureKind = 16;

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndObjPic, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndObjPic, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_CONTEXTMENU()
    ON_MESSAGE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
    ON_MESSAGE(WM_ENTERSIZEMOVE, OnEnterSizeMove)
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
    ON_MESSAGE(MsgQueryField, OnQueryField)
END_MESSAGE_MAP()

CNPropWndObjPic::CNPropWndObjPic() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndObjPic::~CNPropWndObjPic()
{
    if (m_hWnd != nullptr)
        zebDestroyObjPic(UnsubclassWindow());
}

void CNPropWndObjPic::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

CString CNPropWndObjPic::Value() const
{
    CString strValue;
    if (m_pField != nullptr)
        m_pField->CNPropObj::GetText(strValue);
    return strValue;
}

BOOL CNPropWndObjPic::IsDesignMode() const
{
    return m_pField != nullptr && m_pField->GetMode() == CNPropObj::MODE_SHOWN;
}

void CNPropWndObjPic::LoadPicture(const CString& strPath)
{
    const HWND hParent = ::GetParent(m_hWnd);
    if (hParent != nullptr)
        zebReadObject(hParent, kPictureKind, zebGetIndex(m_hWnd, kPictureKind), strPath);
}

void CNPropWndObjPic::OnDataCommand(BOOL bSave)
{
    if (!bSave && m_pField != nullptr)
        LoadPicture(PicturePathOfValue(Value(), FALSE));
}

void CNPropWndObjPic::OnListCommand(BOOL bSave)
{
    if (bSave || m_pField == nullptr)
        return;
    CStringList list;
    m_pField->CNPropObj::GetList(list);
    LoadPicture(FirstItemPath(list, MIRT_DEFBMP_FOLDER));
}

void CNPropWndObjPic::OnLockCommand(BOOL)
{
}

void CNPropWndObjPic::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_pField == nullptr || IsDesignMode()) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_pField->Activate();
}

void CNPropWndObjPic::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_pField == nullptr)
        return;
    if (nChar == VK_TAB && MirtPostUserMove(::GetParent(m_hWnd), m_pField))
        return;
    if (!IsDesignMode()) {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    PostFieldKey(this, m_pField, nChar);
}

void CNPropWndObjPic::ShowMenu(CPoint ptScreen)
{
    CEntryMenu menu;
    const BOOL bDesign = IsDesignMode();
    const BOOL bValue = m_pField != nullptr && (bDesign || !Value().IsEmpty());
    for (UINT nID : {ID_ENTRY_CUT, ID_ENTRY_COPY, ID_ENTRY_CLEAR})
        menu.Enable(nID, bValue);
    if (bDesign) {
        CMirtBaseMen* pFace = dynamic_cast<CMirtBaseMen*>(m_pField->m_pOwner);
        const BOOL bFace = pFace != nullptr && pFace->GetSafeHwnd() != nullptr;
        menu.Enable(ID_ENTRY_PASTE, bFace && pFace->IsUserClipBoard(MIRT_CLIP_PASTE));
        menu.Enable(ID_ENTRY_UNDO, bFace && pFace->IsUserClipBoard(MIRT_CLIP_UNDO));
    } else {
        menu.Enable(ID_ENTRY_PASTE, m_pField != nullptr && ClipboardHolds(CF_DIB));
        menu.Enable(ID_ENTRY_UNDO, FALSE);
    }
    menu.Enable(ID_ENTRY_SELECT_ALL, FALSE);
    menu.SetFormatStates(m_pField);
    for (UINT nID : {ID_ENTRY_NUM_NONE, ID_ENTRY_NUM_INTEGER, ID_ENTRY_NUM_DECIMAL})
        menu.Set(nID, FALSE, FALSE);
    menu.Enable(ID_ENTRY_AUTO_CALC, TRUE);
    menu.Track(ptScreen, EntryMenuHost(this));
}

void CNPropWndObjPic::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_pField != nullptr && m_pField->IsEditable()) {
        const MSG* pMsg = GetCurrentMessage();
        ShowMenu(CPoint(pMsg->pt.x + 5, pMsg->pt.y + 5));
    }
    CWnd::OnRButtonDown(nFlags, point);
}

void CNPropWndObjPic::OnContextMenu(CWnd*, CPoint pos)
{
    ShowMenu(pos);
}

LRESULT CNPropWndObjPic::OnNcRButtonDown(WPARAM, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if (m_pField != nullptr && m_pField->IsEditable())
        ShowMenu(CPoint(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
    return lResult;
}

LRESULT CNPropWndObjPic::OnEnterSizeMove(WPARAM wParam, LPARAM lParam)
{
    return DefWindowProc(WM_EXITSIZEMOVE, wParam, lParam);
}

LRESULT CNPropWndObjPic::OnQueryClipBoard(WPARAM wParam, LPARAM lParam)
{
    const BOOL bPossible = IsDesignMode() && (lParam == MIRT_CLIP_COPY || lParam == MIRT_CLIP_DELETE);
    return MirtAnswerClipboardQuery(wParam, bPossible);
}

LRESULT CNPropWndObjPic::OnQueryField(WPARAM wParam, LPARAM lParam)
{
    int* pAnswer = reinterpret_cast<int*>(wParam);
    CNPropObj** ppField = reinterpret_cast<CNPropObj**>(lParam);
    if (pAnswer == nullptr || ppField == nullptr || *pAnswer != 0 || *ppField != nullptr)
        return 0;
    *pAnswer = MIRT_QUERYFIELD_ANSWER;
    *ppField = m_pField;
    return 1;
}
