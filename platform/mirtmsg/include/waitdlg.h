// CWaitDlg: a small window that asks the user to wait. The constructor
// shows it at once, centred on the screen; DestroyWindow (or the
// destructor) removes it.
#pragma once
#include <afxwin.h>

#ifdef MIRTMSG_BUILDING
#define MIRTMSG_API __declspec(dllexport)
#else
#define MIRTMSG_API __declspec(dllimport)
#endif

#pragma pack(push, 4)

class MIRTMSG_API CWaitDlg : public CWnd
{
public:
    // pParent: the window it belongs to, or null for none.
    explicit CWaitDlg(CWnd* pParent = nullptr);

    // The text it shows.
    static const char* Text();

private:
    CWnd m_wndText;
};

#pragma pack(pop)
