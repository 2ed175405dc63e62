#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "afx.h"
#include "test_paths.h"

namespace {

typedef std::vector<BYTE> Bytes;

// Serializable classes of this program (another module than the framework).
class CArcPoint : public CObject
{
    DECLARE_SERIAL(CArcPoint)
public:
    CArcPoint() = default;
    explicit CArcPoint(LONG x) : m_x(x) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_x;
        else
            ar >> m_x;
    }
    LONG m_x = 0;
};
IMPLEMENT_SERIAL(CArcPoint, CObject, 1)

class CArcLabel : public CObject
{
    DECLARE_SERIAL(CArcLabel)
public:
    CArcLabel() = default;
    explicit CArcLabel(LPCSTR text) : m_text(text) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
    CString m_text;
};
IMPLEMENT_SERIAL(CArcLabel, CObject, 2)

// Reads objects of schema 1 (a WORD) and 2 (a WORD and a BYTE).
class CArcVersioned : public CObject
{
    DECLARE_SERIAL(CArcVersioned)
public:
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar << m_w << m_b;
            return;
        }
        m_loadedSchema = ar.GetObjectSchema();
        m_schemaAgain = ar.GetObjectSchema();
        ar >> m_w;
        if (m_loadedSchema >= 2)
            ar >> m_b;
    }
    WORD m_w = 0;
    BYTE m_b = 0;
    UINT m_loadedSchema = 0;
    UINT m_schemaAgain = 0;
};
IMPLEMENT_SERIAL(CArcVersioned, CObject, VERSIONABLE_SCHEMA | 2)

// Owns a point read with its class.
class CArcHolder : public CObject
{
    DECLARE_SERIAL(CArcHolder)
public:
    ~CArcHolder() override { delete m_pPoint; }
    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring())
            ar << m_pPoint;
        else
            m_pPoint = ar.ReadObject(RUNTIME_CLASS(CArcPoint));
    }
    CObject* m_pPoint = nullptr;
};
IMPLEMENT_SERIAL(CArcHolder, CObject, 1)

class CArcNotSerial : public CObject
{
    DECLARE_DYNCREATE(CArcNotSerial)
};
IMPLEMENT_DYNCREATE(CArcNotSerial, CObject)

Bytes FileBytes(CMemFile& file)
{
    Bytes bytes(file.GetLength());
    file.SeekToBegin();
    if (!bytes.empty())
        file.Read(bytes.data(), static_cast<UINT>(bytes.size()));
    return bytes;
}

// What an archive storing through `write` puts in its file.
Bytes Store(const std::function<void(CArchive&)>& write, int nBufSize = 4096, void* lpBuf = nullptr)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store, nBufSize, lpBuf);
        write(ar);
        ar.Close();
    }
    return FileBytes(file);
}

// Loads `bytes` through `read`.
void Load(const Bytes& bytes, const std::function<void(CArchive&)>& read, int nBufSize = 4096,
          void* lpBuf = nullptr)
{
    CMemFile file;
    file.Write(bytes.data(), static_cast<UINT>(bytes.size()));
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load, nBufSize, lpBuf);
    read(ar);
}

// The cause of the CArchiveException that loading throws, or -1 if none.
int LoadFailure(const Bytes& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        Load(bytes, read);
    } catch (CArchiveException* e) {
        const int cause = e->m_cause;
        e->Delete();
        return cause;
    }
    return -1;
}

Bytes Concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const char* text)
{
    return Bytes(text, text + std::strlen(text));
}

struct PrimitiveCase
{
    const char* name;
    std::function<void(CArchive&)> write;
    Bytes bytes;
    std::function<bool(CArchive&)> readBack;  // true if the value read is the one written
};

template <typename T>
std::function<bool(CArchive&)> ReadsBack(T expected)
{
    return [expected](CArchive& ar) {
        T value;
        ar >> value;
        return std::memcmp(&value, &expected, sizeof value) == 0;
    };
}

TEST(ArchiveTest, PrimitivesAreLittleEndian)
{
    const PrimitiveCase cases[] = {
        {"BYTE", [](CArchive& ar) { ar << static_cast<BYTE>(0xA5); }, {0xA5}, ReadsBack<BYTE>(0xA5)},
        {"WORD", [](CArchive& ar) { ar << static_cast<WORD>(0x1234); }, {0x34, 0x12}, ReadsBack<WORD>(0x1234)},
        {"LONG", [](CArchive& ar) { ar << static_cast<LONG>(-2); }, {0xFE, 0xFF, 0xFF, 0xFF}, ReadsBack<LONG>(-2)},
        {"DWORD", [](CArchive& ar) { ar << static_cast<DWORD>(0x89ABCDEF); }, {0xEF, 0xCD, 0xAB, 0x89},
         ReadsBack<DWORD>(0x89ABCDEF)},
        {"float", [](CArchive& ar) { ar << 1.5f; }, {0x00, 0x00, 0xC0, 0x3F}, ReadsBack<float>(1.5f)},
        {"double", [](CArchive& ar) { ar << -2.5; }, {0, 0, 0, 0, 0, 0, 0x04, 0xC0}, ReadsBack<double>(-2.5)},
        {"int", [](CArchive& ar) { ar << -300; }, {0xD4, 0xFE, 0xFF, 0xFF}, ReadsBack<int>(-300)},
        {"short", [](CArchive& ar) { ar << static_cast<short>(-2); }, {0xFE, 0xFF}, ReadsBack<short>(-2)},
        {"char", [](CArchive& ar) { ar << 'A'; }, {0x41}, ReadsBack<char>('A')},
        {"unsigned", [](CArchive& ar) { ar << 0x01020304u; }, {0x04, 0x03, 0x02, 0x01},
         ReadsBack<unsigned>(0x01020304u)},
    };
    for (const PrimitiveCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.bytes, Store(c.write));
        bool same = false;
        Load(c.bytes, [&](CArchive& ar) { same = c.readBack(ar); });
        EXPECT_TRUE(same);
    }
}

TEST(ArchiveTest, StringLengthPrefixes)
{
    struct Case
    {
        int length;
        Bytes prefix;
    };
    const Case cases[] = {
        {0, {0x00}},
        {1, {0x01}},
        {254, {0xFE}},
        {255, {0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
        {0xFFFF, {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {200000, {0xFF, 0xFF, 0xFF, 0x40, 0x0D, 0x03, 0x00}},   // read in several pieces
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        CString text;
        for (int i = 0; i < c.length; ++i)
            text += static_cast<char>('a' + i % 26);
        const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
        ASSERT_EQ(c.prefix.size() + c.length, bytes.size());
        EXPECT_EQ(c.prefix, Bytes(bytes.begin(), bytes.begin() + c.prefix.size()));
        EXPECT_EQ(0, std::memcmp(bytes.data() + c.prefix.size(), static_cast<LPCSTR>(text), c.length));
        CString loaded("not loaded");
        Load(bytes, [&](CArchive& ar) { ar >> loaded; });
        EXPECT_TRUE(loaded == text);
    }
}

TEST(ArchiveTest, ShiftJisStringKeepsItsBytes)
{
    const CString text = "表十";
    const Bytes bytes = Store([&](CArchive& ar) { ar << text; });
    EXPECT_EQ((Bytes{0x04, 0x95, 0x5C, 0x8F, 0x5C}), bytes);
}

TEST(ArchiveTest, Counts)
{
    struct Case
    {
        DWORD count;
        Bytes bytes;
    };
    const Case cases[] = {
        {0, {0x00, 0x00}},
        {65534, {0xFE, 0xFF}},
        {65535, {0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00}},
        {0x12345678, {0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(c.bytes, Store([&](CArchive& ar) { ar.WriteCount(c.count); }));
        DWORD count = 0;
        Load(c.bytes, [&](CArchive& ar) { count = ar.ReadCount(); });
        EXPECT_EQ(c.count, count);
    }
}

// Three objects of two classes, a null, then two of them again.
const Bytes kObjectList = Concat({
    {0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArcPoint"), {0x07, 0x00, 0x00, 0x00},  // class 1, object 2
    {0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00}, Text("CArcLabel"), {0x02}, Text("ab"),        // class 3, object 4
    {0x01, 0x80}, {0xF7, 0xFF, 0xFF, 0xFF},                                            // class 1, object 5
    {0x00, 0x00},                                                                      // null
    {0x02, 0x00},                                                                      // object 2
    {0x04, 0x00},                                                                      // object 4
});

TEST(ArchiveTest, ObjectsWithClassAndObjectIndexes)
{
    CArcPoint first(7);
    CArcLabel label("ab");
    CArcPoint second(-9);
    const CObject* const list[] = {&first, &label, &second, nullptr, &first, &label};
    const Bytes bytes = Store([&](CArchive& ar) {
        for (const CObject* pOb : list)
            ar.WriteObject(pOb);
    });
    EXPECT_EQ(kObjectList, bytes);

    std::vector<CObject*> loaded;
    Load(bytes, [&](CArchive& ar) {
        for (size_t i = 0; i < ARRAYSIZE(list); ++i)
            loaded.push_back(ar.ReadObject(nullptr));
    });
    ASSERT_EQ(6u, loaded.size());
    ASSERT_TRUE(loaded[0] != nullptr && loaded[0]->IsKindOf(RUNTIME_CLASS(CArcPoint)));
    ASSERT_TRUE(loaded[1] != nullptr && loaded[1]->IsKindOf(RUNTIME_CLASS(CArcLabel)));
    ASSERT_TRUE(loaded[2] != nullptr && loaded[2]->IsKindOf(RUNTIME_CLASS(CArcPoint)));
    EXPECT_EQ(7, static_cast<CArcPoint*>(loaded[0])->m_x);
    EXPECT_STREQ("ab", static_cast<CArcLabel*>(loaded[1])->m_text);
    EXPECT_EQ(-9, static_cast<CArcPoint*>(loaded[2])->m_x);
    EXPECT_EQ(nullptr, loaded[3]);
    EXPECT_EQ(loaded[0], loaded[4]);
    EXPECT_EQ(loaded[1], loaded[5]);
    for (int i = 0; i < 3; ++i)
        delete loaded[i];
}

TEST(ArchiveTest, TypedExtractionChecksTheClass)
{
    CArcPoint point(1);
    const Bytes bytes = Store([&](CArchive& ar) { ar << &point << &point; });
    CArcPoint* pPoint = nullptr;
    Load(bytes, [&](CArchive& ar) { ar >> pPoint; });
    ASSERT_NE(nullptr, pPoint);
    EXPECT_EQ(1, pPoint->m_x);
    delete pPoint;

    // A new object and a reference to one, each of another class than asked for.
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(bytes, [](CArchive& ar) {
                  CArcLabel* pLabel = nullptr;
                  ar >> pLabel;
              }));
    std::vector<CObject*> loaded;
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(bytes, [&](CArchive& ar) {
                  loaded.push_back(ar.ReadObject(RUNTIME_CLASS(CArcPoint)));
                  loaded.push_back(ar.ReadObject(RUNTIME_CLASS(CArcLabel)));
              }));
    ASSERT_EQ(1u, loaded.size());
    delete loaded[0];
}

TEST(ArchiveTest, ClassRecordsWithSchema)
{
    const Bytes expected = Concat({{0xFF, 0xFF, 0x02, 0x00, 0x0D, 0x00}, Text("CArcVersioned"), {0x01, 0x80}});
    EXPECT_EQ(expected, Store([](CArchive& ar) {
                  ar.WriteClass(RUNTIME_CLASS(CArcVersioned));
                  ar.SerializeClass(RUNTIME_CLASS(CArcVersioned));
              }));

    CRuntimeClass* pFirst = nullptr;
    UINT firstSchema = 0;
    UINT secondSchema = 0;
    Load(expected, [&](CArchive& ar) {
        pFirst = ar.ReadClass(nullptr, &firstSchema);
        ar.SerializeClass(RUNTIME_CLASS(CArcVersioned));
        secondSchema = ar.GetObjectSchema();
    });
    EXPECT_EQ(RUNTIME_CLASS(CArcVersioned), pFirst);
    EXPECT_EQ(2u, firstSchema);
    EXPECT_EQ(2u, secondSchema);
}

TEST(ArchiveTest, VersionableClassLoadsOlderSchema)
{
    const Bytes older = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0D, 0x00}, Text("CArcVersioned"), {0x34, 0x12}});
    CArcVersioned* pOb = nullptr;
    Load(older, [&](CArchive& ar) { ar >> pOb; });
    ASSERT_NE(nullptr, pOb);
    EXPECT_EQ(1u, pOb->m_loadedSchema);
    EXPECT_EQ(static_cast<UINT>(-1), pOb->m_schemaAgain);
    EXPECT_EQ(0x1234, pOb->m_w);
    delete pOb;

    CArcVersioned current;
    current.m_w = 5;
    current.m_b = 6;
    const Bytes bytes = Store([&](CArchive& ar) { ar << &current; });
    EXPECT_EQ(Concat({{0xFF, 0xFF, 0x02, 0x00, 0x0D, 0x00}, Text("CArcVersioned"), {0x05, 0x00, 0x06}}), bytes);
}

TEST(ArchiveTest, LoadRejectsBadData)
{
    struct Case
    {
        const char* name;
        Bytes bytes;
        int cause;
    };
    const Case cases[] = {
        {"other schema", Concat({{0xFF, 0xFF, 0x07, 0x00, 0x09, 0x00}, Text("CArcPoint"), {0, 0, 0, 0}}),
         CArchiveException::badSchema},
        {"unknown class", Concat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArcOther"), {0, 0, 0, 0}}),
         CArchiveException::badClass},
        {"class that is not serial", Concat({{0xFF, 0xFF, 0xFF, 0xFF, 0x0D, 0x00}, Text("CArcNotSerial")}),
         CArchiveException::badClass},
        {"name with a zero byte", Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00}, Text("CArcPoint"), {0, 0, 0, 0, 0}}),
         CArchiveException::badClass},
        {"object never loaded", {0x05, 0x00}, CArchiveException::badIndex},
        {"class never loaded", {0x01, 0x80}, CArchiveException::badIndex},
        {"class index zero", {0x00, 0x80}, CArchiveException::badIndex},
        {"big object index never loaded", {0xFF, 0x7F, 0x00, 0x90, 0x00, 0x00}, CArchiveException::badIndex},
        {"object index naming a class",
         Concat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArcPoint"), {0, 0, 0, 0}, {0x01, 0x00}}),
         CArchiveException::badIndex},
        {"class index naming an object",
         Concat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArcPoint"), {0, 0, 0, 0}, {0x02, 0x80}}),
         CArchiveException::badIndex},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<CObject*> loaded;
        EXPECT_EQ(c.cause, LoadFailure(c.bytes, [&](CArchive& ar) {
                      for (;;)
                          loaded.push_back(ar.ReadObject(nullptr));
                  }));
        for (CObject* pOb : loaded)
            delete pOb;
    }
}

// A holder whose point has another class is deleted by ReadObject; a later
// reference to the holder must not hand out the deleted object.
TEST(ArchiveTest, ObjectWhoseLoadFailedCannotBeReferenced)
{
    const Bytes bytes = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00}, Text("CArcHolder"),
                                {0xFF, 0xFF, 0x02, 0x00, 0x09, 0x00}, Text("CArcLabel"), {0x02, 0x00}});
    int firstCause = -1;
    EXPECT_EQ(CArchiveException::badIndex, LoadFailure(bytes, [&](CArchive& ar) {
                  try {
                      delete ar.ReadObject(nullptr);
                  } catch (CArchiveException* e) {
                      firstCause = e->m_cause;
                      e->Delete();
                  }
                  delete ar.ReadObject(nullptr);
              }));
    EXPECT_EQ(CArchiveException::badClass, firstCause);
}

TEST(ArchiveTest, TruncatedArchiveThrowsEndOfFile)
{
    // Every proper prefix of the object list, read as the whole list.
    for (size_t length = 0; length < kObjectList.size(); ++length) {
        SCOPED_TRACE(length);
        std::set<CObject*> loaded;
        EXPECT_EQ(CArchiveException::endOfFile,
                  LoadFailure(Bytes(kObjectList.begin(), kObjectList.begin() + length), [&](CArchive& ar) {
                      for (int i = 0; i < 6; ++i)
                          loaded.insert(ar.ReadObject(nullptr));
                  }));
        loaded.erase(nullptr);
        for (CObject* pOb : loaded)
            delete pOb;
    }
}

TEST(ArchiveTest, TruncatedValuesThrowEndOfFile)
{
    const std::function<void(CArchive&)> readers[] = {
        [](CArchive& ar) { BYTE b; ar >> b; },
        [](CArchive& ar) { double d; ar >> d; },
        [](CArchive& ar) { ar.ReadCount(); },
        [](CArchive& ar) { CString s; ar >> s; },
    };
    const Bytes shortData[] = {{}, {1, 2, 3, 4, 5, 6, 7}, {0xFF, 0xFF, 0x01}, {0xFF, 0x2C, 0x01, 'a', 'b'}};
    for (size_t i = 0; i < ARRAYSIZE(readers); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(shortData[i], readers[i]));
    }
    // A length far beyond the data fails at the data, without allocating it.
    EXPECT_EQ(CArchiveException::endOfFile,
              LoadFailure({0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0x7F, 'a'}, readers[3]));
}

TEST(ArchiveTest, BigIndexesUseTheEscape)
{
    // Objects mapped beforehand take indexes 1 to 0x7FFE; the class of the
    // object then gets 0x7FFF and the object 0x8000.
    std::vector<CArcPoint> mapped(0x7FFE);
    CArcPoint point(3);
    const Bytes bytes = Store([&](CArchive& ar) {
        for (const CArcPoint& ob : mapped)
            ar.MapObject(&ob);
        ar << &point << &point;
        ar.WriteClass(RUNTIME_CLASS(CArcPoint));
    });
    const Bytes expected = Concat({{0xFF, 0xFF, 0x01, 0x00, 0x09, 0x00}, Text("CArcPoint"), {0x03, 0x00, 0x00, 0x00},
                                   {0xFF, 0x7F, 0x00, 0x80, 0x00, 0x00},
                                   {0xFF, 0x7F, 0xFF, 0x7F, 0x00, 0x80}});
    EXPECT_EQ(expected, bytes);

    CObject* pFirst = nullptr;
    CObject* pAgain = nullptr;
    CObject* pMapped = nullptr;
    CRuntimeClass* pClass = nullptr;
    Load(Concat({bytes, {0x10, 0x00}}), [&](CArchive& ar) {
        for (CArcPoint& ob : mapped)
            ar.MapObject(&ob);
        pFirst = ar.ReadObject(RUNTIME_CLASS(CArcPoint));
        pAgain = ar.ReadObject(RUNTIME_CLASS(CArcPoint));
        pClass = ar.ReadClass(RUNTIME_CLASS(CArcPoint));
        pMapped = ar.ReadObject(nullptr);
    });
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(3, static_cast<CArcPoint*>(pFirst)->m_x);
    EXPECT_EQ(pFirst, pAgain);
    EXPECT_EQ(RUNTIME_CLASS(CArcPoint), pClass);
    EXPECT_EQ(&mapped[0x0F], pMapped);
    delete pFirst;
}

TEST(ArchiveTest, TinyBuffersGiveTheSameBytes)
{
    const auto write = [](CArchive& ar) {
        ar << 1.25 << static_cast<DWORD>(0xDEADBEEF) << CString("表十表十表十") << static_cast<WORD>(7);
        BYTE raw[10] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        ar.Write(raw, sizeof raw);
    };
    const Bytes expected = Store(write);
    BYTE storeBuffer[3];
    EXPECT_EQ(expected, Store(write, sizeof storeBuffer, storeBuffer));

    BYTE loadBuffer[5];
    double d = 0;
    DWORD dw = 0;
    CString s;
    WORD w = 0;
    BYTE raw[11] = {};
    UINT nRaw = 0;
    Load(expected, [&](CArchive& ar) {
        ar >> d >> dw >> s >> w;
        nRaw = ar.Read(raw, sizeof raw);
    }, sizeof loadBuffer, loadBuffer);
    EXPECT_EQ(1.25, d);
    EXPECT_EQ(0xDEADBEEFu, dw);
    EXPECT_STREQ("表十表十表十", s);
    EXPECT_EQ(7, w);
    EXPECT_EQ(10u, nRaw);
    EXPECT_EQ(10, raw[9]);
}

TEST(ArchiveTest, LoadingFlushLeavesTheFileAfterWhatWasRead)
{
    CMemFile file;
    const BYTE data[] = {1, 2, 3, 4, 5, 6};
    file.Write(data, sizeof data);
    file.SeekToBegin();
    WORD w = 0;
    {
        CArchive ar(&file, CArchive::load);
        ar >> w;
        ar.Close();
    }
    EXPECT_EQ(0x0201, w);
    EXPECT_EQ(2u, file.GetPosition());
}

// Loading, the buffer empties when the bytes read so far are consumed;
// with a buffer smaller than the file it empties before the file ends.
TEST(ArchiveTest, BufferEmptyOnceWhatWasReadIsConsumed)
{
    const Bytes data = {1, 2, 3, 4, 5, 6};
    std::vector<bool> emptyAfter;
    for (const UINT nBuffer : {64u, 4u}) {
        std::vector<BYTE> buffer(nBuffer);
        Load(data, [&](CArchive& ar) {
            emptyAfter.push_back(ar.IsBufferEmpty() != FALSE);
            for (int i = 0; i < 3; ++i) {
                WORD w = 0;
                ar >> w;
                emptyAfter.push_back(ar.IsBufferEmpty() != FALSE);
            }
        }, nBuffer, buffer.data());
    }
    const std::vector<bool> expected = {true, false, false, true, true, false, true, true};
    EXPECT_EQ(expected, emptyAfter);

    CMemFile file;
    CArchive ar(&file, CArchive::store);
    EXPECT_TRUE(ar.IsBufferEmpty());
    ar << static_cast<BYTE>(1);
    EXPECT_FALSE(ar.IsBufferEmpty());
    ar.Flush();
    EXPECT_TRUE(ar.IsBufferEmpty());
    ar.Close();
}

// The end of the data is the file's end, also after a read so large that
// it bypassed the buffer: a body of whole buffers followed by one more
// byte is not at its end, though its buffer is empty.
TEST(ArchiveTest, EndOfDataIsTheEndOfTheFileNotOfTheBuffer)
{
    const struct
    {
        UINT nBody;
        UINT nRead;
        bool bTrailer;
        bool bEnd;
    } cases[] = {
        {8192, 8192, false, true},
        {8192, 8192, true, false},
        {4096, 4096, true, false},
        {10, 10, true, false},
        {10, 10, false, true},
        {10, 4, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBody << " " << c.nRead << " " << c.bTrailer);
        Bytes bytes(c.nBody, 7);
        if (c.bTrailer)
            bytes.push_back('1');
        Load(bytes, [&](CArchive& ar) {
            Bytes body(c.nRead);
            ASSERT_EQ(c.nRead, ar.Read(body.data(), c.nRead));
            EXPECT_EQ(c.bEnd, ar.IsEndOfData() != FALSE);
            if (c.bTrailer && c.nRead == c.nBody) {
                BYTE byVersion = 0;
                ar >> byVersion;
                EXPECT_EQ('1', byVersion);
                EXPECT_TRUE(ar.IsEndOfData());
            }
        });
    }
}

TEST(ArchiveTest, DestructorFlushesUnlessToldNotTo)
{
    CMemFile flushed;
    {
        CArchive ar(&flushed, CArchive::store);
        ar << static_cast<WORD>(1);
    }
    EXPECT_EQ(2u, flushed.GetLength());

    CMemFile unflushed;
    {
        CArchive ar(&unflushed, CArchive::store | CArchive::bNoFlushOnDelete);
        ar << static_cast<WORD>(1);
    }
    EXPECT_EQ(0u, unflushed.GetLength());
}

// Saves a value in its destructor, as objects that store themselves at the
// end of a scope do.
struct CSaveAtExit
{
    CMemFile* pFile;
    ~CSaveAtExit()
    {
        CArchive ar(pFile, CArchive::store);
        ar << static_cast<DWORD>(7);
    }
};

TEST(ArchiveTest, DestructorNeverThrowsCloseDoes)
{
    BYTE buffer[2];
    {
        CMemFile full(buffer, sizeof buffer);   // a fixed buffer: full at 2 bytes
        CArchive ar(&full, CArchive::store);
        ar << static_cast<DWORD>(1);
        try {
            ar.Close();
            ADD_FAILURE() << "Close reported no error";
        } catch (CFileException* e) {
            EXPECT_EQ(CFileException::diskFull, e->m_cause);
            e->Delete();
        }
    }
    CMemFile full(buffer, sizeof buffer);
    EXPECT_NO_THROW({
        CArchive ar(&full, CArchive::store);
        ar << static_cast<DWORD>(1);
    });

    // The archive is made and closed while another exception unwinds: the
    // failing close must not end the program, and the exception that
    // arrives is the one thrown, not one of the close.
    std::string what;
    try {
        CSaveAtExit save{&full};
        throw std::runtime_error("first");
    } catch (const std::exception& e) {
        what = e.what();
    }
    EXPECT_EQ("first", what);
}

TEST(ArchiveTest, WrongDirectionThrows)
{
    CMemFile file;
    try {
        CArchive ar(&file, CArchive::load);
        ar << static_cast<BYTE>(1);
        ADD_FAILURE() << "stored into a loading archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::readOnly, e->m_cause);
        e->Delete();
    }
    try {
        CArchive ar(&file, CArchive::store);
        BYTE b;
        ar >> b;
        ADD_FAILURE() << "loaded from a storing archive";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::writeOnly, e->m_cause);
        e->Delete();
    }
}

TEST(ArchiveTest, ObjectsOfClassesThatAreNotSerialCannotBeStored)
{
    CArcNotSerial ob;
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    try {
        ar << &ob;
        ADD_FAILURE() << "stored an object that is not serializable";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::badClass, e->m_cause);
        e->Delete();
    }
    ar.Abort();
}

TEST(ArchiveTest, TextLines)
{
    const Bytes bytes = Store([](CArchive& ar) {
        ar.WriteString("first\r\n");
        ar.WriteString("表\n\n");
        ar.WriteString("last");
    });
    EXPECT_EQ(Text("first\r\n表\n\nlast"), bytes);

    std::vector<std::string> lines;
    BOOL atEnd = TRUE;
    Load(bytes, [&](CArchive& ar) {
        CString line;
        while (ar.ReadString(line))
            lines.push_back(static_cast<LPCSTR>(line));
        atEnd = line.IsEmpty();
    });
    EXPECT_EQ((std::vector<std::string>{"first", "表", "", "last"}), lines);
    EXPECT_TRUE(atEnd);
    // Lines longer than the archive's buffer, "\r\n" across its edge.
    const std::string longLine(127, 'x');
    const Bytes longBytes = Text((longLine + "\r\n" + std::string(300, 'y') + "\r\nz").c_str());
    lines.clear();
    Load(
        longBytes,
        [&](CArchive& ar) {
            CString line;
            while (ar.ReadString(line))
                lines.push_back(static_cast<LPCSTR>(line));
        },
        128);
    EXPECT_EQ((std::vector<std::string>{longLine, std::string(300, 'y'), "z"}), lines);
}

TEST(ArchiveTest, ArchiveOverDiskFile)
{
    // An archive uses the file's own path in its exceptions.
    const CString path = CString(FreshTestFolder().c_str()) + "\\data.bin";
    {
        CFile file(path, CFile::modeCreate | CFile::modeWrite);
        CArchive ar(&file, CArchive::store);
        ar << CString("abc") << static_cast<LONG>(42);
        ar.Close();
        file.Close();
    }
    CFile file(path, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    CString text;
    LONG value = 0;
    ar >> text >> value;
    EXPECT_STREQ("abc", text);
    EXPECT_EQ(42, value);
    try {
        ar >> value;
        ADD_FAILURE() << "read past the end";
    } catch (CArchiveException* e) {
        EXPECT_EQ(CArchiveException::endOfFile, e->m_cause);
        EXPECT_TRUE(e->m_strFileName == path);
        e->Delete();
    }
}

}  // namespace
