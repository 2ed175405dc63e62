#include "media/media_device.h"

#include "media/mci_device.h"
#include "media/mci_play.h"
#include "media/media_record.h"

#include <mmsystem.h>

namespace {

// The device window of the object, made and entered into its record.
HWND MakeDevice(HWND hObject, ZebObjRecord& head)
{
    HWND hDevice = CreateMciWindow(hObject, nullptr, nullptr, MediaInUseFlag(head.Kind()));
    SetMediaDevice(head, hDevice);
    return hDevice;
}

// The file name of a path for the popup's title: after the last backslash
// that lies at least 5 characters before the end (code page 932
// characters); the whole path when there is none. Null for shorter paths.
const char* CaptionOf(const char* pszPath)
{
    const int cch = ::lstrlenA(pszPath);
    if (cch < 5)
        return nullptr;
    const char* pszName = pszPath;
    for (const char* p = pszPath; *p != '\0' && p - pszPath <= cch - 5; p = ::CharNextExA(932, p, 0)) {
        if (*p == '\\')
            pszName = p + 1;
    }
    return pszName;
}

// Where a movie shows: its own window (mode 0), else the device window at
// the remembered rectangle (mode 1) or sized to the video.
bool PlaceMoviePopup(ZebMovieRecord& rec, HWND hMovie, HWND hDevice)
{
    ZebMciRecord* pMci = MciRecordOf(hDevice);
    if (rec.PopupMode() == 0) {
        pMci->hPlaying = hMovie;
        return false;
    }
    pMci->hPlaying = hDevice;
    const RECT rc = rec.PopupRect();
    if (rec.PopupMode() != 1 || rc.left < 0 || rc.top < 0 || rc.right < 1 || rc.bottom < 1)
        return true;
    ::SetWindowPos(hDevice, nullptr, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    return false;
}

void MarkOpened(ZebMediaPart& media)
{
    media.nState = 1;
    media.nPosition = 0;
}

LONG StateOfMode(DWORD dwMode)
{
    switch (dwMode) {
    case MCI_MODE_NOT_READY: return 0;
    case MCI_MODE_STOP: return 1;
    case MCI_MODE_PLAY: return 2;
    case MCI_MODE_SEEK: return 4;
    case MCI_MODE_PAUSE: return 5;
    case MCI_MODE_OPEN: return 6;
    default: return -1;
    }
}

// The sound kind of a file by its last three characters, or -1.
LONG SoundKindOf(const char* pszPath)
{
    const int cch = ::lstrlenA(pszPath);
    if (cch < 5)
        return -1;
    const char* pszExt = pszPath + cch - 3;
    if (::lstrcmpiA(pszExt, "WAV") == 0)
        return 0;
    if (::lstrcmpiA(pszExt, "MID") == 0)
        return 1;
    if (::lstrcmpiA(pszExt, "RMI") == 0)
        return 2;
    return -1;
}

}  // namespace

BOOL MovieOpenMedia(HWND hMovie)
{
    ZebMovieRecord* pRec = ZebMovieRecord::Of(hMovie);
    if (pRec == nullptr)
        return FALSE;
    HWND hDevice = MakeDevice(hMovie, pRec->Head());
    if (hDevice == nullptr)
        return FALSE;
    const char* pszOpened = pRec->Media().szOpened;
    const bool bFit = PlaceMoviePopup(*pRec, hMovie, hDevice);
    const char* pszCaption = pRec->PopupMode() != 0 ? CaptionOf(pszOpened) : nullptr;
    if (pszOpened[0] == '\0' ||
        !MciOpenMedia(hDevice, WS_CHILD, ZebMediaVideo, pszOpened, pszCaption, bFit, pRec->Stretch() != 0))
        return FALSE;
    MarkOpened(pRec->Media());
    return TRUE;
}

BOOL SoundOpenMedia(HWND hSound)
{
    ZebSoundRecord* pRec = ZebSoundRecord::Of(hSound);
    if (pRec == nullptr)
        return FALSE;
    HWND hDevice = MakeDevice(hSound, pRec->Head());
    if (hDevice == nullptr)
        return FALSE;
    const char* pszOpened = pRec->Media().szOpened;
    const LONG nKind = SoundKindOf(pszOpened);
    if (nKind < 0)
        return FALSE;
    pRec->SetSoundKind(nKind);
    if (!MciOpenMedia(hDevice, 0, nKind == 0 ? ZebMediaWave : ZebMediaOtherSound, pszOpened, nullptr, false, false))
        return FALSE;
    MarkOpened(pRec->Media());
    return TRUE;
}

bool MediaKindBusy(WORD wKind) { return *MediaInUseFlag(wKind) != 0; }

void OpenMediaAfterRead(HWND hObject)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    ZebMediaPart* pMedia = MediaPartOf(pRecord);
    if (pMedia == nullptr || MediaKindBusy(pRecord->Kind()) || pMedia->szOpened[0] == '\0')
        return;
    const BOOL bOpened = pRecord->Kind() == ZebKindMovie ? MovieOpenMedia(hObject) : SoundOpenMedia(hObject);
    if (!bOpened)
        CloseMediaDevice(hObject);
}

void CloseMediaDevice(HWND hObject, bool bRemember)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    ZebMediaPart* pMedia = MediaPartOf(pRecord);
    if (pMedia == nullptr)
        return;
    HWND hDevice = MediaDevice(*pRecord);
    ZebMovieRecord* pMovie = ZebMovieRecord::From(pRecord);
    WINDOWPLACEMENT placement = {};
    placement.length = sizeof(placement);
    if (bRemember && pMovie != nullptr && ::GetWindowPlacement(hDevice, &placement))
        pMovie->SetPopupRect(placement.rcNormalPosition);
    SetMediaDevice(*pRecord, nullptr);
    pMedia->nState = 0;
    pMedia->nPosition = 0;
    if (hDevice != nullptr)
        ::DestroyWindow(hDevice);
}

LONG ReadPlaybackState(HWND hObject)
{
    ZebObjRecord* pRecord = GetObjRecord(hObject);
    ZebMediaPart* pMedia = MediaPartOf(pRecord);
    if (pMedia == nullptr)
        return -1;
    HWND hDevice = MediaDevice(*pRecord);
    pMedia->nState = hDevice != nullptr ? StateOfMode(MciGetMode(hDevice)) : 0;
    return pMedia->nState;
}

void DeleteMediaTemp(HWND hObject)
{
    ZebMediaPart* pMedia = MediaPartOf(hObject);
    if (pMedia == nullptr || pMedia->szTemp[0] == '\0')
        return;
    ::DeleteFileA(pMedia->szTemp);
    pMedia->szTemp[0] = '\0';
}
