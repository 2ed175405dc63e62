// The form screen by keyboard on the sample forms: the first field of the
// face holds the focus once a form is shown, and from it Tab visits every
// field of each face in the face's order, each taking what is typed, and
// comes back to the first.
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "mirtbasemen.h"
#include "mirtmsgs.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "npropobjctrl.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "npropobjnum.h"
#include "npropwnddoc.h"
#include "resource.h"
#include "typed_keys.h"
#include "sampleforms.h"
#include "tolvane_fixture.h"

namespace {

struct Sample
{
    int nLayoutID;
    CNMirtLayoutData* (*make)();
};

// Beyond the orders of the samples' fields and labels.
const UINT kLastOrder = 1000;

const Sample kSamples[] = {
    {SAMPLE_DELIVERY_NOTE, MakeDeliveryNote},
    {SAMPLE_INVOICE, MakeInvoice},
    {SAMPLE_SLIP, MakeSlip},
};

// The fields that Tab stops at on each face of the sample, in the order of
// the layout's face fields: those that take input, less the barcode, which
// has no entry window.
std::vector<UINT> TabStops(const Sample& sample)
{
    std::unique_ptr<CNMirtLayoutData> pLayout(sample.make());
    std::vector<UINT> orders;
    for (POSITION pos = pLayout->m_listFaces.GetHeadPosition(); pos != nullptr;) {
        const CNPropObj* pField = static_cast<CNPropObj*>(pLayout->m_listFaces.GetNext(pos));
        if (pField->IsEditable() && dynamic_cast<const CNPropObjBarcode*>(pField) == nullptr)
            orders.push_back(pField->m_nOrder);
    }
    return orders;
}

class KeyboardTest : public TolvaneTest
{
protected:
    // The order of the field of the face whose entry window, a child of
    // the view, holds the focus; 0 for none.
    UINT FocusedOrder() const
    {
        HWND hEntry = ::GetFocus();
        while (hEntry != nullptr && ::GetParent(hEntry) != View()->m_hWnd)
            hEntry = ::GetParent(hEntry);
        for (UINT nOrder = 1; hEntry != nullptr && nOrder < kLastOrder; nOrder++) {
            const CNPropObjCtrl* pField = dynamic_cast<CNPropObjCtrl*>(Doc()->m_pMen->GetPropObjByOrder(nOrder));
            if (pField != nullptr && pField->GetControl() != nullptr && pField->GetControl()->m_hWnd == hEntry)
                return nOrder;
        }
        return 0;
    }
    // Whether 2 by 2 pixels of the focused window show in the view, its
    // scroll bars left out.
    bool FocusInSight() const
    {
        CRect rectView, rectFocus, rectCommon;
        View()->GetWindowRect(&rectView);
        rectView.right -= ::GetSystemMetrics(SM_CXVSCROLL);
        rectView.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
        ::GetWindowRect(::GetFocus(), &rectFocus);
        return rectCommon.IntersectRect(&rectView, &rectFocus) && rectCommon.Width() >= 2 && rectCommon.Height() >= 2;
    }
    // Keys as the keyboard gives them, to the window with the focus.
    void Type(const char* pszKeys)
    {
        TypeKeys(pszKeys);
        m_app.PumpPending();
    }
    // Types into the focused field by its kind; what its value must then
    // hold, or empty for a field that takes no typing.
    std::string TypeInto(CNPropObj* pField)
    {
        if (dynamic_cast<CNPropObjBtnCheck*>(pField) != nullptr) {
            Type("\r");
            return "1";
        }
        if (dynamic_cast<CNPropObjDoc*>(pField) == nullptr && dynamic_cast<CNPropObjEdt*>(pField) == nullptr)
            return std::string();
        const char* pszKeys = dynamic_cast<CNPropObjDocNum*>(pField) != nullptr ? "7" : "Ab";
        Type(pszKeys);
        const std::string strShown(CNPropWndDoc::ReadAllText(::GetFocus()));
        EXPECT_NE(std::string::npos, strShown.find(pszKeys)) << strShown;
        return pszKeys;
    }
    // From the first field of the shown face, Tab through every stop; each
    // takes its typing, and the last Tab comes back to the first.
    void TabThroughFace(const std::vector<UINT>& stops)
    {
        ASSERT_FALSE(stops.empty());
        std::vector<std::pair<UINT, std::string>> typed;
        for (UINT nStop : stops) {
            SCOPED_TRACE(testing::Message() << "order " << nStop);
            ASSERT_EQ(nStop, FocusedOrder());
            EXPECT_TRUE(FocusInSight());
            CNPropObj* pField = Doc()->m_pMen->GetCurrentField();
            ASSERT_NE(nullptr, pField);
            ASSERT_EQ(nStop, pField->m_nOrder);
            const std::string strTyped = TypeInto(pField);
            if (!strTyped.empty())
                typed.emplace_back(nStop, strTyped);
            Type("\t");
        }
        EXPECT_EQ(stops.front(), FocusedOrder()) << "Tab on the last field goes back to the first";
        for (const auto& entry : typed) {
            CNPropObj* pField = Doc()->m_pMen->GetPropObjByOrder(entry.first);
            ASSERT_NE(nullptr, pField);
            EXPECT_NE(std::string::npos, std::string(pField->m_strData).find(entry.second))
                << entry.first << ": " << pField->m_strData;
        }
    }
};

TEST_F(KeyboardTest, AShownFormHasTheFocusInItsFirstField)
{
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.nLayoutID);
        const std::vector<UINT> stops = TabStops(sample);
        StartOn(sample.nLayoutID);
        EXPECT_EQ(stops[0], FocusedOrder());
        // The view made active again gives the focus back to its field.
        Type("\t");
        EXPECT_EQ(stops[1], FocusedOrder());
        View()->SendMessage(MsgFocusFirstChild);
        EXPECT_EQ(stops[1], FocusedOrder());
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

TEST_F(KeyboardTest, TabVisitsEveryFieldOfEachFaceInOrder)
{
    for (const Sample& sample : kSamples) {
        SCOPED_TRACE(sample.nLayoutID);
        StartOn(sample.nLayoutID);
        for (int nMen = 1; nMen <= View()->m_nMenCount; nMen++) {
            SCOPED_TRACE(testing::Message() << "face " << nMen);
            if (nMen > 1) {
                View()->ShowMen(nMen);
                m_app.PumpPending();
            }
            TabThroughFace(TabStops(sample));
        }
        m_app.m_pMainWnd = nullptr;
        m_app.CloseAllDocuments(FALSE);
    }
}

// At the largest zoom the form is larger than the view: Tab scrolls each
// field into sight.
TEST_F(KeyboardTest, TabScrollsEachFieldIntoSight)
{
    StartOn(SAMPLE_DELIVERY_NOTE);
    for (int i = 0; i < 12; ++i)
        Command(ID_ZOOM_IN);
    ASSERT_EQ(200, View()->m_nZoom);
    CRect rectClient;
    View()->GetClientRect(&rectClient);
    ASSERT_GT(View()->GetTotalSize().cy, rectClient.Height());
    TabThroughFace(TabStops(kSamples[0]));
    // Back from the first field to the last, at the bottom of the form.
    View()->SendMessage(MsgUserMove, 0, 0);
    EXPECT_EQ(TabStops(kSamples[0]).back(), FocusedOrder());
    EXPECT_TRUE(FocusInSight());
    EXPECT_NE(CPoint(0, 0), View()->GetDeviceScrollPosition()) << "the view scrolled";
    const CPoint ptScroll = View()->GetDeviceScrollPosition();
    EXPECT_EQ(CSize(MulDiv(ptScroll.x, 1000, 378 * 2), MulDiv(ptScroll.y, 1000, 378 * 2)), Doc()->m_pMen->GetMargin())
        << "the face window's margin, in layout units, follows";
}

// The cell scrolled to for a field's corner: cells of the cell size column
// by column, the last column and row at the far edges, none beyond 100.
TEST(ScrollCellTest, TheFirstCellHoldingTheCornerGivesThePosition)
{
    struct Case
    {
        CPoint ptField;
        CSize sizeTotal, sizeCell;
        BOOL bFound;
        CPoint ptScroll;
    };
    const Case cases[] = {
        {{50, 50}, {1000, 1000}, {400, 300}, TRUE, {0, 0}},
        {{450, 50}, {1000, 1000}, {400, 300}, TRUE, {400, 0}},
        {{950, 950}, {1000, 1000}, {400, 300}, TRUE, {600, 700}},      // last column and row at the edges
        {{799, 650}, {1000, 1000}, {400, 300}, TRUE, {400, 600}},      // the middle cells come first
        {{850, 50}, {1000, 1000}, {400, 300}, TRUE, {600, 0}},
        {{10, 10}, {100, 100}, {400, 300}, TRUE, {0, 0}},              // one cell larger than the area
        {{5, 5}, {1100, 1000}, {100, 100}, FALSE, {0, 0}},             // 11 x 10 cells
        {{5, 5}, {1000, 1000}, {100, 100}, TRUE, {0, 0}},              // 100 cells
        {{1200, 5}, {1000, 1000}, {400, 300}, FALSE, {0, 0}},          // outside the area
        {{5, 5}, {1000, 1000}, {0, 300}, FALSE, {0, 0}},
    };
    for (const Case& c : cases) {
        CPoint ptScroll(-1, -1);
        EXPECT_EQ(c.bFound, CTolvaneView::FindScrollCell(c.ptField, c.sizeTotal, c.sizeCell, ptScroll))
            << c.ptField.x << "," << c.ptField.y;
        if (c.bFound) {
            EXPECT_EQ(c.ptScroll, ptScroll) << c.ptField.x << "," << c.ptField.y;
        }
    }
}

}  // namespace
