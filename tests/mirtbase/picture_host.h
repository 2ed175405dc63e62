// A main window that answers the form windows' picture requests and
// records them.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afxwin.h"

class CPictureHost : public CWnd
{
public:
    CPictureHost();
    ~CPictureHost() override;

    std::string m_loaded;               // the last path loaded
    std::vector<std::string> m_loads;   // every path loaded, in order
    std::string m_copied;
    std::string m_drawn;
    // What a paste writes into the buffer, without a zero of its own.
    std::string m_pasteBytes;
    int m_nPastes = 0;
    CDC* m_pDrawDC = nullptr;
    CRect m_drawRect;
    int m_nDrawFlag = 0;
    // The answer to a drawing request: 1 drawn.
    LRESULT m_nDrawReply = 1;

protected:
    afx_msg LRESULT OnSetPicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnCopyPicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnPastePicture(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnDrawPicture(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
