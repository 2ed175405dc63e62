// A movie's or sound's device: opening its media on a new device window,
// and closing it again.
#pragma once
#include <windows.h>

// Opens the movie's (sound's) opened path on a new device window: state 1,
// position 0. 0 when the kind's device is busy, there is no file, or MCI
// refuses it; the device window then stays for the caller to remove.
BOOL MovieOpenMedia(HWND hMovie);
BOOL SoundOpenMedia(HWND hSound);
// After a successful read: opens the media when the kind's device is free
// and there is a file; a failed open removes the device window again.
void OpenMediaAfterRead(HWND hObject);
// The kind's device is in use (by any object).
bool MediaKindBusy(WORD wKind);
// Destroys the object's device window (its in-use flag returns to 0); state
// and position 0. A movie remembers the window's normal rectangle for its
// next popup when bRemember.
void CloseMediaDevice(HWND hObject, bool bRemember = false);
// The playback state as the device reports it now, also stored: 0 closed
// or not ready (0 without device window), 1 stopped, 2 playing, 4 seeking,
// 5 paused, 6 open, -1 anything else; -1 for a window that is no movie or
// sound.
LONG ReadPlaybackState(HWND hObject);
// Deletes the object's temporary media file and clears its path.
void DeleteMediaTemp(HWND hObject);
