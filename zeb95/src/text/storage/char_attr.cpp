#include "text/storage/char_attr.h"

#include "cp932.h"

void MarkCharPairs(const char* pText, ZebCharAttr* pAttrs, int n)
{
    const ZebCharAttr kFlags = ZebAttrLead | ZebAttrTrail | ZebAttrBreak;
    for (int i = 0; i < n;)
    {
        if (cp932::CharLength(pText, i, n) == 2)
        {
            pAttrs[i] = (pAttrs[i] & ~kFlags) | ZebAttrLead;
            pAttrs[i + 1] = (pAttrs[i + 1] & ~kFlags) | ZebAttrTrail;
            i += 2;
            continue;
        }
        const bool bBreak = pText[i] == '\n' || pText[i] == '\f';
        pAttrs[i] = (pAttrs[i] & ~kFlags) | (bBreak ? ZebAttrBreak : 0);
        ++i;
    }
}
