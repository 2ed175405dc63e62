#include "strelmaindlg.h"

#include "aboutbox.h"
#include "launcherfont.h"
#include "mainindex.h"
#include "mirtpath.h"
#include "ownedread.h"
#include "programstart.h"
#include "prtdatainfo.h"
#include "resource.h"
#include "suitewindows.h"
#include "userinfodlg.h"

namespace {

const int kClientWidth = 640;
const int kClientHeight = 433;
const RECT kListArea = {109, 0, 309, 435};
const RECT kPreviewArea = {318, 21, 618, 296};
// What ShowPreview redraws: the picture, its title and description.
const RECT kPreviewRedraw = {318, 21, 618, 388};
const POINT kTitleAt = {318, 310};
const RECT kDescriptionArea = {318, 330, 760, 500};

const POINT kRegionPositions[CStrelMainDlg::kRegionCount] = {
    {0, 0}, {0, 54}, {0, 108}, {0, 162}, {0, 216}, {0, 270},
    {313, 389}, {378, 389}, {443, 389}, {508, 389}, {573, 389},
};

// Looks per region: normal, hot on a palette screen, hot on another
// screen, pressed (tabs: their hot look).
struct RegionLooks
{
    UINT nNormal;
    UINT nHotPalette;
    UINT nHot;
    UINT nPressed;
};

const RegionLooks kLooks[CStrelMainDlg::kRegionCount] = {
    {IDB_TAB1, IDB_TAB1_HOT_PAL, IDB_TAB1_HOT, 0},
    {IDB_TAB2, IDB_TAB2_HOT_PAL, IDB_TAB2_HOT, 0},
    {IDB_TAB3, IDB_TAB3_HOT_PAL, IDB_TAB3_HOT, 0},
    {IDB_TAB4, IDB_TAB4_HOT_PAL, IDB_TAB4_HOT, 0},
    {IDB_TAB5, IDB_TAB5_HOT_PAL, IDB_TAB5_HOT, 0},
    {IDB_TAB6, IDB_TAB6_HOT_PAL, IDB_TAB6_HOT, 0},
    {IDB_START, IDB_START_HOT, IDB_START_HOT, IDB_START_PRESSED},
    {IDB_EXCEL, IDB_EXCEL_HOT, IDB_EXCEL_HOT, IDB_EXCEL_PRESSED},
    {IDB_SETTINGS, IDB_SETTINGS_HOT, IDB_SETTINGS_HOT, IDB_SETTINGS_PRESSED},
    {IDB_HELP, IDB_HELP_HOT, IDB_HELP_HOT, IDB_HELP_PRESSED},
    {IDB_EXIT, IDB_EXIT_HOT, IDB_EXIT_HOT, IDB_EXIT_PRESSED},
};

const COLORREF kPaletteColours[CStrelMainDlg::kTabCount] = {
    0x808000, 0x800080, 0x008000, 0x008080, 0x800080, 0x008080};
const COLORREF kScreenColours[CStrelMainDlg::kTabCount] = {
    0xCFA86F, 0xBC6FCF, 0x62A862, 0x6F95CF, 0xCF6FBC, 0x61B583};

// The popups of menu 155.
enum
{
    kSettingsPopup = 0,
    kHelpPopup = 1,
    kExcelPopup = 2
};

bool FileExists(LPCSTR lpszPath)
{
    return ::GetFileAttributesA(lpszPath) != INVALID_FILE_ATTRIBUTES;
}

// A font of the dialog: height 18 when given 0; the default face when the
// name does not fit.
bool IsPaletteScreen()
{
    HDC hScreen = ::GetDC(nullptr);
    const bool bPalette = (::GetDeviceCaps(hScreen, RASTERCAPS) & RC_PALETTE) != 0;
    ::ReleaseDC(nullptr, hScreen);
    return bPalette;
}

}  // namespace

BEGIN_MESSAGE_MAP(CStrelMainDlg, CDialog)
    ON_WM_SYSCOMMAND()
    ON_WM_PAINT()
    ON_MESSAGE(WM_QUERYDRAGICON, OnQueryDragIcon)
    ON_WM_ERASEBKGND()
    ON_WM_CTLCOLOR()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_LBN_SELCHANGE(IDC_FORM_LIST, OnFormSelChange)
    ON_LBN_DBLCLK(IDC_FORM_LIST, LaunchFormScreen)
    ON_MESSAGE(WM_PREVIEW_DBLCLK, OnPreviewDblClk)
    ON_COMMAND(ID_USER_INFO, OnUserInfo)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_HELP_ABOUT, OnHelpAbout)
    ON_COMMAND(ID_EXCEL_RESET, OnExcelReset)
END_MESSAGE_MAP()

CStrelMainDlg::CStrelMainDlg(CWnd* pParent)
    : CDialog(IDD_STRELMAIN_DIALOG, pParent),
      m_nPage(0),
      m_listGroups(10),
      m_strTitle(STRELMAIN_TITLE),
      m_nSelectedForm(-1),
      m_nPrevRow(-1),
      m_nHot(-1),
      m_nSelectedTab(0),
      m_pageColours(),
      m_rcRegions(),
      m_nCurrentLook(),
      m_bFirstRun(false),
      m_nWindowWidth(0),
      m_nWindowHeight(0),
      m_bPlaceholder(false),
      m_bPaletteDevice(false)
{
    m_hIcon = AfxGetApp() != nullptr ? AfxGetApp()->LoadIcon(IDI_STRELMAIN) : nullptr;
    LoadMainData();
    LoadBackground();
    ChoosePageColours();
}

CStrelMainDlg::~CStrelMainDlg()
{
    m_wndPreview.DeleteTempFile();
    MirtDeleteOwnedList(m_listGroups);
}

bool CStrelMainDlg::LoadMainData()
{
    return LoadMainIndex(m_listGroups) != FALSE;
}

void CStrelMainDlg::LoadBackground()
{
    const CString strPath = MirtInstallPath("\\Exe\\QamMain.bmp");
    if (!FileExists(strPath)) {
        AfxMessageBox("背景となる絵がありません。");
        return;
    }
    CPreviewWnd::ReadPicture(m_background, strPath);
}

void CStrelMainDlg::ChoosePageColours()
{
    m_bPaletteDevice = IsPaletteScreen();
    for (int i = 0; i < kTabCount; ++i)
        m_pageColours[i] = m_bPaletteDevice ? kPaletteColours[i] : kScreenColours[i];
}

UINT CStrelMainDlg::LookId(int nRegion, Look look) const
{
    const RegionLooks& looks = kLooks[nRegion];
    const UINT nHot = m_bPaletteDevice ? looks.nHotPalette : looks.nHot;
    switch (look) {
    case kNormal:
        return looks.nNormal;
    case kHot:
        return nHot;
    default:
        return looks.nPressed != 0 ? looks.nPressed : nHot;
    }
}

void CStrelMainDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FORM_LIST, m_listForms);
    DDX_Control(pDX, IDC_PREVIEW_FRAME, m_stcPreview);
}

BOOL CStrelMainDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_menu.LoadMenu(IDR_REGION_MENU);
    SetWindowText(m_strTitle);
    AddAboutItem();
    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    BuildRegions();
    CreateFonts();
    SelectPage(0);
    const LPCSTR lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(nullptr, IDC_ARROW),
        static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    m_wndPreview.Create(lpszClass, nullptr, WS_CHILD | WS_VISIBLE, kPreviewArea, this, IDC_PREVIEW_FRAME);
    m_wndPreview.ShowWindow(SW_SHOW);
    m_brushes[0].CreateStockObject(HOLLOW_BRUSH);
    if (FileExists(CUserInfoDlg::MarkerPath()))
        OnUserInfo();
    for (int i = 0; i < kTabCount; ++i)
        m_brushes[i + 1].CreateSolidBrush(m_pageColours[i]);
    return TRUE;
}

void CStrelMainDlg::AddAboutItem()
{
    HMENU hSysMenu = ::GetSystemMenu(m_hWnd, FALSE);
    CString strAbout;
    if (hSysMenu == nullptr || !strAbout.LoadString(IDS_ABOUTBOX) || strAbout.IsEmpty())
        return;
    ::AppendMenuA(hSysMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(hSysMenu, MF_STRING, IDM_ABOUTBOX, strAbout);
}

void CStrelMainDlg::BuildRegions()
{
    m_nWindowWidth = kClientWidth + 2 * ::GetSystemMetrics(SM_CXFRAME);
    m_nWindowHeight = kClientHeight + ::GetSystemMetrics(SM_CYCAPTION) + 2 * ::GetSystemMetrics(SM_CYFRAME);
    SetWindowPos(&wndBottom, 0, 0, m_nWindowWidth, m_nWindowHeight, 0);
    for (int i = 0; i < kRegionCount; ++i) {
        CBitmap pressed;
        BITMAP bm = {};
        if (pressed.LoadBitmap(LookId(i, kPressed)))
            pressed.GetBitmap(&bm);
        const POINT& at = kRegionPositions[i];
        m_rcRegions[i] = {at.x, at.y, at.x + bm.bmWidth, at.y + bm.bmHeight};
        m_nCurrentLook[i] = LookId(i, i == 0 ? kHot : kNormal);
    }
    m_listForms.MoveWindow(&kListArea);
    m_stcPreview.MoveWindow(&kPreviewArea);
}

void CStrelMainDlg::CreateFonts()
{
    MakeLauncherFont(m_fontTitle, 14, FW_BOLD);
    MakeLauncherFont(m_fontDescription, 12, 0);
}

CPrtDataInfo* CStrelMainDlg::CurrentRecord() const
{
    POSITION pos = m_listGroups.FindIndex(m_nPage);
    return pos != nullptr ? static_cast<CPrtDataInfo*>(m_listGroups.GetAt(pos)) : nullptr;
}

void CStrelMainDlg::SelectPage(int nPage)
{
    m_listForms.SetEraseColour(m_pageColours[nPage]);
    m_nPage = nPage;
    ShowFormList();
}

bool CStrelMainDlg::ShowFormList()
{
    m_listForms.ResetContent();
    m_nPrevRow = -1;
    m_nSelectedForm = -1;
    CPrtDataInfo* pRecord = CurrentRecord();
    if (pRecord == nullptr) {
        ShowPlaceholder();
        return false;
    }
    const DWORD dwFirst = pRecord->m_arrCategoryCount.GetSize() > 0 ? pRecord->m_arrCategoryCount[0] : 0;
    bool bListable = dwFirst != 0;
    if (bListable && pRecord->m_strGroupName == PRTDATA_PICKUP_GROUP)
        bListable = CFormListBox::CountListableForms(*pRecord) > 0;
    if (!bListable) {
        ShowPlaceholder();
        return false;
    }
    m_bPlaceholder = false;
    m_listForms.FillFormList(pRecord);
    OnFormSelChange();
    return true;
}

void CStrelMainDlg::ShowPlaceholder()
{
    m_wndPreview.DeleteTempFile();
    m_bPlaceholder = true;
    m_wndPreview.m_strFileName = PREVIEW_BLANK_FILE;
    m_wndPreview.LoadPicture();
    RedrawPreviewArea();
    m_listForms.ShowScrollBar(SB_HORZ, FALSE);
}

void CStrelMainDlg::RedrawPreviewArea()
{
    InvalidateRect(&kPreviewRedraw, TRUE);
    if (m_wndPreview.GetSafeHwnd() != nullptr)
        m_wndPreview.Invalidate();
}

void CStrelMainDlg::OnFormSelChange()
{
    int nRow = m_listForms.GetCurSel();
    if (nRow < 0)
        return;
    DWORD_PTR dwData = m_listForms.GetItemData(nRow);
    if (dwData >= CFormListBox::kCategoryBase) {
        const int nRows = m_listForms.GetCount();
        if (m_nPrevRow < nRow || m_nPrevRow < 0)
            nRow = nRow + 1 < nRows ? nRow + 1 : nRow;
        else
            nRow = nRow > 1 ? nRow - 1 : nRow + 1;
        if (nRow >= nRows)
            nRow = nRows - 1;
        m_listForms.SetCurSel(nRow);
        dwData = m_listForms.GetItemData(nRow);
    }
    m_nPrevRow = nRow;
    if (dwData >= CFormListBox::kCategoryBase)
        return;   // a category without a form after it: no preview change
    m_nSelectedForm = static_cast<int>(dwData);
    ShowPreview();
}

bool CStrelMainDlg::ShowPreview()
{
    const CPrtDataInfo* pRecord = CurrentRecord();
    if (pRecord == nullptr || m_nSelectedForm < 0 || m_nSelectedForm >= CFormListBox::FormCount(*pRecord))
        return false;
    m_wndPreview.DeleteTempFile();
    DWORD dwID = pRecord->m_arrLayoutID[m_nSelectedForm];
    if (dwID > 39999)
        dwID = pRecord->m_arrSourceID[m_nSelectedForm];
    CString strName;
    strName.Format("%ld.jpg", static_cast<long>(dwID));
    // A form without a picture shows the blank one, not the last form's.
    m_wndPreview.m_strFileName = FileExists(CFormListBox::PreviewPath(dwID)) ? strName : CString(PREVIEW_BLANK_FILE);
    m_wndPreview.LoadPicture();
    RedrawPreviewArea();
    return true;
}

void CStrelMainDlg::OnOK()
{
    LaunchFormScreen();
}

LRESULT CStrelMainDlg::OnPreviewDblClk(WPARAM, LPARAM)
{
    LaunchFormScreen();
    return 0;
}

void CStrelMainDlg::LaunchFormScreen()
{
    const CString strPath = MirtInstallPath("\\exe\\Tolvane.EXE");
    const int nRow = m_listForms.GetCurSel();
    if (nRow < 0)
        return;
    const DWORD_PTR dwData = m_listForms.GetItemData(nRow);
    const CPrtDataInfo* pRecord = CurrentRecord();
    if (dwData >= CFormListBox::kCategoryBase || pRecord == nullptr ||
        static_cast<int>(dwData) >= CFormListBox::FormCount(*pRecord))
        return;
    m_nSelectedForm = static_cast<int>(dwData);
    const DWORD dwID = pRecord->m_arrLayoutID[m_nSelectedForm];
    if (dwID == 0) {
        AfxMessageBox("ﾚｲｱｳﾄIDがありません");
        return;
    }
    CString strArgs;
    strArgs.Format(" /L:%lu", static_cast<unsigned long>(dwID));
    if (!StartProgram(strPath, strArgs))
        MessageBox(strPath + "を起動できません", "起動失敗", MB_ICONEXCLAMATION);
}

void CStrelMainDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        OnHelpAbout();
    else
        CDialog::OnSysCommand(nID, lParam);
}

LRESULT CStrelMainDlg::OnQueryDragIcon(WPARAM, LPARAM)
{
    return reinterpret_cast<LRESULT>(m_hIcon);
}

void CStrelMainDlg::OnPaint()
{
    if (::IsIconic(m_hWnd)) {
        CPaintDC dc(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
        CRect rc;
        GetClientRect(&rc);
        ::DrawIcon(dc.m_hDC, (rc.Width() - ::GetSystemMetrics(SM_CXICON) + 1) / 2,
            (rc.Height() - ::GetSystemMetrics(SM_CYICON) + 1) / 2, m_hIcon);
        return;
    }
    CPaintDC dc(this);
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    for (int i = 0; i < kRegionCount; ++i) {
        CBitmap look;
        if (!look.LoadBitmap(m_nCurrentLook[i]))
            continue;
        CBitmap* pOld = memDC.SelectObject(&look);
        const RECT& rc = m_rcRegions[i];
        dc.BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &memDC, 0, 0, SRCCOPY);
        memDC.SelectObject(pOld);
    }
}

BOOL CStrelMainDlg::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    if (rcClient.Width() > m_nWindowWidth)
        pDC->FillSolidRect(rcClient.Width() - m_nWindowWidth, 0, m_nWindowWidth, rcClient.Height(), RGB(255, 255, 255));
    if (rcClient.Height() > m_nWindowHeight)
        pDC->FillSolidRect(0, rcClient.Height() - m_nWindowHeight, rcClient.Width(), m_nWindowHeight,
            RGB(255, 255, 255));
    m_background.m_rcTarget = {0, 0, kClientWidth, kClientHeight};
    m_background.DrawCopy(pDC);
    pDC->SetBkMode(TRANSPARENT);
    if (!m_bPlaceholder)
        DrawSelectedForm(*pDC);
    return TRUE;
}

void CStrelMainDlg::DrawSelectedForm(CDC& dc)
{
    const CPrtDataInfo* pRecord = CurrentRecord();
    if (pRecord == nullptr || m_nSelectedForm < 0 || m_nSelectedForm >= CFormListBox::FormCount(*pRecord))
        return;
    dc.SetTextColor(RGB(0, 0, 0));
    CFont* pOld = dc.SelectObject(&m_fontTitle);
    dc.TextOut(kTitleAt.x, kTitleAt.y, pRecord->m_arrTitle[m_nSelectedForm]);
    if (m_nSelectedForm < pRecord->m_arrDescription.GetSize()) {
        dc.SelectObject(&m_fontDescription);
        CRect rc(kDescriptionArea);
        dc.DrawText(pRecord->m_arrDescription[m_nSelectedForm], rc, DT_WORDBREAK);
    }
    dc.SelectObject(pOld);
}

HBRUSH CStrelMainDlg::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (pWnd != nullptr && pWnd->GetDlgCtrlID() == IDC_FORM_LIST && m_brushes[m_nPage + 1].GetSafeHandle() != nullptr)
        return static_cast<HBRUSH>(m_brushes[m_nPage + 1].GetSafeHandle());
    return CDialog::OnCtlColor(pDC, pWnd, nCtlColor);
}

int CStrelMainDlg::RegionAt(CPoint point) const
{
    for (int i = 0; i < kRegionCount; ++i) {
        if (::PtInRect(&m_rcRegions[i], point))
            return i;
    }
    return -1;
}

void CStrelMainDlg::SetLook(int nRegion, Look look)
{
    m_nCurrentLook[nRegion] = LookId(nRegion, look);
    InvalidateRect(&m_rcRegions[nRegion], FALSE);
}

void CStrelMainDlg::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nHot >= 0 && !::PtInRect(&m_rcRegions[m_nHot], point)) {
        if (m_nHot != m_nSelectedTab)
            SetLook(m_nHot, kNormal);
        m_nHot = -1;
    } else {
        m_nHot = RegionAt(point);
        if (m_nHot >= kStartButton)
            SetLook(m_nHot, kHot);
    }
    CDialog::OnMouseMove(nFlags, point);
}

void CStrelMainDlg::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_nHot >= 0 && ::PtInRect(&m_rcRegions[m_nHot], point))
        SetLook(m_nHot, kPressed);
    CDialog::OnLButtonDown(nFlags, point);
}

void CStrelMainDlg::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_nHot >= 0) {
        const int nRegion = m_nHot;
        OnRegionAction(FALSE);
        if (nRegion < kTabCount) {
            if (m_nSelectedTab != nRegion)
                SetLook(m_nSelectedTab, kNormal);
            SetLook(nRegion, kHot);
            m_nSelectedTab = nRegion;
        } else if (nRegion != kStartButton) {
            SetLook(nRegion, kNormal);
        }
    }
    CDialog::OnLButtonUp(nFlags, point);
}

void CStrelMainDlg::OnRegionAction(BOOL)
{
    if (m_nHot < 0)
        return;
    if (m_nHot < kTabCount) {
        SelectPage(m_nHot);
        return;
    }
    switch (m_nHot) {
    case kStartButton:
        LaunchFormScreen();
        break;
    case kExcelButton:
        TrackRegionMenu(kExcelPopup);
        break;
    case kSettingsButton:
        TrackRegionMenu(kSettingsPopup);
        break;
    case kHelpButton:
        TrackRegionMenu(kHelpPopup);
        break;
    default:
        EndDialog(IDOK);
        break;
    }
}

void CStrelMainDlg::TrackRegionMenu(int nPopup)
{
    if (m_menu.GetSafeHmenu() == nullptr || m_nHot < 0)
        return;
    CMenu* pPopup = m_menu.GetSubMenu(nPopup);
    if (pPopup == nullptr)
        return;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const RECT& rc = m_rcRegions[m_nHot];
    pPopup->TrackPopupMenu(0, rcWindow.left + rc.right, rcWindow.top + rc.bottom, this);
}

void CStrelMainDlg::OnUserInfo()
{
    m_bFirstRun = FileExists(CUserInfoDlg::MarkerPath());
    CUserInfoDlg dlg;
    dlg.m_bFirstRun = m_bFirstRun;
    dlg.m_bNextStep = TRUE;
    dlg.DoModal();
}

void CStrelMainDlg::OnHelpContents()
{
    AfxGetApp()->OnHelpFinder();
}

void CStrelMainDlg::OnHelpAbout()
{
    CLauncherAboutBox about;
    about.DoModal();
}

void CStrelMainDlg::OnExcelReset()
{
    CString strArgs;
    strArgs.Format("\"%s\" /K:%d", static_cast<LPCSTR>(MirtInstallPath("\\exe\\Plovex.exe")), 4);
    StartProgram(MirtInstallPath("\\exe\\Plovex.exe"), strArgs);
}
