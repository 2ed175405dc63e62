// A whiteboard of the multimedia object library on a host window of its
// own, for tests of windows over its text documents.
#pragma once
#include "field_fixture.h"
#include "zeb95.h"

class CTestWhiteBoard
{
public:
    CTestWhiteBoard()
    {
        ZebWbCreateInfo info = {};
        info.dwMask = ZEBWB_STYLE;
        info.hParent = m_host.GetSafeHwnd();
        info.dwStyle = WS_CHILD | WS_VISIBLE;
        info.cx = 400;
        info.cy = 300;
        m_hWnd = zebCreateWhiteBoard(&info);
    }
    ~CTestWhiteBoard() { zebDestroyWhiteBoard(m_hWnd); }
    CTestWhiteBoard(const CTestWhiteBoard&) = delete;
    CTestWhiteBoard& operator=(const CTestWhiteBoard&) = delete;

    // A new empty text document on the whiteboard.
    HWND NewDoc() const { return zebCreateObjDoc(m_hWnd, nullptr, nullptr); }

    CHostWnd m_host;
    HWND m_hWnd = nullptr;
};
