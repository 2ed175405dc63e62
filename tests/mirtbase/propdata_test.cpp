// The face field list: lookups, copies of values, clones, removal and its
// stored form.
#include <gtest/gtest.h>

#include "field_fixture.h"

namespace {

// Face 2 with three fields of two classes, orders 4, 1 and 2 (none is 3):
// text fields "a" (order 4, cleared for a new page) and "b" (order 1), a
// group (order 2).
class PropDataTest : public testing::Test
{
protected:
    void SetUp() override
    {
        m_face.m_nMen = 2;
        m_pFirst = new CTestField(MakeBlock(4, {0, 0, 100, 50}, 0x07, 1), CNPropObjCtrl::STYLE_DEFAULT, 0);
        m_pFirst->m_strData = "a";
        m_pGroup = new CTestGroup(MakeBlock(2, {0, 100, 100, 150}));
        m_pGroup->m_strData = "g";
        m_pSecond = new CTestField(MakeBlock(1, {0, 200, 100, 250}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
        m_pSecond->m_strData = "b";
        m_face.AddPropObj(m_pFirst);
        m_face.AddPropObj(m_pSecond);
        m_face.AddPropObj(m_pGroup);
    }

    static void AddGroups(CPropData& face, std::initializer_list<LPCSTR> texts)
    {
        for (LPCSTR text : texts) {
            CTestGroup* pField = new CTestGroup;
            pField->m_strData = text;
            face.AddPropObj(pField);
        }
    }

    static std::string Values(const CPropData& face)
    {
        std::string values;
        POSITION pos;
        for (CNPropObj* pField = face.GetFirstPropObj(pos); pField != nullptr; pField = face.GetNextPropObj(pos))
            values += std::to_string(pField->m_nOrder) + "=" + static_cast<LPCSTR>(pField->m_strData) + ";";
        return values;
    }

    CPropData m_face;
    CTestField* m_pFirst = nullptr;
    CTestField* m_pSecond = nullptr;
    CTestGroup* m_pGroup = nullptr;
};

TEST_F(PropDataTest, IteratesInListOrder)
{
    EXPECT_EQ("4=a;1=b;2=g;", Values(m_face));
    CPropData empty;
    POSITION pos = nullptr;
    EXPECT_EQ(nullptr, empty.GetFirstPropObj(pos));
    EXPECT_EQ(nullptr, pos);
}

TEST_F(PropDataTest, FindsFieldsByOrder)
{
    EXPECT_EQ(m_pFirst, m_face.GetPropObjByOrder(4));
    EXPECT_EQ(m_pSecond, m_face.GetPropObjByOrder(1));
    EXPECT_EQ(m_pGroup, m_face.GetPropObjByOrder(2));
    EXPECT_EQ(nullptr, m_face.GetPropObjByOrder(3));
    EXPECT_EQ(nullptr, m_face.GetPropObjByOrder(0));
    EXPECT_EQ(4u, m_face.GetMaxOrder());
    EXPECT_EQ(0u, CPropData().GetMaxOrder());

    // Two fields of one order: the first in list order.
    CTestField* pSame = new CTestField(MakeBlock(1, {}), 0, 0);
    m_face.AddPropObj(pSame);
    EXPECT_EQ(m_pSecond, m_face.GetPropObjByOrder(1));
}

TEST_F(PropDataTest, CloneMovesEveryFieldAndKeepsTheFace)
{
    CPropData* pClone = m_face.Clone(5, -10);
    EXPECT_EQ(2u, pClone->m_nMen);
    EXPECT_EQ("4=a;1=b;2=g;", Values(*pClone));
    const CNPropObj* pGroup = pClone->GetPropObjByOrder(2);
    ASSERT_NE(nullptr, pGroup);
    EXPECT_NE(m_pGroup, pGroup);
    EXPECT_TRUE(pGroup->IsKindOf(RUNTIME_CLASS(CTestGroup)));
    const RECT moved = {5, 90, 105, 140};
    EXPECT_TRUE(::EqualRect(&moved, &pGroup->m_rect));
    EXPECT_EQ(1u, pClone->GetPropObjByOrder(4)->GetAttr(CNPropObj::ATTRIBUTE_CLEAR));
    delete pClone;
}

TEST_F(PropDataTest, CloneLeavesOutFieldsThatDoNotCloneThemselves)
{
    m_face.AddPropObj(new CNPropObjCtrl(MakeBlock(9, {}), 0, 0));
    CPropData* pClone = m_face.Clone(0, 0);
    EXPECT_EQ(3, pClone->GetCount());
    EXPECT_EQ(nullptr, pClone->GetPropObjByOrder(9));
    delete pClone;
}

TEST_F(PropDataTest, CopyRealDataGoesPositionByPositionThroughSetText)
{
    CPropData source;
    AddGroups(source, {"x", "y"});
    m_face.CopyRealData(&source);
    EXPECT_EQ("4=x;1=y;2=g;", Values(m_face));

    // A field without the data bit refuses the value.
    m_pSecond->SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    CPropData longer;
    AddGroups(longer, {"p", "q", "r", "s"});
    m_face.CopyRealData(&longer);
    EXPECT_EQ("4=p;1=y;2=r;", Values(m_face));
}

TEST_F(PropDataTest, ClearRealDataEmptiesTheFieldsClearedForANewPage)
{
    m_face.ClearRealData(0);
    EXPECT_EQ("4=;1=b;2=g;", Values(m_face));
}

TEST_F(PropDataTest, RemoveUnlinksWithoutDeleting)
{
    EXPECT_TRUE(m_face.HasPropObj(m_pGroup));
    EXPECT_EQ(m_pGroup, m_face.RemovePropObj(m_pGroup));
    EXPECT_FALSE(m_face.HasPropObj(m_pGroup));
    EXPECT_EQ(nullptr, m_face.RemovePropObj(m_pGroup));
    EXPECT_EQ("4=a;1=b;", Values(m_face));
    delete m_pGroup;

    CPropData empty;
    CTestGroup loose;
    EXPECT_EQ(nullptr, empty.RemovePropObj(&loose));
}

TEST_F(PropDataTest, StoresVersionFaceAndFieldsWithTheirClasses)
{
    const std::string bytes = Store(m_face);
    EXPECT_EQ(Bytes({0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x03, 0x00, 0xFF, 0xFF, 0x01, 0x00, 0x0A, 0x00}) +
                  "CTestField",
        bytes.substr(0, 26));

    CPropData loaded;
    Load(loaded, bytes);
    EXPECT_EQ(2u, loaded.m_nMen);
    EXPECT_EQ("4=a;1=b;2=g;", Values(loaded));
    EXPECT_EQ(bytes, Store(loaded));
}

TEST_F(PropDataTest, LoadRefusesObjectsThatAreNotFields)
{
    CObList list;
    CStringList strings;
    list.AddTail(&strings);
    const std::string bytes = Bytes({0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00}) + Store(list);
    CPropData loaded;
    EXPECT_EQ(CArchiveException::badClass, LoadFailure(loaded, bytes));
    EXPECT_EQ(0, loaded.GetCount());
}

// The form window finds a field's neighbour by order within the field's
// own face only.
TEST_F(PropDataTest, FormWindowLooksInTheFaceOfTheField)
{
    CTestFormWnd form;
    CPropData* pOuter = new CPropData;
    CTestGroup* pOuterField = new CTestGroup(MakeBlock(1, {}));
    pOuter->AddPropObj(pOuterField);
    form.AddFace(pOuter);
    CPropData* pFace = m_face.Clone(0, 0);
    form.AddFace(pFace);

    CNPropObj* pFaceField = pFace->GetPropObjByOrder(2);
    EXPECT_EQ(pFace->GetPropObjByOrder(1), form.GetPropObjByOrder(pFaceField, 1));
    EXPECT_EQ(pOuterField, form.GetPropObjByOrder(pOuterField, 1));
    EXPECT_EQ(nullptr, form.GetPropObjByOrder(pOuterField, 2));
    EXPECT_EQ(nullptr, form.GetPropObjByOrder(m_pGroup, 1));
    EXPECT_EQ(nullptr, CTestFormWnd().GetPropObjByOrder(pFaceField, 1));
}

}  // namespace
