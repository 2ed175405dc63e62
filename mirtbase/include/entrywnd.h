// What every entry window of a field shares: the dispatch of the window
// commands a field hands it, the input lock of command 3, and the Tab move
// to the next or previous field.
#pragma once
#include <afxwin.h>
#include "mirtapi.h"
#include "windowcommand.h"

class CDataExchange;
class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CWindowCommandTarget
{
public:
    // Bits of the window class's style word that commands 3 and 4 switch.
    enum : DWORD
    {
        CLASS_BIT_LOCK = 0x08000000,    // set by command 3 with save flag FALSE
        CLASS_BIT_STYLE = 0x10000000    // set by command 4 with save flag TRUE
    };

    explicit CWindowCommandTarget(CWnd* pWnd);
    virtual ~CWindowCommandTarget();

    // Runs the command that pDX carries in its direction; 0 for an exchange
    // without one, else what the command answers (the message box's answer
    // for an unsupported one).
    int DispatchCommand(CDataExchange* pDX);

    // Command 3 with save flag FALSE locks the window's input until one
    // with TRUE; the input handlers then drop what would change the value.
    BOOL IsInputLocked() const { return m_bInputLocked; }

protected:
    // The commands; each does nothing unless a window class overrides it.
    virtual void OnDataCommand(BOOL bSave);
    virtual void OnListCommand(BOOL bSave);
    virtual void OnResetCommand();
    // Class bit A, and the window's own input lock.
    virtual void OnLockCommand(BOOL bSave);
    // Class bit B.
    virtual void OnStyleCommand(BOOL bSave);
    // Commands 5 (cut) to 10 (select all).
    virtual void OnEditCommand(UINT nCommand);
    // "このウィンドウコマンドはサポートされていません。"; its answer.
    virtual int OnUnknownCommand(UINT nCommand);

    // Sets or clears dwBit of the window class's style word when the window
    // exists.
    void SetClassStyleBit(DWORD dwBit, BOOL bOn);
    // Commands 5 to 7 as WM_CUT, WM_COPY and WM_PASTE to the window; the
    // others nothing.
    void SendClipboardMessage(UINT nCommand);

    CWnd* m_pCommandWnd;    // the window itself
    BOOL m_bInputLocked;
};

// The Tab key of an entry window: MsgUserMove (pField; 1, or 0 while Shift
// is down) posted to hTarget. FALSE, nothing posted, without a target: the
// key then gets its default handling.
MIRT_API BOOL MirtPostUserMove(HWND hTarget, CNPropObj* pField);

// The answer to MsgQueryClipBoard: bPossible into the int that wParam
// points to (when it is given); the message's result, 0.
MIRT_API LRESULT MirtAnswerClipboardQuery(WPARAM wParam, BOOL bPossible);

#pragma pack(pop)
