// The text fields' entry windows: the text window each field kind makes on
// the view, with the value in and out; the in-place editor a field makes
// on focus without one, with its number kind, frame and format record; and
// both gone with DestroyControl.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "entry_fixture.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "npropobjautoitem.h"
#include "npropobjedt.h"
#include "npropobjnum.h"
#include "npropobjtime.h"
#include "npropwnddoc.h"
#include "npropwndwb.h"
#include "spaceinfo.h"
#include "zeb95.h"

namespace {

class TextEntryTest : public EntryWindowTest
{
protected:
    // The number kinds of the format records waiting for the view.
    std::vector<int> TakeFormats()
    {
        std::vector<int> kinds;
        MSG msg;
        while (::PeekMessageA(&msg, m_view.GetSafeHwnd(), MsgFieldFormat, MsgFieldFormat, PM_REMOVE)) {
            tagSPACEINFO* pInfo = reinterpret_cast<tagSPACEINFO*>(msg.wParam);
            kinds.push_back(pInfo != nullptr ? pInfo->nNumKind : -1);
            delete pInfo;
        }
        return kinds;
    }
    static void Type(const char* pszKeys)
    {
        for (const char* p = pszKeys; *p != '\0'; ++p)
            ::SendMessageA(::GetFocus(), WM_CHAR, static_cast<BYTE>(*p), 1);
    }
    static CRect ViewRect(CWnd* pWnd, CWnd* pView)
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        pView->ScreenToClient(&rect);
        return rect;
    }
};

TEST_F(TextEntryTest, EachKindMakesItsTextWindowAndMovesTheValue)
{
    struct Case
    {
        CNPropObjCtrl* pField;
        const CRuntimeClass* pWindowClass;
        const char* pszKeys;
        const char* pszStored;
    };
    CNPropObjDocNum* pDecimal = MakeField<CNPropObjDocNum>();
    pDecimal->m_nNumKind = CNPropObjDocNum::NUMKIND_DECIMAL;
    const Case kCases[] = {
        {MakeField<CNPropObjDoc>(), RUNTIME_CLASS(CNPropWndDoc), "a1.", "va1."},
        {MakeField<CNPropObjEdt>(), RUNTIME_CLASS(CNPropWndDoc), "a1.", "va1."},
        {MakeField<CNPropObjCreateTime>(), RUNTIME_CLASS(CNPropWndDoc), "a1.", "va1."},
        {pDecimal, RUNTIME_CLASS(CNPropWndDocNum), "a1.", "1.00"},   // "v" was not a number
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.pField->GetRuntimeClass()->m_lpszClassName);
        c.pField->m_strData = c.pField->IsKindOf(RUNTIME_CLASS(CNPropObjDocNum)) ? "" : "v";
        CWnd* pWnd = Create(c.pField);
        ASSERT_NE(nullptr, pWnd);
        EXPECT_EQ(pWnd, c.pField->GetControl());
        EXPECT_EQ(c.pWindowClass, pWnd->GetRuntimeClass());
        EXPECT_EQ(m_view.GetSafeHwnd(), ::GetParent(pWnd->GetSafeHwnd()));
        EXPECT_EQ(CRect(c.pField->m_rcDevice), ViewRect(pWnd, &m_view));
        EXPECT_EQ(0, zebGetStaticMode(pWnd->GetSafeHwnd()));
        EXPECT_EQ(500, zebGetLimit(pWnd->GetSafeHwnd()));
        c.pField->LoadToControl(0);
        c.pField->FocusControl();
        EXPECT_EQ(pWnd->GetSafeHwnd(), ::GetFocus());
        zebSetCaret(pWnd->GetSafeHwnd(), 1, 0);
        Type(c.pszKeys);
        c.pField->SaveFromControl();
        EXPECT_EQ(c.pszStored, std::string(c.pField->m_strData));
        // A text window takes focus without a new editor or a format record.
        EXPECT_TRUE(TakeFormats().empty());
        const HWND hDoc = pWnd->GetSafeHwnd();
        EXPECT_EQ(1, c.pField->DestroyControl());
        EXPECT_EQ(nullptr, c.pField->GetControl());
        EXPECT_FALSE(::IsWindow(hDoc));
    }
}

TEST_F(TextEntryTest, AFieldThatTakesNoInputGetsAStaticOrReadOnlyWindow)
{
    CNPropObjDoc* pText = MakeField<CNPropObjDoc>(0x04);
    CNPropObjEdt* pEdit = MakeField<CNPropObjEdt>(0x04);
    ASSERT_FALSE(pText->IsEditable());
    ASSERT_NE(nullptr, Create(pText));
    ASSERT_NE(nullptr, Create(pEdit));
    EXPECT_EQ(1, zebGetStaticMode(pText->GetControl()->GetSafeHwnd()));
    EXPECT_EQ(2, zebGetStaticMode(pEdit->GetControl()->GetSafeHwnd()));
    EXPECT_EQ(nullptr, pText->CreateControl(&m_view, 0));
}

TEST_F(TextEntryTest, FocusWithoutATextWindowMakesTheInPlaceEditor)
{
    struct Case
    {
        CNPropObjCtrl* pField;
        int nEditorKind;
        COLORREF crFrame;
        int nFormatKind;
    };
    auto number = [](int nNumKind, int nDrawStyle, CNPropObjDocNum* pNumber) {
        pNumber->m_nNumKind = nNumKind;
        pNumber->m_nDrawStyle = nDrawStyle;
        return static_cast<CNPropObjCtrl*>(pNumber);
    };
    CNPropObjDoc* pListed = MakeField<CNPropObjDoc>();
    pListed->m_listItems.AddTail("first");
    const COLORREF kRed = RGB(255, 0, 0), kBlue = RGB(0, 0, 255), kGreen = RGB(0, 255, 0);
    const Case kCases[] = {
        {MakeField<CNPropObjDoc>(), CNPropWndWB::KIND_TEXT, kRed, 3},
        {pListed, CNPropWndWB::KIND_TEXT, kGreen, 3},
        {MakeField<CNPropObjEdt>(), CNPropWndWB::KIND_TEXT, kRed, 3},
        {MakeField<CNPropObjAutoItem>(), CNPropWndWB::KIND_TEXT, kGreen, 3},
        {number(0, CNPropObjDocNum::STYLE_SEPARATED, MakeField<CNPropObjDocNum>()), CNPropWndWB::KIND_WHOLE, kBlue,
            0},
        {number(1, CNPropObjDocNum::STYLE_PLAIN, MakeField<CNPropObjDocNum>()), CNPropWndWB::KIND_DECIMAL, kBlue, 1},
        {number(2, CNPropObjDocNum::STYLE_BOXES_NO_POINT, MakeField<CNPropObjDocNum>()), CNPropWndWB::KIND_DECIMAL,
            kBlue, 2},
        {number(3, 3, MakeField<CNPropObjDocNum>()), CNPropWndWB::KIND_TEXT, kBlue, 3},
        {number(1, 8, MakeField<CNPropObjDocNum>()), CNPropWndWB::KIND_DIGITS, kBlue, 1},
        {number(0, CNPropObjDocNumRen::REN_DRAW_STYLE, MakeField<CNPropObjDocNumRen>()),
            CNPropWndWB::KIND_SIX_DIGITS, kBlue, 0},
        {number(1, CNPropObjAutoItemNum::AUTONUM_DRAW_STYLE, MakeField<CNPropObjAutoItemNum>()),
            CNPropWndWB::KIND_DIGITS, kGreen, 1},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.pField->GetRuntimeClass()->m_lpszClassName << " " << c.pField->m_nOrder);
        c.pField->FocusControl();
        CNPropWndWB* pWB = dynamic_cast<CNPropWndWB*>(c.pField->GetControl());
        ASSERT_NE(nullptr, pWB);
        EXPECT_EQ(c.nEditorKind, pWB->GetNumKind());
        EXPECT_EQ(c.pField, pWB->GetField());
        EXPECT_EQ(m_view.GetSafeHwnd(), ::GetParent(pWB->GetSafeHwnd()));
        CRect rcAround(c.pField->m_rcDevice);
        rcAround.InflateRect(2, 2);
        EXPECT_EQ(rcAround, ViewRect(pWB, &m_view));
        EXPECT_EQ(static_cast<LONG>(c.crFrame), zebGetBorderColor(pWB->GetSafeHwnd()));
        ASSERT_NE(nullptr, pWB->GetEditor());
        EXPECT_EQ(pWB->GetEditor()->GetSafeHwnd(), ::GetFocus());
        EXPECT_EQ(std::vector<int>{c.nFormatKind}, TakeFormats());
        // Focus again: the editor it has, no new record.
        c.pField->FocusControl();
        EXPECT_EQ(pWB, c.pField->GetControl());
        EXPECT_TRUE(TakeFormats().empty());
        const HWND hWhiteBoard = pWB->GetSafeHwnd();
        EXPECT_EQ(1, c.pField->DestroyControl());
        EXPECT_EQ(nullptr, c.pField->GetControl());
        EXPECT_FALSE(::IsWindow(hWhiteBoard));
    }
}

TEST_F(TextEntryTest, TheEditorKeepsTheValueAndFollowsTheAlignment)
{
    CNPropObjDocNum* pNumber = MakeField<CNPropObjDocNum>();
    pNumber->m_nNumKind = CNPropObjDocNum::NUMKIND_DECIMAL;
    pNumber->m_strData = "12.5";
    pNumber->FocusControl();
    pNumber->LoadToControl(0);
    ModalScript::PumpPending();
    Type("7");
    pNumber->SaveFromControl();
    EXPECT_EQ("12.57", std::string(pNumber->m_strData));

    CNPropWndWB* pWB = static_cast<CNPropWndWB*>(pNumber->GetControl());
    const HWND hDoc = pWB->GetEditor()->GetSafeHwnd();
    for (const auto& align : {std::make_pair(4, 3L), std::make_pair(2, 17L), std::make_pair(3, 18L),
             std::make_pair(7, 16L)}) {
        pNumber->SetAlign(align.first);
        EXPECT_EQ(align.first, pNumber->GetAlign());
        EXPECT_EQ(align.second, zebGetAlignment(hDoc)) << align.first;
    }
    TakeFormats();
}

TEST_F(TextEntryTest, NoEditorWithoutAParentWindowOfTheOwner)
{
    CNPropObjDoc* pText = MakeField<CNPropObjDoc>();
    m_form.SetParentWnd(nullptr);
    pText->FocusControl();
    EXPECT_EQ(nullptr, pText->GetControl());
    pText->m_pOwner = nullptr;
    EXPECT_EQ(nullptr, Create(pText));
    EXPECT_TRUE(TakeFormats().empty());
}

}  // namespace
