#include "modal_script.h"
#include <gtest/gtest.h>

namespace {

ModalScript* g_currentModalScript = nullptr;

const char* ClassOf(const CWnd* pWnd)
{
    return pWnd->GetRuntimeClass()->m_lpszClassName;
}

}  // namespace

ModalScript::ModalScript()
    : m_outer(g_currentModalScript),
      m_pfnOuterModalHook(AfxSetModalLoopHook(&ModalScript::ModalLoopHook)),
      m_pfnOuterMenuHook(AfxSetPopupMenuHook(&ModalScript::PopupMenuHook))
{
    g_currentModalScript = this;
}

ModalScript::~ModalScript()
{
    EXPECT_TRUE(m_dialogs.empty()) << m_dialogs.size() << " modal window script(s) never ran";
    EXPECT_TRUE(m_menus.empty()) << m_menus.size() << " popup menu script(s) never ran";
    g_currentModalScript = m_outer;
    AfxSetModalLoopHook(m_pfnOuterModalHook);
    AfxSetPopupMenuHook(m_pfnOuterMenuHook);
}

void ModalScript::Click(CWnd* pDialog, int nID)
{
    CWnd* pButton = pDialog->GetDlgItem(nID);
    ASSERT_NE(nullptr, pButton) << "no button " << nID;
    pButton->SendMessage(BM_CLICK);
}

void ModalScript::PumpPending()
{
    // Bounded, in case a window never validates itself and keeps asking to
    // be painted.
    MSG msg;
    for (int nMessages = 0; nMessages < 1000 && ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE); ++nMessages)
        AfxPumpMessage();
}

void ModalScript::InstallDefault()
{
    AfxSetModalLoopHook(&ModalScript::ModalLoopHook);
    AfxSetPopupMenuHook(&ModalScript::PopupMenuHook);
}

void ModalScript::ModalLoopHook(CWnd* pModal)
{
    if (g_currentModalScript == nullptr || g_currentModalScript->m_dialogs.empty()) {
        ADD_FAILURE() << "unexpected modal window: " << ClassOf(pModal);
    } else {
        const DialogScript script = std::move(g_currentModalScript->m_dialogs.front());
        g_currentModalScript->m_dialogs.pop_front();
        script(pModal);
        if (!pModal->ContinueModal())
            return;
        ADD_FAILURE() << "the script left the modal window open: " << ClassOf(pModal);
    }
    pModal->EndModalLoop(IDCANCEL);
}

UINT ModalScript::PopupMenuHook(CMenu* pMenu, UINT, int, int, CWnd*)
{
    if (g_currentModalScript == nullptr || g_currentModalScript->m_menus.empty()) {
        ADD_FAILURE() << "unexpected popup menu";
        return 0;
    }
    const MenuScript script = std::move(g_currentModalScript->m_menus.front());
    g_currentModalScript->m_menus.pop_front();
    return script(pMenu);
}
