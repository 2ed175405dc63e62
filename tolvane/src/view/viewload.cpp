// CTolvaneView: the rebuild of the form windows at every form load and
// page change (a registered form's layout from its ".ORG" file), and the
// zoom and scroll sizes of the form.
#include <memory>

#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtfileio.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "nmirtlayoutdata.h"
#include "nmirtdoc.h"
#include "strel95data.h"
#include "app/tolvaneapp.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

namespace {

// Screen pixels of 1000 layout units (0.1 mm) at 100 %.
const int kPixelsPer1000 = 378;
const int kZoomSteps[] = {25, 40, 60, 80, 100, 120, 140, 160, 180, 200};
const int kZoomStepCount = static_cast<int>(sizeof(kZoomSteps) / sizeof(kZoomSteps[0]));

const char kPageShowNoMemory[] =
    "メモリ不足により、ページの表示に失敗しました。\n起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kShowNoMemory[] =
    "メモリ不足により、表示に失敗しました。\n起動中の他のｱﾌﾟﾘｹｰｼｮﾝを終了し､再度操作を行ってみてください。";
const char kLayoutReadFailed[] = "ファイルの読み込みに失敗しました";
const char kPageBuildFailed[] = "ページ作成に失敗しました。";
const char kUserFormMissing[] = "対応するフォームが存在しませんでした。\nピックアップフォームの設定が正しくありません。\n"
                                "デフォルトフォームとして開きます。";
const char kOlderWarning[] =
    "このファイルは旧製品（テッサロ1またはテッサロ2）の旧バージョンのファイルです。\n"
    "罫線が正しく表示されない場合があります。\nまた、変更した内容は保存できません。";

int ToPixels(int nUnits)
{
    return nUnits * kPixelsPer1000 / 1000;
}

// The registered form's file object (a form data file) and its version
// byte; null when the file is missing or unreadable.
CMirtFileIO* ReadUserFormFile(UINT nLayoutID, char& cVersion)
{
    CMirtEnv env;
    CString strPath;
    strPath.Format("%s\\DATA\\ORG\\%u.ORG", static_cast<LPCSTR>(env.m_strInstallRoot), nLayoutID);
    try {
        CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
        CArchive ar(&file, CArchive::load, 4096);
        std::unique_ptr<CMirtFileIO> pFile(CTolvaneDoc::ReadBody(ar, cVersion));
        ar.Close();
        return pFile.release();
    } catch (CException* e) {
        e->Delete();
        return nullptr;
    }
}

CNMirtDoc* FirstPage(CMirtFileIO& file)
{
    CStrel95Data* pData = file.GetStrelData();
    if (pData == nullptr || pData->GetMirtDocList()->IsEmpty())
        return nullptr;
    return static_cast<CNMirtDoc*>(pData->GetMirtDocList()->GetHead());
}

}  // namespace

UINT BaseLayoutOf(const CNMirtDoc* pPage)
{
    return pPage != nullptr && pPage->GetFormat() != nullptr ? pPage->GetFormat()->m_dwSettingB : 0;
}

CNMirtDoc* CopyPage(CNMirtDoc* pPage)
{
    tagNMIRTDOC record;
    std::unique_ptr<CNMirtDoc> pCopy;
    try {
        pPage->GetMIRTDOC(&record, 0);
        pCopy.reset(new CNMirtDoc);
        pCopy->SetMIRTDOC(&record, 0);
        // A page without faces carries its layout outside the blob.
        if (pCopy->GetFormat() == nullptr)
            pCopy->SetFormat(pPage->GetFormat());
    } catch (CException* e) {
        e->Delete();
        pCopy.reset();
    }
    if (record.hBlob != nullptr)
        ::GlobalFree(record.hBlob);
    return pCopy.release();
}

int CTolvaneView::NextZoomStep(int nZoom, BOOL bIn)
{
    for (int i = 0; i < kZoomStepCount; ++i) {
        if (kZoomSteps[i] != nZoom)
            continue;
        const int nNext = bIn ? i + 1 : i - 1;
        return nNext >= 0 && nNext < kZoomStepCount ? kZoomSteps[nNext] : nZoom;
    }
    return nZoom;
}

int CTolvaneView::FitZoom(int nPaperWidth, int nPaperHeight, int nScreenWidth, int nScreenHeight)
{
    if (nPaperWidth <= 0 || nPaperHeight <= 0)
        return 100;
    const int nHorz = (nScreenWidth - 400) * 1000 / kPixelsPer1000 * 100 / nPaperWidth;
    const int nVert = (nScreenHeight - 188) * 1000 / kPixelsPer1000 * 100 / nPaperHeight;
    const int nFit = nHorz < nVert ? nHorz : nVert;
    if (nFit <= 60)
        return 60;
    if (nFit >= 200)
        return 200;
    int nZoom = kZoomSteps[0];
    for (int nStep : kZoomSteps) {
        if (nStep <= nFit)
            nZoom = nStep;
    }
    return nZoom;
}

void CTolvaneView::OnUpdate(CView*, LPARAM lHint, CObject* pHint)
{
    CTolvaneApp* pApp = TolvaneApp();
    if (MainFrame() == nullptr || GetDocument() == nullptr || pApp == nullptr)
        return;
    MainFrame()->ClearPictureCache();
    DropWholeImageCopy();
    DropFaceUndoPage();
    // A copied face stays for another page of the same form.
    if (lHint != 1 && lHint != 2)
        DropFaceClipboard();
    m_bPageChanged = 0;
    const BOOL bLoaded = LoadForm(lHint, dynamic_cast<CNMirtDoc*>(pHint));
    UpdateTitle(TRUE, pApp->m_nLayoutID);
    if (!bLoaded)
        return;
    ShowZoomText();
    ShowWholeImage();
    MainFrame()->m_bEntryMode = 1;
    UpdatePageIndicator();
    PostMessage(MsgFirstField);
    RedrawNow();
}

BOOL CTolvaneView::LoadForm(LPARAM lHint, CNMirtDoc* pGiven)
{
    CTolvaneDoc* pDoc = GetDocument();
    CTolvaneApp* pApp = TolvaneApp();
    const int nStartID = pApp->m_nLayoutID;
    if (pDoc->m_pMen != nullptr) {
        if (pDoc->m_pPrtFrm != nullptr)
            pDoc->m_pPrtFrm->GetMen(pDoc->m_pMen, static_cast<UINT>(m_nCurrentMen), 1);
        pDoc->DeleteFaceWindow();
    }
    // A frame without a form is no form to keep.
    if (pDoc->m_pPrtFrm != nullptr && !pDoc->m_pPrtFrm->IsPrintForm())
        pDoc->DeletePrintFrame();
    std::unique_ptr<CNMirtDoc> pChosen;
    if (lHint == 1 && pDoc->m_pPrtFrm != nullptr) {
        if (pGiven != nullptr) {
            pChosen.reset(CopyPage(pGiven));
            if (pChosen == nullptr) {
                AfxMessageBox(kPageShowNoMemory);
                return FALSE;
            }
        }
        pDoc->DeletePrintFrame();
    }
    NewFaceWindow();
    if (pDoc->m_pPrtFrm != nullptr) {
        pDoc->m_pPrtFrm->ClearRealData(1);
    } else {
        pDoc->m_pPrtFrm = new CMirtBasePrtFrm;
        if (pChosen == nullptr && GetPageCount() >= 1) {
            pChosen.reset(CopyPage(PageAt(0)));
            if (pChosen == nullptr) {
                AfxMessageBox(kShowNoMemory);
                return FALSE;
            }
            m_nCurrentPage = 0;
        }
        if (pChosen != nullptr)
            pApp->m_nLayoutID = static_cast<int>(pChosen->GetLayoutID());
        if (!LoadLayout(lHint, pChosen))
            return FALSE;
        if (pDoc->m_cVersion == 0)
            AfxMessageBox(kOlderWarning);
        CMirtBasePrtFrm* pPrtFrm = pDoc->m_pPrtFrm;
        pPrtFrm->SetParentWnd(this);
        pPrtFrm->SetPercent(static_cast<UINT>(m_nZoom));
        // A form shown afresh (the sample, a registered form's page) is a new
        // page: it goes in before the dummy window, whose loading fills its
        // empty serial numbers and saved values as on an added page.
        if (lHint == 0 && pChosen != nullptr)
            delete pPrtFrm->SetData(pChosen.release());
        pPrtFrm->CreateWindowDmy(1);
        if (pChosen != nullptr)
            delete pPrtFrm->SetData(pChosen.release());
    }
    if (GetPageCount() < 0) {
        if (!CommitAndSwitchPage(PAGE_CREATE, 0, FALSE)) {
            AfxMessageBox(kPageBuildFailed);
            return FALSE;
        }
        pDoc->ClearFileName();
    }
    if (lHint == 0 || pGiven == nullptr)
        m_nAutoPaper = 1;
    ReadTmbFileMap(static_cast<UINT>(pApp->m_nLayoutID));
    if (lHint == 0) {
        m_nCutLineKind = -1;
        m_nPaperKind = 0;
        m_nRuledLineColor = 1;
        m_nScale = 100;
    }
    m_bLoaded = 1;
    LookupPrintOptions();
    pDoc->m_pPrtFrm->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    pDoc->m_pPrtFrm->SetMetaFile(static_cast<UINT>(m_nRuledLineColor));
    if (!TakeFaceInformation())
        return FALSE;
    if (m_nZoom == 0)
        m_nZoom = FitZoom(m_rectPaper.Width(), m_rectPaper.Height(), ::GetSystemMetrics(SM_CXSCREEN),
            ::GetSystemMetrics(SM_CYSCREEN));
    SetScrollSizesForZoom();
    const int nGroupFlag = GroupFlag(lHint, nStartID);
    ShowFirstFace(nGroupFlag);
    if (IsUserForm(pApp->m_nLayoutID))
        PassFacesThroughEntryWindows(nGroupFlag);
    return TRUE;
}

BOOL CTolvaneView::IsUserForm(int nLayoutID)
{
    return nLayoutID >= static_cast<int>(kFirstUserForm);
}

BOOL CTolvaneView::LoadLayout(LPARAM lHint, std::unique_ptr<CNMirtDoc>& pChosen)
{
    const int nLayoutID = TolvaneApp()->m_nLayoutID;
    if (IsUserForm(nLayoutID))
        return LoadUserForm(lHint, static_cast<UINT>(nLayoutID), pChosen);
    if (lHint != 1 && lHint != 2 && nLayoutID > 0 &&
        GetDocument()->m_pPrtFrm->SetFormat(static_cast<UINT>(nLayoutID)) != 0)
        return TRUE;
    // Without a layout id and a page there is no form to show.
    return TakeChosenLayout(pChosen.get(), nLayoutID > 0 || pChosen != nullptr);
}

BOOL CTolvaneView::TakeChosenLayout(CNMirtDoc* pChosen, BOOL bReport)
{
    if (pChosen != nullptr && GetDocument()->m_pPrtFrm->SetFormat(pChosen->GetFormat()) != 0)
        return TRUE;
    if (bReport)
        AfxMessageBox(kLayoutReadFailed);
    return FALSE;
}

BOOL CTolvaneView::LoadUserForm(LPARAM lHint, UINT nLayoutID, std::unique_ptr<CNMirtDoc>& pChosen)
{
    char cVersion = 0;
    std::unique_ptr<CMirtFileIO> pFile(ReadUserFormFile(nLayoutID, cVersion));
    CNMirtDoc* pFirst = pFile != nullptr ? FirstPage(*pFile) : nullptr;
    // A new form takes the file's version and, without a page, its first page.
    const BOOL bNewForm = lHint != 1 && lHint != 2;
    if (bNewForm && pFile != nullptr) {
        GetDocument()->m_cVersion = cVersion;
        if (pChosen == nullptr && pFirst != nullptr) {
            pChosen.reset(CopyPage(pFirst));
            if (pChosen == nullptr) {
                AfxMessageBox(kShowNoMemory);
                return FALSE;
            }
        }
    }
    const BOOL bMatches = pFirst != nullptr && pChosen != nullptr && pChosen->GetFormat() != nullptr &&
                          BaseLayoutOf(pFirst) == BaseLayoutOf(pChosen.get());
    if (!bMatches) {
        AfxMessageBox(kUserFormMissing);
        FallBackToBaseLayout(pChosen.get());
    } else if (bNewForm) {
        pChosen->GetFormat()->m_nLayoutID = nLayoutID;
    }
    return TakeChosenLayout(pChosen.get(), TRUE);
}

void CTolvaneView::FallBackToBaseLayout(CNMirtDoc* pChosen)
{
    if (pChosen == nullptr || pChosen->GetFormat() == nullptr)
        return;
    const UINT nBase = BaseLayoutOf(pChosen);
    pChosen->GetFormat()->m_nLayoutID = nBase;
    TolvaneApp()->m_nLayoutID = static_cast<int>(nBase);
    GetDocument()->SetModifiedFlag(TRUE);
}

void CTolvaneView::PassFacesThroughEntryWindows(int nGroupFlag)
{
    CMirtBasePrtFrm* pPrtFrm = GetDocument()->m_pPrtFrm;
    for (int nMen = 1; nMen <= m_nMenCount; ++nMen) {
        CMirtBaseMen men;
        men.SetMargin(ScrollMargin());
        men.SetParentWnd(this);
        men.SetPercent(static_cast<UINT>(m_nZoom));
        pPrtFrm->SetMen(&men, static_cast<UINT>(nMen));
        men.CreateWindowForGroup(nGroupFlag);
        pPrtFrm->GetMen(&men, static_cast<UINT>(nMen), 1);
    }
}

int CTolvaneView::GroupFlag(LPARAM lHint, int nStartID) const
{
    if (!IsUserForm(nStartID) || lHint == 1)
        return 0;
    if (lHint == 2)
        return 1;
    return GetDocument()->IsUntitled() ? 1 : 0;
}

BOOL CTolvaneView::TakeFaceInformation()
{
    CArray<CPoint, CPoint>* pOrigins = nullptr;
    CRect rectForm, rectPaper;
    int bMulti = 0;
    if (GetDocument()->m_pPrtFrm->GetMenInfo(pOrigins, rectForm, rectPaper, bMulti) == 0)
        return FALSE;
    m_nMenCount = pOrigins != nullptr ? static_cast<int>(pOrigins->GetSize()) : 0;
    m_bMultiMen = bMulti;
    m_rectForm = rectForm;
    m_rectPaper = rectPaper;
    m_rectPaperPix.SetRect(ToPixels(rectPaper.left), ToPixels(rectPaper.top), ToPixels(rectPaper.right),
        ToPixels(rectPaper.bottom));
    return TRUE;
}

void CTolvaneView::NewFaceWindow()
{
    CTolvaneDoc* pDoc = GetDocument();
    pDoc->m_pMen = new CMirtBaseMen;
    pDoc->m_pMen->SetMargin(ScrollMargin());
    pDoc->m_pMen->SetParentWnd(this);
    pDoc->m_pMen->SetPercent(static_cast<UINT>(m_nZoom));
}

void CTolvaneView::ShowFirstFace(int nGroupFlag)
{
    CTolvaneDoc* pDoc = GetDocument();
    m_nCurrentMen = 1;
    pDoc->m_pMen->SetPercent(static_cast<UINT>(m_nZoom));
    pDoc->m_pMen->SetMargin(ScrollMargin());
    pDoc->m_pPrtFrm->SetMen(pDoc->m_pMen, 1);
    pDoc->m_pMen->CreateWindowForGroup(nGroupFlag);
}

void CTolvaneView::SetScrollSizesForZoom()
{
    const int nWidth = m_rectPaper.Width();
    const int nHeight = m_rectPaper.Height();
    const CSize sizeTotal(MulDiv(ToPixels(nWidth), m_nZoom, 100), MulDiv(ToPixels(nHeight), m_nZoom, 100));
    const CSize sizeStep(MulDiv(MulDiv(nWidth, kPixelsPer1000, 10000), m_nZoom, 100),
        MulDiv(MulDiv(nHeight, kPixelsPer1000, 10000), m_nZoom, 100));
    SetScrollSizes(MM_TEXT, sizeTotal, sizeStep, sizeStep);
    ScrollToPosition(CPoint(0, 0));
}
