// Playing, stopping, pausing and querying the open device of a device
// window (milliseconds), and the current frame of a movie.
#pragma once
#include <windows.h>

// Focuses the playing window when there is a video, then plays the range
// and waits for it to begin; the range is kept. 1 or 0.
BOOL MciPlayRange(HWND hDevice, LONG nFrom, LONG nTo);
// Plays from..to (a negative end: to the end) without waiting for the end,
// dispatching the thread's messages until the device has begun (or has
// already played past the start), at most 5000 ms; then stopped and 0.
BOOL MciPlayAndWait(WORD wDeviceId, LONG nFrom, LONG nTo);
// Stopped, rewound to 0 and paused. 1 or 0.
BOOL MciStopMedia(HWND hDevice);
// Paused (else stopped). 1 or 0.
BOOL MciPauseMedia(HWND hDevice);
// Resumed, or played again from the current position to the kept end.
BOOL MciResumeMedia(HWND hDevice);
// The position; 0 when the query fails; -1 without device.
LONG MciGetPosition(HWND hDevice);
// The length kept at open; 0 without device.
LONG MciGetLength(HWND hDevice);
// The MCI mode (MCI_MODE_...); 0 without device or when the query fails.
DWORD MciGetMode(HWND hDevice);
// A copy of the current frame as a packed DIB in a movable block (the
// caller's), or null.
HGLOBAL MciGetCurrentFrame(HWND hDevice);
