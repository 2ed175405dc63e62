// Stored form of a LOGFONT inside the form model's records: height, width,
// escapement, orientation and weight as LONGs, the eight BYTEs from italic
// to pitch and family, the 32 bytes of the face name. A load ends the face
// name with a NUL whatever the file holds, and holds height and width to
// ±nMaxHeight (in the record's own unit): a font of millions of pixels
// would take the rasteriser for ever.
#pragma once
#include <afx.h>
#include <windows.h>

#include "fields/base/clampint.h"

// Font heights a field's record may hold, in points.
const LONG MIRT_MAX_FONT_POINTS = 1000;
// Font heights a list printing record may hold, in tenths of a point.
const LONG MIRT_MAX_FONT_TENTHS = 10000;

// lf with the face name ended and height and width held to ±nMaxHeight:
// what a load keeps, and what the fields' font setters keep too.
inline LOGFONT MirtHeldLogFont(const LOGFONT& lf, LONG nMaxHeight)
{
    LOGFONT held = lf;
    held.lfFaceName[LF_FACESIZE - 1] = '\0';
    held.lfHeight = MirtClampRange(lf.lfHeight, -nMaxHeight, nMaxHeight);
    held.lfWidth = MirtClampRange(lf.lfWidth, -nMaxHeight, nMaxHeight);
    return held;
}

inline void MirtSerializeLogFont(CArchive& ar, LOGFONT& lf, LONG nMaxHeight)
{
    BYTE* const bytes[] = {&lf.lfItalic, &lf.lfUnderline, &lf.lfStrikeOut, &lf.lfCharSet, &lf.lfOutPrecision,
        &lf.lfClipPrecision, &lf.lfQuality, &lf.lfPitchAndFamily};
    if (ar.IsStoring()) {
        ar << lf.lfHeight << lf.lfWidth << lf.lfEscapement << lf.lfOrientation << lf.lfWeight;
        for (BYTE* pByte : bytes)
            ar << *pByte;
        ar.Write(lf.lfFaceName, LF_FACESIZE);
        return;
    }
    ar >> lf.lfHeight >> lf.lfWidth >> lf.lfEscapement >> lf.lfOrientation >> lf.lfWeight;
    for (BYTE* pByte : bytes)
        ar >> *pByte;
    if (ar.Read(lf.lfFaceName, LF_FACESIZE) != LF_FACESIZE)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    lf = MirtHeldLogFont(lf, nMaxHeight);
}
