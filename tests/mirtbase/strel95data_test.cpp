// The page containers apart from their stored form: kinds, versions and
// their slots, pages, and the listing of a folder's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "nmirtdoc.h"
#include "strel95data.h"
#include "test_paths.h"
#include "vtable_slot.h"

namespace {

// A container slot as the table index under GCC, whose CObject destructor
// takes two slots.
ptrdiff_t Gcc(int nSlot)
{
    return nSlot + 1;
}

TEST(Strel95DataTest, TypeAndVersionSitInSlotsFiveAndSix)
{
    EXPECT_EQ(Gcc(5), SlotOf(&CStrel95Data::GetType));
    EXPECT_EQ(Gcc(6), SlotOf(&CStrel95Data::GetVersion));
    EXPECT_EQ(Gcc(5), SlotOf(&CStrel95MailData::GetType));
    EXPECT_EQ(Gcc(5), SlotOf(&CStrel95MailDataBBS::GetType));
}

TEST(Strel95DataTest, KindsAndVersions)
{
    struct Case
    {
        std::unique_ptr<CStrel95Data> pData;
        UINT nType;
    } cases[] = {
        {std::make_unique<CStrel95Data>(), 1},
        {std::make_unique<CStrel95MailData>(), 2},
        {std::make_unique<CStrel95MailDataBBS>(), 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.nType, c.pData->GetType());
        EXPECT_EQ(1u, c.pData->GetVersion());
        EXPECT_TRUE(c.pData->GetMirtDocList()->IsEmpty());
        EXPECT_TRUE(c.pData->GetPathList()->IsEmpty());
    }
}

TEST(Strel95DataTest, BulletinBoardNumbers)
{
    CStrel95MailDataBBS board;
    EXPECT_EQ(0u, board.GetConf());
    EXPECT_EQ(0u, board.GetSec());
    board.SetConf(0xFFFFFFFF);
    board.SetSec(12);
    EXPECT_EQ(0xFFFFFFFFu, board.GetConf());
    EXPECT_EQ(12u, board.GetSec());
}

TEST(Strel95DataTest, PagesInOrderWithoutNulls)
{
    CStrel95Data data;
    CNMirtDoc* pFirst = new CNMirtDoc;
    CNMirtDoc* pSecond = new CNMirtDoc;
    data.AddTail(pFirst);
    data.AddTail(nullptr);
    data.AddTail(pSecond);
    CObList* pPages = data.GetMirtDocList();
    ASSERT_EQ(2, pPages->GetCount());
    EXPECT_EQ(pFirst, pPages->GetHead());
    EXPECT_EQ(pSecond, pPages->GetTail());
}

TEST(Strel95DataTest, FilePathListNamesTheFilesOfAFolder)
{
    const std::string folder = FreshTestFolder() + "\\";
    for (const char* name : {"a.bmp", "b.txt"}) {
        CFile file((folder + name).c_str(), CFile::modeCreate | CFile::modeWrite);
        file.Close();
    }
    ::CreateDirectoryA((folder + "sub").c_str(), nullptr);

    CStrel95Data data;
    CStringList list;
    list.AddTail("kept");
    data.GetFilePathList(folder.c_str(), list);
    std::vector<std::string> paths;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        paths.push_back(static_cast<LPCSTR>(list.GetNext(pos)));
    ASSERT_EQ(3u, paths.size());
    EXPECT_EQ("kept", paths[0]);
    std::sort(paths.begin() + 1, paths.end());
    EXPECT_EQ(folder + "a.bmp", paths[1]);
    EXPECT_EQ(folder + "b.txt", paths[2]);

    data.GetFilePathList((folder + "missing\\").c_str(), list);
    EXPECT_EQ(3, list.GetCount());
}

}  // namespace
