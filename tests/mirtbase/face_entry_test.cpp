// Entry windows of a face window lent a page by its print frame: each
// non-text field of the sample forms, and a face of combo boxes and
// buttons, is focused, given a value through its window by real messages,
// left, focused again, and its value found in the page taken back out.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "choicelist.h"
#include "entry_fixture.h"
#include "install_root.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "nmirtdoc.h"
#include "npropobjbtncheck.h"
#include "npropobjbtnsub.h"
#include "npropobjcalnd.h"
#include "npropobjcb.h"
#include "npropobjpic.h"
#include "npropwndbtn.h"
#include "npropwndcalnd.h"
#include "npropwndcb.h"
#include "npropwndcheck.h"
#include "npropwndpic.h"
#include "page_fixture.h"
#include "picture_host.h"
#include "sample_install.h"

namespace {

// Calendar sheet controls: year, month, special-day entry and its button.
const int kCalndYear = 1002, kCalndMonth = 1004, kCalndSpecialDay = 1010, kCalndSpecialAdd = 1001;
// Choice-list editor controls: the entry text, add mode and commit.
const int kChoiceText = 1023, kChoiceAdd = 1016, kChoiceCommit = 1006;

void Click(CWnd* pWnd)
{
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    pWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
}

// The user picks item nIndex from a combo box's list.
void Pick(CWnd* pCombo, int nIndex)
{
    pCombo->SendMessage(CB_SETCURSEL, static_cast<WPARAM>(nIndex));
    pCombo->GetParent()->SendMessage(WM_COMMAND, MAKEWPARAM(pCombo->GetDlgCtrlID(), CBN_SELCHANGE),
        reinterpret_cast<LPARAM>(pCombo->m_hWnd));
}

// Puts a file name on the clipboard as the host does, under "CF_VLMDIB".
void PutPictureName(const char* pszName)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const size_t nSize = std::strlen(pszName) + 1;
    HGLOBAL hData = ::GlobalAlloc(GMEM_MOVEABLE, nSize);
    std::memcpy(::GlobalLock(hData), pszName, nSize);
    ::GlobalUnlock(hData);
    ::SetClipboardData(::RegisterClipboardFormatA("CF_VLMDIB"), hData);
    ::CloseClipboard();
}

// The calendar's settings sheet, run by its click: year 2030, July, the
// 10th a special day, OK.
void ExpectCalendarSheet(ModalScript& script)
{
    script.ExpectDialog([](CWnd* pSheet) {
        const HWND hSheet = pSheet->GetSafeHwnd();
        HWND hPage = PropSheet_GetCurrentPageHwnd(hSheet);
        ::SetDlgItemTextA(hPage, kCalndYear, "2030");
        ::SendDlgItemMessageA(hPage, kCalndMonth, CB_SETCURSEL, 6, 0);
        ::SendMessageA(hPage, WM_COMMAND, MAKEWPARAM(kCalndMonth, CBN_SELCHANGE),
            reinterpret_cast<LPARAM>(::GetDlgItem(hPage, kCalndMonth)));
        PropSheet_SetCurSel(hSheet, nullptr, 1);
        ModalScript::PumpPending();
        hPage = PropSheet_GetCurrentPageHwnd(hSheet);
        ::SetDlgItemTextA(hPage, kCalndSpecialDay, "10");
        ModalScript::Click(CWnd::FromHandle(hPage), kCalndSpecialAdd);
        pSheet->SendMessage(PSM_PRESSBUTTON, PSBTN_OK);
    });
}

// A host view in a frame, the host program as the main window (pictures),
// and a print frame whose faces a face window shows on the view.
class FaceEntryTest : public ::testing::Test
{
protected:
    FaceEntryTest() : m_app("FaceEntryTest"), m_view(&m_host) { m_app.m_pMainWnd = &m_pictures; }
    ~FaceEntryTest() override { m_app.m_pMainWnd = nullptr; }

    // Focuses the field of that order through the face window: its entry
    // window must be there, on the view, of the class expected.
    CWnd* Focus(CMirtBaseMen& men, UINT nOrder, const CRuntimeClass* pClass)
    {
        men.SetFocusByOrderNo(nOrder);
        CNPropObjCtrl* pField = dynamic_cast<CNPropObjCtrl*>(men.GetCurrentField());
        if (pField == nullptr || pField->m_nOrder != nOrder) {
            ADD_FAILURE() << "field " << nOrder << " takes no focus";
            return nullptr;
        }
        CWnd* pWnd = pField->GetControl();
        if (pWnd == nullptr || pWnd->GetSafeHwnd() == nullptr) {
            ADD_FAILURE() << "field " << nOrder << " has no entry window";
            return nullptr;
        }
        EXPECT_EQ(pClass, pWnd->GetRuntimeClass()) << nOrder;
        EXPECT_EQ(m_view.m_hWnd, ::GetParent(pWnd->m_hWnd)) << nOrder;
        const HWND hFocus = ::GetFocus();
        EXPECT_TRUE(hFocus == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hFocus)) << nOrder;
        return pWnd;
    }

    CWinApp m_app;
    CPictureHost m_pictures;
    CEntryHost m_host;
    CEntryHost m_view;
    CMirtBasePrtFrm m_frame;
};

// What the user does in one entry window, and the value it leaves.
struct EntryAction
{
    const CRuntimeClass* pWindowClass;
    std::function<void(CMirtBaseMen& men, CWnd* pWnd)> enter;
    std::string value;
};

// The sample forms' non-text fields: check boxes are clicked, calendars
// clicked and set in their sheet, pictures pasted into; null for text
// fields, groups and barcodes.
const EntryAction* SampleAction(CNPropObj* pField)
{
    static const EntryAction kCheck = {RUNTIME_CLASS(CNPropWndCheck), [](CMirtBaseMen&, CWnd* pWnd) { Click(pWnd); }, ""};
    static const EntryAction kCalendar = {RUNTIME_CLASS(CNPropWndCalnd),
        [](CMirtBaseMen&, CWnd* pWnd) {
            ModalScript script;
            ExpectCalendarSheet(script);
            Click(pWnd);
        },
        "2030/07"};
    static const EntryAction kPicture = {RUNTIME_CLASS(CNPropWndPic),
        [](CMirtBaseMen& men, CWnd* pWnd) {
            PutPictureName("seal.bmp");
            men.SetUserClipBoard(pWnd, MIRT_CLIP_PASTE);
        },
        "seal.bmp"};
    if (dynamic_cast<CNPropObjBtnCheck*>(pField) != nullptr)
        return &kCheck;
    if (dynamic_cast<CNPropObjCalnd*>(pField) != nullptr)
        return &kCalendar;
    if (dynamic_cast<CNPropObjPic*>(pField) != nullptr)
        return &kPicture;
    return nullptr;
}

class SampleFaceEntryTest : public FaceEntryTest, public ::testing::WithParamInterface<UINT>
{
protected:
    SampleFaceEntryTest() { CMirtEnv::SetRootOverride(SampleInstallRoot().c_str()); }
    ~SampleFaceEntryTest() override { CMirtEnv::SetRootOverride(nullptr); }
};

TEST_P(SampleFaceEntryTest, NonTextFieldsTakeValuesThroughTheirWindows)
{
    ASSERT_EQ(1, m_frame.SetFormat(GetParam()));
    CNMirtDoc* pPage = SamplePage(GetParam());
    ASSERT_NE(nullptr, pPage);
    std::map<UINT, UINT> faces;   // face: its highest order
    for (POSITION pos = pPage->RefList()->GetHeadPosition(); pos != nullptr;) {
        const UINT nMen = static_cast<CPropData*>(pPage->RefList()->GetNext(pos))->m_nMen;
        faces[nMen] = pPage->GetMaxOrder(nMen);
    }
    m_frame.SetData(pPage);

    std::map<std::pair<UINT, UINT>, std::string> expected;
    for (const auto& face : faces) {
        const UINT nMen = face.first;
        CMirtBaseMen men;
        men.SetParentWnd(&m_view);
        m_frame.SetMen(&men, nMen);
        for (UINT nOrder = 1; nOrder <= face.second; ++nOrder) {
            CNPropObj* pField = men.GetPropObjByOrder(nOrder);
            const EntryAction* pAction = pField != nullptr ? SampleAction(pField) : nullptr;
            if (pAction == nullptr || !pField->IsEditable())
                continue;
            SCOPED_TRACE(testing::Message() << "face " << nMen << " field " << nOrder);
            const std::string strBefore(pField->m_strData);
            CWnd* pWnd = Focus(men, nOrder, pAction->pWindowClass);
            ASSERT_NE(nullptr, pWnd);
            pAction->enter(men, pWnd);
            std::string strValue = pAction->value;
            if (strValue.empty())   // the check box: the other state
                strValue = strBefore == "1" ? "0" : "1";
            // Left: the value goes into the page; focused again: a new
            // window showing it.
            men.SetFocusByOrderNo(nOrder == 1 ? 2 : 1);
            EXPECT_EQ(nullptr, static_cast<CNPropObjCtrl*>(pField)->GetControl());
            EXPECT_EQ(strValue, std::string(m_frame.GetPropObjByOrder(nOrder, nMen)->m_strData));
            ASSERT_NE(nullptr, Focus(men, nOrder, pAction->pWindowClass));
            pField->SaveFromControl();
            EXPECT_EQ(strValue, std::string(pField->m_strData));
            expected[{nMen, nOrder}] = strValue;
        }
        m_frame.GetMen(&men, nMen, 1);
    }
    ::OpenClipboard(nullptr);
    ::EmptyClipboard();
    ::CloseClipboard();
    EXPECT_FALSE(expected.empty());
    std::unique_ptr<CNMirtDoc> pBack(m_frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    for (const auto& entry : expected) {
        CNPropObj* pField = pBack->GetPropObjByOrder(entry.first.second, entry.first.first);
        ASSERT_NE(nullptr, pField);
        EXPECT_EQ(entry.second, std::string(pField->m_strData)) << entry.first.second;
        if (CNPropObjCalnd* pCalendar = dynamic_cast<CNPropObjCalnd*>(pField)) {
            EXPECT_EQ(2030, pCalendar->m_nYear);
            ASSERT_EQ(1, pCalendar->m_arMarkedDays.GetSize());
            EXPECT_EQ(10u, pCalendar->m_arMarkedDays[0]);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, SampleFaceEntryTest, ::testing::Values(9001u, 9002u, 9003u));

// On a zoomed face window whose host view is scrolled (the margin is the
// scroll in layout units at that zoom, 378 pixels to 1000), the windows a
// focus makes sit where the view draws their fields: the zoomed rectangle
// less the scroll.
TEST_F(SampleFaceEntryTest, WindowsOfAZoomedScrolledFaceSitOnTheirFields)
{
    const int kZoom = 60;
    const CPoint scroll(30, 400);
    ASSERT_EQ(1, m_frame.SetFormat(9002));
    CNMirtDoc* pPage = SamplePage(9002);
    ASSERT_NE(nullptr, pPage);
    const UINT nMaxOrder = pPage->GetMaxOrder(1);
    m_frame.SetData(pPage);
    CMirtBaseMen men;
    men.SetParentWnd(&m_view);
    men.SetPercent(kZoom);
    men.SetMargin(CSize(::MulDiv(scroll.x, 100000, 378 * kZoom), ::MulDiv(scroll.y, 100000, 378 * kZoom)));
    m_frame.SetMen(&men, 1);
    int nWindows = 0;
    for (UINT nOrder = 1; nOrder <= nMaxOrder; ++nOrder) {
        CNPropObjCtrl* pField = dynamic_cast<CNPropObjCtrl*>(men.GetPropObjByOrder(nOrder));
        const EntryAction* pAction = pField != nullptr ? SampleAction(pField) : nullptr;
        if (pAction == nullptr)
            continue;
        CWnd* pWnd = Focus(men, nOrder, pAction->pWindowClass);
        ASSERT_NE(nullptr, pWnd);
        CRect rcWindow;
        pWnd->GetWindowRect(&rcWindow);
        m_view.ScreenToClient(&rcWindow);
        CClientDC dc(&m_view);
        pField->CalcDeviceRect(&dc);
        CRect rcDrawn(pField->m_rcDevice);
        rcDrawn.OffsetRect(-scroll);
        EXPECT_NEAR(rcDrawn.left, rcWindow.left, 1) << nOrder;
        EXPECT_NEAR(rcDrawn.top, rcWindow.top, 1) << nOrder;
        EXPECT_EQ(rcDrawn.Size(), rcWindow.Size()) << nOrder;
        nWindows++;
    }
    EXPECT_EQ(2, nWindows) << "the check box and the calendar";
}

// A face of the families the sample forms lack: an editable combo box, a
// drop-down list reading its choices from a file, a push button with a
// check state, a check box and the choice-list button of the list. Each
// field's window comes back each time the face window focuses it.
class ComboButtonFaceTest : public FaceEntryTest
{
protected:
    enum : UINT { kLayoutID = 9104, kCombo = 1, kList = 2, kButton = 3, kCheck = 4, kChoices = 5 };

    void SetUp() override
    {
        ::CreateDirectoryA((m_install.m_root + "\\DATA\\OTHER").c_str(), nullptr);
        m_pLayout = MakeLayout(kLayoutID, {CPoint(0, 0)});
        ASSERT_EQ(1, m_frame.SetFormat(m_pLayout.get()));
        CNPropObjCB* pCombo = Field<CNPropObjCB>(kCombo, CBS_DROPDOWN | WS_VSCROLL);
        pCombo->m_dwFlags = CNPropWndCB::FLAG_EDIT_PART;
        for (LPCSTR pszItem : {"東京都", "東京", "大阪"})
            pCombo->m_listItems.AddTail(pszItem);
        CNPropObjCBEdt* pList = Field<CNPropObjCBEdt>(kList, CBS_DROPDOWNLIST | WS_VSCROLL);
        for (LPCSTR pszItem : {"A", "B"})
            pList->m_listItems.AddTail(pszItem);
        CNPropObjBtnEdtCmb* pChoices = Field<CNPropObjBtnEdtCmb>(kChoices, BS_PUSHBUTTON);
        pChoices->m_nTargetOrder = kList;
        delete m_frame.SetData(MakePage({Face(1, {pCombo, pList, Field<CNPropObjBtn>(kButton, BS_AUTOCHECKBOX),
                                                     Field<CNPropObjBtnCheck>(kCheck, 0), pChoices})}));
        m_men.SetParentWnd(&m_view);
        m_frame.SetMen(&m_men, 1);
    }

    template <class TField>
    TField* Field(UINT nOrder, DWORD dwStyle)
    {
        const LONG nTop = static_cast<LONG>(nOrder) * 150;
        return new TField(MakeBlock(nOrder, {100, nTop, 900, nTop + 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT | dwStyle, 0);
    }

    std::string PageValue(UINT nOrder) { return std::string(m_frame.GetPropObjByOrder(nOrder, 1)->m_strData); }

    ScratchInstallRoot m_install;
    std::unique_ptr<CNMirtLayoutData> m_pLayout;
    CMirtBaseMen m_men;
};

TEST_F(ComboButtonFaceTest, EachFieldGetsItsWindowOnEveryFocus)
{
    const struct
    {
        UINT nOrder;
        EntryAction action;
    } kSteps[] = {
        {kCombo, {RUNTIME_CLASS(CNPropWndCB), [](CMirtBaseMen&, CWnd* pWnd) { Pick(pWnd, 1); }, "東京"}},
        {kList, {RUNTIME_CLASS(CNPropWndCB), [](CMirtBaseMen&, CWnd* pWnd) { Pick(pWnd, 1); }, "B"}},
        {kButton, {RUNTIME_CLASS(CNPropWndBtn), [](CMirtBaseMen&, CWnd* pWnd) { pWnd->SendMessage(BM_CLICK); }, "YES"}},
        {kCheck, {RUNTIME_CLASS(CNPropWndCheck), [](CMirtBaseMen&, CWnd* pWnd) { Click(pWnd); }, "1"}},
    };
    for (int nRound = 0; nRound < 2; ++nRound) {
        for (const auto& step : kSteps) {
            SCOPED_TRACE(testing::Message() << "round " << nRound << " field " << step.nOrder);
            CWnd* pWnd = Focus(m_men, step.nOrder, step.action.pWindowClass);
            ASSERT_NE(nullptr, pWnd);
            if (nRound == 0) {
                step.action.enter(m_men, pWnd);
                continue;
            }
            // Shown again as left, the exact item chosen, not a longer one
            // it begins.
            if (step.action.pWindowClass == RUNTIME_CLASS(CNPropWndCB)) {
                CString strText;
                pWnd->GetWindowText(strText);
                EXPECT_EQ(step.action.value, std::string(strText));
                EXPECT_EQ(1, pWnd->SendMessage(CB_GETCURSEL));
            }
            EXPECT_EQ(step.action.value, PageValue(step.nOrder));
        }
    }
    m_frame.GetMen(&m_men, 1, 1);
    std::unique_ptr<CNMirtDoc> pBack(m_frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    for (const auto& step : kSteps)
        EXPECT_EQ(step.action.value, std::string(pBack->GetPropObjByOrder(step.nOrder, 1)->m_strData)) << step.nOrder;
}

// The choice-list button's click opens the editor on the list's choices; an
// entry added there is written to the list's file and offered by the list
// the next time it is focused.
TEST_F(ComboButtonFaceTest, ChoiceButtonEditsTheListsChoices)
{
    std::vector<std::string> shown;
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) {
            ModalScript::Click(pDialog, kChoiceAdd);
            ::SetDlgItemTextA(pDialog->m_hWnd, kChoiceText, "C");
            ModalScript::Click(pDialog, kChoiceCommit);
            ModalScript::Click(pDialog, IDOK);
        });
        CWnd* pButton = Focus(m_men, kChoices, RUNTIME_CLASS(CNPropWndBtn));
        ASSERT_NE(nullptr, pButton);
        Click(pButton);
    }
    CStringList written;
    ASSERT_EQ(CChoiceList::READ_DONE, CChoiceList::Read(CChoiceList::PathOf(kLayoutID, kList), written));
    EXPECT_EQ((std::vector<std::string>{"A", "B", "C"}), ItemsOf(written));
    CWnd* pList = Focus(m_men, kList, RUNTIME_CLASS(CNPropWndCB));
    ASSERT_NE(nullptr, pList);
    ASSERT_EQ(3, pList->SendMessage(CB_GETCOUNT));
    Pick(pList, 2);
    m_men.SetFocusByOrderNo(kCombo);
    EXPECT_EQ("C", PageValue(kList));
}

}  // namespace
