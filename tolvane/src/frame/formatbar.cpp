#include "frame/formatbar.h"

#include "frame/mainfrm.h"
#include "resource.h"
#include "view/tolvaneview.h"

BEGIN_MESSAGE_MAP(CFormatBar, CToolBar)
    ON_CONTROL(CBN_SELCHANGE, ID_FONT_NAME_COMBO, OnSelChangeName)
    ON_CONTROL(CBN_SELCHANGE, ID_FONT_SIZE_COMBO, OnSelChangeSize)
    ON_CONTROL(CBN_SELCHANGE, ID_COLOR_COMBO, OnSelChangeColor)
END_MESSAGE_MAP()

namespace {

const DWORD kFormatBarStyle = 0x50002830;     // visible child, top, tool tips, fly-by
const DWORD kNameStyle = 0x10210103;    // sorted drop-down list
const DWORD kSizeStyle = 0x10210003;
const DWORD kColorStyle = 0x10210013;   // owner-drawn fixed
const int kDropHeight = 120;
const int kGapWidth = 5;
const int kFirstSizes = 36;             // 5 .. 40, then 44 .. 72 by 4

}  // namespace

CFormatBar::CFormatBar() : m_nChanged(0)
{
}

BOOL CFormatBar::CreateOn(CFrameWnd* pFrame)
{
    if (!Create(pFrame, kFormatBarStyle, ID_VIEW_FORMATBAR) || !LoadToolBar(IDR_FORMAT_BAR))
        return FALSE;
    if (!m_fontBoxes.CreatePointFont(100, "ＭＳ Ｐゴシック"))
        return FALSE;
    if (!CreateBox(m_wndFontName, 0, ID_FONT_NAME_COMBO, kNameStyle, 200) ||
        !CreateBox(m_wndFontSize, 2, ID_FONT_SIZE_COMBO, kSizeStyle, 50) ||
        !CreateBox(m_wndColor, 4, ID_COLOR_COMBO, kColorStyle, 50))
        return FALSE;
    for (int i = 0; i < kSizeCount; ++i) {
        CString strSize;
        strSize.Format("%d", SizeAt(i));
        m_wndFontSize.AddString(strSize);
    }
    m_wndColor.AddColors();
    m_wndFontName.SetFont(&m_fontBoxes);
    m_wndFontSize.SetFont(&m_fontBoxes);
    EnableDocking(CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM);
    return TRUE;
}

BOOL CFormatBar::CreateBox(CComboBox& box, int nSlot, UINT nID, DWORD dwStyle, int nWidth)
{
    SetButtonInfo(nSlot, nID, TBBS_SEPARATOR, nWidth);
    SetButtonInfo(nSlot + 1, 0, TBBS_SEPARATOR, kGapWidth);
    CRect rect;
    GetItemRect(nSlot, &rect);
    rect.bottom = rect.top + kDropHeight;
    return box.Create(dwStyle, rect, this, nID);
}

int CFormatBar::SizeAt(int nIndex)
{
    if (nIndex < 0 || nIndex >= kSizeCount)
        return 0;
    return nIndex < kFirstSizes ? nIndex + 5 : 44 + (nIndex - kFirstSizes) * 4;
}

void CFormatBar::ShowFont(const CString& strFaceName, int nHeight, COLORREF crText)
{
    m_nChanged = 0;
    if (m_wndFontName.GetCount() > 0)
        m_wndFontName.SetCurSel(strFaceName.IsEmpty() ? -1 : m_wndFontName.FindStringExact(-1, strFaceName));
    if (m_wndFontSize.GetCount() > 0) {
        CString strSize;
        strSize.Format("%d", nHeight);
        m_wndFontSize.SetCurSel(m_wndFontSize.FindStringExact(-1, strSize));
    }
    if (m_wndColor.GetCount() > 0)
        m_wndColor.SetCurSel(CColorCombo::IndexFromColor(crText) - 1);
}

UINT CFormatBar::TakeChanges()
{
    const UINT nChanged = m_nChanged;
    m_nChanged = 0;
    return nChanged;
}

void CFormatBar::OnSelChangeName()
{
    OnFontNameChange();
}

void CFormatBar::OnSelChangeSize()
{
    OnFontSizeChange();
}

void CFormatBar::OnSelChangeColor()
{
    OnFontColorChange();
}

void CFormatBar::OnFontNameChange()
{
    PostChoice(CHANGED_NAME, 1);
}

void CFormatBar::OnFontSizeChange()
{
    PostChoice(CHANGED_SIZE, 2);
}

void CFormatBar::OnFontColorChange()
{
    PostChoice(CHANGED_COLOR, 7);
}

void CFormatBar::PostChoice(UINT nChanged, WPARAM nSpaceKind)
{
    m_nChanged |= nChanged;
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr || !pMain->IsKindOf(RUNTIME_CLASS(CMainFrame)))
        return;
    const CMainFrame* pFrame = static_cast<CMainFrame*>(pMain);
    CView* pView = pFrame->GetActiveView();
    if (pView == nullptr || pView->GetSafeHwnd() == nullptr)
        return;
    if (pFrame->m_bEntryMode)
        pView->PostMessage(MsgApplyAttributes, 1, 0);
    else
        pView->PostMessage(MsgApplyToSpaces, nSpaceKind, 0);
}
