// CNPropObjBtnCheck: a check box on a form face, a square with the caption
// (item 0) on its right and a mark in it when checked. Its value is "1" or
// "0"; with the inversion flag set, "0" means checked. On paper the square
// is not printed: it is on the pre-printed form.
#pragma once
#include "npropobjbtn.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjBtnCheck : public CNPropObjBtn
{
    DECLARE_SERIAL(CNPropObjBtnCheck)
public:
    enum
    {
        MARK_DISC = 0,          // circle filled black
        MARK_CIRCLE_BRUSH = 1,  // circle filled with the context's brush
        MARK_DOUBLE_CIRCLE = 2,
        MARK_CROSS = 3,
        MARK_STROKE = 4,        // top right to bottom left
        MARK_FIRST_PICTURE = 5, // 5 to 12: pictures stretched into the square
        MARK_LAST_PICTURE = 12
    };

    CNPropObjBtnCheck();
    CNPropObjBtnCheck(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjBtnCheck() override;

    // The button's record, then version, font, text colour, background
    // colour, mark style; the checked state follows the loaded value.
    void Serialize(CArchive& ar) override;
    // Caption and, when checked, the mark; 1 unless the gate refuses.
    int Draw(CDC* pDC, int nMode) override;
    // An owner-drawn "button" window, moved back by the owner's margin on a
    // face with a layout.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    // The checked state from the value, then the button's exchanges.
    void LoadToControl(int bAlsoList) override;
    void SetLogFont(const LOGFONT* pLogFont) override;
    LOGFONT* GetLogFont() override;
    void SetTextColor(COLORREF crText) override;
    COLORREF GetTextColor() override;
    // The button's copy, then background and text colour, mark style, font
    // and checked state.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    virtual void SetMarkStyle(int nMarkStyle);
    // Caption and, when checked, the mark into the rectangle with the
    // context's font and colours; 1.
    virtual int DrawCheck(CDC* pDC, int nMode, int nLeft, int nTop, int nRight, int nBottom);

    // Whether a value means checked: its decimal value is not 0, or with
    // bInvert, is 0 (so "2" and "01" are checked and "" is not).
    static BOOL IsCheckedValue(const CString& strValue, BOOL bInvert);
    // The value that stands for a state.
    static CString ValueOfState(BOOL bChecked, BOOL bInvert);
    // The square in a rectangle: side min(w, h) at the top left with a
    // caption, else centred along the longer side.
    CRect CalcCheckRect(int nLeft, int nTop, int nRight, int nBottom);
    BOOL IsChecked() const { return m_bChecked; }
    void SetChecked(BOOL bChecked) { m_bChecked = bChecked; }
    // The brush of the background colour, which the check window answers
    // to its control-colour message.
    CBrush* GetBackBrush() { return &m_brushBack; }

    LOGFONT m_logFont;
    COLORREF m_crBack;
    COLORREF m_crText;
    int m_nMarkStyle;

protected:
    // The caption in the field's font (its height in tenths of a point, at
    // the owner's zoom) and text colour, the context given back as it was.
    void DrawCaption(CDC* pDC, const CString& strCaption, int x, int nTop, int nBottom);
    void DrawMark(CDC* pDC, const CRect& square);
    void DrawPictureMark(CDC* pDC, const CRect& rect);

    BOOL m_bChecked;        // not stored: follows the value
    CFont m_font;
    CBrush m_brushBack;
    UINT m_nCheckVersion;
};

#pragma pack(pop)
