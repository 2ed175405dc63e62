#include "win/winstate.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, AfxSig_end, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

namespace {

bool EntryMatches(const AFX_MSGMAP_ENTRY& entry, UINT nMessage, UINT nCode, UINT nID)
{
    if (entry.nMessage == 0xC000)   // registered message
        return nMessage >= 0xC000 && *reinterpret_cast<const UINT*>(entry.nSig) == nMessage;
    return entry.nMessage == nMessage && entry.nCode == nCode && nID >= entry.nID && nID <= entry.nLastID;
}

}  // namespace

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(UINT nMessage, UINT nCode, UINT nID) const
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
            if (EntryMatches(*pEntry, nMessage, nCode, nID))
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // The code's high word names the message unless it is WM_COMMAND.
    UINT nMessage = 0;
    UINT nNotifyCode = static_cast<UINT>(nCode);
    if (nNotifyCode != CN_UPDATE_COMMAND_UI) {
        nMessage = HIWORD(nNotifyCode);
        nNotifyCode = LOWORD(nNotifyCode);
    }
    if (nMessage == 0)
        nMessage = WM_COMMAND;

    // Entries of ON_COMMAND_EX and ON_NOTIFY_EX that decline pass the
    // message on to the next matching entry.
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->nSig != AfxSig_end; ++pEntry) {
            if (!EntryMatches(*pEntry, nMessage, nNotifyCode, nID))
                continue;
            if (pHandlerInfo != nullptr) {
                pHandlerInfo->pTarget = this;
                pHandlerInfo->pmf = pEntry->pfn;
                return TRUE;
            }
            const bool bMayDecline = pEntry->nSig == AfxSigCmd_EX || pEntry->nSig == AfxSigNotify_EX;
            const BOOL bHandled = DispatchCmdMsg(pEntry, nID, pExtra);
            if (bHandled || !bMayDecline)
                return bHandled;
        }
    }
    return FALSE;
}

BOOL CCmdTarget::DispatchCmdMsg(const AFX_MSGMAP_ENTRY* pEntry, UINT nID, void* pExtra)
{
    switch (pEntry->nSig) {
    case AfxSigCmd_v:
        (this->*pEntry->pfn)();
        return TRUE;
    case AfxSigCmd_EX:
        return (this->*AfxHandlerAs<BOOL (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
    case AfxSigNotify_EX: {
        const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(pExtra);
        return (this->*AfxHandlerAs<BOOL (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pEntry->pfn))(nID,
            pNotify->pNMHDR, pNotify->pResult);
    }
    case AfxSigCmd_RANGE:
        (this->*AfxHandlerAs<void (CCmdTarget::*)(UINT)>(pEntry->pfn))(nID);
        return TRUE;
    case AfxSigCmdUI: {
        CCmdUI* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        (this->*AfxHandlerAs<void (CCmdTarget::*)(CCmdUI*)>(pEntry->pfn))(pCmdUI);
        return !pCmdUI->m_bContinueRouting;
    }
    case AfxSigNotify_v: {
        const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(pExtra);
        (this->*AfxHandlerAs<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(pEntry->pfn))(pNotify->pNMHDR,
            pNotify->pResult);
        return TRUE;
    }
    case AfxSigNotify_RANGE: {
        const AFX_NOTIFY* pNotify = static_cast<const AFX_NOTIFY*>(pExtra);
        (this->*AfxHandlerAs<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(pEntry->pfn))(nID, pNotify->pNMHDR,
            pNotify->pResult);
        return TRUE;
    }
    default:
        return FALSE;
    }
}
