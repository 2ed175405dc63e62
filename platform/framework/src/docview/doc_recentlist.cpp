#include <algorithm>
#include <stdio.h>
#include "win/winstate.h"

CRecentFileList::CRecentFileList(UINT nStart, LPCSTR lpszSection, LPCSTR lpszEntryFormat, int nSize)
    : m_nStart(nStart), m_strSection(lpszSection), m_strEntryFormat(lpszEntryFormat), m_nMaxSize(nSize)
{
}

void CRecentFileList::Add(LPCSTR lpszPathName)
{
    for (int i = 0; i < GetSize(); ++i) {
        if (m_arrNames[i].CompareNoCase(lpszPathName) == 0) {
            m_arrNames.RemoveAt(i);
            break;
        }
    }
    m_arrNames.InsertAt(0, lpszPathName);
    if (GetSize() > m_nMaxSize)
        m_arrNames.SetSize(m_nMaxSize);
}

void CRecentFileList::Remove(int nIndex)
{
    if (nIndex >= 0 && nIndex < GetSize())
        m_arrNames.RemoveAt(nIndex);
}

void CRecentFileList::ReadList()
{
    m_arrNames.RemoveAll();
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < m_nMaxSize && pApp != nullptr; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        const CString name = pApp->GetProfileString(m_strSection, entry);
        if (!name.IsEmpty())
            m_arrNames.Add(name);
    }
}

void CRecentFileList::WriteList()
{
    CWinApp* pApp = AfxGetApp();
    for (int i = 0; i < m_nMaxSize && pApp != nullptr; ++i) {
        CString entry;
        entry.Format(m_strEntryFormat, i + 1);
        pApp->WriteProfileString(m_strSection, entry,
            i < GetSize() ? static_cast<LPCSTR>(m_arrNames[i]) : nullptr);
    }
}

void CRecentFileList::UpdateMenu(CCmdUI* pCmdUI)
{
    if (pCmdUI->m_pMenu == nullptr)
        return;
    const HMENU hMenu = pCmdUI->m_pMenu->GetSafeHmenu();
    if (m_strOriginal.IsEmpty()) {
        char szText[256] = "";
        ::GetMenuStringA(hMenu, pCmdUI->m_nIndex, szText, sizeof szText, MF_BYPOSITION);
        m_strOriginal = szText;
    }
    // The items of the last update go; the first is rewritten.
    for (int i = 1; i < m_nMaxSize; ++i)
        ::DeleteMenu(hMenu, pCmdUI->m_nID + static_cast<UINT>(i), MF_BYCOMMAND);
    if (GetSize() == 0) {
        pCmdUI->SetText(m_strOriginal);
        pCmdUI->Enable(FALSE);
        return;
    }
    for (int i = 0; i < GetSize(); ++i) {
        CString name = m_arrNames[i].Mid(std::max(m_arrNames[i].ReverseFind('\\'), m_arrNames[i].ReverseFind('/')) + 1);
        name.Replace("&", "&&");
        CString text;
        text.Format("&%d %s", i + 1, static_cast<LPCSTR>(name));
        const UINT nPosition = pCmdUI->m_nIndex + static_cast<UINT>(i);
        const UINT_PTR nID = pCmdUI->m_nID + static_cast<UINT>(i);
        if (i == 0)
            ::ModifyMenuA(hMenu, nPosition, MF_BYPOSITION | MF_STRING, nID, text);
        else
            ::InsertMenuA(hMenu, nPosition, MF_BYPOSITION | MF_STRING, nID, text);
    }
    pCmdUI->Enable(TRUE);
    // The caller goes on after the items added.
    pCmdUI->m_nIndex += static_cast<UINT>(GetSize() - 1);
    pCmdUI->m_nIndexMax = static_cast<UINT>(::GetMenuItemCount(hMenu));
}
