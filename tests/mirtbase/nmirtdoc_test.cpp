// The page document: its stored record and data blob, the exchange record,
// attached-file modes, server mode and the refusal of damaged pages.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "field_fixture.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "test_paths.h"
#include "vtable_slot.h"

namespace {

std::string DW(DWORD dw)
{
    return Bytes({static_cast<int>(dw & 0xFF), static_cast<int>(dw >> 8 & 0xFF), static_cast<int>(dw >> 16 & 0xFF),
                  static_cast<int>(dw >> 24)});
}

std::string W(WORD w)
{
    return Bytes({w & 0xFF, w >> 8});
}

// A short string: its length byte, then its bytes.
std::string Str(const std::string& s)
{
    return static_cast<char>(s.size()) + s;
}

std::string Date(const COleDateTime& date)
{
    std::string bytes = DW(static_cast<DWORD>(date.m_status)) + std::string(8, '\0');
    std::memcpy(&bytes[4], &date.m_dt, 8);
    return bytes;
}

std::string Rect(LONG l, LONG t, LONG r, LONG b)
{
    return DW(l) + DW(t) + DW(r) + DW(b);
}

// A new class record in an archive.
std::string NewClass(const std::string& name)
{
    return W(0xFFFF) + W(1) + W(static_cast<WORD>(name.size())) + name;
}

// The cause of the exception E that storing throws, or -1.
template <class E>
int StoreFailure(CObject& object)
{
    try {
        Store(object);
    } catch (E* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return -1;
}

const COleDateTime kCreated(2021, 3, 4, 5, 6, 7);
const COleDateTime kLayoutDate(2020, 5, 6, 7, 8, 9);
const COleDateTime kRegistered(2022, 1, 2, 3, 4, 5);

// Layout 7 with every member set and one face.
CNMirtLayoutData* NewLayout()
{
    CNMirtLayoutData* pLayout = new CNMirtLayoutData;
    pLayout->m_nLayoutID = 7;
    pLayout->m_dwSettingA = 0xA;
    pLayout->m_dateCreated = kLayoutDate;
    pLayout->m_dwSettingB = 0xB;
    pLayout->m_nTableFirstOrder = 1;
    pLayout->m_nTableLastOrder = 2;
    pLayout->m_nTableLine = 3;
    pLayout->m_dwSettingF = 0xF;
    pLayout->m_dwSettingG = 6;
    pLayout->m_strText1 = "L1";
    pLayout->m_strText2 = "L2";
    CNLayoutData& geometry = pLayout->m_LayoutData;
    geometry.m_rectAria = {1, 2, 3, 4};
    geometry.m_rectSecond = {5, 6, 7, 8};
    geometry.m_rectThird = {9, 10, 11, 12};
    geometry.m_dwValue1 = 0x21;
    geometry.m_dwValue2 = 0x22;
    geometry.m_dwValue3 = 0x23;
    geometry.m_dwValue4 = 0x24;
    geometry.m_dwValue5 = 0x25;
    geometry.m_dwValue7 = 0x27;
    geometry.m_crFace = 0xABCDEF;
    geometry.m_arrayMen.Add(CPoint(100, 200));
    return pLayout;
}

// The layout of NewLayout as the blob holds it.
const std::string kLayoutBytes = DW(2) + DW(7) + DW(0xA) + Date(kLayoutDate) + DW(0xB) + DW(1) + DW(2) + DW(3) +
                                 DW(0xF) + DW(6) + Str("L1") + Str("L2") + DW(1) + Rect(9, 10, 11, 12) +
                                 Rect(5, 6, 7, 8) + Rect(1, 2, 3, 4) + DW(0x21) + DW(0x25) + DW(0x22) + DW(0x23) +
                                 DW(0x24) + DW(0xABCDEF) + DW(0x27) + W(1) + DW(100) + DW(200);

tagNMIRTDOC HeaderRecord()
{
    tagNMIRTDOC record;
    record.head = {0x10, kCreated, 0x16, 0x20, 0x24, 7, 0x32, 0x36, 0x40, 0x44, 0x48, 0x52};
    record.strTitle = "T";
    record.strIndex[0] = "T";
    record.strIndex[19] = "I20";
    return record;
}

std::string Indexes()
{
    std::string bytes = Str("T");
    for (int i = 1; i < 19; i++)
        bytes += Str("");
    return bytes + Str("I20");
}

const std::string kHeadBytes = DW(0x10) + Date(kCreated) + DW(0x16) + DW(0x20) + DW(0x24) + DW(7) + DW(0x32) +
                               DW(0x36) + DW(0x40);
const std::string kPageHead = DW(2) + kHeadBytes + DW(0x44) + DW(0x48) + DW(0x52) + Str("T") + Indexes();

// Face 1 holding one field: order 5, data "v" (or a picture).
CObList* NewFaces(CTestGroup*& pField)
{
    CPropData* pFace = new CPropData;
    pFace->m_nMen = 1;
    pField = new CTestGroup(MakeBlock(5, {10, 20, 30, 40}));
    pField->m_nDataKind = CNPropObj::DATAKIND_TEXT;
    pField->m_strData = "v";
    pFace->AddPropObj(pField);
    CObList* pFaces = new CObList;
    pFaces->AddTail(pFace);
    return pFaces;
}

class NMirtDocTest : public testing::Test
{
protected:
    void SetUp() override
    {
        tagNMIRTDOC record = HeaderRecord();
        m_page.SetMIRTDOC(&record, 1);
        CNMirtLayoutData* pLayout = NewLayout();
        m_page.SetFormat(pLayout);
        delete pLayout;
    }

    // Gives the page its face list; the field is the page's own.
    CTestGroup* AddFaces()
    {
        CTestGroup* pField = nullptr;
        CObList* pFaces = NewFaces(pField);
        m_page.SetList(pFaces);
        delete static_cast<CPropData*>(pFaces->RemoveHead());
        delete pFaces;
        return static_cast<CTestGroup*>(m_page.GetPropObjByOrder(5));
    }

    static std::string FaceListBytes(CNPropObj* pField)
    {
        return W(1) + NewClass("CPropData") + DW(1) + DW(1) + W(1) + NewClass("CTestGroup") + Store(*pField);
    }

    static std::string PageWithBlob(const std::string& blob)
    {
        return kPageHead + DW(static_cast<DWORD>(blob.size())) + blob;
    }

    CNMirtDoc m_page;
};

TEST_F(NMirtDocTest, NewPage)
{
    CNMirtDoc page;
    EXPECT_EQ(3u, page.GetHead().h24);
    EXPECT_EQ(2u, page.GetVersion());
    EXPECT_EQ(nullptr, page.RefFormat());
    EXPECT_EQ(nullptr, page.RefList());
    EXPECT_EQ(0, page.GetMenCount());
    EXPECT_EQ(nullptr, page.GetPropObjByOrder(1));
}

TEST_F(NMirtDocTest, PageWithoutFacesStoresAnEmptyBlob)
{
    // The layout goes only with face lists.
    EXPECT_EQ(kPageHead + DW(0), Store(m_page));

    CNMirtDoc loaded;
    Load(loaded, kPageHead + DW(0));
    EXPECT_EQ(kPageHead + DW(0), Store(loaded));
    EXPECT_STREQ("I20", loaded.GetIndex(20));
    EXPECT_EQ(nullptr, loaded.RefFormat());
    EXPECT_EQ(7u, loaded.GetLayoutID());
}

TEST_F(NMirtDocTest, PageWithOneFaceStoresLayoutAndFields)
{
    CTestGroup* pField = AddFaces();
    const std::string expected = PageWithBlob(kLayoutBytes + FaceListBytes(pField));
    EXPECT_EQ(expected, Store(m_page));

    CNMirtDoc loaded;
    Load(loaded, expected);
    EXPECT_EQ(expected, Store(loaded));
    EXPECT_EQ(1, loaded.GetMenCount());
    EXPECT_EQ(7u, loaded.GetLayoutID());
    ASSERT_NE(nullptr, loaded.GetPropObjByOrder(5, 1));
    EXPECT_STREQ("v", loaded.GetPropObjByOrder(5, 1)->m_strData);
    EXPECT_TRUE(loaded.GetPropObjByOrder(5, 1)->IsKindOf(RUNTIME_CLASS(CTestGroup)));
}

TEST_F(NMirtDocTest, BulletinBoardPage)
{
    CNMirtDocBBS page;
    tagNMIRTDOC record = HeaderRecord();
    page.SetMIRTDOC(&record, 1);
    page.SetRegistName("name");
    page.SetRegistNickName("nick");
    page.SetRegistDate(kRegistered);
    const std::string expected = DW(2) + kHeadBytes + Str("T") + Str("name") + Str("nick") + Date(kRegistered) +
                                 Indexes() + DW(0);
    EXPECT_EQ(expected, Store(page));

    CNMirtDocBBS loaded;
    Load(loaded, expected);
    EXPECT_STREQ("name", loaded.GetRegistName());
    EXPECT_STREQ("nick", loaded.GetRegistNickName());
    EXPECT_TRUE(kRegistered == loaded.GetRegistDate());
    EXPECT_EQ(expected, Store(loaded));
}

TEST_F(NMirtDocTest, OtherVersionIsRefusedWithAMessage)
{
    CTestGroup* pField = AddFaces();
    for (bool bBBS : {false, true}) {
        std::string bytes = bBBS ? DW(1) + kHeadBytes : PageWithBlob(kLayoutBytes + FaceListBytes(pField));
        bytes[0] = bBBS ? 1 : 3;
        CNMirtDocBBS bbs;
        CNMirtDoc plain;
        CNMirtDoc& page = bBBS ? bbs : plain;
        MessageBoxRecorder recorder;
        EXPECT_EQ(CArchiveException::badSchema, LoadFailure(page, bytes));
        ASSERT_EQ(1u, recorder.shown().size());
        EXPECT_EQ("バージョンが違います", recorder.shown()[0].text);
        EXPECT_EQ(nullptr, page.RefList());
    }
}

TEST_F(NMirtDocTest, TruncatedPagesThrowAndKeepNothingRead)
{
    const std::string blob = kLayoutBytes + FaceListBytes(AddFaces());
    const std::string bytes = PageWithBlob(blob);
    // Cut anywhere in the record, and a blob cut short inside (its size
    // telling the truth), and a blob size far beyond the bytes.
    std::vector<std::string> damaged;
    for (size_t n = 0; n < bytes.size(); n++)
        damaged.push_back(bytes.substr(0, n));
    for (size_t n = 1; n < blob.size(); n++)
        damaged.push_back(PageWithBlob(blob.substr(0, n)));
    damaged.push_back(kPageHead + DW(0xFFFFFFF0) + "abc");
    for (const std::string& damage : damaged) {
        CNMirtDoc page;
        CNMirtLayoutData marker;
        marker.m_nLayoutID = 99;
        page.SetFormat(&marker);
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(page, damage)) << damage.size();
        EXPECT_EQ(99u, page.GetLayoutID());
        EXPECT_EQ(nullptr, page.RefList());
    }
}

TEST_F(NMirtDocTest, ObjectsNamedTwiceInTheBlobAreRefused)
{
    CTestGroup* pField = AddFaces();
    const std::string face = NewClass("CPropData") + DW(1) + DW(1) + W(1) + NewClass("CTestGroup") + Store(*pField);
    // Indexes: class CPropData 1, face 2, class CTestGroup 3, field 4.
    const std::string sameFaceTwice = W(2) + face + W(2);
    const std::string fieldInTwoFaces = W(2) + face + W(0x8001) + DW(1) + DW(2) + W(1) + W(4);
    for (const std::string& faces : {sameFaceTwice, fieldInTwoFaces}) {
        CNMirtDoc page;
        EXPECT_EQ(CArchiveException::badIndex, LoadFailure(page, PageWithBlob(kLayoutBytes + faces)));
        EXPECT_EQ(nullptr, page.RefList());
    }
}

TEST_F(NMirtDocTest, SetIndexEdges)
{
    CNMirtDoc page;
    page.SetIndex(1, "a", 0);
    EXPECT_STREQ("a", page.GetTitle());
    EXPECT_STREQ("a", page.GetIndex(1));
    page.SetIndex(1, "b", 0);
    EXPECT_STREQ("a", page.GetTitle());
    page.SetIndex(1, "b", 1);
    EXPECT_STREQ("b", page.GetTitle());
    EXPECT_STREQ("b", page.GetIndex(1));
    page.SetIndex(20, "z", 0);
    EXPECT_STREQ("z", page.GetIndex(20));
    EXPECT_STREQ("b", page.GetTitle());

    const std::string before = Store(page);
    page.SetIndex(0, "x", 1);
    page.SetIndex(21, "x", 1);
    EXPECT_EQ(before, Store(page));
}

TEST_F(NMirtDocTest, LayoutIdComesFromTheLayoutOrTheHeader)
{
    CNMirtDoc page;
    tagNMIRTDOC record;
    record.head.nLayoutID = 12;
    page.SetMIRTDOC(&record, 1);
    EXPECT_EQ(12u, page.GetLayoutID());
    CNMirtLayoutData layout;
    layout.m_nLayoutID = 13;
    page.SetFormat(&layout);
    EXPECT_EQ(13u, page.GetLayoutID());
}

TEST_F(NMirtDocTest, FieldValuesByOrderFollowIndexFields)
{
    CTestGroup* pField = AddFaces();
    pField->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 3);
    pField->m_strName = "amount";
    m_page.SetStrDataByOrder(5, 1, "42", 1);
    UINT nIndex = 0;
    CString strName;
    EXPECT_STREQ("42", m_page.GetStrDataByOrder(5, 1, nIndex, strName));
    EXPECT_EQ(3u, nIndex);
    EXPECT_STREQ("amount", strName);
    EXPECT_STREQ("42", m_page.GetIndex(3));

    EXPECT_STREQ("", m_page.GetStrDataByOrder(5, 2, nIndex, strName));
    EXPECT_EQ(0u, nIndex);
    EXPECT_STREQ("", strName);
    m_page.SetStrDataByOrder(6, 1, "x", 1);
    EXPECT_EQ(5u, m_page.GetMaxOrder(1));
    EXPECT_EQ(0u, m_page.GetMaxOrder(2));
}

TEST_F(NMirtDocTest, GetListMovesTheFacesOut)
{
    AddFaces();
    CObList faces;
    m_page.GetList(&faces);
    EXPECT_EQ(nullptr, m_page.RefList());
    ASSERT_EQ(1, faces.GetCount());
    CPropData* pFace = static_cast<CPropData*>(faces.GetHead());
    EXPECT_STREQ("v", pFace->GetPropObjByOrder(5)->m_strData);
    delete pFace;
}

// A field that counts its live objects and whose clone, from the second on,
// runs out of memory.
class CCloneFailField : public CTestGroup
{
public:
    CCloneFailField() { s_nLive++; }
    ~CCloneFailField() override { s_nLive--; }
    CNPropObj* Clone(int, int) override
    {
        if (++s_nClones > 1)
            AfxThrowMemoryException();
        return new CCloneFailField;
    }

    static int s_nLive;
    static int s_nClones;
};

int CCloneFailField::s_nLive = 0;
int CCloneFailField::s_nClones = 0;

// SetList copies all faces or none: a clone that throws leaves the page's
// faces as they were and no copy behind.
TEST_F(NMirtDocTest, SetListThatFailsKeepsTheFacesAndLeaksNothing)
{
    CTestGroup* pHeld = AddFaces();
    {
        CPropData first;
        first.m_nMen = 1;
        first.AddPropObj(new CCloneFailField);
        CPropData second;
        second.m_nMen = 2;
        second.AddPropObj(new CCloneFailField);
        CObList faces;
        faces.AddTail(&first);
        faces.AddTail(&second);
        CCloneFailField::s_nClones = 0;
        bool bThrown = false;
        try {
            m_page.SetList(&faces);
        } catch (CMemoryException* e) {
            e->Delete();
            bThrown = true;
        }
        EXPECT_TRUE(bThrown);
        EXPECT_EQ(2, CCloneFailField::s_nLive);
        EXPECT_EQ(pHeld, m_page.GetPropObjByOrder(5));
        faces.RemoveAll();
    }
    EXPECT_EQ(0, CCloneFailField::s_nLive);
}

TEST_F(NMirtDocTest, PicturePathsOfEditablePictureFields)
{
    CStringList paths;
    paths.AddTail("kept without faces");
    m_page.GetPicPath(paths);
    EXPECT_EQ(1, paths.GetCount());

    CPropData face;
    struct Field
    {
        DWORD dwInput;
        int nDataKind;
        const char* pszData;
    };
    const Field fields[] = {
        {0x01, CNPropObj::DATAKIND_PICTURE, "a.bmp"},
        {0x00, CNPropObj::DATAKIND_PICTURE, "not editable.bmp"},
        {0x02, CNPropObj::DATAKIND_TEXT, "text"},
        {0x02, CNPropObj::DATAKIND_PICTURE, ""},
        {0x03, CNPropObj::DATAKIND_PICTURE, "b.jpg"},
    };
    for (const Field& f : fields) {
        CTestGroup* pField = new CTestGroup(MakeBlock(1, {}, f.dwInput));
        pField->m_nDataKind = f.nDataKind;
        pField->m_strData = f.pszData;
        face.AddPropObj(pField);
    }
    CObList faces;
    faces.AddTail(&face);
    m_page.SetList(&faces);
    m_page.GetPicPath(paths);
    ASSERT_EQ(2, paths.GetCount());
    EXPECT_STREQ("a.bmp", paths.GetHead());
    EXPECT_STREQ("b.jpg", paths.GetTail());
}

TEST_F(NMirtDocTest, ExchangeWithoutFacesHandsNoBlob)
{
    tagNMIRTDOC record;
    m_page.GetMIRTDOC(&record, 0);
    EXPECT_EQ(nullptr, record.hBlob);
    EXPECT_EQ(0u, record.dwBlobSize);
    EXPECT_STREQ("T", record.strTitle);
    EXPECT_STREQ("I20", record.strIndex[19]);
    EXPECT_EQ(0x52u, record.head.h52);
    EXPECT_TRUE(kCreated == record.head.date);
}

TEST_F(NMirtDocTest, ExchangeMovesTheBlob)
{
    const std::string blob = kLayoutBytes + FaceListBytes(AddFaces());
    tagNMIRTDOC record;
    m_page.GetMIRTDOC(&record, 0);
    ASSERT_NE(nullptr, record.hBlob);
    ASSERT_EQ(blob.size(), record.dwBlobSize);
    EXPECT_EQ(blob, std::string(static_cast<const char*>(::GlobalLock(record.hBlob)), blob.size()));
    ::GlobalUnlock(record.hBlob);

    const HGLOBAL hSent = record.hBlob;
    CNMirtDoc received;
    received.SetMIRTDOC(&record, 0);
    EXPECT_EQ(static_cast<UINT>(GMEM_INVALID_HANDLE), ::GlobalFlags(hSent));   // freed after loading
    EXPECT_EQ(nullptr, record.hBlob);
    EXPECT_EQ(0u, record.dwBlobSize);
    EXPECT_EQ(Store(m_page), Store(received));
    // The sender keeps its own faces.
    EXPECT_NE(nullptr, m_page.GetPropObjByOrder(5));
}

// A record whose blob size exceeds its block (or that has no block) loads
// nothing, loses its blob and throws CArchiveException endOfFile.
TEST_F(NMirtDocTest, ExchangeRefusesABlobLargerThanItsBlock)
{
    AddFaces();
    for (const bool bBlock : {true, false}) {
        tagNMIRTDOC record;
        m_page.GetMIRTDOC(&record, 0);
        const HGLOBAL hSent = record.hBlob;
        ASSERT_NE(nullptr, hSent);
        record.dwBlobSize = static_cast<DWORD>(::GlobalSize(hSent)) + 1;
        if (!bBlock) {
            ::GlobalFree(hSent);
            record.hBlob = nullptr;
        }
        CNMirtDoc received;
        int nCause = -1;
        try {
            received.SetMIRTDOC(&record, 0);
        } catch (CArchiveException* e) {
            nCause = e->m_cause;
            e->Delete();
        }
        EXPECT_EQ(CArchiveException::endOfFile, nCause) << bBlock;
        if (bBlock) {
            EXPECT_EQ(static_cast<UINT>(GMEM_INVALID_HANDLE), ::GlobalFlags(hSent));
        }
        EXPECT_EQ(nullptr, record.hBlob);
        EXPECT_EQ(0u, record.dwBlobSize);
        EXPECT_EQ(nullptr, received.RefFormat()) << bBlock;
        EXPECT_EQ(nullptr, received.RefList()) << bBlock;
    }
}

TEST_F(NMirtDocTest, StoreWithoutMapOrListInCarryModeFails)
{
    AddFaces();
    m_page.SetWRMode(CNMirtDoc::WRMODE_CARRY);
    EXPECT_EQ(CArchiveException::generic, StoreFailure<CArchiveException>(m_page));

    // Without face lists there is nothing to carry: size 0.
    CNMirtDoc empty;
    empty.SetWRMode(CNMirtDoc::WRMODE_CARRY);
    const std::string bytes = Store(empty);
    EXPECT_EQ(DW(0), bytes.substr(bytes.size() - 4));
}

TEST_F(NMirtDocTest, StoreLeavesTheLivePicturesAlone)
{
    struct Case
    {
        UINT nMode;
        const char* pszStored;
    };
    const Case cases[] = {
        {CNMirtDoc::WRMODE_KEEP, "C:\\pic\\photo.bmp"},
        {CNMirtDoc::WRMODE_CLEAR, ""},
        {CNMirtDoc::WRMODE_CARRY, "photo_1.bmp"},
    };
    CTestGroup* pField = AddFaces();
    pField->m_nDataKind = CNPropObj::DATAKIND_PICTURE;
    for (const Case& c : cases) {
        pField->m_strData = "C:\\pic\\photo.bmp";
        CMapStringToString map;
        CStringList list;
        m_page.SetPathMap(&map);
        m_page.SetPathList(&list);
        m_page.SetWRMode(c.nMode);
        const std::string bytes = Store(m_page);
        EXPECT_STREQ("C:\\pic\\photo.bmp", pField->m_strData) << c.nMode;

        CNMirtDoc loaded;
        Load(loaded, bytes);
        EXPECT_STREQ(c.pszStored, loaded.GetPropObjByOrder(5)->m_strData) << c.nMode;
        EXPECT_EQ(c.nMode == CNMirtDoc::WRMODE_CARRY ? 1 : 0, list.GetCount());
    }
}

// The receive folder is kept with exactly one closing backslash.
TEST_F(NMirtDocTest, CarryModeLoadPutsPicturesInTheReceiveFolder)
{
    struct Case
    {
        const char* pszFolder;
        const char* pszPath;
    };
    const Case cases[] = {
        {"C:\\rcv\\", "C:\\rcv\\photo_1.bmp"},
        {"C:\\rcv", "C:\\rcv\\photo_1.bmp"},
        {"C:\\rcv\\\\", "C:\\rcv\\photo_1.bmp"},
        {"C:\\表", "C:\\表\\photo_1.bmp"},      // its trail byte is 0x5C
    };
    CTestGroup* pField = AddFaces();
    pField->m_nDataKind = CNPropObj::DATAKIND_PICTURE;
    pField->m_strData = "photo_1.bmp";
    const std::string bytes = Store(m_page);

    for (const Case& c : cases) {
        CMapStringToString map;
        CStringList list;
        CNMirtDoc loaded;
        loaded.SetPathMap(&map);
        loaded.SetPathList(&list);
        loaded.SetRcvPathName(c.pszFolder);
        loaded.SetWRMode(CNMirtDoc::WRMODE_CARRY);
        Load(loaded, bytes);
        EXPECT_STREQ(c.pszPath, loaded.GetPropObjByOrder(5)->m_strData) << c.pszFolder;
        CString strPath;
        EXPECT_TRUE(map.Lookup("photo_1.bmp", strPath)) << c.pszFolder;
        EXPECT_STREQ(c.pszPath, strPath) << c.pszFolder;
    }
}

TEST_F(NMirtDocTest, ServerModeCarriesTheBlobInATemporaryFile)
{
    const std::string folder = FreshTestFolder() + "\\";
    const std::string blob = kLayoutBytes + FaceListBytes(AddFaces());
    m_page.SetServerMode(1);
    m_page.SetRcvPathName(folder.c_str());
    const std::string bytes = Store(m_page);

    const std::string stored = bytes.substr(kPageHead.size() + 4);
    ASSERT_EQ(DW(static_cast<DWORD>(stored.size())), bytes.substr(kPageHead.size(), 4));
    ASSERT_EQ('\0', stored.back());
    const std::string path = stored.substr(0, stored.size() - 1);
    EXPECT_EQ(folder + "MRT", path.substr(0, folder.size() + 3));
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(blob, std::string(std::istreambuf_iterator<char>(in), {}));
    in.close();

    CNMirtDoc loaded;
    loaded.SetServerMode(1);
    Load(loaded, bytes);
    ASSERT_NE(nullptr, loaded.GetPropObjByOrder(5));
    EXPECT_EQ(1, loaded.GetMenCount());

    // A file that has gone leaves the page without layout and fields.
    ASSERT_TRUE(::DeleteFileA(path.c_str()));
    Load(loaded, bytes);
    EXPECT_EQ(nullptr, loaded.RefFormat());
    EXPECT_EQ(nullptr, loaded.RefList());
}

TEST_F(NMirtDocTest, ServerModeWithoutAFolderFails)
{
    AddFaces();
    m_page.SetServerMode(1);
    m_page.SetRcvPathName((FreshTestFolder() + "\\missing\\").c_str());
    EXPECT_NE(-1, StoreFailure<CFileException>(m_page));
}

TEST(NMirtDocVtableTest, SlotsAfterTheObjectBase)
{
    // Slot n counted with one destructor slot is table slot n + 1 under GCC.
    EXPECT_EQ(6, SlotOf(&CNMirtDoc::StartDefPrt));
    EXPECT_EQ(7, SlotOf(&CNMirtDoc::GetVersion));
}

}  // namespace
