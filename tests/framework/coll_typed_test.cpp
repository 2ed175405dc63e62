// Typed pointer collections over the pointer and object collections, and
// the maps of pointers.
#include <gtest/gtest.h>

#include <string>

#include "afxcoll.h"
#include "afxtempl.h"

namespace {

class CTypedItem : public CObject
{
public:
    explicit CTypedItem(int n) : m_n(n) {}
    int m_n;
};

TEST(CollTypedTest, ListsHandOutTheirType)
{
    CTypedItem one(1);
    CTypedItem two(2);
    CTypedPtrList<CObList, CTypedItem*> objects;
    objects.AddTail(&one);
    objects.AddTail(&two);
    EXPECT_EQ(1, objects.GetHead()->m_n);
    EXPECT_EQ(2, objects.GetTail()->m_n);
    std::string order;
    for (POSITION pos = objects.GetHeadPosition(); pos != NULL;)
        order += std::to_string(objects.GetNext(pos)->m_n);
    EXPECT_EQ("12", order);
    objects.GetHead() = &two;   // a reference into the list
    EXPECT_EQ(&two, objects.RemoveHead());
    EXPECT_EQ(1, objects.GetCount());

    int values[] = {5, 6};
    CTypedPtrList<CPtrList, int*> pointers;
    pointers.AddHead(&values[1]);
    pointers.AddHead(&values[0]);
    EXPECT_EQ(5, *pointers.RemoveHead());
    EXPECT_EQ(6, *pointers.GetAt(pointers.GetHeadPosition()));
}

TEST(CollTypedTest, ArraysHandOutTheirType)
{
    CTypedItem one(1);
    CTypedItem two(2);
    CTypedPtrArray<CObArray, CTypedItem*> items;
    items.Add(&one);
    items.SetAtGrow(2, &two);
    ASSERT_EQ(3, items.GetSize());
    EXPECT_EQ(1, items[0]->m_n);
    EXPECT_EQ(nullptr, items.GetAt(1));
    items[1] = &two;
    EXPECT_EQ(2, items.ElementAt(1)->m_n);
}

TEST(CollTypedTest, MapsHandOutTheirType)
{
    CTypedItem one(1);
    CTypedPtrMap<CMapStringToOb, CString, CTypedItem*> byName;
    byName["一"] = &one;
    CTypedItem* pFound = nullptr;
    EXPECT_TRUE(byName.Lookup("一", pFound));
    EXPECT_EQ(&one, pFound);
    EXPECT_FALSE(byName.Lookup("二", pFound));
    CString key;
    POSITION pos = byName.GetStartPosition();
    byName.GetNextAssoc(pos, key, pFound);
    EXPECT_STREQ("一", key);
    EXPECT_EQ(1, pFound->m_n);
    EXPECT_EQ(nullptr, pos);

    int value = 9;
    CMapPtrToPtr pointers;
    pointers[&one] = &value;
    void* pValue = nullptr;
    EXPECT_TRUE(pointers.Lookup(&one, pValue));
    EXPECT_EQ(&value, pValue);
    EXPECT_FALSE(pointers.Lookup(&value, pValue));

    CMapStringToPtr byText;
    byText.SetAt("値", &value);
    EXPECT_TRUE(byText.Lookup("値", pValue));
    EXPECT_EQ(&value, pValue);
    EXPECT_TRUE(byText.RemoveKey("値"));
    EXPECT_TRUE(byText.IsEmpty());
}

}  // namespace
