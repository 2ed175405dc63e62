// The command line of the application and its file types in the shell.
#include <string.h>
#include "win/winstate.h"

CCommandLineInfo::CCommandLineInfo() : m_nShellCommand(FileNew), m_bShowSplash(TRUE)
{
}

void CCommandLineInfo::ParseParam(LPCSTR pszParam, BOOL bFlag, BOOL bLast)
{
    if (bFlag) {
        if (lstrcmpiA(pszParam, "p") == 0)
            m_nShellCommand = FilePrint;
        else if (lstrcmpiA(pszParam, "pt") == 0)
            m_nShellCommand = FilePrintTo;
    } else if (m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
    } else if (m_nShellCommand == FilePrintTo) {
        CString* const names[] = {&m_strPrinterName, &m_strDriverName, &m_strPortName};
        for (CString* pName : names) {
            if (pName->IsEmpty()) {
                *pName = pszParam;
                break;
            }
        }
    }
    if (bLast && m_nShellCommand == FileNew && !m_strFileName.IsEmpty())
        m_nShellCommand = FileOpen;
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    // Words are separated by blanks and tabs; double quotes keep blanks
    // inside a word and are taken off.
    CStringArray words;
    const char* p = m_lpCmdLine != nullptr ? m_lpCmdLine : "";
    for (;;) {
        while (*p == ' ' || *p == '\t')
            ++p;
        if (*p == '\0')
            break;
        CString word;
        bool bQuoted = false;
        for (; *p != '\0' && (bQuoted || (*p != ' ' && *p != '\t')); ++p) {
            if (*p == '"')
                bQuoted = !bQuoted;
            else
                word += *p;
        }
        words.Add(word);
    }
    for (int i = 0; i < words.GetSize(); ++i) {
        const CString& word = words[i];
        const BOOL bFlag = !word.IsEmpty() && (word[0] == '-' || word[0] == '/');
        rCmdInfo.ParseParam(bFlag ? static_cast<LPCSTR>(word) + 1 : static_cast<LPCSTR>(word), bFlag,
            i == words.GetSize() - 1);
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Prints the file without a dialog, then the program ends.
        m_nCmdShow = SW_HIDE;
        if (OpenDocumentFile(rCmdInfo.m_strFileName) == nullptr || m_pMainWnd == nullptr)
            return FALSE;
        m_pCmdInfo = &rCmdInfo;
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
        m_pCmdInfo = nullptr;
        m_pMainWnd->SendMessage(WM_CLOSE);
        return FALSE;
    default:
        return TRUE;
    }
}

void CWinApp::EnableShellOpen()
{
}

namespace {

BOOL SetClassesValue(const CString& key, const CString& value)
{
    return ::RegSetValueA(HKEY_CLASSES_ROOT, key, REG_SZ, value, static_cast<DWORD>(value.GetLength()))
        == ERROR_SUCCESS;
}

}  // namespace

void CWinApp::RegisterShellFileTypes(BOOL bCompat)
{
    char szExe[MAX_PATH];
    const DWORD nExe = ::GetModuleFileNameA(m_hInstance, szExe, MAX_PATH);
    if (nExe == 0 || nExe >= MAX_PATH)
        return;
    const CString quotedExe = CString("\"") + szExe + "\"";
    for (POSITION pos = GetFirstDocTemplatePosition(); pos != nullptr;) {
        CDocTemplate* pTemplate = GetNextDocTemplate(pos);
        CString typeId;
        CString typeName;
        CString ext;
        if (!pTemplate->GetDocString(typeId, CDocTemplate::regFileTypeId))
            continue;
        if (!pTemplate->GetDocString(typeName, CDocTemplate::regFileTypeName))
            typeName = typeId;
        if (!SetClassesValue(typeId, typeName)
            || !SetClassesValue(typeId + "\\shell\\open\\command", quotedExe + " \"%1\""))
            continue;
        if (bCompat) {
            SetClassesValue(typeId + "\\shell\\print\\command", quotedExe + " /p \"%1\"");
            SetClassesValue(typeId + "\\shell\\printto\\command", quotedExe + " /pt \"%1\" \"%2\" \"%3\" \"%4\"");
        }
        if (pTemplate->GetDocString(ext, CDocTemplate::filterExt))
            SetClassesValue(ext, typeId);
    }
}
