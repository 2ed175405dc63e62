#include "entry_fixture.h"

#include "mirtmsgs.h"
#include "modal_script.h"
#include "npropwndcb.h"

BEGIN_MESSAGE_MAP(CEntryHost, CWnd)
    ON_MESSAGE(MsgUserMove, OnUserMove)
    ON_MESSAGE(MsgUserModify, OnUserModify)
    ON_MESSAGE(CNPropWndCB::MSG_LEFT_CLICK, OnLeftClick)
    ON_MESSAGE(CNPropWndCB::MSG_RIGHT_CLICK, OnRightClick)
END_MESSAGE_MAP()

CEntryHost::CEntryHost(CWnd* pParent)
{
    const DWORD dwStyle = pParent != nullptr ? (WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN) : WS_OVERLAPPEDWINDOW;
    CreateEx(0, AfxRegisterWndClass(0), "host", dwStyle, 0, 0, 600, 400, pParent->GetSafeHwnd(), nullptr);
}

CEntryHost::~CEntryHost()
{
    DestroyWindow();
}

std::string CEntryHost::TakeLog()
{
    ModalScript::PumpPending();
    std::string log;
    log.swap(m_log);
    return log;
}

LRESULT CEntryHost::OnUserMove(WPARAM wParam, LPARAM lParam)
{
    m_log += "move " + std::to_string(lParam) + " ";
    m_fields.push_back(wParam);
    return 0;
}

LRESULT CEntryHost::OnUserModify(WPARAM wParam, LPARAM lParam)
{
    m_log += "modify " + std::to_string(lParam) + " ";
    m_fields.push_back(wParam);
    return 0;
}

LRESULT CEntryHost::OnLeftClick(WPARAM, LPARAM)
{
    m_log += "left ";
    return 0;
}

LRESULT CEntryHost::OnRightClick(WPARAM, LPARAM)
{
    m_log += "right ";
    return 0;
}

BOOL CEntryHost::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0) {
        m_log += "command " + std::to_string(LOWORD(wParam)) + " ";
        return TRUE;
    }
    return CWnd::OnCommand(wParam, lParam);
}

EntryWindowTest::EntryWindowTest() : m_view(&m_frame)
{
    m_form.SetParentWnd(&m_view);
}

CWnd* EntryWindowTest::Create(CNPropObjCtrl* pField)
{
    return pField->CreateControl(&m_view, 1);
}

void Command(CWnd* pWnd, DWORD nCommand, BOOL bSave)
{
    CWindowCommandDlg::Send(pWnd, nCommand, bSave);
}
