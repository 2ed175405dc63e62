#include "quorix.h"

#include "afxseam.h"

#include "mirtbaseprtfrm.h"

namespace {

const char kNoPaper[] = "様式番号 %u\nこの様式の用紙の情報がありません。";
const char kPaper[] = "様式番号 %u\n対応用紙: 幅 %d.%d mm × 高さ %d.%d mm";

}  // namespace

CString CQuorix::PaperText(UINT nLayoutID)
{
    CMirtBasePrtFrm layout;
    CString strText;
    const CSize size = layout.SetFormat(nLayoutID) != 0 ? layout.GetAriaRectM().Size() : CSize(0, 0);
    const int nWidth = static_cast<int>(size.cx);
    const int nHeight = static_cast<int>(size.cy);
    if (nWidth <= 0 || nHeight <= 0)
        strText.Format(kNoPaper, nLayoutID);
    else
        strText.Format(kPaper, nLayoutID, nWidth / 10, nWidth % 10, nHeight / 10, nHeight % 10);
    return strText;
}

void CQuorix::CallQuorix(CString strTitle, UINT nLayoutID)
{
    AfxShowMessageBox(::GetActiveWindow(), PaperText(nLayoutID), strTitle, MB_OK | MB_ICONINFORMATION);
}
