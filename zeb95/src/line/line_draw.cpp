#include "line/line_draw.h"

#include "line/line_record.h"

namespace {

LONG EffectiveWidth(LONG nPenWidth) { return nPenWidth < 1 ? 1 : nPenWidth; }

}  // namespace

RECT LineRect(const RECT& rcClient, LONG nPenWidth)
{
    const LONG w = EffectiveWidth(nPenWidth);
    RECT rc = rcClient;
    ::InflateRect(&rc, -(w / 2), -(w / 2));
    if (w % 2 != 0) {
        --rc.right;
        --rc.bottom;
    }
    return rc;
}

std::vector<LineSegment> LineSegments(const RECT& rcLine, WORD wDrawForm)
{
    const LONG l = rcLine.left, t = rcLine.top, r = rcLine.right, b = rcLine.bottom;
    const struct
    {
        WORD wBit;
        LineSegment segment;
    } kSegments[] = {
        {ZebLineTop, {{l, t}, {r, t}}},      {ZebLineBottom, {{l, b}, {r, b}}},
        {ZebLineLeft, {{l, t}, {l, b}}},     {ZebLineRight, {{r, t}, {r, b}}},
        {ZebLineDiagonal, {{l, t}, {r, b}}}, {ZebLineOtherDiagonal, {{r, t}, {l, b}}},
    };
    std::vector<LineSegment> segments;
    for (const auto& s : kSegments) {
        if ((wDrawForm & s.wBit) != 0)
            segments.push_back(s.segment);
    }
    if ((wDrawForm & (ZebLineBottom | ZebLineRight)) == (ZebLineBottom | ZebLineRight))
        segments.push_back({{r, b}, {r + 1, b}});
    return segments;
}

void DrawLineObj(HWND hwnd, HDC hdc, int xOffset, int yOffset)
{
    ZebLineRecord* pRec = ZebLineRecord::Of(hwnd);
    if (pRec == nullptr)
        return;
    RECT rcClient;
    ::GetClientRect(hwnd, &rcClient);
    RECT rcLine = LineRect(rcClient, pRec->PenWidth());
    ::OffsetRect(&rcLine, xOffset, yOffset);
    HPEN hPen = ::CreatePen(pRec->PenStyle(), EffectiveWidth(pRec->PenWidth()), pRec->Head().ForeColor());
    if (hPen == nullptr)
        return;
    HGDIOBJ hOldPen = ::SelectObject(hdc, hPen);
    const int nOldMix = ::SetROP2(hdc, pRec->DrawMode());
    for (const LineSegment& s : LineSegments(rcLine, pRec->DrawForm())) {
        ::MoveToEx(hdc, s.ptFrom.x, s.ptFrom.y, nullptr);
        ::LineTo(hdc, s.ptTo.x, s.ptTo.y);
    }
    if (nOldMix != 0)
        ::SetROP2(hdc, nOldMix);
    ::SelectObject(hdc, hOldPen);
    ::DeleteObject(hPen);
}
