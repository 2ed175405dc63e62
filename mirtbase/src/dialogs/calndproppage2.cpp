#include "dialogs/calndpropsheet.h"

#include <algorithm>

#include "dialogs/calnddays.h"
#include "dialogs/calndres.h"

IMPLEMENT_DYNAMIC(CCalndPropPage2, CPropertyPage)

namespace {

const char kSpecialIsWeekday[] = "曜日 は平日に指定されています。\n特別日に指定し直しますか？";
const char kWeekdayIsSpecial[] = "曜日 は特別日に指定されています。\n平日に指定し直しますか？";
const char kNotADayOff[] = "曜日 は平日なので指定することはできません";

const int kSpecialWeekdays[] = {0, 1, 2, 3, 4, 5, 6};
const int kDayOffWeekdays[] = {0, 6};
const int kMonths = 12;

}  // namespace

// The controls of one group and the days of the week its combo offers.
struct CCalndPropPage2::Group
{
    int nList;
    int nDay;
    int nMonthChoice;    // yearly page
    int nWeekdayCombo;
    int nByWeekday;
    const int* pWeekdays;
    int nWeekdays;
};

const CCalndPropPage2::Group CCalndPropPage2::kSpecial = {IDC_SPECIAL_LIST, IDC_SPECIAL_DAY, IDC_SPECIAL_MONTH_CHOICE,
    IDC_SPECIAL_WEEKDAY, IDC_SPECIAL_BY_WEEKDAY, kSpecialWeekdays, 7};
const CCalndPropPage2::Group CCalndPropPage2::kWeekday = {IDC_WEEKDAY_LIST, IDC_WEEKDAY_DAY, IDC_WEEKDAY_MONTH_CHOICE,
    IDC_WEEKDAY_WEEKDAY, IDC_WEEKDAY_BY_WEEKDAY, kDayOffWeekdays, 2};

BEGIN_MESSAGE_MAP(CCalndPropPage2, CPropertyPage)
    ON_BN_CLICKED(IDC_SPECIAL_ADD, OnAddSpecial)
    ON_BN_CLICKED(IDC_WEEKDAY_ADD, OnAddWeekday)
    ON_BN_CLICKED(IDC_SPECIAL_REMOVE, OnRemoveSpecial)
    ON_BN_CLICKED(IDC_WEEKDAY_REMOVE, OnRemoveWeekday)
    ON_LBN_DBLCLK(IDC_SPECIAL_LIST, OnDblClkSpecial)
    ON_LBN_DBLCLK(IDC_WEEKDAY_LIST, OnDblClkWeekday)
    ON_BN_CLICKED(IDC_SPECIAL_CLEAR, OnClearSpecial)
    ON_BN_CLICKED(IDC_SPECIAL_BY_DATE, OnModeChanged)
    ON_BN_CLICKED(IDC_SPECIAL_BY_WEEKDAY, OnModeChanged)
    ON_BN_CLICKED(IDC_WEEKDAY_BY_DATE, OnModeChanged)
    ON_BN_CLICKED(IDC_WEEKDAY_BY_WEEKDAY, OnModeChanged)
END_MESSAGE_MAP()

CCalndPropPage2::CCalndPropPage2(UINT nIDTemplate, BOOL bYearly) : CPropertyPage(nIDTemplate), m_bYearly(bYearly)
{
}

void CCalndPropPage2::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_CalndColor(pDX, IDC_SPECIAL_COLOR, m_comboSpecial, m_nSpecialColor);
    DDX_Radio(pDX, IDC_SPECIAL_BY_DATE, m_nSpecialMode);
    DDX_Radio(pDX, IDC_WEEKDAY_BY_DATE, m_nWeekdayMode);
}

BOOL CCalndPropPage2::OnInitDialog()
{
    m_nSpecialMode = MODE_BY_DATE;
    m_nWeekdayMode = MODE_BY_DATE;
    m_comboSpecial.SubclassDlgItem(IDC_SPECIAL_COLOR, this);
    m_comboSpecial.Fill();
    for (const Group* pGroup : {&kSpecial, &kWeekday}) {
        for (int i = 0; i < pGroup->nWeekdays; ++i)
            ItemMessage(pGroup->nWeekdayCombo, CB_ADDSTRING, 0,
                reinterpret_cast<LPARAM>(static_cast<LPCSTR>(CCalndDays::WeekdayLetter(pGroup->pWeekdays[i]))));
        if (m_bYearly)
            CCalndDays::AddMonthItems(::GetDlgItem(m_hWnd, pGroup->nMonthChoice));
    }
    CPropertyPage::OnInitDialog();
    if (!m_bSpecialColorEnabled) {
        GetDlgItem(IDC_SPECIAL_COLOR)->EnableWindow(FALSE);
        GetDlgItem(IDC_SPECIAL_COLOR_LABEL)->EnableWindow(FALSE);
    }
    EnableForModes();
    return TRUE;
}

void CCalndPropPage2::EnableForModes()
{
    for (const Group* pGroup : {&kSpecial, &kWeekday}) {
        const BOOL bByWeekday = IsDlgButtonChecked(pGroup->nByWeekday) == BST_CHECKED;
        GetDlgItem(pGroup->nDay)->EnableWindow(!bByWeekday);
        if (m_bYearly)
            GetDlgItem(pGroup->nMonthChoice)->EnableWindow(!bByWeekday);
        GetDlgItem(pGroup->nWeekdayCombo)->EnableWindow(bByWeekday);
    }
}

void CCalndPropPage2::OnModeChanged()
{
    EnableForModes();
}

BOOL CCalndPropPage2::OnKillActive()
{
    if (!CPropertyPage::OnKillActive())
        return FALSE;
    CollectDays(m_arSpecialDays, IDC_SPECIAL_LIST);
    CollectDays(m_arWeekdayDays, IDC_WEEKDAY_LIST);
    return TRUE;
}

void CCalndPropPage2::DropDays()
{
    m_arSpecialDays.RemoveAll();
    m_arWeekdayDays.RemoveAll();
    if (m_hWnd == nullptr)
        return;
    ItemMessage(IDC_SPECIAL_LIST, LB_RESETCONTENT);
    ItemMessage(IDC_WEEKDAY_LIST, LB_RESETCONTENT);
}

LRESULT CCalndPropPage2::OnPage2Date(WPARAM wParam, LPARAM lParam)
{
    const int nYear = static_cast<int>(wParam);
    const int nMonth = m_bYearly ? 0 : static_cast<int>(lParam);
    if (nYear != m_nYear || nMonth != m_nMonth)
        DropDays();
    m_nYear = nYear;
    m_nMonth = nMonth;
    CString strYear, strMonth;
    strYear.Format("%d", m_nYear);
    strMonth.Format("%d", m_nMonth);
    SetDlgItemText(IDC_SPECIAL_YEAR, strYear);
    SetDlgItemText(IDC_WEEKDAY_YEAR, strYear);
    if (!m_bYearly) {
        SetDlgItemText(IDC_SPECIAL_MONTH, strMonth);
        SetDlgItemText(IDC_WEEKDAY_MONTH, strMonth);
    }
    ListDays(m_arSpecialDays, IDC_SPECIAL_LIST);
    ListDays(m_arWeekdayDays, IDC_WEEKDAY_LIST);
    return 0;
}

std::pair<int, int> CCalndPropPage2::DayOfKey(DWORD dwKey) const
{
    if (m_bYearly)
        return {static_cast<int>(dwKey >> 16), static_cast<int>(dwKey & 0xFFFF)};
    return {m_nMonth, static_cast<int>(dwKey)};
}

DWORD CCalndPropPage2::KeyOfEntry(const CString& strEntry) const
{
    const int nDay = CCalndDays::EntryDay(strEntry);
    return m_bYearly ? CCalndDays::YearKey(CCalndDays::EntryMonth(strEntry), nDay) : static_cast<DWORD>(nDay);
}

void CCalndPropPage2::ListDays(const CDWordArray& arDays, int nListID)
{
    for (int i = 0; i < arDays.GetSize(); ++i) {
        const std::pair<int, int> day = DayOfKey(arDays[i]);
        const CString strEntry = CCalndDays::EntryText(m_nYear, day.first, day.second);
        const LPARAM lEntry = reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strEntry));
        if (!strEntry.IsEmpty() && ItemMessage(nListID, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lEntry) == LB_ERR)
            ItemMessage(nListID, LB_ADDSTRING, 0, lEntry);
    }
}

void CCalndPropPage2::CollectDays(CDWordArray& arDays, int nListID) const
{
    arDays.RemoveAll();
    const int nCount = static_cast<int>(ItemMessage(nListID, LB_GETCOUNT));
    for (int i = 0; i < nCount; ++i) {
        CString strEntry;
        const int nLength = static_cast<int>(ItemMessage(nListID, LB_GETTEXTLEN, static_cast<WPARAM>(i)));
        ItemMessage(nListID, LB_GETTEXT, static_cast<WPARAM>(i),
            reinterpret_cast<LPARAM>(strEntry.GetBuffer(nLength + 1)));
        strEntry.ReleaseBuffer();
        arDays.Add(KeyOfEntry(strEntry));
    }
}

std::vector<std::pair<int, int>> CCalndPropPage2::ChosenDays(const Group& group) const
{
    std::vector<std::pair<int, int>> days;
    if (IsDlgButtonChecked(group.nByWeekday) != BST_CHECKED) {
        int nMonth = m_nMonth;
        if (m_bYearly)
            nMonth = static_cast<int>(ItemMessage(group.nMonthChoice, CB_GETCURSEL)) + 1;
        if (nMonth > 0)
            days.emplace_back(nMonth, static_cast<int>(GetDlgItemInt(group.nDay, nullptr, FALSE)));
        return days;
    }
    const int nChoice = static_cast<int>(ItemMessage(group.nWeekdayCombo, CB_GETCURSEL));
    if (nChoice < 0 || nChoice >= group.nWeekdays)
        return days;
    const int nFirst = m_bYearly ? 1 : m_nMonth;
    const int nLast = m_bYearly ? kMonths : m_nMonth;
    for (int nMonth = nFirst; nMonth <= nLast; ++nMonth) {
        for (int nDay : CCalndDays::DaysOfWeekday(m_nYear, nMonth, group.pWeekdays[nChoice]))
            days.emplace_back(nMonth, nDay);
    }
    return days;
}

void CCalndPropPage2::AddEntry(const CString& strEntry, int nListID, int nOtherListID, LPCSTR pszQuestion)
{
    const LPARAM lEntry = reinterpret_cast<LPARAM>(static_cast<LPCSTR>(strEntry));
    const LRESULT nOther = ItemMessage(nOtherListID, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lEntry);
    if (nOther != LB_ERR) {
        if (AfxMessageBox(strEntry + pszQuestion, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        ItemMessage(nOtherListID, LB_DELETESTRING, static_cast<WPARAM>(nOther));
    }
    if (ItemMessage(nListID, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), lEntry) == LB_ERR)
        ItemMessage(nListID, LB_ADDSTRING, 0, lEntry);
}

void CCalndPropPage2::OnAddSpecial()
{
    for (const std::pair<int, int>& day : ChosenDays(kSpecial)) {
        const CString strEntry = CCalndDays::EntryText(m_nYear, day.first, day.second);
        if (!strEntry.IsEmpty())
            AddEntry(strEntry, IDC_SPECIAL_LIST, IDC_WEEKDAY_LIST, kSpecialIsWeekday);
    }
}

void CCalndPropPage2::OnAddWeekday()
{
    for (const std::pair<int, int>& day : ChosenDays(kWeekday)) {
        const CString strEntry = CCalndDays::EntryText(m_nYear, day.first, day.second);
        if (strEntry.IsEmpty())
            continue;
        if (CCalndDays::IsDayOff(m_nYear, day.first, day.second))
            AddEntry(strEntry, IDC_WEEKDAY_LIST, IDC_SPECIAL_LIST, kWeekdayIsSpecial);
        else
            AfxMessageBox(strEntry + kNotADayOff, MB_OK);
    }
}

void CCalndPropPage2::RemoveSelected(int nListID)
{
    const int nCount = static_cast<int>(ItemMessage(nListID, LB_GETSELCOUNT));
    if (nCount <= 0)
        return;
    std::vector<int> selected(static_cast<size_t>(nCount));
    const int nGot = static_cast<int>(
        ItemMessage(nListID, LB_GETSELITEMS, static_cast<WPARAM>(nCount), reinterpret_cast<LPARAM>(selected.data())));
    selected.resize(static_cast<size_t>(nGot > 0 ? nGot : 0));
    std::sort(selected.begin(), selected.end());
    for (auto it = selected.rbegin(); it != selected.rend(); ++it)
        ItemMessage(nListID, LB_DELETESTRING, static_cast<WPARAM>(*it));
}

void CCalndPropPage2::RemoveCaret(int nListID)
{
    const LRESULT nCaret = ItemMessage(nListID, LB_GETCARETINDEX);
    if (nCaret != LB_ERR)
        ItemMessage(nListID, LB_DELETESTRING, static_cast<WPARAM>(nCaret));
}

void CCalndPropPage2::OnRemoveSpecial()
{
    RemoveSelected(IDC_SPECIAL_LIST);
}

void CCalndPropPage2::OnRemoveWeekday()
{
    RemoveSelected(IDC_WEEKDAY_LIST);
}

void CCalndPropPage2::OnDblClkSpecial()
{
    RemoveCaret(IDC_SPECIAL_LIST);
}

void CCalndPropPage2::OnDblClkWeekday()
{
    RemoveCaret(IDC_WEEKDAY_LIST);
}

void CCalndPropPage2::OnClearSpecial()
{
    ItemMessage(IDC_SPECIAL_LIST, LB_RESETCONTENT);
}

void CCalndPropPage2::OnClearWeekday()
{
    ItemMessage(IDC_WEEKDAY_LIST, LB_RESETCONTENT);
}
