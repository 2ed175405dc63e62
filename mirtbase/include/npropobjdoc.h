// CNPropObjDoc: the multi-line text field and the base of the text
// variants. It adds the text attributes, character pitch, angle and shadow
// copies to the control-backed field, stores them after its record,
// converts text for vertical writing and draws the text (CTextDrawer).
#pragma once
#include <memory>
#include <vector>

#include "npropobjctrl.h"
#include "textdrawattr.h"

class CNPropWndDoc;
class CNPropWndWB;

#pragma pack(push, 4)

class MIRT_API CNPropObjDoc : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjDoc)
public:
    enum { DOC_VERSION = 3 };
    enum
    {
        SHADOW_OFF = 0,
        SHADOW_ONE = 1,       // one copy at the first offset
        SHADOW_TWO = 2,       // copies at the first and the second offset
        SHADOW_NONE = 3       // no shadow setting
    };
    // Draw mode of the shadow copies themselves.
    enum { DRAW_NO_SHADOW = 3 };

    CNPropObjDoc();
    CNPropObjDoc(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjDoc() override;

    // The control field's record, then version 3, font, colours, entry mode,
    // row limit, row height, vertical, alignment, pitch rate, angle, origin
    // and shadow offsets, shadow mode. Older records load with defaults.
    void Serialize(CArchive& ar) override;

    // The shadow copies (unless nMode is DRAW_NO_SHADOW), then the text.
    // Always 0.
    int Draw(CDC* pDC, int nMode) override;
    // 0: no action of its own.
    int Activate() override;
    // The text window (CNPropWndDoc over a text document) on pParent, else
    // on the owner's window; null when none can be made.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    // Deletes the text window and the in-place editor; 1.
    int DestroyControl() override;
    // Focus to the text window or the in-place editor; without either, a new
    // in-place editor on the owner's parent window, which is told the
    // field's format.
    void FocusControl() override;
    // A CNPropObjDoc filled by CopyTo, moved by dx, dy, remembering the move.
    CNPropObj* Clone(int dx, int dy) override;
    // nConvert: vertical text through HalfToFullKana, then line feeds
    // through NormalizeNewLines unless the text starts with one.
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    void InitDefaults() override;
    // As the control base's, but an editable field with an empty value
    // takes the first item as its value when the list goes in.
    void LoadToControl(int bAlsoList) override;
    DECLARE_TEXT_ATTR_OPERATIONS()
    // The device rectangle and the two shadow rectangles CalcShadowRect left.
    void GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond) override;
    // The second shadow offset.
    CSize GetShadowOffset() override;
    void SetShadowOffset(CSize offset) override;
    int GetShadow() override;
    void SetShadow(int nShadow) override;
    // Where shadow copy nWhich (1 or 2) falls on pDC.
    void CalcShadowRect(CDC* pDC, int nWhich) override;
    int GetPichRate() override;
    void SetPichRate(int nRate) override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // Draws the shadow copies (Draw mode DRAW_NO_SHADOW) for the shadow
    // mode; pText, when given, is the text they show.
    void DrawShadowCopies(CDC* pDC, const CString* pText = nullptr);

    // Text for vertical writing: full-width minus to "-", digits to kanji
    // numerals, letters and half-width katakana to full width, kana with a
    // separate voiced or semi-voiced mark combined.
    static CString HalfToFullKana(const CString& strText);
    // A carriage return before every line feed that lacks one.
    static CString NormalizeNewLines(const CString& strText);

    CTextAttr m_text;
    int m_nPichRate;          // character extra in tenths of the font height
    int m_nAngle;             // tenths of a degree
    CPoint m_ptOrigin;        // 0.1 mm
    CSize m_sizeShadow1;
    CSize m_sizeShadow2;
    int m_nShadow;            // SHADOW_

protected:
    // Draw with pText, when given, drawn in place of the value (a drawing
    // form of it; the data string is left alone).
    int DrawWithText(CDC* pDC, int nMode, const CString* pText);
    // The shadow offsets that the shadow mode draws copies at, in turn.
    std::vector<CSize> ShadowOffsets() const;
    // Where the shadow copy at offset goes, by the angle.
    RECT ShadowCopyRect(CSize offset) const;
    // The copy drawn at offset: a text field below a quarter turn, from
    // there on a field at this field's angle.
    std::unique_ptr<CNPropObjDoc> MakeShadowCopy(CSize offset);
    // A new T from this field's block and styles, filled by CopyTo, at rect
    // with the owner.
    template <class T>
    std::unique_ptr<T> MakeCopyAt(const RECT& rect)
    {
        tagPROPBLOCK block;
        GetBlock(block);
        std::unique_ptr<T> pCopy(new T(block, m_dwStyle, m_dwExStyle));
        CopyTo(pCopy.get());
        pCopy->m_rect = rect;
        pCopy->m_pOwner = m_pOwner;
        return pCopy;
    }

    CNPropWndDoc* m_pWndDoc;  // text window, owned
    CNPropWndWB* m_pWndWB;    // in-place editor, owned

public:
    int m_nFrameKind;         // frame colour of the in-place editor

protected:
    UINT m_nDocVersion;

public:
    RECT m_rcShadow1;         // device rectangles of the shadow copies
    RECT m_rcShadow2;
    CSize m_sizeClone;        // the offset Clone moved this copy by

private:
    // Pitch, angle, origin and shadows as constructed (and as records older
    // than version 3 leave them).
    void InitDocMembers();
};

#pragma pack(pop)
