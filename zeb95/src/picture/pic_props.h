// Properties of a picture object that more than one function sets.
#pragma once
#include <windows.h>

class ZebPicRecord;

// Stores the stretch flag, brings the scroll bars up to date and redraws
// the object.
void PicSetStretch(HWND hwnd, DWORD dwStretch);
// Turns the shrink cache on or off (off frees the cached DIB): the
// previous state, 0 or 1.
LONG PicSetCacheMode(ZebPicRecord& rec, bool bOn);
// {0, 0, picture width, picture height}: 1; 0 without RECT, record or
// picture.
BOOL PicGetOrgRect(HWND hwnd, RECT* pRect);
