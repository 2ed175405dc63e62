#include "entry/entrymenu.h"

#include "npropobj.h"

CEntryMenu::CEntryMenu()
{
    CResourceHandleSwitch resources;
    m_menu.LoadMenu(IDR_ENTRY_MENU);
}

CEntryMenu::~CEntryMenu()
{
    m_menu.DestroyMenu();
}

CMenu* CEntryMenu::Popup() const
{
    return m_menu.GetSafeHmenu() != nullptr ? m_menu.GetSubMenu(0) : nullptr;
}

CMenu* CEntryMenu::FormatMenu() const
{
    CMenu* pPopup = Popup();
    return pPopup != nullptr ? pPopup->GetSubMenu(static_cast<int>(pPopup->GetMenuItemCount()) - 1) : nullptr;
}

void CEntryMenu::Enable(UINT nID, BOOL bEnable)
{
    m_menu.EnableMenuItem(nID, MF_BYCOMMAND | (bEnable ? MF_ENABLED : MF_GRAYED));
}

void CEntryMenu::Check(UINT nID, BOOL bCheck)
{
    m_menu.CheckMenuItem(nID, MF_BYCOMMAND | (bCheck ? MF_CHECKED : MF_UNCHECKED));
}

void CEntryMenu::Set(UINT nID, BOOL bEnable, BOOL bCheck)
{
    Enable(nID, bEnable);
    Check(nID, bCheck);
}

namespace {

// The item of a group that a value checks: its entry in values, else the
// last item.
UINT CheckedOf(int nValue, const int (&values)[3], const UINT (&ids)[4])
{
    for (int i = 0; i < 3; ++i) {
        if (values[i] == nValue)
            return ids[i];
    }
    return ids[3];
}

}  // namespace

void CEntryMenu::SetFormatStates(CNPropObj* pField)
{
    static const UINT kRows[4] = {ID_ENTRY_ROW_NONE, ID_ENTRY_ROW_NARROW, ID_ENTRY_ROW_NORMAL, ID_ENTRY_ROW_WIDE};
    static const UINT kPitch[4] = {
        ID_ENTRY_PITCH_NONE, ID_ENTRY_PITCH_NARROW, ID_ENTRY_PITCH_NORMAL, ID_ENTRY_PITCH_WIDE};
    const UINT nRow = pField != nullptr ? CheckedOf(pField->GetRowHeight(), {10, 12, 15}, kRows) : 0;
    const UINT nPitch = pField != nullptr ? CheckedOf(pField->GetPichRate(), {0, 1, 2}, kPitch) : 0;
    for (int i = 0; i < 4; ++i) {
        Set(kRows[i], TRUE, kRows[i] == nRow);
        Set(kPitch[i], TRUE, kPitch[i] == nPitch);
    }
    if (pField == nullptr) {
        Set(ID_ENTRY_AUTO_CALC, TRUE, FALSE);
        for (UINT nID : {ID_ENTRY_COPY_SETTING, ID_ENTRY_LAYOUT_LOCK, ID_ENTRY_CARRY_OVER})
            Set(nID, FALSE, FALSE);
        return;
    }
    const int nAutoCalc = pField->GetAutoCalc();
    Set(ID_ENTRY_AUTO_CALC, nAutoCalc == 1 || nAutoCalc == 2, nAutoCalc == 1);
    const int nShadow = pField->GetShadow();
    Set(ID_ENTRY_COPY_SETTING, nShadow >= 0 && nShadow <= 2, nShadow == 1 || nShadow == 2);
    const int nModify = pField->GetModify();
    Set(ID_ENTRY_LAYOUT_LOCK, nModify == 1 || nModify == 2, nModify == 2);
    Set(ID_ENTRY_CARRY_OVER, TRUE, pField->GetCarryOver() == 2);
}

void CEntryMenu::Track(CPoint ptScreen, CWnd* pOwner)
{
    CMenu* pPopup = Popup();
    if (pPopup == nullptr || pOwner == nullptr || pOwner->GetSafeHwnd() == nullptr)
        return;
    pPopup->TrackPopupMenu(TPM_RIGHTBUTTON, ptScreen.x, ptScreen.y, pOwner);
}

CWnd* EntryMenuHost(CWnd* pWnd)
{
    CWnd* pParent = pWnd->GetParent();
    return pParent != nullptr ? pParent->GetParent() : nullptr;
}

BOOL ClipboardHolds(UINT nFormat)
{
    if (nFormat == 0 || !::OpenClipboard(nullptr))
        return FALSE;
    const BOOL bHolds = ::IsClipboardFormatAvailable(nFormat);
    ::CloseClipboard();
    return bHolds;
}
