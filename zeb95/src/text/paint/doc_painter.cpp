#include "text/paint/doc_painter.h"

#include "dib/dib_draw.h"
#include "text/doc/doc_fonts.h"
#include "text/doc/doc_layout.h"
#include "text/doc/doc_record.h"
#include "text/layout/text_cursor.h"
#include "text/paint/line_arrange.h"
#include "text/paint/line_plan.h"
#include "text/paint/paint_fonts.h"
#include "text/paint/zoom_output.h"
#include "text/select/doc_positions.h"
#include "text/tables/bmp_table.h"
#include "text/tables/color_index.h"
#include "text/tables/font_extent.h"

namespace {

const int kFull = 100;
const int kMostRun = 4002;
const ZebCharAttr kRunAttrBits = 0xCF;
const LONG kVerticalEscapement = 2700;
const int kQuarterTurn = 900;
const WORD kNoMark = 0xFFFF;

// A rectangle in document pixels (or in the offset coordinates of step 4).
struct Box
{
    long long left, top, right, bottom;
    bool IsEmpty() const { return left >= right || top >= bottom; }
};

int Scale(long long v, long long nTarget, long long nObject) { return ClampToInt(v * nTarget / nObject); }

signed char VPosOf(ZebCharAttr attr) { return static_cast<signed char>((attr >> 16) & 0xFF); }

int DirectionOf(const ZebFontEntry& entry) { return static_cast<int>(entry.logfont.lfEscapement / kQuarterTurn); }

class Painter
{
public:
    Painter(const ZebPaintRequest& request, ZebDocRecord& doc);
    int Run();

private:
    // Coordinates: document, then offset (step 4), then device.
    long long U(long long v, bool bX) const { return v - (bX ? m_scroll.x : m_scroll.y) + (bX ? m_req.pre.x : m_req.pre.y); }
    int Dev(long long u, bool bX) const;
    RECT DevRect(const Box& box) const;
    RECT OffsetRect(const Box& box) const;
    Box UpdateInDoc() const;
    bool IsZoomed() const { return m_req.target == ZebPaintTarget::Zoomed; }
    bool IsDevice() const { return m_req.target == ZebPaintTarget::Device; }

    // Across the lines: a line's band, from its top (vertical: its right
    // edge) and height, over an along range.
    Box Cell(long long nAlong, long long nLength) const;
    long long AlongStart() const { return m_bVertical ? m_update.top : m_update.left; }
    long long AlongEnd() const { return m_bVertical ? m_update.bottom : m_update.right; }
    long long Extent() const { return m_bVertical ? m_doc.nDocHeight : m_doc.nDocWidth; }
    long long CappedEnd(long long n) const { return n < Extent() ? n : Extent(); }

    bool PaintLines();
    bool MeetsUpdate(long long nAcross, int nHeight) const;
    bool Fits(int nLine, long long nAcross, int nHeight) const;
    bool PaintLine(const ZebLineEntry& line);
    void FinalFill(long long nEnd);
    void Fill(const Box& box);
    bool IsSelected(int nColumn) const;
    void Invert(const Box& box);

    int UnitSize(const ZebTextCursor& at, int i) const;
    int StepOver(int i, int nSize) const;
    bool RunStyle() const;
    int GatherRun(ZebTextCursor& at, int i, int nCount, int* pnBytes, int* pnLastOwn);
    void DrawText(const ZebTextCursor& at, int i, int nBytes, int nStep, int nLastOwn);
    Box TextClip(int i, int nStep, int nLastOwn) const;
    void Output(HFONT hFont, ZebCharAttr attr, long long x, long long y, const Box* pClip, UINT uOptions,
                const char* pBytes, int nBytes);
    void DrawBitmap(int nIndex, ZebCharAttr attr, bool bMark);
    void DrawMark(BYTE bBreak);

    const ZebPaintRequest& m_req;
    ZebDocRecord& m_doc;
    ZebTableFonts m_fonts;
    ZebUnitMeasure m_measure;
    ZebLineShape m_shape;
    ZebLinePlan m_plan;
    ZebPaintFonts m_paintFonts;
    ZebZoomContext m_zoom = {};
    POINT m_scroll;
    Box m_update = {};
    bool m_bVertical;
    bool m_bOpaque;
    bool m_bShowSelection = false;
    bool m_bFailed = false;
    POINT m_selFrom = {-1, -1};
    POINT m_selTo = {-1, -1};

    // The line being painted.
    int m_nLine = 0;
    long long m_nAcross = 0;  // top, or a column's right edge
    int m_nHeight = 0;
    long long m_nPen = 0;
    long long m_nRestStart = 0;
    bool m_bRuns = false;
    char m_run[kMostRun];
};

ZebLineShape ShapeOf(const ZebDocRecord& doc, ZebPaintFamily family)
{
    ZebLineShape shape = DocLineShape(doc);
    if (family == ZebPaintFamily::Plain)
        shape = {doc.nAlignment == 1 || doc.nAlignment == 2 ? doc.nAlignment : 0, shape.nExtent, nullptr, 0};
    return shape;
}

Painter::Painter(const ZebPaintRequest& request, ZebDocRecord& doc)
    : m_req(request),
      m_doc(doc),
      m_fonts(DocFontTable(doc, false), doc.head.Vertical() != 0),
      m_measure(DocUnitMeasure(request.hwnd, doc, m_fonts)),
      m_shape(ShapeOf(doc, request.family)),
      m_paintFonts(m_fonts, request.target, request.target == ZebPaintTarget::Zoomed ? doc.nScale : kFull,
                   request.objectRes, request.targetRes),
      m_scroll(doc.head.Origin()),
      m_bVertical(request.bVertical),
      m_bOpaque(request.target != ZebPaintTarget::Device && !doc.head.IsTransparent())
{
    if (IsZoomed())
        m_zoom = MakeZoomContext(doc.nScale, m_scroll);
    m_update = UpdateInDoc();
    const bool bFocus = (doc.wCaretState & 1) != 0 || (doc.dwOptions & 2) != 0;
    if (!IsDevice() && bFocus && doc.HasSelection())
    {
        const POINT caret = doc.head.CaretPos();
        const bool bAnchorFirst = ComparePositions(doc.anchor.x, doc.anchor.y, caret.x, caret.y) <= 0;
        m_selFrom = bAnchorFirst ? doc.anchor : caret;
        m_selTo = bAnchorFirst ? caret : doc.anchor;
        m_bShowSelection = true;
    }
}

int Painter::Dev(long long u, bool bX) const
{
    if (IsZoomed())
        return bX ? ZoomMapX(u, m_zoom) : ZoomMapY(u, m_zoom);
    if (IsDevice())
        return bX ? ClampToInt(static_cast<long long>(Scale(u, m_req.targetRes.cx, m_req.objectRes.cx)) + m_req.post.x)
                  : ClampToInt(static_cast<long long>(Scale(u, m_req.targetRes.cy, m_req.objectRes.cy)) + m_req.post.y);
    return ClampToInt(u);
}

RECT Painter::OffsetRect(const Box& box) const
{
    return {ClampToInt(U(box.left, true)), ClampToInt(U(box.top, false)), ClampToInt(U(box.right, true)),
            ClampToInt(U(box.bottom, false))};
}

RECT Painter::DevRect(const Box& box) const
{
    return {Dev(U(box.left, true), true), Dev(U(box.top, false), false), Dev(U(box.right, true), true),
            Dev(U(box.bottom, false), false)};
}

Box Painter::UpdateInDoc() const
{
    Box box = {m_req.rc.left, m_req.rc.top, m_req.rc.right, m_req.rc.bottom};
    if (IsZoomed())
    {
        const long long s = m_doc.nScale;
        box = {box.left * kFull / s, box.top * kFull / s, (box.right * kFull + s - 1) / s,
               (box.bottom * kFull + s - 1) / s};
    }
    return {box.left + m_scroll.x, box.top + m_scroll.y, box.right + m_scroll.x, box.bottom + m_scroll.y};
}

Box Painter::Cell(long long nAlong, long long nLength) const
{
    if (m_bVertical)
        return {m_nAcross - m_nHeight, nAlong, m_nAcross, nAlong + nLength};
    return {nAlong, m_nAcross, nAlong + nLength, m_nAcross + m_nHeight};
}

void Painter::Fill(const Box& box)
{
    if (!m_bOpaque || box.IsEmpty())
        return;
    const RECT rc = DevRect(box);
    ::ExtTextOutA(m_req.hdc, 0, 0, ETO_OPAQUE, &rc, "", 0, nullptr);
}

bool Painter::IsSelected(int nColumn) const
{
    return m_bShowSelection && ComparePositions(m_selFrom.x, m_selFrom.y, nColumn, m_nLine) <= 0 &&
           ComparePositions(nColumn, m_nLine, m_selTo.x, m_selTo.y) < 0;
}

void Painter::Invert(const Box& box)
{
    const RECT rc = OffsetRect(box);
    if (IsZoomed())
        InvertRectScaled(m_req.hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, m_zoom);
    else
        ::PatBlt(m_req.hdc, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, DSTINVERT);
}

bool Painter::MeetsUpdate(long long nAcross, int nHeight) const
{
    if (m_bVertical)
        return nAcross > m_update.left && nAcross - nHeight < m_update.right;
    return nAcross + nHeight > m_update.top && nAcross < m_update.bottom;
}

// The first line is painted while it starts inside the document, every
// later one only whole.
bool Painter::Fits(int nLine, long long nAcross, int nHeight) const
{
    if (m_bVertical)
        return nLine == 0 ? nAcross >= 1 : nAcross >= nHeight;
    return nLine == 0 ? nAcross < m_doc.nDocHeight : nAcross + nHeight <= m_doc.nDocHeight;
}

bool Painter::PaintLines()
{
    const ZebLineTable& lines = *m_doc.Lines();
    long long nAcross = m_bVertical ? m_doc.nDocWidth : 0;
    int nLine = 0;
    for (; nLine < lines.Count(); ++nLine)
    {
        const int nHeight = lines.At(nLine).height;
        if (m_bVertical ? nAcross < 0 : nAcross > m_doc.nDocHeight)
            break;
        if (MeetsUpdate(nAcross, nHeight))
            break;
        nAcross += m_bVertical ? -nHeight : nHeight;
    }
    bool bPainted = false;
    long long nEnd = m_bVertical ? m_update.right : m_update.top;
    for (; nLine < lines.Count(); ++nLine)
    {
        const ZebLineEntry& line = lines.At(nLine);
        if (m_bVertical ? nAcross <= m_update.left : nAcross >= m_update.bottom)
            break;
        if (!Fits(nLine, nAcross, line.height))
            break;
        m_nLine = nLine;
        m_nAcross = nAcross;
        m_nHeight = line.height;
        if (!PaintLine(line))
        {
            m_bFailed = true;
            return false;
        }
        bPainted = true;
        nAcross += m_bVertical ? -line.height : line.height;
        nEnd = nAcross;
    }
    FinalFill(nEnd);
    return bPainted;
}

void Painter::FinalFill(long long nEnd)
{
    const long long nLeft = m_update.left > 0 ? m_update.left : 0;
    const long long nTop = m_update.top > 0 ? m_update.top : 0;
    const long long nRight = m_update.right < m_doc.nDocWidth ? m_update.right : m_doc.nDocWidth;
    const long long nBottom = m_update.bottom < m_doc.nDocHeight ? m_update.bottom : m_doc.nDocHeight;
    if (m_bVertical)
        Fill({nLeft, nTop, nEnd < nRight ? nEnd : nRight, nBottom});
    else
        Fill({nLeft, nEnd > nTop ? nEnd : nTop, nRight, nBottom});
}

int Painter::UnitSize(const ZebTextCursor& at, int i) const
{
    return (at.Attr() & ZebAttrLead) != 0 && i + 1 < m_plan.Count() ? 2 : 1;
}

int Painter::StepOver(int i, int nSize) const { return m_plan.Step(i) + (nSize == 2 ? m_plan.Step(i + 1) : 0); }

bool Painter::RunStyle() const
{
    return m_req.target == ZebPaintTarget::Window && m_plan.Placement() == ZebPlacement::Plain &&
           (m_req.family == ZebPaintFamily::Plain || m_req.family == ZebPaintFamily::JustifiedPara);
}

bool Painter::PaintLine(const ZebLineEntry& line)
{
    const long long nVisible = AlongStart() > 0 ? AlongStart() : 0;
    Fill(Cell(nVisible, CappedEnd(AlongEnd()) - nVisible));
    if (line.length <= 0)
        return true;
    if (!m_plan.Plan(m_shape, *m_doc.Blocks(), m_measure, line))
        return false;
    m_bRuns = RunStyle();
    ZebTextCursor at(*m_doc.Blocks(), line.block, line.offset);
    const int nCount = m_plan.Count();
    int i = 0;
    m_nPen = m_plan.Start();
    for (; i < nCount && !at.AtEnd(); )
    {
        const int nSize = UnitSize(at, i);
        const int nStep = StepOver(i, nSize);
        if (m_nPen + nStep > AlongStart())
            break;
        m_nPen += nStep;
        at.Skip(nSize);
        i += nSize;
    }
    m_nRestStart = m_nPen;
    while (i < nCount && !at.AtEnd() && m_nPen < AlongEnd())
    {
        const ZebCharAttr attr = at.Attr();
        int nBytes = UnitSize(at, i);
        int nStep = StepOver(i, nBytes);
        if ((attr & ZebAttrBreak) != 0)
        {
            if (!IsDevice())
                DrawMark(at.Byte());
        }
        else if ((attr & ZebAttrBitmap) != 0)
            DrawBitmap(AttrFont(attr), attr, false);
        else
        {
            int nLastOwn = m_plan.Own(i);
            if (m_bRuns)
                nStep = GatherRun(at, i, nCount, &nBytes, &nLastOwn);
            DrawText(at, i, nBytes, nStep, nLastOwn);
        }
        if (IsSelected(i))
            Invert(Cell(m_nPen, nStep));
        m_nPen += nStep;
        at.Skip(nBytes);
        i += nBytes;
    }
    return true;
}

int Painter::GatherRun(ZebTextCursor& at, int i, int nCount, int* pnBytes, int* pnLastOwn)
{
    const ZebCharAttr attr = at.Attr();
    const ZebFontEntry* pEntry = m_fonts.Entry(AttrFont(attr));
    const LONG nEscapement = m_bVertical ? kVerticalEscapement : 0;
    int nBytes = *pnBytes;
    int nStep = StepOver(i, nBytes);
    int nLastOwn = 0;
    if (pEntry == nullptr || pEntry->logfont.lfEscapement != nEscapement)
    {
        *pnLastOwn = nStep;
        return nStep;
    }
    ZebTextCursor next = at;
    next.Skip(nBytes);
    const bool bSelected = IsSelected(i);
    while (i + nBytes < nCount && !next.AtEnd() && next.Block() == at.Block())
    {
        const ZebCharAttr a = next.Attr();
        if ((a & kRunAttrBits) != (attr & kRunAttrBits) || AttrFont(a) != AttrFont(attr) || VPosOf(a) != VPosOf(attr) ||
            IsSelected(i + nBytes) != bSelected || (a & (ZebAttrBreak | ZebAttrBitmap)) != 0)
            break;
        const int nSize = UnitSize(next, i + nBytes);
        nStep += StepOver(i + nBytes, nSize);
        nLastOwn = m_plan.Own(i + nBytes);
        nBytes += nSize;
        next.Skip(nSize);
    }
    *pnBytes = nBytes;
    *pnLastOwn = nLastOwn;
    return nStep;
}

void Painter::DrawText(const ZebTextCursor& at, int i, int nBytes, int nStep, int nLastOwn)
{
    const ZebCharAttr attr = at.Attr();
    const ZebFontEntry* pEntry = m_fonts.Entry(AttrFont(attr));
    if (pEntry == nullptr)
        return;
    nBytes = nBytes < kMostRun ? nBytes : kMostRun;
    ZebTextCursor copy = at;
    for (int b = 0; b < nBytes; ++b, copy.Skip(1))
        m_run[b] = static_cast<char>(copy.Byte());
    int nCross = 0;
    FontCharExtent(m_req.hwnd, *pEntry, attr, reinterpret_cast<const BYTE*>(m_run), m_doc.nCharExtra, m_bVertical,
                   &nCross);
    const int d = VerticalOffset(m_nHeight, nCross, VPosOf(attr));
    long long x = m_bVertical ? m_nAcross : m_nPen;
    long long y = m_bVertical ? m_nPen : m_nAcross;
    PlaceTextOrigin(nStep, nCross, m_nHeight, d, DirectionOf(*pEntry), m_bVertical ? 1 : 0, &x, &y);
    const Box clip = TextClip(i, nStep, nLastOwn);
    const UINT uOptions = m_bRuns && m_bOpaque ? ETO_OPAQUE | ETO_CLIPPED : ETO_CLIPPED;
    Output(m_paintFonts.Font(AttrFont(attr)), attr, x, y, &clip, uOptions, m_run, nBytes);
}

// A run: its cells and the last character's advance once more; the
// justified families: the rest of the line; a cell's character: its step
// and its own advance; a zoomed plain character: its cell. Never past the
// document's far edge.
Box Painter::TextClip(int i, int nStep, int nLastOwn) const
{
    long long nFrom = m_nPen;
    long long nTo = m_nPen + nStep;
    if (m_bRuns)
        nTo += nLastOwn;
    else if (m_req.family == ZebPaintFamily::Justified || m_req.family == ZebPaintFamily::JustifiedPara)
    {
        nFrom = m_nRestStart;
        nTo = AlongEnd();
    }
    else if (m_req.family == ZebPaintFamily::Cells)
        nTo += m_plan.Own(i);
    return Cell(nFrom, CappedEnd(nTo) - nFrom);
}

void Painter::Output(HFONT hFont, ZebCharAttr attr, long long x, long long y, const Box* pClip, UINT uOptions,
                     const char* pBytes, int nBytes)
{
    if (hFont == nullptr)
        return;
    HDC hdc = m_req.hdc;
    HGDIOBJ hOld = ::SelectObject(hdc, hFont);
    ::SetTextColor(hdc, IndexToColor(AttrColor(attr)));
    const RECT rcU = OffsetRect(*pClip);
    if (IsZoomed())
        TextOutScaled(hdc, ClampToInt(U(x, true)), ClampToInt(U(y, false)), uOptions, &rcU, pBytes,
                      static_cast<UINT>(nBytes), m_zoom);
    else if (IsDevice())
        ::ExtTextOutA(hdc, Dev(U(x, true), true), Dev(U(y, false), false), 0, nullptr, pBytes,
                      static_cast<UINT>(nBytes), nullptr);
    else
        ::ExtTextOutA(hdc, ClampToInt(U(x, true)), ClampToInt(U(y, false)), uOptions, &rcU, pBytes,
                      static_cast<UINT>(nBytes), nullptr);
    ::SelectObject(hdc, hOld);
}

void Painter::DrawBitmap(int nIndex, ZebCharAttr attr, bool bMark)
{
    const ZebDocBmpEntry* pEntry = m_doc.Bitmaps() != nullptr ? m_doc.Bitmaps()->Entry(nIndex) : nullptr;
    if (pEntry == nullptr)
        return;
    int w = pEntry->width;
    int h = pEntry->height;
    int xSrc = 0;
    int ySrc = 0;
    if (bMark && !m_bVertical && h > m_nHeight)
    {
        ySrc = h - m_nHeight;
        h = m_nHeight;
    }
    else if (bMark && m_bVertical && w > m_nHeight)
    {
        xSrc = w - m_nHeight;
        w = m_nHeight;
    }
    const int d = VerticalOffset(m_nHeight, m_bVertical ? w : h, VPosOf(attr));
    const long long x = m_bVertical ? m_nAcross - d - w : m_nPen;
    const long long y = m_bVertical ? m_nPen : m_nAcross + d;
    const RECT rc = OffsetRect({x, y, x + w, y + h});
    if (IsZoomed())
        DrawDibScaled(m_req.hdc, rc.left, rc.top, w, h, pEntry->dib, xSrc, ySrc, m_zoom);
    else if (IsDevice())
        DrawDibStretch(m_req.hdc, Dev(rc.left, true), Dev(rc.top, false), Scale(w, m_req.targetRes.cx, m_req.objectRes.cx),
                       Scale(h, m_req.targetRes.cy, m_req.objectRes.cy), pEntry->dib, 0, 0, w, h, SRCCOPY);
    else
        DrawDib(m_req.hdc, rc.left, rc.top, w, h, pEntry->dib, xSrc, ySrc, SRCCOPY);
}

void Painter::DrawMark(BYTE bBreak)
{
    if (bBreak != '\n' && bBreak != '\f')
        return;
    const WORD wCode = bBreak == '\f' ? m_doc.wFormFeedCode : m_doc.wLineFeedCode;
    const ZebCharAttr attr = bBreak == '\f' ? m_doc.formFeedAttr : m_doc.lineFeedAttr;
    if (wCode == kNoMark)
        return;
    if ((attr & ZebAttrBitmap) != 0)
    {
        DrawBitmap(AttrFont(attr), attr, true);
        return;
    }
    const ZebFontEntry* pEntry = m_fonts.Entry(AttrFont(attr));
    if (pEntry == nullptr)
        return;
    int nCross = 0;
    const int nAdvance = FontCodeExtent(m_req.hwnd, *pEntry, wCode, m_doc.nCharExtra, m_bVertical, &nCross);
    const Box clip = Cell(m_nPen, CappedEnd(m_nPen + 2LL * nAdvance) - m_nPen);
    if (clip.IsEmpty())
        return;
    const char code[2] = {static_cast<char>(wCode > 0xFF ? wCode >> 8 : wCode), static_cast<char>(wCode & 0xFF)};
    const int d = VerticalOffset(m_nHeight, nCross, VPosOf(attr));
    long long x = m_bVertical ? m_nAcross : m_nPen;
    long long y = m_bVertical ? m_nPen : m_nAcross;
    PlaceTextOrigin(nAdvance, nCross, m_nHeight, d, DirectionOf(*pEntry), m_bVertical ? 1 : 0, &x, &y);
    Output(m_paintFonts.Font(AttrFont(attr)), attr, x, y, &clip, m_bOpaque ? ETO_OPAQUE | ETO_CLIPPED : ETO_CLIPPED,
           code, wCode > 0xFF ? 2 : 1);
}

int Painter::Run()
{
    HDC hdc = m_req.hdc;
    const int nOldExtra = ::GetTextCharacterExtra(hdc);
    if (!IsDevice())
        ::SetTextCharacterExtra(hdc, IsZoomed() ? ClampToInt(static_cast<long long>(m_doc.nCharExtra) * m_doc.nScale / kFull)
                                                : m_doc.nCharExtra);
    const bool bOpaqueMode = m_req.target == ZebPaintTarget::Window && m_req.family == ZebPaintFamily::Plain &&
                             !m_bVertical && m_bOpaque;
    ::SetBkMode(hdc, bOpaqueMode ? OPAQUE : TRANSPARENT);
    if (m_bOpaque)
        ::SetBkColor(hdc, m_doc.head.BkColor());
    const ZebLineTable* pLines = m_doc.Lines();
    const bool bPainted = pLines != nullptr && m_doc.Blocks() != nullptr && PaintLines();
    if (!IsDevice())
        ::SetTextCharacterExtra(hdc, nOldExtra);
    if (m_bFailed)
        return 0;
    return bPainted || !IsDevice() ? 1 : 0;
}

}  // namespace

int PaintDocument(const ZebPaintRequest& request)
{
    ZebDocRecord* pDoc = ZebDocRecord::From(request.hwnd);
    if (pDoc == nullptr || request.hdc == nullptr)
        return 0;
    ZebPaintRequest req = request;
    if (req.objectRes.cx < 1)
        req.objectRes.cx = 1;
    if (req.objectRes.cy < 1)
        req.objectRes.cy = 1;
    Painter painter(req, *pDoc);
    return painter.Run();
}
