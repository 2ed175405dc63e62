#include "view/wholeimagedlg.h"

#include "resource.h"

BEGIN_MESSAGE_MAP(CWholeImageDlg, CDialog)
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENU()
END_MESSAGE_MAP()

namespace {

const DWORD kWholeImageBarStyle = 0x50800121;   // visible child, border, top, adjustable, tool tips

}  // namespace

CWholeImageDlg::CWholeImageDlg() : m_bUndoAvailable(0), m_bPasteAvailable(0)
{
}

BOOL CWholeImageDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect rect(0, 0, 0, 0);
    if (CWnd* pPlace = GetDlgItem(IDC_WHOLEIMAGE_PICTURE); pPlace != nullptr) {
        pPlace->GetWindowRect(&rect);
        ScreenToClient(&rect);
    }
    m_wndPicture.Create(nullptr, "", WS_CHILD | WS_VISIBLE, rect, this, IDC_WHOLEIMAGE_PICTURE);
    m_wndPicture.ShowWindow(SW_SHOW);
    if (m_wndToolBar.Create(kWholeImageBarStyle, CRect(0, 0, 0, 0), this, IDR_WHOLEIMAGE_BAR) &&
        m_wndToolBar.LoadToolBar(IDR_WHOLEIMAGE_BAR))
        m_wndToolBar.AutoSize();
    return TRUE;
}

void CWholeImageDlg::EnableFaceButtons(BOOL bOn)
{
    m_wndToolBar.EnableButton(ID_FACE_COPY, bOn);
    m_wndToolBar.EnableButton(ID_NEXT_FACE, bOn);
    m_wndToolBar.EnableButton(ID_FACE_UNDO, bOn && m_bUndoAvailable);
    m_wndToolBar.EnableButton(ID_FACE_PASTE, bOn && m_bPasteAvailable);
    m_wndToolBar.EnableButton(ID_FACE_PASTE_ALL, bOn && m_bPasteAvailable);
}

void CWholeImageDlg::EnableFaceMenu(CMenu* pMenu) const
{
    const UINT nUndo = m_bUndoAvailable ? MF_ENABLED : MF_GRAYED;
    const UINT nPaste = m_bPasteAvailable ? MF_ENABLED : MF_GRAYED;
    pMenu->EnableMenuItem(ID_FACE_UNDO, MF_BYCOMMAND | nUndo);
    pMenu->EnableMenuItem(ID_FACE_PASTE, MF_BYCOMMAND | nPaste);
    pMenu->EnableMenuItem(ID_FACE_PASTE_ALL, MF_BYCOMMAND | nPaste);
}

void CWholeImageDlg::OnContextMenu(CWnd*, CPoint point)
{
    CMenu menu;
    if (!m_wndPicture.m_bFrame || !menu.LoadMenu(IDR_WHOLEIMAGE_MENU))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == nullptr)
        return;
    EnableFaceMenu(pPopup);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

void CWholeImageDlg::OnInitMenu(CMenu* pMenu)
{
    CDialog::OnInitMenu(pMenu);
    EnableFaceMenu(pMenu);
}
