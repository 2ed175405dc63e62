#include "picture_host.h"

#include <cstring>

#include "mirtmsgs.h"

BEGIN_MESSAGE_MAP(CPictureHost, CWnd)
    ON_MESSAGE(MsgSetPicture, OnSetPicture)
    ON_MESSAGE(MsgDrawPicture, OnDrawPicture)
    ON_MESSAGE(MsgCopyPicture, OnCopyPicture)
    ON_MESSAGE(MsgPastePicture, OnPastePicture)
END_MESSAGE_MAP()

CPictureHost::CPictureHost()
{
    CreateEx(0, AfxRegisterWndClass(0), "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr);
}

CPictureHost::~CPictureHost()
{
    DestroyWindow();
}

LRESULT CPictureHost::OnSetPicture(WPARAM wParam, LPARAM)
{
    m_loaded = reinterpret_cast<LPCSTR>(wParam);
    m_loads.push_back(m_loaded);
    return m_loaded != "missing.bmp";
}

LRESULT CPictureHost::OnCopyPicture(WPARAM wParam, LPARAM)
{
    m_copied = reinterpret_cast<LPCSTR>(wParam);
    return 0;
}

LRESULT CPictureHost::OnPastePicture(WPARAM wParam, LPARAM)
{
    const char* pBuffer = reinterpret_cast<char*>(wParam);
    m_nPastes++;
    EXPECT_EQ(std::string(MIRT_PICTURE_PATH, '\0'), std::string(pBuffer, MIRT_PICTURE_PATH));
    std::memcpy(reinterpret_cast<char*>(wParam), m_pasteBytes.data(), m_pasteBytes.size());
    return 0;
}

LRESULT CPictureHost::OnDrawPicture(WPARAM wParam, LPARAM lParam)
{
    const tagDRAWPICTURE* pRequest = reinterpret_cast<const tagDRAWPICTURE*>(lParam);
    m_drawn = reinterpret_cast<LPCSTR>(wParam);
    m_pDrawDC = pRequest->pDC;
    m_drawRect = *pRequest->pRect;
    m_nDrawFlag = *pRequest->pFlag;
    return m_nDrawReply;
}
