// List printing through the page document: the definition file of the
// page's kind, page numbers counted from the first printed page, and the
// printing strings.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "canvas.h"
#include "defaultprtdef.h"
#include "field_fixture.h"
#include "mirtenv.h"
#include "nmirtdoc.h"
#include "test_paths.h"

namespace {

// An install root whose "\DATA\FMT\ON8.DPB" holds a definition with a page
// number in its header; no "ON8.DPD".
class BulletinBoardDefinition
{
public:
    BulletinBoardDefinition() : m_root(FreshTestFolder())
    {
        for (const char* pszFolder : {"\\DATA", "\\DATA\\FMT"})
            ::CreateDirectoryA((m_root + pszFolder).c_str(), nullptr);
        CDefaultPrtDef def;
        CLineDef* pItem = new CLineDef;
        pItem->m_nKind = CLineDef::KIND_PAGE;
        def.m_listHeader.AddTail(pItem);
        std::ofstream(m_root + "\\DATA\\FMT\\ON8.DPB", std::ios::binary) << Store(def);
        CMirtEnv::SetRootOverride(m_root.c_str());
    }
    ~BulletinBoardDefinition() { CMirtEnv::SetRootOverride(nullptr); }

private:
    std::string m_root;
};

void SetLayoutID(CNMirtDoc& doc, UINT nLayoutID)
{
    tagNMIRTDOC record;
    record.head.nLayoutID = nLayoutID;
    doc.SetMIRTDOC(&record, 1);
}

TEST(NMirtDocPrintTest, EachKindReadsItsOwnFileAndCountsPagesFromTheFirst)
{
    BulletinBoardDefinition files;
    MemoryCanvas canvas(400, 600);
    CBorrowedDC dc(canvas.dc(), canvas.dc(), FALSE);

    CNMirtDoc plain;
    SetLayoutID(plain, 8);
    plain.StartDefPrt();
    UINT nNext = 77;
    EXPECT_EQ(0, plain.PrintDef(&dc, 5, nNext));
    EXPECT_EQ(77u, nNext);

    CNMirtDocBBS bbs;
    SetLayoutID(bbs, 8);
    bbs.StartDefPrt();
    for (UINT nPage : {5u, 6u, 7u}) {
        EXPECT_EQ(0, bbs.PrintDef(&dc, nPage, nNext));
        EXPECT_EQ(nPage - 4, nNext);
    }
    // A new start counts from its own first page.
    bbs.StartDefPrt();
    EXPECT_EQ(0, bbs.PrintDef(&dc, 9, nNext));
    EXPECT_EQ(1u, nNext);

    bbs.EndDefPrt();
    nNext = 77;
    EXPECT_EQ(0, bbs.PrintDef(&dc, 10, nNext));
    EXPECT_EQ(77u, nNext);
}

TEST(NMirtDocPrintTest, PrintingStringsAreACopyUntilTheEnd)
{
    CStringList strings;
    strings.AddTail("s0");
    strings.AddTail("s1");
    CNMirtDoc doc;
    doc.SetDefPrtString(&strings);
    strings.RemoveAll();
    ASSERT_EQ(2, doc.GetDefPrtStrings().GetCount());
    EXPECT_STREQ("s1", doc.GetDefPrtStrings().GetTail());
    doc.SetDefPrtString(const_cast<CStringList*>(&doc.GetDefPrtStrings()));
    EXPECT_EQ(2, doc.GetDefPrtStrings().GetCount());
    doc.EndDefPrt();
    EXPECT_TRUE(doc.GetDefPrtStrings().IsEmpty());
}

}  // namespace
