// Entry windows of real fields on a plain parent window: the parent
// records what they post and send to it, a frame above it what goes to
// the parent's parent (menu commands, the combo box's clicks).
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "windowcommand.h"

// Records MsgUserMove as "move <lParam>", MsgUserModify as "modify
// <lParam>", the combo box's 0x403 and 0x40B as "left" and "right", and
// WM_COMMAND as "command <id>", each followed by a space.
class CEntryHost : public CWnd
{
public:
    // A top-level window, or a child of pParent.
    explicit CEntryHost(CWnd* pParent = nullptr);
    ~CEntryHost() override;

    // Dispatches the waiting messages; the log since the last call.
    std::string TakeLog();

    std::string m_log;
    std::vector<WPARAM> m_fields;   // wParam of every move and change

protected:
    afx_msg LRESULT OnUserMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUserModify(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnLeftClick(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRightClick(WPARAM wParam, LPARAM lParam);
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    DECLARE_MESSAGE_MAP()
};

// A frame, the view in it (the entry windows' parent) and a form window
// without a window that owns the fields and whose parent is the view.
class EntryWindowTest : public testing::Test
{
protected:
    EntryWindowTest();

    // Owned by the test: order, rectangle (0.1 mm), input bits, style,
    // owner set, run-time mode MODE_ENTRY.
    template <class TField>
    TField* MakeField(DWORD dwInput = 0x07, DWORD dwStyle = CNPropObjCtrl::STYLE_DEFAULT)
    {
        TField* pField = new TField(MakeBlock(m_nNextOrder++, {10, 10, 410, 110}, dwInput), dwStyle, 0);
        pField->m_pOwner = &m_form;
        pField->SetMode(CNPropObj::MODE_ENTRY);
        m_fields.emplace_back(pField);
        return pField;
    }
    // The field's entry window made on the view.
    CWnd* Create(CNPropObjCtrl* pField);

    CEntryHost m_frame;
    CEntryHost m_view;
    CTestFormWnd m_form;
    std::vector<std::unique_ptr<CNPropObj>> m_fields;
    UINT m_nNextOrder = 1;
};

// Hands the window command to the window.
void Command(CWnd* pWnd, DWORD nCommand, BOOL bSave);
