// A user fills every field of the sample forms by keyboard: the print frame
// lends each face to a face window under a host view that moves the focus
// on MsgUserMove, as the form view does; the keys go to the window that
// holds the focus and Tab moves on. Each field is visited twice, first in
// the text window its face made, then in an in-place editor (the text
// window goes when the focus leaves), and the page keeps what was typed in
// each field's form.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "npropobjedt.h"
#include "npropobjnum.h"
#include "npropwnddoc.h"
#include "sample_install.h"
#include "spaceinfo.h"
#include "typed_keys.h"

namespace {

// The view: moves the focus of its face window on MsgUserMove and keeps
// the number kinds of the format records it is sent.
class CKeyboardView : public CWnd
{
public:
    explicit CKeyboardView(CMirtBaseMen& face) : m_face(face)
    {
        CreateEx(0, AfxRegisterWndClass(0), "view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 1000, 1300, nullptr,
            nullptr);
    }
    ~CKeyboardView() override { DestroyWindow(); }

    std::vector<int> m_formats;

protected:
    afx_msg LRESULT OnUserMove(WPARAM, LPARAM lParam)
    {
        if (lParam == 1)
            m_face.SetNextField();
        else
            m_face.SetPrevField();
        return 0;
    }
    afx_msg LRESULT OnFieldFormat(WPARAM wParam, LPARAM)
    {
        tagSPACEINFO* pInfo = reinterpret_cast<tagSPACEINFO*>(wParam);
        m_formats.push_back(pInfo != nullptr ? pInfo->nNumKind : -1);
        delete pInfo;
        return 0;
    }
    DECLARE_MESSAGE_MAP()

private:
    CMirtBaseMen& m_face;
};

BEGIN_MESSAGE_MAP(CKeyboardView, CWnd)
    ON_MESSAGE(MsgUserMove, OnUserMove)
    ON_MESSAGE(MsgFieldFormat, OnFieldFormat)
END_MESSAGE_MAP()

class CFaceWnd : public CMirtBaseMen
{
public:
    // The fields that Tab stops at.
    INT_PTR FocusCount() const
    {
        INT_PTR nCount = 0;
        for (POSITION pos = m_listFocus.GetHeadPosition(); pos != nullptr;)
            nCount += TakesFocus(static_cast<CNPropObj*>(m_listFocus.GetNext(pos))) ? 1 : 0;
        return nCount;
    }
};

// The keys of the two visits and the value the page then holds, worked out
// by hand. The text window of a numeric field takes digits, "-" and "."
// (not for number kind 0) and stores the number with no decimals for kind 0,
// two (rounded) otherwise, and a serial number as typed; the in-place editor
// gets the value back, the caret at its end, and stores whole numbers, two
// rounded decimals (trailing zeros cut, within the typed length, for kind
// 2) or a serial number as six digits.
struct Typing
{
    const char* pszFirst;
    const char* pszSecond;
    const char* pszValue;
};

const Typing kText = {"Ab", "c", "Abc"};          // after the value the window shows
const Typing kCheck = {"\r", "", "1"};            // Enter checks the box
const Typing kSerial = {"12.5", "7", "001257"};   // 125, then 1257
const Typing kWhole = {"12.5", "7", "1257"};      // 125, then 1257
const Typing kDecimal = {"12.5", "7", "12.51"};   // 12.50, then 12.507

BOOL IsTextFamily(CNPropObj* pField)
{
    return dynamic_cast<CNPropObjDoc*>(pField) != nullptr || dynamic_cast<CNPropObjEdt*>(pField) != nullptr;
}

// What a field is given; null for a field that takes no typing.
const Typing* TypingFor(CNPropObj* pField)
{
    if (dynamic_cast<CNPropObjBtnCheck*>(pField) != nullptr)
        return &kCheck;
    if (dynamic_cast<CNPropObjDocNumRen*>(pField) != nullptr)
        return &kSerial;
    if (CNPropObjDocNum* pNumber = dynamic_cast<CNPropObjDocNum*>(pField)) {
        EXPECT_EQ(CNPropObjDocNum::STYLE_SEPARATED, pNumber->m_nDrawStyle) << "the worked values assume it";
        return pNumber->GetNumKind() == CNPropObjDocNum::NUMKIND_INTEGER ? &kWhole : &kDecimal;
    }
    return IsTextFamily(pField) ? &kText : nullptr;
}

BOOL HoldsFocus(CNPropObj* pField)
{
    CWnd* pWnd = static_cast<CNPropObjCtrl*>(pField)->GetControl();
    const HWND hFocus = ::GetFocus();
    return pWnd != nullptr && hFocus != nullptr && (hFocus == pWnd->m_hWnd || ::IsChild(pWnd->m_hWnd, hFocus));
}

// Each character typed to the window with the focus.
void Type(const char* pszKeys)
{
    TypeKeys(pszKeys);
    ModalScript::PumpPending();
}

void Tab()
{
    const HWND hFocus = ::GetFocus();
    ::SendMessageA(hFocus, WM_KEYDOWN, VK_TAB, 1);
    ::SendMessageA(hFocus, WM_CHAR, '\t', 1);
    ModalScript::PumpPending();
}

// Fills face nMen of the frame's page through a face window; the values
// the fields typed into must hold, by order.
std::map<UINT, std::string> FillFace(CMirtBasePrtFrm& frame, UINT nMen)
{
    std::map<UINT, std::string> typed;
    CFaceWnd face;
    CKeyboardView view(face);
    face.SetParentWnd(&view);
    frame.SetMen(&face, nMen);
    EXPECT_EQ(1, face.CreateWindowForGroup(0));
    face.SetFirstField();
    ModalScript::PumpPending();
    std::map<CNPropObj*, int> visits;
    for (INT_PTR nStep = 0; nStep < 2 * face.FocusCount(); nStep++) {
        CNPropObj* pField = face.GetCurrentField();
        if (pField == nullptr) {
            ADD_FAILURE() << "no field has the focus";
            break;
        }
        const int nVisit = ++visits[pField];
        SCOPED_TRACE(testing::Message() << pField->GetRuntimeClass()->m_lpszClassName << " " << pField->m_nOrder
                                         << " visit " << nVisit);
        if (dynamic_cast<CNPropObjBarcode*>(pField) != nullptr) {
            // A barcode has no entry window to take keys: the postal code
            // fills it, and Tab passes it over.
            ADD_FAILURE() << "the barcode has the focus";
            break;
        }
        // The field's window went when the focus left it: the window made on
        // the second visit tells the view the field's format.
        const std::vector<int> expectedFormats =
            nVisit == 2 ? std::vector<int>{pField->GetNumKind()} : std::vector<int>{};
        EXPECT_EQ(expectedFormats, view.m_formats);
        view.m_formats.clear();
        if (!HoldsFocus(pField)) {
            ADD_FAILURE() << "the focus is not in the window of " << pField->GetRuntimeClass()->m_lpszClassName;
            break;
        }
        if (const Typing* pTyping = TypingFor(pField)) {
            // A date field shows its date from the start.
            const std::string strShown = nVisit == 1 && IsTextFamily(pField)
                                             ? std::string(CNPropWndDoc::ReadAllText(::GetFocus()))
                                             : std::string();
            Type(nVisit == 1 ? pTyping->pszFirst : pTyping->pszSecond);
            if (nVisit == 1)
                typed[pField->m_nOrder] = strShown + pTyping->pszValue;
        }
        Tab();
    }
    EXPECT_EQ(static_cast<size_t>(face.FocusCount()), visits.size());
    for (const auto& visit : visits)
        EXPECT_EQ(2, visit.second) << visit.first->m_nOrder;
    frame.GetMen(&face, nMen, 1);
    return typed;
}

TEST(KeyboardFillTest, EveryFieldOfTheSampleFormsByKeyboard)
{
    CMirtEnv::SetRootOverride(SampleInstallRoot().c_str());
    for (UINT nLayoutID : {9001u, 9002u, 9003u}) {
        SCOPED_TRACE(nLayoutID);
        CMirtBasePrtFrm frame;
        ASSERT_EQ(1, frame.SetFormat(nLayoutID));
        size_t nTyped = 0;
        for (UINT nMen = 1; nMen <= frame.GetMenCount(); nMen++) {
            SCOPED_TRACE(testing::Message() << "face " << nMen);
            for (const auto& typed : FillFace(frame, nMen)) {
                CNPropObj* pField = frame.GetPropObjByOrder(typed.first, nMen);
                ASSERT_NE(nullptr, pField);
                EXPECT_EQ(typed.second, std::string(pField->m_strData)) << typed.first;
                nTyped++;
            }
        }
        EXPECT_GT(nTyped, 0u);
    }
    CMirtEnv::SetRootOverride(nullptr);
}

}  // namespace
