// Stored form of a LOGFONT inside the form model's records: height, width,
// escapement, orientation, weight as LONGs, the eight BYTEs from italic to
// pitch and family, then the 32-byte face name.
#pragma once
#include <afx.h>

inline void MirtSerializeFont(CArchive& ar, LOGFONT& lf)
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
        AfxThrowArchiveException(CArchiveException::endOfFile);
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
}
