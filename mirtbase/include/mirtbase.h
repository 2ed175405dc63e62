// CMirtBase: the window base of every form window. It holds a form layout
// and the face lists of fields built from it, shows the fields at a zoom
// and offset, finds fields by order number, copies fields to and from the
// clipboard and the new-field template files, and relays picture requests
// to the host program's main window. A CMirtBase may live without a window of
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
    // into a new layout; when it loaded whole, InitMember, the new layout,
    // then CreateList. 0, keeping everything the window had, when the file
    // does not open or does not read (the exception is not passed on).
    int SetFormat(UINT nLayoutID);
    // A new layout that copies pLayout's settings, strings and geometry (no
    // templates) in place of the held one; the face lists stay. 0 for null.
    int SetFormat(CNMirtLayoutData* pLayout);

    // The loaded layout's id, 0 without one.
    UINT GetLayoutID() const;
    // The number of faces, 0 without a layout.
    UINT GetMenCount() const;
    // The layout's area in layout units (0.1 mm); empty without a layout.
    CRect GetAriaRectM() const;
    // 1 when the layout's table first order, last order and rows are all set.
    int IsTableData() const;
    // The layout's table part; 0 without a layout.
    UINT GetTableFirstOrder() const;
    UINT GetTableLastOrder() const;
    UINT GetTableLine() const;
    // The first field with nOrder over the face lists in list order.
    CNPropObj* GetPropObjByOrder(UINT nOrder) const;
    // The field with nOrder in the first face list of face number nMen.
    CNPropObj* GetPropObjByOrder(UINT nOrder, UINT nMen) const;
    // The first field with nOrder in the face list that holds pField.
    CNPropObj* GetPropObjByOrder(CNPropObj* pField, UINT nOrder) const;
    // Null: the base keeps no neighbours.
    CNPropObj* GetPropObjNP(CNPropObj* pField, int nWhich);
    // Draws every field of every face list as on the screen; 1.
    int DrawFormat(CDC* pDC);
    // Keys of the form; nothing in the base.
    void KeyPressDisp(UINT nChar, int nFlags);

    // Picture requests to the main window. Paths and names of
    // MIRT_PICTURE_PATH bytes or more are not sent. CopyPicture asks it to
    // copy the picture file; PastePicture gives the path it pastes (empty
    // when none, or when it filled the buffer without a terminating zero);
    // DrawPicture draws the named picture into rect of pDC and SetPicture
    // loads the file: 1 when done, 0 also without a main window.
    void CopyPicture(const CString& strPath);
    void PastePicture(CString& strPath);
    int DrawPicture(CDC* pDC, CRect& rect, const CString& strName, int nFlag);
    int SetPicture(const CString& strPath);

    // New-field templates. MakeFile stores the fields of the orders (those
    // found) as "DocTateFile" in the current folder; ReadFile gives a new
    // field, the first of the template file of the kind under the install
    // root's "\Data\Other\NewObject\" (1 "DocYokoFile", 2 "DocTateFile",
    // else "PicFile"), null when the file is missing or holds no field.
    void MakeFile(CUIntArray* pOrders);
    CNPropObj* ReadFile(UINT nKind);

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
    UINT GetUsrNo() const { return m_nUsrNo; }
    void SetUsrNo(UINT nUsrNo) { m_nUsrNo = nUsrNo; }
    // The pixel rectangles of ChangeRectPix.
    CRect GetThirdRectPix() const { return m_rectThird; }
    CRect GetAriaRectPix() const { return m_rectAria; }

protected:
    // Empties the window: deletes the layout and the face lists, and resets
    // the settings to their first values.
    virtual void InitMember();
    // Builds the face lists from the layout's templates: face 0 from the
    // outside templates at the first face's origin, then faces 1 .. n from
    // the face templates at each face's origin.
    virtual void CreateList();
    // CreateList's face lists with the outside templates at ptOutside; needs
    // a layout.
    void BuildFaceLists(CPoint ptOutside);
    // The serial-number counters and the fields cleared for a new page
    // (nFlag: reloading the entry windows, which needs a window); not
    // modified. Nothing without a layout.
    void ClearPageData(int nFlag);

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
    // The pixel rectangles, with a parent window and a layout, through the
    // parent's client context: the area and the layout's third rectangle
    // zoomed by the percent and offset by the margin; the layout's second
    // rectangle as it is.
    void ChangeRectPix();

    // The field clipboard "CF_VLMPROP", owned by this window or else the
    // parent window (nothing without either). The writer puts the fields of
    // the orders (those found, in array order) on it; the reader gives new
    // fields that the caller owns, or null: nothing there, an empty list,
    // or anything but whole fields.
    void PropObjToClipboard(CUIntArray* pOrders);
    CPtrArray* PropObjFromClipboard();

    // Handler bodies that the form windows' message maps share.
    // MsgUserModify: the window is modified; 0.
    afx_msg LRESULT OnUserModify(WPARAM wParam, LPARAM lParam);
    // MsgUserSetGrp: the field of the group's face with the member order
    // lParam takes the group (wParam) as a link.
    afx_msg LRESULT OnUserSetGrp(WPARAM wParam, LPARAM lParam);
    // MsgUserClipBoard: a child window of this one (lParam) takes clipboard
    // action wParam (1..6) as its window command; 0.
    afx_msg LRESULT OnUserClipBoard(WPARAM wParam, LPARAM lParam);
    // MsgFieldKey: the key record is deleted; 0.
    afx_msg LRESULT OnFieldKey(WPARAM wParam, LPARAM lParam);
    // MsgUserMove over a focus list: the field after pField (bNext) or
    // before it that takes the focus, wrapping at the ends; null when pField
    // is null or not in the list, or no other field takes the focus.
    static CNPropObj* GetMoveTarget(const CObList& listFocus, CNPropObj* pField, BOOL bNext);
    // The first field of a focus list that takes the focus; null for none.
    static CNPropObj* GetFirstTarget(const CObList& listFocus);
    // A field with no entry window (a barcode, which the program fills)
    // never takes the focus.
    static BOOL TakesFocus(const CNPropObj* pField);

    CNMirtLayoutData* m_pLayout;
    CWnd* m_pParentWnd;         // not owned
    CSize m_sizeMargin;         // 0.1 mm, added to printed positions
    UINT m_nPercent;            // zoom, 100 = actual size
    int m_bRecieve;             // kept for the host
    UINT m_nWndKind;            // 1, reference windows 2
    UINT m_nUsrNo;              // kept for the host
    UINT m_nPrintPaper;         // nonzero: printing on blank paper
    UINT m_nMetaFile;
    int m_bModify;
    CObList m_listMen;          // CPropData, one per face
    RECT m_rectAria;            // pixels: the layout's area, zoomed and offset
    RECT m_rectSecond;          // pixels: the layout's third rectangle, zoomed and offset
    RECT m_rectThird;           // pixels: the layout's second rectangle
    CNPropObj* m_pCurPropObj;   // the field with the input focus, not owned

    DECLARE_MESSAGE_MAP()

private:
    // A face list of clones of the templates, offset by the origin.
    static CPropData* CloneTemplates(const CObList& listTemplates, UINT nMen, CPoint ptOrigin);
    // The fields of the orders that are found, in array order.
    void CollectFields(const CUIntArray* pOrders, CObList& listFields) const;
    // The window the clipboard is opened on: this one, else the parent.
    CWnd* GetClipboardWnd() const;
};

#pragma pack(pop)
