// MsgZebCmd events: codes by kind, which are sent and which posted, and
// the passing of a notification up to the whiteboard or parent.
#pragma once
#include <windows.h>

enum ZebEventNumber
{
    ZebEventChanged = 1,
    ZebEventClick = 2,
    ZebEventDblClick = 3,
    ZebEventSetFocus = 4,
    ZebEventKeyDown = 5,
    ZebEventChar = 6,
    ZebEventKeyUp = 7,
    ZebEventKillFocus = 8,
    ZebEventButtonDown = 9,
    ZebEventMouseMove = 10,
    ZebEventButtonUp = 11,
    ZebEventOverflow = 12,  // text document only
};

// Where an event of a kind goes and how; Never for events the kind lacks.
enum class ZebEventRoute
{
    Never,
    SendToSelf,
    PostToSelf,
    SendUp,  // to the owner whiteboard, else the parent
    PostUp,
};

// Event code base of a kind (whiteboard 0, text document 100, picture 200,
// sound 300, movie 400, line 500), or -1.
int ZebEventBase(WORD wKind);
ZebEventRoute GetEventRoute(WORD wKind, int nNumber);
// wParam of MsgZebCmd: code << 16 | the low 16 bits of the index.
WPARAM MakeZebCmdWParam(int nCode, LONG nIndex);
// The window that events of hwnd go up to: the owner whiteboard, else the
// parent (a movie: the owner whiteboard only).
HWND ZebEventTarget(HWND hwnd);

// Notifies an input event of the object: keeps the input's two values in
// record words 1 and 2, then sends or posts MsgZebCmd as the kind's table
// says. The reply of a sent event; 0 otherwise.
LRESULT NotifyObjEvent(HWND hwnd, int nNumber, DWORD dwInputWParam, DWORD dwInputLParam);
// A child object's answer to MsgZebCmd: passed on unchanged up (a line
// keeps it), with the reply.
LRESULT PassZebCmdUp(HWND hwnd, WPARAM wParam, LPARAM lParam);
// The whiteboard's answer: requests about application-defined children are
// answered with 0; the rest goes to the parent, and an unanswered "changed"
// of a child becomes the whiteboard's own event 1.
LRESULT WbPassZebCmd(HWND hwnd, WPARAM wParam, LPARAM lParam);
