// CFieldAttributes: the attributes of the current field as the format bar
// and the menus show them, taken from the field's tagSPACEINFO and made
// back into one that applies them.
#pragma once
#include <afxwin.h>

#include "spaceinfo.h"

class CFieldAttributes
{
public:
    CFieldAttributes();

    // The field's record read into the state.
    void Take(const tagSPACEINFO& info);
    // The state as a record, with the frame's alignment.
    void Fill(tagSPACEINFO& info, int nAlign) const;
    // A record that keeps every attribute, with the alignment.
    static void FillKeepAll(tagSPACEINFO& info, int nAlign);

    LOGFONTA m_lfFont;        // the field's font, for the rest of the LOGFONT
    CString m_strFaceName;    // empty: not known
    int m_nHeight;            // LOGFONT height
    COLORREF m_crText;
    int m_bBold;
    int m_bItalic;
    int m_bUnderline;
    int m_bStrikeOut;
    int m_nPitch;             // -1..3
    int m_bPitchKnown;
    int m_nCarryOver;         // 1, 2; 0 not known
    int m_nLock;              // 1, 2; 0 not known
    int m_nAutoCalc;          // 1, 2; 0 not applicable
    int m_nNumKind;           // 0..3
    int m_nShadow;            // 0, 1; -1 not known
    int m_nPichRate;          // -1..3
    int m_bPichRateKnown;
};
