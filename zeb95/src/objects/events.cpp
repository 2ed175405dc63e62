#include "objects/events.h"

#include "objects/obj_children.h"
#include "objects/obj_record.h"
#include "zeb95.h"

namespace {

bool IsAppChildRequest(int nCode)
{
    return nCode == 90 || nCode == 99 || nCode == 691 || nCode == 692 || nCode == 693 || nCode == 694 ||
           nCode == 699;
}

bool IsChildChanged(int nCode)
{
    return nCode == 101 || nCode == 201 || nCode == 301 || nCode == 401 || nCode == 501;
}

ZebEventRoute WhiteBoardRoute(int nNumber)
{
    switch (nNumber) {
    case ZebEventChanged: return ZebEventRoute::SendUp;
    case ZebEventSetFocus:
    case ZebEventKillFocus: return ZebEventRoute::PostToSelf;
    case ZebEventOverflow: return ZebEventRoute::Never;
    default: return ZebEventRoute::SendToSelf;
    }
}

ZebEventRoute DocRoute(int nNumber)
{
    switch (nNumber) {
    case ZebEventChanged:
    case ZebEventSetFocus:
    case ZebEventKillFocus:
    case ZebEventOverflow: return ZebEventRoute::PostUp;
    case ZebEventKeyDown:
    case ZebEventChar: return ZebEventRoute::SendUp;
    default: return ZebEventRoute::SendToSelf;
    }
}

// Pictures, sounds and movies: changed, and the mouse events.
ZebEventRoute MediaRoute(int nNumber)
{
    switch (nNumber) {
    case ZebEventChanged: return ZebEventRoute::PostUp;
    case ZebEventClick:
    case ZebEventDblClick:
    case ZebEventButtonDown:
    case ZebEventMouseMove:
    case ZebEventButtonUp: return ZebEventRoute::SendToSelf;
    default: return ZebEventRoute::Never;
    }
}

// The index in the event's wParam: a whiteboard's control id, a child's
// index in its whiteboard.
LONG EventIndex(HWND hwnd, WORD wKind)
{
    return wKind == ZebKindWhiteBoard ? static_cast<LONG>(::GetDlgCtrlID(hwnd)) : GetObjIndex(hwnd);
}

}  // namespace

int ZebEventBase(WORD wKind)
{
    switch (wKind) {
    case ZebKindWhiteBoard: return 0;
    case ZebKindDoc: return 100;
    case ZebKindPicture: return 200;
    case ZebKindSound: return 300;
    case ZebKindMovie: return 400;
    case ZebKindLine: return 500;
    default: return -1;
    }
}

ZebEventRoute GetEventRoute(WORD wKind, int nNumber)
{
    if (nNumber < ZebEventChanged || nNumber > ZebEventOverflow)
        return ZebEventRoute::Never;
    switch (wKind) {
    case ZebKindWhiteBoard: return WhiteBoardRoute(nNumber);
    case ZebKindDoc: return DocRoute(nNumber);
    case ZebKindPicture:
    case ZebKindSound:
    case ZebKindMovie: return MediaRoute(nNumber);
    case ZebKindLine: return nNumber == ZebEventChanged ? ZebEventRoute::PostUp : ZebEventRoute::Never;
    default: return ZebEventRoute::Never;
    }
}

WPARAM MakeZebCmdWParam(int nCode, LONG nIndex)
{
    return (static_cast<WPARAM>(nCode) << 16) | (static_cast<DWORD>(nIndex) & 0xFFFF);
}

HWND ZebEventTarget(HWND hwnd)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return nullptr;
    if (pRecord->OwnerWhiteBoard() != nullptr || pRecord->Kind() == ZebKindMovie)
        return pRecord->OwnerWhiteBoard();
    return ::GetParent(hwnd);
}

LRESULT NotifyObjEvent(HWND hwnd, int nNumber, DWORD dwInputWParam, DWORD dwInputLParam)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr)
        return 0;
    const ZebEventRoute route = GetEventRoute(pRecord->Kind(), nNumber);
    if (route == ZebEventRoute::Never)
        return 0;
    pRecord->SetInput(dwInputWParam, dwInputLParam);
    const WPARAM wParam =
        MakeZebCmdWParam(ZebEventBase(pRecord->Kind()) + nNumber, EventIndex(hwnd, pRecord->Kind()));
    const LPARAM lParam = reinterpret_cast<LPARAM>(hwnd);
    const bool bUp = route == ZebEventRoute::SendUp || route == ZebEventRoute::PostUp;
    HWND hTarget = bUp ? ZebEventTarget(hwnd) : hwnd;
    if (hTarget == nullptr)
        return 0;
    if (route == ZebEventRoute::PostToSelf || route == ZebEventRoute::PostUp) {
        ::PostMessageA(hTarget, MsgZebCmd, wParam, lParam);
        return 0;
    }
    return ::SendMessageA(hTarget, MsgZebCmd, wParam, lParam);
}

LRESULT PassZebCmdUp(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    ZebObjRecord* pRecord = GetObjRecord(hwnd);
    if (pRecord == nullptr || pRecord->Kind() == ZebKindLine)
        return 0;
    HWND hTarget = ZebEventTarget(hwnd);
    return hTarget != nullptr ? ::SendMessageA(hTarget, MsgZebCmd, wParam, lParam) : 0;
}

LRESULT WbPassZebCmd(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    const int nCode = static_cast<int>(HIWORD(wParam));
    if (IsAppChildRequest(nCode))
        return 0;
    HWND hParent = ::GetParent(hwnd);
    if (hParent == nullptr)
        return 0;
    const LRESULT lReply = ::SendMessageA(hParent, MsgZebCmd, wParam, lParam);
    if (lReply != 0 || !IsChildChanged(nCode))
        return lReply;
    return ::SendMessageA(hParent, MsgZebCmd, MakeZebCmdWParam(ZebEventChanged, ::GetDlgCtrlID(hwnd)),
                          reinterpret_cast<LPARAM>(hwnd));
}
