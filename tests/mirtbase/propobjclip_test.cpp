// The field clipboard "CF_VLMPROP" on the real clipboard, its bytes, what
// it refuses, and the new-field template files of the same form.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "form_window.h"
#include "mirtenv.h"
#include "other_folder.h"
#include "ownedread.h"
#include "propobjclip.h"
#include "sample_install.h"

namespace {

void EmptyTheClipboard(HWND hOwner)
{
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    ::CloseClipboard();
}

// Puts bytes on the clipboard as "CF_VLMPROP", alone.
void PutFieldBytes(HWND hOwner, const std::string& bytes)
{
    HGLOBAL hBlock = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    ASSERT_NE(nullptr, hBlock);
    std::memcpy(::GlobalLock(hBlock), bytes.data(), bytes.size());
    ::GlobalUnlock(hBlock);
    ASSERT_TRUE(::OpenClipboard(hOwner));
    ::EmptyClipboard();
    EXPECT_NE(nullptr, ::SetClipboardData(::RegisterClipboardFormatA("CF_VLMPROP"), hBlock));
    ::CloseClipboard();
}

// The whole block under "CF_VLMPROP", empty when there is none.
std::string FieldBytes(HWND hOwner)
{
    std::string bytes;
    if (!::OpenClipboard(hOwner))
        return bytes;
    if (HGLOBAL hBlock = ::GetClipboardData(::RegisterClipboardFormatA("CF_VLMPROP"))) {
        bytes.assign(static_cast<const char*>(::GlobalLock(hBlock)), ::GlobalSize(hBlock));
        ::GlobalUnlock(hBlock);
    }
    ::CloseClipboard();
    return bytes;
}

size_t Occurrences(const std::string& text, const std::string& part)
{
    size_t n = 0;
    for (size_t pos = text.find(part); pos != std::string::npos; pos = text.find(part, pos + 1))
        n++;
    return n;
}

CUIntArray* Orders(std::initializer_list<UINT> orders)
{
    CUIntArray* pOrders = new CUIntArray;
    for (UINT nOrder : orders)
        pOrders->Add(nOrder);
    return pOrders;
}

// The delivery note in a form window of its own under a host.
class FieldClipboardTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CMirtEnv::SetRootOverride(SampleInstallRoot().c_str());
        ASSERT_TRUE(m_form.CreateUnder(&m_host));
        ASSERT_EQ(1, m_form.SetFormat(9001)) << SampleInstallRoot();
        m_form.SetParentWnd(&m_host);
        EmptyTheClipboard(m_host.m_hWnd);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    void Copy(std::initializer_list<UINT> orders)
    {
        std::unique_ptr<CUIntArray> pOrders(Orders(orders));
        m_form.PropObjToClipboard(pOrders.get());
    }

    CHostWnd m_host;
    CWindowedFormWnd m_form;
};

TEST_F(FieldClipboardTest, RoundTripMakesNewFields)
{
    const std::string before = DescribeFaces(m_form.Men());
    EXPECT_EQ(0u, FindClipboardFormat(&m_form, "CF_VLMPROP"));
    Copy({1, 61, 999, 11});
    EXPECT_EQ(::RegisterClipboardFormatA("CF_VLMPROP"), FindClipboardFormat(&m_form, "CF_VLMPROP"));
    EXPECT_EQ(m_form.m_hWnd, ::GetClipboardOwner());

    std::unique_ptr<CPtrArray> pFields(m_form.PropObjFromClipboard());
    ASSERT_NE(nullptr, pFields);
    const UINT orders[] = {1, 61, 11};
    ASSERT_EQ(3, pFields->GetSize());
    for (INT_PTR i = 0; i < 3; i++) {
        CNPropObj* pRead = static_cast<CNPropObj*>(pFields->GetAt(i));
        CNPropObj* pOriginal = m_form.GetPropObjByOrder(orders[i]);
        EXPECT_NE(pOriginal, pRead);
        EXPECT_EQ(pOriginal->GetRuntimeClass(), pRead->GetRuntimeClass()) << orders[i];
        EXPECT_EQ(Store(*pOriginal), Store(*pRead)) << orders[i];
        delete pRead;
    }
    EXPECT_EQ(before, DescribeFaces(m_form.Men()));
}

// A stored CObList: the count, the customer's text field with its class,
// the picture with its own class, then the item text field naming the
// first class by its index.
TEST_F(FieldClipboardTest, BytesAreAStoredListOfFields)
{
    Copy({1, 61, 11});
    const std::string bytes = FieldBytes(m_host.m_hWnd);
    const std::string prefix = Bytes({0x03, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00}) + "CNPropObjEdt" +
                               Bytes({0x01, 0x00, 0x00, 0x00,    // the base's version
                                   0x01, 0x00, 0x00, 0x00,       // order
                                   0x78, 0x00, 0x00, 0x00, 0x4A, 0x01, 0x00, 0x00,
                                   0xE8, 0x03, 0x00, 0x00, 0xA4, 0x01, 0x00, 0x00});
    ASSERT_GE(bytes.size(), prefix.size());
    EXPECT_EQ(prefix, bytes.substr(0, prefix.size()));
    EXPECT_EQ(1u, Occurrences(bytes, "CNPropObjEdt"));
    EXPECT_EQ(1u, Occurrences(bytes, "CNPropObjPic"));
    const size_t nPicture = bytes.find("CNPropObjPic");
    EXPECT_EQ(Bytes({0xFF, 0xFF, 0x01, 0x00, 0x0C, 0x00}), bytes.substr(nPicture - 6, 6));
    EXPECT_NE(std::string::npos, bytes.find(Bytes({0x01, 0x80, 0x01, 0x00, 0x00, 0x00, 0x0B, 0x00, 0x00, 0x00})))
        << "the item field by its class index, its version and order 11";
}

// Whatever else sits under the name is refused whole: null, the fields
// read so far deleted, the form and the clipboard as they were.
TEST_F(FieldClipboardTest, ForeignContentsAreRefused)
{
    CObList one;
    one.AddTail(m_form.GetPropObjByOrder(1)->Clone(0, 0));
    const std::string single = Store(one);
    CObList faces;
    faces.AddTail(new CPropData);
    CObList mixed;
    mixed.AddTail(m_form.GetPropObjByOrder(12)->Clone(0, 0));
    mixed.AddTail(new CPropData);
    CObList layout;
    layout.AddTail(new CNMirtLayoutData);
    const std::string body = single.substr(2);
    const struct
    {
        const char* pszCase;
        std::string bytes;
    } cases[] = {
        {"a face list", Store(faces)},
        {"a field, then a face list", Store(mixed)},
        {"a layout", Store(layout)},
        {"an unknown class", ClassHeader("CNoSuchField") + body.substr(body.find("CNPropObjEdt") + 12)},
        {"cut in the record", single.substr(0, single.size() / 2)},
        {"one byte short", single.substr(0, single.size() - 1)},
        {"a huge count", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}) + body},
        {"a count of 65535", Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}) + body},
        {"the same field twice", Bytes({0x02, 0x00}) + body + Bytes({0x02, 0x00})},
        {"an empty list", Bytes({0x00, 0x00})},
        {"one byte", Bytes({0x7F})},
    };
    const std::string before = DescribeFaces(m_form.Men());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszCase);
        PutFieldBytes(m_host.m_hWnd, c.bytes);
        EXPECT_EQ(nullptr, m_form.PropObjFromClipboard());
        EXPECT_EQ(before, DescribeFaces(m_form.Men()));
        EXPECT_EQ(c.bytes, FieldBytes(m_host.m_hWnd));
    }
    PutFieldBytes(m_host.m_hWnd, single);
    std::unique_ptr<CPtrArray> pFields(m_form.PropObjFromClipboard());
    ASSERT_NE(nullptr, pFields) << "the good list loads";
    delete static_cast<CNPropObj*>(pFields->GetAt(0));
    MirtDeleteOwnedList(one);
    MirtDeleteOwnedList(faces);
    MirtDeleteOwnedList(mixed);
    MirtDeleteOwnedList(layout);
}

// The name is compared byte for byte, on an open clipboard of a window.
TEST_F(FieldClipboardTest, FormatFoundByItsExactName)
{
    Copy({1});
    CWnd noWindow;
    EXPECT_EQ(0u, FindClipboardFormat(nullptr, "CF_VLMPROP"));
    EXPECT_EQ(0u, FindClipboardFormat(&noWindow, "CF_VLMPROP"));
    EXPECT_EQ(0u, FindClipboardFormat(&m_host, "cf_vlmprop"));
    EXPECT_EQ(0u, FindClipboardFormat(&m_host, "CF_VLMPRO"));
    EXPECT_NE(0u, FindClipboardFormat(&m_host, "CF_VLMPROP"));
}

// Without a window of its own the form uses its parent's; with neither the
// clipboard is left alone and nothing is read.
TEST_F(FieldClipboardTest, ParentWindowStandsInForTheForm)
{
    CWindowedFormWnd windowless;
    windowless.SetLayout(new CNMirtLayoutData);
    windowless.AddFace(static_cast<CPropData*>(m_form.Men().GetTail())->Clone(0, 0));
    std::unique_ptr<CUIntArray> pOrders(Orders({1}));
    PutFieldBytes(m_host.m_hWnd, Bytes({0x00, 0x00}));
    windowless.PropObjToClipboard(pOrders.get());
    EXPECT_EQ(Bytes({0x00, 0x00}), FieldBytes(m_host.m_hWnd));
    EXPECT_EQ(nullptr, windowless.PropObjFromClipboard());

    windowless.SetParentWnd(&m_host);
    windowless.PropObjToClipboard(pOrders.get());
    EXPECT_EQ(m_host.m_hWnd, ::GetClipboardOwner());
    std::unique_ptr<CPtrArray> pFields(windowless.PropObjFromClipboard());
    ASSERT_NE(nullptr, pFields);
    ASSERT_EQ(1, pFields->GetSize());
    delete static_cast<CNPropObj*>(pFields->GetAt(0));
}

// Template files: MakeFile writes "DocTateFile" where the program runs;
// ReadFile takes the first field of the kind's file under NewObject.
class TemplateFileTest : public OtherFolderTest
{
protected:
    void SetUp() override
    {
        OtherFolderTest::SetUp();
        ::CreateDirectoryA((m_root + "\\Data\\Other\\NewObject").c_str(), nullptr);
        CPropData* pFace = new CPropData;
        pFace->AddPropObj(new CTestGroup(MakeBlock(3, {10, 20, 110, 70})));
        pFace->AddPropObj(new CTestGroup(MakeBlock(4, {30, 40, 230, 90})));
        m_form.AddFace(pFace);
    }

    // MakeFile in the test's folder; its bytes.
    std::string Make(std::initializer_list<UINT> orders)
    {
        char szOld[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, szOld);
        ::SetCurrentDirectoryA(m_root.c_str());
        std::unique_ptr<CUIntArray> pOrders(Orders(orders));
        m_form.MakeFile(pOrders.get());
        ::SetCurrentDirectoryA(szOld);
        std::string bytes;
        CFile file;
        if (file.Open((m_root + "\\DocTateFile").c_str(), CFile::modeRead)) {
            bytes.resize(file.GetLength());
            file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
        }
        return bytes;
    }
    void WriteTemplate(const char* pszName, const std::string& bytes)
    {
        WriteBytes(m_root + "\\Data\\Other\\NewObject\\" + pszName, bytes);
    }

    CTestFormWnd m_form;
};

TEST_F(TemplateFileTest, MadeFileReadsBackItsFirstField)
{
    const std::string made = Make({4, 9, 3});
    CObList expected;
    expected.AddTail(m_form.GetPropObjByOrder(4));
    expected.AddTail(m_form.GetPropObjByOrder(3));
    EXPECT_EQ(Store(expected), made);

    WriteTemplate("DocTateFile", made);
    std::unique_ptr<CNPropObj> pField(m_form.ReadFile(2));
    ASSERT_NE(nullptr, pField);
    EXPECT_EQ(Store(*m_form.GetPropObjByOrder(4)), Store(*pField));
    EXPECT_EQ(nullptr, m_form.ReadFile(1)) << "no DocYokoFile";
}

TEST_F(TemplateFileTest, EachKindReadsItsFile)
{
    const std::string made = Make({3});
    CObList faces;
    faces.AddTail(new CPropData);
    const std::string foreign = Store(faces);
    MirtDeleteOwnedList(faces);
    const struct
    {
        UINT nKind;
        const char* pszFile;
        std::string bytes;
        bool bField;
    } cases[] = {
        {1, "DocYokoFile", made, true}, {2, "DocTateFile", made, true}, {0, "PicFile", made, true},
        {7, "PicFile", made, true}, {3, "PicFile", foreign, false}, {1, "DocYokoFile", Bytes({0, 0}), false},
        {2, "DocTateFile", made.substr(0, made.size() - 2), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nKind << " " << c.pszFile);
        WriteTemplate(c.pszFile, c.bytes);
        std::unique_ptr<CNPropObj> pField(m_form.ReadFile(c.nKind));
        EXPECT_EQ(c.bField, pField != nullptr);
        if (pField != nullptr) {
            EXPECT_EQ(3u, pField->m_nOrder);
        }
        ::DeleteFileA((m_root + "\\Data\\Other\\NewObject\\" + c.pszFile).c_str());
    }
}

}  // namespace
