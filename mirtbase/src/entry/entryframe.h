// Drawing that several entry windows share.
#pragma once
#include <afxwin.h>

// The focus frame: the four edges of rect shrunk by one pixel (top, right,
// bottom, left) with a solid red pen two pixels wide.
void DrawEntryFrame(CDC* pDC, CRect rect);

// The placeholder cross: both diagonals of rect with a solid grey
// (192, 192, 192) pen one pixel wide.
void DrawEntryCross(CDC* pDC, const CRect& rect);

// Repaints pWnd at once: invalidated, erased and updated.
void RepaintEntry(CWnd* pWnd);
