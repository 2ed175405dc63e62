// What every entry window shares: the unsupported command numbers, the
// class style bits of commands 3 and 4, and Tab and Shift+Tab.
#include <gtest/gtest.h>

#include <functional>

#include "entry_fixture.h"
#include "entrywnd.h"
#include "held_keys.h"
#include "msgbox_recorder.h"
#include "npropobjbtn.h"
#include "npropobjbtncheck.h"
#include "npropobjcalnd.h"
#include "npropobjcb.h"
#include "npropobjline.h"
#include "npropobjpic.h"
#include "npropobjstc.h"
#include "npropwndcb.h"

namespace {

const char kUnsupported[] = "このウィンドウコマンドはサポートされていません。";

// How a window of a class is reached: made by its field, Tab as a
// character or as a key, and which commands 3 and 4 switch.
struct WindowKind
{
    const char* name;
    std::function<CWnd*()> make;
    UINT nTabMessage;     // 0: Tab is not taken
    BOOL bLockBit;
    BOOL bStyleBit;
};

class EntryProtocolTest : public EntryWindowTest
{
protected:
    CWnd* MakeCombo()
    {
        CNPropObjCB* pField = MakeField<CNPropObjCB>(0x07, CNPropObjCtrl::STYLE_DEFAULT | CBS_DROPDOWN);
        pField->m_dwFlags = CNPropWndCB::FLAG_EDIT_PART;
        return Create(pField);
    }
    CWnd* MakePictureFocus()
    {
        CNPropObjPic* pField = MakeField<CNPropObjPic>();
        pField->FocusControl();
        return pField->GetControl();
    }

    std::vector<WindowKind> Kinds()
    {
        return {
            {"button", [this] { return Make<CNPropObjBtn>(); }, WM_CHAR, TRUE, TRUE},
            {"check", [this] { return Make<CNPropObjBtnCheck>(); }, WM_CHAR, TRUE, TRUE},
            {"calendar", [this] { return Make<CNPropObjCalndStd>(); }, WM_KEYDOWN, TRUE, TRUE},
            {"combo", [this] { return MakeCombo(); }, WM_KEYDOWN, TRUE, TRUE},
            {"combo edit", [this] { return &static_cast<CNPropWndCB*>(MakeCombo())->m_wndEdit; }, WM_CHAR, FALSE,
                FALSE},
            {"picture", [this] { return MakePictureFocus(); }, WM_CHAR, FALSE, TRUE},
            {"picture object", [this] { return Make<CNPropObjPic>(); }, WM_KEYDOWN, FALSE, TRUE},
            {"metafile", [this] { return Make<CNPropObjStc>(); }, 0, TRUE, TRUE},
            {"line", [this] { return Make<CNPropObjLine>(); }, 0, FALSE, FALSE},
        };
    }

    template <class TField>
    CWnd* Make()
    {
        return Create(MakeField<TField>());
    }

    static DWORD ClassStyle(CWnd* pWnd)
    {
        return static_cast<DWORD>(::GetClassLongPtrA(pWnd->GetSafeHwnd(), GCL_STYLE));
    }
};

TEST_F(EntryProtocolTest, NumbersAboveTenAreUnsupported)
{
    for (const WindowKind& kind : Kinds()) {
        CWnd* pWnd = kind.make();
        ASSERT_NE(nullptr, pWnd) << kind.name;
        const BOOL bAsks = std::string(kind.name) != "combo edit" && std::string(kind.name) != "line";
        for (DWORD nCommand : {11u, 0xFFFFFFFFu}) {
            MessageBoxRecorder boxes;
            Command(pWnd, nCommand, FALSE);
            ASSERT_EQ(bAsks ? 1u : 0u, boxes.shown().size()) << kind.name << " " << nCommand;
            if (bAsks) {
                EXPECT_EQ(kUnsupported, boxes.shown()[0].text);
            }
        }
        MessageBoxRecorder none;
        for (DWORD nCommand = 0; nCommand <= WCMD_LAST; ++nCommand) {
            if (nCommand != WCMD_LOCK && nCommand != WCMD_STYLE && nCommand != WCMD_PASTE)
                Command(pWnd, nCommand, TRUE);
        }
        EXPECT_TRUE(none.shown().empty()) << kind.name;
    }
}

// Commands 3 and 4 switch bits of the whole window class: 3 sets 0x08000000
// to lock (save flag FALSE), 4 sets 0x10000000 with save flag TRUE.
TEST_F(EntryProtocolTest, CommandsThreeAndFourSwitchClassBits)
{
    for (const WindowKind& kind : Kinds()) {
        CWnd* pWnd = kind.make();
        ASSERT_NE(nullptr, pWnd) << kind.name;
        const DWORD dwBefore = ClassStyle(pWnd);
        Command(pWnd, WCMD_LOCK, FALSE);
        EXPECT_EQ(kind.bLockBit, (ClassStyle(pWnd) & CWindowCommandTarget::CLASS_BIT_LOCK) != 0) << kind.name;
        Command(pWnd, WCMD_STYLE, TRUE);
        EXPECT_EQ(kind.bStyleBit, (ClassStyle(pWnd) & CWindowCommandTarget::CLASS_BIT_STYLE) != 0) << kind.name;
        Command(pWnd, WCMD_LOCK, TRUE);
        Command(pWnd, WCMD_STYLE, FALSE);
        EXPECT_EQ(dwBefore, ClassStyle(pWnd)) << kind.name;
    }
}

TEST_F(EntryProtocolTest, TabMovesToTheNextFieldAndShiftTabBack)
{
    for (BOOL bShift : {FALSE, TRUE}) {
        for (const WindowKind& kind : Kinds()) {
            if (kind.nTabMessage == 0)
                continue;
            CWnd* pWnd = kind.make();
            ASSERT_NE(nullptr, pWnd) << kind.name;
            m_view.TakeLog();
            m_view.m_fields.clear();
            {
                std::unique_ptr<HeldKeys> shift(bShift ? new HeldKeys({VK_SHIFT}) : nullptr);
                pWnd->SendMessage(kind.nTabMessage, VK_TAB, 0);
            }
            EXPECT_EQ(bShift ? "move 0 " : "move 1 ", m_view.TakeLog()) << kind.name;
            ASSERT_EQ(1u, m_view.m_fields.size());
            EXPECT_EQ(reinterpret_cast<WPARAM>(m_fields.back().get()), m_view.m_fields[0]) << kind.name;
        }
    }
}

// The Tab character never reaches the control: the combo box's edit keeps
// its text, which then changes by the typed letter alone.
TEST_F(EntryProtocolTest, TabDoesNotReachTheEdit)
{
    CNPropWndCB* pCombo = static_cast<CNPropWndCB*>(MakeCombo());
    ASSERT_NE(nullptr, pCombo->m_wndEdit.GetSafeHwnd());
    pCombo->m_wndEdit.SetWindowText("ab");
    pCombo->m_wndEdit.SetSel(2, 2);
    pCombo->m_wndEdit.SendMessage(WM_CHAR, '\t', 0);
    pCombo->m_wndEdit.SendMessage(WM_CHAR, 'c', 0);
    CString strText;
    pCombo->m_wndEdit.GetWindowText(strText);
    EXPECT_EQ("abc", std::string(strText));
    EXPECT_EQ("move 1 modify 0 ", m_view.TakeLog());
}

}  // namespace
