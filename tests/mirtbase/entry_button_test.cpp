// The button and check-box windows: their values in both directions, the
// caption, Enter and the click, and the input lock.
#include <gtest/gtest.h>

#include "canvas.h"
#include "entry_fixture.h"
#include "npropobjbtn.h"
#include "npropobjbtncheck.h"
#include "npropwndbtn.h"
#include "npropwndcheck.h"

namespace {

// A button that counts its actions.
class CCountingBtn : public CNPropObjBtn
{
public:
    using CNPropObjBtn::CNPropObjBtn;
    int Execute(DWORD, DWORD, DWORD) override { return ++m_nExecuted; }
    int m_nExecuted = 0;
};

std::string DataOf(CNPropObj* pField)
{
    CString strData;
    pField->CNPropObj::GetText(strData);
    return std::string(strData);
}

using ButtonWindowTest = EntryWindowTest;

TEST_F(ButtonWindowTest, ValuesRoundTrip)
{
    CNPropObjBtn* pField = MakeField<CNPropObjBtn>();
    CWnd* pWnd = Create(pField);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndBtn*>(pWnd));
    ::SetWindowLongA(pWnd->GetSafeHwnd(), GWL_STYLE, pWnd->GetStyle() | BS_AUTO3STATE);
    const struct
    {
        BOOL bReversed;
        int nCheck;
        const char* saved;
    } saves[] = {
        {FALSE, BST_CHECKED, "YES"}, {FALSE, BST_UNCHECKED, ""}, {FALSE, BST_INDETERMINATE, "UnKnown"},
        {TRUE, BST_CHECKED, ""}, {TRUE, BST_UNCHECKED, "YES"}, {TRUE, BST_INDETERMINATE, "UnKnown"},
    };
    for (const auto& c : saves) {
        pField->m_bInvert = c.bReversed;
        pWnd->SendMessage(BM_SETCHECK, static_cast<WPARAM>(c.nCheck));
        Command(pWnd, WCMD_DATA, TRUE);
        EXPECT_EQ(c.saved, DataOf(pField)) << c.bReversed << " " << c.nCheck;
        // What was saved loads back into the same state.
        pWnd->SendMessage(BM_SETCHECK, BST_UNCHECKED == c.nCheck ? BST_CHECKED : BST_UNCHECKED);
        Command(pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(c.nCheck, pWnd->SendMessage(BM_GETCHECK)) << c.saved;
    }
    const struct
    {
        BOOL bReversed;
        const char* data;
        int nCheck;
    } loads[] = {
        {FALSE, "Unknown", BST_INDETERMINATE}, {FALSE, "abc", BST_UNCHECKED}, {TRUE, "YES", BST_UNCHECKED},
        {TRUE, "abc", BST_CHECKED}, {TRUE, "Unknown", BST_INDETERMINATE},
    };
    for (const auto& c : loads) {
        pField->m_bInvert = c.bReversed;
        pField->CNPropObj::SetText(c.data);
        Command(pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(c.nCheck, pWnd->SendMessage(BM_GETCHECK)) << c.data << " " << c.bReversed;
    }
    Command(pWnd, WCMD_RESET, FALSE);
    EXPECT_EQ(BST_UNCHECKED, pWnd->SendMessage(BM_GETCHECK));
}

TEST_F(ButtonWindowTest, CaptionIsTheFirstItem)
{
    CNPropObjBtn* pField = MakeField<CNPropObjBtn>();
    CWnd* pWnd = Create(pField);
    CStringList list;
    list.AddTail("送信");
    list.AddTail("second");
    pField->CNPropObj::SetList(list);
    Command(pWnd, WCMD_LIST, FALSE);
    CString strCaption;
    pWnd->GetWindowText(strCaption);
    EXPECT_EQ("送信", std::string(strCaption));

    pWnd->SetWindowText("新しい");
    Command(pWnd, WCMD_LIST, TRUE);
    CStringList saved;
    pField->CNPropObj::GetList(saved);
    EXPECT_EQ(std::vector<std::string>{"新しい"}, ItemsOf(saved));

    CStringList empty;
    pField->CNPropObj::SetList(empty);
    Command(pWnd, WCMD_LIST, FALSE);
    pWnd->GetWindowText(strCaption);
    EXPECT_EQ("新しい", std::string(strCaption)) << "an empty list leaves the caption";
}

TEST_F(ButtonWindowTest, ClickAndEnterRunTheActionUnlessLocked)
{
    CCountingBtn* pField = MakeField<CCountingBtn>();
    CWnd* pWnd = Create(pField);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    pWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(1, pField->m_nExecuted) << "the reflected click";
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_EQ(2, pField->m_nExecuted);

    Command(pWnd, WCMD_LOCK, FALSE);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    pWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_EQ(2, pField->m_nExecuted) << "locked";
    Command(pWnd, WCMD_LOCK, TRUE);
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_EQ(3, pField->m_nExecuted);
}

// A field that is not editable gets a locked window at once.
TEST_F(ButtonWindowTest, NotEditableFieldLocksItsWindow)
{
    CCountingBtn* pField = MakeField<CCountingBtn>(0x04);
    CNPropWndBtn* pWnd = dynamic_cast<CNPropWndBtn*>(Create(pField));
    ASSERT_NE(nullptr, pWnd);
    EXPECT_TRUE(pWnd->IsInputLocked());
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_EQ(0, pField->m_nExecuted);
    Command(pWnd, WCMD_LOCK, TRUE);
}

using CheckWindowTest = EntryWindowTest;

TEST_F(CheckWindowTest, ValuesRoundTrip)
{
    CNPropObjBtnCheck* pField = MakeField<CNPropObjBtnCheck>();
    CWnd* pWnd = Create(pField);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndCheck*>(pWnd));
    EXPECT_EQ(static_cast<DWORD>(BS_OWNERDRAW), pWnd->GetStyle() & 0x0F);
    const struct
    {
        BOOL bReversed;
        BOOL bChecked;
        const char* saved;
    } saves[] = {{FALSE, TRUE, "1"}, {FALSE, FALSE, "0"}, {TRUE, TRUE, "0"}, {TRUE, FALSE, "1"}};
    for (const auto& c : saves) {
        pField->m_bInvert = c.bReversed;
        pField->SetChecked(c.bChecked);
        Command(pWnd, WCMD_DATA, TRUE);
        EXPECT_EQ(c.saved, DataOf(pField));
        pField->SetChecked(!c.bChecked);
        Command(pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(c.bChecked, pField->IsChecked()) << c.saved << " " << c.bReversed;
    }
    for (BOOL bChecked : {TRUE, FALSE}) {
        pField->SetChecked(bChecked);
        pField->CNPropObj::SetText("2");
        Command(pWnd, WCMD_DATA, FALSE);
        EXPECT_EQ(bChecked, pField->IsChecked()) << "other texts leave the state";
    }
    Command(pWnd, WCMD_RESET, TRUE);
    EXPECT_FALSE(pField->IsChecked());
}

TEST_F(CheckWindowTest, EnterAndClickToggleUnlessLocked)
{
    CNPropObjBtnCheck* pField = MakeField<CNPropObjBtnCheck>();
    CWnd* pWnd = Create(pField);
    pField->SetChecked(FALSE);
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    EXPECT_TRUE(pField->IsChecked());
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    pWnd->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(pField->IsChecked());
    Command(pWnd, WCMD_LOCK, FALSE);
    pWnd->SendMessage(WM_CHAR, '\r', 0);
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_FALSE(pField->IsChecked());
    Command(pWnd, WCMD_LOCK, TRUE);
}

// The check window answers the parent's control-colour question with the
// field's background brush.
TEST_F(CheckWindowTest, ControlColourIsTheFieldsBrush)
{
    CNPropObjBtnCheck* pField = MakeField<CNPropObjBtnCheck>();
    CWnd* pWnd = Create(pField);
    HDC hDC = ::GetDC(pWnd->GetSafeHwnd());
    const LRESULT lBrush = m_view.SendMessage(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hDC),
        reinterpret_cast<LPARAM>(pWnd->GetSafeHwnd()));
    ::ReleaseDC(pWnd->GetSafeHwnd(), hDC);
    EXPECT_EQ(reinterpret_cast<LRESULT>(pField->GetBackBrush()->GetSafeHandle()), lBrush);
}

// The parent's owner-drawing request reaches the check window: the field
// draws its square and mark, and the focused item gets the red frame.
TEST_F(CheckWindowTest, DrawsTheFieldAndTheFocusFrame)
{
    CNPropObjBtnCheck* pField = MakeField<CNPropObjBtnCheck>();
    CWnd* pWnd = Create(pField);
    pField->SetChecked(TRUE);
    CRect client;
    pWnd->GetClientRect(&client);
    for (UINT nState : {0u, static_cast<UINT>(ODS_FOCUS)}) {
        MemoryCanvas canvas(client.Width(), client.Height());
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = static_cast<UINT>(pWnd->GetDlgCtrlID());
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = nState;
        item.hwndItem = pWnd->GetSafeHwnd();
        item.hDC = canvas.dc();
        item.rcItem = client;
        m_view.SendMessage(WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
        const CRect square = pField->CalcCheckRect(client.left, client.top, client.right, client.bottom);
        EXPECT_GT(canvas.countInked(square), 0) << "the mark";
        EXPECT_EQ(nState != 0, canvas.pixel(client.Width() / 2, 1) == RGB(255, 0, 0)) << nState;
        EXPECT_EQ(nState != 0, canvas.pixel(client.Width() - 2, client.Height() / 2) == RGB(255, 0, 0)) << nState;
    }
}

}  // namespace
