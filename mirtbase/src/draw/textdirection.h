// Which way a line of text runs at an angle (tenths of a degree, 0 .. 3599,
// counter-clockwise), by the quarter the angle lies in: along +x from the
// top left corner (0 and above 2700), along -y from the bottom left (up to
// 900), along -x from the bottom right (up to 1800), along +y from the top
// right (up to 2700, vertical text). Lines follow one another toward the
// foot of their characters.
#pragma once
#include <windows.h>

struct CTextDirection
{
    int nAlongX;
    int nAlongY;
    int nNextX;     // from a line to the next
    int nNextY;

    static CTextDirection OfAngle(int nAngle);
    // The corner of rect that the first line starts at.
    POINT Corner(const RECT& rect) const;
    // pt moved nDistance along the line, and nDistance lines on.
    POINT Along(POINT pt, int nDistance) const;
    POINT Across(POINT pt, int nDistance) const;
};
