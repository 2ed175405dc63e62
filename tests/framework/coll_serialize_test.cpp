#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "afxcoll.h"
#include "afxtempl.h"

namespace {

// Two serial classes for the object collections.
class CCollNumber : public CObject
{
    DECLARE_SERIAL(CCollNumber)
public:
    explicit CCollNumber(LONG n = 0) : m_n(n) {}
    CCollNumber& operator=(const CCollNumber& other)
    {
        m_n = other.m_n;
        return *this;
    }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_n;
        else
            ar >> m_n;
    }
    LONG m_n;
};
IMPLEMENT_SERIAL(CCollNumber, CObject, 1)

class CCollName : public CObject
{
    DECLARE_SERIAL(CCollName)
public:
    explicit CCollName(LPCSTR name = "") : m_name(name) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_name;
        else
            ar >> m_name;
    }
    CString m_name;
};
IMPLEMENT_SERIAL(CCollName, CObject, 2)

std::string Bytes(std::initializer_list<int> bytes)
{
    std::string s;
    for (int b : bytes)
        s += static_cast<char>(b);
    return s;
}

std::string Store(CObject& collection)
{
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    collection.Serialize(ar);
    ar.Close();
    std::string bytes(file.GetLength(), '\0');
    file.SeekToBegin();
    file.Read(&bytes[0], static_cast<UINT>(bytes.size()));
    return bytes;
}

void Load(CObject& collection, std::string bytes)
{
    CMemFile file(reinterpret_cast<BYTE*>(&bytes[0]), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    collection.Serialize(ar);
    ar.Close();
}

// The cause of the archive exception that loading throws, or -1.
int LoadFailure(CObject& collection, const std::string& bytes)
{
    try {
        Load(collection, bytes);
    } catch (CArchiveException* e) {
        int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

std::string Join(CStringList& list)
{
    std::string s;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        s += std::string(list.GetNext(pos)) + ";";
    return s;
}

void DeleteAll(CObList& list)
{
    while (!list.IsEmpty())
        delete list.RemoveHead();
}

// Objects of two classes and a null: the second class record, then a
// class met before (0x8000 | class index 1); the null is tag 0.
TEST(CollSerializeTest, ObListWritesClassRecordsAndLoadsObjects)
{
    CObList list;
    list.AddTail(new CCollNumber(7));
    list.AddTail(new CCollName("表"));
    list.AddTail(new CCollNumber(-2));
    list.AddTail(static_cast<CObject*>(NULL));

    const std::string golden = Bytes({0x04, 0x00,
                                      0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CCollNumber" +
                               Bytes({0x07, 0x00, 0x00, 0x00,
                                      0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00}) + "CCollName" +
                               Bytes({0x02, 0x95, 0x5C,
                                      0x01, 0x80, 0xFE, 0xFF, 0xFF, 0xFF,
                                      0x00, 0x00});
    EXPECT_EQ(golden, Store(list));

    CObList loaded;
    Load(loaded, golden);
    ASSERT_EQ(4, loaded.GetCount());
    POSITION pos = loaded.GetHeadPosition();
    CObject* first = loaded.GetNext(pos);
    CObject* second = loaded.GetNext(pos);
    CObject* third = loaded.GetNext(pos);
    ASSERT_TRUE(first->IsKindOf(RUNTIME_CLASS(CCollNumber)));
    ASSERT_TRUE(second->IsKindOf(RUNTIME_CLASS(CCollName)));
    ASSERT_TRUE(third->IsKindOf(RUNTIME_CLASS(CCollNumber)));
    EXPECT_EQ(7, static_cast<CCollNumber*>(first)->m_n);
    EXPECT_STREQ("表", static_cast<CCollName*>(second)->m_name);
    EXPECT_EQ(-2, static_cast<CCollNumber*>(third)->m_n);
    EXPECT_EQ(nullptr, loaded.GetNext(pos));

    DeleteAll(list);
    DeleteAll(loaded);
}

TEST(CollSerializeTest, StringListWritesCountThenStrings)
{
    CStringList list;
    list.AddTail("");
    list.AddTail("abc");
    list.AddTail("表");
    const std::string golden = Bytes({0x03, 0x00, 0x00, 0x03, 'a', 'b', 'c', 0x02, 0x95, 0x5C});
    EXPECT_EQ(golden, Store(list));

    CStringList loaded;
    Load(loaded, golden);
    EXPECT_EQ(";abc;表;", Join(loaded));
}

TEST(CollSerializeTest, WordArrayWritesCountThenWords)
{
    CWordArray array;
    for (WORD w : {0x0001, 0xFFFF, 0x1234})
        array.Add(w);
    const std::string golden = Bytes({0x03, 0x00, 0x01, 0x00, 0xFF, 0xFF, 0x34, 0x12});
    EXPECT_EQ(golden, Store(array));

    CWordArray loaded;
    loaded.Add(99);
    Load(loaded, golden);
    ASSERT_EQ(3, loaded.GetSize());
    EXPECT_EQ(0x0001, loaded[0]);
    EXPECT_EQ(0xFFFF, loaded[1]);
    EXPECT_EQ(0x1234, loaded[2]);
}

// Entries go in iteration order: buckets (hash % 17) in index order, the
// latest entry of a bucket first. Hashes are over unsigned bytes: "十" is in
// bucket 0, "表" shares bucket 11 with "q", "r" shares 12 with "a".
TEST(CollSerializeTest, MapStringToStringWritesEntriesInIterationOrder)
{
    CMapStringToString map;
    const char* entries[][2] = {{"a", "1"}, {"b", "2"}, {"r", "3"}, {"表", "4"},
                                {"q", "5"}, {"ab", "6"}, {"十", "7"}};
    for (auto& entry : entries)
        map.SetAt(entry[0], entry[1]);
    const std::string golden = Bytes({0x07, 0x00,
                                      0x02, 0x8F, 0x5C, 0x01, '7',
                                      0x02, 'a', 'b', 0x01, '6',
                                      0x01, 'q', 0x01, '5',
                                      0x02, 0x95, 0x5C, 0x01, '4',
                                      0x01, 'r', 0x01, '3',
                                      0x01, 'a', 0x01, '1',
                                      0x01, 'b', 0x01, '2'});
    EXPECT_EQ(golden, Store(map));

    CMapStringToString loaded;
    Load(loaded, golden);
    ASSERT_EQ(7, loaded.GetCount());
    for (auto& entry : entries) {
        CString value;
        EXPECT_TRUE(loaded.Lookup(entry[0], value)) << entry[0];
        EXPECT_STREQ(entry[1], value);
    }
}

TEST(CollSerializeTest, PointArrayWritesCoordinatesAsLongs)
{
    CArray<CPoint, CPoint> points;
    points.Add(CPoint(1, -1));
    points.Add(CPoint(0x12345678, 0));
    const std::string golden = Bytes({0x02, 0x00,
                                      0x01, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF,
                                      0x78, 0x56, 0x34, 0x12, 0x00, 0x00, 0x00, 0x00});
    EXPECT_EQ(golden, Store(points));

    CArray<CPoint, CPoint> loaded;
    Load(loaded, golden);
    ASSERT_EQ(2, loaded.GetSize());
    EXPECT_EQ(CPoint(1, -1), loaded[0]);
    EXPECT_EQ(CPoint(0x12345678, 0), loaded[1]);
}

// Elements that are framework objects go through their own Serialize,
// without class information.
TEST(CollSerializeTest, ArrayOfObjectsWritesEachObjectWithoutClass)
{
    CArray<CCollNumber, const CCollNumber&> numbers;
    numbers.SetSize(2);
    numbers[0].m_n = 7;
    numbers[1].m_n = -2;
    const std::string golden = Bytes({0x02, 0x00, 0x07, 0x00, 0x00, 0x00, 0xFE, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(golden, Store(numbers));

    CArray<CCollNumber, const CCollNumber&> loaded;
    Load(loaded, golden);
    ASSERT_EQ(2, loaded.GetSize());
    EXPECT_EQ(7, loaded[0].m_n);
    EXPECT_EQ(-2, loaded[1].m_n);
}

TEST(CollSerializeTest, StringAndDWordArraysRoundTrip)
{
    CStringArray strings;
    strings.Add("");
    strings.Add("十");
    strings.Add(CString('x', 300));
    CStringArray loadedStrings;
    Load(loadedStrings, Store(strings));
    ASSERT_EQ(3, loadedStrings.GetSize());
    for (int i = 0; i < 3; i++)
        EXPECT_STREQ(strings[i], loadedStrings[i]);

    CDWordArray dwords;
    dwords.Add(0xDEADBEEF);
    dwords.Add(0);
    EXPECT_EQ(Bytes({0x02, 0x00, 0xEF, 0xBE, 0xAD, 0xDE, 0x00, 0x00, 0x00, 0x00}), Store(dwords));
    CDWordArray loadedDWords;
    Load(loadedDWords, Store(dwords));
    ASSERT_EQ(2, loadedDWords.GetSize());
    EXPECT_EQ(0xDEADBEEFu, loadedDWords[0]);
    EXPECT_EQ(0u, loadedDWords[1]);
}

TEST(CollSerializeTest, ObjectMapsRoundTripWithClasses)
{
    CMapStringToOb byName;
    byName.SetAt("一", new CCollNumber(1));
    byName.SetAt("two", new CCollName("二"));
    CMapStringToOb loadedByName;
    Load(loadedByName, Store(byName));
    ASSERT_EQ(2, loadedByName.GetCount());
    CObject* value = NULL;
    ASSERT_TRUE(loadedByName.Lookup("一", value));
    ASSERT_TRUE(value->IsKindOf(RUNTIME_CLASS(CCollNumber)));
    EXPECT_EQ(1, static_cast<CCollNumber*>(value)->m_n);
    ASSERT_TRUE(loadedByName.Lookup("two", value));
    ASSERT_TRUE(value->IsKindOf(RUNTIME_CLASS(CCollName)));
    EXPECT_STREQ("二", static_cast<CCollName*>(value)->m_name);

    // Key 0x0110 goes before key 5 (same bucket 0, added later); the shared
    // object is written once and then referred to by its index.
    CCollNumber* shared = new CCollNumber(42);
    CMapWordToOb byWord;
    byWord.SetAt(5, shared);
    byWord.SetAt(0x0110, shared);
    const std::string golden = Bytes({0x02, 0x00, 0x10, 0x01,
                                      0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CCollNumber" +
                               Bytes({0x2A, 0x00, 0x00, 0x00,
                                      0x05, 0x00, 0x02, 0x00});
    EXPECT_EQ(golden, Store(byWord));
    CMapWordToOb loadedByWord;
    Load(loadedByWord, golden);
    CObject* first = NULL;
    CObject* second = NULL;
    ASSERT_TRUE(loadedByWord.Lookup(5, first));
    ASSERT_TRUE(loadedByWord.Lookup(0x0110, second));
    EXPECT_EQ(first, second);
    EXPECT_EQ(42, static_cast<CCollNumber*>(first)->m_n);

    for (CMapStringToOb* map : {&byName, &loadedByName}) {
        CString key;
        for (POSITION pos = map->GetStartPosition(); pos != NULL;) {
            map->GetNextAssoc(pos, key, value);
            delete value;
        }
    }
    delete shared;
    delete first;
}

// An element type with neither archive operators, Serialize nor a
// SerializeElements of its own has no stored form: its raw bytes (padding,
// members whose size follows the build) must not go into an archive.
struct CollRawPair
{
    LONG n;
    WORD w;
};

TEST(CollSerializeTest, ElementsWithoutAStoredFormAreRefused)
{
    CArray<CollRawPair, const CollRawPair&> pairs;
    pairs.Add(CollRawPair{1, 2});
    int cause = -1;
    try {
        Store(pairs);
    } catch (CArchiveException* e) {
        cause = e->m_cause;
        e->Delete();
    }
    EXPECT_EQ(CArchiveException::generic, cause);
    EXPECT_EQ(CArchiveException::generic, LoadFailure(pairs, Bytes({0x01, 0x00, 1, 0, 0, 0, 2, 0, 0, 0})));
}

// A list whose archive ends early: the elements read so far stay, and the
// archive's end-of-file exception comes out.
TEST(CollSerializeTest, TruncatedListThrowsEndOfFile)
{
    CStringList strings;
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadFailure(strings, Bytes({0x03, 0x00, 0x01, 'a', 0x02, 'b'})));
    EXPECT_EQ("a;", Join(strings));

    CObList objects;
    const std::string oneObjectOfTwo = Bytes({0x02, 0x00,
                                              0xFF, 0xFF, 0x01, 0x00, 0x0B, 0x00}) + "CCollNumber" +
                                       Bytes({0x07, 0x00, 0x00, 0x00, 0x01});
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(objects, oneObjectOfTwo));
    EXPECT_EQ(1, objects.GetCount());
    DeleteAll(objects);
}

// A count far beyond the archive's bytes fails at the end of the archive
// without first allocating the count, and leaves the array as it was.
TEST(CollSerializeTest, ArrayCountBeyondArchiveThrowsEndOfFile)
{
    CWordArray array;
    array.Add(7);
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadFailure(array, Bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F, 0x01, 0x00})));
    ASSERT_EQ(1, array.GetSize());
    EXPECT_EQ(7, array[0]);

    CArray<CPoint, CPoint> points;
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadFailure(points, Bytes({0x03, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00})));
    EXPECT_EQ(0, points.GetSize());
}

// The element templates store what the named collections store: CList of
// strings as a CStringList, CMap of words to strings in iteration order.
TEST(CollSerializeTest, TemplateCollectionsStoreTheirElements)
{
    CList<CString> names;
    names.AddTail("甲");
    names.AddTail("b");
    EXPECT_EQ(Bytes({2, 0, 2, 0x8D, 0x62, 1, 'b'}), Store(names));
    CList<CString> loaded;
    Load(loaded, Store(names));
    ASSERT_EQ(2, loaded.GetCount());
    EXPECT_STREQ("b", loaded.GetTail());
    EXPECT_TRUE(loaded.Find("甲") != NULL);

    CMap<WORD, WORD, CString, LPCSTR> labels;
    labels[2] = "二";
    labels[1] = "one";
    EXPECT_EQ(Bytes({2, 0, 1, 0, 3, 'o', 'n', 'e', 2, 0, 2, 0x93, 0xF1}), Store(labels));
    CMap<WORD, WORD, CString, LPCSTR> loadedLabels;
    Load(loadedLabels, Store(labels));
    CString label;
    EXPECT_TRUE(loadedLabels.Lookup(2, label));
    EXPECT_STREQ("二", label);
}

// CObArray stores objects with their classes, CByteArray the bytes.
TEST(CollSerializeTest, ObjectAndByteArrays)
{
    CObArray objects;
    CCollNumber seven(7);
    objects.Add(&seven);
    objects.Add(nullptr);
    const std::string stored = Store(objects);
    EXPECT_EQ(Bytes({2, 0, 0xFF, 0xFF, 1, 0, 11, 0, 'C', 'C', 'o', 'l', 'l', 'N', 'u', 'm', 'b', 'e', 'r', 7, 0, 0, 0,
                  0, 0}),
        stored);
    CObArray loaded;
    Load(loaded, stored);
    ASSERT_EQ(2, loaded.GetSize());
    ASSERT_TRUE(loaded[0]->IsKindOf(RUNTIME_CLASS(CCollNumber)));
    EXPECT_EQ(7, static_cast<CCollNumber*>(loaded[0])->m_n);
    EXPECT_EQ(nullptr, loaded[1]);
    delete loaded[0];

    CByteArray bytes;
    for (BYTE b : {0x00, 0x7F, 0xFF})
        bytes.Add(b);
    EXPECT_EQ(Bytes({3, 0, 0x00, 0x7F, 0xFF}), Store(bytes));
    CByteArray loadedBytes;
    Load(loadedBytes, Store(bytes));
    ASSERT_EQ(3, loadedBytes.GetSize());
    EXPECT_EQ(0xFF, loadedBytes[2]);
}

}  // namespace
