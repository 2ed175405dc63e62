// The form view on the sample forms: the print frame and face window of the
// shown page, the fit zoom, the focus on the first field, the page commands
// with their dialogs and the page indicator, values kept across page
// switches and a save, and the view's picture at two zooms.
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "mirtbasemen.h"
#include "mirtfileio.h"
#include "mirtmsgs.h"
#include "mirtbaseprtfrm.h"
#include "modal_script.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "npropobj.h"
#include "npropobjctrl.h"
#include "../mirtbase/png_file.h"
#include "canvas.h"
#include "resource.h"
#include "strel95data.h"
#include "tolvane_fixture.h"

namespace {

const UINT kCheckOrder = 55;   // "領収書同封" on the invoice

class ViewTest : public TolvaneTest
{
protected:
    CWnd* EntryWindow(UINT nOrder) const
    {
        return View()->GetDlgItem(static_cast<int>(nOrder + CNPropObjCtrl::CONTROL_ID_BASE));
    }
    // A click on the field's entry window.
    void ClickEntryWindow(UINT nOrder)
    {
        CWnd* pEntry = EntryWindow(nOrder);
        ASSERT_NE(nullptr, pEntry);
        pEntry->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        pEntry->SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
        m_app.PumpPending();
    }
    // A click on the check box, which does not report the change itself.
    void ClickCheckBoxQuietly() { ClickEntryWindow(kCheckOrder); }
    // The click with the change report, as the entry windows post it.
    void ClickCheckBox()
    {
        ClickCheckBoxQuietly();
        ::PostMessageA(View()->m_hWnd, MsgUserModify, 0, 1);
        m_app.PumpPending();
    }
    // The value of the field nOrder in page nPage of the document.
    std::string PageValue(int nPage, UINT nOrder) const
    {
        POSITION pos = Doc()->m_pFileIO->GetStrelData()->GetMirtDocList()->FindIndex(nPage);
        CNMirtDoc* pPage = static_cast<CNMirtDoc*>(Doc()->m_pFileIO->GetStrelData()->GetMirtDocList()->GetAt(pos));
        UINT nIndex = 0;
        CString strName;
        return std::string(pPage->GetStrDataByOrder(nOrder, 1, nIndex, strName));
    }
    // The check box's value in page nPage of the document.
    std::string CheckValue(int nPage) const { return PageValue(nPage, kCheckOrder); }
    // The value of the field nOrder in the face window.
    std::string ShownValue(UINT nOrder) const
    {
        CNPropObj* pField = Doc()->m_pMen->GetPropObjByOrder(nOrder);
        return pField != nullptr ? std::string(pField->m_strData) : "(no field)";
    }
    std::string PageText() const { return std::string(Frame()->m_strPageText); }
    // Answers the go-to-page dialog with the number.
    void GoToPage(const char* pszNumber)
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) {
            pDialog->GetDlgItem(IDC_PAGE_NUMBER)->SetWindowText(pszNumber);
            ModalScript::Click(pDialog, IDOK);
        });
        Command(ID_GOTO_PAGE);
    }
    // Answers the page dialog with a place (and a number for place 3).
    void ChoosePlace(UINT nCommand, int nPlace, const char* pszNumber = "1")
    {
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) {
            ModalScript::Click(pDialog, IDC_PAGE_PLACE + nPlace);
            pDialog->GetDlgItem(IDC_PAGE_NUMBER)->SetWindowText(pszNumber);
            ModalScript::Click(pDialog, IDOK);
        });
        Command(nCommand);
    }
};

BOOL IsCommandEnabled(CWnd* pTarget, UINT nID)
{
    struct Probe : CCmdUI
    {
        BOOL bEnabled = TRUE;
        void Enable(BOOL bOn) override { bEnabled = bOn; }
        void SetCheck(int) override {}
        void SetText(LPCSTR) override {}
    } probe;
    probe.m_nID = nID;
    probe.DoUpdate(pTarget, FALSE);
    return probe.bEnabled;
}

TEST(FitZoomTest, PaperOnTheScreenGoesToAZoomStep)
{
    struct Case
    {
        int nPaperWidth, nPaperHeight, nScreenWidth, nScreenHeight, nZoom;
    };
    const Case cases[] = {
        {2100, 2970, 1024, 768, 60},      // min(78, 51) = 51, raised to 60
        {1052, 1, 778, 100000, 80},       // 95 down to the step 80
        {1000, 1, 778, 100000, 100},      // a step stays
        {400, 1, 778, 100000, 200},       // 250 held to 200
        {1, 1000, 100000, 566, 100},      // the height decides
        {0, 2970, 1024, 768, 100},        // no paper
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nZoom, CTolvaneView::FitZoom(c.nPaperWidth, c.nPaperHeight, c.nScreenWidth, c.nScreenHeight))
            << c.nPaperWidth << "x" << c.nPaperHeight;
}

TEST_F(ViewTest, EachSampleFormShowsFaceOneWithItsFieldsAndFocus)
{
    struct Sample
    {
        int nLayoutID;
        int nFaces;
    };
    for (const Sample& sample : {Sample{9001, 1}, Sample{9002, 1}, Sample{9003, 3}}) {
        SCOPED_TRACE(sample.nLayoutID);
        StartOn(sample.nLayoutID);
        CTolvaneView* pView = View();
        ASSERT_NE(nullptr, Doc()->m_pPrtFrm);
        ASSERT_NE(nullptr, Doc()->m_pMen);
        EXPECT_EQ(static_cast<UINT>(sample.nLayoutID), Doc()->m_pPrtFrm->GetLayoutID());
        EXPECT_EQ(1, pView->m_nCurrentMen);
        EXPECT_EQ(sample.nFaces, pView->m_nMenCount);
        EXPECT_EQ(sample.nFaces > 1 ? 1 : 0, pView->m_bMultiMen);
        EXPECT_EQ(CTolvaneView::FitZoom(pView->m_rectPaper.Width(), pView->m_rectPaper.Height(),
                      ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)),
            pView->m_nZoom);
        EXPECT_EQ(pView->m_rectPaper.right * 378 / 1000, pView->m_rectPaperPix.right);
        EXPECT_EQ(CSize(MulDiv(pView->m_rectPaperPix.Width(), pView->m_nZoom, 100),
                      MulDiv(pView->m_rectPaperPix.Height(), pView->m_nZoom, 100)),
            pView->GetTotalSize());
        EXPECT_NE(nullptr, pView->GetWindow(GW_CHILD)) << "entry windows are the view's children";
        // The first field has the focus.
        CNPropObj* pFocused = Doc()->m_pMen->GetCurrentField();
        ASSERT_NE(nullptr, pFocused);
        Doc()->m_pMen->SetFirstField();
        EXPECT_EQ(pFocused, Doc()->m_pMen->GetCurrentField());
        EXPECT_EQ("1/1ﾍﾟｰｼﾞ", PageText());
        EXPECT_FALSE(Doc()->IsModified());
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

TEST_F(ViewTest, FaceWindowMessagesMoveTheFocusAndRepaint)
{
    StartOn(9001);
    CMirtBaseMen* pMen = Doc()->m_pMen;
    CNPropObj* pFirst = pMen->GetCurrentField();
    ASSERT_NE(nullptr, pFirst);
    View()->SendMessage(MsgUserMove, 0, 1);
    EXPECT_NE(pFirst, pMen->GetCurrentField());
    View()->SendMessage(MsgUserMove, 0, 0);
    EXPECT_EQ(pFirst, pMen->GetCurrentField());

    // A repaint rectangle of the face window, one pixel larger, stays the
    // sender's.
    View()->ValidateRect(nullptr);
    RECT rect = {10, 20, 30, 40};
    EXPECT_EQ(0, View()->SendMessage(MsgRedrawRect, reinterpret_cast<WPARAM>(&rect),
                     reinterpret_cast<LPARAM>(static_cast<CMirtBase*>(pMen))));
    CRect rectUpdate;
    ASSERT_TRUE(::GetUpdateRect(View()->m_hWnd, &rectUpdate, FALSE));
    EXPECT_EQ(CRect(10, 20, 31, 41), rectUpdate);
}

TEST_F(ViewTest, ValuesSurvivePageSwitchesAndASave)
{
    StartOn(9002);
    EXPECT_EQ(0, View()->m_bPageChanged);
    ClickCheckBox();
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(1, View()->m_bPageChanged);

    // A new page at the end is empty and shown; the first page was committed.
    ASSERT_TRUE(View()->AddPage(-1));
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ(1, View()->m_nCurrentPage);
    EXPECT_EQ("2/2ﾍﾟｰｼﾞ", PageText());
    EXPECT_EQ("1", CheckValue(0));
    EXPECT_NE("1", CheckValue(1));

    Command(ID_PREV_PAGE);
    EXPECT_EQ(0, View()->m_nCurrentPage);
    EXPECT_EQ("1/2ﾍﾟｰｼﾞ", PageText());
    EXPECT_EQ("1", CheckValue(0));
    EXPECT_NE("1", CheckValue(1)) << "the empty new page was committed as it was";
    EXPECT_EQ(0, View()->m_bPageChanged);

    // A change that no entry window reports is committed by the switch too.
    Command(ID_NEXT_PAGE);
    ClickCheckBoxQuietly();
    EXPECT_EQ(0, View()->m_bPageChanged);
    Command(ID_PREV_PAGE);
    EXPECT_EQ("1", CheckValue(1));

    const std::string path = Root() + "\\二頁.qmt";
    ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
    ASSERT_TRUE(Doc()->OnOpenDocument(path.c_str()));
    Doc()->UpdateAllViews(nullptr, 1);
    m_app.PumpPending();
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ("1", CheckValue(0));
    EXPECT_EQ("1/2ﾍﾟｰｼﾞ", PageText());
    // The shown page's entry window shows the value again.
    CWnd* pCheck = EntryWindow(kCheckOrder);
    ASSERT_NE(nullptr, pCheck);
    CNPropObj* pField = Doc()->m_pMen->GetPropObjByOrder(kCheckOrder);
    ASSERT_NE(nullptr, pField);
    EXPECT_EQ("1", std::string(pField->m_strData));
}

// The sample's page is the first page of a new form: its empty serial
// number and saved values (the delivery note's slip number, company, address,
// telephone and person in charge) are filled as on an added page.
TEST_F(ViewTest, SamplePageFillsItsSelfFillingFieldsAsAnAddedPage)
{
    const UINT kSerialOrder = 4;
    const UINT kSelfFilled[] = {kSerialOrder, 5, 6, 7, 10};
    StartOn(9001);
    EXPECT_EQ("000001", ShownValue(kSerialOrder));
    EXPECT_EQ("TEL ", ShownValue(7).substr(0, 4)) << "the prefix of the saved telephone number";
    std::vector<std::string> first;
    for (UINT nOrder : kSelfFilled)
        first.push_back(ShownValue(nOrder));
    EXPECT_FALSE(Doc()->IsModified());

    ASSERT_TRUE(View()->AddPage(-1));
    for (size_t i = 0; i < first.size(); ++i) {
        EXPECT_EQ(first[i], ShownValue(kSelfFilled[i])) << "added page, order " << kSelfFilled[i];
        EXPECT_EQ(first[i], PageValue(0, kSelfFilled[i])) << "committed first page, order " << kSelfFilled[i];
    }
}

// Each sample form filled on two pages (the customer's name set through
// the field, a check box clicked where the form has one), the pages
// switched, saved and reopened.
TEST_F(ViewTest, EachSampleFormKeepsTwoFilledPagesThroughSaveAndReopen)
{
    struct Sample
    {
        int nLayoutID;
        UINT nNameOrder;
        UINT nCheckOrder;   // 0: none
    };
    const char* const names[] = {"一頁目の御客様", "二頁目の御客様"};
    for (const Sample& sample : {Sample{9001, 1, 0}, Sample{9002, 1, kCheckOrder}, Sample{9003, 3, 8}}) {
        SCOPED_TRACE(sample.nLayoutID);
        StartOn(sample.nLayoutID);
        auto fill = [&](int nPage) {
            CNPropObj* pName = Doc()->m_pMen->GetPropObjByOrder(sample.nNameOrder);
            ASSERT_NE(nullptr, pName);
            pName->SetText(names[nPage]);
            if (sample.nCheckOrder != 0 && nPage == 1)
                ClickEntryWindow(sample.nCheckOrder);
        };
        auto expectShown = [&](int nPage) {
            EXPECT_EQ(nPage, View()->m_nCurrentPage);
            EXPECT_STREQ(names[nPage], Doc()->m_pMen->GetPropObjByOrder(sample.nNameOrder)->m_strData);
            if (sample.nCheckOrder != 0) {
                EXPECT_EQ(nPage == 1, Doc()->m_pMen->GetPropObjByOrder(sample.nCheckOrder)->m_strData == "1");
            }
        };
        fill(0);
        ChoosePlace(ID_NEW_PAGE, 2);
        ASSERT_EQ(2, PageCount(Doc()));
        EXPECT_STREQ("", Doc()->m_pMen->GetPropObjByOrder(sample.nNameOrder)->m_strData) << "a new page is empty";
        fill(1);
        Command(ID_PREV_PAGE);
        expectShown(0);
        Command(ID_NEXT_PAGE);
        expectShown(1);

        const std::string path = Root() + "\\記入済" + std::to_string(sample.nLayoutID) + ".qmt";
        ASSERT_TRUE(Doc()->OnSaveDocument(path.c_str()));
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
        AddTemplate();
        m_app.OpenDocumentFile(path.c_str());
        m_app.PumpPending();
        ASSERT_NE(nullptr, m_app.m_pMainWnd);
        EXPECT_EQ(2, PageCount(Doc()));
        EXPECT_EQ("1/2ﾍﾟｰｼﾞ", PageText());
        expectShown(0);
        Command(ID_LAST_PAGE);
        expectShown(1);
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

// A commit that fails (here: the page list is gone) keeps the shown page
// with its values; nothing else is shown.
TEST_F(ViewTest, FailedCommitKeepsThePageAndItsValues)
{
    StartOn(9002);
    ASSERT_TRUE(View()->AddPage(-1));
    CNPropObj* pName = Doc()->m_pMen->GetPropObjByOrder(1);
    ASSERT_NE(nullptr, pName);
    pName->SetText("残す値");
    ClickCheckBox();
    delete Doc()->m_pFileIO;
    Doc()->m_pFileIO = new CMirtFileIO;
    for (UINT nID : {ID_PREV_PAGE, ID_FIRST_PAGE}) {
        MessageBoxRecorder boxes;
        Command(nID);
        ASSERT_EQ(1u, boxes.shown().size()) << nID;
        EXPECT_EQ("処理に失敗しました。", boxes.shown()[0].text);
        EXPECT_EQ(1, View()->m_nCurrentPage);
        ASSERT_NE(nullptr, Doc()->m_pMen);
        EXPECT_STREQ("残す値", Doc()->m_pMen->GetPropObjByOrder(1)->m_strData);
        EXPECT_STREQ("1", Doc()->m_pMen->GetPropObjByOrder(kCheckOrder)->m_strData);
        EXPECT_NE(nullptr, EntryWindow(kCheckOrder)) << "the page's entry windows stay";
    }
    {
        MessageBoxRecorder boxes;
        EXPECT_FALSE(View()->AddPage(-1));
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("処理に失敗しました。", boxes.shown()[0].text);
    }
    EXPECT_STREQ("残す値", Doc()->m_pMen->GetPropObjByOrder(1)->m_strData);
}

TEST_F(ViewTest, PageCommandsAddDuplicateDeleteAndGoTo)
{
    StartOn(9002);
    ClickCheckBox();
    // Duplicate after the shown page: a copy with the value, shown.
    ChoosePlace(ID_DUPLICATE_PAGE, 0);
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ(1, View()->m_nCurrentPage);
    EXPECT_EQ("1", CheckValue(0));
    EXPECT_EQ("1", CheckValue(1));
    // A new empty page before the first.
    ChoosePlace(ID_NEW_PAGE, 1);
    EXPECT_EQ(3, PageCount(Doc()));
    EXPECT_EQ(0, View()->m_nCurrentPage);
    EXPECT_EQ("1/3ﾍﾟｰｼﾞ", PageText());
    EXPECT_NE("1", CheckValue(0));
    EXPECT_EQ("1", CheckValue(1));

    // Go to: held to 1 .. count.
    GoToPage("99");
    EXPECT_EQ(2, View()->m_nCurrentPage);
    EXPECT_EQ("3/3ﾍﾟｰｼﾞ", PageText());
    EXPECT_FALSE(IsCommandEnabled(View(), ID_NEXT_PAGE));
    EXPECT_TRUE(IsCommandEnabled(View(), ID_PREV_PAGE));
    GoToPage("0");
    EXPECT_EQ(0, View()->m_nCurrentPage);
    EXPECT_FALSE(IsCommandEnabled(View(), ID_FIRST_PAGE));

    // Deleting the middle page shows the former third; Cancel keeps all.
    GoToPage("2");
    {
        MessageBoxRecorder boxes(IDCANCEL);
        Command(ID_DELETE_PAGE);
        EXPECT_EQ(1u, boxes.shown().size());
    }
    EXPECT_EQ(3, PageCount(Doc()));
    {
        MessageBoxRecorder boxes(IDOK);
        Command(ID_DELETE_PAGE);
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("一旦削除したページは復元できません。\n削除してよろしいですか？", boxes.shown()[0].text);
    }
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ(1, View()->m_nCurrentPage);
    EXPECT_EQ("2/2ﾍﾟｰｼﾞ", PageText());
    // Deleting the last page shows the new last one.
    {
        MessageBoxRecorder boxes(IDOK);
        Command(ID_DELETE_PAGE);
    }
    EXPECT_EQ(1, PageCount(Doc()));
    EXPECT_EQ(0, View()->m_nCurrentPage);
    EXPECT_FALSE(IsCommandEnabled(View(), ID_DELETE_PAGE));
    EXPECT_FALSE(IsCommandEnabled(View(), ID_GOTO_PAGE));
    {
        MessageBoxRecorder boxes;
        View()->SendMessage(WM_COMMAND, ID_DELETE_PAGE);
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("削除できませんでした。", boxes.shown()[0].text);
    }
    EXPECT_EQ(1, PageCount(Doc()));
}

TEST_F(ViewTest, PageDialogWantsAPageNumberOnlyForAfterAPage)
{
    StartOn(9001);
    {
        MessageBoxRecorder boxes;
        ModalScript script;
        script.ExpectDialog([&](CWnd* pDialog) {
            EXPECT_FALSE(pDialog->GetDlgItem(IDC_PAGE_NUMBER)->IsWindowEnabled());
            ModalScript::Click(pDialog, IDC_PAGE_PLACE_AFTER);
            EXPECT_TRUE(pDialog->GetDlgItem(IDC_PAGE_NUMBER)->IsWindowEnabled());
            pDialog->GetDlgItem(IDC_PAGE_NUMBER)->SetWindowText("0");
            ModalScript::Click(pDialog, IDOK);
            EXPECT_TRUE(::IsWindow(pDialog->m_hWnd)) << "stays open";
            ModalScript::Click(pDialog, IDC_PAGE_PLACE + 2);
            EXPECT_FALSE(pDialog->GetDlgItem(IDC_PAGE_NUMBER)->IsWindowEnabled());
            ModalScript::Click(pDialog, IDOK);
        });
        Command(ID_NEW_PAGE);
        ASSERT_EQ(1u, boxes.shown().size());
        EXPECT_EQ("指定できるページは1ページ目からです。", boxes.shown()[0].text);
    }
    EXPECT_EQ(2, PageCount(Doc()));
    EXPECT_EQ(1, View()->m_nCurrentPage);
}

TEST_F(ViewTest, DataLinkModeAndOlderFilesShutTheirCommands)
{
    StartOn(9001);
    View()->AddPage(-1);
    for (UINT nID : std::initializer_list<UINT>{ID_FILE_NEW_FORM, ID_FILE_SAVE, ID_FILE_OPEN, ID_NEW_PAGE, ID_DUPLICATE_PAGE, ID_GOTO_PAGE,
             ID_PAPER_INFO, ID_FILE_SAVE_AS, ID_REGISTER_FORM})
        EXPECT_TRUE(IsCommandEnabled(View(), nID)) << nID;
    View()->m_bDataLink = 1;
    for (UINT nID : std::initializer_list<UINT>{ID_FILE_NEW_FORM, ID_FILE_SAVE, ID_FILE_OPEN, ID_PRINT_PREVIEW_FORM, ID_PRINT_FORM,
             ID_APP_EXIT, ID_NEW_PAGE, ID_DUPLICATE_PAGE, ID_PAPER_INFO, ID_GOTO_PAGE,
             ID_PREV_PAGE, ID_DELETE_PAGE})
        EXPECT_FALSE(IsCommandEnabled(View(), nID)) << nID;
    EXPECT_TRUE(IsCommandEnabled(View(), ID_FILE_SAVE_AS));
    EXPECT_TRUE(IsCommandEnabled(View(), ID_REGISTER_FORM));
    View()->m_bDataLink = 0;
    Doc()->m_cVersion = 0;
    for (UINT nID : std::initializer_list<UINT>{ID_FILE_NEW_FORM, ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_REGISTER_FORM, ID_PAPER_INFO})
        EXPECT_FALSE(IsCommandEnabled(View(), nID)) << nID;
    EXPECT_TRUE(IsCommandEnabled(View(), ID_FILE_OPEN));
}

TEST_F(ViewTest, ScrollStepsEndInOneRedrawAndThePaperFollows)
{
    StartOn(9001);
    CTolvaneView* pView = View();
    Frame()->MoveWindow(0, 0, 300, 300);
    m_app.PumpPending();
    for (int i = 0; i < 5; ++i)
        pView->SendMessage(WM_VSCROLL, SB_LINEDOWN);
    MSG msg;
    int nWaiting = 0;
    while (::PeekMessageA(&msg, pView->m_hWnd, MsgViewRedraw, MsgViewRedraw, PM_NOREMOVE | PM_NOYIELD) &&
           nWaiting == 0) {
        ++nWaiting;
        pView->SendMessage(MsgViewRedraw);
    }
    EXPECT_EQ(1, nWaiting);
    EXPECT_FALSE(::PeekMessageA(&msg, pView->m_hWnd, MsgViewRedraw, MsgViewRedraw, PM_NOREMOVE))
        << "one redraw took every waiting request";
    const CPoint ptScroll = pView->GetDeviceScrollPosition();
    ASSERT_GT(ptScroll.y, 0);

    // The erased background has the paper in white, moved with the scroll
    // position (a black canvas shows where it ends).
    const CRect rectPaper(MulDiv(pView->m_rectPaperPix.left, pView->m_nZoom, 100),
        MulDiv(pView->m_rectPaperPix.top, pView->m_nZoom, 100), MulDiv(pView->m_rectPaperPix.right, pView->m_nZoom, 100),
        MulDiv(pView->m_rectPaperPix.bottom, pView->m_nZoom, 100));
    MemoryCanvas canvas(rectPaper.right + 10, rectPaper.bottom + 10, RGB(0, 0, 0));
    pView->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()));
    const int nBottom = rectPaper.bottom - ptScroll.y;
    EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(rectPaper.left + 5, nBottom - 2));
    EXPECT_EQ(RGB(0, 0, 0), canvas.pixel(rectPaper.left + 5, nBottom + 2));
}

// The view drawn as the screen shows it, at the fit zoom and at 100 %, into
// PNGs in the test's folder under the build tree.
TEST_F(ViewTest, ViewPictureAtTwoZooms)
{
    StartOn(9002);
    int nInkedBefore = 0;
    for (int nZoom : {0, 100}) {
        CTolvaneView* pView = View();
        if (nZoom != 0) {
            pView->m_nZoom = nZoom;
            Doc()->UpdateAllViews(nullptr, 0);
            m_app.PumpPending();
            EXPECT_EQ(nZoom, pView->m_nZoom);
        }
        const CSize size(MulDiv(pView->m_rectPaperPix.Width(), pView->m_nZoom, 100),
            MulDiv(pView->m_rectPaperPix.Height(), pView->m_nZoom, 100));
        Frame()->MoveWindow(0, 0, size.cx + 200, size.cy + 200);
        m_app.PumpPending();
        MemoryCanvas canvas(size.cx + 20, size.cy + 20, RGB(255, 255, 255));
        pView->SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc()));
        EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), canvas.pixel(size.cx + 10, 10));
        EXPECT_EQ(RGB(255, 255, 255), canvas.pixel(size.cx - 2, size.cy - 2));
        Doc()->m_pMen->DrawFormat(CDC::FromHandle(canvas.dc()));
        const int nInked = canvas.countInked(CRect(0, 0, size.cx, size.cy));
        EXPECT_GT(nInked, nInkedBefore) << "the larger zoom draws more";
        nInkedBefore = nInked;
        const std::string path = Root() + "\\tolvane-view-" + std::to_string(pView->m_nZoom) + ".png";
        EXPECT_TRUE(SavePng(canvas, path)) << path;
    }
}

}  // namespace

TEST(ViewZoomSteps, NextStepStopsAtTheEndsAndKeepsOddZooms)
{
    struct Case
    {
        int nZoom;
        BOOL bIn;
        int nNext;
    };
    const Case cases[] = {
        {25, TRUE, 40}, {25, FALSE, 25}, {200, TRUE, 200}, {200, FALSE, 180},
        {100, TRUE, 120}, {100, FALSE, 80}, {90, TRUE, 90}, {90, FALSE, 90},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.nNext, CTolvaneView::NextZoomStep(c.nZoom, c.bIn)) << c.nZoom << (c.bIn ? " in" : " out");
}

TEST_F(ViewTest, ZoomCommandsRebuildTheFaceAtTheNewZoomAndKeepTheFocus)
{
    StartOn(9003);
    CTolvaneView* pView = View();
    Command(ID_ZOOM_100);
    EXPECT_EQ(100, pView->m_nZoom);
    EXPECT_EQ(100u, Doc()->m_pMen->GetPercent());
    EXPECT_EQ(pView->m_rectPaperPix.Size(), pView->GetTotalSize());
    EXPECT_FALSE(IsCommandEnabled(pView, ID_ZOOM_100));
    EXPECT_EQ(0, pView->m_bZoomBusy) << "cleared once the queue drained";

    Doc()->m_pMen->SetNextField();
    const UINT nOrder = Doc()->m_pMen->GetFocusOrderNo();
    ASSERT_NE(0u, nOrder);
    Command(ID_ZOOM_IN);
    EXPECT_EQ(120, pView->m_nZoom);
    EXPECT_EQ(120u, Doc()->m_pMen->GetPercent());
    EXPECT_EQ(CSize(MulDiv(pView->m_rectPaperPix.Width(), 120, 100), MulDiv(pView->m_rectPaperPix.Height(), 120, 100)),
        pView->GetTotalSize());
    EXPECT_EQ(nOrder, Doc()->m_pMen->GetFocusOrderNo());
    EXPECT_EQ(1, pView->m_nCurrentMen);

    // A zoom command while another runs is dropped.
    pView->m_bZoomBusy = 1;
    Command(ID_ZOOM_IN);
    EXPECT_EQ(120, pView->m_nZoom);
    pView->m_bZoomBusy = 0;

    for (int i = 0; i < 12; ++i)
        Command(ID_ZOOM_IN);
    EXPECT_EQ(200, pView->m_nZoom);
    EXPECT_EQ(200u, Doc()->m_pMen->GetPercent());
    EXPECT_FALSE(IsCommandEnabled(pView, ID_ZOOM_IN));
    EXPECT_TRUE(IsCommandEnabled(pView, ID_ZOOM_OUT));
    for (int i = 0; i < 12; ++i)
        Command(ID_ZOOM_OUT);
    EXPECT_EQ(25, pView->m_nZoom);
    EXPECT_EQ(25u, Doc()->m_pMen->GetPercent());
    EXPECT_FALSE(IsCommandEnabled(pView, ID_ZOOM_OUT));
    EXPECT_TRUE(IsCommandEnabled(pView, ID_ZOOM_IN));
    EXPECT_EQ(0, pView->m_bZoomBusy);
}

TEST_F(ViewTest, FaceSelectedShowsThatFaceAndKeepsTheValuesOfTheOthers)
{
    StartOn(9003);
    CTolvaneView* pView = View();
    const UINT nOrder = Doc()->m_pMen->GetFocusOrderNo();
    ASSERT_NE(0u, nOrder);
    CWnd* pEntry = static_cast<CNPropObjCtrl*>(Doc()->m_pMen->GetCurrentField())->GetControl();
    ASSERT_NE(nullptr, pEntry);
    ASSERT_EQ(pView, pEntry->GetParent());
    const HWND hEntry = pEntry->m_hWnd;
    for (char ch : std::string("123"))
        pEntry->SendMessage(WM_CHAR, static_cast<BYTE>(ch), 1);

    EXPECT_EQ(0, Frame()->SendMessage(MsgFaceSelected, 2));
    m_app.PumpPending();
    EXPECT_EQ(2, pView->m_nCurrentMen);
    EXPECT_EQ(pView->m_nZoom, static_cast<int>(Doc()->m_pMen->GetPercent()));
    EXPECT_FALSE(::IsWindow(hEntry)) << "face 1's entry windows are gone";

    // Faces out of range change nothing.
    for (int nMen : {0, 4, -1}) {
        EXPECT_EQ(2, pView->ShowMen(nMen)) << nMen;
        EXPECT_EQ(2, pView->m_nCurrentMen);
    }
    EXPECT_EQ(2, pView->ShowMen(1));
    m_app.PumpPending();
    EXPECT_EQ(1, pView->m_nCurrentMen);
    EXPECT_EQ(nOrder, Doc()->m_pMen->GetFocusOrderNo()) << "the first field has the focus again";
    ASSERT_NE(nullptr, Doc()->m_pMen->GetCurrentField());
    EXPECT_STREQ("123", Doc()->m_pMen->GetCurrentField()->m_strData);
}
