// The print frame: pages in and out, the title dialog, serial numbers across
// copies, the focus over the page, faces lent to a face window, and a
// sample page printed.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <imm.h>

#include "page_fixture.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "modal_script.h"
#include "nmirtdoc.h"
#include "npropobjcalnd.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "npropobjnum.h"
#include "npropobjbtncheck.h"
#include "npropobjpic.h"
#include "npropwndcalnd.h"
#include "npropwndwb.h"
#include "npropwndcheck.h"
#include "npropwndpic.h"
#include "pdf_printer.h"
#include "sample_install.h"

namespace {

const int kTitleEdit = 160;
const int kTitlePrompt = 162;

// "<face>/<order>=<value>" of every field of a page but the calendars,
// whose value is their own month, which every copy of them takes.
std::map<std::string, std::string> ValuesOf(const CObList* pListMen)
{
    std::map<std::string, std::string> values;
    for (POSITION pos = pListMen->GetHeadPosition(); pos != nullptr;) {
        const CPropData* pFace = static_cast<CPropData*>(pListMen->GetNext(pos));
        POSITION posField;
        for (CNPropObj* p = pFace->GetFirstPropObj(posField); p != nullptr; p = pFace->GetNextPropObj(posField)) {
            if (dynamic_cast<CNPropObjCalnd*>(p) == nullptr)
                values[std::to_string(pFace->m_nMen) + "/" + std::to_string(p->m_nOrder)] = std::string(p->m_strData);
        }
    }
    return values;
}

// The install root of the sample forms while it lives.
class SampleRoot
{
public:
    SampleRoot() { CMirtEnv::SetRootOverride(SampleInstallRoot().c_str()); }
    ~SampleRoot() { CMirtEnv::SetRootOverride(nullptr); }
};

class SamplePrintFrameTest : public ::testing::TestWithParam<UINT>
{
protected:
    SampleRoot m_root;
};

// Each sample page goes in and comes back with its values and faces, the
// frame unmodified; the frame hands its faces to a face window and back.
TEST_P(SamplePrintFrameTest, PageRoundTrip)
{
    CMirtBasePrtFrm frame;
    ASSERT_EQ(1, frame.SetFormat(GetParam()));
    CNMirtDoc* pPage = SamplePage(GetParam());
    ASSERT_NE(nullptr, pPage);
    ASSERT_NE(nullptr, pPage->RefList());
    const std::map<std::string, std::string> values = ValuesOf(pPage->RefList());
    const int nFaces = pPage->GetMenCount();
    const CString strTitle = pPage->GetTitle();
    std::vector<UINT> faces;
    for (POSITION pos = pPage->RefList()->GetHeadPosition(); pos != nullptr;)
        faces.push_back(static_cast<CPropData*>(pPage->RefList()->GetNext(pos))->m_nMen);

    EXPECT_EQ(nullptr, frame.SetData(pPage));
    for (UINT nMen : faces) {
        CMirtBaseMen face;
        frame.SetMen(&face, nMen);
        EXPECT_NE(0u, face.GetLayoutID());
        frame.GetMen(&face, nMen, 1);
    }
    frame.SetModify(1);
    std::unique_ptr<CNMirtDoc> pBack(frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    EXPECT_EQ(pPage, pBack.get());
    EXPECT_EQ(0, frame.GetModify());
    EXPECT_EQ(nFaces, pBack->GetMenCount());
    EXPECT_EQ(values, ValuesOf(pBack->RefList()));
    EXPECT_EQ(strTitle, pBack->GetTitle());
    EXPECT_EQ(GetParam(), pBack->GetLayoutID());
    EXPECT_FALSE(pBack->GetIndex(10).IsEmpty());
    // The frame holds no page now: nothing comes back for the next one.
    EXPECT_EQ(nullptr, frame.SetData(pBack.release()));
}

// Each sample page edited through a face window: the pitch of all fields and
// a copied and pasted field reach the page taken back out.
TEST_P(SamplePrintFrameTest, EditedThroughAFaceWindow)
{
    CHostWnd host;
    CMirtBasePrtFrm frame;
    ASSERT_EQ(1, frame.SetFormat(GetParam()));
    CNMirtDoc* pPage = SamplePage(GetParam());
    ASSERT_NE(nullptr, pPage);
    const UINT nMen = static_cast<CPropData*>(pPage->RefList()->GetHead())->m_nMen;
    const UINT nMaxOrder = pPage->GetMaxOrder(nMen);
    frame.SetData(pPage);

    CMirtBaseMen face;
    face.SetParentWnd(&host);
    frame.SetMen(&face, nMen);
    face.SetUserAllPichRate(1);
    EXPECT_EQ(1, face.IsUserAllPichRate());
    face.SetFirstField();
    const UINT nCopied = face.GetFocusOrderNo();
    ASSERT_NE(0u, nCopied);
    CUIntArray* pOrders = new CUIntArray;
    pOrders->Add(nCopied);
    face.SetUserClipBoard(pOrders, MIRT_CLIP_COPY);
    face.SetUserClipBoard(new CUIntArray, MIRT_CLIP_PASTE);
    frame.GetMen(&face, nMen, 1);

    std::unique_ptr<CNMirtDoc> pBack(frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    CNPropObj* pPasted = pBack->GetPropObjByOrder(nMaxOrder + 1, nMen);
    ASSERT_NE(nullptr, pPasted);
    EXPECT_EQ(pBack->GetPropObjByOrder(nCopied, nMen)->GetRuntimeClass(), pPasted->GetRuntimeClass());
    CNPropObj* pCopied = pBack->GetPropObjByOrder(nCopied, nMen);
    if (pCopied->GetPichRate() != 4) {
        EXPECT_EQ(1, pCopied->GetPichRate());
    }
    ::OpenClipboard(host.m_hWnd);
    ::EmptyClipboard();
    ::CloseClipboard();
}

// The entry window a face window's focus makes for a check box, a calendar
// or a picture; null for the others.
const CRuntimeClass* FocusWindowClass(CNPropObj* pField)
{
    if (dynamic_cast<CNPropObjBtnCheck*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndCheck);
    if (dynamic_cast<CNPropObjCalnd*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndCalnd);
    if (dynamic_cast<CNPropObjPic*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndPic);
    if (dynamic_cast<CNPropObjDoc*>(pField) != nullptr || dynamic_cast<CNPropObjEdt*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndWB);
    return nullptr;
}

// Each check box, calendar, picture and text field of a sample page gets
// its entry window on the host when the face window focuses it (an
// in-place editor for a text field), and its value comes back out of the
// print frame.
TEST_P(SamplePrintFrameTest, FocusedFieldsGetTheirEntryWindows)
{
    CHostWnd host;
    CMirtBasePrtFrm frame;
    ASSERT_EQ(1, frame.SetFormat(GetParam()));
    CNMirtDoc* pPage = SamplePage(GetParam());
    ASSERT_NE(nullptr, pPage);
    // An empty check box comes back unchecked, as "0", an empty serial
    // number from its editor as six zeros.
    std::map<std::string, std::string> values = ValuesOf(pPage->RefList());
    std::vector<std::pair<UINT, UINT>> faces;
    for (POSITION pos = pPage->RefList()->GetHeadPosition(); pos != nullptr;) {
        const CPropData* pFace = static_cast<CPropData*>(pPage->RefList()->GetNext(pos));
        faces.emplace_back(pFace->m_nMen, pPage->GetMaxOrder(pFace->m_nMen));
        POSITION posField;
        for (CNPropObj* p = pFace->GetFirstPropObj(posField); p != nullptr; p = pFace->GetNextPropObj(posField)) {
            const std::string strKey = std::to_string(pFace->m_nMen) + "/" + std::to_string(p->m_nOrder);
            if (dynamic_cast<CNPropObjBtnCheck*>(p) != nullptr && p->m_strData.IsEmpty())
                values[strKey] = "0";
            if (dynamic_cast<CNPropObjDocNumRen*>(p) != nullptr && p->m_strData.IsEmpty())
                values[strKey] = "000000";
        }
    }
    frame.SetData(pPage);
    int nWindows = 0;
    for (const auto& face : faces) {
        CMirtBaseMen men;
        men.SetParentWnd(&host);
        frame.SetMen(&men, face.first);
        for (UINT nOrder = 1; nOrder <= face.second; ++nOrder) {
            men.SetFocusByOrderNo(nOrder);
            CNPropObj* pField = men.GetPropObjByOrder(men.GetFocusOrderNo());
            if (pField == nullptr || men.GetFocusOrderNo() != nOrder)
                continue;
            const CRuntimeClass* pExpected = FocusWindowClass(pField);
            if (pExpected == nullptr)
                continue;
            CWnd* pWnd = static_cast<CNPropObjCtrl*>(pField)->GetControl();
            ASSERT_NE(nullptr, pWnd) << nOrder;
            EXPECT_EQ(pExpected, pWnd->GetRuntimeClass()) << nOrder;
            EXPECT_EQ(host.m_hWnd, ::GetParent(pWnd->m_hWnd)) << nOrder;
            nWindows++;
        }
        frame.GetMen(&men, face.first, 1);
    }
    EXPECT_GT(nWindows, 0);
    std::unique_ptr<CNMirtDoc> pBack(frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    EXPECT_EQ(values, ValuesOf(pBack->RefList()));
}

INSTANTIATE_TEST_SUITE_P(Samples, SamplePrintFrameTest, ::testing::Values(9001u, 9002u, 9003u));

class PrintFrameTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pLayout = MakeLayout(77, {CPoint(100, 200), CPoint(100, 1600)});
        ASSERT_EQ(1, m_frame.SetFormat(m_pLayout.get()));
    }

    // A page of two faces: the title field (index 1) and fields 2 and 3 on
    // face 1, field 2 on face 2.
    CNMirtDoc* TwoFacePage(LPCSTR pszTitleValue)
    {
        CNPropObjDoc* pTitle = TextField(1, {100, 200, 900, 300}, pszTitleValue);
        pTitle->SetAttr(CNPropObj::ATTRIBUTE_INDEX, 1);
        return MakePage({Face(1, {pTitle, TextField(2, {100, 400, 900, 500}, "甲"), TextField(3, {100, 600, 900, 700})}),
            Face(2, {TextField(2, {100, 1800, 900, 1900}, "乙")})});
    }

    CNPropObj* PageField(UINT nOrder, UINT nMen) { return m_frame.GetPropObjByOrder(nOrder, nMen); }

    std::unique_ptr<CNMirtLayoutData> m_pLayout;
    CMirtBasePrtFrm m_frame;
};

TEST_F(PrintFrameTest, NewPageHeaderAndTitleFromTheTitleField)
{
    m_pLayout->m_dwSettingB = 5;
    m_frame.SetFormat(m_pLayout.get());
    delete m_frame.SetData(TwoFacePage("見積"));
    // Taken out and the page dropped: the frame holds no document.
    delete m_frame.GetData(0, 0);
    std::unique_ptr<CNMirtDoc> pPage(m_frame.GetData(0, 0));
    ASSERT_NE(nullptr, pPage);
    EXPECT_EQ("見積", std::string(pPage->GetTitle()));
    const tagNMIRTDOCHEAD& head = pPage->GetHead();
    const DWORD words[] = {head.h16, head.h20, head.h24, head.nLayoutID, head.h32, head.h36, head.h40, head.h44};
    const DWORD expected[] = {0, 1, 3, 77, 5, 0, 2, 0};
    EXPECT_TRUE(std::equal(std::begin(words), std::end(words), std::begin(expected)));
    EXPECT_EQ(pPage->GetIndex(9), pPage->GetIndex(10));
    EXPECT_EQ(nullptr, dynamic_cast<CNMirtDocBBS*>(pPage.get()));
}

// The title dialog: the title field's text offered selected, an empty
// answer named "Untitled", a typed one kept; a cancel keeps the held page
// as it was, also when a bulletin-board page was asked for.
TEST_F(PrintFrameTest, TitleDialog)
{
    CNMirtDoc* pHeld = TwoFacePage("見積");
    delete m_frame.SetData(pHeld);

    struct Case
    {
        LPCSTR pszTyped;    // null: cancel
        int bBBS;
        LPCSTR pszTitle;
    };
    const Case cases[] = {{nullptr, 1, nullptr}, {nullptr, 0, nullptr}, {"", 0, "Untitled"}, {"四月分", 1, "四月分"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszTyped != nullptr ? c.pszTyped : "cancel");
        ModalScript script;
        script.ExpectDialog([&c](CWnd* pDialog) {
            ModalScript::PumpPending();
            char szText[64] = {};
            ::GetDlgItemTextA(pDialog->m_hWnd, kTitleEdit, szText, sizeof szText);
            EXPECT_EQ("見積", std::string(szText));
            ::GetDlgItemTextA(pDialog->m_hWnd, kTitlePrompt, szText, sizeof szText);
            EXPECT_EQ("◆タイトルを入力してください", std::string(szText));
            DWORD dwStart = 1;
            DWORD dwEnd = 0;
            ::SendDlgItemMessageA(pDialog->m_hWnd, kTitleEdit, EM_GETSEL, reinterpret_cast<WPARAM>(&dwStart),
                reinterpret_cast<LPARAM>(&dwEnd));
            EXPECT_EQ(0u, dwStart);
            EXPECT_EQ(static_cast<DWORD>(::SendDlgItemMessageA(pDialog->m_hWnd, kTitleEdit, EM_LINELENGTH, 0, 0)), dwEnd);
            EXPECT_NE(0u, dwEnd);
            if (c.pszTyped == nullptr) {
                ModalScript::Click(pDialog, IDCANCEL);
                return;
            }
            ::SetDlgItemTextA(pDialog->m_hWnd, kTitleEdit, c.pszTyped);
            ModalScript::Click(pDialog, IDOK);
        });
        std::unique_ptr<CNMirtDoc> pPage(m_frame.GetData(c.bBBS, 1));
        if (c.pszTitle == nullptr) {
            EXPECT_EQ(nullptr, pPage);
            continue;
        }
        ASSERT_NE(nullptr, pPage);
        EXPECT_EQ(c.pszTitle, std::string(pPage->GetTitle()));
        if (c.bBBS) {
            EXPECT_NE(nullptr, dynamic_cast<CNMirtDocBBS*>(pPage.get()));
        } else {
            // The held page itself, never replaced by the cancels before.
            EXPECT_EQ(pHeld, pPage.get());
            EXPECT_EQ(nullptr, dynamic_cast<CNMirtDocBBS*>(pPage.get()));
        }
        delete m_frame.SetData(TwoFacePage("見積"));
    }
}

// The edit of the title dialog has the focus once the dialog shows; it
// opens the input method in hiragana while it has the focus and closes it
// when the focus leaves. Wine here makes no input context: the input
// method's state is checked where one exists.
TEST_F(PrintFrameTest, TitleEditOpensTheInputMethod)
{
    ModalScript script;
    script.ExpectDialog([](CWnd* pDialog) {
        ModalScript::PumpPending();
        HWND hEdit = ::GetDlgItem(pDialog->m_hWnd, kTitleEdit);
        EXPECT_EQ(hEdit, ::GetFocus());
        HIMC hImc = ::ImmGetContext(hEdit);
        if (hImc == nullptr) {
            ModalScript::Click(pDialog, IDCANCEL);
            return;
        }
        EXPECT_TRUE(::ImmGetOpenStatus(hImc));
        DWORD dwConversion = 0;
        DWORD dwSentence = 0;
        ::ImmGetConversionStatus(hImc, &dwConversion, &dwSentence);
        EXPECT_EQ(static_cast<DWORD>(IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE),
            dwConversion & (IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE | IME_CMODE_KATAKANA));
        ::SetFocus(::GetDlgItem(pDialog->m_hWnd, IDOK));
        EXPECT_FALSE(::ImmGetOpenStatus(hImc));
        ::ImmReleaseContext(hEdit, hImc);
        ModalScript::Click(pDialog, IDCANCEL);
    });
    EXPECT_EQ(nullptr, m_frame.GetData(0, 1));
}

// Serial numbers: on screen each call counts on; the first printed copy
// keeps what the fields show; later copies count on.
TEST(PrintFrameNumbers, CountersByCopy)
{
    struct Step
    {
        UINT nCopy;
        UINT nOrder;
        UINT nValue;
        UINT nExpected;
    };
    const Step steps[] = {
        {0, 5, 0, 1}, {0, 5, 0, 2}, {0, 5, 0, 3},   // on screen
        {0, 5, 9, 9}, {0, 5, 4, 4}, {0, 5, 0, 10},  // a larger value is stored, a smaller one only shown
        {1, 6, 0, 0}, {1, 6, 0, 0}, {2, 6, 0, 1},   // no counter on the first copy, then counting
        {1, 5, 0, 0}, {1, 5, 7, 7}, {3, 5, 0, 11},
    };
    CMirtBasePrtFrm frame;
    for (const Step& step : steps) {
        frame.SetCurrentCopyCount(step.nCopy);
        EXPECT_EQ(step.nExpected, frame.SetNumberCount(step.nOrder, step.nValue))
            << "copy " << step.nCopy << " order " << step.nOrder << " value " << step.nValue;
    }
    frame.ClearNumberCount();
    frame.SetCurrentCopyCount(0);
    EXPECT_EQ(1u, frame.SetNumberCount(5, 0));
    // The face window asks its print frame; without one there is no number.
    CMirtBaseMen face;
    EXPECT_EQ(0u, face.SetNumberCount(5, 0));
}

// MsgUserMove and MsgFirstField over the page's editable fields.
TEST_F(PrintFrameTest, FocusMovesOverThePage)
{
    CHostWnd host;
    delete m_frame.SetData(TwoFacePage(""));
    m_frame.SetParentWnd(&host);
    ASSERT_EQ(1, m_frame.CreateWindowDmy(0));
    EXPECT_FALSE(m_frame.IsWindowVisible());
    EXPECT_EQ(host.m_hWnd, ::GetParent(m_frame.m_hWnd));
    m_frame.SendMessage(MsgFirstField);
    CNPropObj* pFirst = m_frame.GetCurrentField();
    ASSERT_EQ(m_frame.GetPropObjByOrder(1, 1), pFirst);
    EXPECT_EQ(pFirst, m_frame.GetTitleField());
    const CNPropObj* expected[] = {m_frame.GetPropObjByOrder(2, 1), m_frame.GetPropObjByOrder(3, 1),
        m_frame.GetPropObjByOrder(2, 2), pFirst};
    for (const CNPropObj* pExpected : expected) {
        m_frame.SendMessage(MsgUserMove, reinterpret_cast<WPARAM>(m_frame.GetCurrentField()), 1);
        EXPECT_EQ(pExpected, m_frame.GetCurrentField());
    }
    m_frame.SendMessage(MsgUserMove, reinterpret_cast<WPARAM>(pFirst), 0);
    EXPECT_EQ(m_frame.GetPropObjByOrder(2, 2), m_frame.GetCurrentField());
    m_frame.SendMessage(MsgUserModify, 0, 0);
    EXPECT_EQ(1, m_frame.GetModify());
}

// A face goes to the face window at its origin; back with replace its
// changes land at the frame's place of that face; out-of-range faces do
// nothing.
TEST_F(PrintFrameTest, FacesLentToAFaceWindow)
{
    delete m_frame.SetData(TwoFacePage(""));
    // The page's fields stand at their face's origin.
    for (UINT nMen : {1u, 2u}) {
        const CNPropObjDoc* pText = dynamic_cast<CNPropObjDoc*>(PageField(2, nMen));
        ASSERT_NE(nullptr, pText);
        EXPECT_EQ(CSize(m_pLayout->m_LayoutData.m_arrayMen[nMen - 1]), pText->m_sizeClone);
    }
    CMirtBaseMen face;
    for (UINT nMen : {0u, 3u}) {
        m_frame.SetMen(&face, nMen);
        EXPECT_EQ(nullptr, face.GetPropObjByOrder(2));
    }
    m_frame.SetMen(&face, 2);
    CNPropObj* pField = face.GetPropObjByOrder(2);
    ASSERT_NE(nullptr, pField);
    EXPECT_EQ(CRect(0, 200, 800, 300), CRect(pField->m_rect));
    EXPECT_EQ("乙", std::string(pField->m_strData));

    pField->m_strData = "丙";
    ::OffsetRect(&pField->m_rect, 10, 0);
    m_frame.GetMen(&face, 2, 0);
    EXPECT_EQ("丙", std::string(m_frame.GetPropObjByOrder(2, 2)->m_strData));
    EXPECT_EQ(CRect(100, 1800, 900, 1900), CRect(m_frame.GetPropObjByOrder(2, 2)->m_rect));
    m_frame.GetMen(&face, 2, 1);
    EXPECT_EQ(CRect(110, 1800, 910, 1900), CRect(m_frame.GetPropObjByOrder(2, 2)->m_rect));
    // Face 1 is untouched.
    EXPECT_EQ("甲", std::string(m_frame.GetPropObjByOrder(2, 1)->m_strData));
}

// A page of the sample invoice printed from the print frame on paper: the
// form's title is inked at its place.
TEST(PrintFramePrinting, SampleInvoiceOnThePdfPrinter)
{
    SampleRoot root;
    CMirtBasePrtFrm frame;
    ASSERT_EQ(1, frame.SetFormat(9002));
    CNMirtDoc* pPage = SamplePage(9002);
    ASSERT_NE(nullptr, pPage);
    frame.SetData(pPage);
    frame.SetPrintPaper(1);

    PdfPrintJob job("printframe");
    ASSERT_TRUE(job.started());
    {
        CBorrowedDC dc(job.dc(), job.dc(), TRUE);
        frame.SetCurrentCopyCount(1);
        EXPECT_EQ(1, frame.DrawFormat(&dc));
        frame.SetCurrentCopyCount(0);
    }
    const std::string pdf = job.finish();
    ASSERT_FALSE(pdf.empty()) << "no PDF from the PDF printer";
    const int kDpi = 100;
    const GrayImage image = RasterizePdf(pdf, kDpi);
    ::DeleteFileA(pdf.c_str());
    ASSERT_GT(image.width, 0);
    const double dPerMm = kDpi / 25.4;
    auto mm = [dPerMm](double d) { return static_cast<int>(d * dPerMm); };
    // The title "御請求書" stands 75 to 135 mm across, 12 to 25 mm down.
    EXPECT_LT(image.mean(mm(75), mm(12), mm(135), mm(25)), 250.0);
    EXPECT_GT(image.mean(mm(2), mm(2), mm(8), mm(8)), 254.0);
}

}  // namespace
