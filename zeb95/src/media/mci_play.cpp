#include "media/mci_play.h"

#include <algorithm>

#include "media/mci_command.h"
#include "media/mci_device.h"

namespace {

const DWORD kStartTimeoutMs = 5000;

WORD DeviceIdOf(HWND hDevice)
{
    const ZebMciRecord* pRec = MciRecordOf(hDevice);
    return pRec != nullptr ? pRec->wDeviceId : 0;
}

void DispatchPending()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// Playback has begun, or a short range has already ended past its start.
bool HasBegun(WORD wId, LONG nFrom)
{
    const DWORD_PTR dwMode = MciStatusOrZero(wId, MCI_STATUS_MODE);
    const DWORD_PTR dwPos = MciStatusOrZero(wId, MCI_STATUS_POSITION);
    if (dwMode == MCI_MODE_PLAY)
        return dwPos != 0;
    return dwMode == MCI_MODE_STOP && dwPos > static_cast<DWORD_PTR>(nFrom);
}

}  // namespace

BOOL MciPlayAndWait(WORD wDeviceId, LONG nFrom, LONG nTo)
{
    if (MciStatusOrZero(wDeviceId, MCI_STATUS_MODE) == MCI_MODE_PLAY)
        MciSend(wDeviceId, MCI_PAUSE, MCI_WAIT);
    const LONG nLength = static_cast<LONG>(MciStatusOrZero(wDeviceId, MCI_STATUS_LENGTH));
    MCI_PLAY_PARMS parms = {};
    parms.dwFrom = static_cast<DWORD>(std::max<LONG>(nFrom, 0));
    parms.dwTo = static_cast<DWORD>(nTo >= 0 ? std::min(nTo, nLength) : nLength);
    if (::mciSendCommandA(wDeviceId, MCI_PLAY, MCI_FROM | MCI_TO, reinterpret_cast<DWORD_PTR>(&parms)) != 0)
        return FALSE;
    const DWORD dwStart = ::GetTickCount();
    while (::GetTickCount() - dwStart < kStartTimeoutMs) {
        if (HasBegun(wDeviceId, static_cast<LONG>(parms.dwFrom)))
            return TRUE;
        DispatchPending();
        ::Sleep(1);
    }
    MciStop(wDeviceId);
    return FALSE;
}

BOOL MciPlayRange(HWND hDevice, LONG nFrom, LONG nTo)
{
    ZebMciRecord* pRec = MciRecordOf(hDevice);
    if (pRec == nullptr || pRec->wDeviceId == 0)
        return FALSE;
    if (pRec->hVideo != nullptr)
        ::SetFocus(pRec->hPlaying);
    if (!MciPlayAndWait(pRec->wDeviceId, nFrom, nTo))
        return FALSE;
    // The record may have gone with a window destroyed while waiting.
    pRec = MciRecordOf(hDevice);
    if (pRec != nullptr) {
        pRec->nFrom = nFrom;
        pRec->nTo = nTo;
    }
    return TRUE;
}

BOOL MciStopMedia(HWND hDevice)
{
    const WORD wId = DeviceIdOf(hDevice);
    if (wId == 0 || !MciStop(wId))
        return FALSE;
    MciSeekTo(wId, 0);
    if (!MciSend(wId, MCI_PAUSE, MCI_WAIT))
        MciStop(wId);
    return TRUE;
}

BOOL MciPauseMedia(HWND hDevice)
{
    const WORD wId = DeviceIdOf(hDevice);
    if (wId == 0)
        return FALSE;
    return MciSend(wId, MCI_PAUSE, MCI_WAIT) || MciStop(wId) ? TRUE : FALSE;
}

BOOL MciResumeMedia(HWND hDevice)
{
    const ZebMciRecord* pRec = MciRecordOf(hDevice);
    if (pRec == nullptr || pRec->wDeviceId == 0)
        return FALSE;
    if (MciSend(pRec->wDeviceId, MCI_RESUME, 0))
        return TRUE;
    const LONG nPos = MciGetPosition(hDevice);
    return nPos >= 1 ? MciPlayRange(hDevice, nPos, pRec->nTo) : FALSE;
}

LONG MciGetPosition(HWND hDevice)
{
    const WORD wId = DeviceIdOf(hDevice);
    return wId != 0 ? static_cast<LONG>(MciStatusOrZero(wId, MCI_STATUS_POSITION)) : -1;
}

LONG MciGetLength(HWND hDevice)
{
    const ZebMciRecord* pRec = MciRecordOf(hDevice);
    return pRec != nullptr && pRec->wDeviceId != 0 ? static_cast<LONG>(pRec->dwLength) : 0;
}

DWORD MciGetMode(HWND hDevice)
{
    const WORD wId = DeviceIdOf(hDevice);
    return wId != 0 ? static_cast<DWORD>(MciStatusOrZero(wId, MCI_STATUS_MODE)) : 0;
}
