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

    // Takes lf as a load would: the face name ended, height and width held
    // to the record's range.
    void SetLogFont(const LOGFONT& lf);

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

// The field operations a text field answers from its CTextAttr m_text: font,
// alignment, row height, text colour, entry mode and row limit. Declare them
// in the class (public) with DECLARE_TEXT_ATTR_OPERATIONS() and define them
// with IMPLEMENT_TEXT_ATTR_OPERATIONS(class) after including
// "fields/text/textentry.h". The in-place editor's document (m_pWndWB)
// follows the alignment.
#define DECLARE_TEXT_ATTR_OPERATIONS()                  \
    void SetLogFont(const LOGFONT* pLogFont) override;  \
    LOGFONT* GetLogFont() override;                     \
    void SetAlign(int nAlign) override;                 \
    int GetAlign() override;                            \
    void SetRowHeight(int nRowHeight) override;         \
    int GetRowHeight() override;                        \
    void SetTextColor(COLORREF crText) override;        \
    COLORREF GetTextColor() override;                   \
    int GetEntryMode() override;                        \
    int GetRowLimit() override;

#define IMPLEMENT_TEXT_ATTR_OPERATIONS(class_name)                                         \
    void class_name::SetLogFont(const LOGFONT* pLogFont) { m_text.SetLogFont(*pLogFont); }    \
    LOGFONT* class_name::GetLogFont() { return &m_text.m_logFont; }                        \
    void class_name::SetAlign(int nAlign)                                                  \
    {                                                                                      \
        m_text.m_nAlign = nAlign;                                                          \
        CTextEntry::AlignEditor(m_pWndWB, nAlign);                                         \
    }                                                                                      \
    int class_name::GetAlign() { return m_text.m_nAlign; }                                 \
    void class_name::SetRowHeight(int nRowHeight) { m_text.m_nRowHeight = nRowHeight; }    \
    int class_name::GetRowHeight() { return m_text.GetRowHeight(); }                       \
    void class_name::SetTextColor(COLORREF crText) { m_text.m_crText = crText; }           \
    COLORREF class_name::GetTextColor() { return m_text.m_crText; }                        \
    int class_name::GetEntryMode() { return m_text.m_nEntryMode; }                         \
    int class_name::GetRowLimit() { return m_text.m_nRowLimit; }
