#include "npropwndcb.h"

#include <imm.h>

#include <cstring>

#include "mirtmsgs.h"
#include "npropobjcb.h"

namespace {

const char kInitFailed[] = "コンボ初期化失敗";
const char kCreateFailed[] = "コンボボックスの作成に失敗しました";
const char kEditClass[] = "Edit";
const char kPostingApp[] = "Sabrenth95";
const int kClassNameLength = 100;

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndCB, CComboBox)

BEGIN_MESSAGE_MAP(CNPropWndCB, CComboBox)
    ON_WM_CREATE()
    ON_CONTROL_REFLECT(CBN_SELCHANGE, OnChange)
    ON_CONTROL_REFLECT(CBN_EDITCHANGE, OnChange)
    ON_WM_SETFOCUS()
    ON_WM_LBUTTONDOWN()
    ON_WM_RBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_KEYDOWN()
    ON_MESSAGE(CNPropWndCB::MSG_QUERY, OnQuery)
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
END_MESSAGE_MAP()

CNPropWndCB::CNPropWndCB() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndCB::~CNPropWndCB()
{
    if (m_wndEdit.GetSafeHwnd() != nullptr)
        m_wndEdit.UnsubclassWindow();
}

void CNPropWndCB::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

void CNPropWndCB::OnDataCommand(BOOL bSave)
{
    if (m_pField == nullptr)
        return;
    if (bSave) {
        CString strText;
        GetWindowText(strText);
        m_pField->CNPropObj::SetText(strText);
        return;
    }
    CString strValue;
    m_pField->CNPropObj::GetText(strValue);
    const int nIndex = FindStringExact(-1, strValue);
    if (nIndex != CB_ERR)
        SetCurSel(nIndex);
    else
        SetWindowText(strValue);
}

void CNPropWndCB::OnListCommand(BOOL bSave)
{
    if (m_pField == nullptr)
        return;
    if (bSave) {
        const int nCount = GetCount();
        if (nCount == CB_ERR)
            return;
        CStringList list;
        for (int i = 0; i < nCount; ++i) {
            CString strItem;
            GetLBText(i, strItem);
            list.AddTail(strItem);
        }
        m_pField->CNPropObj::SetList(list);
        return;
    }
    OnResetCommand();
    const int nCount = GetCount();
    for (int i = 0; i < nCount; ++i)
        DeleteString(0);
    CStringList list;
    m_pField->CNPropObj::GetList(list);
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        AddString(list.GetNext(pos));
    if (SetCurSel(0) == CB_ERR && !list.IsEmpty())
        AfxMessageBox(kInitFailed, MB_OK);
}

void CNPropWndCB::OnResetCommand()
{
    SendMessage(WM_CLEAR);
    SetCurSel(0);
}

void CNPropWndCB::OnLockCommand(BOOL bSave)
{
    CWindowCommandTarget::OnLockCommand(bSave);
    if (m_wndEdit.GetSafeHwnd() != nullptr)
        m_wndEdit.SetReadOnly(IsInputLocked());
}

void CNPropWndCB::OnEditCommand(UINT nCommand)
{
    SendClipboardMessage(nCommand);
}

HWND CNPropWndCB::FindEditPart() const
{
    const HWND hFirst = ::GetWindow(m_hWnd, GW_CHILD);
    for (HWND hChild = hFirst; hChild != nullptr;) {
        char szClass[kClassNameLength + 1] = {};
        ::GetClassNameA(hChild, szClass, kClassNameLength);
        if (std::strcmp(szClass, kEditClass) == 0)
            return hChild;
        hChild = ::GetWindow(hChild, GW_HWNDNEXT);
        if (hChild == hFirst)
            break;
    }
    return nullptr;
}

int CNPropWndCB::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CComboBox::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_pField == nullptr || (m_pField->m_dwFlags & FLAG_EDIT_PART) == 0)
        return 0;
    const HWND hEdit = FindEditPart();
    if (hEdit == nullptr || m_wndEdit.GetSafeHwnd() != nullptr)
        return 0;
    if (!m_wndEdit.SubclassWindow(hEdit)) {
        AfxMessageBox(kCreateFailed, MB_OK);
        return 0;
    }
    m_wndEdit.m_pField = m_pField;
    m_wndEdit.m_hTarget = ::GetParent(m_hWnd);
    return 0;
}

void CNPropWndCB::OnChange()
{
    ::PostMessageA(::GetParent(m_hWnd), MsgUserModify, reinterpret_cast<WPARAM>(m_pField), 0);
}

void CNPropWndCB::ApplyEntryMode()
{
    const HIMC hContext = ::ImmGetContext(m_hWnd);
    if (hContext == nullptr)
        return;
    if (m_pField != nullptr && m_pField->GetEntryMode() != 0) {
        if (!::ImmGetOpenStatus(hContext))
            ::ImmSetOpenStatus(hContext, TRUE);
        DWORD dwConversion = 0;
        DWORD dwSentence = 0;
        ::ImmGetConversionStatus(hContext, &dwConversion, &dwSentence);
        dwConversion = (dwConversion & ~IME_CMODE_KATAKANA) | IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
        ::ImmSetConversionStatus(hContext, dwConversion, dwSentence);
    } else if (::ImmGetOpenStatus(hContext)) {
        ::ImmSetOpenStatus(hContext, FALSE);
    }
    ::ImmReleaseContext(m_hWnd, hContext);
}

void CNPropWndCB::OnSetFocus(CWnd* pOldWnd)
{
    CComboBox::OnSetFocus(pOldWnd);
    ApplyEntryMode();
}

void CNPropWndCB::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (IsInputLocked())
        return;
    const CWinApp* pApp = AfxGetApp();
    if (pApp != nullptr && pApp->m_pszAppName != nullptr && _stricmp(pApp->m_pszAppName, kPostingApp) == 0)
        ::PostMessageA(::GetParent(::GetParent(m_hWnd)), MSG_LEFT_CLICK, reinterpret_cast<WPARAM>(m_hWnd), 0);
    CComboBox::OnLButtonDown(nFlags, point);
}

void CNPropWndCB::OnRButtonDown(UINT nFlags, CPoint point)
{
    ::PostMessageA(::GetParent(::GetParent(m_hWnd)), MSG_RIGHT_CLICK, reinterpret_cast<WPARAM>(m_hWnd), 0);
    CComboBox::OnRButtonDown(nFlags, point);
}

void CNPropWndCB::OnMouseMove(UINT nFlags, CPoint point)
{
    const HCURSOR hCursor = reinterpret_cast<HCURSOR>(::GetClassLongPtrA(m_hWnd, GCLP_HCURSOR));
    if (hCursor != nullptr)
        ::SetCursor(hCursor);
    CComboBox::OnMouseMove(nFlags, point);
}

void CNPropWndCB::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (nChar == VK_TAB && MirtPostUserMove(::GetParent(m_hWnd), m_pField))
        return;
    if (IsInputLocked())
        return;
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

LRESULT CNPropWndCB::OnQuery(WPARAM, LPARAM)
{
    return 1;
}

LRESULT CNPropWndCB::OnQueryClipBoard(WPARAM wParam, LPARAM)
{
    return MirtAnswerClipboardQuery(wParam, FALSE);
}
