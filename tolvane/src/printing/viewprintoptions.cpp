// CTolvaneView: the print options of the form, the printer selection and
// automatic paper selection.
#include "view/tolvaneview.h"

#include <algorithm>
#include <iterator>

#include "app/tolvaneapp.h"
#include "document/tolvanedoc.h"
#include "mirtbaseprtfrm.h"
#include "printing/orgprintdialog.h"
#include "printing/printoptiondlg.h"
#include "resource.h"

BOOL CTolvaneView::PrintOptionKey(WORD& wKey) const
{
    const int nLayoutID = TolvaneApp()->m_nLayoutID;
    return CPrnOptMap::KeyOf(IsUserForm(nLayoutID) ? BaseLayoutOf(PageAt(m_nCurrentPage)) : static_cast<UINT>(nLayoutID),
        wKey);
}

BOOL CTolvaneView::LookupPrintOptions()
{
    WORD wKey = 0;
    const CPrnOpt* pOpt = PrintOptionKey(wKey) ? m_prnOpts.Lookup(wKey) : nullptr;
    if (pOpt == nullptr)
        return FALSE;
    m_nPaperKind = pOpt->m_nPaperKind;
    m_nScale = pOpt->m_nScale;
    m_nRuledLineColor = pOpt->m_nRuledLineColor;
    m_nCutLineKind = pOpt->m_nCutLineKind;
    m_nLeftOffset = pOpt->m_nLeftOffset;
    m_nTopOffset = pOpt->m_nTopOffset;
    m_nAutoPaper = pOpt->m_nAutoPaper;
    return TRUE;
}

void CTolvaneView::StorePrintOptions()
{
    WORD wKey = 0;
    if (!PrintOptionKey(wKey))
        return;
    auto* pOpt = new CPrnOpt;
    pOpt->m_nPaperKind = m_nPaperKind;
    pOpt->m_nScale = m_nScale;
    pOpt->m_nRuledLineColor = m_nRuledLineColor;
    pOpt->m_nCutLineKind = m_nCutLineKind;
    pOpt->m_nLeftOffset = m_nLeftOffset;
    pOpt->m_nTopOffset = m_nTopOffset;
    pOpt->m_nAutoPaper = m_nAutoPaper;
    m_prnOpts.Replace(wKey, pOpt);
    m_prnOpts.SaveFile();
}

void CTolvaneView::OnAutoPaperSize()
{
    if (GetDocument() == nullptr || GetDocument()->m_pPrtFrm == nullptr)
        return;
    m_nAutoPaper = !m_nAutoPaper;
    StorePrintOptions();
}

void CTolvaneView::OnUpdateAutoPaperSize(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_nAutoPaper != 0);
}

void CTolvaneView::OnPrintOptions()
{
    EditPrintOptions();
}

BOOL CTolvaneView::EditPrintOptions()
{
    CTolvaneDoc* pDoc = GetDocument();
    if (pDoc == nullptr || pDoc->m_pPrtFrm == nullptr)
        return FALSE;
    if (pDoc->m_cVersion == 0)
        m_bRestricted = TRUE;
    CPrintOptionDlg dlg(this);
    dlg.m_bRestricted = m_bRestricted;
    dlg.m_bStationeryOnly = m_dwSheetValue == 1;
    WORD wKey = 0;
    const CPrnOpt* pOpt = PrintOptionKey(wKey) ? m_prnOpts.Lookup(wKey) : nullptr;
    dlg.m_nPaperKind = pOpt != nullptr ? pOpt->m_nPaperKind : m_nPaperKind;
    dlg.m_nRuledLineColor = pOpt != nullptr ? pOpt->m_nRuledLineColor : m_nRuledLineColor;
    dlg.m_nCutLineKind = pOpt != nullptr ? pOpt->m_nCutLineKind : m_nCutLineKind;
    dlg.m_nScale = pOpt != nullptr ? pOpt->m_nScale : m_nScale;
    const int anBefore[] = {m_nPaperKind, m_nRuledLineColor, m_nCutLineKind, m_nScale, m_nLeftOffset, m_nTopOffset};
    if (dlg.DoModal() != IDOK)
        return FALSE;
    m_nPaperKind = dlg.m_nPaperKind;
    m_nRuledLineColor = dlg.m_nRuledLineColor;
    m_nCutLineKind = dlg.m_nCutLineKind;
    if (m_nPaperKind == 1)
        m_nScale = dlg.m_nScale;
    pDoc->m_pPrtFrm->SetPrintPaper(static_cast<UINT>(m_nPaperKind));
    pDoc->m_pPrtFrm->SetMetaFile(static_cast<UINT>(m_nRuledLineColor));
    StorePrintOptions();
    const int anAfter[] = {m_nPaperKind, m_nRuledLineColor, m_nCutLineKind, m_nScale, m_nLeftOffset, m_nTopOffset};
    return !std::equal(std::begin(anBefore), std::end(anBefore), std::begin(anAfter));
}

void CTolvaneView::OnPrinterSelect()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp == nullptr)
        return;
    COrgPrintDialog dlg(TRUE, PD_NOSELECTION | PD_NOPAGENUMS | PD_HIDEPRINTTOFILE | PD_USEDEVMODECOPIESANDCOLLATE);
    dlg.m_bHidePaper = m_nAutoPaper;
    if (!m_nAutoPaper)
        MatchPrinterPaper();
    pApp->DoPrintDialog(&dlg);
}
