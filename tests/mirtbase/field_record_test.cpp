// Stored field records: golden bytes through the archive, directly and in
// a list with class information, and their load.
#include <gtest/gtest.h>

#include <climits>

#include "field_fixture.h"

namespace {

std::string Dword(DWORD value)
{
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

// The CNPropObj part of a default record: the base's version (1) leads
// whatever the class.
std::string DefaultBaseRecord()
{
    return Dword(1) + Dword(0) +                       // base version, order
           std::string(16, '\0') +                      // rectangle
           std::string(32, '\0') +                      // attributes 1 to 8
           Dword(0) + Dword(3) +                        // flag word, setting
           Bytes({0x00, 0x00}) +                        // no items
           Dword(3) +                                   // data kind
           Bytes({0x00, 0x00});                         // data string, name
}

// CTestField's own version (3) is not stored; the control tail carries the
// control base's (1).
const std::string kDefaultTestField = DefaultBaseRecord() + Dword(1) + Dword(0x54000000) + Dword(0);

std::string StoreInList(CObject* pField)
{
    CObList list;
    list.AddTail(pField);
    return Store(list);
}

TEST(FieldRecordTest, DefaultRecordDirectly)
{
    CTestField field;
    EXPECT_EQ(kDefaultTestField, Store(field));
}

TEST(FieldRecordTest, DefaultRecordInAListWithItsClass)
{
    CTestField field;
    const std::string golden = Bytes({0x01, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00}) + "CTestField" +
                               kDefaultTestField;
    EXPECT_EQ(golden, StoreInList(&field));

    CObList loaded;
    Load(loaded, golden);
    ASSERT_EQ(1, loaded.GetCount());
    CObject* pObject = loaded.GetHead();
    ASSERT_TRUE(pObject->IsKindOf(RUNTIME_CLASS(CTestField)));
    EXPECT_EQ(kDefaultTestField, Store(*pObject));
    delete pObject;
}

TEST(FieldRecordTest, BaseClassRecordStartsWithTheBaseVersion)
{
    CTestGroup group;
    EXPECT_EQ(DefaultBaseRecord(), Store(group));
}

// Every member its own value, so that a member out of place shows.
const std::string kFilledTestField =
    Dword(1) + Dword(7) +                                                // base version, order
    Dword(10) + Dword(20) + Dword(310) + Dword(0xFFFFFF9C) +             // rectangle (bottom -100)
    Dword(0x11) + Dword(0x12) + Dword(0x13) + Dword(0x14) +              // attributes 1 to 4
    Dword(0x15) + Dword(0x16) + Dword(0x17) + Dword(0x18) +              // attributes 5 to 8
    Dword(0x08) + Dword(9) +                                             // flag word, setting
    Bytes({0x02, 0x00, 0x02, 0x8D, 0x62, 0x01, 'b'}) +                   // items "甲", "b"
    Dword(2) +                                                           // data kind
    Bytes({0x06, 0x83, 0x66, 0x81, 0x5B, 0x83, 0x5E}) +                  // "データ"
    Bytes({0x04, 0x8E, 0x81, 0x96, 0xBC}) +                              // "氏名"
    Dword(1) + Dword(0x54800000) + Dword(0x20);                          // version, style, extended style

void Fill(CTestField& field)
{
    field.m_nOrder = 7;
    field.m_rect = {10, 20, 310, -100};
    for (int n = 1; n <= CNPropObj::ATTRIBUTE_COUNT; n++)
        field.SetAttr(n, 0x10 + n);
    field.m_dwFlags = 0x08;
    field.m_dwSetting = 9;
    field.m_listItems.AddTail("甲");
    field.m_listItems.AddTail("b");
    field.m_nDataKind = 2;
    field.m_strData = "データ";
    field.m_strName = "氏名";
    field.SetBorder(TRUE);
    field.SetTransparent(TRUE);
}

TEST(FieldRecordTest, EveryMemberInItsPlace)
{
    CTestField field;
    Fill(field);
    CTestField loaded;
    ExpectRoundTrip(field, loaded, kFilledTestField);
    EXPECT_EQ(7u, loaded.m_nOrder);
    EXPECT_EQ(-100, loaded.m_rect.bottom);
    EXPECT_EQ(0x15u, loaded.GetAttr(CNPropObj::ATTRIBUTE_INPUT));
    EXPECT_EQ(2, loaded.m_listItems.GetCount());
    EXPECT_STREQ("データ", loaded.m_strData);
    EXPECT_STREQ("氏名", loaded.m_strName);
    // Not stored: the load leaves them at their construction values.
    EXPECT_EQ(static_cast<UINT>(CNPropObj::MODE_ENTRY), loaded.m_nMode);
    EXPECT_EQ(nullptr, loaded.m_pOwner);
}

// Whatever version a record carries, the load reads it and goes on; the
// loaded field keeps its class's own.
TEST(FieldRecordTest, StoredVersionsAreReadAndNotKept)
{
    std::string bytes = kFilledTestField;
    bytes.replace(0, 4, Dword(1));
    bytes.replace(bytes.size() - 12, 4, Dword(5));
    CTestField loaded;
    Load(loaded, bytes);
    EXPECT_EQ(3u, loaded.GetVersion());
    EXPECT_EQ(kFilledTestField, Store(loaded));
}

TEST(FieldRecordTest, LoadedStyleAlwaysHasChildVisibleClipSiblings)
{
    std::string bytes = kDefaultTestField;
    bytes.replace(bytes.size() - 8, 4, Dword(0x00800000));
    CTestField loaded;
    Load(loaded, bytes);
    EXPECT_EQ(0x54800000u, loaded.GetStyle());
}

TEST(FieldRecordTest, LoadingReplacesTheItemList)
{
    CTestField loaded;
    loaded.m_listItems.AddTail("old");
    Load(loaded, kFilledTestField);
    ASSERT_EQ(2, loaded.m_listItems.GetCount());
    EXPECT_STREQ("甲", loaded.m_listItems.GetHead());
}

// Coordinates of a stored rectangle are held to ±0x7FFF tenths of a
// millimetre on load; those inside stay as stored.
TEST(FieldRecordTest, LoadHoldsTheRectangleToThreeMetres)
{
    struct Case
    {
        RECT stored;
        RECT loaded;
    };
    const Case cases[] = {
        {{-32767, -5, 32767, 2970}, {-32767, -5, 32767, 2970}},
        {{-32768, 32768, 100000, -100000}, {-32767, 32767, 32767, -32767}},
        {{INT_MIN, INT_MAX, INT_MAX, INT_MIN}, {-32767, 32767, 32767, -32767}},
    };
    for (const Case& c : cases) {
        CTestField field;
        field.m_rect = c.stored;
        CTestField loaded;
        Load(loaded, Store(field));
        EXPECT_EQ(CRect(c.loaded), CRect(loaded.m_rect)) << c.stored.left << "," << c.stored.top;
    }
}

TEST(FieldRecordTest, TruncatedRecordThrowsEndOfFile)
{
    for (size_t length : {size_t(3), size_t(40), kFilledTestField.size() - 1}) {
        CTestField loaded;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(loaded, kFilledTestField.substr(0, length)))
            << length << " bytes";
    }
}

}  // namespace
