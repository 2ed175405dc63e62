#include "userinfodlg.h"

#include <imm.h>

#include "cp932.h"
#include "mirtpath.h"
#include "resource.h"

namespace {

const UINT WM_FOCUS_NAME = WM_USER + 1;
const int kReadingLimit = 40;

// An edit with its input limit and, for the number boxes, where the focus
// goes once it is full.
struct EditLimit
{
    int nID;
    int nLimit;
    int nNextID;   // 0: stays
};

const EditLimit kLimits[] = {
    {IDC_USER_NAME, 24, 0},
    {IDC_USER_READING, kReadingLimit, 0},
    {IDC_USER_COMPANY, 40, 0},
    {IDC_USER_DEPARTMENT, 40, 0},
    {IDC_USER_ZIP1, 3, IDC_USER_ZIP2},
    {IDC_USER_ZIP2, 4, IDC_USER_ADDRESS},
    {IDC_USER_ADDRESS, 56, 0},
    {IDC_USER_TEL1, 5, IDC_USER_TEL2},
    {IDC_USER_TEL2, 4, IDC_USER_TEL3},
    {IDC_USER_TEL3, 4, IDC_USER_FAX1},
    {IDC_USER_FAX1, 5, IDC_USER_FAX2},
    {IDC_USER_FAX2, 4, IDC_USER_FAX3},
    {IDC_USER_FAX3, 4, IDC_USER_BANK},
    {IDC_USER_BANK, 50, 0},
    {IDC_USER_CATCH, 50, 0},
};

// The text cut to at most nBytes bytes of whole characters.
CString LeadingBytes(const CString& strText, int nBytes)
{
    int nEnd = 0;
    while (nEnd < strText.GetLength()) {
        const int nNext = nEnd + cp932::CharLength(strText, nEnd, strText.GetLength());
        if (nNext > nBytes)
            break;
        nEnd = nNext;
    }
    return strText.Left(nEnd);
}

const char kWriteFailed[] = "次のファイルに書き込めませんでした。";

const EditLimit* FindLimit(UINT nID)
{
    for (const EditLimit& limit : kLimits) {
        if (limit.nID == static_cast<int>(nID))
            return &limit;
    }
    return nullptr;
}

}  // namespace

BEGIN_MESSAGE_MAP(CUserInfoDlg, CDialog)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_USER_ZIP1, IDC_USER_FAX3, OnEditChange)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_USER_ZIP2, IDC_USER_ZIP2, OnEditChange)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_COMPANY, IDC_USER_DEPARTMENT, OnImeOnFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_ADDRESS, IDC_USER_BANK, OnImeOnFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_READING, IDC_USER_READING, OnImeOnFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_CATCH, IDC_USER_CATCH, OnImeOnFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_ZIP1, IDC_USER_ZIP1, OnImeOffFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_ZIP2, IDC_USER_ZIP2, OnImeOffFocus)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_USER_TEL1, IDC_USER_FAX3, OnImeOffFocus)
    ON_BN_CLICKED(IDC_USER_OK, OnOK)
    ON_MESSAGE(WM_FOCUS_NAME, OnFocusName)
END_MESSAGE_MAP()

CUserInfoDlg::CUserInfoDlg(CWnd* pParent) : CDialog(IDD_USERINFO, pParent), m_bFirstRun(FALSE), m_bNextStep(FALSE)
{
}

CString CUserInfoDlg::MarkerPath()
{
    return MirtInstallPath("\\DATA\\MyData\\FTtemp.dat");
}

void CUserInfoDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    struct Field
    {
        int nID;
        CString* pText;
    };
    const Field fields[] = {
        {IDC_USER_NAME, &m_info.strName}, {IDC_USER_READING, &m_info.strReading},
        {IDC_USER_COMPANY, &m_info.strCompany}, {IDC_USER_DEPARTMENT, &m_info.strDepartment},
        {IDC_USER_ZIP1, &m_info.strZip1}, {IDC_USER_ZIP2, &m_info.strZip2},
        {IDC_USER_ADDRESS, &m_info.strAddress}, {IDC_USER_TEL1, &m_info.strTel1},
        {IDC_USER_TEL2, &m_info.strTel2}, {IDC_USER_TEL3, &m_info.strTel3}, {IDC_USER_FAX1, &m_info.strFax1},
        {IDC_USER_FAX2, &m_info.strFax2}, {IDC_USER_FAX3, &m_info.strFax3}, {IDC_USER_BANK, &m_info.strBank},
        {IDC_USER_CATCH, &m_info.strCatch},
    };
    for (const Field& field : fields) {
        DDX_Text(pDX, field.nID, *field.pText);
        if (field.nID != IDC_USER_NAME && field.nID != IDC_USER_READING && field.nID != IDC_USER_COMPANY &&
            field.nID != IDC_USER_DEPARTMENT && field.nID != IDC_USER_ADDRESS)
            DDV_MaxChars(pDX, *field.pText, FindLimit(field.nID)->nLimit);
    }
}

BOOL CUserInfoDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (const EditLimit& limit : kLimits)
        ::SendDlgItemMessageA(m_hWnd, limit.nID, EM_LIMITTEXT, limit.nLimit, 0);
    if (m_bNextStep && ::GetFileAttributesA(MarkerPath()) != INVALID_FILE_ATTRIBUTES)
        SetDlgItemText(IDC_USER_OK, "次へ");
    ReadAutoFiles();
    UpdateData(FALSE);
    PostMessage(WM_FOCUS_NAME);
    return TRUE;
}

LRESULT CUserInfoDlg::OnFocusName(WPARAM, LPARAM)
{
    GotoDlgCtrl(GetDlgItem(IDC_USER_NAME));
    return 0;
}

void CUserInfoDlg::AppendReading(LPCSTR lpszReading)
{
    CString strReading;
    GetDlgItemText(IDC_USER_READING, strReading);
    strReading += lpszReading;
    SetDlgItemText(IDC_USER_READING, LeadingBytes(strReading, kReadingLimit));
}

void CUserInfoDlg::ReadAutoFiles()
{
    ReadUserInfo(AutoInputFolder(), m_info);
}

BOOL CUserInfoDlg::WriteAutoFiles(CStringArray& failed)
{
    AutoInputFile files[AUTO_INPUT_FILE_COUNT];
    MakeAutoInputFiles(m_info, files);
    const CString strFolder = AutoInputFolder();
    for (const AutoInputFile& file : files) {
        if (!WriteAutoInputFile(strFolder + "\\" + file.pszName, file.strText))
            failed.Add(file.pszName);
    }
    return failed.GetSize() == 0;
}

void CUserInfoDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    CStringArray failed;
    if (!WriteAutoFiles(failed)) {
        CString strMessage = kWriteFailed;
        for (int i = 0; i < failed.GetSize(); ++i)
            strMessage += "\n" + failed[i];
        AfxMessageBox(strMessage, MB_ICONEXCLAMATION);
        return;
    }
    // The marker goes only once everything is written, so that a failed
    // first registration comes back at the next start.
    if (m_bFirstRun)
        ::DeleteFileA(MarkerPath());
    EndDialog(IDOK);
}

void CUserInfoDlg::OnEditChange(UINT nID)
{
    const EditLimit* pLimit = FindLimit(nID);
    if (pLimit == nullptr || pLimit->nNextID == 0)
        return;
    CWnd* pEdit = GetDlgItem(static_cast<int>(nID));
    if (pEdit == nullptr || pEdit->GetWindowTextLength() != pLimit->nLimit)
        return;
    CWnd* pNext = GetDlgItem(pLimit->nNextID);
    if (pNext == nullptr)
        return;
    pNext->SetFocus();
    pNext->SendMessage(EM_SETSEL, 0, -1);
    pNext->SendMessage(EM_SCROLLCARET);
}

void CUserInfoDlg::SetImeOpen(bool bOpen)
{
    HIMC hImc = ::ImmGetContext(m_hWnd);
    if (hImc == nullptr)
        return;
    if (bOpen) {
        if (!::ImmGetOpenStatus(hImc))
            ::ImmSetOpenStatus(hImc, TRUE);
        DWORD dwConversion = 0, dwSentence = 0;
        ::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence);
        dwConversion = (dwConversion & ~IME_CMODE_KATAKANA) | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
        ::ImmSetConversionStatus(hImc, dwConversion, dwSentence);
    } else if (::ImmGetOpenStatus(hImc)) {
        ::ImmSetOpenStatus(hImc, FALSE);
    }
    ::ImmReleaseContext(m_hWnd, hImc);
}

void CUserInfoDlg::OnImeOnFocus(UINT)
{
    SetImeOpen(true);
}

void CUserInfoDlg::OnImeOffFocus(UINT)
{
    SetImeOpen(false);
}
