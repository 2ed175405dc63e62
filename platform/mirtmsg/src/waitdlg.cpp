#include "waitdlg.h"

namespace {

const int kWidth = 320;
const int kHeight = 80;

}  // namespace

CWaitDlg::CWaitDlg(CWnd* pParent)
{
    const LPCSTR wndClass = AfxRegisterWndClass(0, ::LoadCursor(nullptr, IDC_WAIT),
        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (!CreateEx(WS_EX_TOOLWINDOW, wndClass, "", WS_POPUP | WS_DLGFRAME, x, y, kWidth, kHeight,
            pParent != nullptr ? pParent->m_hWnd : nullptr, nullptr))
        return;
    const CRect text(0, kHeight / 2 - 10, kWidth, kHeight / 2 + 10);
    m_wndText.Create("STATIC", Text(), WS_CHILD | WS_VISIBLE | SS_CENTER, text, this, 0xFFFF);
    m_wndText.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    ShowWindow(SW_SHOWNOACTIVATE);
    UpdateWindow();
}

const char* CWaitDlg::Text()
{
    return "しばらくお待ちください...";
}
