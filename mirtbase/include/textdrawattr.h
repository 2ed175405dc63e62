// CTextAttr: the text attributes that the text and the edit field share, in
// their stored order: row height, vertical, font, colours, entry mode, row
// limit, alignment.
#pragma once
#include <afxwin.h>
#include "mirtapi.h"

class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CTextAttr
{
public:
    enum
    {
        ALIGN_LEFT = 1,
        ALIGN_RIGHT = 2,
        ALIGN_CENTER = 3,
        ALIGN_DISTRIBUTED = 4   // characters spread over the whole width
    };
    // Row heights up to this are single spacing.
    enum { ROW_HEIGHT_SINGLE = 10 };
    // Escapement and orientation of vertical text.
    enum { VERTICAL_ESCAPEMENT = 2700 };

    // The construction values: 9-point "ＭＳ Ｐゴシック", black on white,
    // single spacing, left aligned, horizontal.
    void InitDefaults();

    // Stores or loads the font, text and background colour, entry mode, row
    // limit, row height, vertical and, when bWithAlign, the alignment (a
    // load without it leaves m_nAlign as it is).
    void Serialize(CArchive& ar, BOOL bWithAlign);

    // The row height, at least single spacing.
    int GetRowHeight() const;
    // |nHeight| times the row height when that is above single spacing.
    int RowPitch(int nHeight) const;

    // Font, colour, row height and alignment go through pOther's setters;
    // background colour, row limit and vertical are copied when pOtherAttr
    // is given; the entry mode is nEntryMode.
    void CopyTo(CNPropObj* pOther, CTextAttr* pOtherAttr, int nEntryMode) const;

    int m_nRowHeight;       // tenths of the font height
    BOOL m_bVertical;       // columns top to bottom, right to left
    LOGFONT m_logFont;      // height in points
    COLORREF m_crText;
    COLORREF m_crBack;
    int m_nEntryMode;       // nonzero: the input method opens in hiragana mode
    int m_nRowLimit;        // 0: none
    int m_nAlign;           // ALIGN_
};

#pragma pack(pop)
