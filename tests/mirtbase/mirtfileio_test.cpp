// The form data file: CMirtFileIO with its page containers, their stored
// form, the picture files carried by the mail containers, and loads of
// truncated and damaged files.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "mirtenv.h"
#include "mirtfileio.h"
#include "mirtpath.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "strel95data.h"
#include "test_paths.h"

// A picture field that counts its live objects, to see that failed loads
// free every field they made.
class CFileTestPicture : public CTestGroup
{
    DECLARE_SERIAL(CFileTestPicture)
public:
    CFileTestPicture() { Init(); }
    explicit CFileTestPicture(const tagPROPBLOCK& block) : CTestGroup(block) { Init(); }
    ~CFileTestPicture() override { s_nLive--; }

    CNPropObj* Clone(int dx, int dy) override
    {
        tagPROPBLOCK block;
        GetBlock(block);
        CFileTestPicture* pClone = new CFileTestPicture(block);
        CopyTo(pClone);
        ::OffsetRect(&pClone->m_rect, dx, dy);
        return pClone;
    }

    static int s_nLive;

private:
    void Init()
    {
        m_nDataKind = DATAKIND_PICTURE;
        s_nLive++;
    }
};

int CFileTestPicture::s_nLive = 0;
IMPLEMENT_SERIAL(CFileTestPicture, CTestGroup, 1)

namespace {

const char kTrailer = 0x5A;

// Little-endian values and short strings as the archive writes them.
std::string W(WORD w)
{
    return Bytes({w & 0xFF, w >> 8});
}

std::string Dw(DWORD dw)
{
    return W(static_cast<WORD>(dw & 0xFFFF)) + W(static_cast<WORD>(dw >> 16));
}

std::string Str(const std::string& text)
{
    return static_cast<char>(text.size()) + text;
}

// A new class record.
std::string ClassRecord(const std::string& name)
{
    return W(0xFFFF) + W(1) + W(static_cast<WORD>(name.size())) + name;
}

// 2000-01-01 00:00 as COleDateTime stores it: status, then the date.
std::string Date2000()
{
    return Dw(0) + Bytes({0, 0, 0, 0, 0xC0, 0xD5, 0xE1, 0x40});
}

// The file record of an attachment.
std::string FileRecord(const std::string& name, const std::string& content)
{
    return Dw(1) + Dw(0) + Str(name) + Dw(0) + Dw(static_cast<DWORD>(content.size())) + content;
}

void Patch(std::string& bytes, size_t nAt, const std::string& with)
{
    bytes.replace(nAt, with.size(), with);
}

void WriteFile(const std::string& path, const std::string& content)
{
    CFile file(path.c_str(), CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
    file.Close();
}

std::string ReadFile(const std::string& path)
{
    CFile file(path.c_str(), CFile::modeRead);
    std::string content(file.GetLength(), '\0');
    if (!content.empty())
        file.Read(&content[0], static_cast<UINT>(content.size()));
    return content;
}

BOOL IsFolder(const std::string& path)
{
    const DWORD dwAttributes = ::GetFileAttributesA(path.c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

std::vector<std::string> Strings(const CStringList& list)
{
    std::vector<std::string> strings;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        strings.push_back(static_cast<LPCSTR>(list.GetNext(pos)));
    return strings;
}

// A page of layout 9001 with one face whose picture fields (orders 1, 2,
// ...) show the given files.
CNMirtDoc* NewPage(CRuntimeClass* pClass, std::initializer_list<std::string> pictures)
{
    CNMirtDoc* pDoc = static_cast<CNMirtDoc*>(pClass->CreateObject());
    CNMirtLayoutData layout;
    layout.m_nLayoutID = 9001;
    layout.m_LayoutData.m_arrayMen.Add(CPoint(0, 0));
    pDoc->SetFormat(&layout);
    CPropData face;
    face.m_nMen = 1;
    UINT nOrder = 1;
    for (const std::string& picture : pictures) {
        CFileTestPicture* pField = new CFileTestPicture(MakeBlock(nOrder++, {0, 0, 100, 100}));
        pField->m_strData = picture.c_str();
        face.AddPropObj(pField);
    }
    CObList faces;
    faces.AddTail(&face);
    pDoc->SetList(&faces);
    return pDoc;
}

CNMirtDoc* PageAt(CStrel95Data* pData, int nIndex)
{
    CObList* pPages = pData->GetMirtDocList();
    return static_cast<CNMirtDoc*>(pPages->GetAt(pPages->FindIndex(nIndex)));
}

std::string PictureOf(CNMirtDoc* pDoc, UINT nOrder)
{
    return static_cast<LPCSTR>(pDoc->GetPropObjByOrder(nOrder)->m_strData);
}

std::string StoreFile(CStrel95Data* pData)
{
    CMirtFileIO file;
    file.AddList(pData);
    return Store(file);
}

// Loads a file or a container directly, as the form screen does, and checks
// that the archive stands at the byte appended after it.
void LoadChecked(CObject& object, const std::string& bytes)
{
    const std::string rest = LoadWith(bytes + kTrailer, [&](CArchive& ar) { object.Serialize(ar); });
    EXPECT_EQ(std::string(1, kTrailer), rest) << "the archive is out of step";
}

// Every test runs on its own install root, whose receive folder does not
// exist yet.
class MirtFileIOTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_root = FreshTestFolder();
        CMirtEnv::SetRootOverride(m_root.c_str());
        m_rcv = static_cast<LPCSTR>(MirtInstallPath(MIRT_RCV_FOLDER));
        ::CreateDirectoryA((m_root + "\\A").c_str(), nullptr);
        ::CreateDirectoryA((m_root + "\\B").c_str(), nullptr);
        m_pictureA = m_root + "\\A\\photo.bmp";
        m_pictureB = m_root + "\\B\\photo.bmp";
        WriteFile(m_pictureA, "first picture");
        WriteFile(m_pictureB, "second");
    }

    void TearDown() override
    {
        CMirtEnv::SetRootOverride(nullptr);
        EXPECT_EQ(0, CFileTestPicture::s_nLive) << "fields leaked";
    }

    // A mail container (mode 2): page 1 shows A\photo.bmp, page 2 shows
    // B\photo.bmp and A\photo.bmp again.
    static CStrel95Data* FillMail(CStrel95MailData* pMail, CRuntimeClass* pPageClass,
                                  const std::string& a, const std::string& b)
    {
        pMail->AddTail(NewPage(pPageClass, {a}));
        pMail->AddTail(NewPage(pPageClass, {b, a}));
        return pMail;
    }

    std::string MailFile() { return StoreFile(FillMail(new CStrel95MailData, RUNTIME_CLASS(CNMirtDoc), m_pictureA, m_pictureB)); }

    std::string m_root;
    std::string m_rcv;
    std::string m_pictureA;
    std::string m_pictureB;
};

// ---------------------------------------------------------------------------
// Golden files

TEST_F(MirtFileIOTest, EmptyContainers)
{
    struct Case
    {
        CStrel95Data* pData;
        std::string bytes;
    } cases[] = {
        {new CStrel95Data, W(1) + ClassRecord("CStrel95Data") + Dw(1) + Dw(0) + W(0)},
        {new CStrel95MailData, W(1) + ClassRecord("CStrel95MailData") + Dw(1) + Dw(0) + W(0)},
        {new CStrel95MailDataBBS, W(1) + ClassRecord("CStrel95MailDataBBS") + Dw(1) + Dw(0) + Dw(0) + Dw(0) + W(0)},
    };
    for (const Case& c : cases) {
        CRuntimeClass* pClass = c.pData->GetRuntimeClass();
        EXPECT_EQ(c.bytes, StoreFile(c.pData)) << pClass->m_lpszClassName;
        CMirtFileIO file;
        LoadChecked(file, c.bytes);
        ASSERT_NE(nullptr, file.GetStrelData());
        EXPECT_EQ(pClass, file.GetStrelData()->GetRuntimeClass());
        EXPECT_EQ(0, file.GetStrelData()->GetMirtDocList()->GetCount());
    }
}

// A page of layout 9001 (one face at 10, 20) with one face list without
// fields, and its header values.
CNMirtDoc* NewGoldenPage()
{
    CNMirtLayoutData layout;
    layout.m_nLayoutID = 9001;
    layout.m_dateCreated = COleDateTime(2000, 1, 1, 0, 0, 0);
    layout.m_nTableFirstOrder = 5;
    layout.m_nTableLastOrder = 9;
    layout.m_nTableLine = 4;
    layout.m_LayoutData.m_arrayMen.Add(CPoint(10, 20));
    CPropData face;
    face.m_nMen = 1;
    CObList faces;
    faces.AddTail(&face);
    tagNMIRTDOC record;
    record.head.h0 = 0x10;
    record.head.date = COleDateTime(2000, 1, 1, 0, 0, 0);
    record.head.h24 = 3;
    record.head.nLayoutID = 9001;
    record.head.h52 = 0x52;
    record.strTitle = "見積";
    record.strIndex[0] = "見積";
    record.strIndex[19] = "Z";

    CNMirtDoc* pDoc = new CNMirtDoc;
    pDoc->SetMIRTDOC(&record, 1);
    pDoc->SetFormat(&layout);
    pDoc->SetList(&faces);
    return pDoc;
}

struct GoldenPageFile
{
    GoldenPageFile()
    {
        const std::string layout = Dw(2) + Dw(9001) + Dw(0) + Date2000() + Dw(0) + Dw(5) + Dw(9) + Dw(4) + Dw(0) +
                                   Dw(2) + Str("") + Str("");
        const std::string geometry = Dw(1) + std::string(48, '\0') + Dw(1) + Dw(0) + Dw(0) + Dw(0) + Dw(0) +
                                     Dw(0xFFFFFF) + Dw(0) + W(1) + Dw(10) + Dw(20);
        const std::string faces = W(1) + ClassRecord("CPropData") + Dw(1) + Dw(1) + W(0);
        const std::string blob = layout + geometry + faces;
        std::string indexes = Str("見積");
        for (int i = 2; i < 20; i++)
            indexes += Str("");
        indexes += Str("Z");
        head = W(1) + ClassRecord("CStrel95Data") + Dw(1) + Dw(1);
        page = Dw(2) + Dw(0x10) + Date2000() + Dw(0) + Dw(0) + Dw(3) + Dw(9001) + Dw(0) + Dw(0) + Dw(0) + Dw(0) +
               Dw(0) + Dw(0x52) + Str("見積") + indexes + Dw(static_cast<DWORD>(blob.size())) + blob;
        nBlobSizeAt = head.size() + page.size() - blob.size() - 4;
        bytes = head + page + W(0);
    }

    std::string head;        // container list and container up to the page count
    std::string page;
    size_t nBlobSizeAt;
    std::string bytes;
};

TEST_F(MirtFileIOTest, OnePageFile)
{
    CStrel95Data* pData = new CStrel95Data;
    pData->AddTail(NewGoldenPage());
    const GoldenPageFile golden;
    EXPECT_EQ(golden.bytes, StoreFile(pData));

    CMirtFileIO file;
    LoadChecked(file, golden.bytes);
    ASSERT_EQ(1, file.GetStrelData()->GetMirtDocList()->GetCount());
    CNMirtDoc* pDoc = PageAt(file.GetStrelData(), 0);
    EXPECT_EQ(RUNTIME_CLASS(CNMirtDoc), pDoc->GetRuntimeClass());
    EXPECT_EQ(9001u, pDoc->GetLayoutID());
    EXPECT_EQ(1, pDoc->GetMenCount());
    EXPECT_STREQ("見積", pDoc->GetTitle());
    EXPECT_STREQ("Z", pDoc->GetIndex(20));
    EXPECT_EQ(0x52u, pDoc->GetHead().h52);
    ASSERT_NE(nullptr, pDoc->RefList());
    EXPECT_EQ(1, pDoc->RefList()->GetCount());
}

// A container loaded directly keeps the pages it holds and appends those
// of the file after them.
TEST_F(MirtFileIOTest, ContainerLoadAppendsToItsPages)
{
    const GoldenPageFile golden;
    const std::string container = golden.bytes.substr(W(1).size() + ClassRecord("CStrel95Data").size());
    CStrel95Data data;
    CNMirtDoc* pHeld = new CNMirtDoc;
    data.AddTail(pHeld);
    LoadChecked(data, container);
    ASSERT_EQ(2, data.GetMirtDocList()->GetCount());
    EXPECT_EQ(pHeld, PageAt(&data, 0));
    EXPECT_EQ(9001u, PageAt(&data, 1)->GetLayoutID());
}

// ---------------------------------------------------------------------------
// Damaged files

TEST_F(MirtFileIOTest, EveryTruncationOfTheOnePageFileEndsTheLoad)
{
    const GoldenPageFile golden;
    for (size_t n = 0; n < golden.bytes.size(); n++) {
        CMirtFileIO file;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(file, golden.bytes.substr(0, n))) << n;
        EXPECT_EQ(nullptr, file.GetStrelData()) << n;
    }
}

TEST_F(MirtFileIOTest, EveryTruncationOfAMailFileFreesWhatWasRead)
{
    const std::string bytes = MailFile();
    for (size_t n = 0; n < bytes.size(); n++) {
        CMirtFileIO file;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(file, bytes.substr(0, n))) << n;
        EXPECT_EQ(nullptr, file.GetStrelData()) << n;
        EXPECT_EQ(0, CFileTestPicture::s_nLive) << n;
    }
}

TEST_F(MirtFileIOTest, DamagedFilesThrowTheArchiveExceptions)
{
    const GoldenPageFile golden;
    struct Case
    {
        const char* what;
        std::string bytes;
        int nCause;
        size_t nBoxes;
    };
    std::vector<Case> cases;
    std::string bytes = golden.bytes;
    bytes[8] = 'X';
    cases.push_back({"unknown container class", bytes, CArchiveException::badClass, 0});
    cases.push_back({"null container", W(1) + W(0), CArchiveException::badClass, 0});
    cases.push_back({"not a container", W(1) + ClassRecord("CPropData") + Dw(1) + Dw(1) + W(0),
                     CArchiveException::badClass, 0});
    bytes = golden.bytes + W(2);
    Patch(bytes, 0, W(2));
    cases.push_back({"one container twice", bytes, CArchiveException::badIndex, 0});
    bytes = golden.bytes;
    Patch(bytes, golden.head.size(), Dw(3));
    cases.push_back({"page of another version", bytes, CArchiveException::badSchema, 1});
    bytes = golden.bytes;
    Patch(bytes, golden.head.size() - 4, Dw(0xFFFFFFFF));
    cases.push_back({"page count beyond the file", bytes, CArchiveException::endOfFile, 0});
    bytes = golden.bytes;
    Patch(bytes, golden.nBlobSizeAt, Dw(0x7FFFFFF0));
    cases.push_back({"blob beyond the file", bytes, CArchiveException::endOfFile, 0});
    cases.push_back({"attached names beyond the file", golden.head + golden.page + W(0xFFFF) + Dw(0x7FFFFFFF),
                     CArchiveException::endOfFile, 0});

    for (const Case& c : cases) {
        MessageBoxRecorder boxes;
        CMirtFileIO file;
        EXPECT_EQ(c.nCause, LoadFailure(file, c.bytes)) << c.what;
        EXPECT_EQ(c.nBoxes, boxes.shown().size()) << c.what;
    }
}

// The mail file ends with the names photo_1.bmp, photo_2.bmp and their two
// records.
TEST_F(MirtFileIOTest, DamagedFileRecordsThrowTheArchiveExceptions)
{
    const std::string bytes = MailFile();
    const size_t nSecondAt = bytes.size() - FileRecord("photo_2.bmp", "second").size();
    struct Case
    {
        const char* what;
        size_t nAt;
        std::string with;
        int nCause;
    } cases[] = {
        {"first marker", nSecondAt + 4, Dw(1), CArchiveException::badIndex},
        {"second marker", nSecondAt + 8 + 12, Dw(1), CArchiveException::badIndex},
        {"size beyond the file", nSecondAt + 8 + 12 + 4, Dw(1000), CArchiveException::endOfFile},
    };
    for (const Case& c : cases) {
        std::string damaged = bytes;
        Patch(damaged, c.nAt, c.with);
        CMirtFileIO file;
        EXPECT_EQ(c.nCause, LoadFailure(file, damaged)) << c.what;
        EXPECT_EQ(nullptr, file.GetStrelData()) << c.what;
        EXPECT_EQ(0, CFileTestPicture::s_nLive) << c.what;
    }
}

// ---------------------------------------------------------------------------
// Containers and pictures

TEST_F(MirtFileIOTest, AddListKeepsTheContainerItHolds)
{
    CMirtFileIO file;
    CStrel95Data* pData = new CStrel95Data;
    pData->AddTail(NewPage(RUNTIME_CLASS(CNMirtDoc), {"x.bmp"}));
    file.AddList(pData);
    file.AddList(pData);
    EXPECT_EQ(pData, file.GetStrelData());
    EXPECT_EQ(1, CFileTestPicture::s_nLive);
    EXPECT_EQ(1, pData->GetMirtDocList()->GetCount());

    CStrel95MailData* pMail = new CStrel95MailData;
    file.AddList(pMail);
    EXPECT_EQ(pMail, file.GetStrelData());
    EXPECT_EQ(0, CFileTestPicture::s_nLive) << "the first container and its pages are deleted";
    file.AddList(nullptr);
    EXPECT_EQ(nullptr, file.GetStrelData());
}

// Mode 0: the pictures keep their full paths and no file travels.
TEST_F(MirtFileIOTest, PlainContainerWritesNoAttachedNames)
{
    CStrel95Data* pData = new CStrel95Data;
    pData->AddTail(NewPage(RUNTIME_CLASS(CNMirtDoc), {m_pictureA}));
    const std::string bytes = StoreFile(pData);
    EXPECT_EQ(W(0), bytes.substr(bytes.size() - 2));
    EXPECT_EQ(std::string::npos, bytes.find("first picture"));

    CMirtFileIO file;
    LoadChecked(file, bytes);
    EXPECT_EQ(m_pictureA, PictureOf(PageAt(file.GetStrelData(), 0), 1));
    EXPECT_FALSE(IsFolder(m_rcv)) << "a plain load does not touch the receive folder";
}

TEST_F(MirtFileIOTest, MailCarriesTwoPicturesOfOneName)
{
    CStrel95MailData* pMail = new CStrel95MailData;
    CMirtFileIO stored;
    stored.AddList(FillMail(pMail, RUNTIME_CLASS(CNMirtDoc), m_pictureA, m_pictureB));
    const std::string bytes = Store(stored);
    const std::string tail = W(2) + Str("photo_1.bmp") + Str("photo_2.bmp") +
                             FileRecord("photo_1.bmp", "first picture") + FileRecord("photo_2.bmp", "second");
    EXPECT_EQ(tail, bytes.substr(bytes.size() - tail.size()));
    EXPECT_EQ((std::vector<std::string>{"photo_1.bmp", "photo_2.bmp"}), Strings(*pMail->GetPathList()));

    ASSERT_FALSE(IsFolder(m_root + "\\DATA"));
    CMirtFileIO file;
    LoadChecked(file, bytes);
    EXPECT_TRUE(IsFolder(m_rcv)) << "the receive folder is made with its parents";
    CStrel95Data* pData = file.GetStrelData();
    EXPECT_EQ(2u, pData->GetType());
    const std::string first = m_rcv + "photo_1.bmp";
    const std::string second = m_rcv + "photo_2.bmp";
    EXPECT_EQ(first, PictureOf(PageAt(pData, 0), 1));
    EXPECT_EQ(second, PictureOf(PageAt(pData, 1), 1));
    EXPECT_EQ(first, PictureOf(PageAt(pData, 1), 2));
    EXPECT_EQ("first picture", ReadFile(first));
    EXPECT_EQ("second", ReadFile(second));
    EXPECT_EQ((std::vector<std::string>{first, second}), Strings(*pData->GetPathList()));
}

TEST_F(MirtFileIOTest, MailLoadNeverWritesOverAFileOfTheReceiveFolder)
{
    const std::string bytes = MailFile();
    ::CreateDirectoryA((m_root + "\\DATA").c_str(), nullptr);
    ::CreateDirectoryA(m_rcv.c_str(), nullptr);
    WriteFile(m_rcv + "PHOTO_1.BMP", "old");

    CMirtFileIO file;
    LoadChecked(file, bytes);
    CStrel95Data* pData = file.GetStrelData();
    const std::string first = PictureOf(PageAt(pData, 0), 1);
    const std::string second = PictureOf(PageAt(pData, 1), 1);
    for (const std::string& path : {first, second}) {
        EXPECT_EQ(m_rcv, path.substr(0, m_rcv.size()));
        EXPECT_NE(0, CString((m_rcv + "photo_1.bmp").c_str()).CompareNoCase(path.c_str())) << path;
    }
    EXPECT_NE(first, second);
    EXPECT_EQ(first, PictureOf(PageAt(pData, 1), 2));
    EXPECT_EQ("first picture", ReadFile(first));
    EXPECT_EQ("second", ReadFile(second));
    EXPECT_EQ("old", ReadFile(m_rcv + "PHOTO_1.BMP"));
}

// A receive folder set without its closing backslash (or with two) is used
// with exactly one: the attachments are written and the fields show them.
TEST_F(MirtFileIOTest, MailLoadIntoAReceiveFolderGivenWithoutBackslash)
{
    struct Case
    {
        const char* pszGiven;
        const char* pszFolder;
    };
    const Case cases[] = {
        {"\\rcv", "\\rcv\\"},
        {"\\表", "\\表\\"},      // its trail byte is 0x5C
        {"\\two\\\\", "\\two\\"},
    };
    CStrel95MailData stored;
    FillMail(&stored, RUNTIME_CLASS(CNMirtDoc), m_pictureA, m_pictureB);
    const std::string bytes = Store(stored);
    for (const Case& c : cases) {
        CStrel95MailData mail;
        mail.SetRcvPathName((m_root + c.pszGiven).c_str());
        LoadChecked(mail, bytes);
        const std::string first = m_root + c.pszFolder + "photo_1.bmp";
        const std::string second = m_root + c.pszFolder + "photo_2.bmp";
        EXPECT_EQ(first, PictureOf(PageAt(&mail, 0), 1)) << c.pszGiven;
        EXPECT_EQ(second, PictureOf(PageAt(&mail, 1), 1)) << c.pszGiven;
        EXPECT_EQ((std::vector<std::string>{first, second}), Strings(*mail.GetPathList())) << c.pszGiven;
        EXPECT_EQ("first picture", ReadFile(first)) << c.pszGiven;
        EXPECT_EQ("second", ReadFile(second)) << c.pszGiven;
    }
}

// Attachments that cannot be written (here the receive folder cannot be
// made, a file standing in the way) are read and dropped one by one.
TEST_F(MirtFileIOTest, AttachmentsThatCannotBeWrittenAreSkipped)
{
    const std::string bytes = MailFile();
    WriteFile(m_root + "\\DATA", "in the way");

    CMirtFileIO file;
    LoadChecked(file, bytes);
    CStrel95Data* pData = file.GetStrelData();
    EXPECT_EQ(2, pData->GetMirtDocList()->GetCount());
    EXPECT_EQ(m_rcv + "photo_2.bmp", PictureOf(PageAt(pData, 1), 1));
    EXPECT_TRUE(pData->GetPathList()->IsEmpty());
}

// Names that no page maps to a file have their records read and dropped;
// the records after them are still written.
TEST_F(MirtFileIOTest, AttachmentsOfUnmappedNamesAreReadAndDropped)
{
    CStrel95MailData mail;
    FillMail(&mail, RUNTIME_CLASS(CNMirtDoc), m_pictureA, m_pictureB);
    const std::string bytes = Store(mail);
    const std::string tail = W(2) + Str("photo_1.bmp") + Str("photo_2.bmp") +
                             FileRecord("photo_1.bmp", "first picture") + FileRecord("photo_2.bmp", "second");
    std::string renamed = bytes;
    Patch(renamed, bytes.size() - tail.size() + 3, "photo_9.bmp");

    CStrel95MailData carrying;
    LoadChecked(carrying, renamed);
    const std::string second = m_rcv + "photo_2.bmp";
    EXPECT_EQ(std::vector<std::string>{second}, Strings(*carrying.GetPathList()));
    EXPECT_EQ("second", ReadFile(second));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((m_rcv + "photo_1.bmp").c_str()));

    CStrel95Data plain;
    LoadChecked(plain, bytes);
    EXPECT_EQ("photo_2.bmp", PictureOf(PageAt(&plain, 1), 1));
    EXPECT_TRUE(plain.GetPathList()->IsEmpty());

    CStrel95MailData keeping;
    keeping.SetMode(0);
    LoadChecked(keeping, bytes);
    EXPECT_EQ("photo_1.bmp", PictureOf(PageAt(&keeping, 0), 1));
    EXPECT_TRUE(keeping.GetPathList()->IsEmpty());
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesA((m_rcv + "photo_1.bmp").c_str()));
}

TEST_F(MirtFileIOTest, MailModeOneStoresNoPictures)
{
    CStrel95MailData* pMail = new CStrel95MailData;
    pMail->SetMode(1);
    pMail->AddTail(NewPage(RUNTIME_CLASS(CNMirtDoc), {m_pictureA}));
    const std::string bytes = StoreFile(pMail);
    EXPECT_EQ(W(0), bytes.substr(bytes.size() - 2));
    EXPECT_EQ(std::string::npos, bytes.find("photo"));

    CMirtFileIO file;
    LoadChecked(file, bytes);
    EXPECT_EQ("", PictureOf(PageAt(file.GetStrelData(), 0), 1));
}

TEST_F(MirtFileIOTest, BulletinBoardRoundTrip)
{
    CStrel95MailDataBBS* pBoard = new CStrel95MailDataBBS;
    pBoard->SetConf(7);
    pBoard->SetSec(9);
    FillMail(pBoard, RUNTIME_CLASS(CNMirtDocBBS), m_pictureA, m_pictureB);
    static_cast<CNMirtDocBBS*>(PageAt(pBoard, 0))->SetRegistName("山田");
    const std::string bytes = StoreFile(pBoard);
    const std::string head = W(1) + ClassRecord("CStrel95MailDataBBS") + Dw(1) + Dw(7) + Dw(9) + Dw(2);
    EXPECT_EQ(head, bytes.substr(0, head.size()));

    CMirtFileIO file;
    LoadChecked(file, bytes);
    CStrel95MailDataBBS* pData = static_cast<CStrel95MailDataBBS*>(file.GetStrelData());
    ASSERT_EQ(RUNTIME_CLASS(CStrel95MailDataBBS), pData->GetRuntimeClass());
    EXPECT_EQ(7u, pData->GetConf());
    EXPECT_EQ(9u, pData->GetSec());
    CNMirtDoc* pDoc = PageAt(pData, 0);
    ASSERT_EQ(RUNTIME_CLASS(CNMirtDocBBS), pDoc->GetRuntimeClass());
    EXPECT_STREQ("山田", static_cast<CNMirtDocBBS*>(pDoc)->GetRegistName());
    EXPECT_EQ("first picture", ReadFile(PictureOf(pDoc, 1)));
    EXPECT_EQ("second", ReadFile(PictureOf(PageAt(pData, 1), 1)));
}

}  // namespace
