// The exchange between a field and its entry window. A field hands the
// window a WindowCommand {1, command, 0, 0} through the framework's data
// exchange: the exchange's dialog object is a CWindowCommandDlg carrying the
// command, its save flag the direction (TRUE: window to field, FALSE: field
// to window). What a command does is the window's.
#pragma once
#include <afxwin.h>
#include "mirtapi.h"

#pragma pack(push, 4)

struct WindowCommand
{
    DWORD dwOne;        // always 1
    DWORD nCommand;     // WCMD_
    DWORD dwReserved1;
    DWORD dwReserved2;
};

enum
{
    WCMD_DATA = 0,      // the field's data string
    WCMD_LIST = 1,      // the item list or caption
    WCMD_RESET = 2,     // clear; the direction is ignored
    WCMD_LOCK = 3,      // input lock: FALSE locks, TRUE unlocks
    WCMD_STYLE = 4,     // second style switch: TRUE sets, FALSE clears
    WCMD_CUT = 5,
    WCMD_COPY = 6,
    WCMD_PASTE = 7,
    WCMD_UNDO = 8,
    WCMD_DELETE = 9,
    WCMD_SELECTALL = 10,
    WCMD_LAST = WCMD_SELECTALL
};

// The temporary dialog object of an exchange; it has no window.
class MIRT_API CWindowCommandDlg : public CWnd
{
    DECLARE_DYNAMIC(CWindowCommandDlg)
public:
    explicit CWindowCommandDlg(DWORD nCommand);

    const WindowCommand& GetCommand() const { return m_command; }

    // Hands the command to pTarget's DoDataExchange; FALSE (nothing done)
    // when pTarget has no window.
    static BOOL Send(CWnd* pTarget, DWORD nCommand, BOOL bSaveAndValidate);
    // The command an exchange carries, or null for any other exchange.
    static const WindowCommand* FromExchange(const CDataExchange* pDX);

private:
    WindowCommand m_command;
};

#pragma pack(pop)
