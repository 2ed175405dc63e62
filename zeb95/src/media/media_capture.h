// The look of movies and sounds off screen: a movie's current frame, a
// sound's face, drawn into a whiteboard's capture and as bitmaps.
#pragma once
#include <windows.h>

// The movie's look as a screen-compatible bitmap of its playing window's
// client size: black (a popup in use) or its back colour, with the current
// frame (stretched or fitted and centred) while a device is open, and the
// frame's palette (null without frame). 1; 0 without record.
BOOL MovieGetFrameBitmap(HWND hMovie, HBITMAP* phBitmap, HPALETTE* phPalette);
// The sound's face: its client size in its back colour.
HBITMAP SoundGetBitmap(HWND hSound);
// Either look; 0 for any other window.
BOOL GetMediaLook(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette);
// The video's natural size at (0, 0): 1, or 0 without device or record.
BOOL MovieGetOrgRect(HWND hMovie, RECT* pRect);
// A frame fw x fh fitted into W x H (integer arithmetic): its size.
SIZE FitFrameSize(LONG fw, LONG fh, LONG W, LONG H);
// The whiteboard's painter of sounds and movies: the look stretched onto
// the client rectangle (through the movie's palette, or hpal), the border.
int DrawMediaChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal);
