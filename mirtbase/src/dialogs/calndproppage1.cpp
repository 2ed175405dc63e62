#include "dialogs/calndpropsheet.h"

#include "dialogs/calndres.h"

IMPLEMENT_DYNAMIC(CCalndPropPage1, CPropertyPage)

namespace {

int CALLBACK AddTrueTypeFace(const LOGFONTA* pLogFont, const TEXTMETRICA*, DWORD dwType, LPARAM lParam)
{
    if (!(dwType & TRUETYPE_FONTTYPE))
        return 1;
    const LRESULT nAdded = ::SendMessageA(reinterpret_cast<HWND>(lParam), CB_ADDSTRING, 0,
        reinterpret_cast<LPARAM>(pLogFont->lfFaceName));
    return nAdded == CB_ERR || nAdded == CB_ERRSPACE ? 0 : 1;
}

void EnablePair(CWnd* pPage, int nComboID, int nLabelID, BOOL bEnable)
{
    ::EnableWindow(::GetDlgItem(pPage->GetSafeHwnd(), nComboID), bEnable);
    ::EnableWindow(::GetDlgItem(pPage->GetSafeHwnd(), nLabelID), bEnable);
}

}  // namespace

CCalndPropPage1::CCalndPropPage1(UINT nIDTemplate, UINT nDateMessage)
    : CPropertyPage(nIDTemplate), m_nDateMessage(nDateMessage)
{
}

void CCalndPropPage1::FillColor(CCalndColorCombo& combo, int nID)
{
    if (combo.GetSafeHwnd() == nullptr)
        combo.SubclassDlgItem(static_cast<UINT>(nID), this);
    combo.Fill();
}

void CCalndPropPage1::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_CALND_FACE, m_strFace);
    DDX_Radio(pDX, IDC_CALND_SUNDAY_FIRST, m_nWeekStart);
    DDX_Text(pDX, IDC_CALND_YEAR, m_nYear);
    DDV_MinMaxInt(pDX, m_nYear, YEAR_FIRST, YEAR_LAST);
    DDX_CalndColor(pDX, IDC_CALND_NORMAL_COLOR, m_comboNormal, m_nNormalColor);
    DDX_CalndColor(pDX, IDC_CALND_SAT_COLOR, m_comboSat, m_nSatColor);
    DDX_CalndColor(pDX, IDC_CALND_HOLIDAY_COLOR, m_comboHoliday, m_nHolidayColor);
    DDX_CalndColor(pDX, IDC_CALND_LINE_COLOR, m_comboLine, m_nLineColor);
    DDX_CalndColor(pDX, IDC_CALND_TITLE_COLOR, m_comboTitle, m_nTitleColor);
}

void CCalndPropPage1::FillLists()
{
    FillColor(m_comboNormal, IDC_CALND_NORMAL_COLOR);
    FillColor(m_comboSat, IDC_CALND_SAT_COLOR);
    FillColor(m_comboHoliday, IDC_CALND_HOLIDAY_COLOR);
    FillColor(m_comboLine, IDC_CALND_LINE_COLOR);
    FillColor(m_comboTitle, IDC_CALND_TITLE_COLOR);
    FillFaces();
}

void CCalndPropPage1::FillFaces()
{
    HDC hScreen = ::GetDC(nullptr);
    HDC hMemory = ::CreateCompatibleDC(hScreen);
    ::ReleaseDC(nullptr, hScreen);
    if (hMemory == nullptr)
        return;
    ::EnumFontFamiliesA(hMemory, nullptr, AddTrueTypeFace,
        reinterpret_cast<LPARAM>(::GetDlgItem(m_hWnd, IDC_CALND_FACE)));
    ::DeleteDC(hMemory);
}

BOOL CCalndPropPage1::OnInitDialog()
{
    FillLists();
    CPropertyPage::OnInitDialog();
    EnablePair(this, IDC_CALND_LINE_COLOR, IDC_CALND_LINE_LABEL, m_bLineColorEnabled != 0);
    EnablePair(this, IDC_CALND_SAT_COLOR, IDC_CALND_SAT_LABEL, m_bSatColorEnabled != 0);
    return TRUE;
}

BOOL CCalndPropPage1::OnKillActive()
{
    if (!CPropertyPage::OnKillActive())
        return FALSE;
    GetParent()->PostMessage(m_nDateMessage, static_cast<WPARAM>(m_nYear), GetDateMonth());
    return TRUE;
}
