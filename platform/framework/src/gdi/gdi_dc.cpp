#include "afxgdi.h"
#include <cstdlib>
#include "gdi/gdi_internal.h"

using afxgdi::SetInBoth;

namespace {

AfxThreadSlot<afxgdi::HandleMap<CDC>>& DCMapSlot()
{
    static AfxThreadSlot<afxgdi::HandleMap<CDC>> s_slot;
    return s_slot;
}

afxgdi::HandleMap<CDC>& DCMap()
{
    return DCMapSlot().Get();
}

// Scales a distance by the magnitude of the ratio of two extents.
LONG ScaleDistance(LONG distance, LONG toExtent, LONG fromExtent)
{
    return ::MulDiv(distance, std::labs(toExtent), std::labs(fromExtent));
}

}  // namespace

IMPLEMENT_DYNCREATE(CDC, CObject)

CDC::CDC() : m_hDC(nullptr), m_hAttribDC(nullptr), m_bPrinting(FALSE)
{
}

CDC::~CDC()
{
    if (m_hDC != nullptr)
        ::DeleteDC(Detach());
}

HDC CDC::GetSafeHdc() const
{
    // Hide from the optimiser that this cannot be null in valid C++.
    const CDC* self = this;
    asm("" : "+r"(self));
    return self != nullptr ? self->m_hDC : nullptr;
}

CDC* CDC::FromHandle(HDC hDC)
{
    return DCMap().FromHandle(hDC, [](HANDLE h) {
        CDC* pDC = new CDC;
        pDC->m_hDC = static_cast<HDC>(h);
        pDC->m_hAttribDC = pDC->m_hDC;
        return pDC;
    });
}

void afxgdi::DisposeTemporary(CDC* pDC)
{
    pDC->m_hDC = nullptr;
    pDC->m_hAttribDC = nullptr;
    delete pDC;
}

void CDC::DeleteTempMap()
{
    if (auto* pMap = DCMapSlot().Peek())
        pMap->DeleteTemporaries();
}

BOOL CDC::Attach(HDC hDC)
{
    if (hDC == nullptr || m_hDC != nullptr || !DCMap().SetPermanent(hDC, this))
        return FALSE;
    m_hDC = hDC;
    SetAttribDC(hDC);
    return TRUE;
}

BOOL CDC::AttachCreated(HDC hDC)
{
    if (Attach(hDC))
        return TRUE;
    if (hDC != nullptr)
        ::DeleteDC(hDC);
    return FALSE;
}

HDC CDC::Detach()
{
    HDC hDC = m_hDC;
    if (hDC != nullptr)
        DCMap().Remove(hDC, this);
    ReleaseAttribDC();
    ReleaseOutputDC();
    return hDC;
}

void CDC::SetAttribDC(HDC hDC)
{
    m_hAttribDC = hDC;
}

void CDC::SetOutputDC(HDC hDC)
{
    m_hDC = hDC;
}

void CDC::ReleaseAttribDC()
{
    m_hAttribDC = nullptr;
}

void CDC::ReleaseOutputDC()
{
    m_hDC = nullptr;
}

BOOL CDC::CreateDC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return AttachCreated(::CreateDCA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateIC(LPCSTR lpszDriverName, LPCSTR lpszDeviceName, LPCSTR lpszOutput, const void* lpInitData)
{
    return AttachCreated(::CreateICA(lpszDriverName, lpszDeviceName, lpszOutput, static_cast<const DEVMODEA*>(lpInitData)));
}

BOOL CDC::CreateCompatibleDC(CDC* pDC)
{
    return AttachCreated(::CreateCompatibleDC(afxgdi::OutputOf(pDC)));
}

BOOL CDC::DeleteDC()
{
    if (m_hDC == nullptr)
        return FALSE;
    return ::DeleteDC(Detach());
}

int CDC::SaveDC()
{
    const int nSaved = SetInBoth(*this, [](HDC hDC) { return ::SaveDC(hDC); });
    const bool bSeparate = m_hDC != nullptr && m_hAttribDC != nullptr && m_hDC != m_hAttribDC;
    return bSeparate && nSaved != 0 ? -1 : nSaved;
}

BOOL CDC::RestoreDC(int nSavedDC)
{
    int nRestored = 0;
    int nFailed = 0;
    SetInBoth(*this, [&](HDC hDC) {
        ++(::RestoreDC(hDC, nSavedDC) ? nRestored : nFailed);
        return 0;
    });
    return nRestored > 0 && nFailed == 0;
}

int CDC::GetDeviceCaps(int nIndex) const
{
    return ::GetDeviceCaps(m_hAttribDC, nIndex);
}

int CDC::SetMapMode(int nMapMode)
{
    return SetInBoth(*this, [=](HDC hDC) { return ::SetMapMode(hDC, nMapMode); });
}

int CDC::GetMapMode() const
{
    return ::GetMapMode(m_hAttribDC);
}

CPoint CDC::GetViewportOrg() const
{
    CPoint point;
    ::GetViewportOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetViewportOrg(int x, int y)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CPoint old;
        ::SetViewportOrgEx(hDC, x, y, &old);
        return old;
    });
}

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CPoint old;
        ::OffsetViewportOrgEx(hDC, nWidth, nHeight, &old);
        return old;
    });
}

CSize CDC::GetViewportExt() const
{
    CSize size;
    ::GetViewportExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetViewportExt(int cx, int cy)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CSize old;
        ::SetViewportExtEx(hDC, cx, cy, &old);
        return old;
    });
}

CSize CDC::ScaleViewportExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CSize old;
        ::ScaleViewportExtEx(hDC, xNum, xDenom, yNum, yDenom, &old);
        return old;
    });
}

CPoint CDC::GetWindowOrg() const
{
    CPoint point;
    ::GetWindowOrgEx(m_hAttribDC, &point);
    return point;
}

CPoint CDC::SetWindowOrg(int x, int y)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CPoint old;
        ::SetWindowOrgEx(hDC, x, y, &old);
        return old;
    });
}

CPoint CDC::OffsetWindowOrg(int nWidth, int nHeight)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CPoint old;
        ::OffsetWindowOrgEx(hDC, nWidth, nHeight, &old);
        return old;
    });
}

CSize CDC::GetWindowExt() const
{
    CSize size;
    ::GetWindowExtEx(m_hAttribDC, &size);
    return size;
}

CSize CDC::SetWindowExt(int cx, int cy)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CSize old;
        ::SetWindowExtEx(hDC, cx, cy, &old);
        return old;
    });
}

CSize CDC::ScaleWindowExt(int xNum, int xDenom, int yNum, int yDenom)
{
    return SetInBoth(*this, [=](HDC hDC) {
        CSize old;
        ::ScaleWindowExtEx(hDC, xNum, xDenom, yNum, yDenom, &old);
        return old;
    });
}

void CDC::DPtoLP(LPPOINT lpPoints, int nCount) const
{
    ::DPtoLP(m_hAttribDC, lpPoints, nCount);
}

void CDC::DPtoLP(LPRECT lpRect) const
{
    ::DPtoLP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::DPtoLP(LPSIZE lpSize) const
{
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    lpSize->cx = ScaleDistance(lpSize->cx, window.cx, viewport.cx);
    lpSize->cy = ScaleDistance(lpSize->cy, window.cy, viewport.cy);
}

void CDC::LPtoDP(LPPOINT lpPoints, int nCount) const
{
    ::LPtoDP(m_hAttribDC, lpPoints, nCount);
}

void CDC::LPtoDP(LPRECT lpRect) const
{
    ::LPtoDP(m_hAttribDC, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CDC::LPtoDP(LPSIZE lpSize) const
{
    const CSize window = GetWindowExt();
    const CSize viewport = GetViewportExt();
    lpSize->cx = ScaleDistance(lpSize->cx, viewport.cx, window.cx);
    lpSize->cy = ScaleDistance(lpSize->cy, viewport.cy, window.cy);
}
