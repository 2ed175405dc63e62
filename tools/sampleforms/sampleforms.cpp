#include "sampleforms.h"

#include <vector>

#include <barcode.h>

#include "npropobjnum.h"
#include "sampleformbuilder.h"
#include "textdrawattr.h"

namespace {

const SampleFont kMincho = {"ＭＳ 明朝", FIXED_PITCH | FF_ROMAN};
const SampleFont kGothic = {"ＭＳ ゴシック", FIXED_PITCH | FF_MODERN};

const SampleLook kTitle = {&kMincho, 24, CTextAttr::ALIGN_DISTRIBUTED, TRUE, FALSE};
const SampleLook kCustomer = {&kMincho, 16, CTextAttr::ALIGN_LEFT, FALSE, TRUE};
const SampleLook kHonorific = {&kMincho, 14, CTextAttr::ALIGN_LEFT, FALSE, FALSE};
const SampleLook kText = {&kMincho, 10, CTextAttr::ALIGN_LEFT, FALSE, TRUE};
const SampleLook kSmallText = {&kMincho, 9, CTextAttr::ALIGN_LEFT, FALSE, TRUE};
const SampleLook kCentredText = {&kMincho, 10, CTextAttr::ALIGN_CENTER, FALSE, TRUE};
const SampleLook kCompany = {&kMincho, 14, CTextAttr::ALIGN_LEFT, TRUE, TRUE};
const SampleLook kDate = {&kMincho, 10, CTextAttr::ALIGN_RIGHT, FALSE, FALSE};
const SampleLook kCaption = {&kGothic, 10, CTextAttr::ALIGN_CENTER, TRUE, FALSE};
const SampleLook kSmallCaption = {&kGothic, 10, CTextAttr::ALIGN_LEFT, FALSE, FALSE};
const SampleLook kNumber = {&kGothic, 10, CTextAttr::ALIGN_RIGHT, FALSE, FALSE};
const SampleLook kCode = {&kGothic, 10, CTextAttr::ALIGN_LEFT, FALSE, FALSE};
const SampleLook kDay = {&kGothic, 10, CTextAttr::ALIGN_CENTER, FALSE, FALSE};
const SampleLook kAmount = {&kGothic, 11, CTextAttr::ALIGN_RIGHT, FALSE, FALSE};
const SampleLook kTotal = {&kGothic, 16, CTextAttr::ALIGN_RIGHT, TRUE, FALSE};

// Quantities with up to two decimals, yen amounts in whole yen, all drawn
// with thousands separators; the total after a yen sign.
const SampleNumber kQuantity = {CNPropObjDocNum::NUMKIND_TRIMMED, CNPropObjDocNum::STYLE_SEPARATED, nullptr};
const SampleNumber kYen = {CNPropObjDocNum::NUMKIND_INTEGER, CNPropObjDocNum::STYLE_SEPARATED, nullptr};
const SampleNumber kYenTotal = {CNPropObjDocNum::NUMKIND_INTEGER, CNPropObjDocNum::STYLE_SEPARATED, "￥"};

// Dates in the Japanese era: 令和6年4月1日.
const char kEraDate[] = "100000000%Y年%T月%D日";

// Labels are numbered after every data field of the sample forms.
const UINT kFirstLabelOrder = 101;

// The user's information that the launcher saves under "\Data\Other\".
const char kCompanyFile[] = "COM.AUT";
const char kNameFile[] = "NAME.AUT";
const char kPostcodeFile[] = "ZIPHIFN.AUT";
const char kAddressFile[] = "ADD.AUT";
const char kPhoneFile[] = "TEL.AUT";
const char kFaxFile[] = "FAX.AUT";
const char kAccountFile[] = "KOUZA.AUT";

// The title spread over nWidth in the middle of the paper, a rule below it.
void AddTitle(CSampleFormBuilder& form, LPCSTR pszTitle, LONG nTop, LONG nHeight, LONG nWidth,
    const SampleLook& look)
{
    const LONG nLeft = (CSampleFormBuilder::PaperWidth() - nWidth) / 2;
    form.Label({nLeft, nTop, nLeft + nWidth, nTop + nHeight}, pszTitle, look);
    form.Rule(nLeft - 20, nLeft + nWidth + 20, nTop + nHeight);
}

// The customer's name with its honorific, underlined.
void AddCustomer(CSampleFormBuilder& form, UINT nOrder, LONG nLeft, LONG nTop, LPCSTR pszHonorific)
{
    form.Edit(nOrder, "お客様名", {nLeft, nTop, 1000, nTop + 90}, kCustomer);
    form.Label({1000, nTop + 10, 1120, nTop + 90}, pszHonorific, kHonorific);
    form.Rule(nLeft, 1120, nTop + 90);
}

// A caption at the left of the issuer block and its value, underlined.
void AddNumberLine(CSampleFormBuilder& form, UINT nOrder, LPCSTR pszCaption, LPCSTR pszName, LONG nTop,
    const SampleLook& look)
{
    form.Label({1400, nTop, 1560, nTop + 60}, pszCaption, kSmallCaption);
    form.Edit(nOrder, pszName, {1560, nTop, 2000, nTop + 60}, look);
    form.Rule(1400, 2000, nTop + 60);
}

void AddDateLine(CSampleFormBuilder& form, UINT nOrder, LPCSTR pszCaption, LPCSTR pszName, LONG nTop)
{
    form.Label({1400, nTop, 1560, nTop + 60}, pszCaption, kSmallCaption);
    form.CreationDate(nOrder, pszName, {1560, nTop, 2000, nTop + 60}, kDate, kEraDate);
    form.Rule(1400, 2000, nTop + 60);
}

// A captioned box of free text across the paper.
void AddRemarks(CSampleFormBuilder& form, UINT nOrder, LONG nTop, LONG nBottom)
{
    form.Caption({120, nTop, 300, nTop + 70}, "備考", kCaption);
    form.BoxedTextArea(nOrder, "備考", {120, nTop + 70, 2000, nBottom}, kText);
}

}  // namespace

// A formula of references: "$012*$014", "$015+$020+...".
CString References(const std::vector<UINT>& orders, char chOperator)
{
    CString strFormula;
    for (UINT nOrder : orders) {
        CString strReference;
        strReference.Format("$%03u", nOrder);
        strFormula += (strFormula.IsEmpty() ? CString() : CString(chOperator)) + strReference;
    }
    return strFormula;
}

// Customer and issuer (orders 1 to 10; the slip number a serial number),
// the total with tax, then a table of ten rows: item, quantity, unit, unit
// price, amount (orders 11 to 60), the company seal, a picture (order 61),
// the subtotal and the tax (62, 63). Each row's amount is its quantity
// times its unit price, the subtotal their sum, the tax the subtotal at
// the rate of "TAX.aut", the total the subtotal and the tax.
CNMirtLayoutData* MakeDeliveryNote()
{
    CSampleFormBuilder form(SAMPLE_DELIVERY_NOTE, "納品書", 1, kFirstLabelOrder);
    AddTitle(form, "納品書", 120, 130, 600, kTitle);
    AddCustomer(form, 1, 120, 330, "御中");
    form.TextArea(2, "お客様住所", {120, 440, 1000, 580}, kText, 3);
    form.Label({120, 620, 1000, 690}, "下記の通り納品いたします。", kText);
    form.Caption({120, 720, 400, 820}, "合計金額", kCaption);
    form.BoxedNumber(8, "合計金額", {400, 720, 1000, 820}, kTotal, kYenTotal);

    form.Label({1400, 300, 1560, 360}, "No.", kSmallCaption);
    form.SerialNumber(4, "伝票番号", {1560, 300, 2000, 360}, kCode);
    form.Rule(1400, 2000, 360);
    AddDateLine(form, 3, "納品日", "納品日", 370);
    form.AutoItem(5, "自社名", {1400, 480, 2000, 560}, kCompany, kCompanyFile);
    form.AutoItem(6, "自社住所", {1400, 570, 2000, 630}, kSmallText, kAddressFile);
    form.AutoItem(7, "自社電話番号", {1400, 630, 2000, 690}, kSmallText, kPhoneFile, "TEL ");
    form.AutoItem(10, "担当者", {1400, 690, 2000, 750}, kSmallText, kNameFile, "担当：");
    form.Picture(61, "社印", {1850, 750, 2000, 890});

    const SampleColumn columns[] = {
        {"品名", 120, 1000, &kText},
        {"数量", 1000, 1200, &kNumber, &kQuantity},
        {"単位", 1200, 1350, &kCentredText},
        {"単価", 1350, 1650, &kNumber, &kYen},
        {"金額", 1650, 2000, &kAmount, &kYen},
    };
    const UINT nFirst = 11;
    const int nRows = 10;
    form.Table(nFirst, columns, 5, nRows, 900, 70, 80, kCaption);
    std::vector<UINT> amounts;
    for (UINT nRow = 0; nRow < nRows; nRow++) {
        const UINT nQuantity = nFirst + nRow * 5 + 1;
        const UINT nPrice = nQuantity + 2;
        amounts.push_back(nPrice + 1);
        form.Calculation(References({nQuantity, nPrice}, '*'), amounts.back(), {nQuantity, nPrice});
    }

    form.Caption({1350, 1770, 1650, 1840}, "小計", kCaption);
    form.BoxedNumber(62, "小計", {1650, 1770, 2000, 1840}, kAmount, kYen);
    form.Caption({1350, 1840, 1650, 1910}, "消費税", kCaption);
    form.BoxedNumber(63, "消費税", {1650, 1840, 2000, 1910}, kAmount, kYen);
    form.Calculation(References(amounts, '+'), 62, {15, 20, 25, 30, 35, 40, 45, 50, 55, 60});
    form.Calculation("$062*TAX", 63, {62});
    form.Calculation("$062+$063", 8, {62, 63});

    AddRemarks(form, 9, 1940, 2150);
    form.Caption({1750, 2200, 2000, 2270}, "受領印", kCaption);
    form.Frame({1750, 2270, 2000, 2500});
    return form.Detach();
}

// Customer and issuer, the amounts of the period (orders 1 to 20), a
// table of eight rows: date, item, quantity, amount (orders 21 to 52), a
// calendar of the month of payment (order 53), the postal customer barcode
// of the postal code and address (order 54) and a check box (order 55).
CNMirtLayoutData* MakeInvoice()
{
    CSampleFormBuilder form(SAMPLE_INVOICE, "請求書", 1, kFirstLabelOrder);
    AddTitle(form, "御請求書", 120, 130, 600, kTitle);
    AddCustomer(form, 1, 120, 330, "様");
    form.Label({120, 440, 170, 500}, "〒", kCode);
    form.Edit(2, "郵便番号", {170, 440, 500, 500}, kCode);
    form.TextArea(3, "住所", {120, 500, 1000, 620}, kText, 2);
    form.Barcode(54, "カスタマバーコード", {120, 620, 1000, 700}, CBarcode::KIND_POSTAL);
    form.Label({120, 720, 1000, 790}, "下記の通りご請求申し上げます。", kText);

    AddDateLine(form, 4, "請求日", "請求日", 300);
    AddNumberLine(form, 5, "No.", "請求番号", 370, kCode);
    AddNumberLine(form, 17, "締切日", "締切日", 440, kCode);
    form.AutoItem(6, "自社名", {1400, 520, 2000, 600}, kCompany, kCompanyFile);
    form.AutoItem(7, "自社郵便番号", {1400, 600, 2000, 650}, kSmallText, kPostcodeFile, "〒");
    form.AutoItem(8, "自社住所", {1400, 650, 2000, 700}, kSmallText, kAddressFile);
    form.AutoItem(9, "自社電話番号", {1400, 700, 1700, 750}, kSmallText, kPhoneFile, "TEL ");
    form.AutoItem(10, "自社FAX番号", {1700, 700, 2000, 750}, kSmallText, kFaxFile, "FAX ");
    form.AutoItem(20, "担当者", {1400, 750, 2000, 800}, kSmallText, kNameFile, "担当：");
    form.CheckBox(55, "領収書同封", {1400, 800, 2000, 850}, "領収書同封");

    const char* const amounts[] = {"前回御請求額", "御入金額", "繰越金額", "今回御買上額", "消費税額", "今回御請求額"};
    for (UINT i = 0; i < 6; i++) {
        const LONG nLeft = 120 + static_cast<LONG>(i) * 313;
        form.Caption({nLeft, 860, nLeft + 313, 930}, amounts[i], kCaption);
        form.BoxedEdit(11 + i, amounts[i], {nLeft, 930, nLeft + 313, 1030}, i == 5 ? kTotal : kAmount);
    }

    const SampleColumn columns[] = {
        {"日付", 120, 320, &kDay},
        {"品名", 320, 1300, &kText},
        {"数量", 1300, 1550, &kNumber},
        {"金額", 1550, 2000, &kAmount},
    };
    form.Table(21, columns, 4, 8, 1090, 70, 90, kCaption);

    form.AutoItem(18, "振込先", {120, 1930, 2000, 1990}, kText, kAccountFile, "お振込先：");
    AddRemarks(form, 19, 2020, 2350);
    form.Label({1300, 2400, 1700, 2470}, "お支払予定月", kSmallCaption);
    form.Calendar(53, "お支払予定月", {1300, 2480, 2000, 2900});
    return form.Detach();
}

// Three slips to the sheet, each with its own fields (orders 1 to 8):
// date, number, addressee, subject, amount, description, issuer, paid.
CNMirtLayoutData* MakeSlip()
{
    CSampleFormBuilder form(SAMPLE_SLIP, "伝票", 3, kFirstLabelOrder);
    const SampleLook title = {&kMincho, 20, CTextAttr::ALIGN_DISTRIBUTED, TRUE, FALSE};
    AddTitle(form, "伝票", 60, 110, 300, title);
    AddNumberLine(form, 2, "No.", "伝票番号", 60, kCode);
    AddDateLine(form, 1, "日付", "日付", 130);
    AddCustomer(form, 3, 150, 220, "様");

    form.Caption({150, 340, 400, 420}, "件名", kCaption);
    form.BoxedEdit(4, "件名", {400, 340, 2000, 420}, kText);
    form.Caption({150, 420, 400, 500}, "金額", kCaption);
    form.BoxedEdit(5, "金額", {400, 420, 2000, 500}, kTotal);
    form.Caption({150, 500, 400, 760}, "摘要", kCaption);
    form.BoxedTextArea(6, "摘要", {400, 500, 2000, 760}, kText);

    form.Label({1200, 800, 1400, 870}, "発行", kSmallCaption);
    form.AutoItem(7, "発行者", {1400, 800, 2000, 870}, kCompany, kCompanyFile);
    form.CheckBox(8, "支払済", {150, 800, 600, 870}, "支払済");
    form.Rule(1200, 2000, 870);
    form.Rule(50, 2050, form.FaceHeight() - 10);
    return form.Detach();
}
