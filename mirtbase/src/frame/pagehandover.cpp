#include "frame/pagehandover.h"

#include "dialogs/titleinputdlg.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"

namespace {

const char kTitlePrompt[] = "◆タイトルを入力してください";
const char kUntitled[] = "Untitled";
// Index strings 9 and 10 take the date and time of the hand-over.
const int kIndexFirstDate = 8;
const int kIndexLastDate = 9;

}  // namespace

void MirtMakePageHeader(CNMirtDoc* pHeld, const CNMirtLayoutData& layout, tagNMIRTDOC& record)
{
    if (pHeld != nullptr) {
        pHeld->GetMIRTDOC(&record, 1);
        return;
    }
    tagNMIRTDOCHEAD& head = record.head;
    head.h0 = 0;
    head.date = COleDateTime::GetCurrentTime();
    head.h16 = 0;
    head.h20 = 1;
    head.h24 = 3;
    head.nLayoutID = layout.m_nLayoutID;
    head.h32 = layout.m_dwSettingB;
    head.h36 = 0;
    head.h40 = 2;
    head.h44 = head.h48 = head.h52 = 0;
}

BOOL MirtAskPageTitle(CWnd* pParent, CString& strTitle)
{
    CResourceHandleSwitch resources;
    CTitleInputDlg dialog(pParent);
    dialog.m_strPrompt = kTitlePrompt;
    dialog.m_strTitle = strTitle;
    if (dialog.DoModal() != IDOK)
        return FALSE;
    strTitle = dialog.m_strTitle.IsEmpty() ? CString(kUntitled) : dialog.m_strTitle;
    return TRUE;
}

void MirtStampPageDates(tagNMIRTDOC& record)
{
    const CString strNow = COleDateTime::GetCurrentTime().Format();
    if (record.strIndex[kIndexFirstDate].IsEmpty())
        record.strIndex[kIndexFirstDate] = strNow;
    record.strIndex[kIndexLastDate] = strNow;
}

CNMirtDoc* MirtHandOverPage(CNMirtDoc*& pHeld, int bBBS, tagNMIRTDOC& record, CNMirtLayoutData* pLayout,
    CObList& listMen)
{
    CNMirtDoc* pDoc = pHeld;
    pHeld = nullptr;
    if (pDoc == nullptr || bBBS) {
        delete pDoc;
        pDoc = bBBS ? new CNMirtDocBBS : new CNMirtDoc;
    }
    pDoc->SetMIRTDOC(&record, 1);
    pDoc->SetFormat(pLayout);
    pDoc->SetList(&listMen);
    return pDoc;
}
