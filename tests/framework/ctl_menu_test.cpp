// Menus from the test's resources: items and their states, the handle
// maps, a window's menu bar, and popup menus answered through the modal
// script.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <string>

#include "afxdlgs.h"
#include "dlg_resource.h"
#include "modal_script.h"

namespace {

// Grays "cut" when a menu becomes active and "paste" when its popup opens;
// logs those messages, the commands it gets and the menu bar's
// recalculations.
class CMenuOwner : public CWnd
{
public:
    std::string m_log;
    CMenu* m_pInitMenu = nullptr;

protected:
    afx_msg void OnInitMenu(CMenu* pMenu)
    {
        m_log += "menu;";
        m_pInitMenu = pMenu;
        pMenu->EnableMenuItem(ID_DLG_CUT, MF_BYCOMMAND | MF_GRAYED);
        CWnd::OnInitMenu(pMenu);
    }
    afx_msg LRESULT OnNcCalcSize(WPARAM, LPARAM)
    {
        m_log += "frame;";
        return Default();
    }
    afx_msg LRESULT OnInitMenuPopup(WPARAM wParam, LPARAM)
    {
        m_log += "init;";
        CMenu::FromHandle(reinterpret_cast<HMENU>(wParam))->EnableMenuItem(ID_DLG_PASTE, MF_BYCOMMAND | MF_GRAYED);
        return 0;
    }
    afx_msg void OnCopy() { m_log += "copy;"; }
    afx_msg void OnCut() { m_log += "cut;"; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMenuOwner, CWnd)
    ON_WM_INITMENU()
    ON_MESSAGE(WM_NCCALCSIZE, OnNcCalcSize)
    ON_MESSAGE(WM_INITMENUPOPUP, OnInitMenuPopup)
    ON_COMMAND(ID_DLG_COPY, OnCopy)
    ON_COMMAND(ID_DLG_CUT, OnCut)
END_MESSAGE_MAP()

class CtlMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
            nullptr));
        ASSERT_TRUE(m_menu.LoadMenu(IDR_DLG_MENU));
    }

    void TearDown() override
    {
        m_owner.DestroyWindow();
        CMenu::DeleteTempMap();
    }

    CMenuOwner m_owner;
    CMenu m_menu;
};

TEST_F(CtlMenuTest, ItemsOfALoadedMenu)
{
    ASSERT_EQ(1u, m_menu.GetMenuItemCount());
    EXPECT_EQ(static_cast<UINT>(-1), m_menu.GetMenuItemID(0));
    CString text;
    EXPECT_EQ(8, m_menu.GetMenuString(0, text, MF_BYPOSITION));
    EXPECT_STREQ("編集(&E)", text);

    CMenu* pPopup = m_menu.GetSubMenu(0);
    ASSERT_NE(nullptr, pPopup);
    EXPECT_EQ(pPopup, m_menu.GetSubMenu(0));   // one temporary per handle
    ASSERT_EQ(4u, pPopup->GetMenuItemCount());
    const UINT ids[] = {ID_DLG_CUT, ID_DLG_COPY, 0, ID_DLG_PASTE};
    for (int nPos = 0; nPos < 4; ++nPos)
        EXPECT_EQ(ids[nPos], pPopup->GetMenuItemID(nPos)) << nPos;
    EXPECT_GT(pPopup->GetMenuString(ID_DLG_COPY, text, MF_BYCOMMAND), 0);
    EXPECT_STREQ("コピー(&C)", text);
    EXPECT_EQ(0, pPopup->GetMenuString(9999, text, MF_BYCOMMAND));
    EXPECT_STREQ("", text);

    EXPECT_EQ(static_cast<UINT>(MF_ENABLED), pPopup->EnableMenuItem(ID_DLG_CUT, MF_BYCOMMAND | MF_GRAYED));
    EXPECT_EQ(static_cast<UINT>(MF_UNCHECKED), pPopup->CheckMenuItem(1, MF_BYPOSITION | MF_CHECKED));
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), pPopup->GetMenuState(ID_DLG_CUT, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_EQ(static_cast<UINT>(MF_CHECKED), pPopup->GetMenuState(ID_DLG_COPY, MF_BYCOMMAND) & MF_CHECKED);
    EXPECT_EQ(static_cast<UINT>(-1), pPopup->EnableMenuItem(9999, MF_BYCOMMAND | MF_ENABLED));
}

TEST_F(CtlMenuTest, AttachedMenusAreFoundAndDestroyedWithTheirObject)
{
    HMENU hMenu = nullptr;
    {
        CMenu popup;
        ASSERT_TRUE(popup.CreatePopupMenu());
        ASSERT_TRUE(popup.AppendMenu(MF_STRING, 1, "一"));
        hMenu = popup.m_hMenu;
        EXPECT_EQ(&popup, CMenu::FromHandle(hMenu));
        EXPECT_EQ(&popup, CMenu::FromHandlePermanent(hMenu));
        CMenu other;
        EXPECT_FALSE(other.Attach(hMenu));   // one object per menu

        EXPECT_EQ(hMenu, popup.Detach());
        EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hMenu));
        EXPECT_NE(&popup, CMenu::FromHandle(hMenu));
        ASSERT_TRUE(popup.Attach(hMenu));
    }
    EXPECT_FALSE(::IsMenu(hMenu));
}

TEST_F(CtlMenuTest, TheMenuBarOfAWindowIsItsObjectOrATemporary)
{
    EXPECT_EQ(nullptr, m_owner.GetMenu());

    ASSERT_TRUE(::SetMenu(m_owner.m_hWnd, m_menu.m_hMenu));
    EXPECT_EQ(&m_menu, m_owner.GetMenu());
    // A top-level item greyed by position; the bar is laid out again.
    m_owner.GetMenu()->EnableMenuItem(0, MF_BYPOSITION | MF_GRAYED);
    m_owner.m_log.clear();
    m_owner.DrawMenuBar();
    EXPECT_EQ("frame;", m_owner.m_log);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), m_menu.GetMenuState(0, MF_BYPOSITION) & MF_GRAYED);

    const HMENU hLoaded = ::LoadMenuA(AfxGetResourceHandle(), MAKEINTRESOURCEA(IDR_DLG_MENU));
    ASSERT_TRUE(::SetMenu(m_owner.m_hWnd, hLoaded));
    CMenu* pTemporary = m_owner.GetMenu();
    ASSERT_NE(nullptr, pTemporary);
    EXPECT_EQ(hLoaded, pTemporary->m_hMenu);
    EXPECT_EQ(pTemporary, m_owner.GetMenu());
    EXPECT_EQ(nullptr, CMenu::FromHandlePermanent(hLoaded));
    ::SetMenu(m_owner.m_hWnd, nullptr);
    ::DestroyMenu(hLoaded);
}

TEST_F(CtlMenuTest, ActivatingTheMenuBarSendsInitMenuWithTheBar)
{
    ASSERT_TRUE(::SetMenu(m_owner.m_hWnd, m_menu.m_hMenu));
    m_owner.m_log.clear();
    m_owner.SendMessage(WM_INITMENU, reinterpret_cast<WPARAM>(m_menu.m_hMenu));
    EXPECT_EQ("menu;", m_owner.m_log);
    EXPECT_EQ(&m_menu, m_owner.m_pInitMenu);
    EXPECT_EQ(static_cast<UINT>(MF_GRAYED), m_menu.GetMenuState(ID_DLG_CUT, MF_BYCOMMAND) & MF_GRAYED);
    ::SetMenu(m_owner.m_hWnd, nullptr);
}

TEST_F(CtlMenuTest, PopupMenusAreAnsweredByTheScript)
{
    const struct {
        UINT nFlags;
        UINT nChosen;
        BOOL nReturned;
        const char* pszLog;   // of the owner, after its posted commands
    } cases[] = {
        {TPM_LEFTALIGN, ID_DLG_COPY, TRUE, "menu;init;copy;"},
        {TPM_LEFTALIGN, 0, TRUE, "menu;init;"},
        {TPM_RETURNCMD, ID_DLG_CUT, ID_DLG_CUT, "menu;init;"},
        {TPM_RETURNCMD | TPM_NONOTIFY, ID_DLG_CUT, ID_DLG_CUT, ""},
    };
    CMenu* pPopup = m_menu.GetSubMenu(0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pszLog);
        m_owner.m_log.clear();
        m_owner.m_pInitMenu = nullptr;
        pPopup->EnableMenuItem(ID_DLG_PASTE, MF_BYCOMMAND | MF_ENABLED);
        pPopup->EnableMenuItem(ID_DLG_CUT, MF_BYCOMMAND | MF_ENABLED);
        ModalScript script;
        UINT nPasteState = 0;
        UINT nCutState = 0;
        script.ExpectMenu([&](CMenu* pMenu) {
            EXPECT_EQ(pPopup, pMenu);
            nPasteState = pMenu->GetMenuState(ID_DLG_PASTE, MF_BYCOMMAND) & MF_GRAYED;
            nCutState = pMenu->GetMenuState(ID_DLG_CUT, MF_BYCOMMAND) & MF_GRAYED;
            return c.nChosen;
        });
        EXPECT_EQ(c.nReturned, pPopup->TrackPopupMenu(c.nFlags, 10, 10, &m_owner));
        ModalScript::PumpPending();
        EXPECT_EQ(c.pszLog, m_owner.m_log);
        // The script sees the menu as the owner prepared it.
        const UINT nPrepared = *c.pszLog != '\0' ? static_cast<UINT>(MF_GRAYED) : 0u;
        EXPECT_EQ(nPrepared, nPasteState);
        EXPECT_EQ(nPrepared, nCutState);
        EXPECT_EQ(*c.pszLog != '\0' ? pPopup : nullptr, m_owner.m_pInitMenu);
    }
}

void TrackUnansweredMenu(CMenu* pPopup, CWnd* pOwner)
{
    ModalScript script;
    EXPECT_EQ(0, pPopup->TrackPopupMenu(TPM_RETURNCMD, 0, 0, pOwner));
}

TEST_F(CtlMenuTest, UnansweredMenuFailsTheTestAndChoosesNothing)
{
    static CMenu* s_pPopup;
    static CWnd* s_pOwner;
    s_pPopup = m_menu.GetSubMenu(0);
    s_pOwner = &m_owner;
    EXPECT_NONFATAL_FAILURE(TrackUnansweredMenu(s_pPopup, s_pOwner), "unexpected popup menu");
}

}  // namespace
