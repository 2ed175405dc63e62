// CTolvaneView: the attribute state of the current field, the bold, italic
// and number-display commands and the applying of the state to the field.
#include <memory>

#include "frame/mainfrm.h"
#include "frame/formatbar.h"
#include "mirtbasemen.h"
#include "resource.h"
#include "spaceinfo.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

BOOL CTolvaneView::CanSetAttributes() const
{
    // Layout mode picks no spaces yet.
    const CMirtBaseMen* pMen = FaceWindow();
    return IsEntryMode() && pMen != nullptr && pMen->GetCurrentField() != nullptr;
}

LRESULT CTolvaneView::OnFieldFormat(WPARAM wParam, LPARAM)
{
    std::unique_ptr<tagSPACEINFO> pInfo(reinterpret_cast<tagSPACEINFO*>(wParam));
    if (pInfo == nullptr)
        return 0;
    m_attr.Take(*pInfo);
    if (CFormatBar* pBar = FormatBar(); pBar != nullptr)
        pBar->ShowFont(m_attr.m_strFaceName, m_attr.m_nHeight, m_attr.m_crText);
    if (CMainFrame* pFrame = MainFrame(); pFrame != nullptr) {
        pFrame->m_nAlign = pInfo->nAlign;
        pFrame->m_strFieldName = CString(pInfo->szName, static_cast<int>(strnlen(pInfo->szName, sizeof(pInfo->szName))));
    }
    return 0;
}

LRESULT CTolvaneView::OnApplyAttributes(WPARAM wParam, LPARAM lParam)
{
    CMirtBaseMen* pMen = FaceWindow();
    if (pMen == nullptr || (wParam != 1 && (wParam != 0 || lParam != 0)))
        return 0;
    const CMainFrame* pFrame = MainFrame();
    const int nAlign = pFrame != nullptr ? pFrame->m_nAlign : 0;
    std::unique_ptr<tagSPACEINFO> pInfo(new tagSPACEINFO);
    if (wParam == 1) {
        TakeFormatBarChanges();
        m_attr.Fill(*pInfo, nAlign);
    }
    else
        CFieldAttributes::FillKeepAll(*pInfo, nAlign);
    pMen->SetFontEtc(pInfo.release());
    MarkChanged();
    return 0;
}

void CTolvaneView::TakeFormatBarChanges()
{
    CFormatBar* pBar = FormatBar();
    if (pBar == nullptr)
        return;
    const UINT nChanged = pBar->TakeChanges();
    if (nChanged & CFormatBar::CHANGED_NAME) {
        if (const LOGFONTA* pFont = pBar->m_wndFontName.FontAt(pBar->m_wndFontName.GetCurSel()); pFont != nullptr) {
            m_attr.m_lfFont = *pFont;
            m_attr.m_strFaceName = CString(pFont->lfFaceName, static_cast<int>(strnlen(pFont->lfFaceName, LF_FACESIZE)));
        }
    }
    if (nChanged & CFormatBar::CHANGED_SIZE) {
        if (const int nSize = CFormatBar::SizeAt(pBar->m_wndFontSize.GetCurSel()); nSize > 0)
            m_attr.m_nHeight = nSize;
    }
    if ((nChanged & CFormatBar::CHANGED_COLOR) && pBar->m_wndColor.GetCurSel() >= 0)
        m_attr.m_crText = CColorCombo::ColorFromIndex(pBar->m_wndColor.GetCurSel() + 1);
}

void CTolvaneView::MarkChanged()
{
    GetDocument()->SetModifiedFlag(TRUE);
    m_bPageChanged = 1;
}

void CTolvaneView::OnBold()
{
    m_attr.m_bBold = !m_attr.m_bBold;
    PostStyleChange(3);
}

void CTolvaneView::OnItalic()
{
    m_attr.m_bItalic = !m_attr.m_bItalic;
    PostStyleChange(4);
}

void CTolvaneView::PostStyleChange(int nKind)
{
    if (IsEntryMode())
        PostMessage(MsgApplyAttributes, 1, 0);
    else
        PostMessage(MsgApplyToSpaces, static_cast<WPARAM>(nKind));
}

void CTolvaneView::OnUpdateBold(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && CanSetAttributes());
    pCmdUI->SetCheck(m_attr.m_bBold ? 1 : 0);
}

void CTolvaneView::OnUpdateItalic(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && CanSetAttributes());
    pCmdUI->SetCheck(m_attr.m_bItalic ? 1 : 0);
}

void CTolvaneView::OnUpdateAlign(CCmdUI* pCmdUI)
{
    const CMainFrame* pFrame = MainFrame();
    pCmdUI->Enable(!m_bDataLink && CanSetAttributes());
    pCmdUI->SetCheck(pFrame != nullptr && pCmdUI->m_nID == static_cast<UINT>(pFrame->m_nAlign + ID_ALIGN_LEFT - 1));
}

void CTolvaneView::OnUpdateFormatCombo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!m_bDataLink && CanSetAttributes());
}

void CTolvaneView::OnNumKind(UINT nID)
{
    CMirtBaseMen* pMen = FaceWindow();
    if (pMen == nullptr || !IsEntryMode() || m_attr.m_nNumKind == 3)
        return;
    const CMainFrame* pFrame = MainFrame();
    std::unique_ptr<tagSPACEINFO> pInfo(new tagSPACEINFO);
    CFieldAttributes::FillKeepAll(*pInfo, pFrame != nullptr ? pFrame->m_nAlign : 0);
    pInfo->nNumKind = static_cast<int>(nID - ID_NUM_INTEGER);
    pMen->SetFontEtc(pInfo.release());
    m_nKeptFocusOrder = pMen->GetFocusOrderNo();
    MarkChanged();
}

void CTolvaneView::OnUpdateNumKind(CCmdUI* pCmdUI)
{
    const BOOL bEnable = IsEntryMode() && m_attr.m_nNumKind != 3 && CanSetAttributes() && !m_bDataLink;
    pCmdUI->Enable(bEnable);
    pCmdUI->SetCheck(bEnable && pCmdUI->m_nID == static_cast<UINT>(m_attr.m_nNumKind) + ID_NUM_INTEGER);
}
