// The face window's clipboard: actions on an entry window, and whole fields
// copied, pasted, deleted and added from template files.
#include "mirtbasemen.h"

#include <algorithm>
#include <climits>

#include "fields/base/clampint.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "npropobj.h"
#include "propdata.h"
#include "propobjclip.h"
#include "windowcommand.h"

namespace {

const RECT kHorizontalText = {0, 0, 700, 150};
const RECT kVerticalText = {0, 0, 150, 700};

BOOL IsClipAction(DWORD dwAction)
{
    return dwAction >= MIRT_CLIP_CUT && dwAction <= MIRT_CLIP_SELECTALL;
}

void MoveRect(RECT& rect, int dx, int dy)
{
    rect.left = MirtAdd(rect.left, dx);
    rect.right = MirtAdd(rect.right, dx);
    rect.top = MirtAdd(rect.top, dy);
    rect.bottom = MirtAdd(rect.bottom, dy);
}

void DeleteFields(CPtrArray* pFields)
{
    for (INT_PTR i = 0; i < pFields->GetSize(); i++)
        delete static_cast<CNPropObj*>(pFields->GetAt(i));
    delete pFields;
}

// The next order after nOrder, the highest staying the highest.
UINT NextOrder(UINT nOrder)
{
    return nOrder < UINT_MAX ? nOrder + 1 : nOrder;
}

}  // namespace

void CMirtBaseMen::SetUserClipBoard(CWnd* pEntry, DWORD dwAction)
{
    if (IsClipAction(dwAction))
        CWindowCommandDlg::Send(pEntry, dwAction + MIRT_CLIP_COMMAND_OFFSET, TRUE);
}

int CMirtBaseMen::IsUserClipBoard(CWnd* pEntry, DWORD dwAction)
{
    if (pEntry == nullptr || pEntry->GetSafeHwnd() == nullptr || m_pCurPropObj == nullptr || !IsClipAction(dwAction))
        return 0;
    int nAnswer = 0;
    pEntry->SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), static_cast<LPARAM>(dwAction));
    return nAnswer != 0 ? 1 : 0;
}

int CMirtBaseMen::IsUserClipBoard(DWORD dwAction)
{
    switch (dwAction) {
    case MIRT_CLIP_CUT:
    case MIRT_CLIP_COPY:
    case MIRT_CLIP_DELETE:
        return 1;
    case MIRT_CLIP_PASTE:
        return FindClipboardFormat(m_pParentWnd, CPropObjClip::kFormatName) != 0 ? 1 : 0;
    default:
        return 0;
    }
}

void CMirtBaseMen::SetUserClipBoard(CUIntArray* pOrders, DWORD dwAction)
{
    switch (dwAction) {
    case MIRT_CLIP_CUT:
        CopyPropObj(pOrders);
        DeletePropObj(pOrders);
        break;
    case MIRT_CLIP_COPY:
        CopyPropObj(pOrders);
        break;
    case MIRT_CLIP_PASTE:
        PastePropObj();
        break;
    case MIRT_CLIP_DELETE:
        DeletePropObj(pOrders);
        break;
    default:
        break;
    }
    delete pOrders;
}

void CMirtBaseMen::CopyPropObj(CUIntArray* pOrders)
{
    PropObjToClipboard(pOrders);
}

void CMirtBaseMen::DeleteClearArray()
{
    if (m_pRemoved == nullptr)
        return;
    DeleteFields(m_pRemoved);
    m_pRemoved = nullptr;
}

void CMirtBaseMen::DeletePropObj(CUIntArray* pOrders)
{
    DeleteClearArray();
    if (pOrders == nullptr)
        return;
    m_pRemoved = new CPtrArray;
    for (INT_PTR i = 0; i < pOrders->GetSize(); i++) {
        CNPropObj* pField = GetPropObjByOrder(pOrders->GetAt(i));
        if (pField == nullptr)
            continue;
        m_pRemoved->Add(pField);
        for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
            static_cast<CPropData*>(m_listMen.GetNext(pos))->RemovePropObj(pField);
        if (POSITION posFocus = m_listFocus.Find(pField))
            m_listFocus.RemoveAt(posFocus);
        if (m_pCurPropObj == pField)
            m_pCurPropObj = nullptr;
        if (m_pPrtFrm != nullptr && m_pPrtFrm->m_pCurPropObj == pField)
            m_pPrtFrm->m_pCurPropObj = nullptr;
        pField->DestroyControl();
        MergeIntoFrame();
        RedrawAria(pField);
    }
}

void CMirtBaseMen::AddNewField(CNPropObj* pField)
{
    static_cast<CPropData*>(m_listMen.GetHead())->AddPropObj(pField);
    if (pField->IsEditable())
        m_listFocus.AddTail(pField);
    pField->m_pOwner = this;
    pField->LoadToControl(0);
    MergeIntoFrame();
    RedrawAria(pField);
}

void CMirtBaseMen::PastePropObj()
{
    CPtrArray* pFields = PropObjFromClipboard();
    if (pFields == nullptr)
        return;
    if (m_listMen.IsEmpty()) {
        DeleteFields(pFields);
        return;
    }
    int nLeft = INT_MAX;
    int nTop = INT_MAX;
    for (INT_PTR j = 0; j < pFields->GetSize(); j++) {
        const RECT& rect = static_cast<CNPropObj*>(pFields->GetAt(j))->m_rect;
        nLeft = std::min<int>(nLeft, rect.left);
        nTop = std::min<int>(nTop, rect.top);
    }
    UINT nOrder = static_cast<CPropData*>(m_listMen.GetHead())->GetMaxOrder();
    for (INT_PTR j = 0; j < pFields->GetSize(); j++) {
        CNPropObj* pField = static_cast<CNPropObj*>(pFields->GetAt(j));
        MoveRect(pField->m_rect, MirtSub(0, nLeft), MirtSub(0, nTop));
        nOrder = NextOrder(nOrder);
        pField->m_nOrder = nOrder;
        pField->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 0);
        AddNewField(pField);
    }
    delete pFields;
}

void CMirtBaseMen::PasteObjFromFile(UINT nKind)
{
    CNPropObj* pField = ReadFile(nKind);
    if (pField == nullptr)
        return;
    if (m_listMen.IsEmpty()) {
        delete pField;
        return;
    }
    RECT& rect = pField->m_rect;
    MoveRect(rect, MirtSub(0, rect.left), MirtSub(0, rect.top));
    if (nKind == 1)
        rect = kHorizontalText;
    else if (nKind == 2)
        rect = kVerticalText;
    pField->m_nOrder = NextOrder(static_cast<CPropData*>(m_listMen.GetHead())->GetMaxOrder());
    pField->m_strName = nKind == 1 ? "新規文書：横" : nKind == 2 ? "新規文書：縦" : "新規画像";
    pField->SetCarryOver(TRUE);
    pField->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 0);
    AddNewField(pField);
    if (m_pCurPropObj != nullptr)
        SetUserFocus(pField);
}
