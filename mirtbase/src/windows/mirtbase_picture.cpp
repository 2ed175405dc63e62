// Picture requests of the form windows to the host program's main window.
#include "mirtbase.h"

#include <cstring>

#include "mirtmsgs.h"

namespace {

// Paths and names the main window takes: shorter than its buffers.
bool FitsHostBuffer(const CString& strText)
{
    return strText.GetLength() < MIRT_PICTURE_PATH;
}

// Sends the request to the main window; false, sending nothing, without one.
bool SendToMainWnd(UINT nMessage, WPARAM wParam, LPARAM lParam, LRESULT* pReply)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd == nullptr || pMainWnd->GetSafeHwnd() == nullptr)
        return false;
    *pReply = pMainWnd->SendMessage(nMessage, wParam, lParam);
    return true;
}

WPARAM TextParam(const CString& strText)
{
    return reinterpret_cast<WPARAM>(static_cast<LPCSTR>(strText));
}

}  // namespace

void CMirtBase::CopyPicture(const CString& strPath)
{
    LRESULT nReply = 0;
    if (FitsHostBuffer(strPath))
        SendToMainWnd(MsgCopyPicture, TextParam(strPath), 0, &nReply);
}

void CMirtBase::PastePicture(CString& strPath)
{
    char szPath[MIRT_PICTURE_PATH] = {};
    LRESULT nReply = 0;
    if (!SendToMainWnd(MsgPastePicture, reinterpret_cast<WPARAM>(szPath), 0, &nReply))
        return;
    const bool bTerminated = std::memchr(szPath, 0, sizeof szPath) != nullptr;
    strPath = bTerminated ? szPath : "";
}

int CMirtBase::DrawPicture(CDC* pDC, CRect& rect, const CString& strName, int nFlag)
{
    tagDRAWPICTURE request = {pDC, &rect, &nFlag};
    LRESULT nReply = 0;
    return FitsHostBuffer(strName) &&
           SendToMainWnd(MsgDrawPicture, TextParam(strName), reinterpret_cast<LPARAM>(&request), &nReply) &&
           nReply == 1;
}

int CMirtBase::SetPicture(const CString& strPath)
{
    LRESULT nReply = 0;
    return FitsHostBuffer(strPath) && SendToMainWnd(MsgSetPicture, TextParam(strPath), 0, &nReply) && nReply == 1;
}
