#include "face/spaceinfoapply.h"

#include <cstring>

#include "npropobj.h"
#include "spaceinfo.h"

namespace {

const COLORREF kKeepColor = static_cast<COLORREF>(-1);
const int kLeastRowHeight = 10;

bool InRange(int nValue, int nFirst, int nLast)
{
    return nValue >= nFirst && nValue <= nLast;
}

}  // namespace

BOOL CSpaceInfoApply::ApplyLook(CNPropObj& field, const tagSPACEINFO& info)
{
    if (InRange(info.nAlign, 1, 4))
        field.SetAlign(info.nAlign);
    if (info.crText != kKeepColor)
        field.SetTextColor(info.crText);
    if (InRange(info.nCarryOver, 1, 2))
        field.SetCarryOver(info.nCarryOver == 1);
    if (InRange(info.nLock, 1, 2))
        field.SetModify(info.nLock != 1);
    BOOL bRefresh = FALSE;
    if (info.lfFont.lfFaceName[0] != '\0') {
        field.SetLogFont(&info.lfFont);
        bRefresh = TRUE;
    }
    if (info.nRowHeight >= kLeastRowHeight) {
        field.SetRowHeight(info.nRowHeight);
        bRefresh = TRUE;
    }
    if (InRange(info.nPichRate, 0, 3)) {
        field.SetPichRate(info.nPichRate);
        bRefresh = TRUE;
    }
    return bRefresh;
}

void CSpaceInfoApply::ApplyAutoCalc(CNPropObj& field, const tagSPACEINFO& info)
{
    if (InRange(info.nAutoCalc, 1, 2))
        field.SetAutoCalc(info.nAutoCalc);
}

BOOL CSpaceInfoApply::ApplyNumKind(CNPropObj& field, const tagSPACEINFO& info)
{
    if (!InRange(info.nNumKind, 0, 2))
        return FALSE;
    field.SetNumKind(info.nNumKind);
    return TRUE;
}

BOOL CSpaceInfoApply::ApplyShadow(CNPropObj& field, const tagSPACEINFO& info)
{
    if (!InRange(info.nShadow, 0, 1))
        return FALSE;
    field.SetShadow(ShadowFor(field, static_cast<UINT>(info.nShadow)));
    return TRUE;
}

int CSpaceInfoApply::ShadowFor(CNPropObj& field, UINT nOn)
{
    if (nOn == 0)
        return 0;
    const CSize offset = field.GetShadowOffset();
    return offset.cx != 0 || offset.cy != 0 ? 2 : static_cast<int>(nOn);
}

void CSpaceInfoApply::CopyAttribute(UINT nKind, const tagSPACEINFO& from, tagSPACEINFO& to)
{
    switch (nKind) {
    case 1:
        std::memcpy(to.lfFont.lfFaceName, from.lfFont.lfFaceName, sizeof to.lfFont.lfFaceName);
        break;
    case 2:
        to.lfFont.lfHeight = from.lfFont.lfHeight;
        break;
    case 3:
        to.lfFont.lfWeight = from.lfFont.lfWeight;
        break;
    case 4:
        to.lfFont.lfItalic = from.lfFont.lfItalic;
        break;
    case 5:
        to.lfFont.lfUnderline = from.lfFont.lfUnderline;
        break;
    case 6:
        to.lfFont.lfStrikeOut = from.lfFont.lfStrikeOut;
        break;
    case 7:
        to.crText = from.crText;
        break;
    case 8:
        to.nAlign = from.nAlign;
        break;
    case 9:
        to.nRowHeight = from.nRowHeight;
        break;
    case 10:
        to.nCarryOver = from.nCarryOver;
        break;
    case 11:
        to.nLock = from.nLock;
        break;
    case 12:
        to.nPichRate = from.nPichRate;
        break;
    default:
        break;
    }
}

void CSpaceInfoApply::Read(CNPropObj& field, tagSPACEINFO& info)
{
    std::memset(&info, 0, sizeof info);
    if (const LOGFONT* pLogFont = field.GetLogFont())
        info.lfFont = *pLogFont;
    info.crText = field.GetTextColor();
    info.nAlign = field.GetAlign();
    info.nRowHeight = field.GetRowHeight();
    info.nCarryOver = field.GetCarryOver();
    info.nLock = field.GetModify();
    info.nAutoCalc = field.GetAutoCalc();
    info.nNumKind = field.GetNumKind();
    info.nShadow = field.GetShadow();
    info.nPichRate = field.GetPichRate();
}
