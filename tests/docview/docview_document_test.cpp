// Documents through the single-document template: New and Open reuse the
// one document, the frame's title, saving in place of the old file, the
// prompt before changes are lost, and the recent-file list.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <shlobj.h>

#include "docview_app.h"
#include "msgbox_recorder.h"
#include "test_paths.h"

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string FrameTitle(CWnd* pFrame)
{
    CString title;
    pFrame->GetWindowText(title);
    return static_cast<LPCSTR>(title);
}

int CountFiles(const std::string& folder)
{
    WIN32_FIND_DATAA fd;
    const HANDLE hFind = ::FindFirstFileA((folder + "\\*").c_str(), &fd);
    int nFiles = 0;
    if (hFind == INVALID_HANDLE_VALUE)
        return 0;
    do {
        nFiles += (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    } while (::FindNextFileA(hFind, &fd));
    ::FindClose(hFind);
    return nFiles;
}

// The recent-file values as they are stored in the registry.
std::vector<std::string> StoredRecentFiles()
{
    std::vector<std::string> names;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\SuiteTests\\DocViewTest\\Recent File List", 0, KEY_READ,
            &hKey) != ERROR_SUCCESS)
        return names;
    for (int i = 1; i <= 16; ++i) {
        char szValue[MAX_PATH] = "";
        DWORD cbValue = sizeof szValue;
        const std::string entry = "File" + std::to_string(i);
        if (::RegQueryValueExA(hKey, entry.c_str(), nullptr, nullptr, reinterpret_cast<LPBYTE>(szValue), &cbValue)
            == ERROR_SUCCESS)
            names.push_back(szValue);
    }
    ::RegCloseKey(hKey);
    return names;
}

// A shell drop of the given files, as the shell hands it to a window
// (DROPFILES followed by the names, each ending in a zero, then a zero).
HDROP DropOf(const std::vector<std::string>& paths)
{
    std::string names;
    for (const std::string& path : paths)
        names += path + '\0';
    names += '\0';
    const HGLOBAL hDrop = ::GlobalAlloc(GHND, sizeof(DROPFILES) + names.size());
    auto* pDrop = static_cast<DROPFILES*>(::GlobalLock(hDrop));
    pDrop->pFiles = sizeof(DROPFILES);
    pDrop->fWide = FALSE;
    std::copy(names.begin(), names.end(), reinterpret_cast<char*>(pDrop + 1));
    ::GlobalUnlock(hDrop);
    return static_cast<HDROP>(hDrop);
}

void ClearStoredRecentFiles()
{
    ::RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\SuiteTests\\DocViewTest\\Recent File List");
}

}  // namespace

TEST_F(DocViewTest, NewDocumentMakesFrameAndViewOnceAndReusesThem)
{
    NewDocument();
    CMemoFrame* pFrame = Frame();
    CMemoView* pView = View();
    CMemoDoc* pDoc = Doc();
    EXPECT_TRUE(pDoc->IsKindOf(RUNTIME_CLASS(CMemoDoc)));
    EXPECT_EQ(pDoc, Frame()->GetActiveDocument());
    EXPECT_EQ(Template(), pDoc->GetDocTemplate());
    EXPECT_EQ("メモ", std::string(pDoc->GetTitle()));
    EXPECT_EQ("メモ - DocTest", FrameTitle(pFrame));
    EXPECT_EQ(1, pView->m_nInitialUpdates);
    EXPECT_EQ(ID_FILE_NEW, ::GetMenuItemID(::GetSubMenu(::GetMenu(pFrame->m_hWnd), 0), 0));

    pDoc->m_strText = "一行目";
    pDoc->m_nValue = 7;
    m_app.OnFileNew();   // not modified: no question
    EXPECT_EQ(pFrame, Frame());
    EXPECT_EQ(pView, View());
    EXPECT_EQ(pDoc, Doc());
    EXPECT_TRUE(pDoc->m_strText.IsEmpty());
    EXPECT_EQ(0, pDoc->m_nValue);
    EXPECT_EQ(2, pView->m_nInitialUpdates);
}

TEST_F(DocViewTest, SavedDocumentReadsBackWithItsPathAndTitle)
{
    NewDocument();
    const std::string path = FreshTestFolder() + "\\memo one.dtm";
    Doc()->m_strText = "請求書";
    Doc()->m_nValue = 0x01020304;
    Doc()->SetModifiedFlag();
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ("memo one.dtm", std::string(Doc()->GetTitle()));
    EXPECT_EQ("memo one.dtm - DocTest", FrameTitle(Frame()));
    // The archive's bytes: the string's length byte and code page 932 text,
    // then the number, little-endian.
    EXPECT_EQ(std::string("\x06\x90\xbf\x8b\x81\x8f\x91\x04\x03\x02\x01", 11), ReadBytes(path));

    m_app.OnFileNew();
    EXPECT_TRUE(Doc()->m_strText.IsEmpty());
    EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    ASSERT_NE(nullptr, m_app.OpenDocumentFile(("\"" + path + "\"").c_str()));
    EXPECT_EQ("請求書", std::string(Doc()->m_strText));
    EXPECT_EQ(0x01020304, Doc()->m_nValue);
    EXPECT_EQ(path, std::string(Doc()->GetPathName()));
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(DocViewTest, SaveThatFailsPartWayLeavesTheOldFileAsItWas)
{
    NewDocument();
    const std::string folder = FreshTestFolder();
    const std::string path = folder + "\\kept.dtm";
    Doc()->m_strText = "good";
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    const std::string good = ReadBytes(path);

    // Bytes beyond the archive's buffer reach the disk before the failure.
    for (int nFailAfter : {10, 100000}) {
        SCOPED_TRACE(nFailAfter);
        Doc()->m_strText = "half written";
        Doc()->SetModifiedFlag();
        CMemoDoc::s_nFailAfterBytes = nFailAfter;
        MessageBoxRecorder boxes;
        EXPECT_FALSE(Doc()->DoSave(path.c_str()));
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("kept.dtm")) << boxes.shown()[0].text;
        EXPECT_EQ(good, ReadBytes(path));
        EXPECT_EQ(1, CountFiles(folder)) << "the partial file was left behind";
        EXPECT_TRUE(Doc()->IsModified());
    }
    CMemoDoc::s_nFailAfterBytes = 0;
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    EXPECT_NE(good, ReadBytes(path));
    EXPECT_EQ(1, CountFiles(folder));
}

// The written file cannot replace the old one while that is held open:
// the old file stays byte for byte, no temporary file is left, and the
// message names the document.
TEST_F(DocViewTest, SaveWhoseReplaceFailsLeavesTheOldFileAndNoTemporaryFile)
{
    NewDocument();
    const std::string folder = FreshTestFolder();
    const std::string path = folder + "\\held.dtm";
    Doc()->m_strText = "old";
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    const std::string old = ReadBytes(path);
    const HANDLE hHeld = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
        OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, hHeld);
    Doc()->m_strText = "new and longer";
    Doc()->SetModifiedFlag();
    MessageBoxRecorder boxes;
    EXPECT_FALSE(Doc()->DoSave(path.c_str()));
    ::CloseHandle(hHeld);
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("held.dtm")) << boxes.shown()[0].text;
    EXPECT_EQ(old, ReadBytes(path));
    EXPECT_EQ(1, CountFiles(folder));
    EXPECT_TRUE(Doc()->IsModified());
}

TEST_F(DocViewTest, OpenOfAMissingOrBrokenFileReportsAndLeavesAnEmptyDocument)
{
    NewDocument();
    const std::string folder = FreshTestFolder();
    const std::string broken = folder + "\\broken.dtm";
    {
        std::ofstream out(broken, std::ios::binary);
        out << "\x05" << "ab";   // a string of 5 bytes that has only 2
    }
    const std::string kept = folder + "\\kept.dtm";
    Doc()->m_strText = "before";
    ASSERT_TRUE(Doc()->DoSave(kept.c_str()));
    struct Case
    {
        std::string name;
        const char* pszTextAfter;
        std::string pathAfter;
    };
    // A file that cannot be opened leaves the document; one read half
    // leaves a new document, whose save cannot replace the old file.
    const Case cases[] = {{folder + "\\missing.dtm", "before", kept}, {broken, "", ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MessageBoxRecorder boxes;
        EXPECT_EQ(nullptr, m_app.OpenDocumentFile(c.name.c_str()));
        EXPECT_EQ(1u, boxes.shown().size());
        ASSERT_NE(nullptr, m_app.m_pMainWnd);
        EXPECT_EQ(c.pszTextAfter, std::string(Doc()->m_strText));
        EXPECT_EQ(c.pathAfter, std::string(Doc()->GetPathName()));
        EXPECT_FALSE(Doc()->IsModified());
    }
}

// Opened directly, not through the template: a load that fails part-way,
// by a broken file or by memory, leaves the document empty, clean and
// without the old name, so no later save can put it in place of a file.
TEST_F(DocViewTest, AFailedOpenLeavesTheDocumentCleanEmptyAndNameless)
{
    NewDocument();
    const std::string folder = FreshTestFolder();
    const std::string broken = folder + "\\broken.dtm";
    {
        std::ofstream out(broken, std::ios::binary);
        out << "\x02" << "ab" << "\x01";   // the number has one byte of four
    }
    const std::string good = folder + "\\good.dtm";
    const struct
    {
        const std::string& path;
        BOOL bOutOfMemory;
    } cases[] = {{broken, FALSE}, {good, TRUE}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path + (c.bOutOfMemory ? " out of memory" : ""));
        Doc()->m_strText = "good";
        ASSERT_TRUE(Doc()->DoSave(good.c_str()));
        Doc()->m_strText = "changed";
        Doc()->SetModifiedFlag();
        CMemoDoc::s_bLoadRunsOutOfMemory = c.bOutOfMemory;
        MessageBoxRecorder boxes;
        EXPECT_FALSE(Doc()->OnOpenDocument(c.path.c_str()));
        CMemoDoc::s_bLoadRunsOutOfMemory = FALSE;
        EXPECT_EQ(1u, boxes.shown().size());
        EXPECT_FALSE(Doc()->IsModified());
        EXPECT_TRUE(Doc()->m_strText.IsEmpty());
        EXPECT_TRUE(Doc()->GetPathName().IsEmpty());
    }
    EXPECT_EQ("good", ReadBytes(good).substr(1, 4));
}

TEST_F(DocViewTest, ChangesAreSavedOrDroppedOrKeptAsTheUserAnswers)
{
    NewDocument();
    const std::string path = FreshTestFolder() + "\\answer.dtm";
    ASSERT_TRUE(Doc()->DoSave(path.c_str()));
    struct Case
    {
        int nAnswer;
        bool bNewDocument;
        bool bSaved;
    };
    const Case cases[] = {{IDCANCEL, false, false}, {IDNO, true, false}, {IDYES, true, true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nAnswer);
        if (Doc()->GetPathName().IsEmpty()) {
            ASSERT_NE(nullptr, m_app.OpenDocumentFile(path.c_str()));
        }
        Doc()->m_strText.Format("changed %d", c.nAnswer);
        Doc()->SetModifiedFlag();
        MessageBoxRecorder boxes(c.nAnswer);
        m_app.OnFileNew();
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("answer.dtm への変更を保存しますか?", boxes.shown()[0].text);
        EXPECT_EQ(UINT(MB_YESNOCANCEL), boxes.shown()[0].type & MB_TYPEMASK);
        EXPECT_EQ(c.bNewDocument, Doc()->GetPathName().IsEmpty() != FALSE);
        EXPECT_EQ(c.bSaved, ReadBytes(path).find("changed") != std::string::npos);
    }
}

TEST_F(DocViewTest, ClosingTheFrameAsksFirstAndCancelKeepsIt)
{
    NewDocument();
    Doc()->SetModifiedFlag();
    const HWND hFrame = Frame()->m_hWnd;
    {
        MessageBoxRecorder boxes(IDCANCEL);
        ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(1u, boxes.shown().size());
    }
    ASSERT_TRUE(::IsWindow(hFrame));
    {
        MessageBoxRecorder boxes(IDNO);
        m_app.m_pMainWnd = nullptr;   // no quit message for the test's thread
        ::SendMessageA(hFrame, WM_CLOSE, 0, 0);
        EXPECT_EQ(1u, boxes.shown().size());
    }
    EXPECT_FALSE(::IsWindow(hFrame));
    EXPECT_EQ(nullptr, Template()->GetFirstDocPosition());
}

TEST_F(DocViewTest, UpdateAllViewsPassesTheHintToEveryViewButTheSender)
{
    NewDocument();
    CStringList hint;
    const int nBefore = View()->m_nUpdates;
    Doc()->UpdateAllViews(nullptr, 2, &hint);
    EXPECT_EQ(nBefore + 1, View()->m_nUpdates);
    EXPECT_EQ(2, View()->m_lLastHint);
    EXPECT_EQ(&hint, View()->m_pLastHint);
    Doc()->UpdateAllViews(View(), 1, nullptr);
    EXPECT_EQ(nBefore + 1, View()->m_nUpdates);
    POSITION pos = Doc()->GetFirstViewPosition();
    EXPECT_EQ(View(), Doc()->GetNextView(pos));
    EXPECT_EQ(nullptr, pos);
}

TEST_F(DocViewTest, RecentFilesGoToTheRegistryMostRecentFirst)
{
    ClearStoredRecentFiles();
    m_app.LoadStdProfileSettings(3);
    NewDocument();
    const std::string folder = FreshTestFolder();
    std::vector<std::string> paths;
    for (const char* name : {"a.dtm", "b.dtm", "c.dtm", "d.dtm"}) {
        paths.push_back(folder + "\\" + name);
        ASSERT_TRUE(Doc()->DoSave(paths.back().c_str()));
    }
    // The same file again moves up instead of repeating; the list is full
    // at three.
    ASSERT_NE(nullptr, m_app.OpenDocumentFile(paths[1].c_str()));
    m_app.SaveStdProfileSettings();
    const std::vector<std::string> expected = {paths[1], paths[3], paths[2]};
    EXPECT_EQ(expected, StoredRecentFiles());

    // Another run reads them back, and its menu lists them by name.
    m_app.LoadStdProfileSettings(3);
    ASSERT_NE(nullptr, m_app.m_pRecentFileList);
    ASSERT_EQ(3, m_app.m_pRecentFileList->GetSize());
    EXPECT_EQ(paths[1], std::string((*m_app.m_pRecentFileList)[0]));
    const HMENU hFile = ::GetSubMenu(::GetMenu(Frame()->m_hWnd), 0);
    Frame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(hFile), 0);
    char szItem[64] = "";
    ::GetMenuStringA(hFile, ID_FILE_MRU_FILE1 + 1, szItem, sizeof szItem, MF_BYCOMMAND);
    EXPECT_EQ("&2 d.dtm", std::string(szItem));
    EXPECT_EQ(0u, ::GetMenuState(hFile, ID_FILE_MRU_FILE1 + 2, MF_BYCOMMAND) & MF_GRAYED);

    // A recent file that is gone leaves the list when chosen.
    ::DeleteFileA(paths[3].c_str());
    {
        MessageBoxRecorder boxes;
        Frame()->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1 + 1);
        EXPECT_EQ(1u, boxes.shown().size());
    }
    EXPECT_EQ(2, m_app.m_pRecentFileList->GetSize());
    m_app.SaveStdProfileSettings();
    const std::vector<std::string> after = {paths[1], paths[2]};
    EXPECT_EQ(after, StoredRecentFiles());
    ClearStoredRecentFiles();
}

TEST_F(DocViewTest, CommandLinesChooseNewOpenPrintOrPrintTo)
{
    struct Case
    {
        const char* pszCommandLine;
        int nShellCommand;
        const char* pszFileName;
        const char* pszPrinter;  // printer, driver and port, separated by '|'
    };
    const Case cases[] = {
        {"", CCommandLineInfo::FileNew, ""},
        {" /L:12", CCommandLineInfo::FileNew, ""},
        {"/E:9 /:Sabc@:E", CCommandLineInfo::FileNew, ""},
        {"memo.dtm", CCommandLineInfo::FileOpen, "memo.dtm"},
        {"\"C:\\My Files\\memo.dtm\"", CCommandLineInfo::FileOpen, "C:\\My Files\\memo.dtm"},
        {"C:\\My Files\\memo.dtm", CCommandLineInfo::FileOpen, "C:\\My"},
        {"/p memo.dtm", CCommandLineInfo::FilePrint, "memo.dtm"},
        {"-P\tmemo.dtm", CCommandLineInfo::FilePrint, "memo.dtm"},
        {"/pt memo.dtm \"PDF\" winspool CUPS:PDF", CCommandLineInfo::FilePrintTo, "memo.dtm", "PDF|winspool|CUPS:PDF"},
        {"/PT \"a b.dtm\" \"My Printer\"", CCommandLineInfo::FilePrintTo, "a b.dtm", "My Printer||"},
        {"memo.dtm PDF", CCommandLineInfo::FileOpen, "memo.dtm"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszCommandLine);
        m_app.m_lpCmdLine = const_cast<LPSTR>(c.pszCommandLine);
        CCommandLineInfo info;
        m_app.ParseCommandLine(info);
        EXPECT_EQ(c.nShellCommand, static_cast<int>(info.m_nShellCommand));
        EXPECT_EQ(c.pszFileName, std::string(info.m_strFileName));
        const CString printer = info.m_strPrinterName + "|" + info.m_strDriverName + "|" + info.m_strPortName;
        EXPECT_EQ(c.pszPrinter != nullptr ? c.pszPrinter : "||", std::string(printer));
    }
}

TEST_F(DocViewTest, ShellCommandOpensAQuotedPathWithBlanks)
{
    const std::string path = FreshTestFolder() + "\\with blank.dtm";
    {
        CMemoDoc doc;
        doc.m_strText = "開いた";
        doc.m_bAutoDelete = FALSE;
        ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    }
    CCommandLineInfo info;
    info.m_nShellCommand = CCommandLineInfo::FileOpen;
    info.m_strFileName = ("\"" + path + "\"").c_str();
    ASSERT_TRUE(m_app.ProcessShellCommand(info));
    EXPECT_EQ("開いた", std::string(Doc()->m_strText));

    CCommandLineInfo missing;
    missing.m_nShellCommand = CCommandLineInfo::FileOpen;
    missing.m_strFileName = "no such file.dtm";
    MessageBoxRecorder boxes;
    EXPECT_FALSE(m_app.ProcessShellCommand(missing));
}

TEST_F(DocViewTest, ShellFileTypesNameTheProgramForOpenAndPrint)
{
    m_app.RegisterShellFileTypes(TRUE);
    char szExe[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szExe, MAX_PATH);
    const std::string exe = std::string("\"") + szExe + "\"";
    struct Case
    {
        const char* pszKey;
        std::string value;
    };
    const Case cases[] = {
        {".dtm", "DocTest.Memo"},
        {"DocTest.Memo", "DocTest メモ"},
        {"DocTest.Memo\\shell\\open\\command", exe + " \"%1\""},
        {"DocTest.Memo\\shell\\print\\command", exe + " /p \"%1\""},
        {"DocTest.Memo\\shell\\printto\\command", exe + " /pt \"%1\" \"%2\" \"%3\" \"%4\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszKey);
        char szValue[512] = "";
        LONG cbValue = sizeof szValue;
        ASSERT_EQ(ERROR_SUCCESS, ::RegQueryValueA(HKEY_CLASSES_ROOT, c.pszKey, szValue, &cbValue));
        EXPECT_EQ(c.value, std::string(szValue));
    }
}

// Files dropped on the frame open one after the other; the single
// document ends with the last.
TEST_F(DocViewTest, DroppedFilesOpenThroughTheApplication)
{
    NewDocument();
    Frame()->DragAcceptFiles();
    EXPECT_NE(0, Frame()->GetExStyle() & WS_EX_ACCEPTFILES);
    const std::string folder = FreshTestFolder();
    std::vector<std::string> paths;
    for (const char* text : {"first", "二番目"}) {
        Doc()->m_strText = text;
        paths.push_back(folder + "\\" + (paths.empty() ? "first.dtm" : "第二 memo.dtm"));
        ASSERT_TRUE(Doc()->DoSave(paths.back().c_str()));
    }
    m_app.OnFileNew();
    m_app.LoadStdProfileSettings(4);
    Frame()->SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(DropOf(paths)));
    EXPECT_EQ("二番目", std::string(Doc()->m_strText));
    EXPECT_EQ(paths[1], std::string(Doc()->GetPathName()));
    ASSERT_EQ(2, m_app.m_pRecentFileList->GetSize());
    EXPECT_EQ(paths[0], std::string((*m_app.m_pRecentFileList)[1]));
    Frame()->DragAcceptFiles(FALSE);
    EXPECT_EQ(0, Frame()->GetExStyle() & WS_EX_ACCEPTFILES);
    ClearStoredRecentFiles();
}

// A template without a document name gives the framework's untitled name,
// not whatever the program keeps at an id near the framework's prompts.
TEST_F(DocViewTest, DocumentWithoutANameIsUntitled)
{
    CSingleDocTemplate noName(IDR_NONAME, RUNTIME_CLASS(CMemoDoc), RUNTIME_CLASS(CMemoFrame), RUNTIME_CLASS(CMemoView));
    CString name;
    EXPECT_FALSE(noName.GetDocString(name, CDocTemplate::docName));
    EXPECT_TRUE(noName.GetDocString(name, CDocTemplate::fileNewName));
    EXPECT_EQ("NoName", std::string(name));
    CMemoDoc doc;
    noName.SetDefaultTitle(&doc);
    EXPECT_EQ("無題", std::string(doc.GetTitle()));
}
