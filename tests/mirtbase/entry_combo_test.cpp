// The combo-box window with its edit part, and the calendar display
// window.
#include <gtest/gtest.h>

#include "entry_fixture.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "npropobjcalnd.h"
#include "npropobjcb.h"
#include "npropwndcalnd.h"
#include "npropwndcb.h"

namespace {

class ComboWindowTest : public EntryWindowTest
{
protected:
    CNPropWndCB* MakeCombo(std::initializer_list<const char*> items, DWORD dwComboStyle = CBS_DROPDOWN)
    {
        m_pField = MakeField<CNPropObjCB>(0x07, CNPropObjCtrl::STYLE_DEFAULT | WS_VSCROLL | dwComboStyle);
        m_pField->m_dwFlags = CNPropWndCB::FLAG_EDIT_PART;
        CStringList list;
        for (const char* item : items)
            list.AddTail(item);
        m_pField->CNPropObj::SetList(list);
        return static_cast<CNPropWndCB*>(Create(m_pField));
    }
    std::string Data() const
    {
        CString strData;
        m_pField->CNPropObj::GetText(strData);
        return std::string(strData);
    }
    static std::string Text(CWnd* pWnd)
    {
        CString strText;
        pWnd->GetWindowText(strText);
        return std::string(strText);
    }

    CNPropObjCB* m_pField = nullptr;
};

TEST_F(ComboWindowTest, ValuesLoadByExactMatch)
{
    CNPropWndCB* pCombo = MakeCombo({"東京都", "大阪", "東京"});
    ASSERT_NE(nullptr, pCombo);
    Command(pCombo, WCMD_LIST, FALSE);
    ASSERT_EQ(3, pCombo->GetCount());
    EXPECT_EQ(0, pCombo->GetCurSel());
    // A value that no item equals (CB_ERR) shows as the edit text.
    const struct
    {
        const char* value;
        int nSel;
        const char* text;
    } cases[] = {
        {"東京", 2, "東京"},
        {"大阪", 1, "大阪"},
        {"東", CB_ERR, "東"},
        {"京都市", CB_ERR, "京都市"},
    };
    for (const auto& c : cases) {
        m_pField->CNPropObj::SetText(c.value);
        Command(pCombo, WCMD_DATA, FALSE);
        if (c.nSel != CB_ERR) {
            EXPECT_EQ(c.nSel, pCombo->GetCurSel()) << c.value;
        }
        EXPECT_EQ(c.text, Text(pCombo)) << c.value;
    }
}

TEST_F(ComboWindowTest, TextSavesAsTheValueEvenWhenErased)
{
    CNPropWndCB* pCombo = MakeCombo({"a", "b"});
    Command(pCombo, WCMD_LIST, FALSE);
    pCombo->SetWindowText("typed");
    Command(pCombo, WCMD_DATA, TRUE);
    EXPECT_EQ("typed", Data());
    pCombo->SetWindowText("");
    Command(pCombo, WCMD_DATA, TRUE);
    EXPECT_EQ("", Data());
}

TEST_F(ComboWindowTest, ItemListRoundTrip)
{
    CNPropWndCB* pCombo = MakeCombo({"一", "二"});
    Command(pCombo, WCMD_LIST, FALSE);
    Command(pCombo, WCMD_LIST, FALSE);
    EXPECT_EQ(2, pCombo->GetCount()) << "a reload replaces the items";
    pCombo->AddString("三");
    Command(pCombo, WCMD_LIST, TRUE);
    CStringList saved;
    m_pField->CNPropObj::GetList(saved);
    EXPECT_EQ((std::vector<std::string>{"一", "二", "三"}), ItemsOf(saved));
    Command(pCombo, WCMD_RESET, TRUE);
    EXPECT_EQ(0, pCombo->GetCurSel());
}

// An empty choice list loads without a message; the lone failure message
// is left for a list that will not select.
TEST_F(ComboWindowTest, EmptyListLoadsQuietly)
{
    CNPropWndCB* pCombo = MakeCombo({});
    MessageBoxRecorder boxes;
    Command(pCombo, WCMD_LIST, FALSE);
    EXPECT_EQ(0, pCombo->GetCount());
    EXPECT_TRUE(boxes.shown().empty());
}

// A drop-down list has no edit part: none is subclassed and nothing is
// shown; a drop-down one gets its edit subclassed with the combo box's
// parent as the target.
TEST_F(ComboWindowTest, EditPartIsSubclassedWhenThereIsOne)
{
    MessageBoxRecorder boxes;
    CNPropWndCB* pList = MakeCombo({"a"}, CBS_DROPDOWNLIST);
    ASSERT_NE(nullptr, pList);
    EXPECT_EQ(nullptr, pList->m_wndEdit.GetSafeHwnd());
    CNPropWndCB* pDrop = MakeCombo({"a"});
    ASSERT_NE(nullptr, pDrop->m_wndEdit.GetSafeHwnd());
    EXPECT_EQ(m_view.GetSafeHwnd(), pDrop->m_wndEdit.m_hTarget);
    EXPECT_EQ(m_pField, pDrop->m_wndEdit.m_pField);
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(ComboWindowTest, ChangesAndClicksAreReported)
{
    CNPropWndCB* pCombo = MakeCombo({"a", "b"});
    Command(pCombo, WCMD_LIST, FALSE);
    m_view.TakeLog();
    pCombo->m_wndEdit.SendMessage(WM_CHAR, 'x', 0);
    EXPECT_EQ("modify 0 ", m_view.TakeLog());
    pCombo->SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    pCombo->SendMessage(WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    EXPECT_EQ("right ", m_frame.TakeLog()) << "to the parent's parent";
    EXPECT_EQ(1, pCombo->SendMessage(CNPropWndCB::MSG_QUERY));
    int nAnswer = 7;
    pCombo->SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), MIRT_CLIP_PASTE);
    EXPECT_EQ(0, nAnswer);
}

// The lock makes the edit part read-only until it is lifted.
TEST_F(ComboWindowTest, LockedComboTakesNoTyping)
{
    CNPropWndCB* pCombo = MakeCombo({"a"});
    Command(pCombo, WCMD_LIST, FALSE);
    Command(pCombo, WCMD_LOCK, FALSE);
    pCombo->m_wndEdit.SendMessage(WM_CHAR, 'x', 0);
    EXPECT_EQ("a", Text(pCombo));
    Command(pCombo, WCMD_LOCK, TRUE);
    pCombo->m_wndEdit.SetSel(1, 1);
    pCombo->m_wndEdit.SendMessage(WM_CHAR, 'x', 0);
    EXPECT_EQ("ax", Text(pCombo));
}

TEST_F(ComboWindowTest, EditMenuGraysPasteWithoutText)
{
    CNPropWndCB* pCombo = MakeCombo({"a"});
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    ::CloseClipboard();
    ModalScript script;
    UINT nPaste = 0;
    script.ExpectMenu([&](CMenu* pMenu) {
        nPaste = pMenu->GetMenuState(57637, MF_BYCOMMAND);
        return 57635u;
    });
    pCombo->m_wndEdit.SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pCombo->m_wndEdit.GetSafeHwnd()),
        MAKELPARAM(10, 10));
    EXPECT_NE(0u, nPaste & MF_GRAYED);
    EXPECT_EQ("command 57635 ", m_view.TakeLog()) << "the combo box's parent gets the command";
}

// A calendar field counting its activations, which must come before the
// posted moves.
class CCountingCalnd : public CNPropObjCalndStd
{
public:
    using CNPropObjCalndStd::CNPropObjCalndStd;
    int Activate() override
    {
        MSG msg;
        m_bMessagesWaiting = ::PeekMessageA(&msg, nullptr, MsgUserMove, MsgUserModify, PM_NOREMOVE);
        return ++m_nActivated;
    }
    int m_nActivated = 0;
    BOOL m_bMessagesWaiting = FALSE;
};

using CalendarWindowTest = EntryWindowTest;

TEST_F(CalendarWindowTest, ClickAndEnterActivateThenMove)
{
    CCountingCalnd* pField = MakeField<CCountingCalnd>();
    CWnd* pWnd = Create(pField);
    ASSERT_NE(nullptr, dynamic_cast<CNPropWndCalnd*>(pWnd));
    pWnd->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(1, pField->m_nActivated);
    EXPECT_FALSE(pField->m_bMessagesWaiting);
    EXPECT_EQ("move 1 modify 1 ", m_view.TakeLog());
    pWnd->SendMessage(WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(2, pField->m_nActivated);
    EXPECT_EQ("move 1 ", m_view.TakeLog());
    int nAnswer = 7;
    pWnd->SendMessage(MsgQueryClipBoard, reinterpret_cast<WPARAM>(&nAnswer), MIRT_CLIP_COPY);
    EXPECT_EQ(0, nAnswer);
}

// The window paints the field's calendar inside its red frame.
TEST_F(CalendarWindowTest, PaintsTheCalendarInARedFrame)
{
    CNPropObjCalndStd* pField = MakeField<CNPropObjCalndStd>();
    CWnd* pWnd = Create(pField);
    m_frame.ShowWindow(SW_SHOW);
    Command(pWnd, WCMD_DATA, FALSE);
    CRect client;
    pWnd->GetClientRect(&client);
    HDC hDC = ::GetDC(pWnd->GetSafeHwnd());
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hDC, client.Width() / 2, 1));
    EXPECT_EQ(RGB(255, 0, 0), ::GetPixel(hDC, 1, client.Height() / 2));
    ::ReleaseDC(pWnd->GetSafeHwnd(), hDC);
    m_frame.ShowWindow(SW_HIDE);
}

}  // namespace
