#include "media/mci_device.h"
#include "media/mci_play.h"
#include "media/media_device.h"
#include "media/media_record.h"
#include "whiteboard/wb_children.h"
#include "zeb95.h"

namespace {

// A movie or sound with a device window: its record and the window.
bool MediaWithDevice(HWND hObject, ZebObjRecord** ppRecord, HWND* phDevice)
{
    *ppRecord = GetObjRecord(hObject);
    *phDevice = MediaPartOf(*ppRecord) != nullptr ? MediaDevice(**ppRecord) : nullptr;
    return *phDevice != nullptr;
}

// The new state stored (the object may have gone while messages were
// dispatched); the previous state is the result.
LONG Moved(HWND hObject, LONG nPrevious, LONG nState)
{
    ZebMediaPart* pMedia = MediaPartOf(hObject);
    if (pMedia != nullptr)
        pMedia->nState = nState;
    return nPrevious;
}

LONG Play(HWND hObject, HWND hDevice, LONG nPrevious, LONG nFrom, LONG nTo)
{
    if (nPrevious == 2)
        MciPauseMedia(hDevice);
    if (nTo != -1 && static_cast<DWORD>(nFrom) > static_cast<DWORD>(nTo))
        return -1;
    return MciPlayRange(hDevice, nFrom, nTo) ? Moved(hObject, nPrevious, 2) : -1;
}

LONG RunCommand(HWND hObject, HWND hDevice, LONG s, LONG nCommand, LONG nFrom, LONG nTo)
{
    switch (nCommand) {
    case 0:
        MciCloseMedia(hDevice);
        CloseMediaDevice(hObject, true);
        return s;
    case 1:
    case 6:
        if (s == 1)
            return 1;
        return MciStopMedia(hDevice) ? Moved(hObject, s, 1) : -1;
    case 2: return Play(hObject, hDevice, s, nFrom, nTo);
    case 4: return s == 2 ? Play(hObject, hDevice, s, nFrom, nTo) : -1;
    case 5: return s == 2 && MciPauseMedia(hDevice) ? Moved(hObject, s, 5) : -1;
    case 7: return s == 5 && MciResumeMedia(hDevice) ? Moved(hObject, s, 2) : -1;
    default: return -1;
    }
}

HWND MovieAt(HWND hWhiteBoard, LONG nIndex) { return WbChildAt(hWhiteBoard, ZebKindMovie, nIndex); }

}  // namespace

LONG WINAPI zebGetPlaybackMode(HWND hObject) { return ReadPlaybackState(hObject); }

LONG WINAPI zebSetPlaybackMode(HWND hObject, LONG nCommand, LONG nFrom, LONG nTo)
{
    ZebObjRecord* pRecord = nullptr;
    HWND hDevice = nullptr;
    if (!MediaWithDevice(hObject, &pRecord, &hDevice))
        return -1;
    const LONG nState = MediaPartOf(pRecord)->nState;
    if (nState == 0 || nState == -1)
        return nState;
    return RunCommand(hObject, hDevice, nState, nCommand, nFrom, nTo);
}

LONG WINAPI zebGetPlaybackPos(HWND hObject)
{
    ZebObjRecord* pRecord = nullptr;
    HWND hDevice = nullptr;
    if (!MediaWithDevice(hObject, &pRecord, &hDevice))
        return 0;
    const LONG nPos = MciGetPosition(hDevice);
    if (nPos >= 0)
        MediaPartOf(pRecord)->nPosition = nPos;
    return nPos;
}

LONG WINAPI zebGetPlaybackSize(HWND hObject)
{
    ZebObjRecord* pRecord = nullptr;
    HWND hDevice = nullptr;
    return MediaWithDevice(hObject, &pRecord, &hDevice) ? MciGetLength(hDevice) : 0;
}

LONG WINAPI zebGetPopUpMode(HWND hMovie)
{
    const ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    return pRec != nullptr ? pRec->PopupMode() : -1;
}

LONG WINAPI zebSetPopUpMode(HWND hMovie, LONG nMode)
{
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    if (pRec == nullptr || nMode < 0 || nMode > 2)
        return -1;
    const LONG nPrevious = pRec->PopupMode();
    pRec->SetPopupMode(nMode);
    return nPrevious;
}

LONG WINAPI zebGetMoviePopUpMode(HWND hWhiteBoard, LONG nIndex)
{
    return zebGetPopUpMode(MovieAt(hWhiteBoard, nIndex));
}

LONG WINAPI zebSetMoviePopUpMode(HWND hWhiteBoard, LONG nIndex, LONG nMode)
{
    return zebSetPopUpMode(MovieAt(hWhiteBoard, nIndex), nMode);
}

LONG WINAPI zebGetObjPlaybackMode(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    return hChild != nullptr ? zebGetPlaybackMode(hChild) : -1;
}

LONG WINAPI zebSetObjPlaybackMode(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nCommand, LONG nFrom, LONG nTo)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    return hChild != nullptr ? zebSetPlaybackMode(hChild, nCommand, nFrom, nTo) : -1;
}

LONG WINAPI zebGetObjPlaybackPos(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    return hChild != nullptr ? zebGetPlaybackPos(hChild) : 0;
}

LONG WINAPI zebGetObjPlaybackSize(HWND hWhiteBoard, LONG nKind, LONG nIndex)
{
    HWND hChild = WbChildAt(hWhiteBoard, nKind, nIndex);
    return hChild != nullptr ? zebGetPlaybackSize(hChild) : 0;
}
