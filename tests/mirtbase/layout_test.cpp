// The layout record: its stored form in layout files and page blobs, the
// version rules of settings C to E, Copy, and readers that meet short or
// foreign data.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "field_fixture.h"

namespace {

// A template field that counts its live objects.
class CCountedField : public CTestGroup
{
    DECLARE_SERIAL(CCountedField)
public:
    CCountedField() { s_nLive++; }
    explicit CCountedField(UINT nOrder) : CTestGroup(MakeBlock(nOrder, {1, 2, 3, 4})) { s_nLive++; }
    ~CCountedField() override { s_nLive--; }

    static int s_nLive;
};

int CCountedField::s_nLive = 0;

IMPLEMENT_SERIAL(CCountedField, CTestGroup, 1)

std::string Dw(DWORD v)
{
    return Bytes({int(v & 0xFF), int((v >> 8) & 0xFF), int((v >> 16) & 0xFF), int(v >> 24)});
}

std::string Rect(LONG l, LONG t, LONG r, LONG b)
{
    return Dw(l) + Dw(t) + Dw(r) + Dw(b);
}

// 2024-04-01 09:00, valid: status 0, then the DATE 45383.375.
const std::string kDateBytes = Dw(0) + Bytes({0, 0, 0, 0, 0xEC, 0x28, 0xE6, 0x40});

// The header of the test layout up to settings C, D, E (excluded) and after.
std::string HeaderBefore(DWORD dwVersion)
{
    return Dw(dwVersion) + Dw(40012) + Dw(0x11) + kDateBytes + Dw(0x22);
}

const std::string kSettingsCToE = Dw(3) + Dw(9) + Dw(5);

const std::string kHeaderAfter = Dw(0x33) + Dw(0x44) +
                                 Bytes({6, 0x94, 0x5B, 0x95, 0x69, 0x8F, 0x91}) +  // 納品書
                                 Bytes({2, 'A', '2'});

// Version 1, rectangles 3, 2, 1, values 1, 5, 2, 3, 4, colour, value 7.
const std::string kGeometryFixed = Dw(1) + Rect(-10, -20, 30, 40) + Rect(50, 50, 2050, 2920) +
                                   Rect(0, 0, 2100, 2970) + Dw(11) + Dw(15) + Dw(12) + Dw(13) + Dw(14) +
                                   Dw(0x00FFEEDD) + Dw(17);

// Two faces: (0, 0) and (0, 1485).
const std::string kFaces = Bytes({2, 0}) + Dw(0) + Dw(0) + Dw(0) + Dw(1485);

std::string BlobBytes(DWORD dwVersion)
{
    return HeaderBefore(dwVersion) + kSettingsCToE + kHeaderAfter + kGeometryFixed + kFaces;
}

// Each list holds one field; the second meets the class again (index 1).
std::string TemplateBytes()
{
    CCountedField outside(7);
    CCountedField face(8);
    return Bytes({1, 0, 0xFF, 0xFF, 1, 0, 13, 0}) + "CCountedField" + Store(outside) + Bytes({1, 0, 0x01, 0x80}) +
           Store(face);
}

std::string FileBytes(DWORD dwVersion)
{
    return BlobBytes(dwVersion) + TemplateBytes();
}

// The layout that FileBytes (2) holds; value 6 is not stored.
void FillTestLayout(CNMirtLayoutData& layout)
{
    layout.m_nLayoutID = 40012;
    layout.m_dwSettingA = 0x11;
    layout.m_dateCreated = COleDateTime(2024, 4, 1, 9, 0, 0);
    layout.m_dwSettingB = 0x22;
    layout.m_nTableFirstOrder = 3;
    layout.m_nTableLastOrder = 9;
    layout.m_nTableLine = 5;
    layout.m_dwSettingF = 0x33;
    layout.m_dwSettingG = 0x44;
    layout.m_strText1 = "納品書";
    layout.m_strText2 = "A2";
    CNLayoutData& geometry = layout.m_LayoutData;
    geometry.m_rectAria = {0, 0, 2100, 2970};
    geometry.m_rectSecond = {50, 50, 2050, 2920};
    geometry.m_rectThird = {-10, -20, 30, 40};
    geometry.m_arrayMen.Add(CPoint(0, 0));
    geometry.m_arrayMen.Add(CPoint(0, 1485));
    geometry.m_dwValue1 = 11;
    geometry.m_dwValue2 = 12;
    geometry.m_dwValue3 = 13;
    geometry.m_dwValue4 = 14;
    geometry.m_dwValue5 = 15;
    geometry.m_dwValue6 = 16;
    geometry.m_crFace = 0x00FFEEDD;
    geometry.m_dwValue7 = 17;
    layout.m_listOutside.AddTail(new CCountedField(7));
    layout.m_listFaces.AddTail(new CCountedField(8));
}

void ExpectRect(const RECT& expected, const RECT& actual)
{
    EXPECT_EQ(CRect(expected), CRect(actual));
}

// Everything but the version, the templates and value 6.
void ExpectSameLayout(const CNMirtLayoutData& expected, const CNMirtLayoutData& actual)
{
    EXPECT_EQ(expected.m_nLayoutID, actual.m_nLayoutID);
    EXPECT_EQ(expected.m_dwSettingA, actual.m_dwSettingA);
    EXPECT_EQ(expected.m_dateCreated.m_dt, actual.m_dateCreated.m_dt);
    EXPECT_EQ(expected.m_dateCreated.m_status, actual.m_dateCreated.m_status);
    EXPECT_EQ(expected.m_dwSettingB, actual.m_dwSettingB);
    EXPECT_EQ(expected.m_nTableFirstOrder, actual.m_nTableFirstOrder);
    EXPECT_EQ(expected.m_nTableLastOrder, actual.m_nTableLastOrder);
    EXPECT_EQ(expected.m_nTableLine, actual.m_nTableLine);
    EXPECT_EQ(expected.m_dwSettingF, actual.m_dwSettingF);
    EXPECT_EQ(expected.m_dwSettingG, actual.m_dwSettingG);
    EXPECT_STREQ(expected.m_strText1, actual.m_strText1);
    EXPECT_STREQ(expected.m_strText2, actual.m_strText2);
    const CNLayoutData& e = expected.m_LayoutData;
    const CNLayoutData& a = actual.m_LayoutData;
    ExpectRect(e.m_rectAria, a.m_rectAria);
    ExpectRect(e.m_rectSecond, a.m_rectSecond);
    ExpectRect(e.m_rectThird, a.m_rectThird);
    ASSERT_EQ(e.GetMenCount(), a.GetMenCount());
    for (int i = 0; i < e.GetMenCount(); i++)
        EXPECT_EQ(e.m_arrayMen[i], a.m_arrayMen[i]) << i;
    EXPECT_EQ(e.m_dwValue1, a.m_dwValue1);
    EXPECT_EQ(e.m_dwValue2, a.m_dwValue2);
    EXPECT_EQ(e.m_dwValue3, a.m_dwValue3);
    EXPECT_EQ(e.m_dwValue4, a.m_dwValue4);
    EXPECT_EQ(e.m_dwValue5, a.m_dwValue5);
    EXPECT_EQ(e.m_crFace, a.m_crFace);
    EXPECT_EQ(e.m_dwValue7, a.m_dwValue7);
}

UINT TemplateOrder(const CObList& list)
{
    return list.GetCount() == 1 ? static_cast<CNPropObj*>(list.GetHead())->m_nOrder : 0;
}

std::string StoreBlob(CNMirtLayoutData& layout)
{
    return StoreWith([&](CArchive& ar) { layout.SerializeWithoutTemplates(ar); });
}

// Reads bytes into a new layout through read and hands the layout to check
// (when given); the cause of the archive exception thrown, or -1.
int ReadLayout(std::string bytes, const std::function<void(CNMirtLayoutData&, CArchive&)>& read,
    const std::function<void(CNMirtLayoutData&)>& check = nullptr)
{
    CNMirtLayoutData layout;
    const int nCause = LoadFailureWith(bytes, [&](CArchive& ar) { read(layout, ar); });
    if (check)
        check(layout);
    return nCause;
}

void ReadFile(CNMirtLayoutData& layout, CArchive& ar)
{
    layout.Serialize(ar);
}

void ReadBlob(CNMirtLayoutData& layout, CArchive& ar)
{
    layout.SerializeWithoutTemplates(ar);
}

TEST(LayoutRecordTest, NewGeometryStoresItsDefaults)
{
    CNLayoutData geometry;
    EXPECT_EQ(Dw(1) + Rect(0, 0, 0, 0) + Rect(0, 0, 0, 0) + Rect(0, 0, 0, 0) + Dw(1) + Dw(0) + Dw(0) + Dw(0) +
                  Dw(0) + Dw(0x00FFFFFF) + Dw(0) + Bytes({0, 0}),
        Store(geometry));
}

TEST(LayoutRecordTest, FileFormStoresFieldByField)
{
    CNMirtLayoutData layout;
    FillTestLayout(layout);
    EXPECT_EQ(FileBytes(2), Store(layout));
}

TEST(LayoutRecordTest, BlobFormLeavesOutTheTemplates)
{
    CNMirtLayoutData layout;
    FillTestLayout(layout);
    EXPECT_EQ(BlobBytes(2), StoreBlob(layout));
}

TEST(LayoutRecordTest, FileLoadsBackWithItsTemplates)
{
    CNMirtLayoutData expected;
    FillTestLayout(expected);
    CNMirtLayoutData layout;
    Load(layout, FileBytes(2));
    ExpectSameLayout(expected, layout);
    EXPECT_EQ(0u, layout.m_LayoutData.m_dwValue6);  // not stored
    EXPECT_EQ(17u, layout.m_LayoutData.m_dwValue7);
    EXPECT_EQ(2, layout.GetMenCount());
    EXPECT_EQ(7u, TemplateOrder(layout.m_listOutside));
    EXPECT_EQ(8u, TemplateOrder(layout.m_listFaces));
    EXPECT_TRUE(layout.m_listFaces.GetHead()->IsKindOf(RUNTIME_CLASS(CCountedField)));
    EXPECT_EQ(FileBytes(2), Store(layout));
}

// Version 1 files have settings C to E zeroed; blobs keep them and the
// version read.
TEST(LayoutRecordTest, SettingsCToEAndVersionByForm)
{
    struct Case
    {
        bool bFile;
        DWORD dwVersion;
        UINT nTableFirst;
        UINT nKeptVersion;
    };
    const Case cases[] = {{true, 1, 0, 2}, {true, 2, 3, 2}, {true, 7, 3, 2},
                          {false, 1, 3, 1}, {false, 2, 3, 2}, {false, 7, 3, 7}};
    for (const Case& c : cases) {
        const std::string bytes = c.bFile ? FileBytes(c.dwVersion) : BlobBytes(c.dwVersion);
        EXPECT_EQ(-1, ReadLayout(bytes, c.bFile ? ReadFile : ReadBlob, [&](CNMirtLayoutData& layout) {
            EXPECT_EQ(c.nTableFirst, layout.m_nTableFirstOrder);
            EXPECT_EQ(c.nTableFirst ? 9u : 0u, layout.m_nTableLastOrder);
            EXPECT_EQ(c.nTableFirst ? 5u : 0u, layout.m_nTableLine);
            EXPECT_EQ(c.nKeptVersion, layout.m_nVersion);
            EXPECT_EQ(0x33u, layout.m_dwSettingF);
            EXPECT_EQ(2, layout.GetMenCount());
        })) << c.bFile << " " << c.dwVersion;
    }
}

TEST(LayoutRecordTest, LoadReplacesTheTemplates)
{
    {
        CNMirtLayoutData layout;
        FillTestLayout(layout);
        layout.m_listFaces.AddTail(new CCountedField(9));
        Load(layout, FileBytes(2));
        EXPECT_EQ(2, CCountedField::s_nLive);
        EXPECT_EQ(8u, TemplateOrder(layout.m_listFaces));
    }
    EXPECT_EQ(0, CCountedField::s_nLive);
}

TEST(LayoutRecordTest, EveryShortFileEndsInEndOfFile)
{
    const struct
    {
        std::string bytes;
        void (*read)(CNMirtLayoutData&, CArchive&);
    } forms[] = {{FileBytes(2), ReadFile}, {BlobBytes(2), ReadBlob}};
    for (const auto& form : forms) {
        for (size_t n = 0; n < form.bytes.size(); n++) {
            EXPECT_EQ(CArchiveException::endOfFile, ReadLayout(form.bytes.substr(0, n), form.read)) << n;
            ASSERT_EQ(0, CCountedField::s_nLive) << n;
        }
    }
}

TEST(LayoutRecordTest, HugeFaceCountRunsIntoTheEnd)
{
    const std::string bytes = BlobBytes(2).substr(0, BlobBytes(2).size() - kFaces.size()) +
                              Bytes({0xFF, 0xFF}) + Dw(0x7FFFFFFF) + Dw(1) + Dw(2);
    EXPECT_EQ(CArchiveException::endOfFile, ReadLayout(bytes, ReadBlob));
}

TEST(LayoutRecordTest, TemplateListsTakeOnlyFields)
{
    const std::string afterFaces = BlobBytes(2) + Bytes({0, 0});
    const std::string lists[] = {
        Bytes({1, 0, 0xFF, 0xFF, 0, 0, 11, 0}) + "CStringList" + Bytes({0, 0}),  // not a field
        Bytes({2, 0, 0xFF, 0xFF, 1, 0, 13, 0}) + "CCountedField" + Store(*std::make_unique<CCountedField>(4)) +
            Bytes({0, 0})};                                                      // a null element
    for (const std::string& list : lists) {
        EXPECT_EQ(CArchiveException::badClass, ReadLayout(afterFaces + list, ReadFile)) << list;
        EXPECT_EQ(0, CCountedField::s_nLive);
    }
}

TEST(LayoutCopyTest, CopiesAllButVersionAndTemplates)
{
    CNMirtLayoutData source;
    FillTestLayout(source);
    source.m_nVersion = 1;
    source.m_dateCreated.SetStatus(COleDateTime::invalid);
    CNMirtLayoutData copy;
    copy.Copy(&source);
    ExpectSameLayout(source, copy);
    EXPECT_EQ(16u, copy.m_LayoutData.m_dwValue6);
    EXPECT_EQ(2u, copy.m_nVersion);
    EXPECT_TRUE(copy.m_listOutside.IsEmpty());
    EXPECT_TRUE(copy.m_listFaces.IsEmpty());
}

TEST(LayoutCopyTest, FaceOriginsAreAppended)
{
    CNMirtLayoutData source;
    FillTestLayout(source);
    CNMirtLayoutData copy;
    for (int i = 0; i < 5; i++)
        copy.m_LayoutData.m_arrayMen.Add(CPoint(i, -i));
    copy.Copy(&source);
    copy.Copy(&source);
    const CPoint expected[] = {{0, 0}, {1, -1}, {2, -2}, {3, -3}, {4, -4}, {0, 0}, {0, 1485}, {0, 0}, {0, 1485}};
    ASSERT_EQ(9, copy.GetMenCount());
    for (int i = 0; i < 9; i++)
        EXPECT_EQ(expected[i], copy.m_LayoutData.m_arrayMen[i]) << i;
}

TEST(LayoutCopyTest, NullCopiesNothing)
{
    CNMirtLayoutData layout;
    FillTestLayout(layout);
    const std::string before = Store(layout);
    layout.Copy(nullptr);
    layout.m_LayoutData.Copy(nullptr);
    EXPECT_EQ(before, Store(layout));
}

}  // namespace
