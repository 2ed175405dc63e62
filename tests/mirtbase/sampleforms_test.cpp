// The sample forms that the build writes into the install tree load back
// through the form window base with their fields, and draw as forms.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "afxseam.h"
#include "canvas.h"
#include "dateformat.h"
#include "field_fixture.h"
#include "mirtenv.h"
#include "npropobjautoitem.h"
#include "npropobjcalnd.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "npropobjedt.h"
#include "npropobjgrp.h"
#include "npropobjnum.h"
#include "npropobjpic.h"
#include "npropobjtime.h"
#include "png_file.h"
#include "sample_install.h"

namespace {

class CSampleFormWnd : public CTestFormWnd
{
public:
    const CNMirtLayoutData* Layout() const { return m_pLayout; }

    std::vector<CPropData*> Faces() const
    {
        std::vector<CPropData*> faces;
        for (POSITION pos = m_listMen.GetHeadPosition(); pos != nullptr;)
            faces.push_back(static_cast<CPropData*>(m_listMen.GetNext(pos)));
        return faces;
    }

    const CPropData* Face(UINT nMen) const
    {
        for (const CPropData* pFace : Faces()) {
            if (pFace->m_nMen == nMen)
                return pFace;
        }
        return nullptr;
    }

    // The first field of any face whose first item is strItem.
    CNPropObj* FindByFirstItem(const CString& strItem) const
    {
        for (const CPropData* pFace : Faces()) {
            POSITION pos;
            for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos)) {
                if (!p->m_listItems.IsEmpty() && p->m_listItems.GetHead() == strItem)
                    return p;
            }
        }
        return nullptr;
    }
};

// The delivery note's groups linked to their members (as the face window
// does when it makes its windows), two rows of quantities and unit prices
// typed in, and a serial number.
void FillDeliveryNote(CSampleFormWnd& form, CWnd& host)
{
    form.SetParentWnd(&host);
    CPropData* pFace = form.Faces().back();
    POSITION pos;
    for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos))
        p->m_pOwner = &form;
    for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos)) {
        CNPropObjGrp* pGroup = dynamic_cast<CNPropObjGrp*>(p);
        for (INT_PTR i = 0; pGroup != nullptr && i < pGroup->m_arrayMember.GetSize(); i++)
            pFace->GetPropObjByOrder(pGroup->m_arrayMember[i])->AddLink(pGroup);
    }
    const struct
    {
        UINT nOrder;
        const char* pszValue;
    } typed[] = {{12, "3"}, {14, "1200"}, {17, "2.5"}, {19, "450"}};
    for (const auto& t : typed) {
        CNPropObj* pField = pFace->GetPropObjByOrder(t.nOrder);
        pField->SetText(t.pszValue);
        pField->RecalcLinked();
    }
    pFace->GetPropObjByOrder(4)->SetText("000123");
}

// Forms load from the install tree.
class SampleFormsTest : public ::testing::Test
{
protected:
    void SetUp() override { CMirtEnv::SetRootOverride(SampleInstallRoot().c_str()); }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }
};

std::vector<std::string> Items(const CNPropObj* pField)
{
    std::vector<std::string> items;
    for (POSITION pos = pField->m_listItems.GetHeadPosition(); pos != nullptr;)
        items.push_back(static_cast<LPCSTR>(pField->m_listItems.GetNext(pos)));
    return items;
}

TEST_F(SampleFormsTest, HeadersAndFaces)
{
    struct Case
    {
        UINT nLayoutID;
        const char* pszTitle;
        int nFaces;
        UINT nTableFirst;
        UINT nTableLast;
        UINT nTableLines;
    };
    const Case cases[] = {
        {9001, "納品書", 1, 11, 60, 10},
        {9002, "請求書", 1, 21, 52, 8},
        {9003, "伝票", 3, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLayoutID);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID)) << SampleInstallRoot();
        const CNMirtLayoutData* pLayout = form.Layout();
        EXPECT_EQ(c.nLayoutID, form.GetLayoutID());
        EXPECT_STREQ(c.pszTitle, pLayout->m_strText1);
        EXPECT_EQ(c.nFaces, pLayout->GetMenCount());
        EXPECT_EQ(CRect(0, 0, 2100, 2970), CRect(pLayout->m_LayoutData.m_rectAria));
        EXPECT_EQ(c.nTableFirst, form.GetTableFirstOrder());
        EXPECT_EQ(c.nTableLast, form.GetTableLastOrder());
        EXPECT_EQ(c.nTableLines, form.GetTableLine());
        // Each face's origin lies on the paper, the faces one below the other.
        for (int i = 0; i < pLayout->GetMenCount(); i++) {
            const CPoint origin = pLayout->m_LayoutData.m_arrayMen[i];
            EXPECT_EQ(0, origin.x);
            EXPECT_EQ(i * 2970 / c.nFaces, origin.y);
        }
    }
}

// Per face list: how many fields, how many carry data. The data fields of
// a face are numbered 1 to their count, the labels and groups after them,
// each order once; labels and groups neither carry data nor take input,
// and labels print only on blank paper.
TEST_F(SampleFormsTest, FieldsPerFace)
{
    struct Case
    {
        UINT nLayoutID;
        UINT nMen;
        int nFields;
        int nData;
    };
    const Case cases[] = {
        {9001, 0, 39, 0},
        {9001, 1, 76, 63},
        {9002, 0, 43, 0},
        {9002, 1, 55, 55},
        {9003, 1, 25, 8},
        {9003, 2, 25, 8},
        {9003, 3, 25, 8},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLayoutID << " face " << c.nMen);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID));
        const CPropData* pFace = form.Face(c.nMen);
        ASSERT_NE(nullptr, pFace);
        EXPECT_EQ(c.nFields, pFace->GetCount());
        std::set<UINT> dataOrders;
        std::set<UINT> labelOrders;
        POSITION pos;
        for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos)) {
            if (p->CarriesData()) {
                EXPECT_TRUE(dataOrders.insert(p->m_nOrder).second) << p->m_nOrder;
                EXPECT_TRUE(p->IsEditable()) << p->m_nOrder;
                EXPECT_EQ(1u, p->GetAttr(CNPropObj::ATTRIBUTE_PRINT)) << p->m_nOrder;
                EXPECT_FALSE(p->m_strName.IsEmpty()) << p->m_nOrder;
            } else {
                EXPECT_TRUE(labelOrders.insert(p->m_nOrder).second) << p->m_nOrder;
                EXPECT_FALSE(p->IsEditable()) << p->m_nOrder;
                EXPECT_EQ(0u, p->GetAttr(CNPropObj::ATTRIBUTE_PRINT)) << p->m_nOrder;
                EXPECT_NE(0u, p->GetAttr(CNPropObj::ATTRIBUTE_LOCK)) << p->m_nOrder;
                EXPECT_GT(p->m_nOrder, 100u);
            }
        }
        ASSERT_EQ(static_cast<size_t>(c.nData), dataOrders.size());
        if (c.nData > 0) {
            EXPECT_EQ(1u, *dataOrders.begin());
            EXPECT_EQ(static_cast<UINT>(c.nData), *dataOrders.rbegin());
        }
        EXPECT_EQ(static_cast<size_t>(c.nFields - c.nData), labelOrders.size());
    }
}

// The forms come blank: no template holds a value.
TEST_F(SampleFormsTest, TemplatesHoldNoValues)
{
    for (UINT nLayoutID : {9001u, 9002u, 9003u}) {
        SCOPED_TRACE(nLayoutID);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(nLayoutID));
        for (const CObList* pList : {&form.Layout()->m_listOutside, &form.Layout()->m_listFaces}) {
            for (POSITION pos = pList->GetHeadPosition(); pos != nullptr;) {
                const CNPropObj* pField = static_cast<const CNPropObj*>(pList->GetNext(pos));
                EXPECT_TRUE(pField->m_strData.IsEmpty()) << pField->m_nOrder;
            }
        }
    }
}

// Fields picked from each form: class, name, items, face.
TEST_F(SampleFormsTest, ChosenFields)
{
    struct Case
    {
        UINT nLayoutID;
        UINT nMen;
        UINT nOrder;
        CRuntimeClass* pClass;
        const char* pszName;
        std::vector<std::string> items;
    };
    const Case cases[] = {
        {9001, 1, 1, RUNTIME_CLASS(CNPropObjEdt), "お客様名", {}},
        {9001, 1, 2, RUNTIME_CLASS(CNPropObjDoc), "お客様住所", {}},
        {9001, 1, 3, RUNTIME_CLASS(CNPropObjCreateTime), "納品日", {"100000000%Y年%T月%D日"}},
        {9001, 1, 5, RUNTIME_CLASS(CNPropObjAutoItem), "自社名", {"COM.AUT"}},
        {9001, 1, 7, RUNTIME_CLASS(CNPropObjAutoItem), "自社電話番号", {"TEL.AUT", "TEL "}},
        {9001, 1, 11, RUNTIME_CLASS(CNPropObjEdt), "品名1", {}},
        {9001, 1, 4, RUNTIME_CLASS(CNPropObjDocNumRen), "伝票番号", {}},
        {9001, 1, 8, RUNTIME_CLASS(CNPropObjDocNum), "合計金額", {"", "", "￥"}},
        {9001, 1, 12, RUNTIME_CLASS(CNPropObjDocNum), "数量1", {}},
        {9001, 1, 60, RUNTIME_CLASS(CNPropObjDocNum), "金額10", {}},
        {9001, 1, 62, RUNTIME_CLASS(CNPropObjDocNum), "小計", {}},
        {9001, 1, 63, RUNTIME_CLASS(CNPropObjDocNum), "消費税", {}},
        {9001, 1, 61, RUNTIME_CLASS(CNPropObjPic), "社印", {}},
        {9002, 1, 2, RUNTIME_CLASS(CNPropObjEdt), "郵便番号", {}},
        {9002, 1, 3, RUNTIME_CLASS(CNPropObjDoc), "住所", {}},
        {9002, 1, 4, RUNTIME_CLASS(CNPropObjCreateTime), "請求日", {"100000000%Y年%T月%D日"}},
        {9002, 1, 7, RUNTIME_CLASS(CNPropObjAutoItem), "自社郵便番号", {"ZIPHIFN.AUT", "〒"}},
        {9002, 1, 16, RUNTIME_CLASS(CNPropObjEdt), "今回御請求額", {}},
        {9002, 1, 18, RUNTIME_CLASS(CNPropObjAutoItem), "振込先", {"KOUZA.AUT", "お振込先："}},
        {9002, 1, 21, RUNTIME_CLASS(CNPropObjEdt), "日付1", {}},
        {9002, 1, 52, RUNTIME_CLASS(CNPropObjEdt), "金額8", {}},
        {9002, 1, 53, RUNTIME_CLASS(CNPropObjCalndStd), "お支払予定月", {}},
        {9002, 1, 54, RUNTIME_CLASS(CNPropObjBarcode), "カスタマバーコード", {}},
        {9002, 1, 55, RUNTIME_CLASS(CNPropObjBtnCheck), "領収書同封", {"領収書同封"}},
        {9003, 2, 1, RUNTIME_CLASS(CNPropObjCreateTime), "日付", {"100000000%Y年%T月%D日"}},
        {9003, 3, 6, RUNTIME_CLASS(CNPropObjDoc), "摘要", {}},
        {9003, 3, 7, RUNTIME_CLASS(CNPropObjAutoItem), "発行者", {"COM.AUT"}},
        {9003, 2, 8, RUNTIME_CLASS(CNPropObjBtnCheck), "支払済", {"支払済"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLayoutID << " order " << c.nOrder);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID));
        const CNPropObj* pField = form.Face(c.nMen)->GetPropObjByOrder(c.nOrder);
        ASSERT_NE(nullptr, pField);
        EXPECT_STREQ(c.pClass->m_lpszClassName, pField->GetRuntimeClass()->m_lpszClassName);
        EXPECT_STREQ(c.pszName, pField->m_strName);
        EXPECT_EQ(c.items, Items(pField));
    }
}

// The invoice's calendar is stored without a period and shows the month
// in which the form is opened.
TEST_F(SampleFormsTest, CalendarShowsTheMonthOfOpening)
{
    SYSTEMTIME day = {};
    day.wYear = 2027;
    day.wMonth = 2;
    day.wDay = 3;
    AfxSetFixedLocalTime(&day);
    CSampleFormWnd form;
    const int nLoaded = form.SetFormat(9002);
    AfxSetFixedLocalTime(nullptr);
    ASSERT_EQ(1, nLoaded);
    const CNPropObj* pField = form.Face(1)->GetPropObjByOrder(53);
    ASSERT_NE(nullptr, pField);
    ASSERT_TRUE(pField->IsKindOf(RUNTIME_CLASS(CNPropObjCalndStd)));
    EXPECT_EQ(2027, static_cast<const CNPropObjCalndStd*>(pField)->m_nYear);
    EXPECT_EQ(2, static_cast<const CNPropObjCalndStd*>(pField)->m_nMonth);
}

// The labels that name the form and head its table columns: on which face
// list, in which typeface.
TEST_F(SampleFormsTest, Labels)
{
    struct Case
    {
        UINT nLayoutID;
        const char* pszText;
        UINT nMen;
        const char* pszFace;
    };
    const char* const mincho = "ＭＳ 明朝";
    const char* const gothic = "ＭＳ ゴシック";
    const Case cases[] = {
        {9001, "納品書", 0, mincho},
        {9001, "品名", 0, gothic},
        {9001, "数量", 0, gothic},
        {9001, "単価", 0, gothic},
        {9001, "金額", 0, gothic},
        {9002, "御請求書", 0, mincho},
        {9002, "今回御請求額", 0, gothic},
        {9003, "伝票", 1, mincho},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszText);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID));
        CNPropObj* pLabel = form.FindByFirstItem(c.pszText);
        ASSERT_NE(nullptr, pLabel);
        EXPECT_TRUE(form.Face(c.nMen)->HasPropObj(pLabel));
        EXPECT_FALSE(pLabel->CarriesData());
        EXPECT_STREQ(c.pszFace, pLabel->GetLogFont()->lfFaceName);
    }
}

// Table orders run row by row: along a row the cells go right, and each
// row lies below the one before, one field per order.
TEST_F(SampleFormsTest, TableOrdersRunRowByRow)
{
    for (UINT nLayoutID : {9001u, 9002u}) {
        SCOPED_TRACE(nLayoutID);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(nLayoutID));
        const CPropData* pFace = form.Face(1);
        const UINT nFirst = form.GetTableFirstOrder();
        const UINT nPerRow = (form.GetTableLastOrder() - nFirst + 1) / form.GetTableLine();
        for (UINT nOrder = nFirst; nOrder <= form.GetTableLastOrder(); nOrder++) {
            const CNPropObj* pCell = pFace->GetPropObjByOrder(nOrder);
            ASSERT_NE(nullptr, pCell) << nOrder;
            EXPECT_TRUE(pCell->IsKindOf(RUNTIME_CLASS(CNPropObjEdt)) || pCell->IsKindOf(RUNTIME_CLASS(CNPropObjDocNum)))
                << nOrder;
            if (nOrder == nFirst)
                continue;
            const CNPropObj* pBefore = pFace->GetPropObjByOrder(nOrder - 1);
            if ((nOrder - nFirst) % nPerRow != 0) {
                EXPECT_EQ(pBefore->m_rect.top, pCell->m_rect.top) << nOrder;
                EXPECT_LE(pBefore->m_rect.right, pCell->m_rect.left) << nOrder;
            } else {
                EXPECT_LE(pBefore->m_rect.bottom, pCell->m_rect.top) << nOrder;
            }
        }
    }
}

// The date fields' template, on 1 May 2024 and 8 Jan 2019 (Heisei).
TEST_F(SampleFormsTest, DateTemplate)
{
    CSampleFormWnd form;
    ASSERT_EQ(1, form.SetFormat(9001)) << SampleInstallRoot();
    const CNPropObj* pDate = form.Face(1)->GetPropObjByOrder(3);
    ASSERT_NE(nullptr, pDate);
    struct Case
    {
        COleDateTime date;
        const char* pszText;
    };
    const Case cases[] = {
        {COleDateTime(2024, 5, 1, 0, 0, 0), "令和6年5月1日"},
        {COleDateTime(2019, 1, 8, 0, 0, 0), "平成31年1月8日"},
    };
    for (const Case& c : cases) {
        COleDateTime date = c.date;
        CString strText;
        CDateFormat().Format(&date, pDate->m_listItems.GetHead(), strText);
        EXPECT_STREQ(c.pszText, strText);
    }
}

// Each form drawn on the screen at 100 % into <tests>\sampleforms-<id>.png
// for looking at; the title is drawn.
TEST_F(SampleFormsTest, DrawsOnScreen)
{
    struct Case
    {
        UINT nLayoutID;
        const char* pszTitle;
    };
    const Case cases[] = {{9001, "納品書"}, {9002, "御請求書"}, {9003, "伝票"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLayoutID);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID));
        CWnd host;
        if (c.nLayoutID == 9001)
            FillDeliveryNote(form, host);
        RECT paper = {0, 0, 2100, 2970};
        CNPropObj::ConvertRectUnits(nullptr, &paper, TRUE);
        MemoryCanvas canvas(paper.right, paper.bottom);
        {
            CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
            for (CPropData* pFace : form.Faces())
                pFace->DrawAll(&dc, 1);
        }
        const std::string path = TestProgramFolder() + "\\sampleforms-" + std::to_string(c.nLayoutID) + ".png";
        EXPECT_TRUE(SavePng(canvas, path)) << path;

        CNPropObj* pTitle = form.FindByFirstItem(c.pszTitle);
        ASSERT_NE(nullptr, pTitle);
        RECT title = pTitle->m_rect;
        CNPropObj::ConvertRectUnits(nullptr, &title, TRUE);
        EXPECT_GT(canvas.countInked(title), 0);
    }
}

// Each row's amount is its quantity times its unit price, the subtotal
// their sum, the tax 5 % of it (no "TAX.aut" in the install tree) cut to
// whole yen, the total both; all drawn with separators, the total after a
// yen sign.
TEST_F(SampleFormsTest, DeliveryNoteComputesAmountsTaxAndTotal)
{
    CSampleFormWnd form;
    ASSERT_EQ(1, form.SetFormat(9001));
    CWnd host;
    FillDeliveryNote(form, host);
    const CPropData* pFace = form.Face(1);
    const struct
    {
        UINT nOrder;
        const char* pszValue;
        const char* pszDrawn;
    } cases[] = {
        {15, "3600", "3,600"}, {20, "1125", "1,125"}, {25, "", ""}, {62, "4725", "4,725"}, {63, "236", "236"},
        {8, "4961", "￥4,961"}, {12, "3", "3"}, {17, "2.5", "2.5"},
    };
    for (const auto& c : cases) {
        CNPropObjDocNum* pField = dynamic_cast<CNPropObjDocNum*>(pFace->GetPropObjByOrder(c.nOrder));
        ASSERT_NE(nullptr, pField) << c.nOrder;
        EXPECT_STREQ(c.pszValue, pField->m_strData) << c.nOrder;
        EXPECT_STREQ(c.pszDrawn, pField->WithAffixes(CNPropObjDocNum::SeparatedNumber(pField->m_strData)))
            << c.nOrder;
    }
}

// The picture, check-box and barcode fields of the forms on the screen:
// the empty picture's grey cross, the check box's caption and mark, and the
// invoice's postal customer barcode once it has its text.
TEST_F(SampleFormsTest, PictureCheckBoxAndBarcodeDraw)
{
    struct Case
    {
        UINT nLayoutID;
        UINT nMen;
        UINT nOrder;
        const char* pszValue;
    };
    const Case cases[] = {{9001, 1, 61, ""}, {9002, 1, 55, "1"}, {9002, 1, 54, "12345673-5-2"}, {9003, 2, 8, "1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLayoutID << " order " << c.nOrder);
        CSampleFormWnd form;
        ASSERT_EQ(1, form.SetFormat(c.nLayoutID));
        CNPropObj* pField = form.Face(c.nMen)->GetPropObjByOrder(c.nOrder);
        ASSERT_NE(nullptr, pField);
        pField->SetText(c.pszValue);
        pField->LoadToControl(0);
        RECT rect = pField->m_rect;
        CNPropObj::ConvertRectUnits(nullptr, &rect, TRUE);
        MemoryCanvas canvas(rect.right + 10, rect.bottom + 10);
        CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
        pField->Draw(&dc, 1);
        EXPECT_GT(canvas.countInked(rect), 0);
        if (pField->IsKindOf(RUNTIME_CLASS(CNPropObjBarcode))) {
            // The start bar, 21 characters of three bars and the stop bar.
            EXPECT_EQ(67, BlackRuns(canvas, (rect.top + rect.bottom) / 2, rect.left, rect.right));
        }
    }
}

}  // namespace
