#include "entrywnd.h"

#include <afxdlgs.h>

#include "mirtmsgs.h"

namespace {

const char kUnsupported[] = "このウィンドウコマンドはサポートされていません。";

}  // namespace

CWindowCommandTarget::CWindowCommandTarget(CWnd* pWnd) : m_pCommandWnd(pWnd), m_bInputLocked(FALSE)
{
}

CWindowCommandTarget::~CWindowCommandTarget() = default;

int CWindowCommandTarget::DispatchCommand(CDataExchange* pDX)
{
    const WindowCommand* pCommand = CWindowCommandDlg::FromExchange(pDX);
    if (pCommand == nullptr)
        return 0;
    const BOOL bSave = pDX->m_bSaveAndValidate;
    switch (pCommand->nCommand) {
    case WCMD_DATA:
        OnDataCommand(bSave);
        break;
    case WCMD_LIST:
        OnListCommand(bSave);
        break;
    case WCMD_RESET:
        OnResetCommand();
        break;
    case WCMD_LOCK:
        OnLockCommand(bSave);
        break;
    case WCMD_STYLE:
        OnStyleCommand(bSave);
        break;
    default:
        if (pCommand->nCommand > WCMD_LAST)
            return OnUnknownCommand(pCommand->nCommand);
        OnEditCommand(pCommand->nCommand);
        break;
    }
    return 1;
}

void CWindowCommandTarget::OnDataCommand(BOOL)
{
}

void CWindowCommandTarget::OnListCommand(BOOL)
{
}

void CWindowCommandTarget::OnResetCommand()
{
}

void CWindowCommandTarget::OnLockCommand(BOOL bSave)
{
    SetClassStyleBit(CLASS_BIT_LOCK, !bSave);
    m_bInputLocked = !bSave;
}

void CWindowCommandTarget::OnStyleCommand(BOOL bSave)
{
    SetClassStyleBit(CLASS_BIT_STYLE, bSave);
}

void CWindowCommandTarget::OnEditCommand(UINT)
{
}

int CWindowCommandTarget::OnUnknownCommand(UINT)
{
    return AfxMessageBox(kUnsupported, MB_OK);
}

void CWindowCommandTarget::SetClassStyleBit(DWORD dwBit, BOOL bOn)
{
    const HWND hWnd = m_pCommandWnd->GetSafeHwnd();
    if (hWnd == nullptr)
        return;
    const ULONG_PTR dwStyle = ::GetClassLongPtrA(hWnd, GCL_STYLE);
    ::SetClassLongPtrA(hWnd, GCL_STYLE, static_cast<LONG_PTR>(bOn ? (dwStyle | dwBit) : (dwStyle & ~ULONG_PTR{dwBit})));
}

void CWindowCommandTarget::SendClipboardMessage(UINT nCommand)
{
    static const UINT kMessages[] = {WM_CUT, WM_COPY, WM_PASTE};
    if (nCommand >= WCMD_CUT && nCommand <= WCMD_PASTE && m_pCommandWnd->GetSafeHwnd() != nullptr)
        m_pCommandWnd->SendMessage(kMessages[nCommand - WCMD_CUT]);
}

BOOL MirtPostUserMove(HWND hTarget, CNPropObj* pField)
{
    if (hTarget == nullptr)
        return FALSE;
    const LPARAM lNext = ::GetAsyncKeyState(VK_SHIFT) < 0 ? 0 : 1;
    ::PostMessageA(hTarget, MsgUserMove, reinterpret_cast<WPARAM>(pField), lNext);
    return TRUE;
}

LRESULT MirtAnswerClipboardQuery(WPARAM wParam, BOOL bPossible)
{
    if (wParam != 0)
        *reinterpret_cast<int*>(wParam) = bPossible ? 1 : 0;
    return 0;
}
