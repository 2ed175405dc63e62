// CMirtBaseMen: one face of a form as the host shows it for entry or layout
// editing, usually without a window of its own (its fields' entry windows
// are children of the host's parent window). It is filled from the print
// frame and hands every change back to it; it moves the focus between its
// fields, applies font and spacing records, reports and sets field
// rectangles, copies, pastes and deletes whole fields through "CF_VLMPROP",
// and applies settings to all its fields at once.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include "mirtbase.h"

class CMirtBasePrtFrm;
class CAllFieldFlags;
struct AllFieldQuery;
struct tagSPACEINFO;

#pragma pack(push, 4)

// A field's rectangle for the layout editor, made with new.
struct SelectedRectRecord
{
    UINT nOrder;
    RECT rect;        // pixels
};

class MIRT_API CMirtBaseMen : public CMirtBase
{
    DECLARE_DYNAMIC(CMirtBaseMen)
public:
    CMirtBaseMen();
    ~CMirtBaseMen() override;

    void SetMirtBasePrtFrm(CMirtBasePrtFrm* pPrtFrm) { m_pPrtFrm = pPrtFrm; }
    CMirtBasePrtFrm* GetMirtBasePrtFrm() const { return m_pPrtFrm; }

    // Every field makes its entry window under the parent window and loads
    // it (nFlag: the item list too); 0 without a layout or parent.
    int CreateWindowForGroup(int nFlag);
    // Every entry window goes; the face's own window too.
    void DestroyWindowAll();
    // With a window of its own: the free editable fields take their
    // rectangles back from their entry windows.
    void UpdateRectInfo();

    // Focus over the editable fields, wrapping at the ends. With a window of
    // its own the first field and the field by order pass over locked ones.
    void SetFirstField();
    void SetNextField();
    void SetPrevField();
    void SetFocusByOrderNo(UINT nOrder);
    UINT GetFocusOrderNo();
    // The last editable field that holds the point gets the focus.
    void ClickDisp(CPoint point) override;
    CNPropObj* GetCurrentField() const { return m_pCurPropObj; }

    // The record's in-range attributes on the focused field and the page;
    // takes the record over.
    void SetFontEtc(tagSPACEINFO* pInfo);
    // Attribute nKind (1 face name .. 12 pitch) of pInfo into each record of
    // pInfos, applied to the field of the same index in pOrders; the caller
    // keeps the records.
    void SetMultiFontEtc(CUIntArray* pOrders, CPtrArray* pInfos, UINT nKind, tagSPACEINFO* pInfo);
    // A new record of each field of the orders on the face (the caller
    // frees the array and the records).
    CPtrArray* GetMultiFontEtc(CUIntArray* pOrders);
    // MsgUserSetGrp relayed by the host with its parameters: the member
    // (order lOrder) of the group's (wGroup) face takes the group as a link.
    void SetUsrGrp(WPARAM wGroup, LPARAM lOrder);

    // New SelectedRectRecords of the editable fields (bSkipLocked: the
    // locked ones left out); the caller frees them with DeleteArray.
    CPtrArray* GetSelectedRect(int bSkipLocked);
    // Moves the fields whose records differ; frees the records and the array.
    void SetSelectedRect(CPtrArray* pRecords);
    static void DeleteArray(CPtrArray* pRecords);

    // Clipboard actions (MIRT_CLIP_) on an entry window, or on whole
    // fields; the orders array is taken over.
    void SetUserClipBoard(CWnd* pEntry, DWORD dwAction);
    int IsUserClipBoard(CWnd* pEntry, DWORD dwAction);
    void SetUserClipBoard(CUIntArray* pOrders, DWORD dwAction);
    int IsUserClipBoard(DWORD dwAction);

    // The editable field named exactly strName; null for an empty name.
    CNPropObj* SearchFieldByFldName(CString strName);
    // The print frame's number; 0 without one.
    UINT SetNumberCount(UINT nOrder, UINT nValue) override;
    // Repaint requests to the parent window: the field's rectangles, or the
    // whole face for null; the field's value goes to the print frame.
    void RedrawAria(CNPropObj* pField) override;

    // All-field settings: each field that has the setting, then the page.
    void SetUserAllAutoCalc(UINT nOn);
    void SetUserAllNum(UINT nKind);
    void SetUserAllPichRate(UINT nRate);
    void SetUserAllShadow(UINT nOn);
    void SetUserAllRowHeight(UINT nHeight);
    void SetUserAllModify(UINT nValue);
    // The value common to the face and the page, -1 when mixed, or the
    // not-applicable answer when no field has the setting.
    int IsUserAllAutoCalc();
    int IsUserAllNum();
    int IsUserAllPichRate();
    int IsUserAllShadow();
    int IsUserAllRowHeight();
    int IsUserAllModify();
    // The numeric fields with data recalculate their linked fields.
    void SetUserEventForData();
    // 1 when an editable field has automatic calculation.
    int IsPropObjDocNum();
    // A new field from template kind nKind (1 horizontal text, 2 vertical
    // text, else picture) at the face origin.
    void PasteObjFromFile(UINT nKind);
    // Every non-empty value is set again, so that the entry windows show it.
    void SetUserRealData();

protected:
    // A layout shared with the print frame is left to it.
    void InitMember() override;
    void SetUserFocus(CNPropObj* pField);
    void CopyPropObj(CUIntArray* pOrders);
    void PastePropObj();
    void DeletePropObj(CUIntArray* pOrders);
    void DeleteClearArray();
    int GetCurrentPropObj(CWnd*& pEntry, CNPropObj*& pField);
    void SetUserEvent(UINT nOrder);

    afx_msg LRESULT OnUserSetFocus(WPARAM wParam, LPARAM lParam);
    // The postal customer-barcode data of the fields "郵便番号" and "住所"
    // (lParam the mode) into the barcode field wParam, a field of the face.
    afx_msg LRESULT OnUserBarcode(WPARAM wParam, LPARAM lParam);

    CObList m_listFocus;            // CNPropObj, editable, not owned
    CMirtBasePrtFrm* m_pPrtFrm;     // not owned
    CPtrArray* m_pRemoved;          // CNPropObj taken out by the last delete, owned

    DECLARE_MESSAGE_MAP()

private:
    friend class CMirtBasePrtFrm;

    // The print frame's face: the clone becomes the only face list, the
    // layout is the frame's.
    void LoadFace(CNMirtLayoutData* pLayout, CMirtBasePrtFrm* pPrtFrm, CPropData* pFace);
    // Rectangles and values back from the entry windows; the first face
    // list, or null.
    CPropData* CommitFace();
    void CreateListEnter();
    // The next or previous focus-list field, wrapping; the first without one.
    void MoveFocus(BOOL bNext);
    // The data of the focus-list field of that name; empty without one.
    CString FieldText(LPCSTR pszName);
    BOOL IsFaceField(const CNPropObj* pField) const;
    // With a window of its own, locked fields are passed over.
    BOOL IsPassedOver(CNPropObj* pField) const;
    // The first focus-list field not passed over.
    CNPropObj* FirstFocusable() const;
    // The face list holding pField (the first with fewer than two lists).
    CPropData* MenOf(CNPropObj* pField) const;
    UINT MenNumberOf(CNPropObj* pField) const;
    // The face merged into the print frame.
    void MergeIntoFrame();
    // SaveFromControl, DestroyControl, FocusControl, LoadToControl (0).
    void RefreshCurrentControl();
    // The parent's child window that holds the focus goes on top of its
    // siblings, so that the host's first child is the field being typed in.
    void RaiseFocusedWindow();
    // A field joins the first face list at the face window.
    void AddNewField(CNPropObj* pField);
    // Every field of the face lists, found by order 0 .. highest, once.
    template <class Action>
    void ForEachField(Action action) const;
    template <class Action>
    void ForEachFocusField(Action action) const;
    // A face query: -1 when the face's or the page's values are mixed.
    int AnswerAll(const AllFieldQuery& query, int (*pfnAskFrame)(CMirtBasePrtFrm&, const CAllFieldFlags&));

    CNMirtLayoutData* m_pSharedLayout;   // the print frame's layout, not owned
};

#pragma pack(pop)
