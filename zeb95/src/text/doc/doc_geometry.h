// A document's extent, scroll bars and scrolling, in document pixels at
// 100 % (the scale turns them into client pixels).
#pragma once
#include <windows.h>

// Whether the scale zooms: 100 or a scale below 1 means none.
bool IsScaled(int nScale);
// Client pixels to document pixels at the scale (rounded to nearest), and
// back (trunc((v * s + 50) / 100)); 100 or a scale below 1 changes nothing.
int ClientToDocPixels(int v, int nScale);
int DocToClientPixels(int v, int nScale);
// The client rectangle in document pixels at the scale: left and top
// truncated, right and bottom rounded up, so that it covers every pixel
// shown.
RECT DocClientInDoc(HWND hwnd, int nScale);

// Height of the line (negative: the caret line); 0 outside the lines laid
// out or without record.
int DocGetLineHeight(HWND hwnd, int nLine);
// After layout: width and height of the document are the fixed ones when
// above 0, else the client size; with a scroll bar in the direction in
// which lines stack (horizontal for vertical writing), that extent is the
// lines' total, at most the one above and at least the visible size (an
// extent below the visible size stays). A vertical document's content
// moves by a change of its width. The first line after line 0 that ends
// beyond the extent is posted to the owner whiteboard, else the parent, as
// MsgZebCmd 112 when the overflow mode asks (mode 1 once, then 0; 2 each
// time).
void DocUpdateExtent(HWND hwnd);
// Keeps the scroll origin of each direction with a scroll bar between the
// bar's minimum and its maximum less the visible size, scrolling the
// window and the bar with it.
void DocClampScroll(HWND hwnd);
// After a change of size, fixed size or scale: the extent, a relayout and
// the scroll bars (a horizontal one only with a fixed width above 0 and a
// vertical one only with a fixed height above 0, as the record's style
// asks). 1; 0 without record.
int DocApplySize(HWND hwnd);
// Takes the window's present size as the one the document is laid out at
// (DocApplySize does so itself).
void DocKeepAppliedSize(HWND hwnd);
// WM_SIZE: DocApplySize when the window's size is not the one last laid
// out at; a client area that only a scroll bar coming or going changed
// changes nothing.
void DocOnSize(HWND hwnd);
// After layout: the scroll bars wanted (as for DocApplySize) get ranges and
// pages for the extent at the scale, or both ranges become 0..0; a
// direction without a bar takes the visible size as its extent; the origin
// stays in range. When that showed or hid a bar, the origin is kept within
// the extent less the client size and the object is repainted.
void DocRefreshScrollBars(HWND hwnd);
// Scrolls as WM_VSCROLL and WM_HSCROLL ask: a line is 1/16 of the visible
// size plus 1, a page half of it plus 1, the thumb goes to nPos, any other
// code takes the origin back to the bar's position; kept between the
// bar's minimum and its maximum less the visible size. 1; 0 without record.
int DocVScroll(HWND hwnd, int nCode, int nPos);
int DocHScroll(HWND hwnd, int nCode, int nPos);
