#include "entry/fieldkey.h"

#include "mirtbase.h"
#include "mirtmsgs.h"
#include "npropobj.h"

void PostFieldKey(CWnd* pWnd, CNPropObj* pField, UINT nKey)
{
    const BOOL bArrow = nKey >= VK_LEFT && nKey <= VK_DOWN;
    if (!bArrow && nKey != VK_DELETE)
        return;
    const HWND hOwner = pField->m_pOwner != nullptr ? pField->m_pOwner->GetSafeHwnd() : nullptr;
    if (hOwner == nullptr)
        return;
    const UINT nShift = bArrow && ::GetAsyncKeyState(VK_SHIFT) < 0 ? 1 : 0;
    tagFIELDKEY* pKey = new tagFIELDKEY{pWnd, pField, nKey, nShift};
    if (!::PostMessageA(hOwner, MsgFieldKey, reinterpret_cast<WPARAM>(pKey), 4))
        delete pKey;
}
