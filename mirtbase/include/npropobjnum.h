// Numeric text fields. CNPropObjDocNum keeps plain number text (digits, an
// optional leading "-" and "."), brought into the form of its number kind,
// and draws it plain, with thousands separators, prefix and suffix, or one
// character to a printed digit box; separators and affixes exist only in
// the drawing. CNPropObjDocNumRen is a serial number that its form window
// counts; CNPropObjAutoItemNum fills itself from a saved value file. The
// stored record of all three is the numeric field's.
#pragma once
#include "npropobjdoc.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjDocNum : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjDocNum)
public:
    enum { NUM_VERSION = 3 };
    // Number kinds (GetNumKind).
    enum
    {
        NUMKIND_INTEGER = 0,
        NUMKIND_DECIMAL = 1,   // two decimals
        NUMKIND_TRIMMED = 2,   // at most two decimals, trailing zeros cut
        NUMKIND_NONE = 3       // not a number: the text is kept as it is
    };
    enum { AUTOCALC_ON = 1, AUTOCALC_OFF = 2 };
    // Draw styles; every other value draws into the digit boxes from the
    // left.
    enum
    {
        STYLE_PLAIN = 1,
        STYLE_SEPARATED = 2,
        STYLE_BOXES_RIGHT = 4,
        STYLE_PLAIN_ALT = 6,
        STYLE_SEPARATED_ALT = 7,
        STYLE_BOXES_RIGHT_ALT = 9,
        STYLE_BOXES_NO_POINT = 11   // the "." left out (not for kind 2), then as STYLE_BOXES_RIGHT_ALT
    };
    enum { NUM_FRAME_KIND = 2 };

    CNPropObjDocNum();
    CNPropObjDocNum(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The text field's record, then version 3, number kind, draw style,
    // automatic calculation (version 3 on; 1 before), column lefts and
    // rights.
    void Serialize(CArchive& ar) override;
    // By the draw style: the text field's drawing of the value, of the
    // value with separators and affixes, or the digit boxes.
    int Draw(CDC* pDC, int nMode) override;
    CNPropObj* Clone(int dx, int dy) override;
    // The text in the form of the number kind (kind 3: unchanged); 0
    // without data.
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    void InitDefaults() override;
    // The text field's text window, as CNPropWndDocNum, without character
    // pitch.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // As the text field's, with an in-place editor of the number kind that
    // EditorKind gives, which reports overflow when the field is editable.
    void FocusControl() override;
    void SetAutoCalc(int nAutoCalc) override;
    int GetAutoCalc() override;
    int GetNumKind() override;
    void SetNumKind(int nNumKind) override;
    // The text field's copy, then draw style, automatic calculation, number
    // kind and the columns.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // strText in the form of number kind nKind; an empty text stays empty.
    static CString NormalizeNumber(const CString& strText, int nKind);
    // A "," after each integer digit that a multiple of three integer
    // digits follows, except after a yen sign.
    static CString SeparatedNumber(const CString& strText);
    // The prefix (item 2) and the suffix (item 3) round a non-empty text.
    CString WithAffixes(const CString& strText) const;
    // The in-place editor's number kind: for draw styles 1 to 5 and 11 whole
    // numbers for number kind 0, two decimals for 1 and 2, free text
    // otherwise; six digits for style 10, digits and "-" for the others.
    int EditorKind() const;

    CDWordArray m_arrayLeft;    // digit box edges, 0.1 mm from the field's left
    CDWordArray m_arrayRight;
    int m_nNumKind;             // NUMKIND_
    int m_nDrawStyle;           // STYLE_
    int m_nAutoCalc;            // AUTOCALC_

protected:
    // The value one character to a box, right-justified (its last
    // characters when longer) or from the left (its first ones); 1 when
    // drawn, 0 when the gate or an empty text left nothing to draw.
    int DrawBoxes(CDC* pDC, int nMode, const CString& strValue, BOOL bRightJustified);

    UINT m_nNumVersion;

private:
    // Copies at the shadow offsets in digit boxes, below a quarter turn.
    void DrawBoxShadows(CDC* pDC);
    void InitNumMembers();
};

class MIRT_API CNPropObjDocNumRen : public CNPropObjDocNum
{
    DECLARE_SERIAL(CNPropObjDocNumRen)
public:
    // The draw style after every store, load and drawing.
    enum { REN_DRAW_STYLE = 10 };

    CNPropObjDocNumRen();
    CNPropObjDocNumRen(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    void Serialize(CArchive& ar) override;
    // The value as plain text; on a printer (not a preview) the form
    // window's number for it, as six digits, when the window gives one.
    int Draw(CDC* pDC, int nMode) override;
    CNPropObj* Clone(int dx, int dy) override;
    // An empty value takes the window's next number (as six digits) when an
    // editable field is loaded with its list, or a shown field that takes no
    // input is loaded.
    void LoadToControl(int bAlsoList) override;
    UINT GetVersion() override;

    // A value text as the number SetNumberCount takes: read as a real
    // number, held to 0 .. 4294967295.
    static UINT CountOf(const CString& strValue);

protected:
    UINT m_nRenVersion;
};

class MIRT_API CNPropObjAutoItemNum : public CNPropObjDocNum
{
    DECLARE_SERIAL(CNPropObjAutoItemNum)
public:
    enum { AUTONUM_FRAME_KIND = 3 };
    // The draw style after a load.
    enum { AUTONUM_DRAW_STYLE = 8 };

    CNPropObjAutoItemNum();
    CNPropObjAutoItemNum(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    void Serialize(CArchive& ar) override;
    CNPropObj* Clone(int dx, int dy) override;
    // An empty value is read from the value file that item 0 names; a
    // shown field that takes no input puts item 1 before it.
    void LoadToControl(int bAlsoList) override;
    UINT GetVersion() override;

protected:
    UINT m_nAutoVersion;
};

#pragma pack(pop)
