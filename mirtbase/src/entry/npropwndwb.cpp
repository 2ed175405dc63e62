#include "npropwndwb.h"

#include <zeb95.h>

#include "enter/textoverflow.h"
#include "mirtmsgs.h"
#include "npropobj.h"

namespace {

const DWORD kCreateMask = 0xEFFF2;
const DWORD kStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
const int kFrame = 2;
const UINT kTextChanged = 101;
const UINT kOverflow = 112;

COLORREF FrameColour(int nFrameKind)
{
    switch (nFrameKind) {
    case CNPropWndWB::FRAME_GREEN: return RGB(0, 255, 0);
    case CNPropWndWB::FRAME_BLUE: return RGB(0, 0, 255);
    default: return RGB(255, 0, 0);
    }
}

}  // namespace

IMPLEMENT_DYNAMIC(CNPropWndWB, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndWB, CWnd)
    ON_MESSAGE(MsgZebCmd, OnZebCmd)
    ON_MESSAGE(MsgUserRovf, OnUserRovf)
    ON_MESSAGE(MsgQueryClipBoard, OnQueryClipBoard)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

CNPropWndWB::CNPropWndWB() : m_pEditor(nullptr), m_pField(nullptr), m_nNumKind(KIND_TEXT), m_bModifyPosted(0)
{
}

CNPropWndWB::~CNPropWndWB()
{
    delete m_pEditor;
    m_pEditor = nullptr;
    if (m_hWnd != nullptr)
        zebDestroyWhiteBoard(UnsubclassWindow());
}

HWND CNPropWndWB::Create(int nLeft, int nTop, int nRight, int nBottom, CWnd* pParent, CNPropObj* pField,
    int nNumKind, int nFrameKind)
{
    if (pParent == nullptr || pParent->GetSafeHwnd() == nullptr || m_hWnd != nullptr)
        return nullptr;
    ZebWbCreateInfo info = {};
    info.dwMask = kCreateMask;
    info.hParent = pParent->GetSafeHwnd();
    info.dwStyle = kStyle;
    info.x = nLeft - kFrame;
    info.y = nTop - kFrame;
    info.cx = nRight - nLeft + 2 * kFrame;
    info.cy = nBottom - nTop + 2 * kFrame;
    info.nPointerNumber = 1;
    info.crBack = RGB(255, 255, 255);
    info.crBorder = FrameColour(nFrameKind);
    info.nOriginX = info.nOriginY = -kFrame;
    info.nPageCx = nRight - nLeft;
    info.nPageCy = nBottom - nTop;
    info.nViewMode = 1;
    info.nControlId = WB_CONTROL_ID;
    const HWND hWhiteBoard = zebCreateWhiteBoard(&info);
    if (hWhiteBoard == nullptr)
        return nullptr;
    // Documents keep their own font tables.
    zebSetDocFontMode(hWhiteBoard, 0);
    if (!SubclassWindow(hWhiteBoard)) {
        zebDestroyWhiteBoard(hWhiteBoard);
        return nullptr;
    }
    m_pField = pField;
    m_nNumKind = nNumKind;
    return hWhiteBoard;
}

int CNPropWndWB::AttachDoc(HWND hDoc)
{
    if (hDoc == nullptr)
        return 0;
    delete m_pEditor;
    m_pEditor = new CNPropWndEdt;
    if (!m_pEditor->SubclassWindow(hDoc)) {
        delete m_pEditor;
        m_pEditor = nullptr;
        zebDestroyObjDoc(hDoc);
        return 0;
    }
    m_pEditor->m_pWB = this;
    return 1;
}

void CNPropWndWB::DoDataExchange(CDataExchange* pDX)
{
    if (m_pEditor != nullptr)
        m_pEditor->DoDataExchange(pDX);
}

LRESULT CNPropWndWB::OnZebCmd(WPARAM wParam, LPARAM lParam)
{
    switch (HIWORD(wParam)) {
    case kTextChanged:
        if (!m_bModifyPosted) {
            ::PostMessageA(::GetParent(m_hWnd), MsgUserModify, reinterpret_cast<WPARAM>(m_pField), 0);
            m_bModifyPosted = 1;
        }
        return 0;
    case kOverflow:
        MirtQueueOverflowNotice(m_hWnd, wParam, lParam);
        return 1;
    default:
        return 0;
    }
}

LRESULT CNPropWndWB::OnUserRovf(WPARAM wParam, LPARAM lParam)
{
    MirtCutOverflow(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
    return 0;
}

LRESULT CNPropWndWB::OnQueryClipBoard(WPARAM wParam, LPARAM lParam)
{
    if (m_pEditor != nullptr && m_pEditor->GetSafeHwnd() != nullptr)
        m_pEditor->SendMessage(MsgQueryClipBoard, wParam, lParam);
    return 0;
}

void CNPropWndWB::OnSetFocus(CWnd*)
{
    if (m_pEditor != nullptr && m_pEditor->GetSafeHwnd() != nullptr)
        m_pEditor->SetFocus();
}
