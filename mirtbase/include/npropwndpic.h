// CNPropWndPic: the focus window of a picture field, in which the owner
// form window's host draws the picture the value names. It takes the
// picture clipboard, undo and delete.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CMirtBase;
class CNPropObjPic;

#pragma pack(push, 4)

class MIRT_API CNPropWndPic : public CWnd, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndPic)
public:
    CNPropWndPic();
    ~CNPropWndPic() override;

    void DoDataExchange(CDataExchange* pDX) override;

    // The registered clipboard format of picture file names.
    static const char kPictureFormat[];

    CNPropObjPic* m_pField;
    CString m_strUndo;        // the value before the last change
    int m_bUndoEmpty;         // 1 until a value was kept for undo

protected:
    // Load: the value's picture loaded by the owner, repainted.
    void OnDataCommand(BOOL bSave) override;
    // Load: the default picture loaded by the owner.
    void OnListCommand(BOOL bSave) override;
    // Command 3 does nothing here.
    void OnLockCommand(BOOL bSave) override;
    // Cut, copy, paste, undo and delete of the picture.
    void OnEditCommand(UINT nCommand) override;

    CMirtBase* Owner() const;
    CString Value() const;
    // The value becomes the undo string, strValue the value.
    void ReplaceValue(const CString& strValue);
    void Cut();
    void Copy();
    void Paste();
    // The file name of "CF_VLMDIB" data into strName: TRUE when the format
    // was there with data (the paste ends there), FALSE to ask the owner.
    BOOL PasteFileName(CString& strName);
    void Undo();
    void Delete();
    // The clipboard actions possible now, for the query and the menu.
    BOOL CanDo(UINT nAction) const;
    void ShowMenu(CPoint ptScreen);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
