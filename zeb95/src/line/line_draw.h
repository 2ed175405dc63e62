// The line object's geometry and painter, shared by the screen and the
// printer.
#pragma once
#include <windows.h>

#include <vector>

struct LineSegment
{
    POINT ptFrom;
    POINT ptTo;  // not set itself, as LineTo draws
};

// The rectangle the segments run along: the client rectangle inset by half
// the pen width (a width below 1 counts as 1), one more at the right and
// bottom for an odd width.
RECT LineRect(const RECT& rcClient, LONG nPenWidth);
// The segments of the draw form, in drawing order; when both the bottom and
// the right edge are drawn a last segment of one pixel sets the corner
// where they meet, which neither of them reaches.
std::vector<LineSegment> LineSegments(const RECT& rcLine, WORD wDrawForm);
// Draws the line's segments into the DC, its client area placed at
// (xOffset, yOffset), with the line's pen and mix mode.
void DrawLineObj(HWND hwnd, HDC hdc, int xOffset, int yOffset);
