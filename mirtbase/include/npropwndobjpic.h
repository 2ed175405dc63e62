// CNPropWndObjPic: the entry window of a picture field (and of a calendar
// in layout mode) over a picture object of the multimedia object library,
// subclassed; it loads the picture file into the object.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CNPropWndObjPic : public CWnd, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndObjPic)
public:
    CNPropWndObjPic();
    // Unsubclasses the picture object and destroys it.
    ~CNPropWndObjPic() override;

    void DoDataExchange(CDataExchange* pDX) override;

    CNPropObj* m_pField;

protected:
    // Load: the value's picture (a file name from the "\DATA\RCV\" folder).
    void OnDataCommand(BOOL bSave) override;
    // Load: the first item's picture from the "\DATA\Defbmp\" folder.
    void OnListCommand(BOOL bSave) override;
    // Command 3 does nothing here.
    void OnLockCommand(BOOL bSave) override;

    // Loads the file into the picture object through its whiteboard; a
    // failed load changes nothing.
    void LoadPicture(const CString& strPath);
    BOOL IsDesignMode() const;
    CString Value() const;
    void ShowMenu(CPoint ptScreen);

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg LRESULT OnNcRButtonDown(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnEnterSizeMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnQueryField(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
