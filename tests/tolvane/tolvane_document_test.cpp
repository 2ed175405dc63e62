// The document and its ".qmt" files: the body and the trailing version
// byte, failing saves that keep the old file, the sample of a "/L:" start
// and the title.
#include <memory>

#include <afxcomdlg.h>

#include "file_dialog.h"
#include "mirtfileio.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "strel95data.h"
#include "tolvane_fixture.h"

namespace {

CString FirstPageTitle(CTolvaneDoc* pDoc)
{
    CObList* pPages = pDoc->m_pFileIO->GetStrelData()->GetMirtDocList();
    tagNMIRTDOC record;
    static_cast<CNMirtDoc*>(pPages->GetHead())->GetMIRTDOC(&record, 1);
    return record.strTitle;
}

// A body of exactly nSize bytes: one page whose title is as long as needed.
std::string BodyOfSize(size_t nSize)
{
    std::unique_ptr<CMirtFileIO> pFile(NewSampleFile(1));
    CNMirtDoc* pPage = static_cast<CNMirtDoc*>(pFile->GetStrelData()->GetMirtDocList()->GetHead());
    tagNMIRTDOC record;
    pPage->GetMIRTDOC(&record, 1);
    const CString strBase = record.strTitle;
    // Titles of 300 bytes and more have a three-byte length.
    record.strTitle = strBase + CString('x', 300);
    pPage->SetMIRTDOC(&record, 1);
    const size_t nAt300 = StoreBody(*pFile).size();
    record.strTitle = strBase + CString('x', static_cast<int>(300 + nSize - nAt300));
    pPage->SetMIRTDOC(&record, 1);
    return StoreBody(*pFile);
}

// A page that writes itself, some more bytes, and then fails as a full
// disk does.
class CFailingPage : public CNMirtDoc
{
    DECLARE_SERIAL(CFailingPage)
public:
    void Serialize(CArchive& ar) override
    {
        CNMirtDoc::Serialize(ar);
        if (ar.IsStoring()) {
            const BYTE filler[512] = {};
            for (int n = 0; n < 20; ++n)
                ar.Write(filler, sizeof filler);
            AfxThrowFileException(CFileException::diskFull);
        }
    }
};

IMPLEMENT_SERIAL(CFailingPage, CNMirtDoc, 1)

struct TrailerCase
{
    const char* pszName;
    size_t nBodySize;    // 0: the sample file's natural size
    const char* pszTrailer;
    char cVersion;       // read and written back
};

const TrailerCase kTrailerCases[] = {
    {"CurrentFormat", 0, "1", '1'},
    {"AnyOtherByteIsKept", 0, "7", '7'},
    {"OlderProductHasNoByte", 0, "", 0},
    {"BodyEndsAtTheBufferWithByte", 4096, "1", '1'},
    {"BodyEndsAtTheBufferWithoutByte", 4096, "", 0},
    {"BodyEndsAtTwoBuffersWithByte", 8192, "1", '1'},
};

class TrailerTest : public TolvaneTest, public testing::WithParamInterface<TrailerCase>
{
};

// Answers the save dialog with a name typed into its file name field; the
// dialog must add the extension "qmt" itself.
void TypeNameIntoSaveDialog(ModalScript& script, const std::string& typed)
{
    script.ExpectDialog([typed](CWnd* pDialog) {
        CFileDialog* pFileDialog = dynamic_cast<CFileDialog*>(pDialog);
        ASSERT_NE(nullptr, pFileDialog);
        EXPECT_STREQ("qmt", pFileDialog->m_ofn.lpstrDefExt);
        ChooseFileInDialog(pDialog, typed);
    });
}

}  // namespace

TEST_P(TrailerTest, VersionByteReadsAndWritesBack)
{
    const TrailerCase& c = GetParam();
    std::unique_ptr<CMirtFileIO> pFile(NewSampleFile(2));
    const std::string body = c.nBodySize == 0 ? StoreBody(*pFile) : BodyOfSize(c.nBodySize);
    if (c.nBodySize != 0) {
        ASSERT_EQ(c.nBodySize, body.size());
    }
    const std::string path = Root() + "\\in.qmt";
    WriteFileBytes(path, body + c.pszTrailer);
    AddTemplate();
    NewDocument();

    ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
    EXPECT_EQ(c.cVersion, Doc()->m_cVersion);
    EXPECT_EQ(c.nBodySize == 0 ? 2 : 1, PageCount(Doc()));
    EXPECT_EQ(Root(), static_cast<LPCSTR>(Doc()->m_strFolder));
    EXPECT_EQ("in", std::string(Doc()->m_strFileName));
    EXPECT_EQ("qmt", std::string(Doc()->m_strFileExt));

    const std::string out = Root() + "\\out.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(out.c_str()));
    EXPECT_EQ(body + c.pszTrailer, ReadFileBytes(out));
}

INSTANTIATE_TEST_SUITE_P(Cases, TrailerTest, testing::ValuesIn(kTrailerCases),
    [](const testing::TestParamInfo<TrailerCase>& info) { return std::string(info.param.pszName); });

TEST_F(TolvaneTest, RoundTripKeepsThePages)
{
    NewDocumentWithPages(3);
    const std::string path = Root() + "\\三頁.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
    const std::string saved = ReadFileBytes(path);
    ASSERT_FALSE(saved.empty());
    EXPECT_EQ('1', saved.back());

    m_app.OnFileNew();
    EXPECT_EQ(-1, PageCount(Doc()));
    ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
    EXPECT_EQ(3, PageCount(Doc()));
    EXPECT_EQ("ページ1", std::string(FirstPageTitle(Doc())));
    EXPECT_EQ("三頁", std::string(Doc()->m_strFileName));
}

TEST_F(TolvaneTest, SaveThatThrowsKeepsTheOldFile)
{
    NewDocumentWithPages(1);
    const std::string path = Root() + "\\keep.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
    const std::string before = ReadFileBytes(path);

    Doc()->m_pFileIO->GetStrelData()->AddTail(new CFailingPage);
    MessageBoxRecorder boxes;
    EXPECT_FALSE(Doc()->OnSaveDocument(path.c_str()));
    EXPECT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(before, ReadFileBytes(path));
}

TEST_F(TolvaneTest, SaveWithoutActiveViewFailsAndKeepsTheOldFile)
{
    const std::string path = Root() + "\\old.qmt";
    WriteFileBytes(path, "old bytes");
    CTolvaneDoc doc;
    MessageBoxRecorder boxes;
    EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(1u, boxes.shown().size());
    EXPECT_EQ("old bytes", ReadFileBytes(path));
}

TEST_F(TolvaneTest, DamagedFileLeavesTheDocumentAsItWas)
{
    NewDocumentWithPages(2);
    Doc()->m_cVersion = '5';
    std::unique_ptr<CMirtFileIO> pOther(NewSampleFile(3));
    const std::string body = StoreBody(*pOther);
    const std::string path = Root() + "\\cut.qmt";
    WriteFileBytes(path, body.substr(0, body.size() / 2));

    MessageBoxRecorder boxes;
    EXPECT_FALSE(Doc()->OnOpenDocument(path.c_str()));
    EXPECT_EQ(1u, boxes.shown().size());
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ('5', Doc()->m_cVersion);
}

TEST_F(TolvaneTest, FirstDocumentOfAStartTakesTheSampleWithoutItsName)
{
    WriteSampleData();
    m_app.m_nLayoutID = 9001;
    m_app.m_bSampleExists = 1;
    AddTemplate();
    NewDocument();
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_TRUE(Doc()->IsUntitled());
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_EQ(0, m_app.m_bSampleExists);
    EXPECT_EQ(0, Doc()->m_bFirstDocument);
    EXPECT_EQ('1', Doc()->m_cVersion);
    EXPECT_EQ("納品書 ", std::string(Doc()->GetTitle()));

    // Save goes through Save As, never over the installed sample.
    const std::string sample = ReadFileBytes(Path("\\DATA\\SAMPLES\\S9001.qmt"));
    // File New shows one empty page of the form.
    m_app.OnFileNew();
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_TRUE(Doc()->IsUntitled());
    EXPECT_EQ(sample, ReadFileBytes(Path("\\DATA\\SAMPLES\\S9001.qmt")));
}

TEST_F(TolvaneTest, DamagedSampleLeavesAnEmptyDocument)
{
    WriteSampleData();
    const std::string samplePath = Path("\\DATA\\SAMPLES\\S9002.qmt");
    WriteFileBytes(samplePath, ReadFileBytes(samplePath).substr(0, 300));
    m_app.m_nLayoutID = 9002;
    m_app.m_bSampleExists = 1;
    AddTemplate();
    MessageBoxRecorder boxes;
    NewDocument();
    EXPECT_EQ(1u, boxes.shown().size());
    // The form still shows, on one empty page.
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_TRUE(Doc()->IsUntitled());
    EXPECT_EQ(0, m_app.m_bSampleExists);
}

TEST_F(TolvaneTest, TitleIsFormNameAndFileName)
{
    WriteSampleData();
    m_app.m_nLayoutID = 9003;
    AddTemplate();
    NewDocument();
    EXPECT_EQ("伝票 ", std::string(Doc()->GetTitle()));
    EXPECT_EQ("", std::string(Doc()->GetFileNameWithExt()));

    const std::string path = Root() + "\\a.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
    ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
    Doc()->UpdateAllViews(nullptr, 1);
    EXPECT_EQ("伝票 a.qmt", std::string(Doc()->GetTitle()));

    Doc()->ClearFileName();
    EXPECT_TRUE(Doc()->IsUntitled());
    View()->UpdateTitle(FALSE, 0);   // the name is kept without renew
    EXPECT_EQ("伝票 ", std::string(Doc()->GetTitle()));
    View()->UpdateTitle(TRUE, 0);
    EXPECT_EQ(" ", std::string(Doc()->GetTitle()));
}

TEST_F(TolvaneTest, SaveWritesToTheOpenedFile)
{
    const std::string path = Root() + "\\b.QMT";
    ASSERT_TRUE(OpenWrittenFile(path, 2, "1"));
    CObList* pPages = Doc()->m_pFileIO->GetStrelData()->GetMirtDocList();
    delete pPages->RemoveTail();
    Doc()->SetModifiedFlag();

    Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);

    EXPECT_FALSE(Doc()->IsModified());
    std::unique_ptr<CMirtFileIO> pOne(NewSampleFile(1));
    EXPECT_EQ(StoreBody(*pOne) + "1", ReadFileBytes(path));
}

TEST_F(TolvaneTest, OlderProductFileCannotBeSaved)
{
    const std::string path = Root() + "\\old.qmt";
    ASSERT_TRUE(OpenWrittenFile(path, 1, ""));
    const std::string body = ReadFileBytes(path);
    ASSERT_EQ(0, Doc()->m_cVersion);
    {
        MessageBoxRecorder boxes;
        Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE);
        Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
        EXPECT_EQ(2u, boxes.shown().size());
    }
    EXPECT_EQ(body, ReadFileBytes(path));

    Doc()->SetModifiedFlag();
    MessageBoxRecorder boxes(IDCANCEL);
    EXPECT_FALSE(Doc()->SaveModified());
    boxes.setAnswer(IDOK);
    EXPECT_TRUE(Doc()->SaveModified());
    ASSERT_EQ(2u, boxes.shown().size());
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONEXCLAMATION), boxes.shown()[0].type);
}

TEST_F(TolvaneTest, ClosingQuestionSavesANamedFile)
{
    const std::string path = Root() + "\\c.qmt";
    ASSERT_TRUE(OpenWrittenFile(path, 1, "1"));
    Doc()->m_pFileIO->GetStrelData()->AddTail(new CNMirtDoc);
    const std::string before = ReadFileBytes(path);

    MessageBoxRecorder boxes(IDCANCEL);
    Doc()->SetModifiedFlag();
    EXPECT_FALSE(Doc()->SaveModified());
    boxes.setAnswer(IDNO);
    EXPECT_TRUE(Doc()->SaveModified());
    EXPECT_EQ(before, ReadFileBytes(path));
    boxes.setAnswer(IDYES);
    EXPECT_TRUE(Doc()->SaveModified());
    EXPECT_NE(before, ReadFileBytes(path));
    ASSERT_EQ(3u, boxes.shown().size());
    EXPECT_EQ("このデータは変更後まだ保存されていません。保存しますか？", boxes.shown()[0].text);
    EXPECT_EQ(static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION), boxes.shown()[0].type);
}

// The save dialogs of the closing question and of Save As: a name typed
// without an extension is saved as a ".qmt" file, and the document takes
// that name.
TEST_F(TolvaneTest, SaveDialogsGiveATypedNameTheQmtExtension)
{
    StartOn(9001);
    ASSERT_TRUE(Doc()->IsUntitled());
    const std::string closing = Root() + "\\閉じる前";
    {
        ModalScript script;
        TypeNameIntoSaveDialog(script, closing);
        MessageBoxRecorder boxes(IDYES);
        Doc()->SetModifiedFlag();
        EXPECT_TRUE(Doc()->SaveModified());
        EXPECT_EQ(1u, boxes.shown().size()) << "only the question";
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((closing + ".qmt").c_str()));

    const std::string saveAs = Root() + "\\名前を付けた";
    {
        ModalScript script;
        TypeNameIntoSaveDialog(script, saveAs);
        Frame()->SendMessage(WM_COMMAND, ID_FILE_SAVE_AS);
    }
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((saveAs + ".qmt").c_str()));
    EXPECT_EQ("名前を付けた", std::string(Doc()->m_strFileName));
    EXPECT_EQ("qmt", std::string(Doc()->m_strFileExt));
}
