// CNPropWndDoc: the entry window of the text fields over a text document of
// the multimedia object library, subclassed: the document edits, this
// window moves the value in and out, moves between fields on Enter and
// Tab, and does the clipboard commands. CNPropWndDocNum takes only the
// characters of a number and stores the number in its field's form.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObj;
class CNPropObjDocNum;

#pragma pack(push, 4)

class MIRT_API CNPropWndDoc : public CWnd, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndDoc)
public:
    CNPropWndDoc();
    // Unsubclasses the document and destroys it.
    ~CNPropWndDoc() override;

    void DoDataExchange(CDataExchange* pDX) override;

    CNPropObj* m_pField;

    // The document's whole text, empty when it cannot be read.
    static CString ReadAllText(HWND hDoc);
    // Whether the document has a selection.
    static BOOL HasSelection(HWND hDoc);
    // The document's selection to the clipboard as CF_TEXT; FALSE, nothing
    // copied, without a selection or when the clipboard cannot be had.
    static BOOL CopySelection(HWND hDoc);
    // The clipboard's CF_TEXT, bounded by its block and cut at its first
    // zero; FALSE when there is none or the clipboard does not open.
    static BOOL ReadClipboardText(HWND hOwner, CString& strText);
    // The text alone on the clipboard as CF_TEXT.
    static void PutClipboardText(HWND hOwner, const CString& strText);
    // Enter and Tab in the document of pField: MsgUserMove posted to
    // hTarget. Enter moves only in a field without a loaded form, back with
    // Shift, on once the document holds the field's row limit (any count
    // without one). TRUE when the key moved.
    static BOOL MoveOnKey(HWND hTarget, HWND hDoc, CNPropObj* pField, UINT nChar);

protected:
    // The field the window serves (the numeric window's own pointer).
    virtual CNPropObj* Field() const;
    // The value as the field stores it.
    virtual CString ValueToStore(const CString& strText) const;
    // Whether a typed character other than Enter and Tab goes in.
    virtual BOOL AcceptsChar(UINT nChar) const;

    void OnDataCommand(BOOL bSave) override;
    void OnListCommand(BOOL bSave) override;
    void OnResetCommand() override;
    void OnLockCommand(BOOL bSave) override;
    void OnEditCommand(UINT nCommand) override;

    // Replaces the whole text with strText.
    void ReplaceAll(const CString& strText);
    // The clipboard's text in place of the selection; the clipboard keeps it.
    void Paste();
    BOOL IsDesignMode() const;
    void ShowMenu(CPoint ptScreen);

    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEnterSizeMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryField(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class MIRT_API CNPropWndDocNum : public CNPropWndDoc
{
    DECLARE_DYNAMIC(CNPropWndDocNum)
public:
    CNPropWndDocNum();

    CNPropObjDocNum* m_pNumField;

    // The text in the field's form: with a format kind of 1 to 5 the
    // leading number of the text with no decimals for number kind 0, else
    // two; otherwise (and for an empty text) the text as it is.
    static CString FormatNumber(const CString& strText, int nFormatKind, int nNumKind);

protected:
    CNPropObj* Field() const override;
    CString ValueToStore(const CString& strText) const override;
    // Digits and "-", and "." unless the number kind is 0.
    BOOL AcceptsChar(UINT nChar) const override;
};

#pragma pack(pop)
