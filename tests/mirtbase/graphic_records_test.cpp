// Stored records of the line, picture, static-text, combo-box, button,
// check-box and barcode fields: golden bytes of the defaults, a clone that
// keeps every stored member, and the operations in their slots.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "field_fixture.h"
#include "field_slots.h"
#include "npropobjbarcode.h"
#include "npropobjbtncheck.h"
#include "npropobjbtnsub.h"
#include "npropobjcb.h"
#include "npropobjline.h"
#include "npropobjpic.h"
#include "npropobjstc.h"

namespace {

std::string Dwords(std::initializer_list<DWORD> values)
{
    std::string bytes;
    for (DWORD value : values)
        bytes += Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
            static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
    return bytes;
}

// The field base and control parts of a default field of version 1.
std::string CtrlPart(DWORD setting = 3, DWORD dataKind = 3)
{
    return Dwords({1, 0}) + std::string(16 + 32, '\0') + Dwords({0, setting}) + Bytes({0, 0}) + Dwords({dataKind}) +
           Bytes({0, 0}) + Dwords({1, 0x54000000, 0});
}

// "ＭＳ Ｐゴシック" of a height as stored.
std::string Font(DWORD height)
{
    return Dwords({height, 0, 0, 0, 400}) + Bytes({0, 0, 0, 128, 3, 2, 1, 0x32}) +
           Bytes({0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E}) +
           std::string(17, '\0');
}

template <class T>
void ExpectDefaultRecord(const std::string& golden)
{
    T field, loaded;
    ExpectRoundTrip(field, loaded, golden);
}

TEST(GraphicFieldRecordTest, DefaultRecords)
{
    ExpectDefaultRecord<CNPropObjLine>(CtrlPart() + Dwords({1}) + Bytes({0x0F, 0}) + Dwords({0, 0, 1, 13}));
    ExpectDefaultRecord<CNPropObjPic>(CtrlPart(2, 2) + Dwords({1, 0xFFFFFF, 0, 0}));
    ExpectDefaultRecord<CNPropObjStc>(CtrlPart(2, 2) + Dwords({1}));
    ExpectDefaultRecord<CNPropObjBarcode>(CtrlPart() + Dwords({1, 0, 0}));
    const std::string combo = CtrlPart() + Dwords({1}) + Font(9) + Dwords({0, 0xFFFFFF, 0, 9});
    ExpectDefaultRecord<CNPropObjCB>(combo);
    ExpectDefaultRecord<CNPropObjCBEdt>(combo + Dwords({1}));
    const std::string button = CtrlPart() + Dwords({1, 0});
    ExpectDefaultRecord<CNPropObjBtn>(button);
    ExpectDefaultRecord<CNPropObjBtnSub>(button + Dwords({1, 0}));
    ExpectDefaultRecord<CNPropObjBtnEdtCmb>(button + Dwords({1, 0}));
    ExpectDefaultRecord<CNPropObjBtnCheck>(button + Dwords({1}) + Font(90) + Dwords({0, 0xFFFFFF, 0}));
}

// The members every field class stores, each set away from its default.
void FillBase(CNPropObjCtrl& field)
{
    field.m_nOrder = 7;
    field.m_rect = {10, 20, 300, 140};
    for (int n = 1; n <= CNPropObj::ATTRIBUTE_COUNT; ++n)
        field.SetAttr(n, static_cast<DWORD>(n * 3) | (n == CNPropObj::ATTRIBUTE_INPUT ? 0x05 : 0));
    field.m_dwFlags = 0x40;
    field.m_dwSetting = 9;
    field.m_listItems.AddTail("first");
    field.m_listItems.AddTail("second");
    field.m_nDataKind = 5;
    field.m_strData = "1";
    field.m_strName = "name";
    field.m_dwStyle |= WS_BORDER;
    field.m_dwExStyle = WS_EX_TRANSPARENT;
}

LOGFONT OtherFont()
{
    LOGFONT lf = {};
    lf.lfHeight = 12;
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    lf.lfCharSet = ANSI_CHARSET;
    std::strcpy(lf.lfFaceName, "Arial");
    return lf;
}

void FillCombo(CNPropObjCB& field)
{
    FillBase(field);
    const LOGFONT lf = OtherFont();
    field.SetLogFont(&lf);
    field.m_crText = RGB(1, 2, 3);
    field.m_crBack = RGB(4, 5, 6);
    field.m_nEntryMode = 1;
    field.m_nRowHeight = 14;
}

// A stored pen width is held to 0..0x7FFF device units on load.
TEST(GraphicFieldRecordTest, LoadHoldsThePenWidth)
{
    const struct
    {
        int stored, loaded;
    } cases[] = {{0, 0}, {3, 3}, {0x7FFF, 0x7FFF}, {0x8000, 0x7FFF}, {INT_MAX, 0x7FFF}, {-1, 0}, {INT_MIN, 0}};
    for (const auto& c : cases) {
        CNPropObjLine field, loaded;
        field.m_nPenWidth = c.stored;
        Load(loaded, Store(field));
        EXPECT_EQ(c.loaded, loaded.m_nPenWidth) << c.stored;
    }
}

struct FilledField
{
    const char* name;
    std::function<CNPropObjCtrl*()> make;
};

TEST(GraphicFieldRecordTest, CloneKeepsEveryStoredMember)
{
    const FilledField fields[] = {
        {"line", [] {
             auto* p = new CNPropObjLine;
             FillBase(*p);
             p->m_wShapes = 0xC0;
             p->m_crPen = RGB(9, 8, 7);
             p->m_nPenStyle = PS_DASH;
             p->m_nPenWidth = 3;
             p->m_nDrawMode = R2_XORPEN;
             return p;
         }},
        {"picture", [] {
             auto* p = new CNPropObjPic;
             FillBase(*p);
             p->m_bDither = TRUE;
             p->m_bStretch = TRUE;
             p->m_crBack = RGB(10, 20, 30);
             return p;
         }},
        {"static", [] {
             auto* p = new CNPropObjStc;
             FillBase(*p);
             return p;
         }},
        {"barcode", [] {
             auto* p = new CNPropObjBarcode;
             FillBase(*p);
             p->m_dwBarSetting = 4;
             p->m_nKind = CBarcode::KIND_POSTAL;
             return p;
         }},
        {"combo", [] {
             auto* p = new CNPropObjCB;
             FillCombo(*p);
             return p;
         }},
        {"combo with file", [] {
             auto* p = new CNPropObjCBEdt;
             FillCombo(*p);
             return p;
         }},
        {"button", [] {
             auto* p = new CNPropObjBtn;
             FillBase(*p);
             p->m_bInvert = TRUE;
             return p;
         }},
        {"sub-form button", [] {
             auto* p = new CNPropObjBtnSub;
             FillBase(*p);
             p->m_nSubLayoutID = 9003;
             return p;
         }},
        {"choice-list button", [] {
             auto* p = new CNPropObjBtnEdtCmb;
             FillBase(*p);
             p->m_nTargetOrder = 12;
             return p;
         }},
        {"check box", [] {
             auto* p = new CNPropObjBtnCheck;
             FillBase(*p);
             p->m_bInvert = TRUE;
             const LOGFONT lf = OtherFont();
             p->SetLogFont(&lf);
             p->m_crText = RGB(1, 2, 3);
             p->m_crBack = RGB(4, 5, 6);
             p->SetMarkStyle(CNPropObjBtnCheck::MARK_CROSS);
             return p;
         }},
    };
    for (const FilledField& f : fields) {
        CNPropObjCtrl* pField = f.make();
        CNPropObj* pSame = pField->Clone(0, 0);
        CNPropObj* pMoved = pField->Clone(5, -7);
        EXPECT_EQ(pField->GetRuntimeClass(), pSame->GetRuntimeClass()) << f.name;
        EXPECT_EQ(Store(*pField), Store(*pSame)) << f.name;
        EXPECT_EQ(CRect(15, 13, 305, 133), CRect(pMoved->m_rect)) << f.name;
        // What was stored comes back whole.
        CNPropObjCtrl* pLoaded = static_cast<CNPropObjCtrl*>(pField->GetRuntimeClass()->CreateObject());
        Load(*pLoaded, Store(*pField));
        EXPECT_EQ(Store(*pField), Store(*pLoaded)) << f.name;
        delete pLoaded;
        delete pMoved;
        delete pSame;
        delete pField;
    }
}

TEST(GraphicFieldRecordTest, ClonedBarcodeKeepsItsKindAndSetting)
{
    CNPropObjBarcode field;
    field.m_nKind = CBarcode::KIND_CODE39;
    field.m_dwBarSetting = 2;
    CNPropObjBarcode* pClone = static_cast<CNPropObjBarcode*>(field.Clone(0, 0));
    EXPECT_EQ(static_cast<UINT>(CBarcode::KIND_CODE39), pClone->m_nKind);
    EXPECT_EQ(2u, pClone->m_dwBarSetting);
    delete pClone;
}

// The check box's own operations follow the control-backed field's.
TEST(GraphicFieldRecordTest, CheckBoxOperationsAfterTheControlSlots)
{
    EXPECT_FIELD_SLOT(69, &CNPropObjBtnCheck::SetMarkStyle);
    EXPECT_FIELD_SLOT(70, &CNPropObjBtnCheck::DrawCheck);
}

}  // namespace
