// In-place editing of a text field: CNPropWndWB is a whiteboard of the
// multimedia object library put around the field's rectangle, subclassed,
// with a coloured frame; it reports the first change and keeps the text
// inside the rectangle. CNPropWndEdt, its editor, is the text document on
// it, subclassed: it takes the characters of the whiteboard's number kind,
// stores the value in that kind's form, and keeps one undo state.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObj;
class CNPropWndEdt;

#pragma pack(push, 4)

class MIRT_API CNPropWndWB : public CWnd
{
    DECLARE_DYNAMIC(CNPropWndWB)
public:
    // Number kinds of the editor.
    enum
    {
        KIND_NONE = 0,      // no typed character
        KIND_TEXT = 1,
        KIND_DECIMAL = 2,   // two decimals
        KIND_WHOLE = 3,
        KIND_DIGITS = 4,    // digits and "-", stored as typed
        KIND_SIX_DIGITS = 5
    };
    // Frame kinds: 3 green, 2 blue, others red.
    enum { FRAME_BLUE = 2, FRAME_GREEN = 3 };
    enum { WB_CONTROL_ID = 6920 };

    CNPropWndWB();
    // Deletes the editor, unsubclasses the whiteboard and destroys it.
    ~CNPropWndWB() override;

    using CWnd::Create;
    // The whiteboard two pixels around the field rectangle on pParent (the
    // form window, or the host window of one that has none): its window, or
    // null (nothing left) when pParent has no window or the whiteboard
    // cannot be made or subclassed.
    HWND Create(int nLeft, int nTop, int nRight, int nBottom, CWnd* pParent, CNPropObj* pField, int nNumKind,
        int nFrameKind);
    // A new editor over the document in place of the old one; 1, or 0 for
    // null and for a document that cannot be subclassed (it is destroyed).
    int AttachDoc(HWND hDoc);
    // Hands the window command to the editor.
    void DoDataExchange(CDataExchange* pDX) override;

    CNPropWndEdt* GetEditor() const { return m_pEditor; }
    CNPropObj* GetField() const { return m_pField; }
    int GetNumKind() const { return m_nNumKind; }

protected:
    afx_msg LRESULT OnZebCmd(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserRovf(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

    CNPropWndEdt* m_pEditor;    // owned
    CNPropObj* m_pField;
    int m_nNumKind;
    int m_bModifyPosted;        // MsgUserModify went out
};

class MIRT_API CNPropWndEdt : public CWnd, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndEdt)
public:
    CNPropWndEdt();
    // Unsubclasses the document; the whiteboard destroys it.
    ~CNPropWndEdt() override;

    void DoDataExchange(CDataExchange* pDX) override;

    // The text in the form of number kind nKind (nFieldNumKind: the field's
    // own number kind, 2 trimming the zeros typed text did not have).
    static CString StoreValue(const CString& strText, int nKind, int nFieldNumKind);
    // The number v as number kind nKind shows it: kind 5 six digits, kind 3
    // the whole part, kind 2 two decimals, rounded as the numeric text
    // window rounds them.
    static CString FormatNumber(double v, int nKind);
    static BOOL IsNumberKind(int nKind);

    CNPropWndWB* m_pWB;
    CString m_strUndo;
    int m_bUndoEmpty;

protected:
    CNPropObj* Field() const;
    int NumKind() const;
    // The undo state becomes the whole text.
    void KeepUndo();
    void ReplaceAll(const CString& strText);
    void Paste();
    BOOL AcceptsChar(UINT nChar) const;
    BOOL CanDo(int nAction);
    void ShowMenu(CPoint ptScreen);

    void OnDataCommand(BOOL bSave) override;
    void OnListCommand(BOOL bSave) override;
    void OnResetCommand() override;
    void OnLockCommand(BOOL bSave) override;
    void OnEditCommand(UINT nCommand) override;

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg LRESULT OnImeChar(WPARAM wParam, LPARAM lParam);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg LRESULT OnUserSetFocus(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
