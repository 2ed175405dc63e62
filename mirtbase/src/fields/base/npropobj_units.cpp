// Unit conversions of the fields: tenths of a millimetre and device units.
#include "npropobj.h"

#include "fields/base/clampint.h"

namespace {

// Screen pixels of 1000 units at 100 %.
const int kScreenPixels = 378;
const int kScreenUnits = 1000;
const int kScreenPixelsPerInch = 96;
const int kUnitPointsPerInch = 72;

BOOL IsPrinting(CDC* pDC)
{
    return pDC != nullptr && pDC->IsPrinting();
}

LONG ScreenConvert(LONG value, int bToDevice)
{
    return bToDevice ? MirtMulDiv(value, kScreenPixels, kScreenUnits) : MirtMulDiv(value, kScreenUnits, kScreenPixels);
}

// The metric mapping's y axis points up: y values change sign around it.
void FlipY(LONG& y)
{
    y = MirtClampInt(-static_cast<long long>(y));
}

// Runs convert with the context's viewport origin at 0,0 and its mapping at
// 0.1 mm per logical unit, then puts both back.
template <class Convert>
void InMetricMapping(CDC* pDC, Convert convert)
{
    const CPoint ptOldOrg = pDC->SetViewportOrg(0, 0);
    const int nOldMode = pDC->SetMapMode(MM_LOMETRIC);
    convert();
    pDC->SetMapMode(nOldMode);
    pDC->SetViewportOrg(ptOldOrg);
}

}  // namespace

void CNPropObj::ConvertRectUnits(CDC* pDC, RECT* pRect, int bToDevice)
{
    if (!IsPrinting(pDC)) {
        for (LONG* pValue : {&pRect->left, &pRect->top, &pRect->right, &pRect->bottom})
            *pValue = ScreenConvert(*pValue, bToDevice);
        return;
    }
    // The metric mapping's y axis points up.
    InMetricMapping(pDC, [&] {
        if (bToDevice) {
            FlipY(pRect->top);
            FlipY(pRect->bottom);
            pDC->LPtoDP(pRect);
        } else {
            pDC->DPtoLP(pRect);
            FlipY(pRect->top);
            FlipY(pRect->bottom);
        }
    });
}

void CNPropObj::ConvertSizeUnits(CDC* pDC, SIZE* pSize, int bToDevice)
{
    if (!IsPrinting(pDC)) {
        pSize->cx = ScreenConvert(pSize->cx, bToDevice);
        pSize->cy = ScreenConvert(pSize->cy, bToDevice);
        return;
    }
    InMetricMapping(pDC, [&] {
        if (bToDevice)
            pDC->LPtoDP(pSize);
        else
            pDC->DPtoLP(pSize);
    });
}

void CNPropObj::ConvertPointUnits(CDC* pDC, POINT* pPoint, int bToDevice)
{
    if (!IsPrinting(pDC)) {
        pPoint->x = ScreenConvert(pPoint->x, bToDevice);
        pPoint->y = ScreenConvert(pPoint->y, bToDevice);
        return;
    }
    // As for rectangles: y is measured downwards on the form.
    InMetricMapping(pDC, [&] {
        if (bToDevice) {
            FlipY(pPoint->y);
            pDC->LPtoDP(pPoint);
        } else {
            pDC->DPtoLP(pPoint);
            FlipY(pPoint->y);
        }
    });
}

int CNPropObj::ConvertLengthUnits(CDC* pDC, int nLength, int bToDevice)
{
    CSize size(nLength, 0);
    ConvertSizeUnits(pDC, &size, bToDevice);
    return size.cx;
}

int CNPropObj::PointsToPixels(CDC* pDC, int nPoints)
{
    const int nPixelsPerInch = IsPrinting(pDC) ? pDC->GetDeviceCaps(LOGPIXELSY) : kScreenPixelsPerInch;
    return MirtMulDiv(nPoints, nPixelsPerInch, kUnitPointsPerInch);
}
