// CSubScreenDlg: a modeless, sizable pop-up that shows a sub-form (a form
// window of another layout) and scrolls it when it does not fit. "閉じる"
// only hides it; the dialog owns the sub-form and deletes it with itself.
#pragma once
#include <afxdlgs.h>
#include "mirtapi.h"

class CMirtBase;

#pragma pack(push, 4)

class MIRT_API CSubScreenDlg : public CDialog
{
    DECLARE_DYNAMIC(CSubScreenDlg)
public:
    enum { SCROLL_LAST = 100, SCROLL_LINE = 5, SCROLL_PAGE = 10 };

    // The window size for a sub-form and the scroll bars it needs.
    struct Fit
    {
        CRect rcFrame;
        BOOL bVScroll;
        BOOL bHScroll;
    };

    explicit CSubScreenDlg(CWnd* pParent = nullptr);
    ~CSubScreenDlg() override;

    // Set before the window is made; owned from then on.
    void SetSubWnd(CMirtBase* pSubWnd) { m_pSubWnd = pSubWnd; }
    CMirtBase* GetSubWnd() const { return m_pSubWnd; }
    CRect GetSubRect() const { return m_rcSub; }

    // The frame the sub-form keeps (rcFrame) fitted to the screen and to
    // the form's extent (rcForm), with the scroll bars needed.
    static Fit FitFrame(CRect rcFrame, const CRect& rcForm, CSize sizeScreen);
    // The scroll position after a scroll code; -1 for a code that does
    // nothing (thumb tracking, ends of scrolling).
    static int ScrollTo(int nPos, UINT nSBCode, UINT nThumbPos);

protected:
    // Sizes the window for the sub-form and shows the scroll bars it needs.
    BOOL OnInitDialog() override;
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnCloseCommand();
    DECLARE_MESSAGE_MAP()

private:
    // Moves the sub-form by the scroll from nOld to nNew on bar nBar.
    void Scroll(int nBar, UINT nSBCode, UINT nPos);

    CMirtBase* m_pSubWnd;
    CRect m_rcSub;   // the sub-form in the client area
};

#pragma pack(pop)
