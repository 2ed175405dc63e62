// Modal dialogs, property sheets and popup menus in tests: while a
// ModalScript lives, each is answered by the next script queued on it. One
// that no script expects fails the running test and is closed at once
// (IDCANCEL; a menu chooses nothing), so the test never waits for a user.
// InstallDefault() extends that to the whole program (call it from main()).
#pragma once
#include <deque>
#include <functional>

#include "afxdlgs.h"

class ModalScript {
public:
    // Runs inside the modal loop once the window is up and must end it
    // before returning (EndDialog, a button pressed with Click ...).
    using DialogScript = std::function<void(CWnd* pModal)>;
    // Returns the command chosen from the menu, 0 for none.
    using MenuScript = std::function<UINT(CMenu* pMenu)>;

    ModalScript();
    // Fails the test for scripts that were never run; puts the hooks it
    // replaced back.
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    void ExpectDialog(DialogScript script) { m_dialogs.push_back(std::move(script)); }
    void ExpectMenu(MenuScript script) { m_menus.push_back(std::move(script)); }

    // Presses the button nID of a dialog as a click does.
    static void Click(CWnd* pDialog, int nID);
    // Dispatches the messages waiting in the thread's queue as a message
    // loop does (PreTranslateMessage first), without waiting for more.
    static void PumpPending();
    // Modal windows and menus outside any ModalScript fail the test.
    static void InstallDefault();

private:
    static void ModalLoopHook(CWnd* pModal);
    static UINT PopupMenuHook(CMenu* pMenu, UINT nFlags, int x, int y, CWnd* pWnd);

    std::deque<DialogScript> m_dialogs;
    std::deque<MenuScript> m_menus;
    ModalScript* m_outer;
    AFX_MODALLOOP_HOOK m_pfnOuterModalHook;
    AFX_POPUPMENU_HOOK m_pfnOuterMenuHook;
};
