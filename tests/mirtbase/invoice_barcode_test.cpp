// The sample invoice's customer barcode follows its postal code and address
// fields when the face window that shows the invoice gets the barcode
// message; the page taken back out of the print frame holds it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "field_fixture.h"
#include "mirtbasemen.h"
#include "mirtbaseprtfrm.h"
#include "mirtenv.h"
#include "mirtmsgs.h"
#include "msgbox_recorder.h"
#include "nmirtdoc.h"
#include "npropobjbarcode.h"
#include "sample_install.h"

namespace {

const UINT kInvoice = 9002;

class InvoiceBarcodeTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CMirtEnv::SetRootOverride(SampleInstallRoot().c_str());
        ASSERT_EQ(1, m_frame.SetFormat(kInvoice));
        CNMirtDoc* pPage = SamplePage(kInvoice);
        ASSERT_NE(nullptr, pPage);
        m_frame.SetData(pPage);
        m_men.SetParentWnd(&m_host);
        m_frame.SetMen(&m_men, 1);
        m_pPostcode = m_men.SearchFieldByFldName("郵便番号");
        m_pAddress = m_men.SearchFieldByFldName("住所");
        for (UINT nOrder = 1; m_pBarcode == nullptr && nOrder <= 200; ++nOrder)
            m_pBarcode = dynamic_cast<CNPropObjBarcode*>(m_men.GetPropObjByOrder(nOrder));
        ASSERT_NE(nullptr, m_pPostcode);
        ASSERT_NE(nullptr, m_pAddress);
        ASSERT_NE(nullptr, m_pBarcode);
    }
    void TearDown() override { CMirtEnv::SetRootOverride(nullptr); }

    // The barcode message as the face window's message map takes it.
    void SendBarcodeMessage(LPARAM nMode)
    {
        LRESULT lResult = -1;
        EXPECT_TRUE(m_men.OnWndMsg(MsgUserBarcode, reinterpret_cast<WPARAM>(m_pBarcode), nMode, &lResult));
        EXPECT_EQ(0, lResult);
    }

    CHostWnd m_host;
    CMirtBasePrtFrm m_frame;
    CMirtBaseMen m_men;
    CNPropObj* m_pPostcode = nullptr;
    CNPropObj* m_pAddress = nullptr;
    CNPropObjBarcode* m_pBarcode = nullptr;
};

TEST_F(InvoiceBarcodeTest, FollowsThePostalCodeAndTheAddress)
{
    const struct
    {
        const char* pszPostcode;
        const char* pszAddress;
        LPARAM nMode;
        const char* pszWant;
        bool bRefused;
    } kCases[] = {
        {"1234567", "中央区本町三丁目５－２", 0, "12345673-5-2", false},
        {"123-4567", "中央区本町三丁目５－２", 2, "12345673-5-2", false},
        {"１００－０００１", "千代田区千代田一番地", 0, "10000011", false},
        {"1000001", "千代田区千代田一番地", 1, "", false},
        {"1000001", "", 0, "", false},
        {"abcdefg", "千代田区千代田一番地", 0, "", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.pszPostcode << " " << c.pszAddress << " mode " << c.nMode);
        m_pPostcode->SetText(c.pszPostcode, 0);
        m_pAddress->SetText(c.pszAddress, 0);
        m_pBarcode->SetText("0000000", 0);
        MessageBoxRecorder boxes;
        SendBarcodeMessage(c.nMode);
        EXPECT_EQ(c.pszWant, std::string(m_pBarcode->m_strData));
        ASSERT_EQ(c.bRefused ? 1u : 0u, boxes.shown().size());
        if (c.bRefused) {
            EXPECT_EQ("7桁の郵便番号を入力して下さい。", boxes.shown()[0].text);
            EXPECT_EQ("郵便番号", boxes.shown()[0].caption);
        }
        EXPECT_EQ(c.pszWant, std::string(m_frame.GetPropObjByOrder(m_pBarcode->m_nOrder, 1)->m_strData));
    }
    m_pAddress->SetText("中央区本町三丁目５－２", 0);
    m_pPostcode->SetText("1234567", 0);
    SendBarcodeMessage(0);
    m_frame.GetMen(&m_men, 1, 1);
    std::unique_ptr<CNMirtDoc> pBack(m_frame.GetData(0, 0));
    ASSERT_NE(nullptr, pBack);
    EXPECT_EQ("12345673-5-2", std::string(pBack->GetPropObjByOrder(m_pBarcode->m_nOrder, 1)->m_strData));
}

}  // namespace
