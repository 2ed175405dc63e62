// CNPropWndCalnd: the display window of a calendar field. The field draws
// the calendar, the window frames it in red; a click or Enter opens the
// field's own settings.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObjCalnd;

#pragma pack(push, 4)

class MIRT_API CNPropWndCalnd : public CWnd, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndCalnd)
public:
    CNPropWndCalnd();
    ~CNPropWndCalnd() override;

    void DoDataExchange(CDataExchange* pDX) override;

    CNPropObjCalnd* m_pField;

protected:
    // Loading the value or the list repaints the window at once.
    void OnDataCommand(BOOL bSave) override;
    void OnListCommand(BOOL bSave) override;

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg LRESULT OnQueryClipBoard(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
