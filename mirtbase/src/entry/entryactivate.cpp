#include "entry/entryactivate.h"

#include "mirtmsgs.h"
#include "npropobj.h"

void ActivateAndPostMove(CWnd* pWnd, CNPropObj* pField, BOOL bModify)
{
    pField->Activate();
    const HWND hParent = ::GetParent(pWnd->GetSafeHwnd());
    ::PostMessageA(hParent, MsgUserMove, reinterpret_cast<WPARAM>(pField), 1);
    if (bModify)
        ::PostMessageA(hParent, MsgUserModify, reinterpret_cast<WPARAM>(pField), 1);
}
