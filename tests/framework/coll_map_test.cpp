#include <gtest/gtest.h>

#include <stdlib.h>

#include <string>
#include <vector>

#include "afxcoll.h"

namespace {

std::string Keys(const CMapStringToString& map)
{
    std::string keys;
    CString key;
    CString value;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;) {
        map.GetNextAssoc(pos, key, value);
        keys += std::string(key) + ",";
    }
    return keys;
}

std::vector<WORD> Keys(const CMapWordToOb& map)
{
    std::vector<WORD> keys;
    WORD key;
    CObject* value;
    for (POSITION pos = map.GetStartPosition(); pos != NULL;) {
        map.GetNextAssoc(pos, key, value);
        keys.push_back(key);
    }
    return keys;
}

struct OrderCase
{
    UINT hashSize;
    std::vector<const char*> added;
    const char* order;
};

// Buckets in index order, the latest entry of a bucket first; the hash is
// h * 33 + byte over the unsigned bytes.
TEST(CollMapTest, StringMapIterationOrder)
{
    const std::vector<const char*> keys = {"a", "b", "r", "表", "q", "ab", "十"};
    const OrderCase cases[] = {
        {17, keys, "十,ab,q,表,r,a,b,"},
        {10, keys, "十,q,r,a,b,ab,表,"},
        {17, {"b", "a", "r"}, "r,a,b,"},
        {17, {"b", "r", "a"}, "a,r,b,"},
    };
    for (const OrderCase& c : cases) {
        CMapStringToString map;
        map.InitHashTable(c.hashSize);
        for (const char* key : c.added)
            map[key] = "v";
        EXPECT_EQ(c.order, Keys(map)) << c.hashSize << " buckets";
    }
}

// Keys 0x010, 0x120 and 0x230 share bucket 1 (key >> 4, modulo 17), key
// 0x005 is alone in bucket 0. Removing from the front, middle or end of a
// bucket keeps the rest.
TEST(CollMapTest, WordMapRemoveKeyAnywhereInBucket)
{
    struct Case
    {
        WORD removed;
        std::vector<WORD> order;
    };
    const Case cases[] = {
        {0x230, {0x005, 0x120, 0x010}},
        {0x120, {0x005, 0x230, 0x010}},
        {0x010, {0x005, 0x230, 0x120}},
        {0x005, {0x230, 0x120, 0x010}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.removed);
        CMapWordToOb map;
        for (WORD key : {0x010, 0x120, 0x005, 0x230})
            map[key] = reinterpret_cast<CObject*>(static_cast<INT_PTR>(key) * 16);
        EXPECT_FALSE(map.RemoveKey(0x999));
        EXPECT_TRUE(map.RemoveKey(c.removed));
        EXPECT_FALSE(map.RemoveKey(c.removed));
        EXPECT_EQ(c.order, Keys(map));
        EXPECT_EQ(3, map.GetCount());
        for (WORD key : c.order) {
            CObject* value = NULL;
            EXPECT_TRUE(map.Lookup(key, value));
            EXPECT_EQ(reinterpret_cast<CObject*>(static_cast<INT_PTR>(key) * 16), value);
        }
    }
}

TEST(CollMapTest, LookupSetAtAndEmptying)
{
    CMapStringToString map;
    EXPECT_EQ(17u, map.GetHashTableSize());
    CString value;
    EXPECT_FALSE(map.Lookup("k", value));
    EXPECT_FALSE(map.RemoveKey("k"));

    map.SetAt("k", "1");
    map.SetAt("k", "2");
    EXPECT_EQ(1, map.GetCount());
    EXPECT_TRUE(map.Lookup("k", value));
    EXPECT_STREQ("2", value);
    EXPECT_TRUE(map["new"].IsEmpty());
    EXPECT_EQ(2, map.GetCount());

    // Buckets can only be changed while the map is empty.
    map.InitHashTable(5);
    EXPECT_EQ(17u, map.GetHashTableSize());
    EXPECT_TRUE(map.Lookup("k", value));

    EXPECT_TRUE(map.RemoveKey("k"));
    EXPECT_TRUE(map.RemoveKey("new"));
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_EQ(nullptr, map.GetStartPosition());
    map.InitHashTable(5);
    EXPECT_EQ(5u, map.GetHashTableSize());
    map.SetAt("again", "3");
    EXPECT_EQ("again,", Keys(map));

    map.RemoveAll();
    EXPECT_TRUE(map.IsEmpty());
    EXPECT_FALSE(map.Lookup("again", value));
    EXPECT_EQ(5u, map.GetHashTableSize());
}

// A map far beyond its first bucket count spreads its entries over a larger
// table, and every entry stays reachable by key and by iteration.
TEST(CollMapTest, LargeMapGrowsItsTable)
{
    CMapStringToString map;
    const int nCount = 10000;
    for (int i = 0; i < nCount; ++i) {
        CString key;
        key.Format("キー%d", i);
        map.SetAt(key, key + "値");
    }
    ASSERT_EQ(nCount, map.GetCount());
    EXPECT_GE(map.GetHashTableSize(), static_cast<UINT>(nCount / 2));

    int nFound = 0;
    for (int i = 0; i < nCount; ++i) {
        CString key;
        key.Format("キー%d", i);
        CString value;
        nFound += map.Lookup(key, value) && value == key + "値" ? 1 : 0;
    }
    EXPECT_EQ(nCount, nFound);
    std::vector<bool> seen(nCount, false);
    CString key;
    CString value;
    int nVisited = 0;
    for (POSITION pos = map.GetStartPosition(); pos != NULL; ++nVisited) {
        map.GetNextAssoc(pos, key, value);
        seen[atoi(static_cast<LPCSTR>(key) + 4)] = true;
    }
    EXPECT_EQ(nCount, nVisited);
    EXPECT_EQ(std::vector<bool>(nCount, true), seen);

    for (int i = 0; i < nCount; i += 2) {
        key.Format("キー%d", i);
        EXPECT_TRUE(map.RemoveKey(key));
    }
    EXPECT_EQ(nCount / 2, map.GetCount());
    EXPECT_FALSE(map.Lookup("キー0", value));
    EXPECT_TRUE(map.Lookup("キー1", value));
}

}  // namespace
