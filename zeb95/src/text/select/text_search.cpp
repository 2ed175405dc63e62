#include "text/select/text_search.h"

#include "text/storage/block_list.h"

namespace {

unsigned char Upper(unsigned char c) { return c >= 'a' && c <= 'z' ? static_cast<unsigned char>(c - 'a' + 'A') : c; }

bool BytesMatch(unsigned char cText, ZebCharAttr attr, unsigned char cPattern, bool bFold)
{
    if (!bFold || (attr & (ZebAttrLead | ZebAttrTrail)) != 0)
        return cText == cPattern;
    return Upper(cText) == Upper(cPattern);
}

// The pattern compared from the candidate on; pEnd gets the spot after
// the match.
bool MatchAt(const ZebBlockList& blocks, ZebTextSpot at, const char* pszPattern, bool bFold, ZebTextSpot* pEnd)
{
    for (const char* p = pszPattern; *p != '\0'; ++p)
    {
        if (p != pszPattern && !SpotNextByte(blocks, at))
            return false;
        if (!BytesMatch(static_cast<unsigned char>(SpotByte(blocks, at)), SpotAttr(blocks, at),
                        static_cast<unsigned char>(*p), bFold))
            return false;
    }
    *pEnd = {at.block, at.offset + 1};
    return true;
}

bool StepForward(const ZebBlockList& blocks, ZebTextSpot& at)
{
    if ((SpotAttr(blocks, at) & ZebAttrLead) != 0 && !SpotNextByte(blocks, at))
        return false;
    return SpotNextByte(blocks, at);
}

bool StepBack(const ZebBlockList& blocks, ZebTextSpot& at)
{
    if (!SpotPrevByte(blocks, at))
        return false;
    return (SpotAttr(blocks, at) & ZebAttrTrail) == 0 || SpotPrevByte(blocks, at);
}

}  // namespace

bool FindInBlocks(const ZebBlockList& blocks, ZebTextSpot from, const char* pszPattern, int nFlags,
                  ZebTextSpot* pStart, ZebTextSpot* pEnd)
{
    if (pszPattern == nullptr || *pszPattern == '\0')
        return false;
    const bool bBackward = (nFlags & kFindBackward) != 0;
    const bool bFold = (nFlags & kFindFoldCase) != 0;
    ZebTextSpot at = from;
    bool bMore = bBackward ? SpotNormalise(blocks, at, false) && StepBack(blocks, at) : SpotNormalise(blocks, at, true);
    if (bMore && !bBackward && (SpotAttr(blocks, at) & ZebAttrTrail) != 0)
        bMore = SpotPrevByte(blocks, at);
    while (bMore)
    {
        if (MatchAt(blocks, at, pszPattern, bFold, pEnd))
        {
            *pStart = at;
            return true;
        }
        bMore = bBackward ? StepBack(blocks, at) : StepForward(blocks, at);
    }
    return false;
}
