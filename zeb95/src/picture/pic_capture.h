// A picture object's look taken off screen: drawn into a whiteboard's
// capture, and as a bitmap of its own.
#pragma once
#include <windows.h>

// The picture branch of drawing a whiteboard's child into a device context
// (whiteboard client coordinates): its background unless transparent, its
// DIB placed by its modes (through a copy dithered onto hpal when a palette
// is given), its border. 1 drawn, 0 not.
int DrawPicChildToDC(HWND hwndWb, HWND hwndChild, HDC hdc, const RECT& rcClip, HPALETTE hpal);
// The look of an object as a screen-compatible bitmap: a picture's client
// area with its scroll bars' room, its back colour and its picture from the
// scrolled position; palette out (when given) 0. 1, or 0 for any other
// kind (lines included) or without record.
LONG GetPictureOfObject(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette);
