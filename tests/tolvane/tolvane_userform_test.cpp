// Registered user forms: the form screen started on one or reopening a
// file of one takes its layout from "\DATA\ORG\<id>.ORG", and falls back to
// the page's base layout when that file is missing, unreadable or made
// from another base layout.
#include <memory>
#include <string>
#include <vector>

#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtfileio.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "printing/prnopt.h"
#include "prtdatainfo.h"
#include "quorix.h"
#include "resource.h"
#include "sampledata.h"
#include "sampleforms.h"
#include "tolvane_fixture.h"

namespace {

const UINT kUserForm = 40000;
const char kMissing[] = "対応するフォームが存在しませんでした。\nピックアップフォームの設定が正しくありません。\n"
                        "デフォルトフォームとして開きます。";
const char kReadFailed[] = "ファイルの読み込みに失敗しました";
const char kRegisteredName[] = "私の納品書";

class UserFormTest : public TolvaneTest
{
protected:
    void SetUp() override
    {
        TolvaneTest::SetUp();
        WriteSampleData();
        ::CreateDirectoryA(Path("\\DATA\\ORG").c_str(), nullptr);
        CObList groups;
        MakeSampleIndex(groups);
        CPrtDataInfo* pPickup = static_cast<CPrtDataInfo*>(groups.GetHead());
        pPickup->m_arrLayoutID.Add(kUserForm);
        pPickup->m_arrSourceID.Add(SAMPLE_DELIVERY_NOTE);
        pPickup->m_arrTitle.Add(kRegisteredName);
        WriteIndex(groups);
    }

public:
    std::string OrgPath() const { return Path("\\DATA\\ORG\\40000.ORG"); }
    // The registered form as registration writes it: one empty page of the
    // delivery note made from base layout nBase, then the trailer.
    void WriteUserForm(UINT nBase, const char* pszTrailer = "1")
    {
        std::unique_ptr<CNMirtLayoutData> pLayout(MakeDeliveryNote());
        pLayout->m_dwSettingB = nBase;
        {
            CFile file(OrgPath().c_str(), CFile::modeCreate | CFile::modeWrite);
            StoreSampleData(file, *pLayout);
        }
        // The sample writer ends with the current version byte.
        std::string bytes = ReadFileBytes(OrgPath());
        bytes.pop_back();
        WriteFileBytes(OrgPath(), bytes + pszTrailer);
    }

protected:
    // A start from the launcher's pick-up list: no sample for the form.
    void StartOnUserForm()
    {
        m_app.m_nLayoutID = kUserForm;
        m_app.m_bSampleExists = 0;
        AddTemplate();
        NewDocument();
        m_app.PumpPending();
    }
    // The shown page saved as a file, then opened again (Open's rebuild).
    void SaveAndReopen()
    {
        const std::string path = Root() + "\\登録.qmt";
        ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
        ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
        Doc()->UpdateAllViews(nullptr, 1);
        m_app.PumpPending();
    }
    UINT ShownLayout() const { return Doc()->m_pPrtFrm->GetLayoutID(); }
};

std::vector<std::string> Texts(const MessageBoxRecorder& boxes)
{
    std::vector<std::string> texts;
    for (const RecordedMessageBox& box : boxes.shown())
        texts.push_back(box.text);
    return texts;
}

TEST_F(UserFormTest, StartShowsTheRegisteredFormUnderItsOwnId)
{
    WriteUserForm(SAMPLE_DELIVERY_NOTE);
    StartOnUserForm();
    ASSERT_NE(nullptr, Doc()->m_pPrtFrm);
    EXPECT_EQ(kUserForm, ShownLayout());
    EXPECT_EQ(static_cast<int>(kUserForm), m_app.m_nLayoutID);
    EXPECT_EQ(static_cast<char>(CTolvaneDoc::kCurrentVersion), Doc()->m_cVersion);
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_TRUE(Doc()->IsUntitled());
    EXPECT_FALSE(Doc()->IsModified());
    EXPECT_NE(nullptr, Doc()->m_pMen->GetCurrentField()) << "entry windows with the focus on the first field";
    EXPECT_EQ(std::string(kRegisteredName) + " ", std::string(Doc()->GetTitle()));

    // A saved file of the form opens as the form again.
    SaveAndReopen();
    EXPECT_EQ(kUserForm, ShownLayout());
    EXPECT_EQ(static_cast<int>(kUserForm), m_app.m_nLayoutID);
    EXPECT_FALSE(Doc()->IsModified());
}

TEST_F(UserFormTest, FileWithoutVersionByteIsAnOlderProductsForm)
{
    WriteUserForm(SAMPLE_DELIVERY_NOTE, "");
    MessageBoxRecorder boxes;
    StartOnUserForm();
    ASSERT_EQ(1u, boxes.shown().size());
    EXPECT_NE(std::string::npos, boxes.shown()[0].text.find("旧製品"));
    EXPECT_EQ(0, Doc()->m_cVersion);
    EXPECT_EQ(kUserForm, ShownLayout());
}

TEST_F(UserFormTest, StartWithoutTheFileHasNoPageToFallBackOn)
{
    MessageBoxRecorder boxes;
    StartOnUserForm();
    EXPECT_EQ((std::vector<std::string>{kMissing, kReadFailed}), Texts(boxes));
    EXPECT_FALSE(Doc()->m_pPrtFrm->IsPrintForm());
}

// A file of the form reopened after its registered form changed or went.
TEST_F(UserFormTest, ReopenedFileFallsBackToItsBaseLayout)
{
    struct Case
    {
        const char* pszName;
        void (*change)(UserFormTest&);
    };
    const Case cases[] = {
        {"missing", [](UserFormTest& t) { ::DeleteFileA(t.OrgPath().c_str()); }},
        {"unreadable", [](UserFormTest& t) { WriteFileBytes(t.OrgPath(), std::string(40, '\x7f')); }},
        {"no pages", [](UserFormTest& t) {
             CMirtFileIO empty;
             WriteFileBytes(t.OrgPath(), StoreBody(empty) + "1");
         }},
        {"another base", [](UserFormTest& t) { t.WriteUserForm(SAMPLE_INVOICE); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        WriteUserForm(SAMPLE_DELIVERY_NOTE);
        StartOnUserForm();
        const std::string path = Root() + "\\登録.qmt";
        ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
        c.change(*this);
        MessageBoxRecorder boxes;
        ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
        Doc()->UpdateAllViews(nullptr, 1);
        m_app.PumpPending();
        EXPECT_EQ(std::vector<std::string>{kMissing}, Texts(boxes));
        EXPECT_EQ(static_cast<UINT>(SAMPLE_DELIVERY_NOTE), ShownLayout());
        EXPECT_EQ(SAMPLE_DELIVERY_NOTE, m_app.m_nLayoutID);
        EXPECT_TRUE(Doc()->IsModified()) << "the page now names its base layout";
        EXPECT_NE(nullptr, Doc()->m_pMen->GetCurrentField());
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

// The print options of a registered form are its base layout's, at a start
// and at a reopen, and a change is stored under the base layout; a record
// under the form's own id is never taken.
TEST_F(UserFormTest, PrintOptionsAreKeyedByTheBaseLayout)
{
    {
        CPrnOptMap stored;
        auto* pBase = new CPrnOpt;
        pBase->m_nPaperKind = 1;
        pBase->m_nScale = 80;
        pBase->m_nLeftOffset = 5;
        stored.Replace(SAMPLE_DELIVERY_NOTE, pBase);
        auto* pOwn = new CPrnOpt;
        pOwn->m_nScale = 150;
        pOwn->m_nLeftOffset = -9;
        stored.Replace(kUserForm, pOwn);
        WriteFileBytes(Path(PRNOPT_FILE), "");
        ASSERT_TRUE(stored.SaveFile());
    }
    WriteUserForm(SAMPLE_DELIVERY_NOTE);
    StartOnUserForm();
    const auto expectBaseOptions = [this] {
        EXPECT_EQ(1, View()->m_nPaperKind);
        EXPECT_EQ(80, View()->m_nScale);
        EXPECT_EQ(5, View()->m_nLeftOffset);
    };
    expectBaseOptions();
    SaveAndReopen();
    expectBaseOptions();

    Command(ID_AUTO_PAPER_SIZE);
    CPrnOptMap stored;
    ASSERT_TRUE(stored.LoadFile());
    ASSERT_NE(nullptr, stored.Lookup(SAMPLE_DELIVERY_NOTE));
    EXPECT_EQ(0, stored.Lookup(SAMPLE_DELIVERY_NOTE)->m_nAutoPaper);
    EXPECT_EQ(80, stored.Lookup(SAMPLE_DELIVERY_NOTE)->m_nScale);
    ASSERT_NE(nullptr, stored.Lookup(kUserForm));
    EXPECT_EQ(1, stored.Lookup(kUserForm)->m_nAutoPaper) << "the own id's record is left alone";
}

// The supported-paper command shows the papers of the shown form, of its
// source form for a registered one, captioned with that form's title, and
// takes the form's sheet from the index again.
TEST_F(UserFormTest, PaperInfoShowsTheSourceFormsPaper)
{
    WriteUserForm(SAMPLE_DELIVERY_NOTE);
    struct Case
    {
        int nStart;
        const char* pszCaption;
        const char* pszText;
        const char* pszSheet;
    };
    const Case cases[] = {
        {static_cast<int>(kUserForm), "納品書", "様式番号 9001\n対応用紙: 幅 210.0 mm × 高さ 297.0 mm",
            "A4縦 納品書.xls"},
        // StartOn writes the plain sample index; the invoice has no sheet.
        {SAMPLE_INVOICE, "請求書", "様式番号 9002\n対応用紙: 幅 210.0 mm × 高さ 297.0 mm", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nStart);
        if (c.nStart == static_cast<int>(kUserForm))
            StartOnUserForm();
        else
            StartOn(c.nStart);
        View()->m_strSheetName.Empty();
        View()->m_bSheetPresent = 0;
        MessageBoxRecorder boxes;
        Command(ID_PAPER_INFO);
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ(c.pszCaption, boxes.shown()[0].caption);
        EXPECT_EQ(c.pszText, boxes.shown()[0].text);
        EXPECT_EQ(c.pszSheet, std::string(View()->m_strSheetName));
        EXPECT_EQ(*c.pszSheet != '\0', View()->m_bSheetPresent != 0);
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
    EXPECT_EQ("様式番号 12345\nこの様式の用紙の情報がありません。", std::string(CQuorix::PaperText(12345)));
}

}  // namespace

