// CMirtBase: the window base of every form window. It holds a form layout
// and the face lists of fields built from it, shows the fields at a zoom
// and offset, finds fields by order number and relays picture requests to
// the host program's main window. A CMirtBase may live without a window of
// its own: its fields' entry windows are then children of the parent window
// the host gives it.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtapi.h"

class CNMirtLayoutData;
class CNPropObj;
class CMirtBaseSub;
class CPropData;

#pragma pack(push, 4)

class MIRT_API CMirtBase : public CWnd
{
    DECLARE_DYNAMIC(CMirtBase)
public:
    CMirtBase();
    // Leaves the face lists' fields and the layout to the derived classes.
    ~CMirtBase() override;

    // Loads the layout file "ON<id>.FMT" of the install root's "\DATA\FMT\"
    // between InitMember and CreateList; 0, keeping what the window had,
    // when the file does not open. Archive and file exceptions pass on,
    // leaving the partly read layout and no face lists.
    int SetFormat(UINT nLayoutID);

    // The loaded layout's id, 0 without one.
    UINT GetLayoutID() const;
    // 1 when the layout's table first order, last order and rows are all set.
    int IsTableData() const;
    // The layout's table part; 0 without a layout.
    UINT GetTableFirstOrder() const;
    UINT GetTableLastOrder() const;
    UINT GetTableLine() const;
    // The first field with nOrder in the face list that holds pField.
    CNPropObj* GetPropObjByOrder(CNPropObj* pField, UINT nOrder) const;

    // Ask the main window to load a picture file, and to draw a picture into
    // a rectangle of pDC; 1 when done, 0 also without a main window.
    int SetPicture(const CString& strPath);
    int DrawPicture(CDC* pDC, CRect& rect, const CString& strName, int nFlag);

    CSize GetMargin() const { return m_sizeMargin; }
    void SetMargin(CSize sizeMargin) { m_sizeMargin = sizeMargin; }
    CWnd* GetParentWnd() const { return m_pParentWnd; }
    void SetParentWnd(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }
    UINT GetPercent() const { return m_nPercent; }
    // Held to the range of int, in which the drawing takes the zoom.
    void SetPercent(UINT nPercent);
    UINT GetPrintPaper() const { return m_nPrintPaper; }
    void SetPrintPaper(UINT nPrintPaper) { m_nPrintPaper = nPrintPaper; }
    UINT GetMetaFileA() const { return m_nMetaFile; }
    void SetMetaFile(UINT nMetaFile) { m_nMetaFile = nMetaFile; }
    int GetbRecieve() const { return m_bRecieve; }
    void SetbRecieve(int bRecieve) { m_bRecieve = bRecieve; }
    int GetModify() const { return m_bModify; }
    void SetModify(int bModify) { m_bModify = bModify; }

protected:
    // Empties the window: deletes the layout and the face lists, and resets
    // the settings to their first values.
    virtual void InitMember();
    // Builds the face lists from the layout's templates: face 0 from the
    // outside templates at the first face's origin, then faces 1 .. n from
    // the face templates at each face's origin.
    virtual void CreateList();

public:
    // Nonzero when a layout is loaded.
    virtual int IsPrintForm();
    // The reference id of the window; 0 in the base.
    virtual UINT GetFromID();
    // A click at a point of the face; nothing in the base.
    virtual void ClickDisp(CPoint point);
    // Takes a sub-form window into keeping; nothing in the base.
    virtual void AddMirtBaseSub(CMirtBaseSub* pSub);
    // Repaints the field's area, or the whole face for null; nothing in the base.
    virtual void RedrawAria(CNPropObj* pField);
    // The number a serial-number field of nOrder shows (nValue 0: the next
    // one); 0, no number, in the base.
    virtual UINT SetNumberCount(UINT nOrder, UINT nValue);
    // Forgets the serial-number counters; nothing in the base.
    virtual void ClearNumberCount();

protected:
    CNMirtLayoutData* m_pLayout;
    CWnd* m_pParentWnd;         // not owned
    CSize m_sizeMargin;         // 0.1 mm, added to printed positions
    UINT m_nPercent;            // zoom, 100 = actual size
    int m_bRecieve;             // kept for the host
    UINT m_nWndKind;            // 1, reference windows 2
    UINT m_nPrintPaper;         // nonzero: printing on blank paper
    UINT m_nMetaFile;
    int m_bModify;
    CObList m_listMen;          // CPropData, one per face
    RECT m_rectAria;            // pixels: the layout's area, zoomed and offset
    RECT m_rectSecond;          // pixels: the layout's third rectangle, zoomed and offset
    RECT m_rectThird;           // pixels: the layout's second rectangle
    CNPropObj* m_pCurPropObj;   // the field with the input focus, not owned

    // MsgUserSetGrp: the field of the group's face with the member order
    // lParam takes the group (wParam) as a link.
    afx_msg LRESULT OnUserSetGrp(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    // A face list of clones of the templates, offset by the origin.
    static CPropData* CloneTemplates(const CObList& listTemplates, UINT nMen, CPoint ptOrigin);
};

#pragma pack(pop)
