#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "fields/base/fieldpool.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "npropobjstc.h"

namespace {

// Fields of three sizes made and deleted in turn keep their own contents:
// no two live fields share memory, and freed slots are taken again.
TEST(FieldPool, InterleavedFieldsKeepTheirContents)
{
    std::vector<std::unique_ptr<CNPropObj>> fields;
    auto make = [&fields](UINT nOrder) {
        CNPropObj* pField = nOrder % 3 == 0   ? static_cast<CNPropObj*>(new CNPropObjDoc)
                            : nOrder % 3 == 1 ? static_cast<CNPropObj*>(new CNPropObjEdt)
                                              : static_cast<CNPropObj*>(new CNPropObjStc);
        pField->m_nOrder = nOrder;
        pField->m_strData.Format("field %u", nOrder);
        fields.emplace_back(pField);
    };
    for (UINT n = 0; n < 2000; n++)
        make(n);
    for (size_t i = 0; i < fields.size(); i += 2)
        fields[i].reset();
    for (UINT n = 2000; n < 3000; n++)
        make(n);
    for (const auto& pField : fields) {
        if (pField == nullptr)
            continue;
        CString strExpected;
        strExpected.Format("field %u", pField->m_nOrder);
        EXPECT_EQ(strExpected, pField->m_strData);
    }
}

BOOL IsCommitted(const void* p)
{
    MEMORY_BASIC_INFORMATION info = {};
    return ::VirtualQuery(p, &info, sizeof info) == sizeof info && info.State == MEM_COMMIT;
}

// Once the last block of a size goes, its memory is back with the system
// but for one slab kept for the next.
TEST(FieldPool, EmptySlabsReturnToTheSystem)
{
    const size_t nSize = CFieldPool::LARGEST - 8;   // no field class is this large
    std::vector<void*> blocks;
    for (int i = 0; i < 1000; i++)
        blocks.push_back(CNPropObj::operator new(nSize));
    for (void* p : blocks)
        ASSERT_TRUE(IsCommitted(p));
    for (void* p : blocks)
        CNPropObj::operator delete(p, nSize);

    std::vector<ULONG_PTR> kept;
    for (void* p : blocks) {
        const ULONG_PTR slab = reinterpret_cast<ULONG_PTR>(p) & ~static_cast<ULONG_PTR>(0xFFFF);
        if (IsCommitted(p) && (kept.empty() || kept.back() != slab))
            kept.push_back(slab);
    }
    EXPECT_EQ(1u, kept.size());
    void* pAgain = CNPropObj::operator new(nSize);
    EXPECT_TRUE(IsCommitted(pAgain));
    CNPropObj::operator delete(pAgain, nSize);
}

}  // namespace
