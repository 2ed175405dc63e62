// CMirtBasePrtFrm: the print frame, one whole page of a form. It holds every
// face's fields built from the layout and the page document they came from,
// moves a page document in and out, copies one face into a face window and
// takes it back, draws the page on a device context and numbers the
// serial-number fields across printed copies. Its only window is a hidden
// dummy under the host's parent window.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include "mirtbase.h"

class CMirtBaseMen;
class CNMirtDoc;
struct tagSPACEINFO;
struct tagNMIRTDOC;

#pragma pack(push, 4)

class MIRT_API CMirtBasePrtFrm : public CMirtBase
{
    DECLARE_DYNAMIC(CMirtBasePrtFrm)
public:
    CMirtBasePrtFrm();
    ~CMirtBasePrtFrm() override;

    // A new page document from the fields and the held header (the caller
    // owns it; the frame no longer holds one). bBBS makes it a
    // bulletin-board page; bAskTitle asks for the title first, and a cancel
    // gives null and keeps the held document. Null without a layout.
    CNMirtDoc* GetData(int bBBS, int bAskTitle);
    // Takes pDoc and its face lists as the page. The previously held page,
    // rebuilt from the fields, comes back (the caller owns it), else null;
    // null also without a layout (pDoc stays the caller's then).
    CNMirtDoc* SetData(CNMirtDoc* pDoc);
    // The hidden window "DMYBASE" under the parent window; the fields that
    // carry data load their entry windows. 0 without a layout or parent.
    int CreateWindowDmy(int nUnused);
    // Clears the counters and the fields cleared for a new page (nFlag:
    // reloading the entry windows, which needs the frame's window).
    void ClearRealData(int nFlag);
    // The face origins, the area and the paper rectangle (0.1 mm) and
    // whether the form has two faces or more; 0 without a layout.
    int GetMenInfo(CArray<CPoint, CPoint>*& pOrigins, CRect& rectAria, CRect& rectSecond, int& bMulti);
    // Face nMen (1 .. face count) into the face window, moved to its origin.
    void SetMen(CMirtBaseMen* pMen, UINT nMen);
    // The face window's face back into face nMen: its fields replace the
    // frame's (bReplace) or only their values are taken.
    void GetMen(CMirtBaseMen* pMen, UINT nMen, int bReplace);
    // The data string of field nOrder of face nMen, then its repaint.
    void SetPropRealData(UINT nMen, UINT nOrder, CString& strText);
    // The record's in-range attributes on field nOrder of face nMen, then its
    // repaint; the record stays the caller's.
    void SetPropFontEtc(UINT nMen, UINT nOrder, tagSPACEINFO* pInfo);
    // Every field as on paper; 1.
    int DrawFormat(CDC* pDC);

    // The number serial field nOrder shows (nValue 0: the next one) by the
    // copy being printed; see SetCurrentCopyCount.
    UINT SetNumberCount(UINT nOrder, UINT nValue) override;
    void ClearNumberCount() override;
    // The copy being printed, 1, 2 ...; 0 on screen.
    void SetCurrentCopyCount(UINT nCopy) { m_nCurrentCopy = nCopy; }

    // All-field settings over the page's editable fields, as the face
    // window's of the same names.
    void SetUserAllAutoCalc(UINT nOn);
    void SetUserAllNum(UINT nKind);
    void SetUserAllPichRate(UINT nRate);
    void SetUserAllShadow(UINT nOn);
    void SetUserAllRowHeight(UINT nHeight);
    void SetUserAllModify(UINT nValue);
    // 1 when the page's values, together with the flags of the values the
    // caller has seen (one flag per counted value), are not mixed; else 0.
    int IsUserAllAutoCalc(int bOn, int bOff);
    int IsUserAllNum(int bKind0, int bKind1, int bKind2);
    int IsUserAllPichRate(int bRate0, int bRate1, int bRate2, int bRate3);
    int IsUserAllShadow(int bOff, int bOn);
    int IsUserAllRowHeight(int b10, int b12, int b15, int b20);
    int IsUserAllModify(int bFree, int bLocked);

    // The field whose value is the page title, or null.
    CNPropObj* GetTitleField() const { return m_pTitleField; }
    CNPropObj* GetCurrentField() const { return m_pCurPropObj; }

protected:
    void InitMember() override;
    void CreateList() override;

    void SetUserFocus(CNPropObj* pField);
    // The given field takes the data string of the field of its order in
    // every face list that has one.
    void ReSetRealData(CNPropObj* pField);
    // Repaints one field through the parent of the frame's window.
    void InvalidateRect(CNPropObj* pField);

    afx_msg LRESULT OnUserMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFirstField(WPARAM wParam, LPARAM lParam);

    CNPropObj* m_pTitleField;       // not owned
    CObList m_listFocus;            // CNPropObj, editable, not owned
    CNMirtDoc* m_pDoc;              // owned, or null
    CMap<UINT, UINT, UINT, UINT> m_mapNumber;   // order -> last serial number
    UINT m_nCurrentCopy;

    DECLARE_MESSAGE_MAP()

private:
    friend class CMirtBaseMen;

    // The face list of face number nMen; with fewer than two faces and none
    // so numbered, the last list (the face follows the outside fields).
    CPropData* FindMen(UINT nMen) const;
    // The origin of face nMen (1 .. face count).
    CPoint MenOrigin(UINT nMen) const;
    // The origin a face list's fields stand at: the first face's for the
    // fields outside the faces, the last face's beyond the face count.
    CPoint ListOrigin(UINT nMen) const;
    BOOL IsMenInRange(UINT nMen) const;
    // The focus list and the title field from the face lists.
    void CreateListEnter();
    // The frame's fields into pDoc: header, a layout copy and face lists.
    void FillDocument(CNMirtDoc* pDoc, tagNMIRTDOC& record);
    // The held header, or a new page's; nothing is replaced here.
    void MakeHeader(tagNMIRTDOC& record) const;
    // The title the user typed (or "Untitled" for none); FALSE on cancel.
    BOOL AskTitle(CString& strTitle) const;
    void DeleteFaceLists();
};

#pragma pack(pop)
