#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "whiteboard/app_children.h"
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

// The application's subclass of the whiteboard: makes and destroys its
// children on request.
LRESULT CALLBACK SubclassedWbProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (uMsg == MsgZebCmd && HIWORD(wParam) == ZebReqCreateAppChild && LOWORD(wParam) == ZebKindAppChild) {
        g_createValues.push_back(lParam);
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
