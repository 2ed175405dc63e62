#include "npropobjcalnd.h"

#include <cstdlib>
#include <memory>

#include "dialogs/calndstdprop.h"
#include "dialogs/calndyearprop.h"

namespace {

const char kSheetCaption[] = "設定";

// Runs a sheet of two new pages; fill sets them up, take reads them back
// after OK.
template <class Sheet, class Page1, class Page2, class Fill, class Take>
void RunSettings(Fill fill, Take take)
{
    CResourceHandleSwitch resources;
    Sheet sheet(kSheetCaption);
    std::unique_ptr<Page1> pPage1(new Page1);
    std::unique_ptr<Page2> pPage2(new Page2);
    sheet.AddPage(pPage1.get());
    sheet.AddPage(pPage2.get());
    fill(*pPage1, *pPage2);
    if (sheet.DoModal() == IDOK)
        take(*pPage1, *pPage2);
}

}  // namespace

void CNPropObjCalnd::FillPages(CCalndPropPage1& page1, CCalndPropPage2& page2) const
{
    page1.m_nYear = m_nYear;
    page1.m_strFace = m_strFace;
    page1.m_nWeekStart = m_nWeekStart;
    page1.m_nNormalColor = m_nNormalColor;
    page1.m_nSatColor = m_nSatColorIndex;
    page1.m_nHolidayColor = m_nHolidayColor;
    page1.m_nLineColor = m_nLineColor;
    page1.m_nTitleColor = m_nTitleColor;
    page1.m_bSatColorEnabled = m_bSatColor;
    page1.m_bLineColorEnabled = m_bGrid;
    page2.m_nYear = m_nYear;
    page2.m_nSpecialColor = m_nMarkedColorIndex;
    page2.m_bSpecialColorEnabled = m_bMarkedColor;
    page2.m_arSpecialDays.Copy(m_arMarkedDays);
    page2.m_arWeekdayDays.Copy(m_arNormalDays);
}

void CNPropObjCalnd::TakePages(const CCalndPropPage1& page1, const CCalndPropPage2& page2)
{
    m_nYear = page1.m_nYear;
    m_strFace = page1.m_strFace;
    m_nWeekStart = page1.m_nWeekStart;
    m_nNormalColor = page1.m_nNormalColor;
    m_nSatColorIndex = page1.m_nSatColor;
    m_nHolidayColor = page1.m_nHolidayColor;
    m_nLineColor = page1.m_nLineColor;
    m_nTitleColor = page1.m_nTitleColor;
    m_nMarkedColorIndex = page2.m_nSpecialColor;
    m_arMarkedDays.Copy(page2.m_arSpecialDays);
    m_arNormalDays.Copy(page2.m_arWeekdayDays);
}

int CNPropObjCalndStd::Activate()
{
    RunSettings<CCalndStdPropSheet, CCalndStdPropPage1, CCalndStdPropPage2>(
        [this](CCalndStdPropPage1& page1, CCalndStdPropPage2& page2) {
            FillPages(page1, page2);
            page1.m_strMonth.Format("%d", m_nMonth);
            page2.m_nMonth = m_nMonth;
        },
        [this](CCalndStdPropPage1& page1, CCalndStdPropPage2& page2) {
            TakePages(page1, page2);
            const int nMonth = page1.GetDateMonth();
            if (nMonth >= 1 && nMonth <= 12)
                m_nMonth = nMonth;
            ApplySettings();
        });
    return 1;
}

int CNPropObjCalndYear::Activate()
{
    RunSettings<CCalndYearPropSheet, CCalndYearPropPage1, CCalndYearPropPage2>(
        [this](CCalndYearPropPage1& page1, CCalndYearPropPage2& page2) {
            FillPages(page1, page2);
            page1.m_nYearTitleColor = m_nYearTitleColor;
        },
        [this](CCalndYearPropPage1& page1, CCalndYearPropPage2& page2) {
            TakePages(page1, page2);
            m_nYearTitleColor = page1.m_nYearTitleColor;
            ApplySettings();
        });
    return 1;
}
