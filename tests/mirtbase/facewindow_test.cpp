// The face window lent a face by its print frame: focus over its fields,
// font records, whole fields through the clipboard, and the settings and
// queries over all fields of the face and the page.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtmsgs.h"
#include "npropobjbarcode.h"
#include "npropobjdoc.h"
#include "npropobjnum.h"
#include "other_folder.h"
#include "page_fixture.h"
#include "spaceinfo.h"

namespace {

// A page of two faces at (100, 200) and (100, 1600) in a print frame, face 1
// lent to a window-less face window under a host window.
class FaceWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pLayout = MakeLayout(78, {CPoint(100, 200), CPoint(100, 1600)});
        m_frame.SetFormat(m_pLayout.get());
        m_face.SetParentWnd(&m_host);
    }

    // The faces go into the frame; face 1 into the face window.
    void Load(CPropData* pFace1, CPropData* pFace2)
    {
        delete m_frame.SetData(MakePage({pFace1, pFace2}));
        m_frame.SetMen(&m_face, 1);
    }

    // Face 1: text fields 1 to 3 and a field that takes no input (4);
    // face 2: text field 1.
    void LoadTextFields()
    {
        CNPropObjDoc* pLabel = TextField(4, {100, 800, 900, 900});
        pLabel->SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0);
        Load(Face(1, {TextField(1, {100, 200, 900, 300}), TextField(2, {100, 400, 900, 500}),
                         TextField(3, {100, 600, 900, 700}), pLabel}),
            Face(2, {TextField(1, {100, 1800, 900, 1900})}));
    }

    CNPropObj* Field(UINT nOrder) { return m_face.GetPropObjByOrder(nOrder); }
    CNPropObj* PageField(UINT nOrder, UINT nMen) { return m_frame.GetPropObjByOrder(nOrder, nMen); }

    CHostWnd m_host;
    std::unique_ptr<CNMirtLayoutData> m_pLayout;
    CMirtBasePrtFrm m_frame;
    CMirtBaseMen m_face;
};

TEST_F(FaceWindowTest, FocusWrapsOverTheEditableFields)
{
    LoadTextFields();
    m_face.SetNextField();
    EXPECT_EQ(Field(1), m_face.GetCurrentField());
    for (UINT nOrder : {2u, 3u, 1u}) {
        m_face.SetNextField();
        EXPECT_EQ(Field(nOrder), m_face.GetCurrentField());
    }
    m_face.SetPrevField();
    EXPECT_EQ(Field(3), m_face.GetCurrentField());
    EXPECT_EQ(3u, m_face.GetFocusOrderNo());
    EXPECT_EQ(Field(3), m_frame.GetCurrentField());

    // The value of the field left goes into the page.
    Field(3)->SetText("三");
    m_face.SetFocusByOrderNo(2);
    EXPECT_EQ("三", std::string(PageField(3, 1)->m_strData));
    // A field that takes no input is never focused; a click finds the field.
    m_face.SetFocusByOrderNo(4);
    EXPECT_EQ(Field(1), m_face.GetCurrentField());
    m_face.ClickDisp(CPoint(50, 450));
    EXPECT_EQ(Field(3), m_face.GetCurrentField());
}

TEST_F(FaceWindowTest, NoFocusMoveOnASingleField)
{
    Load(Face(1, {TextField(1, {100, 200, 900, 300})}), Face(2, {}));
    m_face.SetFirstField();
    CNPropObj* pOnly = m_face.GetCurrentField();
    ASSERT_EQ(Field(1), pOnly);
    m_face.SetNextField();
    EXPECT_EQ(pOnly, m_face.GetCurrentField());
    m_face.SetPrevField();
    EXPECT_EQ(pOnly, m_face.GetCurrentField());
}

TEST_F(FaceWindowTest, SearchByFieldName)
{
    LoadTextFields();
    Field(2)->m_strName = "住所";
    Field(3)->m_strName = "Name";
    EXPECT_EQ(Field(2), m_face.SearchFieldByFldName("住所"));
    EXPECT_EQ(nullptr, m_face.SearchFieldByFldName("name"));
    EXPECT_EQ(nullptr, m_face.SearchFieldByFldName("住"));
    EXPECT_EQ(nullptr, m_face.SearchFieldByFldName(""));
}

// The barcode message as the face window's handler takes it.
struct BarcodeMessage : CMirtBaseMen
{
    static LRESULT Send(CMirtBaseMen& face, const void* pField, LPARAM nMode)
    {
        return (face.*(&BarcodeMessage::OnUserBarcode))(reinterpret_cast<WPARAM>(pField), nMode);
    }
};

// The barcode message builds the postal customer-barcode data of the fields
// "郵便番号" and "住所" into the barcode field for modes 0 and 2; other
// modes and an empty address give no data; a pointer that is no field of
// the face is left alone.
TEST_F(FaceWindowTest, BarcodeMessageFillsTheBarcodeField)
{
    CNPropObjBarcode* pBarcode = new CNPropObjBarcode(MakeBlock(4, {100, 800, 900, 900}, 7), 0, 0);
    Load(Face(1, {TextField(1, {100, 200, 900, 300}, "1234567"), TextField(2, {100, 400, 900, 500}), pBarcode}),
         Face(2, {}));
    Field(1)->m_strName = "郵便番号";
    Field(2)->m_strName = "住所";
    CNPropObj* pField = Field(4);
    ASSERT_NE(nullptr, pField);
    const struct
    {
        LPARAM nMode;
        const char* pszAddress;
        const char* pszWant;
    } kCases[] = {{0, "３番地", "12345673"}, {2, "３番地", "12345673"}, {1, "３番地", ""}, {0, "", ""}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nMode);
        Field(2)->m_strData = c.pszAddress;
        pField->m_strData = "old";
        EXPECT_EQ(0, BarcodeMessage::Send(m_face, pField, c.nMode));
        EXPECT_EQ(c.pszWant, std::string(pField->m_strData));
    }
    CNPropObjBarcode stranger(MakeBlock(4, {100, 800, 900, 900}, 7), 0, 0);
    stranger.m_strData = "kept";
    BarcodeMessage::Send(m_face, &stranger, 0);
    EXPECT_EQ("kept", std::string(stranger.m_strData));
}

// In-range values of a font record reach the focused field and the page;
// out-of-range ones leave the attribute.
TEST_F(FaceWindowTest, FontRecordOnTheFocusedField)
{
    LoadTextFields();
    m_face.SetFontEtc(new tagSPACEINFO{});  // no focused field: only freed
    m_face.SetFocusByOrderNo(2);
    const int nRowHeight = Field(2)->GetRowHeight();
    const int nShadow = Field(2)->GetShadow();
    tagSPACEINFO* pInfo = new tagSPACEINFO{};
    pInfo->crText = static_cast<COLORREF>(-1);
    pInfo->nAlign = 3;
    pInfo->nRowHeight = 9;
    pInfo->nCarryOver = 3;
    pInfo->nLock = 2;
    pInfo->nAutoCalc = 0;
    pInfo->nNumKind = 3;
    pInfo->nShadow = 2;
    pInfo->nPichRate = 2;
    m_face.SetFontEtc(pInfo);
    for (CNPropObj* pField : {Field(2), PageField(2, 1)}) {
        EXPECT_EQ(3, pField->GetAlign());
        EXPECT_EQ(2, pField->GetPichRate());
        EXPECT_EQ(2, pField->GetModify());
        EXPECT_EQ(nRowHeight, pField->GetRowHeight());
        EXPECT_EQ(nShadow, pField->GetShadow());
    }

    // Attribute 8 (alignment) of a record into the fields' own records.
    CUIntArray orders;
    orders.Add(1);
    orders.Add(3);
    std::unique_ptr<CPtrArray> pInfos(m_face.GetMultiFontEtc(&orders));
    ASSERT_EQ(2, pInfos->GetSize());
    tagSPACEINFO align{};
    align.nAlign = 2;
    m_face.SetMultiFontEtc(&orders, pInfos.get(), 8, &align);
    for (INT_PTR i = 0; i < pInfos->GetSize(); i++)
        delete static_cast<tagSPACEINFO*>(pInfos->GetAt(i));
    for (UINT nOrder : {1u, 3u}) {
        EXPECT_EQ(2, Field(nOrder)->GetAlign());
        EXPECT_EQ(2, PageField(nOrder, 1)->GetAlign());
    }
    EXPECT_NE(2, Field(2)->GetAlign());
}

// Fields copied and pasted onto the face take the next free orders, their
// common top-left corner at the face origin, and go into the page too.
TEST_F(FaceWindowTest, CopiedFieldsPasteAtTheNextOrders)
{
    CNPropObjDoc* pIndexed = TextField(2, {300, 400, 900, 500}, "二");
    pIndexed->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 1);
    Load(Face(1, {TextField(1, {100, 200, 900, 300}), pIndexed, TextField(3, {200, 600, 900, 700}, "三"),
             TextField(12, {100, 900, 900, 1000})}),
        Face(2, {}));
    EXPECT_EQ(0, m_face.IsUserClipBoard(MIRT_CLIP_UNDO));
    CUIntArray* pOrders = new CUIntArray;
    pOrders->Add(2);
    pOrders->Add(3);
    m_face.SetUserClipBoard(pOrders, MIRT_CLIP_COPY);
    EXPECT_EQ(1, m_face.IsUserClipBoard(MIRT_CLIP_PASTE));
    m_face.SetUserClipBoard(new CUIntArray, MIRT_CLIP_PASTE);

    const struct
    {
        UINT nOrder;
        RECT rect;
        LPCSTR pszValue;
    } pasted[] = {{13, {100, 0, 700, 100}, "二"}, {14, {0, 200, 700, 300}, "三"}};
    for (const auto& p : pasted) {
        SCOPED_TRACE(p.nOrder);
        CNPropObj* pField = Field(p.nOrder);
        ASSERT_NE(nullptr, pField);
        EXPECT_EQ(CRect(p.rect), CRect(pField->m_rect));
        EXPECT_EQ(p.pszValue, std::string(pField->m_strData));
        EXPECT_EQ(0u, pField->GetAttr(CNPropObj::ATTRIBUTE_INDEX));
        CNPropObj* pPageField = PageField(p.nOrder, 1);
        ASSERT_NE(nullptr, pPageField);
        CRect rectPage(p.rect);
        rectPage.OffsetRect(100, 200);
        EXPECT_EQ(rectPage, CRect(pPageField->m_rect));
    }
    // The copies stay; the page's title field is the first with index 1.
    EXPECT_EQ(PageField(2, 1), m_frame.GetTitleField());
    ::OpenClipboard(m_host.m_hWnd);
    ::EmptyClipboard();
    ::CloseClipboard();
}

// Deleted fields leave the face, its focus and the page; a later delete
// frees them; other faces keep fields of the same order.
TEST_F(FaceWindowTest, DeletedFieldsLeaveFaceAndPage)
{
    LoadTextFields();
    m_face.SetFocusByOrderNo(2);
    CUIntArray* pOrders = new CUIntArray;
    pOrders->Add(2);
    m_face.SetUserClipBoard(pOrders, MIRT_CLIP_DELETE);
    EXPECT_EQ(nullptr, Field(2));
    EXPECT_EQ(nullptr, m_face.GetCurrentField());
    EXPECT_EQ(nullptr, PageField(2, 1));
    pOrders = new CUIntArray;
    pOrders->Add(1);
    pOrders->Add(99);
    m_face.SetUserClipBoard(pOrders, MIRT_CLIP_DELETE);
    EXPECT_EQ(nullptr, PageField(1, 1));
    EXPECT_NE(nullptr, PageField(1, 2));
    m_face.SetNextField();
    EXPECT_EQ(Field(3), m_face.GetCurrentField());
    m_face.SetNextField();
    EXPECT_EQ(Field(3), m_face.GetCurrentField());
    // Actions without a meaning for whole fields take the array too.
    m_face.SetUserClipBoard(new CUIntArray, MIRT_CLIP_UNDO);
}

// The layout editor reads the fields' pixel rectangles and moves a field by
// handing back a changed one; the page follows.
TEST_F(FaceWindowTest, SelectedRectsMoveFields)
{
    LoadTextFields();
    CPtrArray* pRecords = m_face.GetSelectedRect(0);
    ASSERT_EQ(3, pRecords->GetSize());
    SelectedRectRecord* pSecond = static_cast<SelectedRectRecord*>(pRecords->GetAt(1));
    EXPECT_EQ(2u, pSecond->nOrder);
    EXPECT_GT(pSecond->rect.right, pSecond->rect.left);
    const CRect rectFirst(Field(1)->m_rect);
    const CRect rectSecond(Field(2)->m_rect);
    // 378 pixels are 100 mm at 100 %.
    ::OffsetRect(&pSecond->rect, 378, 0);
    m_face.SetSelectedRect(pRecords);
    EXPECT_EQ(rectFirst, CRect(Field(1)->m_rect));
    EXPECT_NEAR(rectSecond.left + 1000, Field(2)->m_rect.left, 3);
    EXPECT_NEAR(rectSecond.top, Field(2)->m_rect.top, 3);
    EXPECT_EQ(Field(2)->m_rect.left + 100, PageField(2, 1)->m_rect.left);
    m_face.SetSelectedRect(nullptr);
}

// The queries over all fields of the face and of the page.
TEST_F(FaceWindowTest, AllFieldQueries)
{
    using Query = int (CMirtBaseMen::*)();
    using Setup = std::function<void(CNPropObj* f[4])>;
    auto rows = [](int a, int b, int c, int d) {
        return Setup([=](CNPropObj* f[4]) {
            const int values[] = {a, b, c, d};
            for (int i = 0; i < 4; i++)
                f[i]->SetRowHeight(values[i]);
        });
    };
    auto shadows = [](int a, int b, int c, int d) {
        return Setup([=](CNPropObj* f[4]) {
            const int values[] = {a, b, c, d};
            for (int i = 0; i < 4; i++)
                f[i]->SetShadow(values[i]);
        });
    };
    auto pitches = [](int a, int b, int c, int d) {
        return Setup([=](CNPropObj* f[4]) {
            const int values[] = {a, b, c, d};
            for (int i = 0; i < 4; i++)
                f[i]->SetPichRate(values[i]);
        });
    };
    const struct
    {
        const char* pszName;
        Setup setup;
        Query query;
        int nExpected;
    } cases[] = {
        {"row heights 10 and 11", rows(10, 11, 10, 10), &CMirtBaseMen::IsUserAllRowHeight, 10},
        {"row heights 10 and 12", rows(10, 12, 10, 10), &CMirtBaseMen::IsUserAllRowHeight, -1},
        {"row heights mixed on the page", rows(15, 15, 15, 20), &CMirtBaseMen::IsUserAllRowHeight, -1},
        {"row heights none counted", rows(11, 13, 11, 11), &CMirtBaseMen::IsUserAllRowHeight, 0},
        {"shadows 1 and 2", shadows(1, 2, 1, 2), &CMirtBaseMen::IsUserAllShadow, 1},
        {"shadows off", shadows(0, 0, 0, 0), &CMirtBaseMen::IsUserAllShadow, 0},
        {"shadows on and off", shadows(0, 1, 0, 0), &CMirtBaseMen::IsUserAllShadow, -1},
        {"pitches mixed on the page", pitches(2, 2, 2, 3), &CMirtBaseMen::IsUserAllPichRate, -1},
        {"pitches 1", pitches(1, 1, 1, 1), &CMirtBaseMen::IsUserAllPichRate, 1},
        {"number kind of the numeric field", [](CNPropObj* f[4]) { f[2]->SetNumKind(1); },
            &CMirtBaseMen::IsUserAllNum, 1},
        {"automatic calculation on", [](CNPropObj* f[4]) { f[2]->SetAutoCalc(1); },
            &CMirtBaseMen::IsUserAllAutoCalc, 1},
        {"automatic calculation off", [](CNPropObj* f[4]) { f[2]->SetAutoCalc(2); },
            &CMirtBaseMen::IsUserAllAutoCalc, 2},
        {"locks of the full input fields",
            [](CNPropObj* f[4]) {
                for (int i = 0; i < 4; i++)
                    f[i]->SetModify(TRUE);
                f[1]->SetModify(FALSE);
                f[1]->SetAttr(CNPropObj::ATTRIBUTE_INPUT, 5);
            },
            &CMirtBaseMen::IsUserAllModify, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszName);
        CNPropObj* f[4] = {TextField(1, {100, 200, 900, 300}), TextField(2, {100, 400, 900, 500}),
            NumberField(3, {100, 600, 900, 700}), TextField(1, {100, 1800, 900, 1900})};
        c.setup(f);
        CMirtBaseMen face;
        delete m_frame.SetData(MakePage({Face(1, {f[0], f[1], f[2]}), Face(2, {f[3]})}));
        m_frame.SetMen(&face, 1);
        EXPECT_EQ(c.nExpected, (face.*c.query)());
    }
}

// The setters change the face's fields that have the setting and the
// page's, which the queries then report.
TEST_F(FaceWindowTest, AllFieldSettersReachThePage)
{
    CNPropObjDocNum* pNumber = NumberField(3, {100, 600, 900, 700}, "12");
    pNumber->SetAutoCalc(2);
    pNumber->SetNumKind(0);
    std::vector<CNPropObj*> texts = {TextField(1, {100, 200, 900, 300}), TextField(2, {100, 400, 900, 500}),
        TextField(1, {100, 1800, 900, 1900})};
    for (CNPropObj* pText : texts)
        pText->SetShadow(0);
    Load(Face(1, {texts[0], texts[1], pNumber}), Face(2, {texts[2]}));
    const int nTextAutoCalc = Field(1)->GetAutoCalc();

    m_face.SetUserAllRowHeight(15);
    EXPECT_EQ(15, m_face.IsUserAllRowHeight());
    EXPECT_EQ(15, PageField(1, 2)->GetRowHeight());

    m_face.SetUserAllAutoCalc(1);
    EXPECT_EQ(1, Field(3)->GetAutoCalc());
    EXPECT_EQ(1, PageField(3, 1)->GetAutoCalc());
    EXPECT_EQ(nTextAutoCalc, Field(1)->GetAutoCalc());
    EXPECT_EQ(1, m_face.IsUserAllAutoCalc());

    m_face.SetUserAllNum(1);
    EXPECT_EQ(1, m_face.IsUserAllNum());
    EXPECT_EQ("12.00", std::string(Field(3)->m_strData));
    EXPECT_EQ("12.00", std::string(PageField(3, 1)->m_strData));

    Field(2)->SetShadowOffset(CSize(5, 5));
    m_face.SetUserAllShadow(1);
    EXPECT_EQ(1, Field(1)->GetShadow());
    EXPECT_EQ(2, Field(2)->GetShadow());
    EXPECT_EQ(1, m_face.IsUserAllShadow());
    m_face.SetUserAllShadow(0);
    EXPECT_EQ(0, m_face.IsUserAllShadow());

    m_face.SetUserAllModify(2);
    EXPECT_EQ(2, m_face.IsUserAllModify());
    EXPECT_EQ(2, PageField(1, 2)->GetModify());
    m_face.SetUserAllPichRate(3);
    EXPECT_EQ(3, m_face.IsUserAllPichRate());
    EXPECT_EQ(1, m_face.IsPropObjDocNum());
}

}  // namespace

namespace {

// New fields from the template files of "\Data\Other\NewObject\".
class PasteFromFileTest : public OtherFolderTest
{
protected:
    void SetUp() override
    {
        OtherFolderTest::SetUp();
        ::CreateDirectoryA(OtherPath("NewObject").c_str(), nullptr);
        m_pLayout = MakeLayout(79, {CPoint(100, 200)});
        m_frame.SetFormat(m_pLayout.get());
        delete m_frame.SetData(MakePage({Face(1, {TextField(1, {100, 200, 900, 300}), TextField(40, {100, 400, 900, 500})})}));
        m_frame.SetMen(&m_face, 1);
    }

    // A template file of one text field at (300, 300) - (500, 400).
    void WriteTemplate(const char* pszName)
    {
        std::unique_ptr<CNPropObjDoc> pField(TextField(5, {300, 300, 500, 400}, "雛形"));
        pField->m_strName = "x";
        pField->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 3);
        pField->SetCarryOver(FALSE);
        CObList list;
        list.AddTail(pField.get());
        WriteOther((std::string("NewObject\\") + pszName).c_str(), Store(list));
    }

    std::unique_ptr<CNMirtLayoutData> m_pLayout;
    CMirtBasePrtFrm m_frame;
    CMirtBaseMen m_face;
};

TEST_F(PasteFromFileTest, NewFieldsAtTheFaceOrigin)
{
    WriteTemplate("DocYokoFile");
    WriteTemplate("PicFile");
    m_face.PasteObjFromFile(2);   // no vertical template
    EXPECT_EQ(nullptr, m_face.GetPropObjByOrder(41));

    m_face.SetFirstField();
    m_face.PasteObjFromFile(1);
    m_face.PasteObjFromFile(3);
    const struct
    {
        UINT nOrder;
        RECT rect;
        LPCSTR pszName;
    } added[] = {{41, {0, 0, 700, 150}, "新規文書：横"}, {42, {0, 0, 200, 100}, "新規画像"}};
    for (const auto& a : added) {
        SCOPED_TRACE(a.nOrder);
        CNPropObj* pField = m_face.GetPropObjByOrder(a.nOrder);
        ASSERT_NE(nullptr, pField);
        EXPECT_EQ(CRect(a.rect), CRect(pField->m_rect));
        EXPECT_EQ(a.pszName, std::string(pField->m_strName));
        EXPECT_EQ(0u, pField->GetAttr(CNPropObj::ATTRIBUTE_INDEX));
        EXPECT_EQ(1, pField->GetCarryOver());
        CNPropObj* pPageField = m_frame.GetPropObjByOrder(a.nOrder, 1);
        ASSERT_NE(nullptr, pPageField);
        CRect rectPage(a.rect);
        rectPage.OffsetRect(100, 200);
        EXPECT_EQ(rectPage, CRect(pPageField->m_rect));
    }
    // A face with a focused field focuses the new one.
    EXPECT_EQ(m_face.GetPropObjByOrder(42), m_face.GetCurrentField());
}

}  // namespace
