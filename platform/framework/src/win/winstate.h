// Per-thread state of the window classes (private to the framework).
#pragma once
#include <unordered_map>
#include "afxwin.h"

struct AfxWinThreadState
{
    AfxWinThreadState() = default;
    // Deletes the temporaries; attached objects belong to their owners.
    ~AfxWinThreadState();
    AfxWinThreadState(const AfxWinThreadState&) = delete;
    AfxWinThreadState& operator=(const AfxWinThreadState&) = delete;

    // The window being created by CreateEx or a dialog function, and the
    // creation hook that attaches it.
    CWnd* pWndInit = nullptr;
    HHOOK hHookCbt = nullptr;

    // The message being handled, for CWnd::Default.
    MSG lastSentMsg = {};
    // The message pumped by AfxPumpMessage on a thread without a CWinThread.
    MSG msgCur = {};
    CWinThread* pCurrentThread = nullptr;

    // Handle maps: attached objects, and temporaries made by FromHandle.
    std::unordered_map<HWND, CWnd*> permanentMap;
    std::unordered_map<HWND, CWnd*> temporaryMap;
};

AfxWinThreadState& AfxGetWinThreadState();

// The message AfxPumpMessage took last on this thread.
MSG& AfxGetPumpedMessage();
// Whether the message restarts idle processing, as the thread judges it.
BOOL AfxIsIdleMessage(MSG* pMsg);
// Calls the modal loop hook (AfxSetModalLoopHook), if any, for a modal
// window whose loop is not CWnd::RunModalLoop (the common dialogs).
void AfxRunModalLoopHook(CWnd* pModalWnd);

// Calls a handler stored as AFX_PMSG through its own type.
template <class F>
inline F AfxHandlerAs(AFX_PMSG pfn)
{
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wcast-function-type"
    return reinterpret_cast<F>(pfn);
#pragma GCC diagnostic pop
}
