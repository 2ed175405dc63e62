// The form window base: what the fields read of it, its layout's settings
// and the picture requests it relays to the main window.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "field_fixture.h"
#include "mirtmsgs.h"
#include "picture_host.h"
#include "vtable_slot.h"

namespace {

TEST(MirtBaseTest, ConstructionValues)
{
    CTestFormWnd form;
    EXPECT_EQ(100u, form.GetPercent());
    EXPECT_EQ(CSize(0, 0), form.GetMargin());
    EXPECT_EQ(0u, form.GetPrintPaper());
    EXPECT_EQ(1u, form.GetMetaFileA());
    EXPECT_EQ(nullptr, form.GetParentWnd());
    EXPECT_EQ(0, form.IsPrintForm());
    EXPECT_EQ(0u, form.GetLayoutID());
    EXPECT_EQ(0u, form.GetFromID());
    EXPECT_EQ(0u, form.SetNumberCount(3, 0));
    EXPECT_EQ(0u, form.GetTableFirstOrder());
    EXPECT_EQ(0, form.IsTableData());
    EXPECT_EQ(2u, form.GetUsrNo());
    EXPECT_EQ(0u, form.GetMenCount());
    EXPECT_TRUE(form.GetAriaRectM().IsRectNull());
}

TEST(MirtBaseTest, LayoutIdAndTableSettings)
{
    struct Case
    {
        UINT nFirst;
        UINT nLast;
        UINT nLines;
        int nTable;
    };
    const Case cases[] = {{3, 9, 5, 1}, {0, 9, 5, 0}, {3, 0, 5, 0}, {3, 9, 0, 0}};
    for (const Case& c : cases) {
        CTestFormWnd form;
        CNMirtLayoutData* pLayout = new CNMirtLayoutData;
        pLayout->m_nLayoutID = 40012;
        pLayout->m_nTableFirstOrder = c.nFirst;
        pLayout->m_nTableLastOrder = c.nLast;
        pLayout->m_nTableLine = c.nLines;
        form.SetLayout(pLayout);
        EXPECT_NE(0, form.IsPrintForm());
        EXPECT_EQ(40012u, form.GetLayoutID());
        EXPECT_EQ(c.nFirst, form.GetTableFirstOrder());
        EXPECT_EQ(c.nLast, form.GetTableLastOrder());
        EXPECT_EQ(c.nLines, form.GetTableLine());
        EXPECT_EQ(c.nTable, form.IsTableData()) << c.nFirst << " " << c.nLast << " " << c.nLines;
    }
}


TEST(MirtBaseTest, PictureRequestsGoToTheMainWindow)
{
    CTestFormWnd form;
    CDC dc;
    CRect rect(1, 2, 3, 4);
    EXPECT_EQ(0, form.SetPicture("a.bmp"));
    EXPECT_EQ(0, form.DrawPicture(&dc, rect, "a.bmp", 1));

    CWinApp app("MirtBaseTest");
    CPictureHost host;
    app.m_pMainWnd = &host;
    EXPECT_EQ(1, form.SetPicture("C:\\DATA\\Defbmp\\印.bmp"));
    EXPECT_EQ("C:\\DATA\\Defbmp\\印.bmp", host.m_loaded);
    EXPECT_EQ(0, form.SetPicture("missing.bmp"));

    EXPECT_EQ(1, form.DrawPicture(&dc, rect, "印.bmp", 2));
    EXPECT_EQ("印.bmp", host.m_drawn);
    EXPECT_EQ(&dc, host.m_pDrawDC);
    EXPECT_EQ(rect, host.m_drawRect);
    EXPECT_EQ(2, host.m_nDrawFlag);
    app.m_pMainWnd = nullptr;
}

// Paths go to the main window only when they fit its 260-byte buffers with
// their zero; a pasted path comes back up to its zero, and a buffer the
// main window filled to the end gives no path.
TEST(MirtBaseTest, PicturePathsFitTheHostsBuffers)
{
    CTestFormWnd form;
    CString strPasted = "kept";
    form.PastePicture(strPasted);
    EXPECT_EQ("kept", std::string(strPasted)) << "no main window";

    CWinApp app("MirtBaseTest");
    CPictureHost host;
    app.m_pMainWnd = &host;
    const std::string longest = "C:\\" + std::string(MIRT_PICTURE_PATH - 4, 'a');
    const std::string tooLong = longest + "b";
    form.CopyPicture("C:\\DATA\\印.bmp");
    EXPECT_EQ("C:\\DATA\\印.bmp", host.m_copied);
    form.CopyPicture(longest.c_str());
    EXPECT_EQ(longest, host.m_copied);
    form.CopyPicture(tooLong.c_str());
    EXPECT_EQ(longest, host.m_copied) << "not sent";
    EXPECT_EQ(1, form.SetPicture(longest.c_str()));
    EXPECT_EQ(0, form.SetPicture(tooLong.c_str()));
    EXPECT_EQ(longest, host.m_loaded);
    CDC dc;
    CRect rect(1, 2, 3, 4);
    EXPECT_EQ(0, form.DrawPicture(&dc, rect, tooLong.c_str(), 1));
    EXPECT_EQ("", host.m_drawn);

    const struct
    {
        std::string bytes;
        const char* pszPath;
    } pastes[] = {
        {"C:\\DATA\\RCV\\貼付.bmp", "C:\\DATA\\RCV\\貼付.bmp"},
        {std::string("a.bmp\0junk", 10), "a.bmp"},
        {std::string(), ""},
        {longest, longest.c_str()},
        {std::string(MIRT_PICTURE_PATH, 'x'), ""},
    };
    for (const auto& p : pastes) {
        host.m_pasteBytes = p.bytes;
        strPasted = "before";
        form.PastePicture(strPasted);
        EXPECT_EQ(p.pszPath, std::string(strPasted)) << p.bytes.size();
    }
    EXPECT_EQ(5, host.m_nPastes);
    app.m_pMainWnd = nullptr;
}

// The form window's own virtual operations follow CWnd's in this order.
struct CSlotProbe : CMirtBase
{
    static ptrdiff_t InitMemberSlot() { return SlotOf(&CSlotProbe::InitMember); }
    static ptrdiff_t CreateListSlot() { return SlotOf(&CSlotProbe::CreateList); }
};

TEST(MirtBaseTest, VirtualOperationsInSlotOrder)
{
    const ptrdiff_t first = CSlotProbe::InitMemberSlot();
    const ptrdiff_t slots[] = {
        first,
        CSlotProbe::CreateListSlot(),
        SlotOf(&CMirtBase::IsPrintForm),
        SlotOf(&CMirtBase::GetFromID),
        SlotOf(&CMirtBase::ClickDisp),
        SlotOf(&CMirtBase::AddMirtBaseSub),
        SlotOf(&CMirtBase::RedrawAria),
        SlotOf(&CMirtBase::SetNumberCount),
        SlotOf(&CMirtBase::ClearNumberCount),
    };
    for (size_t i = 0; i < sizeof slots / sizeof slots[0]; i++)
        EXPECT_EQ(first + static_cast<ptrdiff_t>(i), slots[i]) << "operation " << i + 1;
}

}  // namespace
