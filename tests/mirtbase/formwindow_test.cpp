// The form window base as a window: a sample form loaded with its fields'
// entry windows under a real parent, fields found by order, the pixel
// rectangles, and the message handlers the form windows share.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "canvas.h"
#include "form_window.h"
#include "leakcheck.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "sample_install.h"

namespace {

// The entry windows under hParent with the id, in z order.
std::vector<HWND> ChildrenWithId(HWND hParent, int nId)
{
    std::vector<HWND> found;
    for (HWND h = ::GetWindow(hParent, GW_CHILD); h != nullptr; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (::GetDlgCtrlID(h) == nId)
            found.push_back(h);
    }
    return found;
}

class SampleFormWindowTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CMirtEnv::SetRootOverride(SampleInstallRoot().c_str());
        ASSERT_TRUE(m_form.CreateUnder(&m_host));
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    CHostWnd m_host;
    CWindowedFormWnd m_form;
};

// The slip sheet: three faces of the same fields, each face's check box
// (order 8) an entry window of the host, placed on its face.
TEST_F(SampleFormWindowTest, FacesMakeEntryWindowsUnderTheParent)
{
    ASSERT_EQ(1, m_form.SetFormat(9003)) << SampleInstallRoot();
    m_form.SetParentWnd(&m_host);
    EXPECT_EQ(3u, m_form.GetMenCount());
    EXPECT_EQ(CRect(0, 0, 2100, 2970), m_form.GetAriaRectM());
    ASSERT_EQ(3, m_form.Men().GetCount());
    for (POSITION pos = m_form.Men().GetHeadPosition(); pos != nullptr;) {
        CPropData* pFace = static_cast<CPropData*>(m_form.Men().GetNext(pos));
        POSITION posField;
        for (CNPropObj* p = pFace->GetFirstPropObj(posField); p != nullptr; p = pFace->GetNextPropObj(posField))
            p->m_pOwner = &m_form;
        pFace->CreateControls(&m_host, 1, 1);
    }

    const std::vector<HWND> checks = ChildrenWithId(m_host.m_hWnd, 8 + CNPropObjCtrl::CONTROL_ID_BASE);
    ASSERT_EQ(3u, checks.size());
    LONG nPreviousTop = -1;
    for (UINT nMen = 1; nMen <= 3; nMen++) {
        SCOPED_TRACE(nMen);
        CNPropObjBtnCheck* pCheck = dynamic_cast<CNPropObjBtnCheck*>(m_form.GetPropObjByOrder(8, nMen));
        ASSERT_NE(nullptr, pCheck);
        CWnd* pEntry = pCheck->GetControl();
        ASSERT_NE(nullptr, pEntry);
        EXPECT_EQ(m_host.m_hWnd, ::GetParent(pEntry->m_hWnd));
        EXPECT_NE(checks.end(), std::find(checks.begin(), checks.end(), pEntry->m_hWnd));
        CRect rect;
        pEntry->GetWindowRect(&rect);
        EXPECT_GT(rect.top, nPreviousTop);
        nPreviousTop = rect.top;
        // A field of the same face is found through it.
        EXPECT_EQ(m_form.GetPropObjByOrder(4, nMen), m_form.GetPropObjByOrder(pCheck, 4));
    }
    EXPECT_EQ(m_form.GetPropObjByOrder(8, 1), m_form.GetPropObjByOrder(8));
    EXPECT_EQ(nullptr, m_form.GetPropObjByOrder(8, 4));
    EXPECT_EQ(nullptr, m_form.GetPropObjByOrder(99));
}

// The first match over the lists in order; by face, only the first list of
// that face number is searched.
TEST(FormWindowTest, FieldsByOrder)
{
    CTestFormWnd form;
    CTestGroup* pOutside5 = new CTestGroup(MakeBlock(5, {0, 0, 10, 10}));
    CTestGroup* pFace5 = new CTestGroup(MakeBlock(5, {0, 0, 10, 10}));
    CTestGroup* pFace6 = new CTestGroup(MakeBlock(6, {0, 0, 10, 10}));
    CTestGroup* pAgain7 = new CTestGroup(MakeBlock(7, {0, 0, 10, 10}));
    CTestGroup* pSecond6 = new CTestGroup(MakeBlock(6, {0, 0, 10, 10}));
    const struct
    {
        UINT nMen;
        std::vector<CNPropObj*> fields;
    } lists[] = {{0, {pOutside5}}, {1, {pFace5, pFace6}}, {1, {pAgain7}}, {2, {pSecond6}}};
    for (const auto& l : lists) {
        CPropData* pFace = new CPropData;
        pFace->m_nMen = l.nMen;
        for (CNPropObj* pField : l.fields)
            pFace->AddPropObj(pField);
        form.AddFace(pFace);
    }
    const struct
    {
        UINT nOrder;
        int nMen;   // -1: any face
        CNPropObj* pFound;
    } cases[] = {
        {5, -1, pOutside5}, {6, -1, pFace6}, {7, -1, pAgain7}, {8, -1, nullptr},
        {5, 1, pFace5}, {6, 1, pFace6}, {7, 1, nullptr}, {6, 2, pSecond6}, {5, 3, nullptr},
    };
    for (const auto& c : cases) {
        CNPropObj* pFound = c.nMen < 0 ? form.GetPropObjByOrder(c.nOrder)
                                       : form.GetPropObjByOrder(c.nOrder, static_cast<UINT>(c.nMen));
        EXPECT_EQ(c.pFound, pFound) << c.nOrder << " face " << c.nMen;
    }
    EXPECT_EQ(pSecond6, form.GetPropObjByOrder(pSecond6, 6));
    EXPECT_EQ(nullptr, form.GetPropObjByOrder(pSecond6, 5));
    EXPECT_EQ(nullptr, form.GetPropObjNP(pFace5, 1));
}

// Through the parent's client context (378 pixels to 1000 units): the area
// and the layout's third rectangle zoomed and moved by the margin, the
// layout's second rectangle as it is.
TEST(FormWindowTest, PixelRectangles)
{
    struct Case
    {
        UINT nPercent;
        CRect aria;
        CRect second;
        CRect third;
    };
    const Case cases[] = {
        {100, {378, 1134, 1134, 1890}, {378, 756, 756, 1134}, {0, 378, 378, 756}},
        {150, {378, 1323, 1512, 2457}, {378, 756, 945, 1323}, {0, 378, 378, 756}},
        {33, {378, 880, 627, 1130}, {378, 756, 502, 880}, {0, 378, 378, 756}},
    };
    CHostWnd host;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nPercent);
        CWindowedFormWnd form;
        CNMirtLayoutData* pLayout = new CNMirtLayoutData;
        pLayout->m_LayoutData.m_rectAria = {0, 1000, 2000, 3000};
        pLayout->m_LayoutData.m_rectSecond = {0, 1000, 1000, 2000};
        pLayout->m_LayoutData.m_rectThird = {0, 0, 1000, 1000};
        form.SetLayout(pLayout);
        form.SetMargin(CSize(1000, 2000));
        form.SetPercent(c.nPercent);
        form.ChangeRectPix();
        EXPECT_TRUE(form.GetAriaRectPix().IsRectNull()) << "no parent";
        form.SetParentWnd(&host);
        form.ChangeRectPix();
        EXPECT_EQ(c.aria, form.GetAriaRectPix());
        EXPECT_EQ(c.second, form.SecondRectPix());
        EXPECT_EQ(c.third, form.GetThirdRectPix());
    }
}

// Every field of every face list is drawn as on the screen.
TEST(FormWindowTest, DrawFormatDrawsEveryFace)
{
    CTestFormWnd form;
    for (UINT nMen = 0; nMen < 2; nMen++) {
        CPropData* pFace = new CPropData;
        pFace->m_nMen = nMen;
        const LONG nLeft = static_cast<LONG>(nMen) * 1000;
        pFace->AddPropObj(new CTestGroup(MakeBlock(1, {nLeft, 0, nLeft + 500, 500})));
        form.AddFace(pFace);
    }
    MemoryCanvas canvas(800, 300);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    EXPECT_EQ(1, form.DrawFormat(&dc));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(90, 90));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(468, 90));
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(300, 90));
}

// MsgUserMove's target over a focus list: the next or previous field,
// wrapping at the ends, never the field itself, passing over barcodes,
// which have no entry window to take the focus.
TEST(FormWindowTest, MoveTargets)
{
    CTestGroup a(MakeBlock(1, {})), b(MakeBlock(2, {})), c(MakeBlock(3, {})), stranger(MakeBlock(4, {}));
    CNPropObjBarcode barFirst, barMiddle;
    CObList listFocus;
    listFocus.AddTail(&a);
    listFocus.AddTail(&b);
    listFocus.AddTail(&c);
    CObList listOne;
    listOne.AddTail(&a);
    CObList listBarcodes;
    for (CNPropObj* pField : std::initializer_list<CNPropObj*>{&barFirst, &a, &barMiddle, &c})
        listBarcodes.AddTail(pField);
    CObList listBarcodeAndOne;
    listBarcodeAndOne.AddTail(&barFirst);
    listBarcodeAndOne.AddTail(&a);
    const struct
    {
        const CObList* pList;
        CNPropObj* pField;
        BOOL bNext;
        CNPropObj* pTarget;
    } cases[] = {
        {&listFocus, &a, TRUE, &b}, {&listFocus, &c, TRUE, &a}, {&listFocus, &a, FALSE, &c},
        {&listFocus, &b, FALSE, &a}, {&listFocus, nullptr, TRUE, nullptr}, {&listFocus, &stranger, TRUE, nullptr},
        {&listOne, &a, TRUE, nullptr}, {&listOne, &a, FALSE, nullptr},
        {&listBarcodes, &a, TRUE, &c}, {&listBarcodes, &c, TRUE, &a}, {&listBarcodes, &a, FALSE, &c},
        {&listBarcodes, &c, FALSE, &a}, {&listBarcodeAndOne, &a, TRUE, nullptr},
        {&listBarcodeAndOne, &a, FALSE, nullptr},
    };
    for (const auto& t : cases) {
        EXPECT_EQ(t.pTarget, CWindowedFormWnd::GetMoveTarget(*t.pList, t.pField, t.bNext))
            << (t.pField != nullptr ? t.pField->m_nOrder : 0) << (t.bNext ? " next" : " previous");
    }
    EXPECT_EQ(&a, CWindowedFormWnd::GetFirstTarget(listFocus));
    EXPECT_EQ(&a, CWindowedFormWnd::GetFirstTarget(listBarcodes)) << "the barcode at the head is passed over";
    EXPECT_EQ(nullptr, CWindowedFormWnd::GetFirstTarget(CObList()));
}

class FormMessageTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_form.CreateUnder(&m_host)); }

    CHostWnd m_host;
    CWindowedFormWnd m_form;
};

TEST_F(FormMessageTest, UserModifyMarksTheWindow)
{
    EXPECT_EQ(0, m_form.SendMessage(MsgUserModify, 0, 1));
    EXPECT_EQ(1, m_form.GetModify());
}

// Only a child window of the form takes an action, and only 1..6, as the
// window command 4 higher; a pointer that is no child is never followed.
TEST_F(FormMessageTest, UserClipBoardReachesOnlyChildren)
{
    CTestGroup field(MakeBlock(1, {}));
    CTestEntryWnd child(&field);
    ASSERT_TRUE(child.CreateEx(0, "edit", "", WS_CHILD, CRect(0, 0, 50, 20), &m_form, 2001));
    CTestEntryWnd stranger(&field);
    ASSERT_TRUE(stranger.CreateEx(0, "edit", "", WS_CHILD, CRect(0, 0, 50, 20), &m_host, 2002));
    CWnd* pNotAWindow = reinterpret_cast<CWnd*>(static_cast<INT_PTR>(0x10));
    const struct
    {
        WPARAM nAction;
        CWnd* pTarget;
        const char* pszChildLog;
    } cases[] = {
        {1, &child, "5s"}, {6, &child, "10s"}, {0, &child, ""}, {7, &child, ""},
        {2, &stranger, ""}, {2, pNotAWindow, ""}, {3, nullptr, ""},
    };
    for (const auto& c : cases) {
        child.m_log.clear();
        EXPECT_EQ(0, m_form.SendMessage(MsgUserClipBoard, c.nAction, reinterpret_cast<LPARAM>(c.pTarget)));
        EXPECT_EQ(c.pszChildLog, child.Log()) << c.nAction;
        EXPECT_EQ("", stranger.Log()) << c.nAction;
    }
}

// A group field of another window's face links nothing; a null group
// neither.
TEST_F(FormMessageTest, UserSetGrpLinksTheMemberOfTheGroupsFace)
{
    CPropData* pFace = new CPropData;
    CTestGroup* pGroup = new CTestGroup(MakeBlock(1, {}));
    CTestGroup* pMember = new CTestGroup(MakeBlock(2, {}));
    pFace->AddPropObj(pGroup);
    pFace->AddPropObj(pMember);
    m_form.AddFace(pFace);
    CTestGroup stranger(MakeBlock(3, {}));
    EXPECT_EQ(0, m_form.SendMessage(MsgUserSetGrp, 0, 2));
    EXPECT_EQ(0, m_form.SendMessage(MsgUserSetGrp, reinterpret_cast<WPARAM>(&stranger), 2));
    EXPECT_EQ(nullptr, pMember->GetLink(1));
    EXPECT_EQ(0, m_form.SendMessage(MsgUserSetGrp, reinterpret_cast<WPARAM>(pGroup), 2));
    EXPECT_EQ(pGroup, pMember->GetLink(1));
}

void PumpMessages()
{
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
}

// The design keys' records posted to a form window are freed there.
TEST_F(FormMessageTest, FieldKeyRecordsAreFreed)
{
    const int kKeys = 2000;
    const auto postKeys = [&](int nCount) {
        for (int i = 0; i < nCount; i++) {
            tagFIELDKEY* pKey = new tagFIELDKEY{&m_form, nullptr, VK_LEFT, 1};
            ASSERT_TRUE(m_form.PostMessage(MsgFieldKey, reinterpret_cast<WPARAM>(pKey), 4));
            if (i % 500 == 499)
                PumpMessages();
        }
        PumpMessages();
    };
    postKeys(100);
    const SIZE_T nBefore = MeasureProcessHold().nHeapBytes;
    postKeys(kKeys);
    const SIZE_T nAfter = MeasureProcessHold().nHeapBytes;
    EXPECT_LT(nAfter, nBefore + kKeys * sizeof(tagFIELDKEY) / 4) << nBefore << " -> " << nAfter;
}

}  // namespace
