#include "frame/imagetoolbarctrl.h"

#include <afxdocview.h>
#include <afxext.h>
#include <afxtoolbarres.h>

BEGIN_MESSAGE_MAP(CImageToolBarCtrl, CToolBarCtrl)
    ON_NOTIFY_EX_RANGE(TTN_GETDISPINFOA, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

namespace {

const int kImageBarSeparatorWidth = 8;
const int kImageBarMaxTip = 256;

}  // namespace

BOOL CImageToolBarCtrl::LoadToolBar(UINT nIDResource)
{
    AFX_TOOLBARDATA data;
    if (!AfxReadToolBarResource(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource), data))
        return FALSE;
    int nImages = 0;
    for (int i = 0; i < data.wItemCount; ++i)
        nImages += data.pItems[i] != 0 ? 1 : 0;
    if (::FindResourceA(AfxGetResourceHandle(), MAKEINTRESOURCEA(nIDResource), RT_BITMAP) == nullptr ||
        AddBitmap(nImages, nIDResource) < 0)
        return FALSE;
    for (int i = GetButtonCount(); i-- > 0;)
        DeleteButton(i);
    int iImage = 0;
    for (int i = 0; i < data.wItemCount; ++i) {
        const UINT nID = data.pItems[i];
        TBBUTTON button = {};
        button.idCommand = static_cast<int>(nID);
        if (nID == 0) {
            button.iBitmap = kImageBarSeparatorWidth;
            button.fsStyle = TBSTYLE_SEP;
        } else {
            button.iBitmap = iImage++;
            button.fsState = TBSTATE_ENABLED;
            button.fsStyle = TBSTYLE_BUTTON;
        }
        if (!AddButtons(1, &button))
            return FALSE;
    }
    SetBitmapSize(CSize(data.wWidth, data.wHeight));
    SetButtonSize(CSize(data.wWidth + 7, data.wHeight + 7));
    return TRUE;
}

BOOL CImageToolBarCtrl::OnToolTipText(UINT nID, NMHDR* pNMHDR, LRESULT* pResult)
{
    char szString[kImageBarMaxTip + 1] = "";
    ::LoadStringA(AfxGetResourceHandle(), nID, szString, sizeof szString);
    CString strTip;
    AfxExtractSubString(strTip, szString, 1);
    NMTTDISPINFOA* pInfo = reinterpret_cast<NMTTDISPINFOA*>(pNMHDR);
    lstrcpynA(pInfo->szText, strTip, ARRAYSIZE(pInfo->szText));
    pInfo->lpszText = pInfo->szText;
    *pResult = 0;
    if (CFrameWnd* pFrame = GetParentFrame(); pFrame != nullptr)
        pFrame->SendMessage(WM_SETMESSAGESTRING, nID);
    return TRUE;
}
