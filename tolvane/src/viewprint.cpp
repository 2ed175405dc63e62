// CTolvaneView: printing.
#include "tolvaneview.h"
#include "papermatch.h"

namespace {

const char kNoPrinter[] = "プリンタドライバが見つかりません。処理を中止します\n";

}  // namespace

BOOL CTolvaneView::MatchPrinterPaper()
{
    PRINTDLGA pd = {};
    pd.lStructSize = sizeof pd;
    if (!AfxGetApp()->GetPrinterDeviceDefaults(&pd) || pd.hDevMode == nullptr) {
        AfxMessageBox(kNoPrinter);
        return FALSE;
    }
    auto* pNames = static_cast<DEVNAMES*>(GlobalLock(pd.hDevNames));
    auto* pMode = static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode));
    if (pNames != nullptr && pMode != nullptr)
        MatchPaper(m_rectForm.Width(), m_rectForm.Height(), ReadPaperLists(pNames, pMode), *pMode);
    GlobalUnlock(pd.hDevMode);
    GlobalUnlock(pd.hDevNames);
    return TRUE;
}
