// Group fields: the stored records, linking of members through the form
// window, the calculated field's formula, rounding and table-row rule, and
// the copy group.
#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <string>
#include <vector>

#include "field_fixture.h"
#include "msgbox_recorder.h"
#include "nmirtlayoutdata.h"
#include "npropobjgrp.h"
#include "npropobjnum.h"
#include "other_folder.h"

namespace {

const char kFormulaMessage[] = "計算式に誤りがあります。\n正しい計算結果は得られません。";
const char kDivisionMessage[] = "計算式に誤りがあります。0で割ろうとしました。\n正しい計算結果は得られません。";

// DWORDs as an archive stores them.
std::string Dwords(std::initializer_list<DWORD> values)
{
    return StoreWith([&values](CArchive& ar) {
        for (DWORD value : values)
            ar << value;
    });
}

// The field record of a default field: version 1, order 0, empty
// rectangle, attributes 0, flags 0, setting 3, no items, data kind 3, no
// data, no name.
const std::string kDefaultFieldRecord =
    Dwords({1, 0}) + std::string(16 + 32, '\0') + Dwords({0, 3}) + Bytes({0, 0}) + Dwords({3}) + Bytes({0, 0});

TEST(GroupFieldTest, RecordsInAListWithClass)
{
    ExpectListRoundTrip<CNPropObjGrp>("CNPropObjGrp", kDefaultFieldRecord + Dwords({1}) + Bytes({0, 0, 0, 0}));
    ExpectListRoundTrip<CNPropObjCalc>(
        "CNPropObjCalc", kDefaultFieldRecord + Dwords({1}) + Bytes({0, 0, 0, 0}) + Dwords({1}) + Bytes({0}));
    ExpectListRoundTrip<CNPropObjAutoCpy>(
        "CNPropObjAutoCpy", kDefaultFieldRecord + Dwords({1}) + Bytes({0, 0, 0, 0}) + Dwords({1}));
}

TEST(GroupFieldTest, MembersBeforeTargetsAndTheFormula)
{
    // Members 1 and 2, target 3, formula "$001*2".
    const std::string record = kDefaultFieldRecord + Dwords({1}) + Bytes({2, 0, 1, 0, 2, 0}) + Bytes({1, 0, 3, 0}) +
                               Dwords({1}) + Bytes({6}) + "$001*2";
    CNPropObjCalc calc;
    Load(calc, record);
    EXPECT_EQ(record, Store(calc));
    ASSERT_EQ(2, calc.m_arrayMember.GetSize());
    EXPECT_EQ(2, calc.m_arrayMember[1]);
    ASSERT_EQ(1, calc.m_arrayTarget.GetSize());
    EXPECT_EQ(3, calc.m_arrayTarget[0]);
    EXPECT_STREQ("$001*2", calc.m_strFormula);
    for (size_t cut : {size_t(1), size_t(7), size_t(12), size_t(16)}) {
        CNPropObjCalc truncated;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(truncated, record.substr(0, record.size() - cut)))
            << cut;
    }
}

// Every group clone keeps order, rectangle and attributes and is not moved.
TEST(GroupFieldTest, ClonesKeepTheWholeRecord)
{
    const tagPROPBLOCK block = MakeBlock(7, {10, 20, 30, 40}, 0x04, 1);
    CNPropObjGrp group(block);
    CNPropObjCalc calc(block);
    CNPropObjAutoCpy copy(block);
    calc.m_strFormula = "$001+1";
    for (CNPropObjGrp* pGroup : {&group, static_cast<CNPropObjGrp*>(&calc), static_cast<CNPropObjGrp*>(&copy)}) {
        pGroup->m_arrayMember.Add(1);
        pGroup->m_arrayTarget.Add(2);
        pGroup->m_strName = "group";
        std::unique_ptr<CNPropObj> pClone(pGroup->Clone(100, 100));
        ASSERT_EQ(pGroup->GetRuntimeClass(), pClone->GetRuntimeClass());
        EXPECT_EQ(Store(*pGroup), Store(*pClone)) << pGroup->GetRuntimeClass()->m_lpszClassName;
    }
}

TEST(GroupFieldTest, AGroupHasNoTextListOrPlace)
{
    CNPropObjCalc calc(MakeBlock(7, {0, 0, 100, 100}, 0x07));
    calc.m_strData = "kept";
    CString strText = "caller's";
    EXPECT_EQ(1, calc.GetText(strText));
    EXPECT_STREQ("caller's", strText);
    EXPECT_EQ(1, calc.SetText("new"));
    EXPECT_STREQ("kept", calc.m_strData);
    EXPECT_FALSE(calc.HitTest(CPoint(50, 50)));
    EXPECT_EQ(1, calc.ClearText());
    RECT whole = {1, 1, 2, 2};
    calc.GetDrawRects(nullptr, &whole, nullptr, nullptr);
    EXPECT_TRUE(::IsRectEmpty(&whole));
    calc.m_arrayMember.Add(1);
    calc.InitDefaults();
    EXPECT_EQ(1, calc.m_arrayMember.GetSize());
    EXPECT_TRUE(calc.m_strFormula.IsEmpty());
    calc.CNPropObjGrp::InitDefaults();
    EXPECT_EQ(0, calc.m_arrayMember.GetSize());
}

TEST(FormulaTest, TextToNumberKeepsTwoDecimals)
{
    const struct
    {
        const char* text;
        LONGLONG value;
    } cases[] = {
        {"", 0}, {"1", 1000}, {"1.5", 1500}, {"1.234", 1230}, {"12.", 12000}, {"-1.5", -1500}, {"  7", 7000},
        {"abc", 0}, {"0.05", 50}, {"99999999999999999999", LLONG_MAX}, {"-99999999999999999999", LLONG_MIN},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.value, CNPropObjCalc::TextToNumber(c.text)) << c.text;
}

// Round up takes every dropped digit; half up the first one.
TEST(FormulaTest, RoundingAtEachDigit)
{
    const struct
    {
        LONGLONG value;
        char rule;
        const char* integer;
        const char* decimal;
    } cases[] = {
        {4500, 'D', "4", "4.50"}, {4500, 'F', "5", "4.50"}, {4500, 'U', "5", "4.50"},
        {1050, 'U', "2", "1.05"}, {1001, 'U', "2", "1.01"}, {1000, 'U', "1", "1.00"},
        {1499, 'F', "1", "1.50"}, {1494, 'F', "1", "1.49"}, {1499, 'D', "1", "1.49"},
        {-500, 'F', "-1", "-0.50"}, {-500, 'U', "-1", "-0.50"}, {-500, 'D', "0", "-0.50"},
        {-1001, 'U', "-2", "-1.01"}, {5, 'F', "0", "0.01"}, {5, 'D', "0", "0.00"}, {1, 'U', "1", "0.01"},
        {0, 'U', "0", "0.00"}, {50, 'X', "0", "0.05"}, {-1500, 'D', "-1", "-1.50"}, {33333, 'D', "33", "33.33"},
        {LLONG_MAX, 'U', "9223372036854776", "9223372036854775.81"},
        {LLONG_MIN, 'U', "-9223372036854776", "-9223372036854775.81"},
    };
    for (const auto& c : cases) {
        EXPECT_STREQ(c.integer, CNPropObjCalc::FormatInteger(c.value, c.rule)) << c.value << c.rule;
        EXPECT_STREQ(c.decimal, CNPropObjCalc::FormatDecimal(c.value, c.rule)) << c.value << c.rule;
    }
}

TEST(FormulaTest, OperationsInThousandths)
{
    const struct
    {
        LONGLONG accumulator;
        LONGLONG operand;
        int op;
        LONGLONG result;
    } cases[] = {
        {0, 1500, CNPropObjCalc::OP_LOAD, 1500},
        {3000, 1500, CNPropObjCalc::OP_MULTIPLY, 4500},
        {100000, 3000, CNPropObjCalc::OP_DIVIDE, 33333},
        {-100000, 3000, CNPropObjCalc::OP_DIVIDE, -33333},
        {1000, 2500, CNPropObjCalc::OP_SUBTRACT, -1500},
    };
    for (const auto& c : cases) {
        LONGLONG nAccumulator = c.accumulator;
        EXPECT_TRUE(CNPropObjCalc::Operate(nAccumulator, c.operand, c.op)) << c.op;
        EXPECT_EQ(c.result, nAccumulator) << c.op;
    }
}

// A face of numeric fields (orders 1 to 4, number kind 2) and a calculated
// field (order 50) writing into order 9, on a form window with a host.
class CalcTest : public OtherFolderTest
{
protected:
    void SetUp() override
    {
        OtherFolderTest::SetUp();
        m_form.SetParentWnd(&m_host);
        m_pFace = new CPropData;
        m_form.AddFace(m_pFace);
        m_pCalc = new CNPropObjCalc(MakeBlock(50, {0, 0, 0, 0}));
        m_pCalc->m_pOwner = &m_form;
        m_pCalc->m_arrayTarget.Add(9);
        m_pFace->AddPropObj(m_pCalc);
        m_pResult = AddNumber(9, "", 1);
    }

    CNPropObjDocNum* AddNumber(UINT nOrder, const char* pszText, int nKind = 2)
    {
        CNPropObjDocNum* pField =
            new CNPropObjDocNum(MakeBlock(nOrder, {0, 0, 100, 100}, 0x07), CNPropObjCtrl::STYLE_DEFAULT, 0);
        pField->m_pOwner = &m_form;
        pField->SetNumKind(nKind);
        pField->m_strData = pszText;
        m_pFace->AddPropObj(pField);
        return pField;
    }

    void SetOperands(std::initializer_list<const char*> texts)
    {
        UINT nOrder = 1;
        for (const char* text : texts)
            AddNumber(nOrder++, text);
    }

    // The formula's value, or the way it ended.
    int Calc(const char* pszFormula, LONGLONG& nValue) { return m_pCalc->CalcFormula(pszFormula, nValue); }

    CString Computed(const char* pszFormula)
    {
        m_pCalc->m_strFormula = pszFormula;
        m_pCalc->Execute(0, 0, 0);
        return m_pResult->m_strData;
    }

    CWnd m_host;
    CTestFormWnd m_form;
    CPropData* m_pFace = nullptr;
    CNPropObjCalc* m_pCalc = nullptr;
    CNPropObjDocNum* m_pResult = nullptr;
};

TEST_F(CalcTest, FormulasLeftToRightWithPlusLoosest)
{
    SetOperands({"1", "2", "3", "1.5"});
    const struct
    {
        const char* formula;
        LONGLONG value;
    } cases[] = {
        {"$001*$004", 1500}, {"$003*$004", 4500}, {"100/3", 33333}, {"$001-$002*$003", -3000},
        {"$001+$002*$003", 7000}, {"-5", -5000}, {"(1+2)*3", 9000}, {"3*(1+2)", 9000}, {"1.234*1000", 1230000},
        {"$003/$002+$001", 2500}, {"100*TAX", 5000}, {"100*TXY", 5000}, {"", 0}, {"10-(2*3)", 4000},
    };
    for (const auto& c : cases) {
        LONGLONG nValue = -1;
        EXPECT_EQ(CNPropObjCalc::CALC_DONE, Calc(c.formula, nValue)) << c.formula;
        EXPECT_EQ(c.value, nValue) << c.formula;
    }
}

namespace {

std::string Repeated(const std::string& part, int nTimes)
{
    std::string text;
    text.reserve(part.size() * nTimes);
    for (int i = 0; i < nTimes; i++)
        text += part;
    return text;
}

}  // namespace

// A received form may carry a formula of any length: 100,000 terms are
// summed as few are (each "+" adds the rest), without deep recursion.
TEST_F(CalcTest, FormulasOfManyTermsAreSummedAsShortOnes)
{
    SetOperands({"2"});
    const int nTerms = 100000;
    const struct
    {
        std::string formula;
        LONGLONG value;
    } cases[] = {
        {Repeated("1+", nTerms) + "1", (nTerms + 1) * 1000LL},
        {Repeated("$001*3+", nTerms) + "0", nTerms * 6000LL},
        {Repeated("(1+1)-1+", nTerms) + "-5", nTerms * 1000LL - 5000},
        {Repeated("TXX+", nTerms) + "0", nTerms * 50LL},
        {"9223372036854775+1+-1", 9223372036854775000LL},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.formula.substr(0, 12));
        LONGLONG nValue = -1;
        EXPECT_EQ(CNPropObjCalc::CALC_DONE, Calc(c.formula.c_str(), nValue));
        EXPECT_EQ(c.value, nValue);
    }
}

TEST_F(CalcTest, TaxRateFromItsFileToTwoDecimals)
{
    const struct
    {
        const char* file;
        const char* rate;
    } cases[] = {{"5", "0.05"}, {"8", "0.08"}, {"10", "0.10"}, {"7.5", "0.07"}, {"abc", "0.00"}};
    for (const auto& c : cases) {
        WriteOther("TAX.aut", StringArchive(c.file));
        EXPECT_STREQ(c.rate, CNPropObjCalc::GetTaxRate("$001*TAX")) << c.file;
        EXPECT_STREQ("0.05", CNPropObjCalc::GetTaxRate("$001*T12")) << c.file;
    }
    WriteOther("TAX.aut", StringArchive("8"));
    LONGLONG nValue = 0;
    EXPECT_EQ(CNPropObjCalc::CALC_DONE, Calc("1000*TAX", nValue));
    EXPECT_EQ(80000, nValue);
    WriteOther("TAX.aut", "\x05" "ab");
    EXPECT_STREQ("0.05", CNPropObjCalc::GetTaxRate("TAX"));
}

// Each malformed formula is reported once; a missing field ends silently.
TEST_F(CalcTest, FormulaErrors)
{
    SetOperands({"1", "2"});
    const struct
    {
        const char* formula;
        int ending;
        const char* message;
    } cases[] = {
        {"10/0", CNPropObjCalc::CALC_ERROR, kDivisionMessage},
        {"$001/$003", CNPropObjCalc::CALC_NO_FIELD, nullptr},
        {"1 +2", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"(1)2", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"$001$002", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"$01", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"1+$0", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"$0a1", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"2*T", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"2*TA", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"(1+2", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"$099", CNPropObjCalc::CALC_NO_FIELD, nullptr},
        {"1+$099", CNPropObjCalc::CALC_NO_FIELD, nullptr},
        {"99999999999999*99999999", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"999999999999999/0.01", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"10/0.001", CNPropObjCalc::CALC_ERROR, kDivisionMessage},
        {"-9223372036854775-1", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
        {"9223372036854775+1", CNPropObjCalc::CALC_ERROR, kFormulaMessage},
    };
    for (const auto& c : cases) {
        MessageBoxRecorder recorder;
        LONGLONG nValue = 12345;
        EXPECT_EQ(c.ending, Calc(c.formula, nValue)) << c.formula;
        EXPECT_EQ(12345, nValue) << c.formula;
        ASSERT_EQ(c.message != nullptr ? 1u : 0u, recorder.shown().size()) << c.formula;
        if (c.message != nullptr) {
            EXPECT_EQ(c.message, recorder.shown()[0].text) << c.formula;
        }
    }
}

TEST_F(CalcTest, ResultByNumberKindAndRoundingFile)
{
    SetOperands({"3", "1.5"});
    const struct
    {
        const char* rule;
        int kind;
        const char* result;
    } cases[] = {
        {nullptr, 0, "4"}, {"D", 0, "4"}, {"F", 0, "5"}, {"U", 0, "5"}, {"F", 1, "4.50"}, {"U", 2, "4.5"},
    };
    for (const auto& c : cases) {
        if (c.rule != nullptr)
            WriteOther("Shouhi.aut", StringArchive(c.rule));
        m_pResult->SetNumKind(c.kind);
        m_pResult->m_strData.Empty();
        EXPECT_STREQ(c.result, Computed("$001*$002")) << (c.rule ? c.rule : "no file") << " kind " << c.kind;
    }
    // A leading rounding letter is not part of the formula; the rule still
    // comes from the file.
    WriteOther("Shouhi.aut", StringArchive("D"));
    m_pResult->SetNumKind(0);
    EXPECT_STREQ("4", Computed("F$001*$002"));
}

TEST_F(CalcTest, ErrorsAndSwitchesLeaveTheResultAlone)
{
    SetOperands({"10", "0"});
    m_pResult->m_strData = "7.00";
    {
        MessageBoxRecorder recorder;
        EXPECT_STREQ("7.00", Computed("$001/$002"));
        EXPECT_STREQ("7.00", Computed("$001 +1"));
        EXPECT_EQ(2u, recorder.shown().size());
    }
    EXPECT_STREQ("7.00", Computed("$001+$077"));
    m_pResult->SetAutoCalc(CNPropObjDocNum::AUTOCALC_OFF);
    EXPECT_STREQ("7.00", Computed("$001"));
    m_pResult->SetAutoCalc(CNPropObjDocNum::AUTOCALC_ON);
    m_form.SetParentWnd(nullptr);
    EXPECT_STREQ("7.00", Computed("$001"));
    m_form.SetParentWnd(&m_host);
    EXPECT_STREQ("10.00", Computed("$001"));
    m_pCalc->m_arrayTarget[0] = 88;
    EXPECT_EQ(0, m_pCalc->Execute(0, 0, 0));
}

// Kind 2: a field showing the same number in another form keeps it; an
// empty one receives 0.
TEST_F(CalcTest, TrimmedKindKeepsAnEqualNumber)
{
    SetOperands({"1.5", "0"});
    m_pResult->SetNumKind(2);
    m_pResult->m_strData = "1.500";
    EXPECT_STREQ("1.500", Computed("$001"));
    m_pResult->m_strData = "1.70";
    EXPECT_STREQ("1.5", Computed("$001"));
    m_pResult->m_strData.Empty();
    EXPECT_STREQ("0", Computed("$002"));
}

// A table of 3 rows of 3 fields, orders 11 to 19: a running balance in the
// last column is left alone on a row whose income and expense are empty.
TEST_F(CalcTest, TableRowRuleOverAThreeRowTable)
{
    CNMirtLayoutData* pLayout = new CNMirtLayoutData;
    pLayout->m_nTableFirstOrder = 11;
    pLayout->m_nTableLastOrder = 19;
    pLayout->m_nTableLine = 3;
    m_form.SetLayout(pLayout);
    for (UINT nOrder = 11; nOrder <= 19; nOrder++)
        EXPECT_EQ(nOrder == 13 || nOrder == 16 || nOrder == 19, m_pCalc->IsRowEndOrder(nOrder)) << nOrder;
    EXPECT_FALSE(m_pCalc->IsRowEndOrder(10));
    EXPECT_FALSE(m_pCalc->IsRowEndOrder(22));

    AddNumber(13, "100");
    CNPropObjDocNum* pIncome = AddNumber(14, "");
    CNPropObjDocNum* pExpense = AddNumber(15, "");
    CNPropObjDocNum* pBalance = AddNumber(16, "");
    m_pCalc->m_arrayTarget[0] = 16;
    m_pCalc->m_strFormula = "$013+$014-$015";
    EXPECT_FALSE(m_pCalc->CheckRowInput(m_pCalc->m_strFormula));
    m_pCalc->Execute(0, 0, 0);
    EXPECT_STREQ("", pBalance->m_strData);
    pExpense->m_strData = "30";
    EXPECT_TRUE(m_pCalc->CheckRowInput(m_pCalc->m_strFormula));
    m_pCalc->Execute(0, 0, 0);
    EXPECT_STREQ("70", pBalance->m_strData);
    pExpense->m_strData.Empty();
    pIncome->m_strData = "5";
    m_pCalc->Execute(0, 0, 0);
    EXPECT_STREQ("105", pBalance->m_strData);

    // The first reference not at a row end, too few references, a
    // reference to no field (read as empty).
    EXPECT_TRUE(m_pCalc->CheckRowInput("$014+$015-$016"));
    EXPECT_TRUE(m_pCalc->CheckRowInput("$013+$015"));
    pIncome->m_strData.Empty();
    EXPECT_FALSE(m_pCalc->CheckRowInput("$013+$077-$015"));
    EXPECT_FALSE(m_pCalc->CheckRowInput(""));

    m_form.SetLayout(new CNMirtLayoutData);
    EXPECT_TRUE(m_pCalc->IsRowEndOrder(12));
    EXPECT_TRUE(m_pCalc->CheckRowInput(""));
}

TEST_F(CalcTest, TableSettingsFromAFileNeverOverflow)
{
    const struct
    {
        UINT first;
        UINT last;
        UINT rows;
        UINT order;
        bool end;
    } cases[] = {
        {20, 10, 3, 19, false}, {5, 5, 4, 4, true}, {5, 5, 4, 5, false}, {1, 0xFFFFFFFFu, 0xFFFFFFFFu, 1, true},
        {0xFFFFFFFFu, 0xFFFFFFFFu, 1, 0xFFFFFFFFu, true},
    };
    for (const auto& c : cases) {
        CNMirtLayoutData* pLayout = new CNMirtLayoutData;
        pLayout->m_nTableFirstOrder = c.first;
        pLayout->m_nTableLastOrder = c.last;
        pLayout->m_nTableLine = c.rows;
        m_form.SetLayout(pLayout);
        EXPECT_EQ(c.end, m_pCalc->IsRowEndOrder(c.order)) << c.first << " " << c.last << " " << c.rows;
    }
}

// Two groups feeding each other run once each.
TEST_F(CalcTest, GroupsInACircleRunOnceEach)
{
    CNPropObjDocNum* pA = AddNumber(1, "2");
    CNPropObjDocNum* pB = AddNumber(2, "");
    m_pCalc->m_arrayTarget[0] = 2;
    m_pCalc->m_arrayMember.Add(1);
    m_pCalc->m_strFormula = "$001*2";
    CNPropObjCalc* pBack = new CNPropObjCalc(MakeBlock(51, {0, 0, 0, 0}));
    pBack->m_pOwner = &m_form;
    pBack->m_arrayTarget.Add(1);
    pBack->m_arrayMember.Add(2);
    pBack->m_strFormula = "$002+1";
    m_pFace->AddPropObj(pBack);
    pA->AddLink(m_pCalc);
    pB->AddLink(pBack);

    pA->RecalcLinked();
    EXPECT_STREQ("4", pB->m_strData);
    EXPECT_STREQ("5", pA->m_strData);
    pA->RecalcLinked();
    EXPECT_STREQ("10", pB->m_strData);
    EXPECT_STREQ("11", pA->m_strData);
}

// The form window links each member to the group when the group's window
// is made, outside layout mode.
TEST_F(CalcTest, CreateControlLinksTheMembersThroughTheFormWindow)
{
    CNPropObjDocNum* pA = AddNumber(1, "2");
    CNPropObjDocNum* pB = AddNumber(2, "3");
    m_pCalc->m_arrayMember.Add(1);
    m_pCalc->m_arrayMember.Add(2);
    m_pCalc->m_arrayMember.Add(77);
    m_pCalc->m_strFormula = "$001*$002";
    EXPECT_EQ(nullptr, m_pCalc->CreateControl(nullptr, 1));
    ASSERT_TRUE(m_form.CreateEx(0, AfxRegisterWndClass(0), "form", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    EXPECT_EQ(nullptr, m_pCalc->CreateControl(nullptr, 16));
    m_pCalc->SetMode(16);
    EXPECT_EQ(nullptr, m_pCalc->CreateControl(nullptr, 1));
    EXPECT_EQ(nullptr, pA->GetLink(1));
    m_pCalc->SetMode(1);
    EXPECT_EQ(&m_form, m_pCalc->CreateControl(nullptr, 1));
    EXPECT_EQ(m_pCalc, pA->GetLink(1));
    EXPECT_EQ(m_pCalc, pB->GetLink(1));
    pB->m_strData = "4";
    pB->RecalcLinked();
    EXPECT_STREQ("8.00", m_pResult->m_strData);
    m_form.DestroyWindow();
}

TEST_F(CalcTest, CopyGroupCopiesTextAndLook)
{
    CNPropObjDocNum* pSource = AddNumber(1, "12.5");
    LOGFONT lf = *pSource->GetLogFont();
    lf.lfHeight = 20;
    pSource->SetLogFont(&lf);
    pSource->SetAlign(3);
    pSource->SetTextColor(RGB(255, 0, 0));
    CNPropObjDocNum* pTarget = AddNumber(2, "", 1);
    CNPropObjAutoCpy* pCopy = new CNPropObjAutoCpy(MakeBlock(60, {0, 0, 0, 0}));
    pCopy->m_pOwner = &m_form;
    pCopy->m_arrayMember.Add(1);
    pCopy->m_arrayTarget.Add(2);
    pCopy->m_arrayTarget.Add(77);
    m_pFace->AddPropObj(pCopy);
    // The target runs the calculated field, whose result feeds the copy
    // group again.
    m_pCalc->m_strFormula = "$002*2";
    pTarget->AddLink(m_pCalc);
    m_pResult->AddLink(pCopy);

    EXPECT_EQ(1, pCopy->Execute(0, 0, 0));
    EXPECT_STREQ("12.50", pTarget->m_strData);
    EXPECT_EQ(20, pTarget->GetLogFont()->lfHeight);
    EXPECT_EQ(3, pTarget->GetAlign());
    EXPECT_EQ(RGB(255, 0, 0), pTarget->GetTextColor());
    EXPECT_STREQ("25.00", m_pResult->m_strData);

    // Without its source the group leaves its targets alone.
    pCopy->m_arrayMember[0] = 78;
    pTarget->m_strData = "1.00";
    EXPECT_EQ(0, pCopy->Execute(0, 0, 0));
    EXPECT_STREQ("1.00", pTarget->m_strData);
}

}  // namespace
