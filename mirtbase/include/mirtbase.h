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

#pragma pack(push, 4)

class MIRT_API CMirtBase : public CWnd
{
    DECLARE_DYNAMIC(CMirtBase)
public:
    CMirtBase();
    // Leaves the face lists' fields and the layout to the derived classes.
    ~CMirtBase() override;

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
    void SetPercent(UINT nPercent) { m_nPercent = nPercent; }
    UINT GetPrintPaper() const { return m_nPrintPaper; }
    void SetPrintPaper(UINT nPrintPaper) { m_nPrintPaper = nPrintPaper; }
    UINT GetMetaFileA() const { return m_nMetaFile; }
    void SetMetaFile(UINT nMetaFile) { m_nMetaFile = nMetaFile; }

    // Nonzero when a layout is loaded.
    virtual int IsPrintForm();
    // The reference id of the window; 0 in the base.
    virtual UINT GetFromID();
    // Takes a sub-form window into keeping; nothing in the base.
    virtual void AddMirtBaseSub(CMirtBaseSub* pSub);
    // Repaints the field's area, or the whole face for null; nothing in the base.
    virtual void RedrawAria(CNPropObj* pField);
    // The number a serial-number field of nOrder shows (nValue 0: the next
    // one); 0, no number, in the base.
    virtual UINT SetNumberCount(UINT nOrder, UINT nValue);

protected:
    CNMirtLayoutData* m_pLayout;
    CWnd* m_pParentWnd;         // not owned
    CSize m_sizeMargin;         // 0.1 mm, added to printed positions
    UINT m_nPercent;            // zoom, 100 = actual size
    UINT m_nPrintPaper;         // nonzero: printing on blank paper
    UINT m_nMetaFile;
    CObList m_listMen;          // CPropData, one per face
};

#pragma pack(pop)
