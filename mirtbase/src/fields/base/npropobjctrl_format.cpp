// The field's attributes as a tagSPACEINFO, posted to the host view.
#include "npropobjctrl.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "mirtmsgs.h"

namespace {

// The shadow setting as the record gives it: 0 off, 1 on, 2 none.
int SpaceInfoShadow(int nShadow)
{
    switch (nShadow) {
    case 0:
        return 0;
    case 1:
    case 2:
        return 1;
    default:
        return 2;
    }
}

}  // namespace

void CNPropObjCtrl::FillSpaceInfo(tagSPACEINFO& info)
{
    std::memset(&info, 0, sizeof info);
    if (const LOGFONT* pLogFont = GetLogFont())
        info.lfFont = *pLogFont;
    info.crText = GetTextColor();
    info.nAlign = GetAlign();
    info.nRowHeight = GetRowHeight();
    info.nCarryOver = GetCarryOver();
    info.nLock = GetModify();
    info.nAutoCalc = GetAutoCalc();
    info.nNumKind = GetNumKind();
    info.nShadow = SpaceInfoShadow(GetShadow());
    info.nPichRate = GetPichRate();
    const CString strName = GetFieldName();
    std::memcpy(info.szName, static_cast<LPCSTR>(strName),
        std::min<size_t>(static_cast<size_t>(strName.GetLength()), sizeof info.szName));
}

void CNPropObjCtrl::PostFormatToView(CWnd* pView)
{
    if (pView == nullptr || pView->GetSafeHwnd() == nullptr)
        return;
    tagSPACEINFO* pInfo = new (std::nothrow) tagSPACEINFO;
    if (pInfo != nullptr)
        FillSpaceInfo(*pInfo);
    // A record that could not be posted has no receiver to free it.
    if (!pView->PostMessage(MsgFieldFormat, reinterpret_cast<WPARAM>(pInfo), 0))
        delete pInfo;
}
