#include "form_window.h"

#include "mirtmsgs.h"
#include "npropobj.h"

BEGIN_MESSAGE_MAP(CWindowedFormWnd, CTestFormWnd)
    ON_MESSAGE(MsgUserModify, OnUserModify)
    ON_MESSAGE(MsgUserClipBoard, OnUserClipBoard)
END_MESSAGE_MAP()

CWindowedFormWnd::~CWindowedFormWnd()
{
    if (m_hWnd != nullptr)
        DestroyWindow();
}

BOOL CWindowedFormWnd::CreateUnder(CWnd* pParent)
{
    return CreateEx(0, AfxRegisterWndClass(0), "form", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), pParent, 1);
}

std::string DescribeFaces(const CObList& listMen)
{
    std::string text;
    for (POSITION pos = listMen.GetHeadPosition(); pos != nullptr;) {
        const CPropData* pMen = static_cast<const CPropData*>(listMen.GetNext(pos));
        text += std::to_string(pMen->m_nMen) + ":";
        POSITION posField;
        for (CNPropObj* p = pMen->GetFirstPropObj(posField); p != nullptr; p = pMen->GetNextPropObj(posField))
            text += std::to_string(p->m_nOrder) + p->GetRuntimeClass()->m_lpszClassName + ",";
        text += " ";
    }
    return text;
}
