// The in-place editor of text fields: the whiteboard around the field, the
// value stored in each number kind's form (a table worked out by hand),
// typing and pasting by number kind, one undo state, the caret at the end
// on focus, and the first change and overflow notices.
#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "entry_fixture.h"
#include "form_window.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "npropobjdoc.h"
#include "npropwnddoc.h"
#include "mirtbase.h"
#include "npropwndwb.h"
#include "page_fixture.h"
#include "zeb95.h"

namespace {

const RECT kRect = {10, 10, 210, 60};

TEST(InPlaceEditorTest, ValuesStoredByNumberKind)
{
    struct Case
    {
        const char* pszText;
        int nKind, nFieldNumKind;
        const char* pszStored;
    };
    const Case kCases[] = {
        {"", CNPropWndWB::KIND_SIX_DIGITS, 0, "000000"},
        {"", CNPropWndWB::KIND_DECIMAL, 1, ""},
        {"42.7", CNPropWndWB::KIND_SIX_DIGITS, 0, "000043"},
        {"-3.9", CNPropWndWB::KIND_WHOLE, 0, "-3"},
        {"-0.5", CNPropWndWB::KIND_WHOLE, 0, "0"},
        {"0.004", CNPropWndWB::KIND_DECIMAL, 1, "0.00"},
        {"-0.004", CNPropWndWB::KIND_DECIMAL, 1, "0.00"},
        {"12.3456", CNPropWndWB::KIND_DECIMAL, 1, "12.35"},   // rounded as the numeric text window does
        {"12.5", CNPropWndWB::KIND_DECIMAL, 2, "12.5"},
        {"12", CNPropWndWB::KIND_DECIMAL, 2, "12"},
        {".5", CNPropWndWB::KIND_DECIMAL, 2, "0.5"},
        {"12.5", CNPropWndWB::KIND_DECIMAL, 1, "12.50"},
        {"-12x", CNPropWndWB::KIND_DIGITS, 0, "-12x"},
        {"a\r\nb", CNPropWndWB::KIND_TEXT, 3, "a\r\nb"},
    };
    for (const Case& c : kCases)
        EXPECT_EQ(c.pszStored, std::string(CNPropWndEdt::StoreValue(c.pszText, c.nKind, c.nFieldNumKind)))
            << c.pszText << " kind " << c.nKind;
}

class InPlaceEditorWindowTest : public testing::Test
{
protected:
    InPlaceEditorWindowTest() { m_form.CreateUnder(&m_host); }

    // The editor of a text field in a whiteboard of number kind nKind.
    CNPropWndEdt* Make(int nKind)
    {
        m_pWB.reset(new CNPropWndWB);
        const HWND hWhiteBoard = m_pWB->Create(kRect.left, kRect.top, kRect.right, kRect.bottom, &m_form,
            m_pField.get(), nKind, CNPropWndWB::FRAME_GREEN);
        EXPECT_NE(nullptr, hWhiteBoard);
        EXPECT_EQ(1, m_pWB->AttachDoc(zebCreateObjDoc(hWhiteBoard, nullptr, nullptr)));
        return m_pWB->GetEditor();
    }
    void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p != '\0'; ++p)
            m_pWB->GetEditor()->SendMessage(WM_CHAR, static_cast<BYTE>(*p), 1);
    }
    std::string Text() const
    {
        return std::string(CNPropWndDoc::ReadAllText(m_pWB->GetEditor()->GetSafeHwnd()));
    }
    POINT Caret() const
    {
        POINT pt = {-1, -1};
        zebGetCaret(m_pWB->GetEditor()->GetSafeHwnd(), &pt);
        return pt;
    }
    int Pending(HWND hWnd, UINT nMessage)
    {
        int nCount = 0;
        MSG msg;
        while (::PeekMessageA(&msg, hWnd, nMessage, nMessage, PM_REMOVE))
            nCount++;
        return nCount;
    }

    CHostWnd m_host;
    CWindowedFormWnd m_form;
    std::unique_ptr<CNPropObjDoc> m_pField{TextField(1, kRect)};
    std::unique_ptr<CNPropWndWB> m_pWB;
};

TEST_F(InPlaceEditorWindowTest, TheWhiteboardStandsAroundTheField)
{
    Make(CNPropWndWB::KIND_TEXT);
    CRect rcWindow;
    m_pWB->GetWindowRect(&rcWindow);
    m_form.ScreenToClient(&rcWindow);
    EXPECT_EQ(CRect(8, 8, 212, 62), rcWindow);
    EXPECT_EQ(CNPropWndWB::WB_CONTROL_ID, ::GetDlgCtrlID(m_pWB->GetSafeHwnd()));
    CWindowedFormWnd noWindow;
    CNPropWndWB other;
    EXPECT_EQ(nullptr, other.Create(0, 0, 10, 10, &noWindow, m_pField.get(), 1, 1));
    EXPECT_EQ(0, other.AttachDoc(nullptr));
}

TEST_F(InPlaceEditorWindowTest, TypingAndPastingByNumberKind)
{
    struct Case
    {
        int nKind;
        const char* pszKeys;
        const char* pszText;
    };
    const Case kCases[] = {
        {CNPropWndWB::KIND_TEXT, "ab.-1", "ab.-1"},
        {CNPropWndWB::KIND_DECIMAL, "1a.5-", "1.5-"},
        {CNPropWndWB::KIND_WHOLE, "1a.5-", "15-"},
        {CNPropWndWB::KIND_SIX_DIGITS, "1a.5-", "15-"},
        {CNPropWndWB::KIND_NONE, "1a.5-", ""},
    };
    for (const Case& c : kCases) {
        Make(c.nKind);
        Type(c.pszKeys);
        EXPECT_EQ(c.pszText, Text()) << c.nKind;
    }

    CNPropWndEdt* pEditor = Make(CNPropWndWB::KIND_SIX_DIGITS);
    CNPropWndDoc::PutClipboardText(nullptr, "1,234");
    Command(pEditor, WCMD_PASTE, TRUE);
    EXPECT_EQ("001234", Text());
    EXPECT_EQ(6, Caret().x);

    pEditor = Make(CNPropWndWB::KIND_WHOLE);
    Type("12");
    CNPropWndDoc::PutClipboardText(nullptr, "3");
    Command(pEditor, WCMD_PASTE, TRUE);
    EXPECT_EQ("123", Text()) << "the whole number that results";
}

TEST_F(InPlaceEditorWindowTest, UndoSwapsWithTheOneKeptState)
{
    CNPropWndEdt* pEditor = Make(CNPropWndWB::KIND_TEXT);
    m_pField->m_strData = "abc";
    Command(pEditor, WCMD_DATA, FALSE);
    EXPECT_EQ("abc", Text());
    Type("x");
    const std::string strTyped = Text();
    ASSERT_NE("abc", strTyped);
    Command(pEditor, WCMD_UNDO, TRUE);
    EXPECT_EQ("abc", Text());
    Command(pEditor, WCMD_UNDO, TRUE);
    EXPECT_EQ(strTyped, Text());
    Command(pEditor, WCMD_DATA, TRUE);
    EXPECT_EQ(strTyped, std::string(m_pField->m_strData));
}

TEST_F(InPlaceEditorWindowTest, FocusPutsTheCaretAtTheEndOfTheLastLine)
{
    CNPropWndEdt* pEditor = Make(CNPropWndWB::KIND_TEXT);
    zebSetSelText(pEditor->GetSafeHwnd(), "ab\r\ncde");
    zebSetCaret(pEditor->GetSafeHwnd(), 0, 0);
    pEditor->SendMessage(MsgUserSetFocus);
    EXPECT_EQ(3, Caret().x);
    EXPECT_EQ(1, Caret().y);
}

TEST_F(InPlaceEditorWindowTest, ContextMenuFollowsTheSelectionTheUndoStateAndTheText)
{
    CNPropWndEdt* pEditor = Make(CNPropWndWB::KIND_TEXT);
    struct Case
    {
        bool bType, bSelect;
        UINT nCut, nUndo, nSelectAll;
    };
    const Case kCases[] = {
        {false, false, MF_GRAYED, MF_GRAYED, MF_GRAYED},
        {true, false, MF_GRAYED, 0, 0},
        {true, true, 0, 0, 0},
    };
    for (const Case& c : kCases) {
        if (c.bType)
            Type("ab");
        if (c.bSelect)
            Command(pEditor, WCMD_SELECTALL, TRUE);
        ModalScript script;
        std::map<UINT, UINT> states;
        UINT nNumberState = 0;
        script.ExpectMenu([&](CMenu* pMenu) {
            for (UINT nID : {57643u, 57635u, 57634u, 57632u, 57642u})
                states[nID] = pMenu->GetMenuState(nID, MF_BYCOMMAND) & MF_GRAYED;
            CMenu* pFormat = pMenu->GetSubMenu(static_cast<int>(pMenu->GetMenuItemCount()) - 1);
            nNumberState = pFormat->GetMenuState(3, MF_BYPOSITION) & MF_GRAYED;
            return 0u;
        });
        pEditor->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pEditor->GetSafeHwnd()), MAKELPARAM(5, 5));
        EXPECT_EQ(c.nCut, states[57635]) << c.bType << c.bSelect;
        EXPECT_EQ(c.nCut, states[57634]);
        EXPECT_EQ(c.nCut, states[57632]);
        EXPECT_EQ(c.nUndo, states[57643]) << "typing leaves an undo state";
        EXPECT_EQ(c.nSelectAll, states[57642]);
        EXPECT_EQ(static_cast<UINT>(MF_GRAYED), nNumberState) << "not a number field";
    }
}

TEST_F(InPlaceEditorWindowTest, OneFirstChangeAndOneOverflowNoticePerDocument)
{
    Make(CNPropWndWB::KIND_TEXT);
    const LPARAM lDoc = reinterpret_cast<LPARAM>(m_pWB->GetEditor()->GetSafeHwnd());
    EXPECT_EQ(0, m_pWB->SendMessage(MsgZebCmd, MAKEWPARAM(0, 101), lDoc));
    EXPECT_EQ(0, m_pWB->SendMessage(MsgZebCmd, MAKEWPARAM(0, 101), lDoc));
    EXPECT_EQ(1, Pending(m_form.GetSafeHwnd(), MsgUserModify));
    EXPECT_EQ(1, m_pWB->SendMessage(MsgZebCmd, MAKEWPARAM(2, 112), lDoc));
    EXPECT_EQ(1, m_pWB->SendMessage(MsgZebCmd, MAKEWPARAM(2, 112), lDoc));
    EXPECT_EQ(1, Pending(m_pWB->GetSafeHwnd(), MsgUserRovf));
}

}  // namespace
