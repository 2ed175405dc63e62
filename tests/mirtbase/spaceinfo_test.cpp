// The field's attributes posted to the host view as a tagSPACEINFO that
// the receiver frees.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "field_fixture.h"
#include "mirtmsgs.h"

namespace {

// A host view that takes the posted records, keeps a copy and frees them.
class CFormatView : public CWnd
{
public:
    CFormatView()
    {
        CreateEx(0, AfxRegisterWndClass(0), "view", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
    }
    ~CFormatView() override { DestroyWindow(); }

    // Dispatches the view's waiting messages.
    void Pump()
    {
        MSG msg;
        while (::PeekMessageA(&msg, m_hWnd, 0, 0, PM_REMOVE))
            ::DispatchMessageA(&msg);
    }

    int m_nReceived = 0;
    std::unique_ptr<tagSPACEINFO> m_pLast;

protected:
    afx_msg LRESULT OnFieldFormat(WPARAM wParam, LPARAM lParam)
    {
        ++m_nReceived;
        EXPECT_EQ(0, lParam);
        tagSPACEINFO* pInfo = reinterpret_cast<tagSPACEINFO*>(wParam);
        if (pInfo != nullptr)
            m_pLast.reset(new tagSPACEINFO(*pInfo));
        delete pInfo;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CFormatView, CWnd)
    ON_MESSAGE(MsgFieldFormat, OnFieldFormat)
END_MESSAGE_MAP()

// A field with every text attribute.
class CFormattedField : public CTestField
{
public:
    LOGFONT m_font = {};
    int m_nShadow = 1;

    LOGFONT* GetLogFont() override { return &m_font; }
    COLORREF GetTextColor() override { return RGB(0x12, 0x34, 0x56); }
    int GetAlign() override { return 3; }
    int GetRowHeight() override { return 15; }
    int GetAutoCalc() override { return 2; }
    int GetNumKind() override { return 1; }
    int GetShadow() override { return m_nShadow; }
    int GetPichRate() override { return 2; }
};

TEST(SpaceInfoTest, FieldWithoutSettingsPostsTheNotApplicableValues)
{
    CFormatView view;
    CTestField field;
    field.SetAttr(CNPropObj::ATTRIBUTE_CLEAR, 1);
    field.PostFormatToView(&view);
    view.Pump();
    ASSERT_EQ(1, view.m_nReceived);
    const tagSPACEINFO& info = *view.m_pLast;
    EXPECT_EQ('\0', info.lfFont.lfFaceName[0]);
    EXPECT_EQ(0u, info.crText);
    EXPECT_EQ(0, info.nAlign);
    EXPECT_EQ(0, info.nRowHeight);
    EXPECT_EQ(1, info.nCarryOver);
    EXPECT_EQ(1, info.nLock);
    EXPECT_EQ('\0', info.szName[0]);
    EXPECT_EQ(0, info.nAutoCalc);
    EXPECT_EQ(3, info.nNumKind);
    EXPECT_EQ(2, info.nShadow);
    EXPECT_EQ(4, info.nPichRate);
}

TEST(SpaceInfoTest, FieldAttributesInTheirPlaces)
{
    CFormatView view;
    CFormattedField field;
    std::strcpy(field.m_font.lfFaceName, "ＭＳ 明朝");
    field.m_font.lfHeight = 12;
    field.SetModify(TRUE);
    field.m_strName = "住所";
    field.PostFormatToView(&view);
    view.Pump();
    ASSERT_EQ(1, view.m_nReceived);
    const tagSPACEINFO& info = *view.m_pLast;
    EXPECT_STREQ("ＭＳ 明朝", info.lfFont.lfFaceName);
    EXPECT_EQ(12, info.lfFont.lfHeight);
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), info.crText);
    EXPECT_EQ(3, info.nAlign);
    EXPECT_EQ(15, info.nRowHeight);
    EXPECT_EQ(2, info.nCarryOver);
    EXPECT_EQ(2, info.nLock);
    EXPECT_STREQ("住所", info.szName);
    EXPECT_EQ(2, info.nAutoCalc);
    EXPECT_EQ(1, info.nNumKind);
    EXPECT_EQ(1, info.nShadow);
    EXPECT_EQ(2, info.nPichRate);
}

TEST(SpaceInfoTest, ShadowIsOffOnOrNotApplicable)
{
    const struct
    {
        int nField;
        int nRecord;
    } cases[] = {{0, 0}, {1, 1}, {2, 1}, {3, 2}, {-1, 2}, {7, 2}};
    for (const auto& c : cases) {
        CFormattedField field;
        field.m_nShadow = c.nField;
        tagSPACEINFO info;
        field.FillSpaceInfo(info);
        EXPECT_EQ(c.nRecord, info.nShadow) << c.nField;
    }
}

TEST(SpaceInfoTest, LongNameIsCutTo128BytesWithoutTerminator)
{
    CTestField field;
    field.m_strName = CString('n', 200);
    tagSPACEINFO info;
    field.FillSpaceInfo(info);
    EXPECT_EQ(std::string(128, 'n'), std::string(info.szName, sizeof info.szName));
}

}  // namespace
