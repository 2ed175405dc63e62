// The lines and columns a document window shows, and scrolling a line or
// a column to its first place. Each waits for the layout first, so that the
// whole line table is read. -1 without record.
#pragma once
#include <windows.h>

// The line under the top right corner of the client area.
int DocFirstVisibleLine(HWND hwnd);
// The column under the top left corner (top right when vertical).
int DocFirstVisibleColumn(HWND hwnd);
// The line under the bottom left corner.
int DocLastVisibleLine(HWND hwnd);
// Scrolls so that column 0 of the line stands at the top (through the
// vertical scroll bar when the window has one); the first visible line
// before, -1 for a line outside the table.
int DocSetFirstLine(HWND hwnd, int nLine);
// Scrolls so that the column of the line at the top left stands at the left
// edge (through the horizontal scroll bar when the window has one); the
// first visible column before, -1 for a column beyond that line's last.
int DocSetFirstColumn(HWND hwnd, int nColumn);
