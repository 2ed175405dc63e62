#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afxcoll.h"

namespace {

// The elements read forwards, after checking that reading backwards, the
// head, the tail and the count agree with them.
std::string Contents(const CStringList& list)
{
    std::vector<std::string> forward;
    std::vector<std::string> backward;
    for (POSITION pos = list.GetHeadPosition(); pos != NULL;)
        forward.push_back(std::string(list.GetNext(pos)));
    for (POSITION pos = list.GetTailPosition(); pos != NULL;)
        backward.insert(backward.begin(), std::string(list.GetPrev(pos)));
    EXPECT_EQ(forward, backward);
    EXPECT_EQ(static_cast<int>(forward.size()), list.GetCount());
    EXPECT_EQ(forward.empty(), list.IsEmpty() != FALSE);
    if (!forward.empty()) {
        EXPECT_EQ(forward.front(), std::string(list.GetHead()));
        EXPECT_EQ(forward.back(), std::string(list.GetTail()));
    }
    std::string joined;
    for (const std::string& element : forward)
        joined += element + ",";
    return joined;
}

struct ListCase
{
    const char* name;
    std::function<void(CStringList&)> apply;
    const char* expected;  // after apply on the list a,b,c
};

// Each case starts from a,b,c in a list of two-node blocks, so that nodes
// come from several blocks and freed nodes are reused.
TEST(CollListTest, Operations)
{
    const ListCase cases[] = {
        {"AddHead", [](CStringList& l) { l.AddHead("x"); }, "x,a,b,c,"},
        {"AddTail", [](CStringList& l) { l.AddTail("x"); }, "a,b,c,x,"},
        {"RemoveHead", [](CStringList& l) { EXPECT_STREQ("a", l.RemoveHead()); }, "b,c,"},
        {"RemoveTail", [](CStringList& l) { EXPECT_STREQ("c", l.RemoveTail()); }, "a,b,"},
        {"RemoveAt middle", [](CStringList& l) { l.RemoveAt(l.Find("b")); }, "a,c,"},
        {"RemoveAt ends",
         [](CStringList& l) {
             l.RemoveAt(l.GetHeadPosition());
             l.RemoveAt(l.GetTailPosition());
         },
         "b,"},
        {"InsertBefore", [](CStringList& l) { l.InsertBefore(l.Find("b"), "x"); }, "a,x,b,c,"},
        {"InsertBefore head", [](CStringList& l) { l.InsertBefore(l.GetHeadPosition(), "x"); }, "x,a,b,c,"},
        {"InsertBefore null", [](CStringList& l) { l.InsertBefore(NULL, "x"); }, "x,a,b,c,"},
        {"InsertAfter", [](CStringList& l) { l.InsertAfter(l.Find("b"), "x"); }, "a,b,x,c,"},
        {"InsertAfter tail", [](CStringList& l) { l.InsertAfter(l.GetTailPosition(), "x"); }, "a,b,c,x,"},
        {"InsertAfter null", [](CStringList& l) { l.InsertAfter(NULL, "x"); }, "a,b,c,x,"},
        {"SetAt", [](CStringList& l) { l.SetAt(l.FindIndex(1), "x"); }, "a,x,c,"},
        {"GetNext gives the element to change",
         [](CStringList& l) {
             POSITION pos = l.GetHeadPosition();
             l.GetNext(pos) = "x";
             EXPECT_STREQ("b", l.GetAt(pos));
         },
         "x,b,c,"},
        {"GetPrev gives the element to change",
         [](CStringList& l) {
             POSITION pos = l.GetTailPosition();
             l.GetPrev(pos) = "x";
             EXPECT_STREQ("b", l.GetAt(pos));
         },
         "a,b,x,"},
        {"FindIndex",
         [](CStringList& l) {
             EXPECT_STREQ("c", l.GetAt(l.FindIndex(2)));
             EXPECT_EQ(nullptr, l.FindIndex(3));
             EXPECT_EQ(nullptr, l.FindIndex(-1));
         },
         "a,b,c,"},
        {"Find after a position",
         [](CStringList& l) {
             l.AddTail("a");
             EXPECT_EQ(l.FindIndex(0), l.Find("a"));
             EXPECT_EQ(l.FindIndex(3), l.Find("a", l.Find("a")));
             EXPECT_EQ(nullptr, l.Find("a", l.FindIndex(3)));
             EXPECT_EQ(nullptr, l.Find("z"));
         },
         "a,b,c,a,"},
        {"AddHead of a list",
         [](CStringList& l) {
             CStringList other;
             other.AddTail("x");
             other.AddTail("y");
             l.AddHead(&other);
         },
         "x,y,a,b,c,"},
        {"AddTail of a list",
         [](CStringList& l) {
             CStringList other;
             other.AddTail("x");
             other.AddTail("y");
             l.AddTail(&other);
         },
         "a,b,c,x,y,"},
        {"AddHead of itself", [](CStringList& l) { l.AddHead(&l); }, "a,b,c,a,b,c,"},
        {"AddTail of itself", [](CStringList& l) { l.AddTail(&l); }, "a,b,c,a,b,c,"},
        {"RemoveAll", [](CStringList& l) { l.RemoveAll(); }, ""},
        {"RemoveAll then add", [](CStringList& l) { l.RemoveAll(); l.AddTail("x"); }, "x,"},
        {"emptied one by one then add",
         [](CStringList& l) {
             while (!l.IsEmpty())
                 l.RemoveHead();
             l.AddHead("x");
             l.AddTail("y");
         },
         "x,y,"},
        {"freed nodes reused",
         [](CStringList& l) {
             for (const char* s : {"d", "e", "f", "g", "h"})
                 l.AddTail(s);
             for (const char* s : {"b", "d", "f", "h"})
                 l.RemoveAt(l.Find(s));
             for (const char* s : {"1", "2", "3"})
                 l.AddHead(s);
         },
         "3,2,1,a,c,e,g,"},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        CStringList list(2);
        for (const char* s : {"a", "b", "c"})
            list.AddTail(s);
        c.apply(list);
        EXPECT_EQ(c.expected, Contents(list));
    }
}

}  // namespace
