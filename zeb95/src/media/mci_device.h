// The device window ("MCI95WCLASS") that owns one open MCI device of a movie
// or sound: opening a file on it, placing and fitting the video, closing.
// Positions and lengths are milliseconds.
#pragma once
#include <windows.h>

struct ZebMciRecord
{
    char szPath[MAX_PATH];  // the file opened; empty before an open
    DWORD dwLength;         // ms, read at open
    LONG nFrom;             // the last range played
    LONG nTo;
    HWND hDevice;           // the device window itself
    HWND hPlaying;          // where the video shows: the object or the device window
    WNDPROC pfnSaved;       // the playing window's procedure before subclassing
    RECT rcPlaying;         // screen rectangle of the playing window after open
    HWND hVideo;            // MCI's video window; 0 for sound
    WORD wDeviceId;         // 0: no device open
    RECT rcNatural;         // screen rectangle of the video window as MCI made it
    DWORD dwVideoStyle;
    WORD wStretch;          // 1: the video fills the playing window
    HWND hObject;           // the movie or sound that made the device window
};

enum ZebMediaKind
{
    ZebMediaVideo = 1,
    ZebMediaWave = 2,
    ZebMediaOtherSound = 3,
};

// The record of a device window, or null for any other window.
ZebMciRecord* MciRecordOf(HWND hDevice);

// A hidden device window owned by the object, at the given place (null:
// 320 x 240 of video with its frame, centred on the screen), kept on the
// screen. Null while *pnInUse is set (busy) or when it cannot be made; on
// success *pnInUse is 1 until the window is destroyed.
HWND CreateMciWindow(HWND hObject, const POINT* pPos, const SIZE* pSize, LONG* pnInUse);
LRESULT CALLBACK MciWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Opens the file on the device and places the video in the playing window
// (fitted unless bStretch; the device window sized to the video when
// bFitPopup); the caption (or null) titles the device window. 1 or 0.
BOOL MciOpenMedia(HWND hDevice, DWORD dwVideoStyle, int nMediaKind, const char* pszPath, const char* pszCaption,
                  bool bFitPopup, bool bStretch);
// Stops, rewinds and closes the device; the playing window gets its own
// procedure back. 0 when no device is open.
BOOL MciCloseMedia(HWND hDevice);

// The largest rectangle of the video's aspect ratio (natural rectangle less
// the frame allowance when bFrame) centred in the client rectangle *pRect;
// unchanged when a size is not positive.
void FitVideoRect(RECT* pRect, LONG nLeft, LONG nTop, LONG nRight, LONG nBottom, bool bFrame);
