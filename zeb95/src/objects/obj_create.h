// Making a child object window for the creation functions.
#pragma once
#include <windows.h>

class ZebObjRecord;

// Above its siblings with its frame recomputed; activated only when it is
// the active window already.
void BringObjToTop(HWND hwnd);

// A child object of the class on hParent, placed at (x, y) in whiteboard
// coordinates (less the scroll origin of a whiteboard parent), visible,
// clipping its siblings, its frame refreshed and on top of its siblings.
// Null when the window or its record cannot be made.
HWND CreateObjWindow(HWND hParent, const char* pszClass, DWORD dwStyle, DWORD dwExStyle, const RECT& rcPlace);
// A copy of hCursor (null: none) replaces the record's own cursor.
void SetObjCursorCopy(ZebObjRecord& rec, HCURSOR hCursor);
// The styles of a new picture, movie or sound: none without a creation
// record (bRecord false); WS_BORDER with a record whose style bit is not
// set; else the kept bits of dwStyle and, of dwExStyle and of the value
// 0x20 in dwStyle, WS_EX_TRANSPARENT, WS_EX_CLIENTEDGE and
// WS_EX_STATICEDGE. A transparent object has no border and no other
// extended style.
void ObjCreateStyles(bool bRecord, bool bStyleBit, DWORD dwStyle, DWORD dwExStyle, DWORD dwKeptStyles,
                     DWORD* pdwStyle, DWORD* pdwExStyle);
