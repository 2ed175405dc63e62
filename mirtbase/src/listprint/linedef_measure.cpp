// List printing items: what an item prints and how large it is.
#include "linedef.h"

#include <memory>

#include <afxseam.h>

#include "defaultprtdef.h"
#include "file/archivedread.h"
#include "mirtpath.h"
#include "npropobj.h"
#include "paldib.h"

namespace {

// On a print preview an item not yet placed measures this much larger
// (tenths of a point).
const int kPreviewGrowth = 20;

// A BMP file read as a CPalDIB; null when the file does not open or the
// archive fails.
std::unique_ptr<CPalDIB> ReadDibFile(const CString& strPath)
{
    auto pDib = std::make_unique<CPalDIB>();
    if (ReadArchivedFile(strPath, [&pDib](CArchive& ar) { pDib->Serialize(ar); }) != ArchivedRead::Done)
        return nullptr;
    return pDib;
}

}  // namespace

CSize CLineDef::Measure(CDC* pDC)
{
    switch (m_nKind) {
    case KIND_FIELD_DATA:
    case KIND_FIELD_NAME:
    case KIND_TEXT:
    case KIND_STRING:
        BuildLines();
        return MeasureLines(pDC);
    case KIND_FIELD_PICTURE:
    case KIND_BITMAP: {
        const CPalDIB* pDib = LoadBitmap();
        return pDib != nullptr ? CSize(pDib->m_nWidth, pDib->m_nHeight) : CSize(0, 0);
    }
    case KIND_DATE:
        m_strText = FormatToday();
        return MeasureLabel(pDC);
    case KIND_PAGE:
        m_strText.Format("PAGE:%d", static_cast<int>(m_pOwner->m_nPage));
        return MeasureLabel(pDC);
    default:
        return CSize(0, 0);
    }
}

BOOL CLineDef::IsTextKind() const
{
    return m_nKind == KIND_FIELD_DATA || m_nKind == KIND_FIELD_NAME || m_nKind == KIND_TEXT ||
           m_nKind == KIND_STRING;
}

// Once per print: the text the item prints, split at line feeds (a carriage
// return before one is dropped). An empty text has no lines.
void CLineDef::BuildLines()
{
    if (!m_listLines.IsEmpty())
        return;
    if (m_nKind == KIND_FIELD_DATA)
        m_pOwner->GetFieldText(m_nOrder, m_strText);
    else if (m_nKind == KIND_FIELD_NAME)
        m_pOwner->GetFieldName(m_nOrder, m_strText);
    else if (m_nKind == KIND_STRING)
        m_pOwner->GetDefPrtString(m_nStringIndex, m_strText);
    if (m_strText.IsEmpty())
        return;
    int nStart = 0;
    for (;;) {
        const int nEnd = m_strText.Find('\n', nStart);
        CString strLine = nEnd < 0 ? m_strText.Mid(nStart) : m_strText.Mid(nStart, nEnd - nStart);
        strLine.TrimRight('\r');
        m_listLines.AddTail(strLine);
        if (nEnd < 0)
            break;
        nStart = nEnd + 1;
    }
}

LOGFONT CLineDef::GetMeasuringFont(CDC* pDC) const
{
    LOGFONT font = GetEffectiveFont();
    if (!m_bPlaced && CNPropObj::IsPreviewDC(pDC))
        font.lfHeight += kPreviewGrowth;
    return font;
}

// The widest line; a line wider than the printable width answers that
// width and its own height at once.
CSize CLineDef::MeasureLines(CDC* pDC)
{
    const CPrtFontSelection font(pDC, GetMeasuringFont(pDC));
    if (m_listLines.IsEmpty())
        return CSize(0, font.GetLineHeight());
    CSize widest(-1, 0);
    for (POSITION pos = m_listLines.GetHeadPosition(); pos != nullptr;) {
        const CSize size = pDC->GetTextExtent(m_listLines.GetNext(pos));
        if (size.cx > m_pOwner->m_nWidth)
            return CSize(m_pOwner->m_nWidth, size.cy);
        if (size.cx > widest.cx)
            widest = size;
    }
    return widest;
}

CSize CLineDef::MeasureLabel(CDC* pDC)
{
    const CPrtFontSelection font(pDC, GetMeasuringFont(pDC));
    if (m_strText.IsEmpty())
        return CSize(0, font.GetLineHeight());
    CSize size = pDC->GetTextExtent(m_strText);
    if (size.cx > m_pOwner->m_nWidth)
        size.cx = m_pOwner->m_nWidth;
    return size;
}

CString CLineDef::FormatToday() const
{
    SYSTEMTIME today;
    AfxGetCurrentLocalTime(&today);
    char szDate[80];
    if (::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &today, nullptr, szDate, sizeof szDate) == 0)
        return CString();
    return CString(szDate);
}

// The item's bitmap, read once; a JPEG picture goes through a temporary BMP
// file that lives as long as the item.
CPalDIB* CLineDef::LoadBitmap()
{
    if (m_pDib != nullptr)
        return m_pDib;
    const CString strPath = GetBitmapPath();
    if (strPath.IsEmpty())
        return nullptr;
    std::unique_ptr<CPalDIB> pDib = ReadDibFile(strPath);
    if (pDib != nullptr && pDib->m_bReadFailed) {
        pDib.reset();
        if (!m_strTempFile.IsEmpty())
            ::DeleteFileA(m_strTempFile);
        m_strTempFile.Empty();
        if (CPalDIB::ConvertToTempBmp(m_strTempFile, strPath))
            pDib = ReadDibFile(m_strTempFile);
    }
    if (pDib != nullptr && !pDib->m_bReadFailed && !pDib->IsEmpty())
        m_pDib = pDib.release();
    return m_pDib;
}

// Kind 2: the field's data string. Kind 6: the text, from "\DATA\Defbmp\"
// when it names no folder.
CString CLineDef::GetBitmapPath() const
{
    CString strPath;
    if (m_nKind == KIND_FIELD_PICTURE)
        m_pOwner->GetFieldText(m_nOrder, strPath);
    else if (!m_strText.IsEmpty() && m_strText.Find('\\') < 0)
        strPath = MirtInstallPath(MIRT_DEFBMP_FOLDER) + m_strText;
    else
        strPath = m_strText;
    return strPath;
}
