#include "npropobjline.h"

#include <zeb95.h>

#include "fields/base/clampint.h"
#include "fields/fieldcommon.h"
#include "npropwndline.h"

IMPLEMENT_SERIAL(CNPropObjLine, CNPropObjCtrl, 1)

namespace {

// The line object's creation fields: cursor, pointer, colour, shapes,
// mix mode, pen style and width, view mode and grid.
const DWORD kLineMask = 0x7FC;

// Widest pen a record may hold, in device units: the system strokes a pen
// of millions of pixels for minutes, even into a small context.
const int kMaxPenWidth = 0x7FFF;

}  // namespace

CNPropObjLine::CNPropObjLine() : m_pLineWnd(nullptr)
{
    CNPropObjLine::InitDefaults();
}

CNPropObjLine::CNPropObjLine(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjCtrl(block, dwStyle, dwExStyle), m_pLineWnd(nullptr)
{
    CNPropObjLine::InitDefaults();
}

CNPropObjLine::~CNPropObjLine()
{
    delete m_pLineWnd;
}

void CNPropObjLine::InitDefaults()
{
    m_nLineVersion = 1;
    m_wShapes = SHAPE_EDGES;
    m_crPen = RGB(0, 0, 0);
    m_nPenStyle = PS_SOLID;
    m_nPenWidth = 1;
    m_nDrawMode = R2_COPYPEN;
}

void CNPropObjLine::Serialize(CArchive& ar)
{
    CNPropObjCtrl::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nLineVersion << m_wShapes << m_crPen << m_nPenStyle << m_nPenWidth << m_nDrawMode;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_wShapes >> m_crPen >> m_nPenStyle >> m_nPenWidth >> m_nDrawMode;
    m_nPenWidth = MirtClampRange(m_nPenWidth, 0, kMaxPenWidth);
}

int CNPropObjLine::Draw(CDC* pDC, int)
{
    if (!CanDrawOn(pDC))
        return 0;
    const RECT r = PlacedDeviceRect(*this, pDC);
    CPen pen(m_nPenStyle, m_nPenWidth, m_crPen);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const POINT segments[][2] = {
        {{r.left, r.top}, {r.right, r.top}},     {{r.left, r.bottom}, {r.right, r.bottom}},
        {{r.left, r.top}, {r.left, r.bottom}},   {{r.right, r.top}, {r.right, r.bottom}},
        {{r.left, r.top}, {r.right, r.bottom}},  {{r.left, r.bottom}, {r.right, r.top}}};
    for (size_t i = 0; i < sizeof segments / sizeof segments[0]; ++i) {
        if (m_wShapes & (1u << i)) {
            pDC->MoveTo(segments[i][0]);
            pDC->LineTo(segments[i][1]);
        }
    }
    CGdiObject* pOldBrush = pDC->SelectStockObject(NULL_BRUSH);
    if (m_wShapes & SHAPE_ELLIPSE)
        pDC->Ellipse(&r);
    if (m_wShapes & SHAPE_ROUNDRECT)
        pDC->RoundRect(&r, CPoint((r.right - r.left) / 15, (r.bottom - r.top) * 5 / 32));
    pDC->SelectObject(pOldBrush);
    pDC->SelectObject(pOldPen);
    return 0;
}

CWnd* CNPropObjLine::CreateControl(CWnd* pParent, int bSetOwner)
{
    CWnd* pHost = EntryHost(*this, pParent, bSetOwner);
    if (pHost == nullptr)
        return nullptr;
    {
        CClientDC dc(pHost);
        CalcDeviceRect(&dc);
    }
    DeleteWindowObject(m_pLineWnd);
    m_pCtrlWnd = nullptr;
    ZebLineCreateInfo info = {};
    info.dwMask = kLineMask;
    info.x = m_rcDevice.left;
    info.y = m_rcDevice.top;
    info.cx = m_rcDevice.right - m_rcDevice.left;
    info.cy = m_rcDevice.bottom - m_rcDevice.top;
    info.hCursor = ::GetCursor();
    info.nPointerNumber = 1;
    info.crColor = m_crPen;
    info.wDrawForm = m_wShapes;
    info.nDrawMode = m_nDrawMode;
    info.nDrawStyle = m_nPenStyle;
    info.nDrawWidth = m_nPenWidth;
    info.nViewMode = 1;
    const HWND hLine = zebCreateObjLine(pHost->GetSafeHwnd(), &info, nullptr);
    if (hLine == nullptr)
        return nullptr;
    CNPropWndLine* pWindow = new CNPropWndLine;
    if (!pWindow->SubclassWindow(hLine)) {
        delete pWindow;
        zebDestroyObjLine(hLine);
        return nullptr;
    }
    m_pLineWnd = pWindow;
    m_pCtrlWnd = pWindow;
    return pWindow;
}

int CNPropObjLine::DestroyControl()
{
    DeleteWindowObject(m_pLineWnd);
    CNPropObjCtrl::DestroyControl();
    return 1;
}

CNPropObj* CNPropObjLine::Clone(int dx, int dy)
{
    return CloneField(*this, dx, dy);
}

void CNPropObjLine::CopyTo(CNPropObj* pOther)
{
    CNPropObjCtrl::CopyTo(pOther);
    CNPropObjLine* pLine = AsField<CNPropObjLine>(pOther);
    if (pLine == nullptr)
        return;
    pLine->m_wShapes = m_wShapes;
    pLine->m_crPen = m_crPen;
    pLine->m_nPenStyle = m_nPenStyle;
    pLine->m_nDrawMode = m_nDrawMode;
    pLine->m_nPenWidth = m_nPenWidth;
}

UINT CNPropObjLine::GetVersion()
{
    return m_nLineVersion;
}
