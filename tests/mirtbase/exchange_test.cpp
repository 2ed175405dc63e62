// Values between a control-backed field and its entry window, through
// window commands handed to the window's data exchange.
#include <gtest/gtest.h>

#include <afxdlgs.h>

#include "canvas.h"
#include "field_fixture.h"
#include "live_field.h"
#include "windowcommand.h"

namespace {

// A live text field (takes input, carries data) of a form window, with its
// entry window under a host window.
class ExchangeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_NE(nullptr, m_host.m_hWnd);
        m_field.m_pOwner = &m_form;
        ASSERT_NE(nullptr, m_field.CreateControl(&m_host, 1));
    }

    CTestEntryWnd& Window() { return *static_cast<CTestEntryWnd*>(m_field.GetControl()); }
    std::string Log() { return Window().Log(); }
    void ClearLog() { Window().m_log.clear(); }

    CHostWnd m_host;
    CTestFormWnd m_form;
    CTestField m_field{MakeBlock(3, {0, 0, 500, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0};
};

TEST_F(ExchangeTest, EntryWindowIsMadeWithTheOrdersId)
{
    EXPECT_EQ(2003, Window().GetDlgCtrlID());
    EXPECT_EQ(m_host.m_hWnd, ::GetParent(Window().m_hWnd));
}

TEST_F(ExchangeTest, SetTextResetsTheWindowPutsTheDataAndRedraws)
{
    EXPECT_EQ(1, m_field.SetText("請求書"));
    EXPECT_STREQ("請求書", m_field.m_strData);
    EXPECT_EQ("2s 0l", Log());
    EXPECT_STREQ("請求書", Window().Text());
    ASSERT_EQ(1u, m_form.m_redrawn.size());
    EXPECT_EQ(&m_field, m_form.m_redrawn[0]);
}

TEST_F(ExchangeTest, SetTextOfAHiddenFieldOnlyResetsTheWindow)
{
    Window().SetWindowText("old");
    m_field.m_dwFlags = CNPropObj::FLAG_HIDDEN;
    EXPECT_EQ(1, m_field.SetText("new"));
    EXPECT_EQ("2s", Log());
    EXPECT_STREQ("", Window().Text());
    EXPECT_TRUE(m_form.m_redrawn.empty());
}

// The conversion request of text fields is accepted (and has nothing to
// convert here); the other request is refused.
TEST_F(ExchangeTest, SetTextTakesTheConversionRequestAndRefusesTheOther)
{
    EXPECT_EQ(1, m_field.SetText("a", 1));
    EXPECT_STREQ("a", m_field.m_strData);
    const int nExtra = 0;
    EXPECT_EQ(0, m_field.SetText("b", 0, &nExtra));
    EXPECT_STREQ("a", m_field.m_strData);

    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    ClearLog();
    EXPECT_EQ(0, m_field.SetText("c"));
    EXPECT_STREQ("a", m_field.m_strData);
    EXPECT_EQ("", Log());
}

TEST_F(ExchangeTest, FieldThatNoWindowShowsKeepsItsWindowOutOfIt)
{
    m_field.SetMode(0);
    EXPECT_EQ(1, m_field.SetText("x"));
    CString text;
    EXPECT_EQ(1, m_field.GetText(text));
    m_field.SaveFromControl();
    m_field.LoadToControl(1);
    EXPECT_EQ("", Log());
    EXPECT_STREQ("x", text);
}

TEST_F(ExchangeTest, GetTextTakesTheWindowsTextFirst)
{
    Window().SetWindowText("入力");
    CString text;
    EXPECT_EQ(1, m_field.GetText(text));
    EXPECT_STREQ("入力", text);
    EXPECT_STREQ("入力", m_field.m_strData);
    EXPECT_EQ("0s", Log());

    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    CString untouched = "keep";
    EXPECT_EQ(0, m_field.GetText(untouched));
    EXPECT_STREQ("keep", untouched);
}

TEST_F(ExchangeTest, ListsGoThroughTheWindowOnlyForFieldsWithoutData)
{
    CStringList list;
    list.AddTail("caller's");
    EXPECT_EQ(1, m_field.GetList(list));
    EXPECT_STREQ("caller's", list.GetHead());
    EXPECT_EQ(1, list.GetCount());
    EXPECT_EQ("", Log());

    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    CStringList items;
    items.AddTail("見積");
    items.AddTail("納品");
    EXPECT_EQ(1, m_field.SetList(items));
    EXPECT_EQ("2s 1l", Log());
    EXPECT_STREQ("見積", Window().m_strListItem);

    ClearLog();
    Window().m_strListItem = "請求";
    EXPECT_EQ(1, m_field.GetList(list));
    EXPECT_EQ("1s", Log());
    ASSERT_EQ(1, list.GetCount());
    EXPECT_STREQ("請求", list.GetHead());
}

TEST_F(ExchangeTest, SaveFromControlTakesTheDataOfDataFields)
{
    Window().SetWindowText("typed");
    m_field.SaveFromControl();
    EXPECT_STREQ("typed", m_field.m_strData);
    EXPECT_EQ("0s", Log());

    ClearLog();
    m_field.SetAttr(CNPropObj::ATTRIBUTE_INPUT, 0x03);
    m_field.SaveFromControl();
    EXPECT_EQ("", Log());
}

TEST_F(ExchangeTest, LoadToControlByEditabilityAndData)
{
    const LoadCase cases[] = {
        {"editable with data", 1, 0x07, 0, 0, "v", 0, "0l", "v"},
        {"editable, empty", 1, 0x07, 0, 0, "", 0, "", ""},
        {"editable, empty, with list", 1, 0x07, 0, 0, "", 1, "1l", ""},
        {"cleared for a new page", 1, 0x07, 0, 1, "v", 0, "2s 0l", "v"},
        {"locked, empty: the first item", 3, 0x07, 0, 0, "", 0, "0l", "first"},
        {"locked with data", 3, 0x07, 0, 0, "v", 0, "0l", "v"},
        {"no input, no data: the list", 1, 0x00, 0, 0, "", 0, "1l", ""},
        {"hidden", 1, 0x07, 0x20, 0, "", 1, "", ""},
        {"shown in no window", 0, 0x07, 0, 0, "v", 1, "", "v"},
    };
    for (const LoadCase& c : cases) {
        CTestField field(MakeBlock(1, {0, 0, 100, 100}, c.dwInput, c.dwClear), CNPropObjCtrl::STYLE_DEFAULT, 0);
        field.m_listItems.AddTail("first");
        ASSERT_NE(nullptr, field.CreateControl(&m_host, 0));
        ExpectLoad(field, *static_cast<CTestEntryWnd*>(field.GetControl()), c);
    }
}

TEST_F(ExchangeTest, ClearTextOnlyForFieldsClearedForANewPage)
{
    m_field.m_strData = "v";
    EXPECT_EQ(0, m_field.ClearText());
    EXPECT_STREQ("v", m_field.m_strData);
    EXPECT_EQ("", Log());

    m_field.SetAttr(CNPropObj::ATTRIBUTE_CLEAR, 1);
    EXPECT_EQ(1, m_field.ClearText());
    EXPECT_STREQ("", m_field.m_strData);
    EXPECT_EQ("2s", Log());
}

TEST_F(ExchangeTest, DestroyControlForgetsTheWindow)
{
    EXPECT_EQ(0, m_field.DestroyControl());
    EXPECT_EQ(nullptr, m_field.GetControl());
    EXPECT_FALSE(m_field.ExchangeWithControl(WCMD_DATA, TRUE));
    EXPECT_EQ(1, m_field.SetText("no window"));
    EXPECT_STREQ("no window", m_field.m_strData);
}

TEST_F(ExchangeTest, OtherExchangesCarryNoCommand)
{
    CDataExchange plain(&m_host, TRUE);
    EXPECT_EQ(nullptr, CWindowCommandDlg::FromExchange(&plain));
    EXPECT_EQ(nullptr, CWindowCommandDlg::FromExchange(nullptr));
    const CWindowCommandDlg dlg(WCMD_LOCK);
    const WindowCommand& command = dlg.GetCommand();
    EXPECT_EQ(1u, command.dwOne);
    EXPECT_EQ(static_cast<DWORD>(WCMD_LOCK), command.nCommand);
    EXPECT_EQ(0u, command.dwReserved1 | command.dwReserved2);
}

// A face list makes the entry windows of its fields under a form window,
// which becomes their owner when asked, and loads them.
TEST(FaceControlsTest, CreateLoadSyncAndDestroy)
{
    CTestFormWnd form;
    ASSERT_TRUE(form.CreateEx(0, AfxRegisterWndClass(0), "form", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr,
        nullptr));
    form.SetPercent(200);
    CPropData* pFace = new CPropData;
    CTestField* pText = new CTestField(MakeBlock(1, {0, 0, 100, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
    pText->m_strData = "値";
    pFace->AddPropObj(pText);
    CTestField* pLabel = new CTestField(MakeBlock(2, {0, 0, 100, 100}), CNPropObjCtrl::STYLE_DEFAULT, 0);
    pFace->AddPropObj(pLabel);
    form.AddFace(pFace);

    pFace->CreateControls(&form, 0, 1);
    EXPECT_EQ(&form, pText->m_pOwner);
    CTestEntryWnd* pWnd = static_cast<CTestEntryWnd*>(pText->GetControl());
    ASSERT_NE(nullptr, pWnd);
    EXPECT_EQ(form.m_hWnd, ::GetParent(pWnd->m_hWnd));
    EXPECT_STREQ("値", pWnd->Text());
    EXPECT_EQ("1l", static_cast<CTestEntryWnd*>(pLabel->GetControl())->Log());

    // Moved on the face: the field's rectangle follows, at the zoom.
    pText->CalcDeviceRect(nullptr);
    pWnd->MoveWindow(76, 76, 150, 150);
    pFace->SyncRectsFromControls();
    const RECT expected = {100, 100, 298, 298};
    EXPECT_TRUE(::EqualRect(&expected, &pText->m_rect))
        << pText->m_rect.left << "," << pText->m_rect.top << "," << pText->m_rect.right << "," << pText->m_rect.bottom;
    EXPECT_EQ(0, pLabel->m_rect.left);

    pFace->DestroyControls();
    EXPECT_EQ(nullptr, pText->GetControl());
    EXPECT_EQ(nullptr, pLabel->GetControl());
    form.DestroyWindow();
}

// The list's operations over every field's window.
TEST(FaceControlsTest, OperationsReachEveryField)
{
    CHostWnd host;
    CPropData face;
    CTestField* pData = new CTestField(MakeBlock(1, {0, 0, 100, 100}, 0x07, 1), CNPropObjCtrl::STYLE_DEFAULT, 0);
    pData->m_strData = "v";
    face.AddPropObj(pData);
    CTestField* pLabel = new CTestField(MakeBlock(2, {0, 200, 100, 300}, 0x03), CNPropObjCtrl::STYLE_DEFAULT, 0);
    face.AddPropObj(pLabel);
    face.CreateControls(&host, 0, 1);
    EXPECT_EQ(nullptr, pData->m_pOwner);   // the host is no form window
    CTestEntryWnd* pDataWnd = static_cast<CTestEntryWnd*>(pData->GetControl());
    CTestEntryWnd* pLabelWnd = static_cast<CTestEntryWnd*>(pLabel->GetControl());
    EXPECT_EQ("2s 0l", pDataWnd->Log());
    EXPECT_EQ("", pLabelWnd->Log());

    pDataWnd->SetWindowText("typed");
    face.SaveFromControls();
    EXPECT_STREQ("typed", pData->m_strData);

    pDataWnd->m_log.clear();
    face.LoadDataControls();
    EXPECT_EQ("2s 0l", pDataWnd->Log());
    EXPECT_EQ("", pLabelWnd->Log());

    pDataWnd->m_log.clear();
    face.ClearRealData(1);
    EXPECT_STREQ("", pData->m_strData);
    EXPECT_EQ("2s 1l", pDataWnd->Log());
    EXPECT_EQ("1l", pLabelWnd->Log());

    face.SetModeAll(0);
    EXPECT_EQ(0u, pData->GetMode());
    EXPECT_EQ(0u, pLabel->GetMode());
    MemoryCanvas canvas(200, 200);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);
    face.DrawAll(&dc, 1);
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), canvas.pixel(20, 0));
    EXPECT_EQ(RGB(0xC0, 0xC0, 0xC0), canvas.pixel(20, 75));
}

}  // namespace
