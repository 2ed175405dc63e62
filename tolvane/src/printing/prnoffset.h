// The print position file "\DATA\MYDATA\PrnOffset.dat": the left and the
// top print offset in millimetres, two 32-bit signed little-endian
// integers and nothing else.
#pragma once
#include <afx.h>

#define PRNOFFSET_FILE "\\DATA\\MYDATA\\PrnOffset.dat"

struct PrnOffset
{
    int nLeft;
    int nTop;
};

// The two values at the file's position.
void StorePrnOffset(CFile& file, const PrnOffset& offset);
// FALSE unless the file holds exactly the two values, each -30..30.
BOOL LoadPrnOffset(CFile& file, PrnOffset& offset);
// The file below the install root, written anew beside it and put in its
// place (created when missing); FALSE on a file error.
BOOL WritePrnOffsetFile(const PrnOffset& offset);
