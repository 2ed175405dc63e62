// CMenu, its handle maps and the popup menu seam.
#include <unordered_map>
#include "afxctrl.h"
#include "afxdlgseam.h"
#include "core/threadslot.h"

IMPLEMENT_DYNCREATE(CMenu, CObject)

namespace {

AFX_POPUPMENU_HOOK g_popupMenuHook = nullptr;

struct MenuMaps
{
    MenuMaps() = default;
    ~MenuMaps() { DeleteTemporaries(); }
    MenuMaps(const MenuMaps&) = delete;
    MenuMaps& operator=(const MenuMaps&) = delete;

    void DeleteTemporaries()
    {
        for (auto& entry : temporary) {
            entry.second->m_hMenu = nullptr;   // a temporary never destroys its menu
            delete entry.second;
        }
        AfxCountTemporary(-static_cast<int>(temporary.size()));
        temporary.clear();
    }

    std::unordered_map<HMENU, CMenu*> permanent;
    std::unordered_map<HMENU, CMenu*> temporary;
};

MenuMaps& ThreadMenuMaps()
{
    static AfxThreadSlot<MenuMaps> s_slot;
    return s_slot.Get();
}

}  // namespace

AFX_POPUPMENU_HOOK AfxSetPopupMenuHook(AFX_POPUPMENU_HOOK hook)
{
    const AFX_POPUPMENU_HOOK previous = g_popupMenuHook;
    g_popupMenuHook = hook;
    return previous;
}

CMenu::CMenu() : m_hMenu(nullptr)
{
}

CMenu::~CMenu()
{
    DestroyMenu();
}

HMENU CMenu::GetSafeHmenu() const
{
    // Callers use null CMenu pointers for "no menu".
    const CMenu* self = this;
    __asm__("" : "+r"(self));
    return self != nullptr ? self->m_hMenu : nullptr;
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    if (hMenu == nullptr)
        return nullptr;
    if (CMenu* pMenu = FromHandlePermanent(hMenu))
        return pMenu;
    CMenu*& pTemp = ThreadMenuMaps().temporary[hMenu];
    if (pTemp == nullptr) {
        pTemp = new CMenu;
        pTemp->m_hMenu = hMenu;
        AfxCountTemporary(1);
    }
    return pTemp;
}

CMenu* CMenu::FromHandlePermanent(HMENU hMenu)
{
    const auto& map = ThreadMenuMaps().permanent;
    const auto it = map.find(hMenu);
    return it != map.end() ? it->second : nullptr;
}

void CMenu::DeleteTempMap()
{
    ThreadMenuMaps().DeleteTemporaries();
}

BOOL CMenu::Attach(HMENU hMenu)
{
    if (hMenu == nullptr || m_hMenu != nullptr)
        return FALSE;
    if (!ThreadMenuMaps().permanent.emplace(hMenu, this).second)
        return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach()
{
    const HMENU hMenu = m_hMenu;
    if (hMenu != nullptr) {
        auto& map = ThreadMenuMaps().permanent;
        const auto it = map.find(hMenu);
        if (it != map.end() && it->second == this)
            map.erase(it);
        m_hMenu = nullptr;
    }
    return hMenu;
}

BOOL CMenu::CreateMenu()
{
    return Attach(::CreateMenu());
}

BOOL CMenu::CreatePopupMenu()
{
    return Attach(::CreatePopupMenu());
}

BOOL CMenu::LoadMenu(LPCSTR lpszResourceName)
{
    return Attach(::LoadMenuA(AfxGetResourceHandle(), lpszResourceName));
}

BOOL CMenu::DestroyMenu()
{
    return m_hMenu != nullptr && ::DestroyMenu(Detach());
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const int nLength = ::GetMenuStringA(m_hMenu, nIDItem, nullptr, 0, nFlags);
    if (nLength <= 0) {
        rString.Empty();
        return 0;
    }
    ::GetMenuStringA(m_hMenu, nIDItem, rString.GetBuffer(nLength), nLength + 1, nFlags);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect)
{
    if (g_popupMenuHook == nullptr)
        return ::TrackPopupMenu(m_hMenu, nFlags, x, y, 0, pWnd->GetSafeHwnd(), lpRect);
    if (!(nFlags & TPM_NONOTIFY)) {
        pWnd->SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(m_hMenu));
        pWnd->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(m_hMenu), 0);
    }
    const UINT nCommand = g_popupMenuHook(this, nFlags, x, y, pWnd);
    if (nFlags & TPM_RETURNCMD)
        return static_cast<BOOL>(nCommand);
    if (nCommand != 0)
        pWnd->PostMessage(WM_COMMAND, nCommand);
    return TRUE;
}
