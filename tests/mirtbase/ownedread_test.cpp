#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "defaultprtdef.h"
#include "field_fixture.h"
#include "linedef.h"
#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "nmirtlayoutdata.h"
#include "ownedread.h"
#include "propdata.h"
#include "strel95data.h"

namespace {

// Live objects of the counted classes below.
int g_nLive = 0;

struct LiveCount
{
    LiveCount() { g_nLive++; }
    LiveCount(const LiveCount&) { g_nLive++; }
    LiveCount& operator=(const LiveCount&) = default;
    ~LiveCount() { g_nLive--; }
};

// Keeps the schema that its load is given.
class COwnedField : public CTestGroup
{
    DECLARE_SERIAL(COwnedField)
public:
    COwnedField() = default;
    explicit COwnedField(UINT nOrder) : CTestGroup(MakeBlock(nOrder, {1, 2, 3, 4})) {}
    void Serialize(CArchive& ar) override
    {
        if (ar.IsLoading())
            m_nSchema = ar.GetObjectSchema();
        CTestGroup::Serialize(ar);
    }
    UINT m_nSchema = 0;

private:
    LiveCount m_live;
};
IMPLEMENT_SERIAL(COwnedField, CTestGroup, VERSIONABLE_SCHEMA | 2)

class COwnedLine : public CLineDef
{
    DECLARE_SERIAL(COwnedLine)
    LiveCount m_live;
};
IMPLEMENT_SERIAL(COwnedLine, CLineDef, 1)

class COwnedContainer : public CStrel95Data
{
    DECLARE_SERIAL(COwnedContainer)
    LiveCount m_live;
};
IMPLEMENT_SERIAL(COwnedContainer, CStrel95Data, 1)

std::string W(WORD w)
{
    return Bytes({w & 0xFF, w >> 8});
}

std::string Dw(DWORD dw)
{
    return W(static_cast<WORD>(dw & 0xFFFF)) + W(static_cast<WORD>(dw >> 16));
}

std::string NewClass(const std::string& name, WORD wSchema = 1)
{
    return W(0xFFFF) + W(wSchema) + W(static_cast<WORD>(name.size())) + name;
}

std::string FieldBody(UINT nOrder)
{
    COwnedField field(nOrder);
    return Store(field);
}

template <class T>
std::string BodyOf()
{
    T object;
    return Store(object);
}

// Loads a new T from the archive; the T goes when the load fails.
template <class T>
void LoadNew(CArchive& ar)
{
    T object;
    object.Serialize(ar);
}

class OwnedReadTest : public testing::Test
{
protected:
    void TearDown() override { EXPECT_EQ(0, g_nLive) << "objects leaked"; }
};

TEST_F(OwnedReadTest, ReadsTheBytesOfReadObjectAndMapsTheSameIndexes)
{
    COwnedField first(1);
    COwnedField second(2);
    CObList stored;
    stored.AddTail(&first);
    stored.AddTail(&second);
    const std::string bytes = StoreWith([&](CArchive& ar) {
        stored.Serialize(ar);
        ar << static_cast<CObject*>(&second);
    });

    CObList loaded;
    CObject* pReferenced = nullptr;
    EXPECT_EQ("", LoadWith(bytes, [&](CArchive& ar) {
                  MirtReadOwnedList(ar, loaded, RUNTIME_CLASS(CNPropObj));
                  pReferenced = ar.ReadObject(nullptr);
              }));
    ASSERT_EQ(2, loaded.GetCount());
    EXPECT_EQ(loaded.GetTail(), pReferenced);
    EXPECT_EQ(2u, static_cast<CNPropObj*>(loaded.GetTail())->m_nOrder);
    EXPECT_EQ(bytes, StoreWith([&](CArchive& ar) {
                  loaded.Serialize(ar);
                  ar << pReferenced;
              }));
    MirtDeleteOwnedList(loaded);
    EXPECT_TRUE(loaded.IsEmpty());
}

TEST_F(OwnedReadTest, ObjectGetsItsStoredSchemaOnce)
{
    CObject* pObject = nullptr;
    UINT nSchemaAfter = 0;
    LoadWith(NewClass("COwnedField", 1) + FieldBody(1), [&](CArchive& ar) {
        pObject = MirtReadOwnedObject(ar, RUNTIME_CLASS(CNPropObj));
        nSchemaAfter = ar.GetObjectSchema();
    });
    ASSERT_NE(nullptr, pObject);
    EXPECT_EQ(1u, static_cast<COwnedField*>(pObject)->m_nSchema);
    EXPECT_EQ(static_cast<UINT>(-1), nSchemaAfter);
    delete pObject;
}

// A list already holding one field reads a damaged list: it keeps its own
// field and nothing read is left alive.
TEST_F(OwnedReadTest, DamagedListsLeaveTheListAsItWas)
{
    const std::string field = NewClass("COwnedField") + FieldBody(1);
    // Indexes: class COwnedField 1, first field 2.
    const struct
    {
        const char* what;
        std::string bytes;
        int nCause;
    } cases[] = {
        {"null element", W(2) + field + W(0), CArchiveException::badClass},
        {"not a field", W(2) + field + NewClass("CStringList", 0) + W(0), CArchiveException::badClass},
        {"the same field twice", W(2) + field + W(2), CArchiveException::badIndex},
        {"a class index as an element", W(2) + field + W(1), CArchiveException::badIndex},
        {"element cut short", W(2) + field + W(0x8001) + FieldBody(2).substr(0, 9), CArchiveException::endOfFile},
        {"count beyond the elements", W(3) + field + W(0x8001) + FieldBody(2), CArchiveException::endOfFile},
    };
    for (const auto& c : cases) {
        CObList list;
        COwnedField own(9);
        list.AddTail(&own);
        EXPECT_EQ(c.nCause, LoadFailureWith(c.bytes, [&](CArchive& ar) {
                      MirtReadOwnedList(ar, list, RUNTIME_CLASS(CNPropObj));
                  })) << c.what;
        ASSERT_EQ(1, list.GetCount()) << c.what;
        EXPECT_EQ(&own, list.GetHead()) << c.what;
        EXPECT_EQ(1, g_nLive) << c.what;
    }
}

// The blob of a page: layout header, then the face lists.
void LoadBlob(const std::string& blob)
{
    HGLOBAL hBlob = ::GlobalAlloc(GMEM_MOVEABLE, blob.size());
    ASSERT_NE(nullptr, hBlob);
    std::memcpy(::GlobalLock(hBlob), blob.data(), blob.size());
    ::GlobalUnlock(hBlob);
    tagNMIRTDOC record;
    record.hBlob = hBlob;
    record.dwBlobSize = static_cast<DWORD>(blob.size());
    CNMirtDoc page;
    page.SetMIRTDOC(&record, 0);
}

// Every owning list of the form model refuses an object met before, a null
// and anything of another class, and frees what it read.
TEST_F(OwnedReadTest, OwningListsRefuseObjectsMetBefore)
{
    const std::string layoutHead = StoreWith([](CArchive& ar) { CNMirtLayoutData().SerializeWithoutTemplates(ar); });
    const std::string field = NewClass("COwnedField") + FieldBody(1);
    const std::string face = NewClass("CPropData") + Dw(1) + Dw(1);
    // Blob indexes: class CPropData 1, face 2, class COwnedField 3, field 4.
    const std::string firstFace = face + W(1) + field;
    const std::string nextFace = W(0x8001) + Dw(1) + Dw(2);
    const std::string noItems = W(0) + W(0);
    const std::string definitionHead = BodyOf<CDefaultPrtDef>();
    ASSERT_EQ(noItems, definitionHead.substr(definitionHead.size() - noItems.size()));
    const std::string itemsHead = definitionHead.substr(0, definitionHead.size() - noItems.size());
    const std::string line = NewClass("COwnedLine") + BodyOf<COwnedLine>();
    const std::string container = NewClass("COwnedContainer") + BodyOf<COwnedContainer>();

    const auto blob = [&](const std::string& faces) {
        const std::string bytes = layoutHead + faces;
        return [bytes](CArchive&) { LoadBlob(bytes); };
    };
    const struct
    {
        const char* what;
        std::string bytes;  // for the loads that read the archive
        std::function<void(CArchive&)> load;
        int nCause;
    } cases[] = {
        {"a field of an earlier face", "", blob(W(2) + firstFace + nextFace + W(1) + W(4)),
         CArchiveException::badIndex},
        {"a field of an earlier face, then a null", "", blob(W(2) + firstFace + nextFace + W(2) + W(4) + W(0)),
         CArchiveException::badIndex},
        {"the same face twice", "", blob(W(2) + firstFace + W(2)), CArchiveException::badIndex},
        {"a face as its own field", "", blob(W(1) + face + W(1) + W(2)), CArchiveException::badIndex},
        {"a null face", "", blob(W(1) + W(0)), CArchiveException::badClass},
        {"a null field", "", blob(W(1) + face + W(2) + field + W(0)), CArchiveException::badClass},
        {"a field twice in a face", Dw(1) + Dw(1) + W(2) + field + W(2), LoadNew<CPropData>,
         CArchiveException::badIndex},
        {"a template field in both lists", layoutHead + W(1) + field + W(1) + W(2), LoadNew<CNMirtLayoutData>,
         CArchiveException::badIndex},
        {"a null template", layoutHead + W(1) + field + W(1) + W(0), LoadNew<CNMirtLayoutData>,
         CArchiveException::badClass},
        {"an item in both lists", itemsHead + W(1) + line + W(1) + W(2), LoadNew<CDefaultPrtDef>,
         CArchiveException::badIndex},
        {"a container listed twice", W(2) + container + W(2), LoadNew<CMirtFileIO>, CArchiveException::badIndex},
        {"a null container", W(1) + W(0), LoadNew<CMirtFileIO>, CArchiveException::badClass},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.nCause, LoadFailureWith(c.bytes, c.load)) << c.what;
        EXPECT_EQ(0, g_nLive) << c.what;
    }
}

}  // namespace
