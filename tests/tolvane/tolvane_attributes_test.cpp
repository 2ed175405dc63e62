// The attribute state of the form view: read from the fields' format
// records, shown in the commands' enabling and checks, and applied back.
#include <cstring>
#include <initializer_list>

#include "view/fieldattributes.h"
#include "frame/mainfrm.h"
#include "mirtbasemen.h"
#include "npropobj.h"
#include "npropobjctrl.h"
#include "resource.h"
#include "tolvane_fixture.h"

namespace {

tagSPACEINFO Record()
{
    tagSPACEINFO info;
    std::memset(&info, 0, sizeof(info));
    return info;
}

struct Probe : CCmdUI
{
    BOOL bEnabled = TRUE;
    int nCheck = 0;
    void Enable(BOOL bOn) override { bEnabled = bOn; }
    void SetCheck(int nValue) override { nCheck = nValue; }
    void SetText(LPCSTR) override {}
};

Probe Update(CWnd* pTarget, UINT nID)
{
    Probe probe;
    probe.m_nID = nID;
    probe.DoUpdate(pTarget, FALSE);
    return probe;
}

}  // namespace

TEST(FieldAttributes, RowHeightsBecomePitches)
{
    struct Case
    {
        int nRowHeight;
        BOOL bKnown;
        int nPitch;
    };
    for (const Case& c : {Case{1, TRUE, 0}, Case{10, TRUE, 0}, Case{12, TRUE, 1}, Case{15, TRUE, 2}, Case{20, TRUE, 3},
             Case{125, TRUE, -1}, Case{0, FALSE, 0}, Case{11, FALSE, 0}, Case{-5, FALSE, 0}}) {
        tagSPACEINFO info = Record();
        info.nRowHeight = c.nRowHeight;
        CFieldAttributes attr;
        attr.Take(info);
        EXPECT_EQ(c.bKnown, attr.m_bPitchKnown) << c.nRowHeight;
        if (c.bKnown) {
            EXPECT_EQ(c.nPitch, attr.m_nPitch) << c.nRowHeight;
        }
    }
}

TEST(FieldAttributes, FlagsTakeTheirKnownValuesAndGoBackOut)
{
    struct Case
    {
        int nIn;        // carry-over, lock, auto-calculation
        int nState;     // carry-over and lock
        int nOut;       // carry-over and lock sent back
        int nAutoCalc;  // state and sent back
    };
    for (const Case& c : {Case{1, 1, 1, 1}, Case{2, 2, 2, 2}, Case{3, 0, 3, 0}, Case{0, 1, 1, 0}, Case{7, 1, 1, 0}}) {
        tagSPACEINFO info = Record();
        info.nCarryOver = info.nLock = info.nAutoCalc = c.nIn;
        CFieldAttributes attr;
        attr.Take(info);
        EXPECT_EQ(c.nState, attr.m_nCarryOver) << c.nIn;
        EXPECT_EQ(c.nState, attr.m_nLock) << c.nIn;
        EXPECT_EQ(c.nAutoCalc, attr.m_nAutoCalc) << c.nIn;
        tagSPACEINFO out = Record();
        attr.Fill(out, 2);
        EXPECT_EQ(c.nOut, out.nCarryOver) << c.nIn;
        EXPECT_EQ(c.nOut, out.nLock) << c.nIn;
        EXPECT_EQ(c.nAutoCalc, out.nAutoCalc) << c.nIn;
        EXPECT_EQ(2, out.nAlign);
    }
    for (const auto& kind : {std::pair<int, int>{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 1}, {-1, 1}}) {
        tagSPACEINFO info = Record();
        info.nNumKind = kind.first;
        CFieldAttributes attr;
        attr.Take(info);
        EXPECT_EQ(kind.second, attr.m_nNumKind) << kind.first;
    }
}

TEST(FieldAttributes, ShadowAndPitchRateKeepTheLastKnownRate)
{
    CFieldAttributes attr;
    tagSPACEINFO info = Record();
    info.nShadow = 1;
    info.nPichRate = 2;
    attr.Take(info);
    EXPECT_EQ(1, attr.m_nShadow);
    EXPECT_TRUE(attr.m_bPichRateKnown);
    EXPECT_EQ(2, attr.m_nPichRate);

    info.nShadow = 2;
    info.nPichRate = 4;
    attr.Take(info);
    EXPECT_EQ(-1, attr.m_nShadow);
    EXPECT_FALSE(attr.m_bPichRateKnown);
    EXPECT_EQ(2, attr.m_nPichRate) << "4 keeps the last rate";
    tagSPACEINFO out = Record();
    attr.Fill(out, 1);
    EXPECT_EQ(2, out.nShadow) << "unknown shadow is kept";
    EXPECT_EQ(4, out.nPichRate) << "unknown rate is kept";

    info.nPichRate = 9;
    attr.Take(info);
    EXPECT_FALSE(attr.m_bPichRateKnown);
    EXPECT_EQ(0, attr.m_nPichRate);
    info.nPichRate = 125;
    attr.Take(info);
    EXPECT_TRUE(attr.m_bPichRateKnown);
    EXPECT_EQ(-1, attr.m_nPichRate);
    attr.Fill(out, 1);
    EXPECT_EQ(125, out.nPichRate);
}

TEST(FieldAttributes, FontAndColourRoundTrip)
{
    tagSPACEINFO info = Record();
    info.lfFont.lfWeight = 700;
    info.lfFont.lfItalic = 1;
    info.lfFont.lfHeight = -16;
    info.lfFont.lfWidth = 8;
    info.lfFont.lfCharSet = SHIFTJIS_CHARSET;
    std::strcpy(info.lfFont.lfFaceName, "ＭＳ 明朝");
    info.crText = RGB(12, 34, 56);
    info.nRowHeight = 15;
    CFieldAttributes attr;
    attr.Take(info);
    EXPECT_TRUE(attr.m_bBold);
    EXPECT_TRUE(attr.m_bItalic);
    EXPECT_FALSE(attr.m_bUnderline);
    EXPECT_STREQ("ＭＳ 明朝", attr.m_strFaceName);
    attr.m_bBold = FALSE;
    tagSPACEINFO out = Record();
    attr.Fill(out, 3);
    EXPECT_EQ(400, out.lfFont.lfWeight);
    EXPECT_EQ(1, out.lfFont.lfItalic);
    EXPECT_EQ(-16, out.lfFont.lfHeight);
    EXPECT_EQ(0, out.lfFont.lfWidth);
    EXPECT_EQ(SHIFTJIS_CHARSET, out.lfFont.lfCharSet);
    EXPECT_STREQ("ＭＳ 明朝", out.lfFont.lfFaceName);
    EXPECT_EQ(RGB(12, 34, 56), out.crText);
    EXPECT_EQ(15, out.nRowHeight);
    EXPECT_EQ(3, out.nAlign);
}

class AttributeViewTest : public TolvaneTest
{
protected:
    CNPropObj* Field() const { return Doc()->m_pMen->GetCurrentField(); }
    // The focused field reports its format to the view.
    void ReportFormat(CNPropObj* pField)
    {
        ASSERT_TRUE(pField->IsKindOf(RUNTIME_CLASS(CNPropObjCtrl)));
        static_cast<CNPropObjCtrl*>(pField)->PostFormatToView(View());
        m_app.PumpPending();
    }
};

TEST_F(AttributeViewTest, StateFollowsTheFocusedField)
{
    StartOn(9002);
    CMirtBaseMen* pMen = Doc()->m_pMen;
    int nFields = 0;
    do {
        CNPropObj* pField = Field();
        ASSERT_NE(nullptr, pField);
        SCOPED_TRACE(pField->m_nOrder);
        ReportFormat(pField);
        const CFieldAttributes& attr = View()->m_attr;
        EXPECT_STREQ(pField->GetFieldName(), Frame()->m_strFieldName);
        const LOGFONT* pFont = pField->GetLogFont();
        pMen->SetNextField();
        if (pFont == nullptr)
            continue;
        EXPECT_EQ(pField->GetLogFont()->lfWeight >= 700, attr.m_bBold != 0);
        EXPECT_EQ(pField->GetLogFont()->lfHeight, attr.m_nHeight);
        EXPECT_STREQ(pField->GetLogFont()->lfFaceName, attr.m_strFaceName);
        EXPECT_EQ(pField->GetTextColor(), attr.m_crText);
        EXPECT_EQ(pField->GetAlign(), Frame()->m_nAlign);
    } while (++nFields < 6);
}

TEST_F(AttributeViewTest, BoldAndNumberCommandsChangeOnlyTheirAttribute)
{
    StartOn(9002);
    CNPropObj* pField = Field();
    ASSERT_NE(nullptr, pField);
    ASSERT_NE(nullptr, pField->GetLogFont());
    // An odd colour, not one of the sixteen, stays.
    pField->SetTextColor(RGB(1, 2, 3));
    ReportFormat(pField);
    EXPECT_EQ(RGB(1, 2, 3), View()->m_attr.m_crText);
    const LONG nWeight = pField->GetLogFont()->lfWeight;
    EXPECT_TRUE(Update(View(), ID_BOLD).bEnabled);
    Command(ID_BOLD);
    EXPECT_NE(nWeight >= 700, pField->GetLogFont()->lfWeight >= 700);
    EXPECT_EQ(RGB(1, 2, 3), pField->GetTextColor());
    EXPECT_TRUE(Doc()->IsModified());
    EXPECT_EQ(nWeight >= 700 ? 0 : 1, Update(View(), ID_BOLD).nCheck);

    View()->m_bDataLink = 1;
    for (UINT nID : {ID_BOLD, ID_ITALIC, ID_ALIGN_LEFT, ID_FONT_NAME_COMBO, ID_NUM_INTEGER})
        EXPECT_FALSE(Update(View(), nID).bEnabled) << nID;
    View()->m_bDataLink = 0;
    Frame()->m_bEntryMode = 0;
    for (UINT nID : {ID_BOLD, ID_NUM_INTEGER, ID_NUM_NONE})
        EXPECT_FALSE(Update(View(), nID).bEnabled) << nID << " in layout mode";
    Frame()->m_bEntryMode = 1;

    View()->m_attr.m_nNumKind = 3;
    EXPECT_FALSE(Update(View(), ID_NUM_DECIMAL2).bEnabled) << "not numeric";
    View()->m_attr.m_nNumKind = 1;
    const Probe decimal = Update(View(), ID_NUM_DECIMAL2);
    EXPECT_TRUE(decimal.bEnabled);
    EXPECT_EQ(1, decimal.nCheck);
    EXPECT_EQ(0, Update(View(), ID_NUM_INTEGER).nCheck);
    Frame()->m_nAlign = 3;
    EXPECT_EQ(1, Update(View(), ID_ALIGN_CENTER).nCheck);
    EXPECT_EQ(0, Update(View(), ID_ALIGN_LEFT).nCheck);
}
