// CNPropObjLine: a field that draws edges, diagonals, an ellipse or a
// rounded box in its rectangle with its own pen.
#pragma once
#include "npropobjctrl.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjLine : public CNPropObjCtrl
{
    DECLARE_SERIAL(CNPropObjLine)
public:
    // What is drawn (m_wShapes), in drawing order.
    enum : WORD
    {
        SHAPE_TOP = 0x01,
        SHAPE_BOTTOM = 0x02,
        SHAPE_LEFT = 0x04,
        SHAPE_RIGHT = 0x08,
        SHAPE_DIAGONAL = 0x10,        // left top to right bottom
        SHAPE_ANTIDIAGONAL = 0x20,    // left bottom to right top
        SHAPE_ELLIPSE = 0x40,
        SHAPE_ROUNDRECT = 0x80,
        SHAPE_EDGES = 0x0F
    };

    CNPropObjLine();
    CNPropObjLine(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);
    ~CNPropObjLine() override;

    // The control field's record, then version, shapes (WORD), pen colour,
    // pen style, pen width, draw mode.
    void Serialize(CArchive& ar) override;
    // The shapes with the field's pen, neither filled; always 0.
    int Draw(CDC* pDC, int nMode) override;
    // A line object of the multimedia library on the device rectangle of a
    // client context of the window (pParent, else the owner), wrapped in a
    // CNPropWndLine; null without mode, owner or window handle, or when the
    // object cannot be made.
    CWnd* CreateControl(CWnd* pParent, int bSetOwner) override;
    int DestroyControl() override;
    CNPropObj* Clone(int dx, int dy) override;
    void InitDefaults() override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    WORD m_wShapes;
    COLORREF m_crPen;
    int m_nPenStyle;
    int m_nPenWidth;      // device units
    int m_nDrawMode;      // mix mode of the line object, R2_COPYPEN

protected:
    CWnd* m_pLineWnd;     // owned; null until the line object exists
    UINT m_nLineVersion;
};

#pragma pack(pop)
