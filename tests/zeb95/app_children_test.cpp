#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "whiteboard/app_children.h"
#include "wb_file_fixtures.h"
#include "whiteboard/wb_bmp_items.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"
#include "zeb_fixtures.h"

namespace {

const char kChildBytes[] = "0123456789";  // what a test child writes and reads back
const DWORD kChildLength = 10;

// A window of the application that serves the child requests: it writes
// and reads kChildBytes and finds the string "needle".
LRESULT CALLBACK AppChildProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg != MsgZebCmd)
        return ::DefWindowProcA(hwnd, uMsg, wParam, lParam);
    HANDLE hFile = reinterpret_cast<HANDLE>(lParam);
    DWORD cb = 0;
    char buffer[kChildLength] = {};
    switch (HIWORD(wParam)) {
    case ZebReqWriteAppChild:
        if (::GetWindowLongPtrA(hwnd, GWLP_USERDATA) != 0)
            return 0;  // told to fail
        return ::WriteFile(hFile, kChildBytes, kChildLength, &cb, nullptr) ? cb : 0;
    case ZebReqReadAppChild:
        return ::ReadFile(hFile, buffer, kChildLength, &cb, nullptr) && cb == kChildLength &&
               std::memcmp(buffer, kChildBytes, kChildLength) == 0;
    case ZebReqFindAppChild: return std::strcmp(reinterpret_cast<const char*>(lParam), "needle") == 0;
    default: return 0;
    }
}

WNDPROC g_pfnWbProc = nullptr;
std::vector<LPARAM> g_createValues;
bool g_bEmptyOnCreate = false;  // the subclass removes every item first

// The application's subclass of the whiteboard: makes and destroys its
// children on request.
LRESULT CALLBACK SubclassedWbProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == MsgZebCmd && HIWORD(wParam) == ZebReqCreateAppChild && LOWORD(wParam) == ZebKindAppChild) {
        g_createValues.push_back(lParam);
        if (g_bEmptyOnCreate) {
            zebRemoveText(hwnd, -1);
            WbRemoveBmpItem(hwnd, -1);
        }
        HWND hChild = ::CreateWindowExA(0, "ZebTestAppChild", "", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, hwnd,
                                        nullptr, ::GetModuleHandleA(nullptr), nullptr);
        zebAddObj(hwnd, hChild, ZebKindAppChild);
        return reinterpret_cast<LRESULT>(hChild);
    }
    if (uMsg == MsgZebCmd && HIWORD(wParam) == ZebReqDestroyAppChild) {
        HWND hChild = reinterpret_cast<HWND>(lParam);
        if (static_cast<LONG>(LOWORD(wParam)) != zebGetIndex(hChild, ZebKindAppChild))
            return 0;
        zebDelObj(hwnd, hChild, ZebKindAppChild);
        return ::DestroyWindow(hChild);
    }
    return ::CallWindowProcA(g_pfnWbProc, hwnd, uMsg, wParam, lParam);
}

class AppChildren : public LibraryStarted
{
protected:
    void SetUp() override
    {
        WNDCLASSA wc = {};
        wc.lpfnWndProc = AppChildProc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = "ZebTestAppChild";
        ::RegisterClassA(&wc);
        m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb);
        m_path = TempPath();
        g_createValues.clear();
        g_bEmptyOnCreate = false;
    }
    void TearDown() override
    {
        zebDestroyWhiteBoard(m_hWb);
        ::DeleteFileA(m_path.c_str());
        Pump();
    }
    void Subclass()
    {
        g_pfnWbProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrA(m_hWb, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassedWbProc)));
    }
    static std::string TempPath()
    {
        char szDir[MAX_PATH];
        char szPath[MAX_PATH];
        ::GetTempPathA(MAX_PATH, szDir);
        ::GetTempFileNameA(szDir, "zoo", 0, szPath);
        return szPath;
    }
    HANDLE Open(DWORD dwCreation) const
    {
        return ::CreateFileA(m_path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, dwCreation,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }

    TestParent m_parent;
    HWND m_hWb = nullptr;
    std::string m_path;
};

TEST_F(AppChildren, CreatedWrittenReadFoundAndDestroyedThroughTheSubclass)
{
    Subclass();
    LONG nIndex = -2;
    HWND hChild = CreateAppChild(m_hWb, 42, &nIndex);
    ASSERT_NE(nullptr, hChild);
    EXPECT_EQ(std::vector<LPARAM>{42}, g_createValues);
    EXPECT_EQ(0, nIndex);
    EXPECT_TRUE(IsAppChild(hChild));

    HANDLE hFile = Open(CREATE_ALWAYS);
    ASSERT_NE(INVALID_HANDLE_VALUE, hFile);
    EXPECT_EQ(12, WriteAppChild(hChild, hFile)) << "the tag and the child's 10 bytes";
    ::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN);
    EXPECT_TRUE(ReadAppChild(hChild, hFile));
    ::CloseHandle(hFile);
    EXPECT_EQ(std::vector<BYTE>({'O', 'O', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}), ReadBytes(m_path));

    EXPECT_NE(0, FindAppChildString(hChild, "needle"));
    EXPECT_EQ(0, FindAppChildString(hChild, "hay"));

    EXPECT_NE(0, DestroyAppChild(hChild));
    EXPECT_FALSE(::IsWindow(hChild));
    EXPECT_EQ(0, ZebWbRecord::From(GetObjRecord(m_hWb))->ChildCount(kWbAppChildSlot));
}

TEST_F(AppChildren, FailuresOfTheProtocol)
{
    Subclass();
    HWND hChild = CreateAppChild(m_hWb, 0, nullptr);
    ASSERT_NE(nullptr, hChild);
    HANDLE hFile = Open(CREATE_ALWAYS);
    ::SetWindowLongPtrA(hChild, GWLP_USERDATA, 1);
    EXPECT_EQ(-1, WriteAppChild(hChild, hFile)) << "a child that wrote nothing";
    ::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN);
    DWORD cb = 0;
    ::WriteFile(hFile, "XO0123456789", 12, &cb, nullptr);
    ::SetFilePointer(hFile, 0, nullptr, FILE_BEGIN);
    EXPECT_FALSE(ReadAppChild(hChild, hFile)) << "another tag";
    ::SetFilePointer(hFile, 0, nullptr, FILE_END);
    EXPECT_FALSE(ReadAppChild(hChild, hFile)) << "nothing left";
    ::CloseHandle(hFile);

    HWND hForeign = ::CreateWindowExA(0, "ZebTestAppChild", "", WS_CHILD, 0, 0, 5, 5, m_hWb, nullptr,
                                      ::GetModuleHandleA(nullptr), nullptr);
    EXPECT_FALSE(IsAppChild(hForeign)) << "not entered";
    EXPECT_EQ(0, DestroyAppChild(hForeign)) << "the subclass sees index 0xFFFF and refuses";
    EXPECT_TRUE(::IsWindow(hForeign));
}

// The child writes itself after the tag "OO" at the end of the whiteboard
// file; reading the file replaces it by a new child that reads the bytes.
TEST_F(AppChildren, WhiteBoardFileCarriesTheChildInAnUnmeasuredBlock)
{
    Subclass();
    HWND hChild = CreateAppChild(m_hWb, 0, nullptr);
    ASSERT_NE(nullptr, hChild);
    const LONG nWritten = zebWriteWhiteBoard(m_hWb, m_path.c_str(), 1, nullptr, nullptr);
    const std::vector<BYTE> file = ReadBytes(m_path);
    ASSERT_EQ(static_cast<LONG>(file.size()), nWritten);
    ASSERT_GT(file.size(), 12u);
    EXPECT_EQ(std::vector<BYTE>({'O', 'O', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'}),
              std::vector<BYTE>(file.end() - 12, file.end()));
    g_createValues.clear();
    EXPECT_EQ(nWritten, zebReadWhiteBoard(m_hWb, m_path.c_str(), nullptr, nullptr));
    EXPECT_EQ(std::vector<LPARAM>{0}, g_createValues);
    EXPECT_FALSE(::IsWindow(hChild));
    HWND hNew = zebGetObjWindow(m_hWb, ZebKindAppChild, 0);
    ASSERT_NE(nullptr, hNew);
    EXPECT_TRUE(::IsWindowVisible(hNew));
    EXPECT_EQ(1, ZebWbRecord::From(GetObjRecord(m_hWb))->ChildCount(kWbAppChildSlot));
}

// An item block whose index was the end of the table when it was read is
// no longer within the table once the application emptied it while it made
// its child: the file is refused whole, with no item, object or child of
// it left behind, and no bitmap freed that the whiteboard holds.
TEST_F(AppChildren, ItemsThatNoLongerFitAfterTheChildWasMadeLeaveNothingBehind)
{
    Subclass();
    const LOGFONTA lf = TestFont(12);
    const POINT pt = {5, 5};
    HWND hSource = CreatePlainWhiteBoard(m_parent.Hwnd());
    for (int i = 0; i < 2; ++i) {
        zebAddText(hSource, "item", &lf, &pt, FALSE);
        WbAddBmpItem(hSource, -1, MakeSolidDib(4, 4, RGB(200, 0, 0)), "bmp", pt);
    }
    zebCreateObjPic(hSource, nullptr, nullptr);
    ASSERT_GT(zebWriteWhiteBoard(hSource, m_path.c_str(), 2, nullptr, nullptr), 0);
    const std::vector<Bytes> blocks = SplitBlocks(ReadBytes(m_path));
    zebDestroyWhiteBoard(hSource);
    // "WB", "WT" 0, "WT" 1, "WD" 0, "WD" 1, "PO"
    ASSERT_EQ(6u, blocks.size());
    const std::vector<BYTE> appChild = {'O', 'O', '0', '1', '2', '3', '4', '5', '6', '7', '8', '9'};
    for (size_t nItemBlock : {2u, 4u}) {
        SCOPED_TRACE(nItemBlock);
        zebRemoveText(m_hWb, -1);
        WbRemoveBmpItem(m_hWb, -1);
        ASSERT_EQ(0, zebAddText(m_hWb, "old", &lf, &pt, FALSE));
        ASSERT_EQ(0, WbAddBmpItem(m_hWb, -1, MakeSolidDib(4, 4, RGB(0, 0, 200)), nullptr, pt));
        std::vector<BYTE> file = blocks[nItemBlock];
        file.insert(file.end(), blocks[5].begin(), blocks[5].end());
        file.insert(file.end(), appChild.begin(), appChild.end());
        WriteBytes(m_path, file);
        g_bEmptyOnCreate = true;
        EXPECT_EQ(-1, zebReadWhiteBoard(m_hWb, m_path.c_str(), nullptr, nullptr));
        g_bEmptyOnCreate = false;
        ZebWbRecord& wb = *ZebWbRecord::From(GetObjRecord(m_hWb));
        EXPECT_EQ(0, zebGetTextCount(m_hWb));
        EXPECT_EQ(0, wb.ChildCount(kWbBmpItemSlot));
        EXPECT_EQ(nullptr, zebGetObjWindow(m_hWb, ZebKindPicture, 0)) << "no hidden picture left";
        EXPECT_EQ(0, wb.ChildCount(kWbAppChildSlot));
    }
}

TEST_F(AppChildren, WithoutSubclassNoChildIsMadeAndNothingGoesUp)
{
    m_parent.received.clear();
    LONG nIndex = 7;
    EXPECT_EQ(nullptr, CreateAppChild(m_hWb, 5, &nIndex));
    EXPECT_EQ(7, nIndex);
    for (int nCode : {90, 99, 691, 692, 693, 694, 699})
        EXPECT_EQ(0, ::SendMessageA(m_hWb, MsgZebCmd, static_cast<WPARAM>(nCode) << 16, 0)) << nCode;
    EXPECT_TRUE(m_parent.received.empty());
}

}  // namespace
