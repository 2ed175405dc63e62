// Text fields that differ from the text field only in how the text is put
// on paper and screen: CNPropObjDocMirror writes it at an angle,
// CNPropObjDocPich with a fixed space between characters, and
// CNPropObjDocShadow over an offset copy of itself. Angles are tenths of a
// degree, counter-clockwise, used as 0 .. 3599 whatever is stored.
#pragma once
#include "npropobjdoc.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjDocMirror : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjDocMirror)
public:
    enum { MIRROR_VERSION = 1 };

    CNPropObjDocMirror();
    CNPropObjDocMirror(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The text field's record, then version and angle.
    void Serialize(CArchive& ar) override;
    // The text laid out along the angle: lines run from the corner that the
    // angle's quarter starts at; a vertical field runs at 2700. Always 0.
    int Draw(CDC* pDC, int nMode) override;
    CNPropObj* Clone(int dx, int dy) override;
    // Angle 0.
    void InitDefaults() override;
    // The text field's copy, then the angle.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;
    // The characters spread along the angle, underline and strike-out with
    // them, in a font at the angle.
    int DrawAttrText(CDC* pDC, int x, int y, LPCSTR lpszText, int nLength, BOOL bVertical, int nExtent,
        CFont* pFont) override;

    // The angle the text runs at: 2700 when vertical, else the angle as
    // 0 .. 3599.
    int TextAngle() const;

    int m_nMirrorAngle;   // tenths of a degree, as stored

protected:
    UINT m_nMirrorVersion;
};

class MIRT_API CNPropObjDocPich : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjDocPich)
public:
    enum { PICH_VERSION = 1 };

    CNPropObjDocPich();
    CNPropObjDocPich(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The text field's record, then version and pitch rate.
    void Serialize(CArchive& ar) override;
    // The text field's drawing with a character extra space of the pitch
    // rate's tenths of the font height on the target.
    int Draw(CDC* pDC, int nMode) override;
    CNPropObj* Clone(int dx, int dy) override;
    // Pitch rate 0.
    void InitDefaults() override;
    UINT GetVersion() override;

    // The character extra space on pDC at nZoom: tenths of the font's
    // height, taken as a magnitude.
    int CharacterExtra(CDC* pDC, int nZoom);

protected:
    UINT m_nPichVersion;
};

class MIRT_API CNPropObjDocShadow : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjDocShadow)
public:
    enum { SHADOW_VERSION = 1 };
    // Draw mode of the copy.
    enum { DRAW_COPY = 2 };

    CNPropObjDocShadow();
    CNPropObjDocShadow(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    // The text field's record, then version, angle, origin offset and first
    // shadow offset.
    void Serialize(CArchive& ar) override;
    // The copy at the first shadow offset (at the angle from a quarter turn
    // on), then the text field over it.
    int Draw(CDC* pDC, int nMode) override;
    CNPropObj* Clone(int dx, int dy) override;
    // Angle, origin and offset 0, no shadow rectangle.
    void InitDefaults() override;
    // The text field's, with the copy's rectangle from the last drawing as
    // the second.
    void GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond) override;
    UINT GetVersion() override;

    RECT m_rcShadow;      // device units, where the copy was last drawn

protected:
    UINT m_nShadowVersion;
};

#pragma pack(pop)
