#include "document/tolvanedoc.h"

#include <memory>

#include <afxcomdlg.h>
#include <afxdlgs.h>

#include "cp932.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "mirtfileio.h"
#include "app/tolvaneapp.h"
#include "view/tolvaneview.h"

IMPLEMENT_DYNCREATE(CTolvaneDoc, CDocument)

BEGIN_MESSAGE_MAP(CTolvaneDoc, CDocument)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_FILE_SAVE, OnFileSave)
    ON_COMMAND(ID_FILE_SAVE_AS, OnFileSaveAs)
END_MESSAGE_MAP()

namespace {

// The file dialogs add it to a name typed without one.
const char kQmtExtension[] = "qmt";
const char kQmtFilter[] = "voraﾌｧｲﾙ(*.qmt)|*.qmt||";
const char kStandardFilter[] =
    "voraﾌｧｲﾙ(*.qmt)|*.qmt|Microsoft Excelｼｰﾄ(*.xls)|*.xls|Microsoft Accessﾃﾞｰﾀﾍﾞｰｽ(*.mdb)|*.mdb|"
    "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt;*.csv)|*.txt;*.csv||";
const char kMode1Filter[] =
    "voraﾌｧｲﾙ(*.qmt)|*.qmt|Microsoft Excelｼｰﾄ(*.xls)|*.xls|Microsoft Accessﾃﾞｰﾀﾍﾞｰｽ(*.mdb)|*.mdb|"
    "ﾃｷｽﾄ ﾌｧｲﾙ(*.txt;*.csv)|*.txt;*.csv|旧製品ﾌｧｲﾙ(*.kwd)|*.kwd||";
const char kOlderCannotOverwrite[] =
    "このファイルは旧製品（テッサロ1またはテッサロ2）のファイルです。\n上書き保存はできません。";
const char kOlderCannotSave[] =
    "このファイルは旧製品（テッサロ1またはテッサロ2）のファイルです。\n保存できません。";
const char kOlderCloseQuestion[] =
    "このファイルは旧製品（テッサロ1またはテッサロ2）のファイルのため保存できません。\n"
    "保存せずにフォームを閉じますか？";
const char kSaveQuestion[] = "このデータは変更後まだ保存されていません。保存しますか？";
const char kReadFailed[] = "\nファイルの読み込みに失敗しました。\nデフォルトの状態に戻ります。";
const char kWriteFailed[] = "\nファイルの書き出しに失敗しました。";
const char kReopenFailed[] = "\nファイルの読み込みに失敗しました";

// The offset of the last backslash that is a character of its own (not
// the second byte of a double-byte character), or -1.
int LastSeparator(const CString& strPath)
{
    int nLast = -1;
    const int nLength = strPath.GetLength();
    for (int i = 0; i < nLength; i += cp932::CharLength(strPath, i, nLength)) {
        if (strPath[i] == '\\' || strPath[i] == '/' || strPath[i] == ':')
            nLast = i;
    }
    return nLast;
}

// Data files of other software that the data link reads and writes.
BOOL IsLinkExtension(const CString& strExt)
{
    return strExt == "xls" || strExt == "mdb" || strExt == "txt" || strExt == "csv";
}

int InstallMode()
{
    CMirtEnv env;
    return env.m_nInstallMode;
}

}  // namespace

CTolvaneDoc::CTolvaneDoc()
    : m_pFileIO(new CMirtFileIO), m_pPrtFrm(nullptr), m_pMen(nullptr), m_cVersion(kCurrentVersion), m_bFirstDocument(1)
{
    CMirtEnv env;
    m_strFolder = env.m_strUserFolder;
    ::SetCurrentDirectoryA(m_strFolder);
}

CTolvaneDoc::~CTolvaneDoc()
{
    DeleteFaceWindow();
    DeletePrintFrame();
    delete m_pFileIO;
}

void CTolvaneDoc::DeleteFaceWindow()
{
    delete m_pMen;
    m_pMen = nullptr;
}

void CTolvaneDoc::DeletePrintFrame()
{
    delete m_pPrtFrm;
    m_pPrtFrm = nullptr;
}

CTolvaneView* CTolvaneDoc::ActiveView()
{
    CWnd* pMain = AfxGetMainWnd();
    if (pMain == nullptr || !pMain->IsKindOf(RUNTIME_CLASS(CFrameWnd)))
        return nullptr;
    CView* pView = static_cast<CFrameWnd*>(pMain)->GetActiveView();
    return pView != nullptr && pView->IsKindOf(RUNTIME_CLASS(CTolvaneView)) ? static_cast<CTolvaneView*>(pView)
                                                                             : nullptr;
}

void CTolvaneDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CTolvaneDoc::Store(CArchive& ar)
{
    // Without the view the shown page cannot be committed: nothing valid
    // can be written.
    CTolvaneView* pView = ActiveView();
    if (pView == nullptr)
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    if (m_pPrtFrm != nullptr && m_pPrtFrm->IsPrintForm() &&
        !pView->CommitAndSwitchPage(CTolvaneView::PAGE_COMMIT, 0, TRUE))
        AfxThrowArchiveException(CArchiveException::generic, ar.m_strFileName);
    m_pFileIO->Serialize(ar);
    if (m_cVersion != 0)
        ar << static_cast<BYTE>(m_cVersion);
}

CMirtFileIO* CTolvaneDoc::ReadBody(CArchive& ar, char& cVersion)
{
    std::unique_ptr<CMirtFileIO> pLoaded(new CMirtFileIO);
    pLoaded->Serialize(ar);
    BYTE byVersion = 0;
    cVersion = ar.Read(&byVersion, 1) == 1 ? static_cast<char>(byVersion) : 0;
    return pLoaded.release();
}

void CTolvaneDoc::Load(CArchive& ar)
{
    char cVersion = 0;
    CMirtFileIO* pLoaded = ReadBody(ar, cVersion);
    delete m_pFileIO;
    m_pFileIO = pLoaded;
    m_cVersion = cVersion;
    TakeFilePath(ar.m_strFileName);
}

void CTolvaneDoc::TakeFilePath(const CString& strPath)
{
    const int nSeparator = LastSeparator(strPath);
    // A drive keeps its colon; a folder loses its closing backslash.
    if (nSeparator < 0)
        m_strFolder.Empty();
    else
        m_strFolder = strPath.Left(strPath[nSeparator] == ':' ? nSeparator + 1 : nSeparator);
    const CString strName = strPath.Mid(nSeparator + 1);
    const int nDot = strName.ReverseFind('.');
    m_strFileName = nDot >= 0 ? strName.Left(nDot) : strName;
    m_strFileExt = nDot >= 0 ? strName.Mid(nDot + 1) : CString();
}

BOOL CTolvaneDoc::OnNewDocument()
{
    if (!CDocument::OnNewDocument())
        return FALSE;
    CTolvaneApp* pApp = TolvaneApp();
    if (pApp == nullptr)
        return FALSE;
    delete m_pFileIO;
    m_pFileIO = new CMirtFileIO;
    m_bFirstDocument = 0;
    if (!pApp->m_bSampleExists)
        return TRUE;
    // The sample is a start, not the user's file: Save must not write over
    // it.
    CDocument::OnOpenDocument(CTolvaneApp::SamplePath(pApp->m_nLayoutID));
    ClearFileName();
    SetModifiedFlag(FALSE);
    pApp->m_bSampleExists = 0;
    return TRUE;
}

void CTolvaneDoc::ClearFileName()
{
    m_strFileName.Empty();
    m_strFileExt.Empty();
}

BOOL CTolvaneDoc::IsUntitled() const
{
    return m_strFileName.IsEmpty() && m_strFileExt.IsEmpty();
}

CString CTolvaneDoc::GetFileNameWithExt() const
{
    return m_strFileName.IsEmpty() ? CString() : m_strFileName + "." + m_strFileExt;
}

CString CTolvaneDoc::CurrentPath() const
{
    CString strPath = m_strFolder + "\\" + m_strFileName;
    if (CTolvaneApp::IsKnownInstallMode(InstallMode()))
        strPath += "." + m_strFileExt;
    return strPath;
}

BOOL CTolvaneDoc::HasQmtName() const
{
    return !m_strFileName.IsEmpty() && m_strFileExt.CompareNoCase(kQmtExtension) == 0;
}

BOOL CTolvaneDoc::SaveInPlace()
{
    CWaitCursor wait;
    return OnSaveDocument(CurrentPath());
}

BOOL CTolvaneDoc::ChooseFile(BOOL bOpen, LPCSTR pszFilter, CString& strPath, CString& strTitle,
    CString& strExt) const
{
    CFileDialog dlg(bOpen, pszFilter != nullptr ? kQmtExtension : nullptr,
        bOpen ? nullptr : static_cast<LPCSTR>(m_strFileName), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, pszFilter);
    dlg.m_ofn.lpstrInitialDir = m_strFolder;
    if (dlg.DoModal() != IDOK)
        return FALSE;
    strPath = dlg.GetPathName();
    strTitle = dlg.GetFileTitle();
    strExt = dlg.GetFileExt();
    return TRUE;
}

BOOL CTolvaneDoc::SaveModified()
{
    if (!IsModified())
        return TRUE;
    if (m_cVersion == 0)
        return AfxMessageBox(kOlderCloseQuestion, MB_OKCANCEL | MB_ICONEXCLAMATION) == IDOK;
    switch (AfxMessageBox(kSaveQuestion, MB_YESNOCANCEL | MB_ICONQUESTION)) {
    case IDCANCEL:
        return FALSE;
    case IDNO:
        return TRUE;
    default:
        return HasQmtName() ? SaveInPlace() : SaveOnClose();
    }
}

BOOL CTolvaneDoc::SaveOnClose()
{
    CString strPath, strTitle, strExt;
    if (!ChooseFile(FALSE, kQmtFilter, strPath, strTitle, strExt))
        return FALSE;
    strExt.MakeLower();
    if (IsLinkExtension(strExt))
        return FALSE;
    m_cVersion = kCurrentVersion;
    if (OnSaveDocument(strPath))
        return TRUE;
    AfxMessageBox(strPath + kWriteFailed);
    return FALSE;
}

void CTolvaneDoc::OnFileOpen()
{
    if (IsModified() && !SaveModified())
        return;
    const int nMode = InstallMode();
    LPCSTR pszFilter = nullptr;
    if (CTolvaneApp::IsKnownInstallMode(nMode))
        pszFilter = m_cVersion == 0 ? kQmtFilter : nMode == 1 ? kMode1Filter : kStandardFilter;
    CString strPath, strTitle, strExt;
    if (!ChooseFile(TRUE, pszFilter, strPath, strTitle, strExt) || ActiveView() == nullptr)
        return;
    strExt.MakeLower();
    if (m_cVersion != 0 && IsLinkExtension(strExt))
        return;   // the data link of the form view takes these files
    if (!OnOpenDocument(strPath)) {
        AfxMessageBox(strPath + kReadFailed);
        UpdateAllViews(nullptr, 0);
        return;
    }
    m_strFileName = strTitle;
    m_strFileExt = strExt;
    ActiveView()->m_nZoom = 0;   // fit again
    UpdateAllViews(nullptr, 1);
}

void CTolvaneDoc::OnFileSave()
{
    if (m_cVersion == 0) {
        AfxMessageBox(kOlderCannotOverwrite);
        return;
    }
    if (ActiveView() == nullptr)
        return;
    if (!HasQmtName()) {
        OnFileSaveAs();
        return;
    }
    SaveInPlace();
}

void CTolvaneDoc::OnFileSaveAs()
{
    CTolvaneView* pView = ActiveView();
    if (pView == nullptr)
        return;
    if (m_cVersion == 0) {
        AfxMessageBox(kOlderCannotSave);
        return;
    }
    CString strPath, strTitle, strExt;
    if (!ChooseFile(FALSE, InstallMode() == 1 ? kMode1Filter : kStandardFilter, strPath, strTitle, strExt))
        return;
    strExt.MakeLower();
    m_strFileExt = strExt;
    if (IsLinkExtension(strExt))
        return;   // the data link of the form view writes these files
    CWaitCursor wait;
    m_cVersion = kCurrentVersion;
    if (!OnSaveDocument(strPath)) {
        AfxMessageBox(strPath + kWriteFailed);
        return;
    }
    if (!OnOpenDocument(strPath)) {
        AfxMessageBox(strPath + kReopenFailed);
        return;
    }
    m_strFileName = strTitle;
    pView->UpdateTitle(FALSE, TolvaneApp() != nullptr ? TolvaneApp()->m_nLayoutID : 0);
}
