#include <windows.h>

#include <vfw.h>

#include <algorithm>
#include <cstring>

#include "dib/dib_handle.h"
#include "media/mci_command.h"
#include "media/mci_device.h"
#include "media/mci_play.h"

namespace {

// A movable copy of the packed DIB (header, colour table, bits).
HGLOBAL CopyPackedDib(const BITMAPINFOHEADER* pHeader)
{
    DibGeometry g;
    if (pHeader == nullptr || !GetDibGeometry(pHeader, &g))
        return nullptr;
    const SIZE_T cb = DibSlotOffset(g);
    HGLOBAL hCopy = ::GlobalAlloc(GMEM_MOVEABLE, cb);
    return FillDibOrFree(hCopy, [&](BYTE* pBytes) {
        std::memcpy(pBytes, pHeader, cb);
        return true;
    });
}

// Frame nFrame of the first video stream of the AVI file.
HGLOBAL ReadAviFrame(const char* pszPath, LONG nFrame)
{
    HGLOBAL hCopy = nullptr;
    ::AVIFileInit();
    PAVIFILE pFile = nullptr;
    if (::AVIFileOpenA(&pFile, pszPath, OF_READ | OF_SHARE_DENY_NONE, nullptr) == 0) {
        PAVISTREAM pStream = nullptr;
        if (::AVIFileGetStream(pFile, &pStream, streamtypeVIDEO, 0) == 0) {
            PGETFRAME pFrames = ::AVIStreamGetFrameOpen(pStream, nullptr);
            if (pFrames != nullptr) {
                hCopy = CopyPackedDib(static_cast<const BITMAPINFOHEADER*>(::AVIStreamGetFrame(pFrames, nFrame)));
                ::AVIStreamGetFrameClose(pFrames);
            }
            ::AVIStreamRelease(pStream);
        }
        ::AVIFileRelease(pFile);
    }
    ::AVIFileExit();
    return hCopy;
}

}  // namespace

HGLOBAL MciGetCurrentFrame(HWND hDevice)
{
    const ZebMciRecord* pRec = MciRecordOf(hDevice);
    if (pRec == nullptr || pRec->wDeviceId == 0)
        return nullptr;
    const WORD wId = pRec->wDeviceId;
    if (!MciSetTimeFormat(wId, MCI_FORMAT_FRAMES))
        return nullptr;
    const LONG nPos = static_cast<LONG>(MciStatusOrZero(wId, MCI_STATUS_POSITION));
    const LONG nLength = static_cast<LONG>(MciStatusOrZero(wId, MCI_STATUS_LENGTH));
    const LONG nFrame = nPos >= nLength ? std::max<LONG>(nPos - 1, 0) : std::max<LONG>(nPos, 0);
    HGLOBAL hFrame = ReadAviFrame(pRec->szPath, nFrame);
    MciSetTimeFormat(wId, MCI_FORMAT_MILLISECONDS);
    return hFrame;
}
